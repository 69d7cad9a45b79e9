// The well object lists (symbols, absence marks, well-row lines, trajectories, well-name labels)
// and the stratum well-graph list: what they show for one or several selected objects, which
// objects an edit reaches, and the trajectory rebuild that keeps the old line when it fails.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "CodeReport.h"
#include "PlaneListFixture.h"
#include "framework/PropStyleCombox.h"
#include "hostlibs/Moraine/MoraineTesting.h"
#include "hostlibs/Osprey/WellStrataTesting.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Moraine/PlaneOption.h"
#include "hosttypes/Moraine/StratumLayer.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectPoint.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "hosttypes/Parsnip/QXObjectText.h"
#include "hosttypes/Vireo/QXObjectWellGraph.h"
#include "hosttypes/Zephyr/WpWell.h"
#include "planemap/layers/PropListStratum.h"
#include "planemap/layers/PropListWellAbsence.h"
#include "planemap/layers/PropListWellBaseLine.h"
#include "planemap/layers/PropListWellLabel.h"
#include "planemap/layers/PropListWellPath.h"
#include "planemap/layers/PropListWellSymbol.h"

namespace {

using planetest::OpenList;
using planetest::PointOf;

QXLOGPOINT Style(UINT style, float size, COLORREF inner, COLORREF border) {
    QXLOGPOINT p;
    p.style = style;
    p.size = size;
    p.innerColor = inner;
    p.borderColor = border;
    return p;
}

}  // namespace

// ---- well symbols, absence marks, well-row lines -------------------------------------------------

TEST(WellSymbolList, AStyleEditReachesOnlySelectedSymbolsOfTheShownKind) {
    parsnip::MapFixture map;
    CQXObjectPoint* head1 = map.AddPoint("井口", {1, 1});
    CQXObjectPoint* head2 = map.AddPoint("井口", {2, 2});
    CQXObjectPoint* bottom = map.AddPoint("井底", {3, 3});
    CQXObjectText* impostor = map.AddText("井口", "W", {4, 4});  // the type name, another class
    OpenList<CPropListWellSymbol> open(map, {head1, bottom, impostor, head2});
    parsnip::testing::ClearCallLog();

    ASSERT_TRUE(open.Color(CPropListWellSymbol::kInnerColorId, RGB(9, 8, 7)));
    EXPECT_EQ(RGB(9, 8, 7), PointOf(head1).innerColor);
    EXPECT_EQ(RGB(9, 8, 7), PointOf(head2).innerColor);
    EXPECT_EQ(0u, PointOf(bottom).innerColor);
    for (const auto& call : parsnip::testing::CallLog()) EXPECT_NE(call.target, impostor) << call.operation;
}

TEST(WellSymbolList, NameAndCoordinatesBelongToALoneSymbol) {
    parsnip::MapFixture map;
    CQXObjectPoint* a = map.AddPoint("井位", {100.5, 200.25});
    CQXObjectPoint* b = map.AddPoint("井位", {7, 7});
    a->SetName("W1");
    OpenList<CPropListWellSymbol> open(map, {a});
    EXPECT_EQ("W1", open.Value(CPropListWellSymbol::kWellNameId));
    EXPECT_EQ("100.50", open.Value(CPropListWellSymbol::kXId));
    EXPECT_EQ("200.25", open.Value(CPropListWellSymbol::kYId));
    EXPECT_TRUE(open.Enabled(CPropListWellSymbol::kXId));

    map.Select(b);
    open.Show(a);
    EXPECT_EQ("", open.Value(CPropListWellSymbol::kWellNameId));
    EXPECT_EQ("", open.Value(CPropListWellSymbol::kXId));
    EXPECT_EQ("", open.Value(CPropListWellSymbol::kYId));
    EXPECT_FALSE(open.Enabled(CPropListWellSymbol::kXId));
    EXPECT_FALSE(open.Enabled(CPropListWellSymbol::kYId));
}

// The size item refuses what the group read refuses, so a refused size writes no symbol's style,
// the shown one's or another selected one's.
TEST(WellSymbolList, ARefusedSizeWritesNoSymbolAndShowsTheStoredSize) {
    parsnip::MapFixture map;
    CQXObjectPoint* shown = map.AddPoint("井位", {0, 0});
    CQXObjectPoint* other = map.AddPoint("井位", {5, 5});
    const QXLOGPOINT shownStyle = Style(1, 300, RGB(1, 1, 1), RGB(2, 2, 2));
    const QXLOGPOINT otherStyle = Style(2, 700, RGB(3, 3, 3), RGB(4, 4, 4));
    QXLOGPOINT start = shownStyle;
    shown->SetLogPoint(&start);
    start = otherStyle;
    other->SetLogPoint(&start);
    OpenList<CPropListWellSymbol> open(map, {shown, other});
    const int redraws = open.Redraws();
    parsnip::testing::ClearCallLog();

    for (const char* refused : {"-1", "-0.5", "1e39"}) {
        ASSERT_TRUE(open.Type(CPropListWellSymbol::kSizeId, refused));
        EXPECT_EQ("3.00", open.Value(CPropListWellSymbol::kSizeId)) << refused;
    }
    EXPECT_EQ(0, parsnip::testing::CountCalls("CQXObjectPoint::SetLogPoint"));
    EXPECT_EQ(redraws, open.Redraws());
    for (auto [point, style] : {std::pair{shown, shownStyle}, std::pair{other, otherStyle}}) {
        EXPECT_EQ(style.size, PointOf(point).size);
        EXPECT_EQ(style.innerColor, PointOf(point).innerColor);
        EXPECT_EQ(style.borderColor, PointOf(point).borderColor);
    }

    // A size taken gives every selected symbol of the kind the shown symbol's whole style.
    ASSERT_TRUE(open.Type(CPropListWellSymbol::kSizeId, "2.4"));
    EXPECT_EQ(240.0f, PointOf(other).size);
    EXPECT_EQ(RGB(1, 1, 1), PointOf(other).innerColor);
}

// A stored size the group reader refuses (shown "-1.00") was not edited: a picked style or colour
// is still written to every selected symbol of the kind, each keeping that size.
TEST(WellSymbolList, AStoredNegativeSizeKeepsItsValueWhileAPickedStyleIsApplied) {
    parsnip::MapFixture map;
    CQXObjectPoint* shown = map.AddPoint("井位", {0, 0});
    CQXObjectPoint* other = map.AddPoint("井位", {5, 5});
    QXLOGPOINT start = Style(1, -100, RGB(1, 1, 1), RGB(2, 2, 2));
    shown->SetLogPoint(&start);
    other->SetLogPoint(&start);
    OpenList<CPropListWellSymbol> open(map, {shown, other});
    ASSERT_EQ("-1.00", open.Value(CPropListWellSymbol::kSizeId));
    const int redraws = open.Redraws();

    ASSERT_TRUE(open.PickEntry(CPropListWellSymbol::kStyleId, 3));
    const UINT picked = dynamic_cast<CPropStyleCombox*>(open.Item(CPropListWellSymbol::kStyleId))->GetVal();
    ASSERT_NE(1u, picked);
    ASSERT_TRUE(open.Color(CPropListWellSymbol::kInnerColorId, RGB(9, 8, 7)));
    for (CQXObjectPoint* point : {shown, other}) {
        EXPECT_EQ(picked, PointOf(point).style);
        EXPECT_EQ(RGB(9, 8, 7), PointOf(point).innerColor);
        EXPECT_EQ(-100.0f, PointOf(point).size);
        EXPECT_EQ(RGB(2, 2, 2), PointOf(point).borderColor);
    }
    EXPECT_EQ(redraws + 2, open.Redraws());

    // A size with more digits than shown (249.96, "2.50") is not rounded by a colour picked.
    start = Style(1, 249.96f, RGB(1, 1, 1), RGB(2, 2, 2));
    shown->SetLogPoint(&start);
    open.Show(shown);
    ASSERT_EQ("2.50", open.Value(CPropListWellSymbol::kSizeId));
    ASSERT_TRUE(open.Color(CPropListWellSymbol::kBorderColorId, RGB(7, 7, 7)));
    for (CQXObjectPoint* point : {shown, other}) {
        EXPECT_EQ(249.96f, PointOf(point).size);
        EXPECT_EQ(RGB(7, 7, 7), PointOf(point).borderColor);
    }
}

TEST(WellAbsenceList, OnlyASizeAboveZeroIsTakenAndTheTypeShowsForALoneMark) {
    parsnip::MapFixture map;
    CQXObjectPoint* mark = map.AddPoint("缺失标志", {0, 0});
    CQXObjectPoint* other = map.AddPoint("缺失标志", {1, 0});
    mark->GetPropertyManager()->SetStringProperty("缺失类型", "剥蚀");
    mark->SetName("W1");
    QXLOGPOINT start = Style(1, 150, 0, 0);
    mark->SetLogPoint(&start);
    OpenList<CPropListWellAbsence> open(map, {mark});
    EXPECT_EQ("剥蚀", open.Value(CPropListWellAbsence::kAbsenceTypeId));
    EXPECT_EQ("W1", open.Value(CPropListWellAbsence::kWellId));
    EXPECT_EQ("1.50", open.Value(CPropListWellAbsence::kSizeId));

    ASSERT_TRUE(open.Type(CPropListWellAbsence::kSizeId, "0.8"));
    EXPECT_EQ(80.0f, PointOf(mark).size);
    const int redraws = open.Redraws();
    for (const char* refused : {"0", "-1", "abc"}) {
        ASSERT_TRUE(open.Type(CPropListWellAbsence::kSizeId, refused));
        EXPECT_EQ(80.0f, PointOf(mark).size) << refused;
        EXPECT_EQ("0.80", open.Value(CPropListWellAbsence::kSizeId)) << refused;  // the stored size, as shown
    }
    EXPECT_EQ(redraws, open.Redraws());

    // A stored size that does not read (-100) does not block a picked colour, and keeps its value.
    start = Style(1, -100, 0, 0);
    mark->SetLogPoint(&start);
    open.Show(mark);
    ASSERT_TRUE(open.Color(CPropListWellAbsence::kInnerColorId, RGB(5, 6, 7)));
    EXPECT_EQ(RGB(5, 6, 7), PointOf(mark).innerColor);
    EXPECT_EQ(-100.0f, PointOf(mark).size);

    map.Select(other);
    open.Show(mark);
    EXPECT_EQ("", open.Value(CPropListWellAbsence::kAbsenceTypeId));
    ASSERT_TRUE(open.Color(CPropListWellAbsence::kBorderColorId, RGB(3, 3, 3)));
    EXPECT_EQ(RGB(3, 3, 3), PointOf(other).borderColor);  // every selected mark follows
}

TEST(WellBaseLineList, TheRowNumberShowsOnlyForALoneLine) {
    parsnip::MapFixture map;
    CQXObjectPolyline* row = map.AddPolyline("井排基线", {{0, 0}, {1, 0}});
    CQXObjectPolyline* next = map.AddPolyline("井排基线", {{0, 1}, {1, 1}});
    row->SetName("3");
    OpenList<CPropListWellBaseLine> open(map, {row});
    EXPECT_EQ("井排基线", open.Value(CPropListWellBaseLine::kTypeId));
    EXPECT_EQ("3", open.Value(CPropListWellBaseLine::kRowId));
    map.Select(next);
    open.Show(row);
    EXPECT_EQ("", open.Value(CPropListWellBaseLine::kRowId));
}

// ---- trajectories ---------------------------------------------------------------------------------

namespace {

struct PathWorld {
    parsnip::MapFixture map;
    CQXLayer* wells = map.AddLayer("井位层", "井位");
    PathWorld() {
        WELLPOSITION vertical, inclined;
        vertical.wellName = "V1";
        inclined.wellName = "S1";
        inclined.type = 1;
        osprey::testing::SetWellPositions({vertical, inclined});
    }
    CQXObjectPolyline* Path(const char* well, const char* kind = "上部井斜线") {
        CQXObjectPolyline* line = map.AddPolyline(kind, {{0, 0}, {5, 5}}, wells);
        line->SetName(well);
        return line;
    }
};

}  // namespace

TEST(WellPathList, OnlyAnInclinedWellsLineIsRebuiltAndTheNewLineIsSelected) {
    PathWorld w;
    CQXObjectPolyline* vertical = w.Path("V1");
    OpenList<CPropListWellPath> open(w.map, {vertical});
    // A vertical well's line is not rebuilt: nothing changes, nothing is redrawn, the item shows
    // the line's mode.
    planetest::ExpectPickRefused(open, CPropListWellPath::kTrackModeId, "直线", "实际轨迹");
    EXPECT_EQ(vertical, w.wells->GetSelectedObject(0));
    EXPECT_EQ(1, w.wells->GetObjectCount());

    w.map.ClearSelection(w.wells);
    CQXObjectPolyline* inclined = w.Path("S1");
    open.ShowSelected(w.map, {inclined});
    ASSERT_TRUE(open.Pick(CPropListWellPath::kTrackModeId, "直线"));
    auto* rebuilt = dynamic_cast<CQXObjectPolyline*>(w.wells->GetSelectedObject(0));
    ASSERT_NE(nullptr, rebuilt);
    EXPECT_NE(inclined, rebuilt);
    EXPECT_EQ("上部井斜线", std::string(rebuilt->GetTypeName().GetString()));
    EXPECT_EQ(2, rebuilt->GetShapeType());
    EXPECT_EQ(2, w.wells->GetObjectCount());  // the vertical well's line and the new one
    // Before the host shows the new line, a report the item refuses (bytes that are no text) leaves
    // the mode just taken showing, not the mode of the line the window was opened on.
    planetest::ExpectCodeReportRefused(open, CPropListWellPath::kTrackModeId, "\xE4\xB8", "直线");
    open.Show(rebuilt);
    EXPECT_EQ("直线", open.Value(CPropListWellPath::kTrackModeId));
}

TEST(WellPathList, AFailedRebuildKeepsTheOldLineSelected) {
    PathWorld w;
    CQXObjectPolyline* inclined = w.Path("S1");
    OpenList<CPropListWellPath> open(w.map, {inclined});
    moraine::testing::FailWellPathLines(true);
    const int redraws = open.Redraws();
    ASSERT_TRUE(open.Pick(CPropListWellPath::kTrackModeId, "直线"));
    EXPECT_EQ("实际轨迹", open.Value(CPropListWellPath::kTrackModeId));  // nothing changed: the line's mode
    EXPECT_EQ(redraws, open.Redraws());
    EXPECT_EQ(1, w.wells->GetObjectCount());
    EXPECT_EQ(inclined, w.wells->GetObjectG(0));
    EXPECT_EQ(1, w.wells->GetSelectedObjectCount());
    EXPECT_EQ(inclined, w.wells->GetSelectedObject(0));
    ApplyWellPathMode(nullptr, true);  // no object: nothing
}

TEST(WellPathList, APenWidthReachesEverySelectedLineOfTheKindEachKeepingItsPen) {
    PathWorld w;
    CQXObjectPolyline* a = w.Path("S1");
    CQXObjectPolyline* b = w.Path("V1");
    CQXObjectPolyline* lower = w.Path("V1", "下部井斜线");
    QXLOGPEN red;
    red.color = RGB(255, 0, 0);
    b->SetLogPen(&red);
    OpenList<CPropListWellPath> open(w.map, {a, b, lower});
    EXPECT_EQ("", open.Value(CPropListWellPath::kTypeId));
    EXPECT_FALSE(open.Enabled(CPropListWellPath::kTrackModeId));
    ASSERT_TRUE(open.Type(CPropListWellPath::kWidthId, "0.35"));
    EXPECT_EQ(35.0f, planetest::PenOf(a).width);
    EXPECT_EQ(35.0f, planetest::PenOf(b).width);
    EXPECT_EQ(RGB(255, 0, 0), planetest::PenOf(b).color);
    EXPECT_EQ(0.0f, planetest::PenOf(lower).width);
    open.Show(a);
    planetest::ExpectTypedRefused(open, CPropListWellPath::kWidthId, "0", "0.35");
    EXPECT_EQ(35.0f, planetest::PenOf(a).width);

    // A colour picked reaches every line of the kind, each keeping its own width, a stored one
    // that does not read (-100) too.
    QXLOGPEN unreadable = planetest::PenOf(b);
    unreadable.width = -100;
    b->SetLogPen(&unreadable);
    ASSERT_TRUE(open.Color(CPropListWellPath::kColorId, RGB(0, 0, 255)));
    EXPECT_EQ(RGB(0, 0, 255), planetest::PenOf(b).color);
    EXPECT_EQ(-100.0f, planetest::PenOf(b).width);
    EXPECT_EQ(35.0f, planetest::PenOf(a).width);
}

// ---- well-name labels -------------------------------------------------------------------------------

TEST(WellLabelList, PositionAndTextBelongToTheLabelTheFontToEverySelectedLabel) {
    parsnip::MapFixture map;
    CQXObjectText* a = map.AddText("井名", "W1", {1, 2});
    CQXObjectText* b = map.AddText("井名", "W2", {3, 4});
    OpenList<CPropListWellLabel> open(map, {a});
    EXPECT_EQ("1.00", open.Value(CPropListWellLabel::kXId));
    ASSERT_TRUE(open.Type(CPropListWellLabel::kXId, "-12.5"));
    QXPOINT at;
    a->GetAnchor(&at);
    EXPECT_EQ(-12.5, at.x);
    ASSERT_TRUE(open.Type(CPropListWellLabel::kYId, "1e"));
    a->GetAnchor(&at);
    EXPECT_EQ(2.0, at.y);
    EXPECT_EQ("2.00", open.Value(CPropListWellLabel::kYId));  // the stored coordinate, as shown

    map.Select(b);
    open.Show(a);
    EXPECT_EQ("", open.Value(CPropListWellLabel::kXId));
    // With two labels the text is empty and read-only, but not disabled.
    EXPECT_EQ("", open.Value(CPropListWellLabel::kTextId));
    EXPECT_FALSE(open.Item(CPropListWellLabel::kTextId)->IsAllowEdit());
    EXPECT_TRUE(open.Enabled(CPropListWellLabel::kTextId));
    EXPECT_FALSE(open.Type(CPropListWellLabel::kTextId, "改"));
    EXPECT_EQ("W1", std::string(a->GetString().GetString()));
    EXPECT_EQ("W2", std::string(b->GetString().GetString()));
    ASSERT_TRUE(open.Type(CPropListWellLabel::kSizeId, "9"));
    EXPECT_EQ(900.0f, planetest::FontOf(a).size);
    EXPECT_EQ(900.0f, planetest::FontOf(b).size);
    open.Show(a);
    planetest::ExpectTypedRefused(open, CPropListWellLabel::kSizeId, "0", "9.00");
    planetest::ExpectCodeReportRefused(open, CPropListWellLabel::kSizeId, "-1", "9.00");

    // A colour picked keeps the size, a stored one that does not read (-100) too.
    QXLOGFONT unreadable = planetest::FontOf(a);
    unreadable.size = -100;
    a->SetLogFont(&unreadable);
    open.Show(a);
    ASSERT_TRUE(open.Color(CPropListWellLabel::kColorId, RGB(0, 128, 0)));
    EXPECT_EQ(RGB(0, 128, 0), planetest::FontOf(b).color);
    EXPECT_EQ(-100.0f, planetest::FontOf(b).size);

    open.ShowAlone(map, a);
    EXPECT_TRUE(open.Item(CPropListWellLabel::kTextId)->IsAllowEdit());
    EXPECT_EQ("W1", open.Value(CPropListWellLabel::kTextId));
    ASSERT_TRUE(open.Type(CPropListWellLabel::kTextId, "新井"));
    EXPECT_EQ("新井", std::string(a->GetString().GetString()));
    EXPECT_EQ("W2", std::string(b->GetString().GetString()));
}

// ---- the stratum well-graph list ----------------------------------------------------------------------

namespace {

struct KitWorld {
    parsnip::MapFixture map;
    CWpWell* first = Well("W1");
    CWpWell* second = Well("W2");
    KitWorld() {
        osprey::testing::SetWellStrata(1, "W1", {{"1", 1000, 10}, {"2", 1010, 5}, {"3", 1015, 8}});
        osprey::testing::SetWellStrata(1, "W2", {{"1", 2000, 10}});
        kel::plane::CPlaneOption::Instance()->m_nStratumGrade = 1;
        first->SetBottomUnit("3");
        map.Select({first, second});
    }
    CWpWell* Well(const char* name) {
        auto* well = map.Add<CWpWell>("层段剖面");
        well->SetName(name);
        well->SetUnitClass(1);
        return well;
    }
    // The first kit alone selected, its interval "2" to "3".
    void FirstAloneFromTwoToThree() {
        first->SetTopUnit("2");
        map.ClearSelection();
        map.Select(first);
    }
    void SetBorderPen(CWpWell* well, float width, COLORREF color) {
        QXLOGPEN pen = well->GetBorderPen();
        pen.width = width;
        pen.color = color;
        well->SetBorderPen(pen);
    }
};

}  // namespace

TEST(StratumList, AStartSubLayerAndTheEditedWellsDepthReachEverySelectedKit) {
    KitWorld w;
    OpenList<CPropListStratum> open(w.first);
    EXPECT_EQ("W1", open.Value(CPropListStratum::kWellId));
    ASSERT_EQ(3, open.Item(CPropListStratum::kStartId)->GetOptionCount());
    parsnip::testing::ClearCallLog();

    ASSERT_TRUE(open.Pick(CPropListStratum::kStartId, "2"));
    for (CWpWell* well : {w.first, w.second}) {
        EXPECT_EQ("2", std::string(well->GetTopUnit().GetString()));
        EXPECT_EQ(1010.0f, well->GetTopDepth());
        EXPECT_EQ(1, parsnip::testing::CountCalls("CWpKit::UpdateAfterEdit", well));
        EXPECT_EQ(1, parsnip::testing::CountCalls("CQXObject::OnChanged", well));
    }
    // A stop above the start is put back.
    ASSERT_TRUE(open.Pick(CPropListStratum::kStopId, "1"));
    EXPECT_EQ("3", std::string(w.first->GetBottomUnit().GetString()));
    EXPECT_EQ("3", open.Value(CPropListStratum::kStopId));
}

// The well's own order refuses a stop above the start and a start below the stop: no kit is
// written, updated or told of a change, nothing is redrawn, and the item shows the stored unit.
TEST(StratumList, AStopAboveTheStartOrAStartBelowTheStopChangesNothing) {
    KitWorld w;
    w.FirstAloneFromTwoToThree();
    OpenList<CPropListStratum> open(w.first);
    ASSERT_EQ("2", open.Value(CPropListStratum::kStartId));
    planetest::ExpectPickRefused(open, CPropListStratum::kStopId, "1", "3");
    EXPECT_EQ("3", std::string(w.first->GetBottomUnit().GetString()));

    w.first->SetBottomUnit("2");
    open.Show(w.first);
    planetest::ExpectPickRefused(open, CPropListStratum::kStartId, "3", "2");
    EXPECT_EQ("2", std::string(w.first->GetTopUnit().GetString()));
}

TEST(StratumList, AnUnknownStratumIsWrittenWithoutDepthAndAWellWithoutStrataTakesNothing) {
    KitWorld w;
    OpenList<CPropListStratum> open(w.first);
    CBCGPProp* start = open.Item(CPropListStratum::kStartId);
    start->AddOption("未知层");
    ASSERT_TRUE(open.Pick(CPropListStratum::kStartId, "未知层"));
    EXPECT_EQ("未知层", std::string(w.first->GetTopUnit().GetString()));
    EXPECT_EQ(0.0f, w.first->GetTopDepth());

    // A well without strata of its grade drops every edit: each item shows what it showed before
    // and nothing is redrawn.
    osprey::testing::SetWellStrata(1, "W1", {});
    planetest::ExpectTypedRefused(open, CPropListStratum::kWidthId, "1", "0.00");
    planetest::ExpectPickRefused(open, CPropListStratum::kStartId, "1", "未知层");
    // A line style picked (its list's second entry) likewise: the picker shows its style from before.
    const std::string style = std::to_string(w.first->GetBorderPen().style);
    open.list().GetPropList().SetCurSel(open.Item(CPropListStratum::kStyleId));
    planetest::ExpectOnlyItemShowsStored(open, CPropListStratum::kStyleId, "style entry 1", style, [&](CBCGPProp*) {
        EXPECT_TRUE(open.PickEntry(CPropListStratum::kStyleId, 1));
    });
    EXPECT_EQ(0, parsnip::testing::CountCalls("CWpKit::SetBorderPen"));
}

TEST(StratumList, BorderWidthsFollowTheWidthRule) {
    KitWorld w;
    OpenList<CPropListStratum> open(w.first);
    ASSERT_TRUE(open.Type(CPropListStratum::kWidthId, "0.5"));
    EXPECT_EQ(50.0f, w.first->GetBorderPen().width);
    EXPECT_EQ(50.0f, w.second->GetBorderPen().width);
    ASSERT_TRUE(open.Type(CPropListStratum::kWidthId, "abc"));
    EXPECT_EQ("0.50", open.Value(CPropListStratum::kWidthId));  // the stored width, as the refresh shows it
    EXPECT_EQ(50.0f, w.first->GetBorderPen().width);
    ASSERT_TRUE(open.Type(CPropListStratum::kWidthId, "0"));
    EXPECT_EQ(0.0f, w.first->GetBorderPen().width);
    open.Show(w.first);
    planetest::ExpectCodeReportRefused(open, CPropListStratum::kWidthId, "-1", "0.00");

    // A colour picked changes the colour alone: a stored width that does not read (-100) does not
    // block it, and one with more digits than shown (249.96, "2.50") is not rounded.
    for (float stored : {-100.0f, 249.96f}) {
        w.SetBorderPen(w.first, stored, RGB(1, 1, 1));
        open.Show(w.first);
        ASSERT_TRUE(open.Color(CPropListStratum::kColorId, RGB(200, 0, 0)));
        EXPECT_EQ(RGB(200, 0, 0), w.first->GetBorderPen().color) << stored;
        EXPECT_EQ(stored, w.first->GetBorderPen().width);
        EXPECT_EQ(stored, w.second->GetBorderPen().width);  // the edited kit's pen reaches the other
    }
}

TEST(StratumList, AWellGraphShowsItsIntervalWithoutOptionsAndTheLayersTemplate) {
    parsnip::MapFixture map;
    CQXLayer* sections = map.AddLayer("剖面1", "剖面");
    kel::plane::CStratumLayer(sections).SetStratumTemplate("层段剖面[系统]");
    auto* graph = map.Add<CQXObjectWellGraph>("井柱", sections);
    auto* other = map.Add<CQXObjectWellGraph>("井柱", sections);
    graph->SetTitle("W9");
    graph->SetStartStratum("1");
    OpenList<CPropListStratum> open(map, {graph, other});
    EXPECT_EQ("W9", open.Value(CPropListStratum::kWellId));
    EXPECT_EQ("1", open.Value(CPropListStratum::kStartId));
    EXPECT_EQ(0, open.Item(CPropListStratum::kStartId)->GetOptionCount());
    EXPECT_EQ("层段剖面[系统]", open.Value(CPropListStratum::kTemplateId));
    graph->GetPropertyManager()->SetStringProperty("模板", "自带");
    graph->SetTitle("W9");  // a change: the list reads again
    open.Show(graph);
    EXPECT_EQ("自带", open.Value(CPropListStratum::kTemplateId));

    ASSERT_TRUE(open.Type(CPropListStratum::kWidthId, "0.2"));
    QXLOGPEN pen;
    other->GetHeadLogPen(&pen);
    EXPECT_EQ(20.0f, pen.width);
}

// ---- same-type writes pass over objects of another class -----------------------------------------

TEST(WellSameTypeWrites, ObjectsOfTheTypeNameButAnotherClassAreLeftAlone) {
    KitWorld w;
    CQXObjectText* text = w.map.AddText("层段剖面", "W", {0, 0});
    CQXObjectPoint* point = w.map.AddPoint("井名", {0, 0});
    CQXObjectText* label = w.map.AddText("井名", "W1", {1, 1});
    w.map.Select({text, point, label});
    OpenList<CPropListStratum> kits(w.first);
    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(kits.Type(CPropListStratum::kWidthId, "0.3"));
    OpenList<CPropListWellLabel> labels(label);
    ASSERT_TRUE(labels.Type(CPropListWellLabel::kSizeId, "8"));
    EXPECT_EQ(800.0f, planetest::FontOf(label).size);
    // No setter reaches them (they are told of the change like every selected object of the type).
    for (const auto& call : parsnip::testing::CallLog()) {
        if (call.operation.find("::Set") == std::string::npos) continue;
        EXPECT_NE(call.target, text) << call.operation;
        EXPECT_NE(call.target, point) << call.operation;
    }
    EXPECT_EQ(0, parsnip::testing::CountCalls("CQXObject::UpdateAfterEdit", point));
}
