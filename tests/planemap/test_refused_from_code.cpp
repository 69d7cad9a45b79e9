// A text set on an item from code and reported as a change (as a host or a script may do) is
// judged as a typed one, by the item's own rule and then by the list's reader. One refused writes
// nothing, calls no setter, redraws nothing and changes no other item nor the list's selection;
// that one item shows its text from before, or the stored value as the list's refresh shows it.
#include <gtest/gtest.h>

#include <initializer_list>

#include "CodeReport.h"
#include "PlaneListFixture.h"
#include "framework/FillSubItems.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXObjectArrow.h"
#include "hosttypes/Parsnip/QXObjectBitmap.h"
#include "hosttypes/Parsnip/QXObjectBlock.h"
#include "hosttypes/Parsnip/QXObjectCircle.h"
#include "hosttypes/Parsnip/QXObjectCtrlLine.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "hosttypes/Parsnip/QXObjectFinger.h"
#include "hosttypes/Parsnip/QXObjectHint.h"
#include "hosttypes/Parsnip/QXObjectMultiText.h"
#include "hosttypes/Parsnip/QXObjectPoint.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "hosttypes/Parsnip/QXObjectRect.h"
#include "hosttypes/Parsnip/QXObjectScale.h"
#include "hosttypes/Parsnip/QXObjectText.h"
#include "hosttypes/Parsnip/QXObjectWeb.h"
#include "planemap/BoundaryPen.h"
#include "planemap/PropListAppendControlPoint.h"
#include "planemap/PropListArrow.h"
#include "planemap/PropListBound.h"
#include "planemap/PropListCtrlLine.h"
#include "planemap/PropListEllipse.h"
#include "planemap/PropListFaultBlock.h"
#include "planemap/PropListFaultLine.h"
#include "planemap/PropListFill.h"
#include "planemap/PropListFinger.h"
#include "planemap/PropListHint.h"
#include "planemap/PropListLine.h"
#include "planemap/PropListMultiText.h"
#include "planemap/PropListOilWaterLine.h"
#include "planemap/PropListPicture.h"
#include "planemap/PropListPoint.h"
#include "planemap/PropListPointText.h"
#include "planemap/PropListRect.h"
#include "planemap/PropListRegionLine.h"
#include "planemap/PropListSandLine.h"
#include "planemap/PropListScale.h"
#include "planemap/PropListText.h"
#include "planemap/PropListWeb.h"
#include "planemap/PropListWellNetLine.h"

using parsnip::MapFixture;
using planetest::MakePen;
using planetest::OpenList;

namespace {

struct Refusal {
    DWORD_PTR id;
    const char* text;   // set on the item from code
    const char* shown;  // the stored value as the refresh shows it
};

// Each text reported in turn; not even a getter is called.
template <class List>
void ExpectRefusedFromCode(OpenList<List>& open, std::initializer_list<Refusal> cases) {
    for (const Refusal& c : cases) {
        planetest::ExpectCodeReportRefused(open, c.id, c.text, c.shown);
        const auto& log = parsnip::testing::CallLog();
        EXPECT_TRUE(log.empty()) << log.front().operation;
    }
}

QXLOGFONT MakeFont(float size) {
    QXLOGFONT font;
    font.size = size;
    return font;
}

template <class T>
void GivePen(T* object, float width, COLORREF colour = 0) {
    QXLOGPEN pen = MakePen(1, colour, width);
    object->SetLogPen(&pen);
}

template <class T>
void GivePenAndFont(T* object, float width, float size) {
    GivePen(object, width, RGB(1, 2, 3));
    QXLOGFONT font = MakeFont(size);
    object->SetLogFont(&font);
}

// Each object is shown as the only one selected.
class RefusedFromCode : public ::testing::Test {
protected:
    template <class T>
    T* AddLine(const char* typeName, float width) {
        auto* line = map.Add<T>(typeName);
        GivePen(line, width, RGB(1, 2, 3));
        return line;
    }

    template <class List>
    void ExpectRefused(CQXObject* shown, std::initializer_list<Refusal> cases) {
        map.ClearSelection();
        OpenList<List> open(map, {shown});
        ExpectRefusedFromCode(open, cases);
    }

    MapFixture map;
};

}  // namespace

TEST_F(RefusedFromCode, FurnitureAndShapeLists) {
    auto* arrow = map.Add<CQXObjectArrow>("箭头");
    arrow->SetHeight(2.5);
    arrow->SetHeadPercent(40);
    arrow->SetBodyPercent(30);
    GivePen(arrow, 50);
    ExpectRefused<CPropListArrow>(arrow, {{CPropListArrow::kHeightId, "-3", "2.50"},
                                          {CPropListArrow::kHeadPercentId, "1e39", "40"},
                                          {CPropListArrow::kBodyPercentId, "1e39", "30"},
                                          {CPropListArrow::kPenWidthId, "-1", "0.50"}});

    auto* scale = map.Add<CQXObjectScale>("比例尺");
    scale->SetSize(1000);
    scale->SetHeight(250);
    scale->SetStep(4);
    scale->SetDecimalNum(1);
    GivePenAndFont(scale, 30, 900);
    ExpectRefused<CPropListScale>(scale, {{CPropListScale::kSpacingId, "-5", "1000.00"},
                                          {CPropListScale::kHeightId, "0", "2.50"},
                                          {CPropListScale::kCountId, "0", "4"},
                                          {CPropListScale::kDecimalsId, "99999999999", "1"},
                                          {CPropListScale::kDecimalsId, "-1", "1"},
                                          {CPropListScale::kPenWidthId, "-1", "0.30"},
                                          {CPropListScale::kFontSizeId, "-1", "9.00"}});

    auto* rect = map.Add<CQXObjectRect>("矩形");
    rect->MoveAnchor(FLOATPOINT(7, 8));
    rect->SetRadiusA(1.5);
    rect->SetRoundSize(FLOATSIZE(0.25f, 0.5f));
    GivePen(rect, 120);
    ExpectRefused<CPropListRect>(rect, {{kPlaneFillStyleSetId, "", "所有样式"},
                                        {CPropListRect::kXId, "1e400", "7.00"},
                                        {CPropListRect::kLengthId, "-4", "3.00"},
                                        {CPropListRect::kCornerAId, "-1", "0.25"},
                                        {CPropListRect::kRotationId, "1e400", "0.00"},
                                        {CPropListRect::kPenWidthId, "-1", "1.20"}});

    auto* ellipse = map.Add<CQXObjectCircle>("椭圆");
    GivePen(ellipse, 75);
    ExpectRefused<CPropListEllipse>(ellipse, {{CPropListEllipse::kPenWidthId, "0", "0.75"}});

    auto* finger = map.Add<CQXObjectFinger>("指北针");
    GivePenAndFont(finger, 20, 1200);
    ExpectRefused<CPropListFinger>(
        finger, {{CPropListFinger::kPenWidthId, "-1", "0.20"}, {CPropListFinger::kFontSizeId, "0", "12.00"}});

    auto* web = map.Add<CQXObjectWeb>("方格网");
    web->SetXGap(500);
    GivePen(web, 10);
    ExpectRefused<CPropListWeb>(web, {{CPropListWeb::kGapId, "0", "5.00"}, {CPropListWeb::kPenWidthId, "-1", "0.10"}});

    auto* picture = map.Add<CQXObjectBitmap>("图片");
    picture->MoveAnchor(FLOATPOINT(3, 4));
    picture->SetRadiusA(12.5);
    picture->SetAngle(0);
    ExpectRefused<CPropListPicture>(picture, {{CPropListPicture::kXId, "1e400", "3.00"},
                                              {CPropListPicture::kLengthId, "-1", "12.50"},
                                              {CPropListPicture::kRotationId, "1e400", "0.00"},
                                              {CPropListPicture::kScaleId, "1e400", ""},
                                              {CPropListPicture::kScaleId, "7", ""},
                                              {CPropListPicture::kBaseYId, "7", ""}});
}

TEST_F(RefusedFromCode, TextAndPointLists) {
    CQXObjectText* text = map.AddText("文本", "说明", FLOATPOINT(1.5, 2));
    QXLOGFONT font = MakeFont(1050);
    text->SetLogFont(&font);
    ExpectRefused<CPropListText>(text, {{CPropListText::kSizeId, "0", "10.50"},
                                        {CPropListText::kAngleId, "1e400", "0.00"},
                                        {CPropListText::kXId, "abc", "1.50"},
                                        {CPropListText::kYId, "2x", "2.00"}});

    CQXObjectText* label = map.AddText("数值", "12.345", FLOATPOINT(0, 0));
    label->SetLogFont(&font);
    label->SetHorizontalAlign(0);
    label->SetVerticalAlign(2);
    ExpectRefused<CPropListPointText>(label, {{CPropListPointText::kSizeId, "-1", "10.50"},
                                              {CPropListPointText::kDecimalsId, "99999999999", "3"},
                                              {CPropListPointText::kDecimalsId, "7", "3"},
                                              {CPropListPointText::kDecimalsId, "-1", "3"},
                                              {CPropListPointText::kPlaceId, "外", "右上"},
                                              {CPropListPointText::kAngleId, "1e400", "0.00"}});

    auto* lines = map.Add<CQXObjectMultiText>("多行文本");
    lines->SetLogFont(&font);
    ExpectRefused<CPropListMultiText>(
        lines, {{CPropListMultiText::kSizeId, "0", "10.50"}, {CPropListMultiText::kAngleId, "1e400", ""}});

    auto* hint = map.Add<CQXObjectHint>("提示");
    GivePenAndFont(hint, 40, 800);
    ExpectRefused<CPropListHint>(
        hint, {{CPropListHint::kPenWidthId, "-1", "0.40"}, {CPropListHint::kFontSizeId, "0", "8.00"}});

    CQXObjectPoint* point = map.AddPoint("井点", FLOATPOINT(100.5, 200.25));
    QXLOGPOINT symbol;
    symbol.size = 250;
    point->SetLogPoint(&symbol);
    ExpectRefused<CPropListPoint>(point,
                                  {{CPropListPoint::kXId, "x", "100.50"}, {CPropListPoint::kSizeId, "-1", "2.50"}});
    ExpectRefused<CPropListAppendControlPoint>(point, {{CPropListAppendControlPoint::kSizeId, "0", "2.50"}});
}

TEST_F(RefusedFromCode, LineAndBoundaryLists) {
    auto* line = AddLine<CQXObjectPolyline>("线", 50);
    line->GetBegArrow()->SetArrowLength(1.25);
    // An empty style set names no set: the fill stays, and the item shows the set it showed.
    ExpectRefused<CPropListLine>(
        line, {{CPropListLine::kArrowSizeId, "0", "1.25"}, {kPlaneFillStyleSetId, "", "所有样式"}});
    ExpectRefused<CPropListWellNetLine>(
        line, {{CPropListWellNetLine::kPenWidthId, "-1", "0.50"}, {CPropListWellNetLine::kArrowSizeId, "-2", "1.25"}});
    ExpectRefused<CPropListBound>(line, {{CPropListBound::kPenWidthId, "-1", "0.50"}});
    ExpectRefused<CPropListOWLine>(line, {{boundarypen::kWidthId, "0", "0.50"}});
    ExpectRefused<CPropListRegionLine>(line, {{boundarypen::kWidthId, "0", "0.50"}});
    ExpectRefused<CPropListSandLine>(line, {{boundarypen::kWidthId, "-1", "0.50"}});

    auto* control = AddLine<CQXObjectCtrlLine>("控制线层", 150);
    ExpectRefused<CPropListCtrlLine>(control, {{CPropListCtrlLine::kPenWidthId, "-1", "1.50"}});

    auto* fault = AddLine<CQXObjectPolyline>("上盘", 150);
    ExpectRefused<CPropListFaultLine>(fault, {{CPropListFaultLine::kPenWidthId, "-1", "1.5"}});

    auto* block = map.Add<CQXObjectBlock>("断层组合");
    for (const char* part : {"上盘", "下盘"}) {
        auto* wall = new CQXObjectLine;
        wall->SetTypeName(part);
        GivePen(wall, 250);
        block->AddObject(wall);
    }
    auto* zone = new CQXObjectFill;
    zone->SetTypeName("断层多边形");
    block->AddObject(zone);
    ExpectRefused<CPropListFaultBlock>(block, {{CPropListFaultBlock::kHangingWallWidthId, "-1", "2.5"},
                                               {CPropListFaultBlock::kFootwallWidthId, "1e39", "2.5"}});

    CQXObjectFill* fill = map.AddFill("填充", {{0, 0}, {4, 0}, {4, 3}});
    QXLOGBRUSH brush;
    brush.size = 200;
    fill->SetLogBrush(&brush);
    ExpectRefused<CPropListFill>(fill, {{kPlaneFillCellSizeId, "-1", "2.00"}});
}
