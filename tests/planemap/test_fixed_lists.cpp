// The plane-map lists' fixed lists, each text reported from code as a host may report it: a text
// the list maps stores that value and the item shows the option taken (or the entry the refresh
// shows for it); a text the list gives no value changes nothing but that item's text.
#include <gtest/gtest.h>

#include "CodeReport.h"
#include "PlaneListFixture.h"
#include "framework/FillSubItems.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXObjectArrow.h"
#include "hosttypes/Parsnip/QXObjectBorder.h"
#include "hosttypes/Parsnip/QXObjectCircle.h"
#include "hosttypes/Parsnip/QXObjectColorMark.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "hosttypes/Parsnip/QXObjectFinger.h"
#include "hosttypes/Parsnip/QXObjectHint.h"
#include "hosttypes/Parsnip/QXObjectLegend.h"
#include "hosttypes/Parsnip/QXObjectMultiText.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "hosttypes/Parsnip/QXObjectScale.h"
#include "hosttypes/Parsnip/QXObjectText.h"
#include "hosttypes/Parsnip/QXObjectWeb.h"
#include "planemap/PropListArrow.h"
#include "planemap/PropListBorderLabel.h"
#include "planemap/PropListColorMark.h"
#include "planemap/PropListEllipse.h"
#include "planemap/PropListFill.h"
#include "planemap/PropListFinger.h"
#include "planemap/PropListHint.h"
#include "planemap/PropListLegend.h"
#include "planemap/PropListLine.h"
#include "planemap/PropListMultiText.h"
#include "planemap/PropListPointText.h"
#include "planemap/PropListScale.h"
#include "planemap/PropListWeb.h"

using parsnip::MapFixture;
using parsnip::testing::CountCalls;
using planetest::BrushOf;
using planetest::OpenList;

namespace {

constexpr const char* kNoOption = "无此选项";

// Reports text into item id, which the list maps: the view is redrawn, and the item shows shown.
template <class List>
void ExpectMapped(OpenList<List>& open, DWORD_PTR id, const char* text, const std::string& shown) {
    const int redraws = open.Redraws();
    open.Report(id, text);
    EXPECT_LT(redraws, open.Redraws()) << id << " " << text;
    EXPECT_EQ(shown, open.Value(id)) << id << " " << text;
}

// A new T alone selected and its list opened; text reported into item id stores what get reads as
// stored, and the item shows shown.
template <class List, class T, class V>
void ExpectNewObjectTakes(MapFixture& map, const char* typeName, DWORD_PTR id, const char* text,
                          const std::string& shown, V (T::*get)() const, V stored) {
    auto* object = map.Add<T>(typeName);
    map.ClearSelection();
    OpenList<List> open(map, {object});
    ExpectMapped(open, id, text, shown);
    EXPECT_EQ(stored, (object->*get)()) << typeName << " " << text;
    // Shown as the refresh shows the value taken.
    open.Show(object);
    EXPECT_EQ(shown, open.Value(id)) << typeName << " " << text;
}

}  // namespace

// ---- a text the list gives no value is refused -----------------------------------------------------

TEST(FixedLists, ArrowStyleOfNoOptionWritesNoStyleRebuildsNothingAndShowsTheStyleBefore) {
    MapFixture map;
    auto* arrow = map.Add<CQXObjectArrow>("箭头");
    auto* other = map.Add<CQXObjectArrow>("箭头");
    arrow->SetStyle(2);
    other->SetStyle(5);
    OpenList<CPropListArrow> open(map, {arrow, other});
    ASSERT_EQ("风格3", open.Value(CPropListArrow::kStyleId));
    for (const char* text : {kNoOption, "", "风格8", "风格0"})
        planetest::ExpectCodeReportRefused(open, CPropListArrow::kStyleId, text, "风格3");
    EXPECT_EQ(2, arrow->GetStyle());
    EXPECT_EQ(5, other->GetStyle());

    // An option runs every step: every arrow of the type, the model rebuilt, the change told.
    parsnip::testing::ClearCallLog();
    const int redraws = open.Redraws();
    ASSERT_TRUE(open.Pick(CPropListArrow::kStyleId, "风格5"));
    EXPECT_EQ(4, arrow->GetStyle());
    EXPECT_EQ(4, other->GetStyle());
    EXPECT_EQ(1, CountCalls("CQXObjectArrow::CreateModel", arrow));
    EXPECT_EQ(2, CountCalls("CQXObject::OnChanged"));
    EXPECT_LT(redraws, open.Redraws());
}

TEST(FixedLists, ACompassPointOfNoOptionNamesNoTextToEdit) {
    MapFixture map;
    auto* finger = map.Add<CQXObjectFinger>("指北针");
    OpenList<CPropListFinger> open(map, {finger});
    ASSERT_EQ("北", open.Value(CPropListFinger::kCompassId));
    planetest::ExpectCodeReportRefused(open, CPropListFinger::kCompassId, kNoOption, "北");
    ASSERT_TRUE(open.Pick(CPropListFinger::kCompassId, "南"));
    ASSERT_TRUE(open.Type(CPropListFinger::kCompassTextId, "S"));
    EXPECT_EQ("S", std::string(finger->GetSouthText()));
}

TEST(FixedLists, APointTextsPlaceTakesTheUnofferedCentreAndRefusesAnyOtherText) {
    MapFixture map;
    CQXObjectText* label = map.AddText("数值", "12.5", FLOATPOINT(0, 0));
    label->SetHorizontalAlign(0);
    label->SetVerticalAlign(0);
    OpenList<CPropListPointText> open(map, {label});
    ASSERT_EQ("右下", open.Value(CPropListPointText::kPlaceId));
    const std::vector<std::string> offered =
        platform::GridDriver::Info(open.Item(CPropListPointText::kPlaceId)).options;
    EXPECT_EQ(8u, offered.size());
    EXPECT_EQ(offered.end(), std::find(offered.begin(), offered.end(), "中"));

    ExpectMapped(open, CPropListPointText::kPlaceId, "中", "中");
    EXPECT_EQ(1, label->GetHorizontalAlign());
    EXPECT_EQ(1, label->GetVerticalAlign());
    open.Show(label);
    EXPECT_EQ("中", open.Value(CPropListPointText::kPlaceId));

    for (const char* text : {kNoOption, ""})
        planetest::ExpectCodeReportRefused(open, CPropListPointText::kPlaceId, text, "中");
    EXPECT_EQ(1, label->GetHorizontalAlign());
    EXPECT_EQ(1, label->GetVerticalAlign());
}

// ---- a text the list maps is stored, and the item shows the option taken ----------------------------

TEST(FixedLists, ColourMarkDirectionAndLabelSideShowTheOptionTakenForAnyOtherText) {
    MapFixture map;
    auto* mark = map.Add<CQXObjectColorMark>("色标");
    mark->SetDirection(-1);
    mark->SetLabelAlign(2);
    OpenList<CPropListColorMark> open(map, {mark});
    ASSERT_EQ("反向", open.Value(CPropListColorMark::kDirectionId));
    ASSERT_EQ("左侧", open.Value(CPropListColorMark::kLabelSideId));

    ExpectMapped(open, CPropListColorMark::kDirectionId, kNoOption, "正向");
    EXPECT_EQ(1, mark->GetDirection());
    ExpectMapped(open, CPropListColorMark::kLabelSideId, kNoOption, "右侧");
    EXPECT_EQ(0, mark->GetLabelAlign());
    // Shown as the refresh shows the value taken.
    open.Show(mark);
    EXPECT_EQ("正向", open.Value(CPropListColorMark::kDirectionId));
    EXPECT_EQ("右侧", open.Value(CPropListColorMark::kLabelSideId));

    ExpectMapped(open, CPropListColorMark::kDirectionId, "反向", "反向");
    EXPECT_EQ(-1, mark->GetDirection());
    ExpectMapped(open, CPropListColorMark::kDirectionId, "", "正向");
    EXPECT_EQ(1, mark->GetDirection());
}

TEST(FixedLists, TheFillGroupsTransparentBackgroundShowsNoForAnyOtherText) {
    MapFixture map;
    CQXObjectFill* fill = map.AddFill("填充", {{0, 0}, {4, 0}, {4, 3}});
    QXLOGBRUSH brush = BrushOf(fill);
    brush.backMode = kBackModeTransparent;
    fill->SetLogBrush(&brush);
    OpenList<CPropListFill> fillList(map, {fill});
    ASSERT_EQ("是", fillList.Value(kPlaneFillTransparentId));
    ExpectMapped(fillList, kPlaneFillTransparentId, kNoOption, "否");
    EXPECT_EQ(kBackModeOpaque, BrushOf(fill).backMode);

    // The arrow's fill group: written to every arrow of the type.
    auto* arrow = map.Add<CQXObjectArrow>("箭头");
    brush = BrushOf(arrow);
    brush.backMode = kBackModeTransparent;
    arrow->SetLogBrush(&brush);
    map.ClearSelection();
    OpenList<CPropListArrow> arrowList(map, {arrow});
    ASSERT_EQ("是", arrowList.Value(kPlaneFillTransparentId));
    ExpectMapped(arrowList, kPlaneFillTransparentId, "", "否");
    EXPECT_EQ(kBackModeOpaque, BrushOf(arrow).backMode);
}

// Each on a new object, which the refresh shows with the first option (a legend's text on the
// right, an ellipse forward).
TEST(FixedLists, StylesPastTheOptionsWebStylesTextDirectionsAndArrowsShowWhatTheRefreshShows) {
    MapFixture map;
    ExpectNewObjectTakes<CPropListLegend>(map, "图例", CPropListLegend::kTextPositionId, kNoOption, "下",
                                          &CQXObjectLegend::GetFontPosition, 1);
    ExpectNewObjectTakes<CPropListEllipse>(map, "椭圆", CPropListEllipse::kDirectionId, kNoOption, "反向",
                                           &CQXObjectCircle::GetDirection, SEGMENTDIRECTION_BACKWARD);
    // A style past the options is stored and shown as the refresh shows it, not offered.
    ExpectNewObjectTakes<CPropListScale>(map, "比例尺", CPropListScale::kStyleId, kNoOption, "风格8",
                                         &CQXObjectScale::GetStyle, 7);
    ExpectNewObjectTakes<CPropListFinger>(map, "指北针", CPropListFinger::kStyleId, kNoOption, "风格5",
                                          &CQXObjectFinger::GetStyle, 4);
    ExpectNewObjectTakes<CPropListHint>(map, "提示", CPropListHint::kStyleId, "", "风格8", &CQXObjectHint::GetStyle, 7);
    ExpectNewObjectTakes<CPropListHint>(map, "提示", CPropListHint::kStyleId, "风格2", "风格2",
                                        &CQXObjectHint::GetStyle, 1);
    ExpectNewObjectTakes<CPropListWeb>(map, "方格网", CPropListWeb::kStyleId, kNoOption, "十字线",
                                       &CQXObjectWeb::GetStyle, 2);
    ExpectNewObjectTakes<CPropListMultiText>(map, "多行文本", CPropListMultiText::kDirectionId, kNoOption, "纵向",
                                             &CQXObjectMultiText::GetDirection, 1);
    ExpectNewObjectTakes<CPropListMultiText>(map, "多行文本", CPropListMultiText::kHAlignId, kNoOption, "右对齐",
                                             &CQXObjectMultiText::GetHAlign, 2);

    auto* line = map.Add<CQXObjectPolyline>("线");
    line->GetBegArrow()->SetArrowType(2);
    map.ClearSelection();
    OpenList<CPropListLine> lines(map, {line});
    ASSERT_EQ("直角样式", lines.Value(CPropListLine::kBeginArrowId));
    ExpectMapped(lines, CPropListLine::kBeginArrowId, kNoOption, "空");
    EXPECT_EQ(0, line->GetBegArrow()->GetArrowType());
}

TEST(FixedLists, BorderLabelDirectionsAndUnitShowTheOptionTakenAndAPickedOptionStays) {
    MapFixture map;
    auto* border = map.Add<CQXObjectBorder>("边框");
    map.Select(border);
    border->SetDrawGraticule(1);
    border->SetDrawKilometerGrid(1);
    OpenList<CPropListBorderLabel> open(border);
    // "随刻度线" stands for vertical on the graticule: the pick keeps showing it.
    ASSERT_TRUE(open.Pick(CPropListBorderLabel::kGXDirectionId, "随刻度线"));
    EXPECT_EQ(0, border->GetGTextDirectionX());
    EXPECT_EQ("随刻度线", open.Value(CPropListBorderLabel::kGXDirectionId));
    ExpectMapped(open, CPropListBorderLabel::kGYDirectionId, kNoOption, "纵向");
    EXPECT_EQ(0, border->GetGTextDirectionY());
    ExpectMapped(open, CPropListBorderLabel::kKXDirectionId, kNoOption, "随刻度线");
    EXPECT_EQ(2, border->GetKTextDirectionX());
    ExpectMapped(open, CPropListBorderLabel::kUnitId, kNoOption, "千米");
    EXPECT_EQ(1, border->GetUnit());
}
