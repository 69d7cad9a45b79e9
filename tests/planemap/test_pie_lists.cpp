// The chart-symbol object lists: the pie and bar symbol (sizes by shape, the bottom line of the
// bars, same-type writes, the number rules) and its coordinate system (range tests, label
// switches, sizes in hundredths), and the creator rows that open them.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "CodeReport.h"
#include "PieFixture.h"
#include "PlaneListFixture.h"
#include "framework/PropWndMgr.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXObjectCoordinate.h"
#include "hosttypes/Parsnip/QXObjectPie.h"
#include "hosttypes/Parsnip/QXObjectPoint.h"
#include "hosttypes/Parsnip/QXObjectText.h"
#include "hosttypes/Parsnip/QXSegment.h"
#include "planemap/layers/PlanePropWndCreator.h"
#include "planemap/layers/PropListCoordinate.h"
#include "planemap/layers/PropListPie.h"
#include "planemap/layers/PropListPieLayerData.h"
#include "planemap/layers/PropListPieLayerObj.h"

namespace {

using pietest::Options;
using pietest::SubItemNames;
using planetest::OpenList;
using P = CPropListPie;
using C = CPropListCoordinate;

CQXObjectPie* AddPie(parsnip::MapFixture& map, int shape, int records = 3) {
    auto* pie = map.Add<CQXObjectPie>("饼图");
    pie->SetShapeType(shape);
    pie->SetRecordCount(records);
    return pie;
}

QXLOGFONT FontOfPie(CQXObjectPie* pie) {
    QXLOGFONT font;
    pie->GetFont(font);
    return font;
}

}  // namespace

// ---- the pie and bar symbol ----------------------------------------------------------------------------

TEST(PieList, SizeItemsFollowTheShapeAndTheBarCountOffersOneLessThanTheRecords) {
    parsnip::MapFixture map;
    CQXObjectPie* pie = AddPie(map, 7, 4);
    OpenList<P> list(map, {pie});
    EXPECT_EQ((std::vector<std::string>{"条数", "半径", "列宽", "高度", "间隔", "拱高"}),
              SubItemNames(list.Item(P::kSizeGroupId)));
    EXPECT_EQ((std::vector<std::string>{"1", "2", "3"}), Options(list.Item(P::kBarCountId)));
    EXPECT_EQ("现状图(间隔)", list.Value(P::kShapeId));

    // One record: no bar count to offer. A half pie shows two radii, the lower one the radius.
    CQXObjectPie* half = AddPie(map, 1, 1);
    half->SetRadius(12.5);
    list.ShowSelected(map, {half});
    EXPECT_EQ((std::vector<std::string>{"上半圆半径", "下半圆半径"}), SubItemNames(list.Item(P::kSizeGroupId)));
    EXPECT_EQ("12.50", list.Value(P::kDownRadiusId));
}

TEST(PieList, AShapeOutsideTheListShowsNoNameAndNoSizes) {
    parsnip::MapFixture map;
    CQXObjectPie* pie = AddPie(map, 9);
    OpenList<P> list(map, {pie});
    EXPECT_EQ("", list.Value(P::kShapeId));
    EXPECT_EQ(0, list.Item(P::kSizeGroupId)->GetSubItemsCount());
}

TEST(PieList, OnlyTheBarsDrawABottomLineAndTheRefreshSwitchesTheShownSymbolsOff) {
    parsnip::MapFixture map;
    CQXObjectPie* bar = AddPie(map, 4);
    bar->SetDrawBotLine(1);
    OpenList<P> list(map, {bar});
    EXPECT_EQ("是", list.Value(P::kBottomDrawId));
    EXPECT_TRUE(list.Enabled(P::kBottomDrawId));
    EXPECT_TRUE(list.Enabled(P::kBottomLengthId));

    CQXObjectPie* state = AddPie(map, 6);
    CQXObjectPie* other = AddPie(map, 6);
    state->SetDrawBotLine(1);
    other->SetDrawBotLine(1);
    list.ShowSelected(map, {state, other});
    EXPECT_EQ("否", list.Value(P::kBottomDrawId));
    EXPECT_FALSE(list.Enabled(P::kBottomDrawId));
    EXPECT_FALSE(list.Enabled(P::kBottomColorId));
    EXPECT_EQ(0, state->GetDrawBotLine());
    EXPECT_EQ(1, other->GetDrawBotLine());
    // Once off, showing the symbol again writes nothing to it.
    const uint64_t stamp = state->GetTimeStamp();
    for (int i = 0; i < 3; ++i) list.Show(state);
    EXPECT_EQ(stamp, state->GetTimeStamp());
}

TEST(PieList, AFontEditGivesEverySelectedPieOfTheTypeTheWholeFontButNoTextTypedLikeThem) {
    parsnip::MapFixture map;
    CQXObjectPie* shown = AddPie(map, 0);
    CQXObjectPie* second = AddPie(map, 0);
    CQXObjectPie* third = AddPie(map, 2);
    CQXObjectText* text = map.AddText("饼图", "T", {0, 0});
    QXLOGFONT font;
    font.size = 350;
    font.SetFaceName("黑体");
    shown->SetFont(font);
    QXLOGFONT textFont;
    textFont.size = 111;
    text->SetLogFont(&textFont);
    OpenList<P> list(map, {shown, text, second, third});
    ASSERT_TRUE(list.Color(P::kFontColorId, RGB(0, 0, 255)));
    for (CQXObjectPie* pie : {shown, second, third}) {
        EXPECT_EQ(RGB(0, 0, 255), FontOfPie(pie).color);
        EXPECT_EQ(350, FontOfPie(pie).size);
        EXPECT_EQ("黑体", std::string(FontOfPie(pie).GetFaceName().GetString()));
    }
    QXLOGFONT after;
    text->GetLogFont(&after);
    EXPECT_EQ(111, after.size);

    list.Type(P::kFontSizeId, "2.25");
    EXPECT_EQ(225, FontOfPie(third).size);
}

TEST(PieList, PenWidthsStayInMillimetresAndOffsetsAndSizesTakeTheirNumbers) {
    parsnip::MapFixture map;
    CQXObjectPie* pie = AddPie(map, 0);
    pie->SetRadius(8);
    pie->SetXMove(4);
    pie->SetDrawOrgLine(1);
    OpenList<P> list(map, {pie});

    list.Type(P::kPenWidthId, "0.7");
    QXLOGPEN pen;
    pie->GetPen(pen);
    EXPECT_FLOAT_EQ(0.7f, pen.width);
    list.Type(P::kIndicatorWidthId, "1.5");
    pie->GetDrawOrgLine(&pen);
    EXPECT_FLOAT_EQ(1.5f, pen.width);

    list.Type(P::kXMoveId, "0");
    EXPECT_EQ(0, pie->GetXMove());
    list.Type(P::kRadiusId, "6.5");
    EXPECT_DOUBLE_EQ(6.5, pie->GetRadius());
}

// A number the list's reader refuses (a negative offset or size, letters where a number is due)
// never reaches the symbols: no write, no redraw, and the item shows the stored value as a refresh
// shows it.
TEST(PieList, ARefusedNumberWritesNothingAndShowsTheStoredValue) {
    parsnip::MapFixture map;
    CQXObjectPie* pie = AddPie(map, 0);
    CQXObjectPie* other = AddPie(map, 0);
    QXLOGFONT font;
    font.size = 250;
    pie->SetFont(font);
    pie->SetRadius(8);
    pie->SetXMove(4);
    OpenList<P> list(map, {pie, other});
    const int redraws = list.Redraws();
    parsnip::testing::ClearCallLog();

    struct Case {
        DWORD_PTR id;
        const char* shown;
        std::vector<const char*> refused;
    };
    for (const Case& c :
         {Case{P::kFontSizeId, "2.50", {"-1", "abc", "1e37", "-0.5"}}, Case{P::kRadiusId, "8.00", {"r5", "-1"}},
          Case{P::kXMoveId, "4", {"-2"}}, Case{P::kPenWidthId, "0.00", {"-1", "1e39"}}}) {
        for (const char* text : c.refused) {
            ASSERT_TRUE(list.Type(c.id, text));
            EXPECT_EQ(c.shown, list.Value(c.id)) << c.id << " " << text;
        }
    }
    EXPECT_EQ(250, FontOfPie(pie).size);
    EXPECT_EQ(0, parsnip::testing::CountCalls("CQXObjectPie::SetFont"));
    EXPECT_EQ(0, parsnip::testing::CountCalls("CQXObjectPie::SetPen"));
    EXPECT_DOUBLE_EQ(8, pie->GetRadius());
    EXPECT_EQ(4, pie->GetXMove());
    EXPECT_EQ(redraws, list.Redraws());
}

// After an accepted text shown as typed, a refused one shows the stored value in the item's own
// format, made for that item alone: the rebuilt size item is not made again, the list keeps its
// current item, and a change reported from code with a text the reader refuses writes nothing.
TEST(PieList, ARefusedTextReshowsOnlyItsItemAndTheSizeItemStaysAlive) {
    parsnip::MapFixture map;
    CQXObjectPie* pie = AddPie(map, 0);
    pie->SetRadius(8);
    OpenList<P> list(map, {pie});
    ASSERT_TRUE(list.Type(P::kFontSizeId, "3"));
    ASSERT_TRUE(list.Type(P::kRadiusId, "6"));
    EXPECT_EQ("6", list.Value(P::kRadiusId));
    CBCGPProp* radius = list.Item(P::kRadiusId);
    const int redraws = list.Redraws();
    parsnip::testing::ClearCallLog();

    ASSERT_TRUE(list.Type(P::kRadiusId, "-1"));
    EXPECT_EQ(radius, list.Item(P::kRadiusId));
    EXPECT_EQ("6.00", list.Value(P::kRadiusId));
    EXPECT_EQ("3", list.Value(P::kFontSizeId));
    ASSERT_TRUE(list.Type(P::kFontSizeId, "x"));
    EXPECT_EQ("3.00", list.Value(P::kFontSizeId));
    EXPECT_EQ(list.Item(P::kFontSizeId), list.list().GetPropList().GetCurSel());  // no refresh cleared it

    list.Report(P::kRadiusId, "-2");
    EXPECT_EQ("6.00", list.Value(P::kRadiusId));
    EXPECT_DOUBLE_EQ(6, pie->GetRadius());
    EXPECT_EQ(0, parsnip::testing::CountCalls("CQXObjectPie::SetRadius"));
    EXPECT_EQ(0, parsnip::testing::CountCalls("CQXObjectPie::SetFont"));
    EXPECT_EQ(redraws, list.Redraws());

    // Each report is judged by its own text: a valid one from code after a typed refusal is taken.
    ASSERT_TRUE(list.Type(P::kRadiusId, "-1"));
    list.Report(P::kRadiusId, "7");
    EXPECT_DOUBLE_EQ(7, pie->GetRadius());
    EXPECT_EQ("7", list.Value(P::kRadiusId));
    EXPECT_EQ(redraws + 1, list.Redraws());
}

// In the font and pen groups only the edited field decides: a colour picked keeps a stored size or
// width that does not read (-100) and one shown rounded (the indicator's 99.96 shown "100.0").
TEST(PieList, AColourPickedInAGroupKeepsTheStoredSizeAndWidth) {
    parsnip::MapFixture map;
    CQXObjectPie* pie = AddPie(map, 0);
    QXLOGFONT font;
    font.size = -100;
    pie->SetFont(font);
    QXLOGPEN indicator;
    indicator.width = 99.96f;
    pie->SetDrawOrgLine(indicator);
    pie->SetDrawOrgLine(1);
    OpenList<P> list(map, {pie});
    ASSERT_TRUE(list.Color(P::kFontColorId, RGB(255, 0, 0)));
    EXPECT_EQ(RGB(255, 0, 0), FontOfPie(pie).color);
    EXPECT_FLOAT_EQ(-100.0f, FontOfPie(pie).size);
    ASSERT_TRUE(list.Color(P::kIndicatorColorId, RGB(0, 0, 255)));
    QXLOGPEN kept;
    pie->GetDrawOrgLine(&kept);
    EXPECT_EQ(RGB(0, 0, 255), kept.color);
    EXPECT_FLOAT_EQ(99.96f, kept.width);
    ASSERT_TRUE(list.Type(P::kIndicatorWidthId, "2"));
    pie->GetDrawOrgLine(&kept);
    EXPECT_FLOAT_EQ(2.0f, kept.width);
}

// ---- the coordinate system -------------------------------------------------------------------------------

namespace {

CQXObjectCoordinate* AddAxes(parsnip::MapFixture& map) {
    auto* axes = map.Add<CQXObjectCoordinate>("坐标系");
    axes->AddSegment(new CQXSegment(std::vector<FLOATPOINT>{{5, 6}}));
    axes->m_dHeight = 50;
    axes->m_dXMin = 0;
    axes->m_dXMax = 100;
    axes->m_dXDivision = 20;
    axes->m_dYMin = 0;
    axes->m_dYMax = 50;
    axes->m_dYDivision = 10;
    axes->m_nScaleLength = 3;
    return axes;
}

}  // namespace

TEST(CoordinateList, RangesDivisionsAndCountsPassTheirTests) {
    parsnip::MapFixture map;
    CQXObjectCoordinate* axes = AddAxes(map);
    OpenList<C> list(map, {axes});
    EXPECT_EQ("100.00", list.Value(C::kWidthId));

    list.Type(C::kXMinId, "80");  // leaves exactly one division: the minimum needs more
    EXPECT_DOUBLE_EQ(0, axes->m_dXMin);
    list.Type(C::kYMinId, "-0");  // zero, shown and stored unsigned
    EXPECT_EQ("0.00", list.Value(C::kYMinId));
    EXPECT_FALSE(std::signbit(axes->m_dYMin));
    list.Type(C::kYMinId, "40");  // the Y minimum takes exactly one
    EXPECT_DOUBLE_EQ(40, axes->m_dYMin);
    list.Type(C::kXMaxId, "20");
    EXPECT_DOUBLE_EQ(20, axes->m_dXMax);
    axes->m_dXMax = 100;
    for (const char* refused : {"0", "101"}) {
        list.Type(C::kXDivisionId, refused);
        EXPECT_DOUBLE_EQ(20, axes->m_dXDivision) << refused;
    }
    list.Type(C::kXDivisionId, "100");
    EXPECT_DOUBLE_EQ(100, axes->m_dXDivision);
    list.Type(C::kXLabelIntervalId, "101");
    EXPECT_DOUBLE_EQ(0, axes->m_dXLabelInterval);

    list.Type(C::kTickLengthId, "0");
    EXPECT_EQ(3, axes->m_nScaleLength);
    ASSERT_TRUE(list.Pick(C::kXLabelDecimalsId, "0"));
    EXPECT_EQ(0, axes->m_nXLabelDecimal);

    // Every edit taken marks the object and has it update itself; a refused one does neither.
    EXPECT_EQ(5, parsnip::testing::CountCalls("CQXObject::UpdateAfterEdit", axes));
    EXPECT_EQ(1, axes->GetModifyFlag());
    EXPECT_EQ("3", list.Value(C::kTickLengthId));
}

TEST(CoordinateList, OriginsAreDigitsOnlyAndSizesAreKeptInHundredths) {
    parsnip::MapFixture map;
    CQXObjectCoordinate* axes = AddAxes(map);
    OpenList<C> list(map, {axes});
    EXPECT_EQ("5.00", list.Value(C::kOriginXId));
    list.Type(C::kOriginXId, "-3");
    EXPECT_DOUBLE_EQ(5, axes->GetOrigin().x);
    list.Type(C::kOriginXId, "");
    EXPECT_DOUBLE_EQ(0, axes->GetOrigin().x);
    EXPECT_DOUBLE_EQ(6, axes->GetOrigin().y);

    list.Type(C::kYLabelSizeId, "1.75");
    EXPECT_FLOAT_EQ(175, axes->m_YLabelFont.size);
    list.Type(C::kTrendWidthId, "0.3");
    EXPECT_FLOAT_EQ(30, axes->m_TrendPen.width);

    // Sizes and widths are never negative: the stored one stays and is shown again.
    list.Type(C::kYLabelSizeId, "-1.75");
    list.Type(C::kTrendWidthId, "-0.3");
    EXPECT_FLOAT_EQ(175, axes->m_YLabelFont.size);
    EXPECT_FLOAT_EQ(30, axes->m_TrendPen.width);
    EXPECT_EQ("1.75", list.Value(C::kYLabelSizeId));
    EXPECT_EQ("0.30", list.Value(C::kTrendWidthId));

    // A colour picked in a font group keeps the stored size, one that does not read (-100) too.
    axes->m_YLabelFont.size = -100;
    ASSERT_TRUE(list.Color(C::kYLabelColorId, RGB(0, 128, 0)));
    EXPECT_EQ(RGB(0, 128, 0), axes->m_YLabelFont.color);
    EXPECT_FLOAT_EQ(-100, axes->m_YLabelFont.size);
}

TEST(CoordinateList, HiddenLabelsGreyTheirItemsButNotTheirSwitch) {
    parsnip::MapFixture map;
    CQXObjectCoordinate* axes = AddAxes(map);
    OpenList<C> list(map, {axes});
    ASSERT_TRUE(list.Pick(C::kYLabelShowId, "否"));
    EXPECT_EQ(0, axes->m_nYLabelShow);
    EXPECT_TRUE(list.Enabled(C::kYLabelShowId));
    for (DWORD_PTR id : {C::kYLabelSideId, C::kYLabelIntervalId, C::kYLabelDecimalsId, C::kYLabelFontGroupId,
                         C::kYLabelFaceId, C::kYLabelSizeId, C::kYLabelColorId})
        EXPECT_FALSE(list.Enabled(id)) << id;
    EXPECT_TRUE(list.Enabled(C::kXLabelSideId));
    ASSERT_TRUE(list.Pick(C::kXLabelSideId, "下"));
    EXPECT_EQ(0, axes->m_nXLabelSide);
}

// A change reported from code with a text the list refuses no longer marks the object changed or
// redraws it; the item shows the stored value as the refresh shows it.
TEST(CoordinateList, ATextRefusedAfterTheItemTookItWritesAndMarksNothing) {
    parsnip::MapFixture map;
    CQXObjectCoordinate* axes = AddAxes(map);
    OpenList<C> list(map, {axes});
    planetest::ExpectCodeReportRefused(list, C::kXMinId, "90", "0.00");  // leaves no division
    planetest::ExpectCodeReportRefused(list, C::kHeightId, "-5", "50.00");
    planetest::ExpectCodeReportRefused(list, C::kTickLengthId, "0", "3");
    planetest::ExpectCodeReportRefused(list, C::kXAxisWidthId, "-1", "0.00");
    EXPECT_DOUBLE_EQ(0, axes->m_dXMin);
    EXPECT_EQ(0, parsnip::testing::CountCalls("CQXObject::SetModifyFlag"));
    // A whole number taken from a text with more to it ("1e-310" is the length 1) shows as the
    // refresh shows it, so a later refusal shows what was shown.
    ASSERT_TRUE(list.Type(C::kTickLengthId, "1e-310"));
    EXPECT_EQ(1, axes->m_nScaleLength);
    EXPECT_EQ("1", list.Value(C::kTickLengthId));
    planetest::ExpectCodeReportRefused(list, C::kTickLengthId, "-1", "1");
}

TEST(CoordinateList, AnObjectWithoutHeightTakesNoEdit) {
    parsnip::MapFixture map;
    CQXObjectCoordinate* axes = AddAxes(map);
    axes->m_dHeight = 0;
    OpenList<C> list(map, {axes});
    list.Type(C::kXNameId, "孔隙度");
    EXPECT_EQ("", std::string(axes->m_strXName.GetString()));
    EXPECT_EQ(0, parsnip::testing::CountCalls("CQXObject::UpdateAfterEdit", axes));
}

// ---- the creator's rows ---------------------------------------------------------------------------------

TEST(PieCreator, SymbolsCoordinateSystemsAndPieLayersOpenTheirLists) {
    parsnip::MapFixture map;
    planetest::HostWindows host;
    auto opens = [&](CQXObject* object, auto* kind) {
        CWnd* window = CPlanePropWndCreator::CreateObjProp(object, &host.frame);
        const bool is = dynamic_cast<decltype(kind)>(window) != nullptr;
        if (window) platform::DestroyAndDelete(window);
        return is;
    };
    EXPECT_TRUE(opens(AddPie(map, 0), static_cast<P*>(nullptr)));
    EXPECT_TRUE(opens(map.AddPoint("饼图", {0, 0}), static_cast<P*>(nullptr)));
    EXPECT_TRUE(opens(AddAxes(map), static_cast<C*>(nullptr)));

    CPropWndMgr* sheet = CPlanePropWndCreator::CreateLayerProp(map.AddLayer("饼图1", "饼图"), &host.frame);
    ASSERT_NE(nullptr, sheet);
    EXPECT_EQ((std::vector<std::string>{"数据", "显示"}), platform::TabCaptions(*sheet));
    platform::DestroyAndDelete(sheet);
}
