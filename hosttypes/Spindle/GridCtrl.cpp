#include "hosttypes/Spindle/GridCtrl.h"

int CGridCtrl::SetMouseMode(int mode) {
    const int previous = m_MouseMode;
    m_MouseMode = mode;
    return previous;
}

void CGridCtrl::EnsureVisible(CCellID& cell) { EnsureVisible(cell.row, cell.col); }

CGridCellBase* CGridCtrl::GetCell(int nRow, int nCol) const {
    if (nRow < 0 || nRow >= m_nRows || nCol < 0 || nCol >= m_nCols) return nullptr;
    if (static_cast<std::size_t>(nRow) >= m_RowData.size()) return nullptr;
    const GRID_ROW* row = m_RowData[nRow];
    if (!row || static_cast<std::size_t>(nCol) >= row->size()) return nullptr;
    return (*row)[nCol];
}

BOOL CGridCtrl::SetCell(int nRow, int nCol, CGridCellBase* cell) {
    if (nRow < 0 || nRow >= m_nRows || nCol < 0 || nCol >= m_nCols) return 0;
    if (static_cast<std::size_t>(nRow) >= m_RowData.size()) return 0;
    GRID_ROW* row = m_RowData[nRow];
    if (!row || static_cast<std::size_t>(nCol) >= row->size()) return 0;
    (*row)[nCol] = cell;
    return 1;
}
