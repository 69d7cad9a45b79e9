// The table, web, block-arrow, rectangle and ellipse lists: cell-range edits, option tables,
// same-type writes, refused numbers, angles and the arrow's rebuild after every edit.
#include <gtest/gtest.h>

#include "PlaneListFixture.h"
#include "framework/PropStyleCombox.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXObjectArrow.h"
#include "hosttypes/Parsnip/QXObjectCell.h"
#include "hosttypes/Parsnip/QXObjectCircle.h"
#include "hosttypes/Parsnip/QXObjectRect.h"
#include "hosttypes/Parsnip/QXObjectText.h"
#include "hosttypes/Parsnip/QXObjectWeb.h"
#include "planemap/PropListArrow.h"
#include "planemap/PropListEllipse.h"
#include "planemap/PropListRect.h"
#include "planemap/PropListTable.h"
#include "planemap/PropListWeb.h"
#include "planemap/SameTypeEdits.h"

using parsnip::testing::CountCalls;

namespace {

using planetest::PenOf;

constexpr double kPi = 3.14159265358979;

CQXObjectCell* AddTable(parsnip::MapFixture& map, int columns, int rows) {
    CQXObjectCell* table = map.Add<CQXObjectCell>("表格");
    table->CreateCells(columns, rows);
    return table;
}

}  // namespace

// ---- table -----------------------------------------------------------------------------------------

TEST(TableList, WithNoRangeAFillColourRecoloursEveryCellAndSelectsTheWholeTable) {
    parsnip::MapFixture map;
    CQXObjectCell* table = AddTable(map, 3, 2);
    planetest::OpenList<CPropListTable> open(map, {table});
    ASSERT_TRUE(open.Color(CPropListTable::kFillColorId, RGB(1, 2, 3)));
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 2; ++r) EXPECT_EQ(RGB(1, 2, 3), table->GetCell(c, r)->GetLogBrush().fillColor);
    int c0, c1, r0, r1;
    table->GetSelectedRange(c0, c1, r0, r1);
    EXPECT_EQ(0, c0);
    EXPECT_EQ(2, c1);
    EXPECT_EQ(0, r0);
    EXPECT_EQ(1, r1);
    EXPECT_EQ(1, CountCalls("CQXObject::OnChanged", table));
}

TEST(TableList, AlignmentEditsOnlyTheRangeAndKeepsTheOtherDirection) {
    parsnip::MapFixture map;
    CQXObjectCell* table = AddTable(map, 4, 4);
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) table->GetCell(c, r)->SetAlign(0, c);  // vertical differs by column
    table->SetSelectedRange(1, 2, 1, 2);
    planetest::OpenList<CPropListTable> open(map, {table});
    EXPECT_EQ("居中", open.Value(CPropListTable::kVAlignId));  // the range's first cell (1, 1)

    ASSERT_TRUE(open.Pick(CPropListTable::kHAlignId, "居中"));
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) {
            const bool inRange = c >= 1 && c <= 2 && r >= 1 && r <= 2;
            EXPECT_EQ(inRange ? 1 : 0, table->GetCell(c, r)->GetHAlign()) << c << "," << r;
            EXPECT_EQ(c, table->GetCell(c, r)->GetVAlign());
        }
    ASSERT_TRUE(open.Type(CPropListTable::kVAlignId, "随便"));  // no option: bottom, shown so
    EXPECT_EQ(2, table->GetCell(2, 2)->GetVAlign());
    EXPECT_EQ("下对齐", open.Value(CPropListTable::kVAlignId));
    EXPECT_EQ(1, table->GetCell(2, 2)->GetHAlign());
    EXPECT_EQ(3, table->GetCell(3, 3)->GetVAlign());
}

TEST(TableList, FontSizeNegativeTakesTheDefaultAndNoNumberIsZero) {
    parsnip::MapFixture map;
    CQXObjectCell* table = AddTable(map, 2, 2);
    table->GetDefaultFont()->size = 900;
    planetest::OpenList<CPropListTable> open(map, {table});
    ASSERT_TRUE(open.Type(CPropListTable::kFontGroupId + 2, "-1"));
    QXLOGFONT font;
    table->GetCell(1, 1)->GetLogFont(&font);
    EXPECT_FLOAT_EQ(900.0f, font.size);
    ASSERT_TRUE(open.Type(CPropListTable::kFontGroupId + 2, "12"));
    table->GetCell(0, 1)->GetLogFont(&font);
    EXPECT_FLOAT_EQ(1200.0f, font.size);

    ASSERT_TRUE(open.Type(CPropListTable::kFontGroupId + 2, "大"));
    table->GetCell(0, 0)->GetLogFont(&font);
    EXPECT_FLOAT_EQ(0.0f, font.size);
    ASSERT_TRUE(open.Type(CPropListTable::kFontGroupId + 2, "12"));
    parsnip::testing::ClearCallLog();
    open.Type(CPropListTable::kFontGroupId + 2, "1e39");  // beyond the record's float: refused
    EXPECT_EQ(0, CountCalls("COneCell::SetLogFont"));
    table->GetCell(0, 0)->GetLogFont(&font);
    EXPECT_FLOAT_EQ(1200.0f, font.size);
}

TEST(TableList, ABorderWidthEditsThatPenOnly) {
    parsnip::MapFixture map;
    CQXObjectCell* table = AddTable(map, 2, 2);
    planetest::OpenList<CPropListTable> open(map, {table});
    ASSERT_TRUE(open.Type(CPropListTable::kCenterBorderId + 2, "0.5"));  // the centre lines' width
    EXPECT_FLOAT_EQ(50.0f, table->GetCenterBorderPen().width);
    EXPECT_FLOAT_EQ(0.0f, table->GetTopBorderPen().width);
}

// A ruling pen is read back whole from its group, but only the edited field decides: a stored
// width the reader refuses (shown "-1.00") does not stop a style pick, and keeps that pen's width
// and colour; the width item itself refuses such a text and writes nothing.
TEST(TableList, AStylePickIsTakenPastAStoredWidthTheReaderRefuses) {
    parsnip::MapFixture map;
    CQXObjectCell* table = AddTable(map, 2, 2);
    map.Select(table);
    table->TopBorderPen().width = -100;
    table->TopBorderPen().color = RGB(1, 2, 3);
    planetest::OpenList<CPropListTable> open(table);
    const DWORD_PTR style = CPropListTable::kTopBorderId + 1, width = CPropListTable::kTopBorderId + 2;
    ASSERT_EQ("-1.00", open.Value(width));
    const int redraws = open.Redraws();
    parsnip::testing::ClearCallLog();

    ASSERT_TRUE(open.PickEntry(style, 2));
    const UINT picked = dynamic_cast<CPropStyleCombox*>(open.Item(style))->GetVal();
    EXPECT_EQ(picked, table->GetTopBorderPen().style);
    EXPECT_FLOAT_EQ(-100.0f, table->GetTopBorderPen().width);
    EXPECT_EQ(RGB(1, 2, 3), table->GetTopBorderPen().color);
    EXPECT_EQ(1, CountCalls("CQXObject::OnChanged", table));
    EXPECT_EQ(redraws + 1, open.Redraws());

    // The width refused after the item took it (set from code): nothing written, nobody told, and
    // the item shows the stored width again.
    parsnip::testing::ClearCallLog();
    open.Report(width, "1e39");
    EXPECT_TRUE(parsnip::testing::CallLog().empty());
    EXPECT_EQ(redraws + 1, open.Redraws());
    EXPECT_EQ("-1.00", open.Value(width));
    EXPECT_FLOAT_EQ(-100.0f, table->GetTopBorderPen().width);
}

// A pick in a group takes the picked field only: a width or size with more digits than the group
// shows is not written back from its rounded text.
TEST(TableList, APickKeepsTheWidthAndSizeTheGroupShowsRounded) {
    parsnip::MapFixture map;
    CQXObjectCell* table = AddTable(map, 2, 2);
    map.Select(table);
    table->TopBorderPen().width = 99.96f;
    QXLOGFONT font;
    font.size = 1234.5f;
    for (int c = 0; c < 2; ++c)
        for (int r = 0; r < 2; ++r) table->GetCell(c, r)->SetLogFont(&font);
    planetest::OpenList<CPropListTable> open(table);
    ASSERT_EQ("1.00", open.Value(CPropListTable::kTopBorderId + 2));
    ASSERT_EQ("12.35", open.Value(CPropListTable::kFontGroupId + 2));

    ASSERT_TRUE(open.Color(CPropListTable::kTopBorderId + 3, RGB(0, 0, 200)));
    EXPECT_EQ(RGB(0, 0, 200), table->GetTopBorderPen().color);
    EXPECT_FLOAT_EQ(99.96f, table->GetTopBorderPen().width);
    ASSERT_TRUE(open.Color(CPropListTable::kFontGroupId + 3, RGB(200, 0, 0)));
    table->GetCell(1, 1)->GetLogFont(&font);
    EXPECT_EQ(RGB(200, 0, 0), font.color);
    EXPECT_FLOAT_EQ(1234.5f, font.size);
}

TEST(TableList, OnlyOneSelectedObjectEnablesTheListAndEveryRefreshStartsAfresh) {
    parsnip::MapFixture map;
    CQXObjectCell* table = AddTable(map, 2, 2);
    CQXObjectCell* unfilled = AddTable(map, 1, 1);
    QXLOGBRUSH brush;
    brush.style = 1000;
    unfilled->GetCell(0, 0)->SetLogBrush(brush);
    planetest::OpenList<CPropListTable> open;
    open.ShowSelected(map, {table, unfilled});
    EXPECT_FALSE(open.Enabled(CPropListTable::kHAlignId));
    EXPECT_FALSE(open.Enabled(CPropListTable::kTopBorderId));

    open.ShowAlone(map, unfilled);
    EXPECT_TRUE(open.Enabled(CPropListTable::kHAlignId));
    EXPECT_FALSE(open.Enabled(CPropListTable::kFillColorId));  // an unfilled cell has no fill colour to edit

    open.ShowAlone(map, table);
    EXPECT_TRUE(open.Enabled(CPropListTable::kFillColorId));
}

TEST(TableList, ATableWithoutCellsKeepsTheCellItemsAndTakesEditsSafely) {
    parsnip::MapFixture map;
    CQXObjectCell* table = AddTable(map, 1, 1);
    table->GetCell(0, 0)->SetAlign(2, 1);
    CQXObjectCell* empty = AddTable(map, 0, 0);
    planetest::OpenList<CPropListTable> open;
    open.ShowSelected(map, {table});
    ASSERT_EQ("右对齐", open.Value(CPropListTable::kHAlignId));

    open.ShowAlone(map, empty);
    EXPECT_EQ("右对齐", open.Value(CPropListTable::kHAlignId));
    EXPECT_EQ("居中", open.Value(CPropListTable::kVAlignId));
    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(open.Pick(CPropListTable::kHAlignId, "左对齐"));
    ASSERT_TRUE(open.Color(CPropListTable::kFillColorId, RGB(9, 9, 9)));
    EXPECT_EQ(0, CountCalls("COneCell::SetAlign"));
    EXPECT_EQ(2, CountCalls("CQXObject::OnChanged", empty));
}

// ---- web -------------------------------------------------------------------------------------------

TEST(WebList, StyleOptionsMapToStoredValuesBothWays) {
    parsnip::MapFixture map;
    CQXObjectWeb* web = map.Add<CQXObjectWeb>("方格网");
    planetest::OpenList<CPropListWeb> open(map, {web});
    EXPECT_EQ("方格网", open.Value(CPropListWeb::kStyleId));
    ASSERT_TRUE(open.Pick(CPropListWeb::kStyleId, "点"));
    EXPECT_EQ(1, web->GetStyle());
    open.Show(web);
    EXPECT_EQ("点", open.Value(CPropListWeb::kStyleId));
    ASSERT_TRUE(open.Pick(CPropListWeb::kStyleId, "十字线"));
    EXPECT_EQ(2, web->GetStyle());
    ASSERT_TRUE(open.Pick(CPropListWeb::kStyleId, "方格网"));
    ASSERT_TRUE(open.Type(CPropListWeb::kStyleId, "网"));  // not an option: crosses
    EXPECT_EQ(2, web->GetStyle());
    open.Show(web);
    EXPECT_EQ("十字线", open.Value(CPropListWeb::kStyleId));
}

TEST(WebList, SpacingSetsBothGapsOfEveryWebOfTheTypeAndRefusesZeroAndNoNumber) {
    parsnip::MapFixture map;
    CQXObjectWeb* a = map.Add<CQXObjectWeb>("方格网");
    CQXObjectWeb* b = map.Add<CQXObjectWeb>("方格网");
    CQXObjectWeb* other = map.Add<CQXObjectWeb>("经纬网");
    a->SetYGap(300);
    planetest::OpenList<CPropListWeb> open(map, {a, b, other});
    EXPECT_EQ("10.00", open.Value(CPropListWeb::kGapId));  // the X gap only
    ASSERT_TRUE(open.Type(CPropListWeb::kGapId, "5"));
    for (CQXObjectWeb* w : {a, b}) {
        EXPECT_DOUBLE_EQ(500, w->GetXGap());
        EXPECT_DOUBLE_EQ(500, w->GetYGap());
    }
    EXPECT_DOUBLE_EQ(1000, other->GetXGap());
    for (const char* refused : {"0", "-2", "abc"}) {
        ASSERT_TRUE(open.Type(CPropListWeb::kGapId, refused));
        EXPECT_DOUBLE_EQ(500, a->GetYGap()) << refused;
    }
    // A report from code after the typed refusal is judged by its own text, as on a fresh page.
    ASSERT_TRUE(open.Type(CPropListWeb::kGapId, "0"));
    const int redraws = open.Redraws();
    open.Report(CPropListWeb::kGapId, "7");
    for (CQXObjectWeb* w : {a, b}) {
        EXPECT_DOUBLE_EQ(700, w->GetXGap());
        EXPECT_DOUBLE_EQ(700, w->GetYGap());
    }
    EXPECT_EQ(redraws + 1, open.Redraws());
    open.Show(a);
    EXPECT_EQ("7.00", open.Value(CPropListWeb::kGapId));
}

TEST(WebList, PenWidthIsNotCheckedSoNoNumberIsZero) {
    parsnip::MapFixture map;
    CQXObjectWeb* a = map.Add<CQXObjectWeb>("方格网");
    CQXObjectWeb* b = map.Add<CQXObjectWeb>("方格网");
    planetest::OpenList<CPropListWeb> open(map, {a, b});
    ASSERT_TRUE(open.Type(CPropListWeb::kPenWidthId, "0.25"));
    QXLOGPEN pen;
    b->GetLogPen(&pen);
    EXPECT_FLOAT_EQ(25.0f, pen.width);
    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(open.Type(CPropListWeb::kPenWidthId, "粗"));
    b->GetLogPen(&pen);
    EXPECT_FLOAT_EQ(0.0f, pen.width);
    EXPECT_EQ(2, CountCalls("CQXObjectWeb::SetLogPen"));
    EXPECT_EQ(2, CountCalls("CQXObject::OnChanged"));  // the same-type update
    open.Type(CPropListWeb::kGapId, "1e400");          // an overflowing spacing is refused
    EXPECT_DOUBLE_EQ(1000, a->GetXGap());
}

TEST(WebList, AMixedSelectionDisablesAllAndTheNextOneClassSelectionEnablesAgain) {
    parsnip::MapFixture map;
    CQXObjectWeb* web = map.Add<CQXObjectWeb>("方格网");
    CQXObjectText* text = map.AddText("文字", "x", FLOATPOINT(0, 0));
    planetest::OpenList<CPropListWeb> open;
    open.ShowSelected(map, {web, text});
    EXPECT_FALSE(open.Enabled(CPropListWeb::kGapId));
    EXPECT_FALSE(open.Enabled(CPropListWeb::kPenWidthId));
    open.ShowAlone(map, web);
    EXPECT_TRUE(open.Enabled(CPropListWeb::kGapId));
    EXPECT_TRUE(open.Enabled(CPropListWeb::kPenWidthId));
}

// ---- block arrow -----------------------------------------------------------------------------------

TEST(ArrowList, EveryEditRebuildsTheShownArrowBeforeTheSameTypeUpdate) {
    parsnip::MapFixture map;
    CQXObjectArrow* a = map.Add<CQXObjectArrow>("箭头");
    CQXObjectArrow* b = map.Add<CQXObjectArrow>("箭头");
    planetest::OpenList<CPropListArrow> open(map, {a, b});
    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(open.Pick(CPropListArrow::kStyleId, "风格3"));
    EXPECT_EQ(2, a->GetStyle());
    EXPECT_EQ(2, b->GetStyle());
    EXPECT_EQ(1, CountCalls("CQXObjectArrow::CreateModel", a));
    EXPECT_EQ(0, CountCalls("CQXObjectArrow::CreateModel", b));
    std::vector<std::string> order;
    for (const auto& call : parsnip::testing::CallLog())
        if (call.target == a) order.push_back(call.operation);
    ASSERT_EQ(
        (std::vector<std::string>{"CQXObjectArrow::SetStyle", "CQXObjectArrow::CreateModel", "CQXObject::OnChanged"}),
        order);

    // Too wide or too large for the record: refused, so nothing is written and nothing rebuilt.
    parsnip::testing::ClearCallLog();
    open.Type(CPropListArrow::kPenWidthId, "1e39");
    open.Type(kPlaneFillCellSizeId, "1e39");
    EXPECT_EQ(0, CountCalls("CQXObjectLine::SetLogPen"));
    EXPECT_EQ(0, CountCalls("CQXObjectArrow::SetLogBrush"));
    EXPECT_EQ("0.00", open.Value(kPlaneFillCellSizeId));
    EXPECT_EQ(0, CountCalls("CQXObjectArrow::CreateModel", a));
    EXPECT_EQ(0, CountCalls("CQXObject::OnChanged", a));
    open.Show(a);
    EXPECT_EQ("风格3", open.Value(CPropListArrow::kStyleId));
}

TEST(ArrowList, PenAndFillReachEveryArrowOfTheType) {
    parsnip::MapFixture map;
    CQXObjectArrow* a = map.Add<CQXObjectArrow>("箭头");
    CQXObjectArrow* b = map.Add<CQXObjectArrow>("箭头");
    planetest::OpenList<CPropListArrow> open(map, {a, b});
    ASSERT_TRUE(open.Type(CPropListArrow::kPenWidthId, "0.25"));
    EXPECT_FLOAT_EQ(25.0f, PenOf(b).width);
    ASSERT_TRUE(open.Type(CPropListArrow::kPenWidthId, "宽"));  // not checked: no number is 0
    EXPECT_FLOAT_EQ(0.0f, PenOf(b).width);
    ASSERT_TRUE(open.Pick(kPlaneFillTransparentId, "是"));
    QXLOGBRUSH brush;
    b->GetLogBrush(&brush);
    EXPECT_EQ(100u, brush.backMode);
    ASSERT_TRUE(open.Pick(kPlaneFillTransparentId, "否"));
    a->GetLogBrush(&brush);
    EXPECT_EQ(13u, brush.backMode);
}

TEST(ArrowList, SizeGroupIsOneArrowsAndComesBackForOneArrow) {
    parsnip::MapFixture map;
    CQXObjectArrow* a = map.Add<CQXObjectArrow>("箭头");
    CQXObjectArrow* b = map.Add<CQXObjectArrow>("箭头");
    planetest::OpenList<CPropListArrow> open;
    open.ShowSelected(map, {a});
    EXPECT_EQ("10.00", open.Value(CPropListArrow::kHeightId));
    ASSERT_TRUE(open.Type(CPropListArrow::kHeadPercentId, "40"));
    EXPECT_EQ(40, a->GetHeadPercent());
    ASSERT_TRUE(open.Type(CPropListArrow::kBodyPercentId, "60.9"));
    EXPECT_EQ(60, a->GetBodyPercent());
    ASSERT_TRUE(open.Type(CPropListArrow::kHeightId, "高"));  // not checked: no number is 0
    EXPECT_DOUBLE_EQ(0, a->GetHeight());
    ASSERT_TRUE(open.Type(CPropListArrow::kHeadPercentId, "头"));
    EXPECT_EQ(0, a->GetHeadPercent());

    map.Select(b);
    open.Show(a);
    EXPECT_FALSE(open.Enabled(CPropListArrow::kSizeGroupId));
    EXPECT_FALSE(open.Enabled(CPropListArrow::kBodyPercentId));
    EXPECT_TRUE(open.Enabled(CPropListArrow::kStyleId));
    open.ShowAlone(map, a);
    EXPECT_TRUE(open.Enabled(CPropListArrow::kBodyPercentId));
}

// ---- rectangle -------------------------------------------------------------------------------------

TEST(RectList, LengthAndWidthAreStoredAsHalvesAndRotationInRadians) {
    parsnip::MapFixture map;
    CQXObjectRect* rect = map.Add<CQXObjectRect>("矩形框");
    planetest::OpenList<CPropListRect> open(map, {rect});
    EXPECT_EQ("矩形框", open.Value(CPropListRect::kTypeId));
    ASSERT_TRUE(open.Type(CPropListRect::kLengthId, "10"));
    ASSERT_TRUE(open.Type(CPropListRect::kWidthId, "3"));
    ASSERT_TRUE(open.Type(CPropListRect::kRotationId, "90"));
    EXPECT_DOUBLE_EQ(5, rect->GetRadiusA());
    EXPECT_DOUBLE_EQ(1.5, rect->GetRadiusB());
    EXPECT_DOUBLE_EQ(90 * kPi / 180, rect->GetAngle());
    open.Show(rect);
    EXPECT_EQ("10.00", open.Value(CPropListRect::kLengthId));
    EXPECT_EQ("3.00", open.Value(CPropListRect::kWidthId));
    EXPECT_EQ("90.00", open.Value(CPropListRect::kRotationId));
}

TEST(RectList, GeometryMovesOnlyTheTargetAndNoNumberIsZero) {
    parsnip::MapFixture map;
    CQXObjectRect* a = map.Add<CQXObjectRect>("矩形框");
    CQXObjectRect* b = map.Add<CQXObjectRect>("矩形框");
    a->MoveAnchor(FLOATPOINT(1, 2));
    planetest::OpenList<CPropListRect> open(map, {a});
    map.Select(b);  // the list has not re-read: the items are still open
    ASSERT_TRUE(open.Type(CPropListRect::kXId, "7"));
    FLOATPOINT p;
    a->GetAnchor(&p);
    EXPECT_DOUBLE_EQ(7, p.x);
    EXPECT_DOUBLE_EQ(2, p.y);
    b->GetAnchor(&p);
    EXPECT_DOUBLE_EQ(0, p.x);

    ASSERT_TRUE(open.Type(CPropListRect::kLengthId, "10"));
    ASSERT_TRUE(open.Type(CPropListRect::kCornerAId, "2.5"));
    for (DWORD_PTR id : {CPropListRect::kYId, CPropListRect::kLengthId, CPropListRect::kCornerAId})
        ASSERT_TRUE(open.Type(id, "x")) << id;
    a->GetAnchor(&p);
    EXPECT_DOUBLE_EQ(7, p.x);
    EXPECT_DOUBLE_EQ(0, p.y);
    EXPECT_DOUBLE_EQ(0, a->GetRadiusA());
    EXPECT_DOUBLE_EQ(0, a->GetRoundSize().cx);

    ASSERT_TRUE(open.Type(CPropListRect::kRotationId, "1e39"));  // a double keeps it
    EXPECT_DOUBLE_EQ(1e39 * kPi / 180, a->GetAngle());

    // Refused: nothing is written and nothing else on the page changes, although the selection
    // now holds both rectangles: the item keeps its text and stays enabled until the next refresh.
    parsnip::testing::ClearCallLog();
    open.Type(CPropListRect::kXId, "1e400");       // overflows
    open.Type(CPropListRect::kCornerBId, "1e39");  // beyond single precision
    EXPECT_TRUE(parsnip::testing::CallLog().empty());
    EXPECT_EQ("7", open.Value(CPropListRect::kXId));
    EXPECT_TRUE(open.Enabled(CPropListRect::kXId));
}

TEST(RectList, SeveralSelectedEmptyTheOneRectangleItemsAndPenEditsKeepEachOwnPen) {
    parsnip::MapFixture map;
    CQXObjectRect* a = map.Add<CQXObjectRect>("矩形框");
    CQXObjectRect* b = map.Add<CQXObjectRect>("矩形框");
    a->SetRoundSize(FLOATSIZE(2, 3));
    QXLOGPEN pen;
    pen.width = 40;
    pen.style = 7;
    b->SetLogPen(&pen);
    planetest::OpenList<CPropListRect> open;
    open.ShowSelected(map, {a});
    map.Select(b);
    open.Show(a);
    EXPECT_EQ("", open.Value(CPropListRect::kXId));
    EXPECT_FALSE(open.Enabled(CPropListRect::kRotationId));
    EXPECT_EQ("2.00", open.Value(CPropListRect::kCornerAId));
    EXPECT_TRUE(open.Enabled(CPropListRect::kCornerBId));

    ASSERT_TRUE(open.Color(CPropListRect::kPenColorId, RGB(0, 0, 255)));
    EXPECT_EQ(RGB(0, 0, 255), PenOf(a).color);
    EXPECT_EQ(RGB(0, 0, 255), PenOf(b).color);
    EXPECT_FLOAT_EQ(40.0f, PenOf(b).width);
    EXPECT_EQ(7u, PenOf(b).style);

    ASSERT_TRUE(open.Type(CPropListRect::kPenWidthId, "0"));  // zero is a width here
    EXPECT_FLOAT_EQ(0.0f, PenOf(b).width);
    ASSERT_TRUE(open.Type(CPropListRect::kPenWidthId, "0.3"));
    ASSERT_TRUE(open.Type(CPropListRect::kPenWidthId, "-1"));
    EXPECT_FLOAT_EQ(30.0f, PenOf(a).width);
    ASSERT_TRUE(open.Type(CPropListRect::kPenWidthId, "细"));  // no number is 0, a width here too
    EXPECT_FLOAT_EQ(0.0f, PenOf(a).width);
}

// ---- ellipse ---------------------------------------------------------------------------------------

TEST(EllipseList, ARefusedHalfAxisShowsTheOldValueAgain) {
    parsnip::MapFixture map;
    CQXObjectCircle* e = map.Add<CQXObjectCircle>("椭圆");
    planetest::OpenList<CPropListEllipse> open(map, {e});
    ASSERT_TRUE(open.Type(CPropListEllipse::kHalfAxisAId, "4"));
    EXPECT_DOUBLE_EQ(4, e->GetRadiusA());
    for (const char* refused : {"0", "-3", "长"}) {
        open.Type(CPropListEllipse::kHalfAxisAId, refused);
        EXPECT_DOUBLE_EQ(4, e->GetRadiusA()) << refused;
        EXPECT_EQ("4.00", open.Value(CPropListEllipse::kHalfAxisAId)) << refused;
    }
}

TEST(EllipseList, AnglesUseTheListsPiAndTheDirectionItsTwoTexts) {
    parsnip::MapFixture map;
    CQXObjectCircle* e = map.Add<CQXObjectCircle>("椭圆");
    e->SetDirection(static_cast<SEGMENTDIRECTION>(0));
    planetest::OpenList<CPropListEllipse> open(map, {e});
    EXPECT_EQ("反向", open.Value(CPropListEllipse::kDirectionId));
    ASSERT_TRUE(open.Type(CPropListEllipse::kStartAngleId, "180"));
    ASSERT_TRUE(open.Type(CPropListEllipse::kStopAngleId, "-45"));
    ASSERT_TRUE(open.Type(CPropListEllipse::kAxisAngleId, "30"));
    ASSERT_TRUE(open.Type(CPropListEllipse::kYId, "纵"));  // not checked: no number is 0
    FLOATPOINT p(1, 1);
    e->GetAnchor(&p);
    EXPECT_DOUBLE_EQ(0, p.y);
    EXPECT_DOUBLE_EQ(kPi, e->GetStartAngle());
    EXPECT_DOUBLE_EQ(-45 * kPi / 180, e->GetStopAngle());
    EXPECT_DOUBLE_EQ(30 * kPi / 180, e->GetAngle());
    ASSERT_TRUE(open.Pick(CPropListEllipse::kDirectionId, "正向"));
    EXPECT_EQ(SEGMENTDIRECTION_FORWARD, e->GetDirection());
    ASSERT_TRUE(open.Pick(CPropListEllipse::kDirectionId, "反向"));
    EXPECT_EQ(SEGMENTDIRECTION_BACKWARD, e->GetDirection());
    open.Show(e);
    EXPECT_EQ("180.00", open.Value(CPropListEllipse::kStartAngleId));
    EXPECT_EQ("-45.00", open.Value(CPropListEllipse::kStopAngleId));
}

TEST(EllipseList, PenWidthMustBeAboveZeroAndSeveralSelectedEmptyTheWidthOnly) {
    parsnip::MapFixture map;
    CQXObjectCircle* a = map.Add<CQXObjectCircle>("椭圆");
    CQXObjectCircle* b = map.Add<CQXObjectCircle>("椭圆");
    QXLOGPEN pen;
    pen.color = RGB(5, 5, 5);
    b->SetLogPen(&pen);
    planetest::OpenList<CPropListEllipse> open(map, {a, b});
    EXPECT_EQ("", open.Value(CPropListEllipse::kPenWidthId));
    EXPECT_TRUE(open.Enabled(CPropListEllipse::kPenWidthId));
    EXPECT_FALSE(open.Enabled(CPropListEllipse::kHalfAxisAId));
    ASSERT_TRUE(open.Type(CPropListEllipse::kPenWidthId, "1"));
    EXPECT_FLOAT_EQ(100.0f, PenOf(a).width);
    EXPECT_FLOAT_EQ(100.0f, PenOf(b).width);
    EXPECT_EQ(RGB(5, 5, 5), PenOf(b).color);  // each keeps its own colour
    for (const char* refused : {"0", "-1", "粗"}) {
        ASSERT_TRUE(open.Type(CPropListEllipse::kPenWidthId, refused));
        EXPECT_FLOAT_EQ(100.0f, PenOf(b).width) << refused;
    }
}
