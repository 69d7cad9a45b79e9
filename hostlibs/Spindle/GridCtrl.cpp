#include "hosttypes/Spindle/GridCtrl.h"

#include <algorithm>
#include <string>

#include "hostlibs/Spindle/CallLog.h"

IMPLEMENT_DYNCREATE(CGridCtrl, CWnd)

CGridCtrl::CGridCtrl(int nRows, int nCols, int nFixedRows, int nFixedCols)
    : m_crTextColour(RGB(0, 0, 0)),
      m_crTextBkColour(RGB(255, 255, 255)),
      m_crGridColour(RGB(192, 192, 192)),
      m_crFixedBkColour(GetSysColor(COLOR_BTNFACE)) {
    SetRowCount(nRows);
    SetColumnCount(nCols);
    SetFixedRowCount(nFixedRows);
    SetFixedColumnCount(nFixedCols);
}

CGridCtrl::~CGridCtrl() {
    for (GRID_ROW* row : m_RowData) DeleteRow(row);
}

void CGridCtrl::DeleteRow(GRID_ROW* row) {
    if (!row) return;
    for (CGridCellBase* cell : *row) delete cell;
    delete row;
}

void CGridCtrl::ResizeRows() {
    while (static_cast<int>(m_RowData.size()) > m_nRows) {
        DeleteRow(m_RowData.back());
        m_RowData.pop_back();
    }
    while (static_cast<int>(m_RowData.size()) < m_nRows) m_RowData.push_back(new GRID_ROW);
    for (GRID_ROW* row : m_RowData) {
        if (!row) continue;
        while (static_cast<int>(row->size()) > m_nCols) {
            delete row->back();
            row->pop_back();
        }
        while (static_cast<int>(row->size()) < m_nCols) row->push_back(new CGridCell);
    }
}

BOOL CGridCtrl::SetRowCount(int nRows) {
    if (nRows < 0) return FALSE;
    m_nRows = nRows;
    m_nFixedRows = std::min(m_nFixedRows, m_nRows);
    ResizeRows();
    if (m_idCurrentCell.row >= m_nRows) m_idCurrentCell = CCellID();
    return TRUE;
}

BOOL CGridCtrl::SetColumnCount(int nCols) {
    if (nCols < 0) return FALSE;
    m_nCols = nCols;
    m_nFixedCols = std::min(m_nFixedCols, m_nCols);
    ResizeRows();
    if (m_idCurrentCell.col >= m_nCols) m_idCurrentCell = CCellID();
    return TRUE;
}

BOOL CGridCtrl::SetFixedRowCount(int nFixedRows) {
    if (nFixedRows < 0) return FALSE;
    if (nFixedRows > m_nRows) SetRowCount(nFixedRows);
    m_nFixedRows = nFixedRows;
    return TRUE;
}

BOOL CGridCtrl::SetFixedColumnCount(int nFixedCols) {
    if (nFixedCols < 0) return FALSE;
    if (nFixedCols > m_nCols) SetColumnCount(nFixedCols);
    m_nFixedCols = nFixedCols;
    return TRUE;
}

void CGridCtrl::EnsureVisible(int nRow, int nCol) {
    spindle::detail::Log("CGridCtrl::EnsureVisible(" + std::to_string(nRow) + "," + std::to_string(nCol) + ")");
}
