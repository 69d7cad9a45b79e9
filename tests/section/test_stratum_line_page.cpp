// The stratum-line page: the selected cells it edits, the name shown for one stratum, the pen, fill
// and name-font edits over every cell, and the correlation section's fill item.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "bcg/ColorProp.h"
#include "framework/PropStyleCombox.h"
#include "hostlibs/Oriel/MultiWellFixture.h"
#include "hosttypes/Oriel/CnConnection.h"
#include "hosttypes/Oriel/CrCorrelation.h"
#include "section/LstStratumLine.h"
#include "section/SectionTestFixture.h"

namespace {

using L = CLstStratumLine;
using sectiontest::CountLogged;

QXLOGPEN Pen(UINT style, float width, COLORREF color) {
    QXLOGPEN pen;
    pen.style = style;
    pen.width = width;
    pen.color = color;
    return pen;
}

// The pen a cell holds.
QXLOGPEN PenOf(CStratumCell* cell) {
    QXLOGPEN pen;
    cell->GetStratumLogPen(&pen);
    return pen;
}

template <class Container>
struct LinePage {
    // Cells a and b of stratum "1", c of stratum "2" (without a fill), selected with a well between.
    explicit LinePage(bool sameStratum) {
        a = &world.AddCell("1");
        b = &world.AddCell("1");
        c = &world.AddCell(sameStratum ? "1" : "2", false);
        world.AddStratumGroups(2);
        world.Select({a, &world.World().Well(0), b, c});
        open = std::make_unique<sectiontest::OpenList<CLstStratumLine>>(new CLstStratumLine(c));
        open->Show(a);
    }
    // Cell a draws with style 1001, width 10 and red; b with 1003, 20 and blue.
    void GiveOwnPens() {
        QXLOGPEN first = Pen(1001, 10, RGB(255, 0, 0));
        QXLOGPEN second = Pen(1003, 20, RGB(0, 0, 255));
        a->SetStratumLogPen(&first);
        b->SetStratumLogPen(&second);
    }
    oriel::MultiWellFixture<Container> world;
    CStratumCell* a;
    CStratumCell* b;
    CStratumCell* c;
    std::unique_ptr<sectiontest::OpenList<CLstStratumLine>> open;
};

TEST(StratumLinePage, CellsOfOneStratumShowItsName) {
    LinePage<CnConnection> page(true);
    EXPECT_EQ(3u, page.open->list().GetCells().size());
    EXPECT_TRUE(page.open->Item(L::kNameId)->IsEnabled());
    EXPECT_EQ("1", page.open->Value(L::kNameId));
}

TEST(StratumLinePage, CellsOfTwoStrataDisableTheNameAndStillTakeEdits) {
    LinePage<CnConnection> page(false);
    EXPECT_FALSE(page.open->Item(L::kNameId)->IsEnabled());
    EXPECT_EQ("", page.open->Value(L::kNameId));
    EXPECT_TRUE(page.open->Type(L::kLineWidthId, "0.5"));
    EXPECT_FLOAT_EQ(50, PenOf(page.a).width);
    EXPECT_FLOAT_EQ(50, PenOf(page.c).width);
}

TEST(StratumLinePage, AWidthEditKeepsEachCellsStyleAndColour) {
    LinePage<CnConnection> page(false);
    page.GiveOwnPens();
    EXPECT_TRUE(page.open->Type(L::kLineWidthId, "0.8"));
    EXPECT_EQ(1001u, PenOf(page.a).style);
    EXPECT_EQ(RGB(255, 0, 0), PenOf(page.a).color);
    EXPECT_EQ(1003u, PenOf(page.b).style);
    EXPECT_EQ(RGB(0, 0, 255), PenOf(page.b).color);
    EXPECT_FLOAT_EQ(80, PenOf(page.b).width);

    // The first cell's boundary line draws with its pen: a later refresh shows the width.
    page.a->ProChanged();
    page.open->Show(page.a);
    EXPECT_EQ("0.80", page.open->Value(L::kLineWidthId));

    // A width the item refuses leaves every pen as it was.
    EXPECT_TRUE(page.open->Type(L::kLineWidthId, "-1"));
    EXPECT_FLOAT_EQ(80, PenOf(page.a).width);
}

TEST(StratumLinePage, AStyleEditKeepsEachCellsWidthAndColour) {
    LinePage<CnConnection> page(false);
    QXLOGPEN first = Pen(1001, 10, RGB(255, 0, 0));
    QXLOGPEN second = Pen(1001, 20, RGB(0, 0, 255));
    page.a->SetStratumLogPen(&first);
    page.b->SetStratumLogPen(&second);
    auto* style = dynamic_cast<CPropStyleCombox*>(page.open->Item(L::kLineStyleId));
    ASSERT_NE(nullptr, style);
    ASSERT_TRUE(page.open->grid().PickDropDownEntry(style, 2));
    EXPECT_NE(1001u, style->GetVal());
    EXPECT_EQ(style->GetVal(), PenOf(page.a).style);
    EXPECT_EQ(style->GetVal(), PenOf(page.b).style);
    EXPECT_FLOAT_EQ(10, PenOf(page.a).width);
    EXPECT_EQ(RGB(255, 0, 0), PenOf(page.a).color);
    EXPECT_FLOAT_EQ(20, PenOf(page.b).width);
    EXPECT_EQ(RGB(0, 0, 255), PenOf(page.b).color);
}

// A width or name-font size the records cannot hold in hundredths changes no cell and no stratum
// group, and the page shows the first cell's values again.
TEST(StratumLinePage, ARefusedWidthOrSizeWritesNothing) {
    LinePage<CnConnection> page(false);
    page.GiveOwnPens();
    page.a->ProChanged();
    page.open->Show(page.a);
    oriel::testing::ClearCallLog();
    const std::string width = page.open->Value(L::kLineWidthId);
    const std::string size = page.open->Value(L::kFontSizeId);
    for (const char* text : {"1e39", "3.5e38", "9e296"}) {
        EXPECT_TRUE(page.open->Type(L::kLineWidthId, text));
        EXPECT_TRUE(page.open->Type(L::kFontSizeId, text));
        EXPECT_EQ(width, page.open->Value(L::kLineWidthId)) << text;
        EXPECT_EQ(size, page.open->Value(L::kFontSizeId)) << text;
    }
    EXPECT_FLOAT_EQ(10, PenOf(page.a).width);
    EXPECT_FLOAT_EQ(20, PenOf(page.b).width);
    EXPECT_EQ(0, CountLogged("CStratumGroup::SetStratumNameFont(1)"));
    EXPECT_EQ(0, CountLogged("CStratumGroup::SetStratumNameFont(2)"));
}

// A change reported from code with a text no reader takes: no cell or group takes it, the section
// is not redrawn, and the item shows its value from before again.
TEST(StratumLinePage, ATextTheReaderRefusesShowsTheFirstCellsWidthOrTheSizeLastTaken) {
    LinePage<CnConnection> page(false);
    page.GiveOwnPens();
    page.a->ProChanged();
    page.open->Show(page.a);
    oriel::testing::ClearCallLog();
    for (DWORD_PTR id : {L::kLineWidthId, L::kFontSizeId}) {
        const std::string shown = page.open->Value(id);
        page.open->Report(id, "x");
        EXPECT_EQ(shown, page.open->Value(id)) << id;
    }
    EXPECT_TRUE(oriel::testing::CallLog().empty());
    EXPECT_FLOAT_EQ(10, PenOf(page.a).width);
    EXPECT_FLOAT_EQ(20, PenOf(page.b).width);

    // The size goes to the stratum groups, never to the cells' own fonts that the refresh shows
    // (size 0 here): a refused size shows the item's text from before, the size last taken.
    ASSERT_TRUE(page.open->Type(L::kFontSizeId, "3"));
    oriel::testing::ClearCallLog();
    page.open->ExpectRefusedReportsShow(L::kFontSizeId, "3.00");
    EXPECT_TRUE(oriel::testing::CallLog().empty());
    page.open->Report(L::kFontSizeId, "7");
    QXLOGFONT font;
    ASSERT_TRUE(page.world.Section().GetStratumGroupManager()->GetObj(0)->GetStratumNameFont("1", font));
    EXPECT_FLOAT_EQ(700, font.size);
    EXPECT_FLOAT_EQ(0, page.a->GetStratumFont().size);
}

TEST(StratumLinePage, AFillColourReachesOnlyCellsWithAFill) {
    LinePage<CnConnection> page(true);
    auto* fill = dynamic_cast<CBCGPColorProp*>(page.open->Item(L::kFillId));
    ASSERT_NE(nullptr, fill);
    EXPECT_TRUE(page.open->grid().ChooseColor(fill, RGB(10, 20, 30)));
    QXLOGBRUSH brush;
    page.a->GetStratumFill()->GetLogBrush(&brush);
    EXPECT_EQ(RGB(10, 20, 30), brush.fillColor);
    page.b->GetStratumFill()->GetLogBrush(&brush);
    EXPECT_EQ(RGB(10, 20, 30), brush.fillColor);
    EXPECT_EQ(nullptr, page.c->GetStratumFill());
}

TEST(StratumLinePage, ANameFontColourReachesEveryGroupOncePerCell) {
    LinePage<CnConnection> page(false);
    auto* colour = dynamic_cast<CBCGPColorProp*>(page.open->Item(L::kFontColorId));
    ASSERT_NE(nullptr, colour);
    EXPECT_TRUE(page.open->grid().ChooseColor(colour, RGB(0, 128, 0)));
    EXPECT_EQ(4, CountLogged("CStratumGroup::SetStratumNameFont(1)"));  // two cells, two groups
    EXPECT_EQ(2, CountLogged("CStratumGroup::SetStratumNameFont(2)"));
    QXLOGFONT font;
    ASSERT_TRUE(page.world.Section().GetStratumGroupManager()->GetObj(1)->GetStratumNameFont("2", font));
    EXPECT_EQ(RGB(0, 128, 0), font.color);
    EXPECT_EQ(0u, page.c->GetStratumFont().color);  // the cells keep their own fonts
}

TEST(StratumLinePage, EditsOnlyUpdateTheSectionWindow) {
    LinePage<CnConnection> page(true);
    const uint64_t stamp = page.a->GetTimeStamp();
    const int updates = page.world.Section().GetUpdateCount();
    EXPECT_TRUE(page.open->Type(L::kFontSizeId, "12"));
    EXPECT_EQ(updates + 1, page.world.Section().GetUpdateCount());
    EXPECT_EQ(stamp, page.a->GetTimeStamp());
    EXPECT_EQ(0, page.world.Section().GetModifyFlag());
}

TEST(StratumLinePage, OnACorrelationTheFillStartsDisabledAndFollowsTheFirstCell) {
    oriel::MultiWellFixture<CrCorrelation> world;
    CStratumCell& cell = world.AddCell("1");
    world.Select({&cell});
    sectiontest::OpenList<CLstStratumLine> open(new CLstStratumLine(&cell));
    EXPECT_FALSE(open.Item(L::kFillId)->IsEnabled());
    QXLOGBRUSH brush;
    brush.fillColor = RGB(5, 6, 7);
    cell.GetStratumFill()->SetLogBrush(&brush);
    open.Show(&cell);
    EXPECT_TRUE(open.Item(L::kFillId)->IsEnabled());
    EXPECT_EQ(RGB(5, 6, 7), dynamic_cast<CBCGPColorProp*>(open.Item(L::kFillId))->GetColor());
}

TEST(StratumLinePage, NoCellSelectedGivesAnEmptyPageThatOnlyRedraws) {
    oriel::MultiWellFixture<CnConnection> world;
    CStratumCell& cell = world.AddCell("1");
    sectiontest::OpenList<CLstStratumLine> open(new CLstStratumLine(&cell));
    EXPECT_EQ(nullptr, open.list().GetPropList().FindItemByData(L::kNameId, TRUE));
    open.Show(&cell);
}

}  // namespace
