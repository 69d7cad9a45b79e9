// The map-furniture lists: colour mark (refused numbers shown again, shown object only, attribute
// store), north arrow (compass-point texts, styles, half fills), legend (shown-only edits, column
// count, mixed selections) and scale bar (zero tick at the start, guarded setters, shown-only fonts).
#include <gtest/gtest.h>

#include "PlaneListFixture.h"
#include "driver/Responder.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXObjectColorMark.h"
#include "hosttypes/Parsnip/QXObjectFinger.h"
#include "hosttypes/Parsnip/QXObjectLegend.h"
#include "hosttypes/Parsnip/QXObjectScale.h"
#include "hosttypes/Parsnip/QXObjectText.h"
#include "planemap/PropListColorMark.h"
#include "planemap/PropListFinger.h"
#include "planemap/PropListLegend.h"
#include "planemap/PropListScale.h"

namespace {

using planetest::FontOf;
using planetest::PenOf;

using parsnip::MapFixture;
using parsnip::testing::ClearCallLog;
using parsnip::testing::CountCalls;

QXLOGFONT EntryFontOf(CQXObjectLegend* legend) {
    QXLOGFONT font;
    legend->GetLegendFont(&font);
    return font;
}

FLOATPOINT AnchorOf(CQXObject* object) {
    FLOATPOINT p;
    object->GetAnchor(&p);
    return p;
}

// A selection of two classes, then the shown object alone: the list is disabled, then usable again.
template <class List, class T>
void ExpectMixedSelectionDisablesUntilItEnds(MapFixture& map, T* shown, DWORD_PTR probeId) {
    planetest::OpenList<List> open;
    map.Select({shown, map.AddText("文本", "甲", {0, 0})});
    open.Show(shown);
    EXPECT_FALSE(open.Enabled(probeId));
    open.ShowAlone(map, shown);
    EXPECT_TRUE(open.Enabled(probeId));
}

}  // namespace

// ---- colour mark -------------------------------------------------------------------------------

TEST(ColorMarkList, RefusedCoordinatesShowTheStoredValueAndZeroIsAccepted) {
    MapFixture map;
    auto* mark = map.Add<CQXObjectColorMark>("色标");
    mark->MoveAnchor(FLOATPOINT(12.5, 7));
    planetest::OpenList<CPropListColorMark> open(map, {mark});
    EXPECT_EQ("12.50", open.Value(CPropListColorMark::kXId));

    for (const char* refused : {"-1", "abc", "1e400"}) {
        open.Type(CPropListColorMark::kXId, refused);
        EXPECT_EQ("12.50", open.Value(CPropListColorMark::kXId)) << refused;
        EXPECT_EQ(12.5, AnchorOf(mark).x) << refused;
    }
    ASSERT_TRUE(open.Type(CPropListColorMark::kXId, "0"));
    EXPECT_EQ(0.0, AnchorOf(mark).x);
    EXPECT_EQ(7.0, AnchorOf(mark).y);
    open.Type(CPropListColorMark::kLengthId, "-3");
    EXPECT_EQ("0.00", open.Value(CPropListColorMark::kLengthId));
    EXPECT_EQ(0.0, mark->GetRadiusB());
    ASSERT_TRUE(open.Type(CPropListColorMark::kYId, "1e39"));  // a double keeps it
    EXPECT_EQ(1e39, AnchorOf(mark).y);
}

TEST(ColorMarkList, FontSizeIsStoredInHundredthsAndDecimalsAcceptATypedValue) {
    MapFixture map;
    auto* mark = map.Add<CQXObjectColorMark>("色标");
    planetest::OpenList<CPropListColorMark> open(map, {mark});
    ASSERT_TRUE(open.Type(CPropListColorMark::kSizeId, "9"));
    EXPECT_FLOAT_EQ(900.0f, FontOf(mark).size);
    open.Type(CPropListColorMark::kSizeId, "1e37");  // ×100 is beyond the font record's float
    EXPECT_EQ("9.00", open.Value(CPropListColorMark::kSizeId));
    EXPECT_FLOAT_EQ(900.0f, FontOf(mark).size);
    ASSERT_TRUE(open.Type(CPropListColorMark::kDecimalsId, "5"));  // the options stop at 3
    EXPECT_EQ(5, mark->GetDecimal());
    open.Type(CPropListColorMark::kIntervalId, "x");
    EXPECT_EQ("1", open.Value(CPropListColorMark::kIntervalId));
    EXPECT_EQ(1, mark->GetLabelInterval());
    open.Show(mark);
    EXPECT_EQ("9.00", open.Value(CPropListColorMark::kSizeId));
    EXPECT_EQ("5", open.Value(CPropListColorMark::kDecimalsId));
}

TEST(ColorMarkList, MarksShownByDefaultAndStoredUnderTheItemLabels) {
    MapFixture map;
    auto* mark = map.Add<CQXObjectColorMark>("色标");
    mark->GetPropertyManager()->SetBoolProperty("显示最大值色标", 0);
    planetest::OpenList<CPropListColorMark> open(map, {mark});
    EXPECT_EQ("是", open.Value(CPropListColorMark::kShowMinId));  // no attribute yet
    EXPECT_EQ("否", open.Value(CPropListColorMark::kShowMaxId));
    ASSERT_TRUE(open.Pick(CPropListColorMark::kShowMinId, "否"));
    int shown = 1;
    EXPECT_TRUE(mark->GetPropertyManager()->GetBoolProperty("显示最小值色标", shown));
    EXPECT_EQ(0, shown);
}

TEST(ColorMarkList, EditsReachTheShownMarkOnlyAndAMixedSelectionDisablesNothing) {
    MapFixture map;
    auto* a = map.Add<CQXObjectColorMark>("色标");
    auto* b = map.Add<CQXObjectColorMark>("色标");
    map.Select({a, b, map.AddText("文本", "甲", {0, 0})});
    planetest::OpenList<CPropListColorMark> open(a);
    EXPECT_TRUE(open.Enabled(CPropListColorMark::kLengthId));
    ClearCallLog();
    ASSERT_TRUE(open.Type(CPropListColorMark::kLengthId, "4"));
    ASSERT_TRUE(open.Pick(CPropListColorMark::kDirectionId, "反向"));
    ASSERT_TRUE(open.Pick(CPropListColorMark::kLabelSideId, "左侧"));
    EXPECT_EQ(4.0, a->GetRadiusB());
    EXPECT_EQ(-1, a->GetDirection());
    EXPECT_EQ(2, a->GetLabelAlign());
    EXPECT_EQ(0.0, b->GetRadiusB());
    EXPECT_EQ(1, b->GetDirection());
    EXPECT_EQ(0, CountCalls("CQXObjectColorMark::SetRadiusB", b));
}

// ---- north arrow -------------------------------------------------------------------------------

TEST(FingerList, NameFollowsTheChosenCompassPointOnEverySelectedArrow) {
    MapFixture map;
    auto* a = map.Add<CQXObjectFinger>("指北针");
    auto* b = map.Add<CQXObjectFinger>("指北针");
    auto* other = map.Add<CQXObjectFinger>("指北针2");
    planetest::OpenList<CPropListFinger> open(map, {a, b, other});
    EXPECT_EQ("北", open.Value(CPropListFinger::kCompassTextId));

    ASSERT_TRUE(open.Pick(CPropListFinger::kCompassId, "南"));
    ASSERT_TRUE(open.Type(CPropListFinger::kCompassTextId, "S"));
    EXPECT_EQ(CString("S"), a->GetSouthText());
    EXPECT_EQ(CString("S"), b->GetSouthText());
    EXPECT_EQ(CString("南"), other->GetSouthText());
    EXPECT_EQ(CString("北"), a->GetNorthText());

    b->SetEastText("E");
    ASSERT_TRUE(open.Pick(CPropListFinger::kCompassId, "东"));
    a->SetEastText("East");
    open.Show(a);
    EXPECT_EQ("East", open.Value(CPropListFinger::kCompassTextId));
}

TEST(FingerList, StylesAreShownOneUpAndHalfFillsKeepTheirOtherWords) {
    MapFixture map;
    auto* finger = map.Add<CQXObjectFinger>("指北针");
    QXLOGBRUSH left;
    left.style = 7;
    left.lineColor = RGB(1, 2, 3);
    left.size = 250;
    finger->SetLeftBrush(left);
    finger->SetStyle(3);
    planetest::OpenList<CPropListFinger> open(map, {finger});
    EXPECT_EQ("风格4", open.Value(CPropListFinger::kStyleId));
    ASSERT_TRUE(open.Pick(CPropListFinger::kStyleId, "风格3"));
    EXPECT_EQ(2, finger->GetStyle());

    ASSERT_TRUE(open.Color(CPropListFinger::kLeftFillId, RGB(200, 10, 10)));
    const QXLOGBRUSH after = finger->GetLeftBrush();
    EXPECT_EQ(RGB(200, 10, 10), after.fillColor);
    EXPECT_EQ(7u, after.style);
    EXPECT_EQ(RGB(1, 2, 3), after.lineColor);
    EXPECT_FLOAT_EQ(250.0f, after.size);
    EXPECT_EQ(0u, finger->GetRightBrush().fillColor);
}

TEST(FingerList, WidthIsTakenAsTypedButASizeMustBeAboveZero) {
    MapFixture map;
    auto* finger = map.Add<CQXObjectFinger>("指北针");
    planetest::OpenList<CPropListFinger> open(map, {finger});
    ASSERT_TRUE(open.Type(CPropListFinger::kPenWidthId, "0.5"));
    EXPECT_FLOAT_EQ(50.0f, PenOf(finger).width);
    ASSERT_TRUE(open.Type(CPropListFinger::kPenWidthId, "abc"));  // not checked: no number is 0
    EXPECT_FLOAT_EQ(0.0f, PenOf(finger).width);
    ASSERT_TRUE(open.Type(CPropListFinger::kPenWidthId, "0.5"));
    ClearCallLog();
    open.Type(CPropListFinger::kPenWidthId, "1e39");  // beyond the record's float: refused
    open.Type(CPropListFinger::kFontSizeId, "0");
    open.Type(CPropListFinger::kFontSizeId, "-3");
    open.Type(CPropListFinger::kFontSizeId, "abc");
    EXPECT_EQ(0, CountCalls("CQXObjectFinger::SetLogPen"));
    EXPECT_EQ(0, CountCalls("CQXObjectFinger::SetLogFont"));
    EXPECT_FLOAT_EQ(50.0f, PenOf(finger).width);
}

TEST(FingerList, MixedSelectionDisablesTheListUntilItEnds) {
    MapFixture map;
    auto* finger = map.Add<CQXObjectFinger>("指北针");
    ExpectMixedSelectionDisablesUntilItEnds<CPropListFinger>(map, finger, CPropListFinger::kFontFaceId);
}

// ---- legend ------------------------------------------------------------------------------------

TEST(LegendList, EntryColourReachesTheShownLegendOnlyFaceAndSizeEveryLegend) {
    MapFixture map;
    auto* a = map.Add<CQXObjectLegend>("图例");
    auto* b = map.Add<CQXObjectLegend>("图例");
    planetest::OpenList<CPropListLegend> open(map, {a, b});
    ASSERT_TRUE(open.Color(CPropListLegend::kEntryColorId, RGB(0, 0, 255)));
    EXPECT_EQ(RGB(0, 0, 255), EntryFontOf(a).color);
    EXPECT_EQ(0u, EntryFontOf(b).color);
    ASSERT_TRUE(open.Type(CPropListLegend::kEntrySizeId, "12"));
    EXPECT_FLOAT_EQ(1200.0f, EntryFontOf(b).size);
    open.Type(CPropListLegend::kTitleSizeId, "0");
    EXPECT_FLOAT_EQ(0.0f, FontOf(a).size);
    ASSERT_TRUE(open.Type(CPropListLegend::kTitleSizeId, "12"));
    EXPECT_FLOAT_EQ(1200.0f, FontOf(a).size);
    EXPECT_FLOAT_EQ(1200.0f, FontOf(b).size);

    ASSERT_TRUE(open.Type(CPropListLegend::kEntryWidthId, "12.5"));  // entry size: shown legend only
    EXPECT_EQ(1250.0, a->m_dLegendWidth);
    EXPECT_EQ(1000.0, b->m_dLegendWidth);
    ASSERT_TRUE(open.Type(CPropListLegend::kLeftMarginId, "3"));
    EXPECT_EQ(300.0, b->GetLSpace());
}

TEST(LegendList, SizesSpacingsAndPenWidthsAreNotCheckedButAnOverflowIsRefused) {
    MapFixture map;
    auto* a = map.Add<CQXObjectLegend>("图例");
    auto* b = map.Add<CQXObjectLegend>("图例");
    planetest::OpenList<CPropListLegend> open(map, {a, b});
    ASSERT_TRUE(open.Type(CPropListLegend::kEntryHeightId, "abc"));  // no number is 0
    EXPECT_EQ(0.0, a->m_dLegendHeight);
    EXPECT_EQ(500.0, b->m_dLegendHeight);
    ASSERT_TRUE(open.Type(CPropListLegend::kSpacingId, "-1"));
    EXPECT_EQ(-100.0, b->GetDSpace());
    ASSERT_TRUE(open.Type(CPropListLegend::kOutlineWidthId, "1.5"));
    ASSERT_TRUE(open.Type(CPropListLegend::kFrameWidthId, "x"));
    QXLOGPEN outline;
    b->GetOuterLineLogPen(&outline);
    EXPECT_FLOAT_EQ(150.0f, outline.width);
    EXPECT_FLOAT_EQ(0.0f, PenOf(b).width);

    open.Type(CPropListLegend::kTopMarginId, "1e400");
    open.Type(CPropListLegend::kEntryWidthId, "1e307");   // ×100 overflows
    open.Type(CPropListLegend::kOutlineWidthId, "1e37");  // ×100 is beyond the float range
    EXPECT_EQ(200.0, b->GetTSpace());
    EXPECT_EQ(1000.0, a->m_dLegendWidth);
    b->GetOuterLineLogPen(&outline);
    EXPECT_FLOAT_EQ(150.0f, outline.width);
}

TEST(LegendList, ColumnCountBelowOneShowsTheStoredCount) {
    MapFixture map;
    auto* a = map.Add<CQXObjectLegend>("图例");
    auto* b = map.Add<CQXObjectLegend>("图例");
    a->SetColCount(2);
    planetest::OpenList<CPropListLegend> open(map, {a, b});
    EXPECT_EQ("2", open.Value(CPropListLegend::kColumnsId));
    open.Type(CPropListLegend::kColumnsId, "0");
    EXPECT_EQ("2", open.Value(CPropListLegend::kColumnsId));
    EXPECT_EQ(1, b->GetColCount());
    ASSERT_TRUE(open.Type(CPropListLegend::kColumnsId, "3"));
    EXPECT_EQ(3, a->GetColCount());
    EXPECT_EQ(3, b->GetColCount());
}

TEST(LegendList, TextPositionBelowIsOneAndAnyOtherValueShowsBelow) {
    MapFixture map;
    auto* legend = map.Add<CQXObjectLegend>("图例");
    planetest::OpenList<CPropListLegend> open(map, {legend});
    EXPECT_EQ("右", open.Value(CPropListLegend::kTextPositionId));
    ASSERT_TRUE(open.Pick(CPropListLegend::kTextPositionId, "下"));
    EXPECT_EQ(1, legend->GetFontPosition());
    legend->SetFontPosition(5);
    legend->OnChanged(0);
    open.Show(legend);
    EXPECT_EQ("下", open.Value(CPropListLegend::kTextPositionId));
}

TEST(LegendList, MixedSelectionKeepsTheValuesShownAndEndsEnabled) {
    MapFixture map;
    auto* legend = map.Add<CQXObjectLegend>("图例");
    legend->SetTitle("图例一");
    planetest::OpenList<CPropListLegend> open;
    open.ShowSelected(map, {legend});
    map.Select(map.AddText("文本", "甲", {0, 0}));
    legend->SetTitle("改");
    legend->OnChanged(0);
    open.Show(legend);
    EXPECT_FALSE(open.Enabled(CPropListLegend::kTitleId));
    EXPECT_FALSE(open.Enabled(CPropListLegend::kEntrySizeId));
    EXPECT_EQ("图例一", open.Value(CPropListLegend::kTitleId));
    ExpectMixedSelectionDisablesUntilItEnds<CPropListLegend>(map, legend, CPropListLegend::kEntrySizeId);
}

// ---- scale bar ---------------------------------------------------------------------------------

TEST(ScaleList, ZeroTickOffTheStartForcesTheLastStyleAndDisablesItsItems) {
    MapFixture map;
    auto* a = map.Add<CQXObjectScale>("比例尺");
    auto* b = map.Add<CQXObjectScale>("比例尺");
    auto* other = map.Add<CQXObjectScale>("比例尺2");
    b->SetStyle(2);
    planetest::OpenList<CPropListScale> open(map, {a, b, other});
    EXPECT_EQ("是", open.Value(CPropListScale::kZeroFromStartId));

    ASSERT_TRUE(open.Pick(CPropListScale::kZeroFromStartId, "否"));
    for (CQXObjectScale* s : {a, b}) {
        EXPECT_EQ(0, s->GetZeroFromStart());
        EXPECT_EQ(6, s->GetStyle());
    }
    EXPECT_EQ(0, other->GetStyle());
    for (DWORD_PTR id : {CPropListScale::kStyleId, CPropListScale::kUnitId, CPropListScale::kDecimalsId,
                         CPropListScale::kSpacingId, CPropListScale::kCountId})
        EXPECT_FALSE(open.Enabled(id)) << id;
    EXPECT_TRUE(open.Enabled(CPropListScale::kHeightId));

    ASSERT_TRUE(open.Pick(CPropListScale::kZeroFromStartId, "是"));
    EXPECT_EQ(1, a->GetZeroFromStart());
    EXPECT_EQ(6, a->GetStyle());
    for (DWORD_PTR id : {CPropListScale::kStyleId, CPropListScale::kUnitId, CPropListScale::kDecimalsId,
                         CPropListScale::kSpacingId, CPropListScale::kCountId})
        EXPECT_TRUE(open.Enabled(id)) << id;
}

TEST(ScaleList, RefreshDisablesTheStartItemsAlsoAfterAMixedSelection) {
    MapFixture map;
    auto* scale = map.Add<CQXObjectScale>("比例尺");
    scale->SetZeroFromStart(0);
    ExpectMixedSelectionDisablesUntilItEnds<CPropListScale>(map, scale, CPropListScale::kHeightId);
    planetest::OpenList<CPropListScale> open(scale);
    EXPECT_EQ("否", open.Value(CPropListScale::kZeroFromStartId));
    for (DWORD_PTR id : {CPropListScale::kStyleId, CPropListScale::kUnitId, CPropListScale::kDecimalsId,
                         CPropListScale::kSpacingId, CPropListScale::kCountId})
        EXPECT_FALSE(open.Enabled(id)) << id;
    EXPECT_TRUE(open.Enabled(CPropListScale::kZeroFromStartId));
}

TEST(ScaleList, TheBarsSettersRefuseHeightsCountsAndDecimalsAndNoNumberIsZero) {
    MapFixture map;
    auto* scale = map.Add<CQXObjectScale>("比例尺");
    planetest::OpenList<CPropListScale> open(map, {scale});
    for (const char* refused : {"0", "-5", "abc", "1e307"}) {
        open.Type(CPropListScale::kHeightId, refused);
        EXPECT_EQ(200.0, scale->GetHeight()) << refused;
    }
    ASSERT_TRUE(open.Type(CPropListScale::kHeightId, "2.5"));
    EXPECT_EQ(250.0, scale->GetHeight());
    open.Show(scale);
    EXPECT_EQ("2.50", open.Value(CPropListScale::kHeightId));

    ASSERT_TRUE(open.Type(CPropListScale::kSpacingId, "abc"));  // no number is 0 for spacing, font size and width
    EXPECT_EQ(0.0, scale->GetSize());
    ASSERT_TRUE(open.Type(CPropListScale::kFontSizeId, "abc"));
    EXPECT_FLOAT_EQ(0.0f, FontOf(scale).size);
    ASSERT_TRUE(open.Type(CPropListScale::kPenWidthId, "abc"));
    EXPECT_FLOAT_EQ(0.0f, PenOf(scale).width);
    // A negative size or width is refused; the item shows its text from before the edit.
    ASSERT_TRUE(open.Type(CPropListScale::kFontSizeId, "12"));
    ASSERT_TRUE(open.Type(CPropListScale::kFontSizeId, "-2"));
    EXPECT_FLOAT_EQ(1200.0f, FontOf(scale).size);
    EXPECT_EQ("12", open.Value(CPropListScale::kFontSizeId));
    ASSERT_TRUE(open.Type(CPropListScale::kPenWidthId, "0.5"));
    ASSERT_TRUE(open.Type(CPropListScale::kPenWidthId, "-1"));
    EXPECT_FLOAT_EQ(50.0f, PenOf(scale).width);
    EXPECT_EQ("0.5", open.Value(CPropListScale::kPenWidthId));
    // What the bar's setters would ignore is refused before them: no notification, no redraw.
    ClearCallLog();
    const int redraws = open.Redraws();
    for (const char* refused : {"0", "x", "-2", "1e39"}) open.Type(CPropListScale::kCountId, refused);
    open.Type(CPropListScale::kHeightId, "0");
    EXPECT_EQ(0, CountCalls("CQXObject::OnChanged"));
    EXPECT_EQ(redraws, open.Redraws());
    EXPECT_EQ("5", open.Value(CPropListScale::kCountId));
    EXPECT_EQ(5, scale->GetStep());
    ASSERT_TRUE(open.Type(CPropListScale::kCountId, "3.9"));  // atoi
    EXPECT_EQ(3, scale->GetStep());
    EXPECT_TRUE(platform::Responder::Instance().MessageBoxes().empty());
}

// The bar keeps ten times the spacing it is given: a spacing whose kept form a double cannot hold,
// or a negative one, is refused for every selected bar; the item keeps the spacing as it was typed.
TEST(ScaleList, SpacingKeptTenfoldIsRefusedBeyondADouble) {
    MapFixture map;
    auto* a = map.Add<CQXObjectScale>("比例尺");
    auto* b = map.Add<CQXObjectScale>("比例尺");
    map.Select(a);
    map.Select(b);
    planetest::OpenList<CPropListScale> open(a);
    ASSERT_TRUE(open.Type(CPropListScale::kSpacingId, "2.5"));
    EXPECT_EQ(2.5, a->GetSize());
    EXPECT_EQ(2.5, b->GetSize());
    for (const char* refused : {"1e308", "-1e308", "1.7976931348623157e308", "-1"}) {
        ASSERT_TRUE(open.Type(CPropListScale::kSpacingId, refused)) << refused;
        EXPECT_EQ(2.5, a->GetSize()) << refused;
        EXPECT_EQ(2.5, b->GetSize()) << refused;
        EXPECT_EQ("2.5", open.Value(CPropListScale::kSpacingId)) << refused;
    }
    open.Show(a);
    EXPECT_EQ("2.50", open.Value(CPropListScale::kSpacingId));
    // The largest spacing whose tenfold a double holds is taken.
    ASSERT_TRUE(open.Type(CPropListScale::kSpacingId, "1e307"));
    EXPECT_DOUBLE_EQ(1e307, a->GetSize());
    open.Show(a);
    EXPECT_EQ(std::string::npos, open.Value(CPropListScale::kSpacingId).find("inf"));
}

TEST(ScaleList, EmptyUnitOptionStoresTheEmptyWord) {
    MapFixture map;
    auto* scale = map.Add<CQXObjectScale>("比例尺");
    scale->SetUnitWord("米");
    planetest::OpenList<CPropListScale> open(map, {scale});
    EXPECT_EQ("米", open.Value(CPropListScale::kUnitId));
    ASSERT_TRUE(open.grid().PickOption(open.Item(CPropListScale::kUnitId), 0));
    EXPECT_EQ(CString(""), scale->GetUnitWord());
}

TEST(ScaleList, FontEditsReachTheShownBarOnlyPenEditsEveryBar) {
    MapFixture map;
    auto* a = map.Add<CQXObjectScale>("比例尺");
    auto* b = map.Add<CQXObjectScale>("比例尺");
    auto* c = map.Add<CQXObjectScale>("比例尺");
    map.Select({a, b, c});
    planetest::OpenList<CPropListScale> open(b);
    ClearCallLog();
    ASSERT_TRUE(open.Type(CPropListScale::kFontSizeId, "10"));
    ASSERT_TRUE(open.Color(CPropListScale::kFontColorId, RGB(9, 9, 9)));
    EXPECT_EQ(2, CountCalls("CQXObjectScale::SetLogFont"));
    EXPECT_EQ(2, CountCalls("CQXObjectScale::SetLogFont", b));
    EXPECT_FLOAT_EQ(1000.0f, FontOf(b).size);
    EXPECT_FLOAT_EQ(0.0f, FontOf(a).size);
    ASSERT_TRUE(open.Type(CPropListScale::kPenWidthId, "1.5"));
    for (CQXObjectScale* s : {a, b, c}) EXPECT_FLOAT_EQ(150.0f, PenOf(s).width);
}
