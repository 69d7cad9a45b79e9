// The point and hint lists: one object's values versus several selected, same-type writes with
// one notification each, refused sizes, frame styles, whole-pen writes and the fill style sets.
#include <gtest/gtest.h>

#include "PlaneListFixture.h"
#include "framework/PropStyleCombox.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Kestrel/GraphStyleManager.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectHint.h"
#include "hosttypes/Parsnip/QXObjectPoint.h"
#include "hosttypes/Parsnip/QXObjectText.h"
#include "planemap/PropListHint.h"
#include "planemap/PropListPoint.h"
#include "planemap/SameTypeEdits.h"

namespace {

using planetest::PenOf;
using planetest::PointOf;

using parsnip::testing::CountCalls;

CQXObjectPoint* AddPoint(parsnip::MapFixture& map, double x, double y, float size, const char* type = "井点") {
    CQXObjectPoint* point = map.Add<CQXObjectPoint>(type);
    point->MoveAnchor(QXPOINT(x, y));
    QXLOGPOINT style;
    style.size = size;
    style.innerColor = RGB(1, 2, 3);
    style.borderColor = RGB(4, 5, 6);
    point->SetLogPoint(&style);
    return point;
}

CQXObjectHint* AddHint(parsnip::MapFixture& map, COLORREF penColor, const char* type = "注释") {
    CQXObjectHint* hint = map.Add<CQXObjectHint>(type);
    QXLOGPEN pen;
    pen.color = penColor;
    pen.width = 50;
    pen.style = 7;
    hint->SetLogPen(&pen);
    hint->SetString("断层说明");
    return hint;
}

}  // namespace

// ---- point list ---------------------------------------------------------------------------------

TEST(PointList, OnePointShowsItsPositionSizeAndTypeName) {
    parsnip::MapFixture map;
    CQXObjectPoint* point = AddPoint(map, 100.5, 200.25, 250);
    map.Select(point);
    planetest::OpenList<CPropListPoint> open;
    EXPECT_EQ("点", open.Value(CPropListPoint::kTypeId));
    open.Show(point);
    EXPECT_EQ("井点", open.Value(CPropListPoint::kTypeId));
    EXPECT_EQ("100.50", open.Value(CPropListPoint::kXId));
    EXPECT_EQ("200.25", open.Value(CPropListPoint::kYId));
    EXPECT_EQ("2.50", open.Value(CPropListPoint::kSizeId));
    EXPECT_TRUE(open.Enabled(CPropListPoint::kXId));
    EXPECT_TRUE(open.Enabled(CPropListPoint::kSizeId));
}

// The coordinates are one point's own; the style, size included, is written to every point.
TEST(PointList, SeveralPointsEmptyTheOneObjectValuesAndDisableOnlyTheCoordinates) {
    parsnip::MapFixture map;
    CQXObjectPoint* a = AddPoint(map, 1, 2, 250);
    CQXObjectPoint* b = AddPoint(map, 3, 4, 100);
    planetest::OpenList<CPropListPoint> open(map, {a});
    map.Select(b);
    open.Show(a);
    for (DWORD_PTR id : {CPropListPoint::kXId, CPropListPoint::kYId, CPropListPoint::kSizeId})
        EXPECT_EQ("", open.Value(id)) << id;
    EXPECT_FALSE(open.Enabled(CPropListPoint::kXId));
    EXPECT_FALSE(open.Enabled(CPropListPoint::kYId));
    EXPECT_TRUE(open.Enabled(CPropListPoint::kSizeId));
    auto* inner = dynamic_cast<CBCGPColorProp*>(open.Item(CPropListPoint::kInnerColorId));
    auto* border = dynamic_cast<CBCGPColorProp*>(open.Item(CPropListPoint::kBorderColorId));
    ASSERT_TRUE(inner && border);
    EXPECT_EQ(RGB(1, 2, 3), inner->GetColor());
    EXPECT_EQ(RGB(4, 5, 6), border->GetColor());
    EXPECT_TRUE(open.Enabled(CPropListPoint::kInnerColorId));

    ASSERT_TRUE(open.Type(CPropListPoint::kSizeId, "3"));
    EXPECT_FLOAT_EQ(300.0f, PointOf(a).size);
    EXPECT_FLOAT_EQ(300.0f, PointOf(b).size);
}

// A mixed selection disables everything; a uniform one afterwards must give the items back.
TEST(PointList, UniformSelectionAfterAMixedOneEnablesTheItemsAgain) {
    parsnip::MapFixture map;
    CQXObjectPoint* point = AddPoint(map, 1, 2, 100);
    CQXObjectText* text = map.AddText("文本", "说明", FLOATPOINT(0, 0));
    planetest::OpenList<CPropListPoint> open(map, {point, text});
    EXPECT_FALSE(open.Enabled(CPropListPoint::kXId));
    EXPECT_FALSE(open.Enabled(CPropListPoint::kInnerColorId));

    open.ShowAlone(map, point);
    for (DWORD_PTR id : {CPropListPoint::kXId, CPropListPoint::kYId, CPropListPoint::kStyleId, CPropListPoint::kSizeId,
                         CPropListPoint::kBorderColorId, CPropListPoint::kInnerColorId})
        EXPECT_TRUE(open.Enabled(id)) << id;
    EXPECT_EQ("1.00", open.Value(CPropListPoint::kXId));
}

TEST(PointList, CoordinateEditMovesTheShownPointOnlyAndRefusesNonNumbers) {
    parsnip::MapFixture map;
    CQXObjectPoint* point = AddPoint(map, 1, 2, 100);
    planetest::OpenList<CPropListPoint> open(map, {point});
    ASSERT_TRUE(open.Type(CPropListPoint::kYId, "-7.5"));
    QXPOINT p;
    point->GetAnchor(&p);
    EXPECT_EQ(1.0, p.x);
    EXPECT_EQ(-7.5, p.y);

    // No number, a number with text after it, or one a double cannot hold: nothing moves, nobody
    // is told, and the stored coordinate shows again.
    parsnip::testing::ClearCallLog();
    const int redraws = open.Redraws();
    for (const char* refused : {"abc", "3x", "1e400"}) {
        open.Type(CPropListPoint::kXId, refused);
        EXPECT_EQ("1.00", open.Value(CPropListPoint::kXId)) << refused;
    }
    EXPECT_EQ(0, CountCalls("CQXObject::MoveAnchor"));
    EXPECT_EQ(0, CountCalls("CQXObject::OnChanged"));
    EXPECT_EQ(redraws, open.Redraws());
    point->GetAnchor(&p);
    EXPECT_EQ(1.0, p.x);
}

// A size of 0 typed as a number is stored, and a text that starts with a size is taken as that
// size; what the list then refuses writes nothing, tells nobody, and shows the stored size as the
// list shows it.
TEST(PointList, SizeZeroIsStoredAndARefusedSizeShowsTheStoredSizeWithTwoDecimals) {
    parsnip::MapFixture map;
    CQXObjectPoint* point = AddPoint(map, 0, 0, 250);
    CQXObjectPoint* other = AddPoint(map, 1, 0, 700);
    planetest::OpenList<CPropListPoint> open(map, {point});
    ASSERT_TRUE(open.Type(CPropListPoint::kSizeId, "0"));
    EXPECT_FLOAT_EQ(0.0f, PointOf(point).size);
    ASSERT_TRUE(open.Type(CPropListPoint::kSizeId, "3x"));
    EXPECT_FLOAT_EQ(300.0f, PointOf(point).size);
    const int redraws = open.Redraws();
    for (const char* refused : {"x", "-2", "abc", "-0.5", "1e39", "1e999"}) {
        parsnip::testing::ClearCallLog();
        open.Type(CPropListPoint::kSizeId, refused);
        EXPECT_EQ("3.00", open.Value(CPropListPoint::kSizeId)) << refused;
        EXPECT_FLOAT_EQ(300.0f, PointOf(point).size) << refused;
        EXPECT_EQ(0, CountCalls("CQXObjectPoint::SetLogPoint")) << refused;
        EXPECT_EQ(0, CountCalls("CQXObject::OnChanged")) << refused;
    }
    EXPECT_EQ(redraws, open.Redraws());

    // With several points selected the size shows empty, and a refused one the shown point's.
    map.Select(other);
    open.Show(point);
    ASSERT_EQ("", open.Value(CPropListPoint::kSizeId));
    open.Type(CPropListPoint::kSizeId, "-1");
    EXPECT_EQ("3.00", open.Value(CPropListPoint::kSizeId));
    EXPECT_FLOAT_EQ(700.0f, PointOf(other).size);

    // A size with more digits than shown stays as typed when a colour or a style is picked in its
    // group: the pick never writes the size back from its rounded text.
    open.ShowAlone(map, point);
    ASSERT_TRUE(open.Type(CPropListPoint::kSizeId, "2.4996"));
    open.Show(point);
    ASSERT_EQ("2.50", open.Value(CPropListPoint::kSizeId));
    ASSERT_TRUE(open.Color(CPropListPoint::kBorderColorId, RGB(0, 0, 200)));
    ASSERT_TRUE(open.PickEntry(CPropListPoint::kStyleId, 2));
    EXPECT_EQ(RGB(0, 0, 200), PointOf(point).borderColor);
    EXPECT_FLOAT_EQ(249.96f, PointOf(point).size);

    // Entered and left as it shows ("2.50"), the size is no edit: nothing is called or redrawn and
    // 249.96 stays; another text of the number shown is the number typed.
    parsnip::testing::ClearCallLog();
    const int shownRedraws = open.Redraws();
    ASSERT_TRUE(open.Type(CPropListPoint::kSizeId, "2.50"));
    EXPECT_EQ(0, CountCalls("CQXObjectPoint::SetLogPoint"));
    EXPECT_EQ(shownRedraws, open.Redraws());
    EXPECT_FLOAT_EQ(249.96f, PointOf(point).size);
    ASSERT_TRUE(open.Type(CPropListPoint::kSizeId, "2.5"));
    EXPECT_FLOAT_EQ(250.0f, PointOf(point).size);
}

TEST(PointList, InnerColourReachesEveryPointOfTheTypeEachNotifiedOnce) {
    parsnip::MapFixture map;
    CQXObjectPoint* a = AddPoint(map, 0, 0, 100);
    CQXObjectPoint* b = AddPoint(map, 1, 0, 200);
    CQXObjectPoint* c = AddPoint(map, 2, 0, 300);
    CQXObjectPoint* other = AddPoint(map, 3, 0, 100, "控制点");
    planetest::OpenList<CPropListPoint> open(map, {a, b, c, other});
    parsnip::testing::ClearCallLog();
    const int before = open.Redraws();
    ASSERT_TRUE(open.Color(CPropListPoint::kInnerColorId, RGB(200, 0, 0)));
    for (CQXObjectPoint* p : {a, b, c}) {
        EXPECT_EQ(RGB(200, 0, 0), PointOf(p).innerColor);
        EXPECT_EQ(1, CountCalls("CQXObject::OnChanged", p));
    }
    // Each keeps the shown point's whole style: the size comes along.
    EXPECT_FLOAT_EQ(100.0f, PointOf(c).size);
    EXPECT_EQ(RGB(1, 2, 3), PointOf(other).innerColor);
    EXPECT_EQ(0, CountCalls("CQXObject::OnChanged", other));
    EXPECT_EQ(before + 1, open.Redraws());
}

// ---- hint list ----------------------------------------------------------------------------------

TEST(HintList, StyleShowsOneBasedAndAChoiceReachesEveryHintOfTheType) {
    parsnip::MapFixture map;
    CQXObjectHint* a = AddHint(map, RGB(1, 0, 0));
    CQXObjectHint* b = AddHint(map, RGB(2, 0, 0));
    CQXObjectHint* other = AddHint(map, RGB(3, 0, 0), "标注");
    a->SetStyle(3);
    b->SetStyle(5);
    other->SetStyle(6);
    map.Select({a, b, other});
    planetest::OpenList<CPropListHint> open;
    EXPECT_EQ("注释", open.Value(CPropListHint::kTypeId));
    open.Show(a);
    EXPECT_EQ("风格4", open.Value(CPropListHint::kStyleId));
    ASSERT_TRUE(open.Pick(CPropListHint::kStyleId, "风格1"));
    EXPECT_EQ(0, a->GetStyle());
    EXPECT_EQ(0, b->GetStyle());
    EXPECT_EQ(6, other->GetStyle());
}

TEST(HintList, WidthEditWritesTheShownHintsWholePenAndLettersGiveZero) {
    parsnip::MapFixture map;
    CQXObjectHint* a = AddHint(map, RGB(10, 0, 0));
    CQXObjectHint* b = AddHint(map, RGB(0, 20, 0));
    planetest::OpenList<CPropListHint> open(map, {a, b});
    ASSERT_TRUE(open.Type(CPropListHint::kPenWidthId, "1.5"));
    for (CQXObjectHint* h : {a, b}) {
        EXPECT_FLOAT_EQ(150.0f, PenOf(h).width);
        EXPECT_EQ(RGB(10, 0, 0), PenOf(h).color);
        EXPECT_EQ(7u, PenOf(h).style);
    }
    ASSERT_TRUE(open.Type(CPropListHint::kPenWidthId, "abc"));
    EXPECT_FLOAT_EQ(0.0f, PenOf(a).width);
    EXPECT_FLOAT_EQ(0.0f, PenOf(b).width);
    open.Type(CPropListHint::kPenWidthId, "1e39");  // past the record's float: not written
    EXPECT_FLOAT_EQ(0.0f, PenOf(a).width);
}

TEST(HintList, SeveralHintsDisableTheTextAndLeaveTheFillAlone) {
    parsnip::MapFixture map;
    CQXObjectHint* a = AddHint(map, 0);
    CQXObjectHint* b = AddHint(map, 0);
    QXLOGBRUSH brush;
    brush.style = 1102;
    a->SetLogBrush(&brush);
    CQXObjectText* text = map.AddText("文本", "说明", FLOATPOINT(0, 0));
    map.Select({a, text});
    planetest::OpenList<CPropListHint> open;
    open.Show(a);  // mixed: everything disabled
    EXPECT_FALSE(open.Enabled(CPropListHint::kStyleId));
    EXPECT_FALSE(open.Enabled(kPlaneFillColorId));

    map.ClearSelection();
    open.ShowSelected(map, {a, b});
    EXPECT_FALSE(open.Enabled(CPropListHint::kTextId));
    EXPECT_EQ("所有样式", open.Value(kPlaneFillStyleSetId));  // not refreshed for several hints
    for (DWORD_PTR id :
         std::initializer_list<DWORD_PTR>{CPropListHint::kStyleId, CPropListHint::kPenWidthId, kPlaneFillColorId,
                                          CPropListHint::kFontSizeId, CPropListHint::kHAlignId})
        EXPECT_TRUE(open.Enabled(id)) << id;

    open.ShowAlone(map, a);
    EXPECT_TRUE(open.Enabled(CPropListHint::kTextId));
    EXPECT_EQ("断层说明", open.Value(CPropListHint::kTextId));
    EXPECT_EQ("岩性填充", open.Value(kPlaneFillStyleSetId));
}

TEST(HintList, AllStylesSetGivesTheSecondStyleOfTheCollection) {
    parsnip::MapFixture map;
    CQXObjectHint* a = AddHint(map, 0);
    CQXObjectHint* b = AddHint(map, 0);
    QXLOGBRUSH brush;
    brush.style = 1102;
    brush.fillColor = RGB(9, 9, 9);
    a->SetLogBrush(&brush);
    planetest::OpenList<CPropListHint> open(map, {a});
    map.Select(b);
    open.Show(a);
    ASSERT_EQ("岩性填充", open.Value(kPlaneFillStyleSetId));
    ASSERT_TRUE(open.Pick(kPlaneFillStyleSetId, "所有样式"));
    const UINT second = _AfxGetFillStyleManager("")->GetStyle(1)->GetID();
    auto* picker = dynamic_cast<CPropStyleCombox*>(open.Item(kPlaneFillStyleId));
    ASSERT_NE(nullptr, picker);
    EXPECT_EQ(second, picker->GetVal());
    for (CQXObjectHint* h : {a, b}) {
        QXLOGBRUSH written;
        h->GetLogBrush(&written);
        EXPECT_EQ(second, written.style);
        EXPECT_EQ(RGB(9, 9, 9), written.fillColor);  // the shown hint's brush, whole
    }
}

TEST(HintList, CellSizeAndFontSizeThatAreNoNumbersWriteNothing) {
    parsnip::MapFixture map;
    CQXObjectHint* a = AddHint(map, 0);
    planetest::OpenList<CPropListHint> open(map, {a});
    parsnip::testing::ClearCallLog();
    // The cell-size item takes no minus sign from the keyboard: hand it a negative number directly.
    open.Report(kPlaneFillCellSizeId, -1.0);
    open.Type(CPropListHint::kFontSizeId, "0");
    open.Type(CPropListHint::kFontSizeId, "x");
    EXPECT_EQ(0, CountCalls("CQXObjectHint::SetLogBrush"));
    EXPECT_EQ(0, CountCalls("CQXObjectHint::SetLogFont"));

    ASSERT_TRUE(open.Type(CPropListHint::kFontSizeId, "12"));
    QXLOGFONT font;
    a->GetLogFont(&font);
    EXPECT_FLOAT_EQ(1200.0f, font.size);
    ASSERT_TRUE(open.Pick(CPropListHint::kVAlignId, "下对齐"));
    EXPECT_EQ(2, a->GetVerticalAlign());
}

TEST(HintList, EveryEditAlsoOfAGroupRowNotifiesTheTypeAndRedrawsOnce) {
    parsnip::MapFixture map;
    CQXObjectHint* a = AddHint(map, 0);
    CQXObjectHint* b = AddHint(map, 0);
    planetest::OpenList<CPropListHint> open(map, {a, b});
    for (DWORD_PTR id : std::initializer_list<DWORD_PTR>{CPropListHint::kStyleGroupId, CPropListHint::kPenGroupId,
                                                         kPlaneFillGroupId, CPropListHint::kFontGroupId}) {
        parsnip::testing::ClearCallLog();
        const int before = open.Redraws();
        open.list().GetPropList().OnPropertyChanged(open.Item(id));
        EXPECT_EQ(1, CountCalls("CQXObject::OnChanged", a)) << id;
        EXPECT_EQ(1, CountCalls("CQXObject::OnChanged", b)) << id;
        EXPECT_EQ(before + 1, open.Redraws()) << id;
    }
    parsnip::testing::ClearCallLog();
    const int before = open.Redraws();
    ASSERT_TRUE(open.Pick(CPropListHint::kHAlignId, "居中"));
    EXPECT_EQ(1, a->GetHorizontalAlign());
    EXPECT_EQ(1, b->GetHorizontalAlign());
    EXPECT_EQ(1, CountCalls("CQXObject::OnChanged", b));
    EXPECT_EQ(before + 1, open.Redraws());
}
