// The oil-test cell grid: one cell per cell of the kit's table with the data fields as options,
// the cell texts row by row, an edited cell written to its text, the column widths stored from the
// dividers and the grid's own layout kept under "CellTypesGrid".
#include <vector>

#include "OilTestFixture.h"
#include "mfc/Profile.h"

using wptest::CallsOn;
using wptest::Names;

namespace {

class OilTestCells : public wptest::OilTestSheet {
protected:
    void Table(int rows, int cols, std::vector<CString> texts) {
        kit->SetRowNumber(rows);
        kit->SetColNumber(cols);
        kit->m_cellTexts = std::move(texts);
    }
};

TEST_F(OilTestCells, CountsOutsideZeroToTenBuildTwoAndZeroRowsLeaveTheColumns) {
    kit->SetRowNumber(0);
    Open();
    EXPECT_EQ(cells().GetColumnCount(), 4);
    EXPECT_EQ(cells().GetRowCount(), 0);
    EXPECT_EQ(cells().GetColumnName(3), "D");
    kit->SetRowNumber(11);
    Open();
    EXPECT_EQ(cells().GetRowCount(), 2);
    EXPECT_EQ(kit->m_nRowNumber, 11);
}

TEST_F(OilTestCells, TextsFillTheCellsRowByRowAndEveryCellOffersTheFields) {
    Table(2, 3, {"a", "b", "c", "d", "e"});
    Open();
    EXPECT_EQ(Cell(0, 0), "a");
    EXPECT_EQ(Cell(0, 2), "c");
    EXPECT_EQ(Cell(1, 1), "e");
    EXPECT_EQ(Cell(1, 2), "");
    CBCGPGridItem* item = cells().GetItem(1, 2);
    ASSERT_NE(item, nullptr);
    ASSERT_EQ(item->GetOptionCount(), 4);
    EXPECT_STREQ(item->GetOption(2), "层位");
    EXPECT_EQ(cells().GetRowHeight(), CBCGPGridCtrl::kBaseRowHeight + 2);
}

TEST_F(OilTestCells, AnEditedCellUpdatesItsTextAndTheSameTextChangesNothing) {
    Table(3, 3, std::vector<CString>(9));
    Open();
    Show(kit);
    ASSERT_TRUE(EditCell(2, 1, "层位"));
    EXPECT_EQ(kit->m_cellTexts[7], "层位");
    // The click into the cell ends with a mouse release, which stores the widths (and redraws) first.
    EXPECT_EQ(CallsOn(kit), (Names{"CWpKit::InvalidSelf", "CWpKit::UpdateParent", "CWpOilTest::UpdateField",
                                   "CWpKit::InvalidSelf", "CWpKit::UpdateParent"}));
    EXPECT_GE(Redraws(), 1);
    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(EditCell(2, 1, "层位"));
    EXPECT_EQ(parsnip::testing::CountCalls("CWpOilTest::UpdateField", kit), 0);
    EXPECT_FALSE(platform::EditGridCell(cells(), 0, 1, "表头"));
}

// A refused cell (one the kit keeps no text for, or a text that is not UTF-8) changes nothing but
// that cell, which shows its text from before the edit: no text written, the other cells as they
// were. The click into each cell ends with a release, which stores the widths and redraws once, as
// every release does; the refused text adds nothing to it.
TEST_F(OilTestCells, ARefusedCellChangesNothingButThatCell) {
    Table(2, 3, {"a", "b"});
    Open();
    Show(kit);
    const int redraws = Redraws();
    ASSERT_TRUE(EditCell(1, 2, "结论"));
    EXPECT_EQ(Cell(1, 2), "");
    EXPECT_FALSE(EditCell(0, 1, "\xE4\xB8"));  // a cut character: the grid takes it nowhere
    EXPECT_EQ(Cell(0, 1), "b");
    EXPECT_EQ(Cell(0, 0), "a");
    EXPECT_EQ(kit->m_cellTexts, (std::vector<CString>{"a", "b"}));
    EXPECT_EQ(CallsOn(kit),
              (Names{"CWpKit::InvalidSelf", "CWpKit::UpdateParent", "CWpKit::InvalidSelf", "CWpKit::UpdateParent"}));
    EXPECT_EQ(Redraws(), redraws + 2);
}

TEST_F(OilTestCells, DividersStoreTheColumnBoundariesAsFractions) {
    Table(1, 3, std::vector<CString>(3));
    Open();
    ASSERT_TRUE(platform::DragGridColumnDivider(cells(), 0, 40));
    ASSERT_TRUE(platform::DragGridColumnDivider(cells(), 1, 40));
    ASSERT_TRUE(platform::DragGridColumnDivider(cells(), 2, 20));
    const std::vector<float> expected = {0, 0.4f, 0.8f, 1.0f};
    ASSERT_EQ(kit->GetColWidth()->size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_FLOAT_EQ((*kit->GetColWidth())[i], expected[i]) << i;

    // A release that moves no divider stores the boundaries and redraws all the same, every time.
    Show(kit);
    for (int release = 1; release <= 2; ++release) {
        kit->GetColWidth()->clear();
        const int redraws = Redraws();
        ASSERT_TRUE(platform::ReleaseMouse(cells()));
        EXPECT_EQ(kit->GetColWidth()->size(), expected.size()) << release;
        EXPECT_EQ(CallsOn(kit), (Names{"CWpKit::InvalidSelf", "CWpKit::UpdateParent"})) << release;
        EXPECT_EQ(Redraws(), redraws + 1) << release;
        parsnip::testing::ClearCallLog();
    }

    // A single column, and no column at all, give 0, 1.0.
    for (const int columns : {1, 0}) {
        Table(1, columns, std::vector<CString>(columns));
        Open();
        ASSERT_TRUE(platform::ReleaseMouse(cells())) << columns;
        EXPECT_EQ(*kit->GetColWidth(), (std::vector<float>{0, 1.0f})) << columns;
    }
}

TEST_F(OilTestCells, ARebuildTakesTheWidthsTheLastGridSaved) {
    Table(1, 3, std::vector<CString>(3));
    Open();
    ASSERT_TRUE(platform::DragGridColumnDivider(cells(), 0, 90));
    Close();  // the grid saves its layout as it goes
    EXPECT_TRUE(platform::ProfileStore::Instance().HasProfile("CellTypesGrid"));
    kit->GetColWidth()->clear();
    Open();
    EXPECT_EQ(cells().GetColumnWidth(0), 90);
    EXPECT_EQ(cells().GetColumnWidth(1), CCellTypesGridCtrl::kColumnWidth);
    EXPECT_TRUE(kit->GetColWidth()->empty());
}

TEST_F(OilTestCells, TheKitKeepsEachTextInItsCellWhenItsTableChanges) {
    Table(2, 3, {"a", "b", "c", "d", "e", "f"});
    kit->SetColNumber(2);
    EXPECT_EQ(kit->m_cellTexts, (std::vector<CString>{"a", "b", "d", "e"}));
    kit->SetRowNumber(3);
    EXPECT_EQ(kit->m_cellTexts, (std::vector<CString>{"a", "b", "d", "e", "", ""}));
}

}  // namespace
