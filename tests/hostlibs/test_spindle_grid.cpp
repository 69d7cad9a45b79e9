// The custom grid control: creation, columns, cells, and the notifications a user's actions send.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "driver/CellGridDriver.h"
#include "hostlibs/Spindle/Testing.h"
#include "hosttypes/Spindle/GridCtrl.h"

namespace {

// A parent window that records the grid notifications it hears.
class NotifyRecorder : public CWnd {
public:
    struct Heard {
        WPARAM id;
        int code;
        int row;
        int col;
        std::string text;  // the cell's text when the notification arrived
    };
    std::vector<Heard> heard;
    CGridCtrl* grid = nullptr;

    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        const auto* nm = reinterpret_cast<const NM_GRIDVIEW*>(lParam);
        heard.push_back({wParam, nm->hdr.code, nm->iRow, nm->iColumn,
                         grid ? std::string(grid->GetItemText(nm->iRow, nm->iColumn)) : std::string()});
        return CWnd::OnNotify(wParam, lParam, result);
    }
};

class SpindleGrid : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(parent.CreateEx(0, "STATIC", "", WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
        parent.grid = &grid;
    }
    void MakeStratumGrid() {
        ASSERT_TRUE(grid.Create(CRect(0, 0, 200, 100), &parent, 1234, 0x50810000));
        grid.InsertColumn("地层", DT_CENTER | DT_VCENTER | DT_SINGLELINE, 0, GVCT_TEXT, nullptr);
        grid.InsertColumn("顶界限", DT_CENTER | DT_VCENTER | DT_SINGLELINE, 1, GVCT_SWITCH, nullptr);
        grid.SetFixedRowCount(1);
        grid.SetRowCount(3);
    }
    NotifyRecorder parent;
    CGridCtrl grid;
};

TEST_F(SpindleGrid, CreateMakesAChildOwnedByTheParent) {
    ASSERT_TRUE(grid.Create(CRect(5, 6, 105, 56), &parent, 1234, 0x50810000));
    EXPECT_EQ(&parent, grid.GetParent());
    EXPECT_EQ(&parent, grid.GetOwner());
    EXPECT_EQ(1234, grid.GetDlgCtrlID());
    CRect rect;
    grid.GetWindowRect(&rect);
    EXPECT_EQ(100, rect.Width());
    EXPECT_EQ(std::vector<std::string>{"CGridCtrl::Create(1234)"}, spindle::testing::CallLog());
}

TEST_F(SpindleGrid, CreateFailsWithoutALiveParentOrUnderTheRefusalHook) {
    CWnd noWindow;
    EXPECT_FALSE(grid.Create(CRect(0, 0, 10, 10), &noWindow, 1));
    spindle::testing::SetCreateRefusal(true);
    EXPECT_FALSE(grid.Create(CRect(0, 0, 10, 10), &parent, 1));
    EXPECT_EQ(nullptr, grid.GetSafeHwnd());
    spindle::testing::Reset();
    EXPECT_TRUE(grid.Create(CRect(0, 0, 10, 10), &parent, 1));
}

TEST_F(SpindleGrid, InsertColumnPlacesHeadingKindAndOptions) {
    EXPECT_EQ(0, grid.InsertColumn("a"));
    EXPECT_EQ(1, grid.GetRowCount());  // a grid without rows gets the heading row
    EXPECT_EQ(1, grid.InsertColumn("c", DT_CENTER, 9999, GVCT_SWITCH));
    CStringArray options;
    options.Add("x");
    options.Add("y");
    EXPECT_EQ(1, grid.InsertColumn("b", DT_CENTER, 1, 2, &options));
    ASSERT_EQ(3, grid.GetColumnCount());
    EXPECT_EQ("a", std::string(grid.GetItemText(0, 0)));
    EXPECT_EQ("b", std::string(grid.GetItemText(0, 1)));
    EXPECT_EQ("c", std::string(grid.GetItemText(0, 2)));
    EXPECT_EQ(GVCT_SWITCH, grid.GetColumnType(2));
    EXPECT_EQ(2, grid.GetColumnType(1));
    ASSERT_EQ(2u, grid.GetColumnOptions(1).size());
    EXPECT_EQ("y", std::string(grid.GetColumnOptions(1)[1]));
    EXPECT_TRUE(grid.GetColumnOptions(7).empty());
    EXPECT_TRUE(grid.SetColumnWidth(2, 52));
    EXPECT_EQ(52, grid.GetColumnWidth(2));
    EXPECT_FALSE(grid.SetColumnWidth(3, 52));
}

TEST_F(SpindleGrid, CellsAndDeleteNonFixedRows) {
    MakeStratumGrid();
    EXPECT_TRUE(grid.SetItemText(2, 1, "TRUE"));
    EXPECT_FALSE(grid.SetItemText(3, 1, "TRUE"));
    EXPECT_EQ("", std::string(grid.GetItemText(3, 1)));
    EXPECT_TRUE(grid.SetItemBkColour(2, 1, RGB(180, 180, 180)));
    EXPECT_EQ(RGB(180, 180, 180), grid.GetItemBkColour(2, 1));
    EXPECT_TRUE(grid.IsCellChangable(1, 1));
    grid.SetCellChangable(1, 1, FALSE);
    EXPECT_FALSE(grid.IsCellChangable(1, 1));
    grid.SetCellChangable(1, 1, TRUE);
    EXPECT_TRUE(grid.IsCellChangable(1, 1));
    EXPECT_FALSE(grid.IsCellChangable(5, 1));
    EXPECT_TRUE(grid.DeleteNonFixedRows());
    EXPECT_EQ(1, grid.GetRowCount());
    EXPECT_EQ("顶界限", std::string(grid.GetItemText(0, 1)));
}

TEST_F(SpindleGrid, EndingACellEditStoresTheTextThenNotifiesTheOwner) {
    MakeStratumGrid();
    EXPECT_TRUE(platform::EditGridCell(grid, 2, 1, "true"));
    ASSERT_EQ(1u, parent.heard.size());
    EXPECT_EQ(1234u, parent.heard[0].id);
    EXPECT_EQ(GVN_ENDLABELEDIT, parent.heard[0].code);
    EXPECT_EQ(2, parent.heard[0].row);
    EXPECT_EQ(1, parent.heard[0].col);
    EXPECT_EQ("true", parent.heard[0].text);
    // The cell left with the text it shows, alone or as a block, is no edit.
    EXPECT_TRUE(platform::EditGridCell(grid, 2, 1, "true"));
    ASSERT_TRUE(grid.UserSelectCells(2, 1, 2, 1));
    EXPECT_TRUE(grid.UserEditSelectedCells("true"));
    // A cut character never reaches the cell, alone or as a block.
    EXPECT_FALSE(platform::EditGridCell(grid, 2, 1, "\xE4\xB8"));
    EXPECT_FALSE(grid.UserEditSelectedCells("\xE4\xB8"));
    EXPECT_EQ("true", std::string(grid.GetItemText(2, 1)));
    EXPECT_EQ(1u, parent.heard.size());
}

TEST_F(SpindleGrid, TheUserCannotEditFixedOrLockedCells) {
    MakeStratumGrid();
    grid.SetCellChangable(1, 1, FALSE);
    EXPECT_FALSE(platform::EditGridCell(grid, 1, 1, "TRUE"));
    EXPECT_FALSE(platform::EditGridCell(grid, 0, 1, "x"));
    EXPECT_FALSE(platform::EditGridCell(grid, 9, 1, "x"));
    EXPECT_TRUE(parent.heard.empty());
    EXPECT_EQ("", std::string(grid.GetItemText(1, 1)));
    CWnd plain;
    EXPECT_FALSE(platform::EditGridCell(plain, 1, 1, "x"));
}

TEST_F(SpindleGrid, ClicksTurnSwitchCellsOverAndReportHeaders) {
    MakeStratumGrid();
    grid.SetItemText(1, 1, "TRUE");
    EXPECT_TRUE(platform::ClickGridCell(grid, 1, 1));
    EXPECT_TRUE(platform::ClickGridCell(grid, 2, 1));  // empty reads as not TRUE
    EXPECT_TRUE(platform::ClickGridHeader(grid, 1));
    EXPECT_TRUE(platform::ClickGridCell(grid, 1, 0));  // a plain cell: only the click
    grid.SetCellChangable(2, 1, FALSE);
    EXPECT_TRUE(platform::ClickGridCell(grid, 2, 1));  // locked: not turned over
    EXPECT_FALSE(platform::ClickGridCell(grid, 0, 5));
    ASSERT_EQ(5u, parent.heard.size());
    EXPECT_EQ(GVN_SWITCHCHANGED, parent.heard[0].code);
    EXPECT_EQ("FALSE", parent.heard[0].text);
    EXPECT_EQ(GVN_SWITCHCHANGED, parent.heard[1].code);
    EXPECT_EQ("TRUE", parent.heard[1].text);
    EXPECT_EQ(GVN_CELLCLICK, parent.heard[2].code);
    EXPECT_EQ(0, parent.heard[2].row);
    EXPECT_EQ(1, parent.heard[2].col);
    EXPECT_EQ(GVN_CELLCLICK, parent.heard[3].code);
    EXPECT_EQ(GVN_CELLCLICK, parent.heard[4].code);
    EXPECT_EQ("TRUE", std::string(grid.GetItemText(2, 1)));
}

TEST_F(SpindleGrid, NoNotificationWithoutAWindow) {
    CGridCtrl loose(2, 2, 1, 0);
    EXPECT_EQ(0, loose.SendMessageToParent(1, 1, GVN_CELLCLICK));
    EXPECT_FALSE(platform::ClickGridCell(loose, 1, 1));
}

}  // namespace

namespace {

// Rows inserted and deleted, focus that never takes a fixed row, selections inside the grid, and
// symbol cells picked by the user.
TEST_F(SpindleGrid, RowsFocusSelectionAndSymbols) {
    ASSERT_TRUE(grid.Create(CRect(0, 0, 200, 100), &parent, 2005));
    grid.InsertColumn("序号", 0x25, 9999, GVCT_LABEL);
    grid.InsertColumn("符号", 0x25, 9999, GVCT_SYMBOL);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    EXPECT_EQ(grid.InsertRow("1"), 1);
    EXPECT_EQ(grid.InsertRow("3"), 2);
    EXPECT_EQ(grid.InsertRow("2", 2), 2);
    EXPECT_EQ(grid.GetItemText(2, 0), "2");
    EXPECT_EQ(grid.GetItemText(3, 0), "3");

    EXPECT_FALSE(grid.SetFocusCell(0, 1)) << "a header row is never focused";
    EXPECT_FALSE(grid.SetFocusCell(9, 1));
    EXPECT_TRUE(grid.SetFocusCell(3, 1));
    grid.SetSelectedRange(1, 0, 9, 1);  // not inside the grid: nothing selected
    EXPECT_FALSE(grid.GetSelectedCellRange().IsValid());
    grid.SetSelectedRange(2, 0, 2, 1);
    EXPECT_EQ(grid.GetSelectedCount(), 2);
    EXPECT_TRUE(grid.DeleteRow(2));
    EXPECT_FALSE(grid.DeleteRow(7));
    EXPECT_EQ(grid.GetRowCount(), 3);
    EXPECT_FALSE(grid.GetFocusCell().IsValid());
    EXPECT_FALSE(grid.GetSelectedCellRange().IsValid());

    EXPECT_TRUE(platform::ClickGridCell(grid, 2, 1));
    EXPECT_EQ(grid.GetFocusCell().row, 2);
    EXPECT_EQ(grid.GetSelectedCellRange().GetMinRow(), 2);
    parent.heard.clear();
    QXLOGPOINT point;
    point.style = 1003;
    EXPECT_TRUE(grid.UserPickSymbol(2, 1, point));
    EXPECT_FALSE(grid.UserPickSymbol(0, 1, point)) << "the header is no symbol to pick";
    EXPECT_FALSE(grid.UserPickSymbol(2, 0, point)) << "a fixed column";
    QXLOGPOINT read;
    EXPECT_TRUE(grid.GetItemPoint(2, 1, read));
    EXPECT_EQ(read.style, 1003u);
    ASSERT_EQ(parent.heard.size(), 1u);
    EXPECT_EQ(parent.heard[0].code, GVN_ENDLABELEDIT);
}

}  // namespace
