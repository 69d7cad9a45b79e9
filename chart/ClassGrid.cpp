#include "chart/ClassGrid.h"

#include "chart/ChartTexts.h"
#include "framework/NumberText.h"
#include "hosttypes/Thistle/Plots.h"

using namespace charttext;

namespace chart {

void SetupClassGrid(CGridCtrl& grid) {
    if (grid.GetColumnCount() == 0) {
        grid.InsertColumn(kClassNumber, kGridColumnFormat, kGridAppend, GVCT_LABEL);
        grid.InsertColumn(kClassText, kGridColumnFormat, kGridAppend, GVCT_LABEL);
        grid.InsertColumn(kClassSymbol, kGridColumnFormat, kGridAppend, GVCT_SYMBOL);
        grid.SetColumnWidth(kClassNumberCol, 40);
        grid.SetColumnWidth(kClassTextCol, 140);
        grid.SetColumnWidth(kClassSymbolCol, 40);
        grid.SetFixedRowCount(1);
        grid.SetFixedColumnCount(2);
        grid.SetTextBkColor(RGB(255, 255, 255));
        grid.SetListMode(TRUE);
    }
    grid.DeleteNonFixedRows();
}

void AddClassRow(CGridCtrl& grid, unsigned number, const CString& text, const QXLOGPOINT& symbol) {
    CString heading;
    heading.Format("%d", static_cast<int>(number));
    const int row = grid.InsertRow(heading);
    grid.SetItemText(row, kClassTextCol, text);
    grid.SetItemPoint(row, kClassSymbolCol, symbol);
}

CString ClassRangeText(const CClassEntity& entity) {
    CString text;
    text.Format(kClassRange, numtext::Shown(entity.m_dMin, 2), numtext::Shown(entity.m_dMax, 2));
    return text;
}

void RedrawGrid(CGridCtrl& grid) {
    if (grid.GetSafeHwnd()) grid.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

}  // namespace chart
