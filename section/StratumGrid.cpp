#include "section/StratumGrid.h"

#include "hosttypes/Spindle/GridCtrl.h"
#include "section/SectionTexts.h"

namespace section {

namespace {
constexpr UINT kCellFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr int kColumnWidth = 52;
}  // namespace

bool CreateStratumGrid(CGridCtrl& grid, CWnd* pane, UINT id, const std::vector<const char*>& switchCaptions) {
    CRect client;
    pane->GetClientRect(client);
    if (!grid.Create(client, pane, id, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP)) return false;
    grid.InsertColumn(sectiontext::kStratum, kCellFormat, 0, GVCT_TEXT, nullptr);
    for (std::size_t i = 0; i < switchCaptions.size(); ++i)
        grid.InsertColumn(switchCaptions[i], kCellFormat, static_cast<int>(i + 1), GVCT_SWITCH, nullptr);
    grid.SetRowResize(FALSE);
    grid.SetColumnResize(FALSE);
    for (int c = 0; c < grid.GetColumnCount(); ++c) grid.SetColumnWidth(c, kColumnWidth);
    grid.SetFixedRowCount(1);
    grid.SetFixedBkColor(kStratumGridGrey);
    grid.EnableDblClickHeaderSel();
    return true;
}

void LockStratumNames(CGridCtrl& grid) {
    for (int r = 1; r < grid.GetRowCount(); ++r) grid.SetCellChangable(r, 0, FALSE);
}

void LockStratumCell(CGridCtrl& grid, int row, int column) {
    grid.SetCellChangable(row, column, FALSE);
    grid.SetItemBkColour(row, column, kStratumGridGrey);
}

bool FirstChangeableIsTrue(CGridCtrl& grid, int column) {
    for (int r = 1; r < grid.GetRowCount(); ++r)
        if (grid.IsCellChangable(r, column)) return grid.GetItemText(r, column) == sectiontext::kTrue;
    return false;
}

}  // namespace section
