// Editors open while the host shows another object: a commit is judged against what the item
// shows when it is committed. Left as the refresh wrote it, nothing is stored (no rounding of the
// shown text reaches the object); any other text or pick is an edit, also the one the editor
// opened with; an item made read-only meanwhile takes nothing.
#include <gtest/gtest.h>

#include <string>

#include "PieFixture.h"
#include "PlaneListFixture.h"
#include "framework/PropStyleCombox.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Moraine/PieLayer.h"
#include "hosttypes/Parsnip/QXObjectPoint.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "hosttypes/Parsnip/QXObjectText.h"
#include "planemap/BoundaryPen.h"
#include "planemap/PropListLine.h"
#include "planemap/PropListPoint.h"
#include "planemap/PropListRegionLine.h"
#include "planemap/layers/PropListPieLayerData.h"
#include "planemap/layers/PropListWellLabel.h"
#include "planemap/layers/PropListWellSymbol.h"
#include "support/OpenEditor.h"

namespace {

using planetest::AddLine;
using planetest::MakePen;
using planetest::OpenList;
using planetest::PenOf;
using planetest::PointOf;
using tsltest::OpenEditor;
using tsltest::PickStyle;

CQXObjectPoint* AddPoint(parsnip::MapFixture& map, float size, UINT style) {
    CQXObjectPoint* point = map.AddPoint("井点", {0, 0});
    QXLOGPOINT look;
    look.size = size;
    look.style = style;
    point->SetLogPoint(&look);
    return point;
}

UINT StyleShown(CBCGPProp* item) { return dynamic_cast<CPropStyleCombox*>(item)->GetVal(); }

}  // namespace

// ---- style pickers: the style drawn is the value ------------------------------------------------

TEST(OpenEditor, AStylePickedAgainstTheStyleDrawnIsWritten) {
    parsnip::MapFixture map;
    CQXObjectPolyline* line = AddLine(map, "线", MakePen(5, RGB(1, 1, 1), 50));
    OpenList<CPropListLine> lines(map, {line});
    EXPECT_EQ(5u, StyleShown(lines.Item(CPropListLine::kPenStyleId)));
    ASSERT_TRUE(PickStyle(lines, CPropListLine::kPenStyleId, 1));  // the value the picker was made with
    EXPECT_EQ(1u, PenOf(line).style);
    const int lineRedraws = lines.Redraws();
    ASSERT_TRUE(PickStyle(lines, CPropListLine::kPenStyleId, 1));  // the style drawn: no edit
    EXPECT_EQ(lineRedraws, lines.Redraws());

    CQXObjectPoint* a = AddPoint(map, 100, 1);
    CQXObjectPoint* b = AddPoint(map, 100, 3);
    OpenList<CPropListPoint> points;
    points.ShowAlone(map, a);
    ASSERT_TRUE(PickStyle(points, CPropListPoint::kStyleId, 4));
    EXPECT_EQ(4u, PointOf(a).style);
    points.ShowAlone(map, b);
    EXPECT_EQ(3u, StyleShown(points.Item(CPropListPoint::kStyleId)));
    ASSERT_TRUE(PickStyle(points, CPropListPoint::kStyleId, 4));
    EXPECT_EQ(4u, PointOf(b).style);
    EXPECT_EQ(4u, PointOf(a).style);

    // Another point shown while the drop-down is open: its style picked is no edit, the style the
    // drop-down opened on is one.
    QXLOGPOINT look = PointOf(b);
    look.style = 3;
    b->SetLogPoint(&look);
    points.ShowAlone(map, a);
    CBCGPProp* style = OpenEditor(points, CPropListPoint::kStyleId);
    points.ShowAlone(map, b);
    ASSERT_EQ(style, points.list().GetPropList().GetEditedItem());
    const int redraws = points.Redraws();
    ASSERT_TRUE(PickStyle(points, CPropListPoint::kStyleId, 3));
    EXPECT_EQ(redraws, points.Redraws());
    points.ShowAlone(map, a);
    OpenEditor(points, CPropListPoint::kStyleId);
    points.ShowAlone(map, b);
    ASSERT_TRUE(PickStyle(points, CPropListPoint::kStyleId, 4));
    EXPECT_EQ(4u, PointOf(b).style);
}

// Well symbols: a style picked on one symbol, then another symbol of another style shown, the
// same style picked there is written there too.
TEST(OpenEditor, AWellSymbolStylePickedAgainAfterAnotherSymbolIsShownIsWritten) {
    parsnip::MapFixture map;
    CQXObjectPoint* a = map.AddPoint("井位", {0, 0});
    CQXObjectPoint* b = map.AddPoint("井位", {5, 5});
    OpenList<CPropListWellSymbol> open;
    open.ShowAlone(map, a);
    CBCGPProp* style = OpenEditor(open, CPropListWellSymbol::kStyleId);
    ASSERT_GT(style->GetComboWnd()->GetCount(), 2);
    const UINT first = static_cast<UINT>(std::stoul(style->GetComboWnd()->GetLBText(1).GetString()));
    const UINT second = static_cast<UINT>(std::stoul(style->GetComboWnd()->GetLBText(2).GetString()));
    ASSERT_TRUE(open.PickEntry(CPropListWellSymbol::kStyleId, 1));
    EXPECT_EQ(first, PointOf(a).style);
    QXLOGPOINT look = PointOf(b);
    look.style = second;
    b->SetLogPoint(&look);
    open.ShowAlone(map, b);
    EXPECT_EQ(second, StyleShown(open.Item(CPropListWellSymbol::kStyleId)));
    ASSERT_TRUE(open.PickEntry(CPropListWellSymbol::kStyleId, 1));
    EXPECT_EQ(first, PointOf(b).style);
}

// ---- numbers left as the refresh wrote them while the editor was open ----------------------------

TEST(OpenEditor, ASizeShownWhileTheEditorIsOpenIsStoredOnlyWhenTyped) {
    parsnip::MapFixture map;
    CQXObjectPoint* a = AddPoint(map, 100, 1);
    CQXObjectPoint* b = AddPoint(map, 249.96f, 1);
    OpenList<CPropListPoint> open(map, {a});
    CBCGPProp* size = OpenEditor(open, CPropListPoint::kSizeId);
    open.ShowAlone(map, b);
    ASSERT_EQ(size, open.list().GetPropList().GetEditedItem());
    EXPECT_EQ("2.50", open.Value(CPropListPoint::kSizeId));
    const int redraws = open.Redraws();
    open.grid().PressKey(VK_RETURN);
    EXPECT_EQ(nullptr, open.list().GetPropList().GetEditedItem());
    EXPECT_FLOAT_EQ(249.96f, PointOf(b).size);
    EXPECT_FLOAT_EQ(100.0f, PointOf(a).size);
    EXPECT_EQ(redraws, open.Redraws());

    // Opened on "3.00", the host shows "6.00", the user types "3.00": an edit, 3 stored.
    CQXObjectPoint* c = AddPoint(map, 300, 1);
    CQXObjectPoint* d = AddPoint(map, 600, 1);
    open.ShowAlone(map, c);
    OpenEditor(open, CPropListPoint::kSizeId);
    open.ShowAlone(map, d);
    EXPECT_EQ("6.00", open.Value(CPropListPoint::kSizeId));
    ASSERT_TRUE(open.Type(CPropListPoint::kSizeId, "3.00"));
    EXPECT_FLOAT_EQ(300.0f, PointOf(d).size);
    EXPECT_FLOAT_EQ(300.0f, PointOf(c).size);
}

TEST(OpenEditor, ABoundaryWidthShownWhileTheEditorIsOpenKeepsItsDigits) {
    parsnip::MapFixture map;
    CQXObjectPolyline* a = AddLine(map, "区域边界线", MakePen(3, RGB(1, 1, 1), 50));
    CQXObjectPolyline* b = AddLine(map, "区域边界线", MakePen(3, RGB(2, 2, 2), 99.96f));
    OpenList<CPropListRegionLine> open(map, {a});
    CBCGPProp* width = OpenEditor(open, boundarypen::kWidthId);
    open.ShowAlone(map, b);
    ASSERT_EQ(width, open.list().GetPropList().GetEditedItem());
    EXPECT_EQ("1.00", open.Value(boundarypen::kWidthId));
    open.grid().PressKey(VK_RETURN);
    EXPECT_FLOAT_EQ(99.96f, PenOf(b).width);
    EXPECT_FLOAT_EQ(50.0f, PenOf(a).width);
}

// ---- an item made read-only while its editor is open ---------------------------------------------

TEST(OpenEditor, ATextMadeReadOnlyWhileOpenKeepsTheWellNamesText) {
    parsnip::MapFixture map;
    CQXObjectText* first = map.AddText("井名", "W1", {1, 2});
    CQXObjectText* well = map.AddText("井名", "直1", {3, 4});
    OpenList<CPropListWellLabel> open(map, {first});
    OpenEditor(open, CPropListWellLabel::kTextId);
    // The host announces the well name with both labels selected: the text shows "" and is read-only.
    map.Select(well);
    open.Show(well);
    EXPECT_EQ("", open.Value(CPropListWellLabel::kTextId));
    EXPECT_FALSE(open.Item(CPropListWellLabel::kTextId)->IsAllowEdit());
    EXPECT_EQ(nullptr, open.list().GetPropList().GetEditedItem());
    open.grid().PressKey(VK_RETURN);
    open.grid().PressKey(VK_RETURN);
    EXPECT_EQ("直1", std::string(well->GetString().GetString()));
    EXPECT_EQ("W1", std::string(first->GetString().GetString()));
}

// ---- a date set while its editor is open -----------------------------------------------------------

// A pie layer's date item set to 2021-06-01 by code while its editor was open on 2020-01-01:
// left as it shows, nothing is written and the layer keeps its date; the date the editor opened
// with, picked after code showed another, is written. (The page's own refresh closes the editor.)
TEST(OpenEditor, APieDateSetWhileTheEditorIsOpenWritesNothingWhenLeft) {
    pietest::PieWorld w(0, 3);
    w.pie.SetDataType(2);
    w.pie.SetDate1(COleDateTime(2020, 1, 1, 0, 0, 0));
    OpenList<CPropListPieLayerData> open(w.layer);
    auto* date = dynamic_cast<CBCGPDateTimeProp*>(OpenEditor(open, CPropListPieLayerData::kDate1Id));
    ASSERT_NE(nullptr, date);
    date->SetDate(COleDateTime(2021, 6, 1, 0, 0, 0));
    parsnip::testing::ClearCallLog();
    const int redraws = open.Redraws();
    open.grid().PressKey(VK_RETURN);
    EXPECT_EQ(nullptr, open.list().GetPropList().GetEditedItem());
    EXPECT_EQ(COleDateTime(2020, 1, 1, 0, 0, 0), w.pie.GetDate1());
    EXPECT_EQ(0, parsnip::testing::CountCalls("kel::plane::CPieLayer::SetDate1"));
    EXPECT_EQ(redraws, open.Redraws());

    w.pie.SetDate1(COleDateTime(2021, 6, 1, 0, 0, 0));
    open.Show(w.layer);
    OpenEditor(open, CPropListPieLayerData::kDate1Id);
    date->SetDate(COleDateTime(2022, 3, 4, 0, 0, 0));
    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(open.grid().PickDate(date, COleDateTime(2021, 6, 1, 0, 0, 0)));
    EXPECT_EQ(1, parsnip::testing::CountCalls("kel::plane::CPieLayer::SetDate1"));
    EXPECT_EQ(COleDateTime(2021, 6, 1, 0, 0, 0), w.pie.GetDate1());
}
