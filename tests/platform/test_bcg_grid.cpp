// The control library's cell grid: columns and rows, items with options, the notification after a
// user's edit, the header divider under the mouse and the layout kept in the registry workspace.
#include <gtest/gtest.h>

#include <vector>

#include "bcg/GridCtrl.h"
#include "driver/CellGridDriver.h"
#include "mfc/Profile.h"

namespace {

// A parent that records the grid's notifications.
class Owner : public CWnd {
public:
    struct Heard {
        int row;
        int col;
        std::string text;
    };
    std::vector<Heard> heard;

protected:
    LRESULT OnItemChanged(WPARAM, LPARAM lParam) {
        auto* info = reinterpret_cast<BCGPGRID_ITEM_INFO*>(lParam);
        heard.push_back({info->nRow, info->nCol, info->pItem->GetLabel().GetString()});
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Owner, CWnd)
ON_REGISTERED_MESSAGE(BCGM_GRID_ITEM_CHANGED, OnItemChanged)
END_MESSAGE_MAP()

class BcgGrid : public ::testing::Test {
protected:
    BcgGrid() {
        owner.CreateEx(0, nullptr, "owner", WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0);
        grid.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &owner, 1);
        for (int c = 0; c < 3; ++c) grid.InsertColumn(c, "A", 60);
        for (int r = 0; r < 2; ++r) grid.AddRow(grid.CreateRow(3), FALSE);
    }
    ~BcgGrid() override { owner.DestroyWindow(); }

    Owner owner;
    CBCGPGridCtrl grid;
};

// A cell left with the text it showed is no edit: only another text is stored and reported.
TEST_F(BcgGrid, AUserEditStoresTheTextAndNotifiesOnlyWhenTheTextChanges) {
    ASSERT_TRUE(platform::EditGridCell(grid, 2, 1, "层位"));
    ASSERT_TRUE(platform::EditGridCell(grid, 2, 1, "层位"));
    ASSERT_EQ(owner.heard.size(), 1u);
    EXPECT_EQ(owner.heard[0].row, 1);
    EXPECT_EQ(owner.heard[0].col, 1);
    EXPECT_EQ(owner.heard[0].text, "层位");
    EXPECT_EQ(grid.GetCurSelRow(), 1);
    ASSERT_TRUE(platform::EditGridCell(grid, 2, 1, "层位2"));
    ASSERT_EQ(owner.heard.size(), 2u);
    EXPECT_FALSE(platform::EditGridCell(grid, 2, 1, "\xE4\xB8"));  // a cut character: refused
    EXPECT_EQ(VariantToText(grid.GetItem(1, 1)->GetValue()), "层位2");

    grid.GetItem(0, 0)->AllowEdit(FALSE);
    EXPECT_FALSE(platform::EditGridCell(grid, 1, 0, "x"));
    EXPECT_FALSE(platform::EditGridCell(grid, 0, 0, "x"));  // the header
    EXPECT_FALSE(platform::EditGridCell(grid, 3, 0, "x"));  // no such row
    EXPECT_EQ(owner.heard.size(), 2u);
}

TEST_F(BcgGrid, OptionsAreAddedOnceAndReplacedItemsAreDeleted) {
    CBCGPGridItem* item = grid.GetItem(0, 0);
    EXPECT_TRUE(item->AddOption("日产油"));
    EXPECT_FALSE(item->AddOption("日产油"));
    EXPECT_TRUE(item->AddOption("日产油", FALSE));
    EXPECT_EQ(item->GetOptionCount(), 2);
    EXPECT_EQ(item->GetOption(2), nullptr);
    EXPECT_TRUE(grid.GetRow(0)->ReplaceItem(0, new CBCGPGridItem(_variant_t("新"))));
    EXPECT_EQ(grid.GetItem(0, 0)->GetLabel(), "新");
    EXPECT_FALSE(grid.GetRow(0)->ReplaceItem(5, new CBCGPGridItem()));
    EXPECT_FALSE(grid.GetRow(0)->ReplaceItem(1, grid.GetItem(1, 1)));  // an item of another row stays there
    EXPECT_NE(grid.GetItem(1, 1), nullptr);
}

TEST_F(BcgGrid, DraggingADividerSetsTheWidthAndTheStateKeepsIt) {
    ASSERT_TRUE(platform::DragGridColumnDivider(grid, 1, 25));
    EXPECT_EQ(grid.GetColumnWidth(1), 25);
    EXPECT_EQ(grid.GetTrackedColumn(), -1);
    ASSERT_TRUE(platform::DragGridColumnDivider(grid, 0, -50));
    EXPECT_EQ(grid.GetColumnWidth(0), CBCGPGridCtrl::kMinColumnWidth);
    EXPECT_EQ(grid.GetColumnsInfo().GetTotalWidth(), 5 + 25 + 60);

    grid.SaveState("Cells", 0);
    CBCGPGridCtrl other;
    other.Create(WS_CHILD, CRect(0, 0, 100, 100), &owner, 2);
    other.InsertColumn(0, "A", 60);
    EXPECT_FALSE(other.LoadState("Cells", 1));
    EXPECT_TRUE(other.LoadState("Cells", 0));
    EXPECT_EQ(other.GetColumnWidth(0), 5);
    EXPECT_EQ(other.GetColumnCount(), 1);

    grid.EnableHeader(FALSE);
    EXPECT_FALSE(platform::DragGridColumnDivider(grid, 1, 40));
}

}  // namespace
