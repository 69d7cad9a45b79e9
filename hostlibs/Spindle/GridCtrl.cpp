#include "hosttypes/Spindle/GridCtrl.h"

#include <algorithm>
#include <string>

#include "hostlibs/Spindle/CallLog.h"
#include "mfc/Dialog.h"
#include "win32/Text.h"
#include "hostlibs/Spindle/Testing.h"

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
    if (m_selection.GetMaxRow() >= m_nRows) SetSelectedRange(CCellRange());
    return TRUE;
}

BOOL CGridCtrl::SetColumnCount(int nCols) {
    if (nCols < 0) return FALSE;
    m_nCols = nCols;
    m_columns.resize(static_cast<std::size_t>(nCols));
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

// ---- creation and columns ---------------------------------------------------------------------

namespace {
bool g_refuseCreate = false;
}  // namespace

namespace spindle::testing {
void SetCreateRefusal(bool refuse) { g_refuseCreate = refuse; }
}  // namespace spindle::testing

namespace spindle::detail {
void ResetCreateRefusal() { g_refuseCreate = false; }
}  // namespace spindle::detail

BOOL CGridCtrl::Create(const RECT& rect, CWnd* parent, UINT nID, DWORD dwStyle) {
    spindle::detail::Log("CGridCtrl::Create(" + std::to_string(nID) + ")");
    if (g_refuseCreate) return FALSE;
    if (!CWnd::CreateEx(0, "MFCGridCtrl", "", dwStyle, rect, parent, nID)) return FALSE;
    SetOwner(parent);
    return TRUE;
}

int CGridCtrl::InsertColumn(LPCTSTR heading, UINT format, int column, int cellType, const CStringArray* options) {
    if (m_nRows < 1) SetRowCount(1);
    const int at = (column < 0 || column > m_nCols) ? m_nCols : column;
    Column col;
    col.type = cellType;
    col.format = format;
    if (options)
        for (INT_PTR i = 0; i < options->GetSize(); ++i) col.options.push_back(options->GetAt(i));
    m_columns.insert(m_columns.begin() + at, std::move(col));
    for (GRID_ROW* row : m_RowData)
        if (row && static_cast<int>(row->size()) >= at) row->insert(row->begin() + at, new CGridCell);
    ++m_nCols;
    if (m_idCurrentCell.col >= at) m_idCurrentCell = CCellID();
    SetItemText(0, at, heading);
    return at;
}

int CGridCtrl::GetColumnType(int nCol) const {
    return (nCol >= 0 && nCol < m_nCols) ? m_columns[static_cast<std::size_t>(nCol)].type : GVCT_TEXT;
}

UINT CGridCtrl::GetColumnFormat(int nCol) const {
    return (nCol >= 0 && nCol < m_nCols) ? m_columns[static_cast<std::size_t>(nCol)].format : 0;
}

const std::vector<CString>& CGridCtrl::GetColumnOptions(int nCol) const {
    static const std::vector<CString> none;
    return (nCol >= 0 && nCol < m_nCols) ? m_columns[static_cast<std::size_t>(nCol)].options : none;
}

BOOL CGridCtrl::SetColumnWidth(int nCol, int width) {
    if (nCol < 0 || nCol >= m_nCols || width < 0) return FALSE;
    m_columns[static_cast<std::size_t>(nCol)].width = width;
    return TRUE;
}

int CGridCtrl::GetColumnWidth(int nCol) const {
    return (nCol >= 0 && nCol < m_nCols) ? m_columns[static_cast<std::size_t>(nCol)].width : 0;
}

// ---- cells --------------------------------------------------------------------------------------

BOOL CGridCtrl::SetItemText(int nRow, int nCol, LPCTSTR text) {
    CGridCellBase* cell = GetCell(nRow, nCol);
    if (!cell) return FALSE;
    cell->SetText(text);
    return TRUE;
}

CString CGridCtrl::GetItemText(int nRow, int nCol) const {
    const CGridCellBase* cell = GetCell(nRow, nCol);
    return cell ? CString(cell->GetText()) : CString();
}

BOOL CGridCtrl::SetItemBkColour(int nRow, int nCol, COLORREF colour) {
    CGridCellBase* cell = GetCell(nRow, nCol);
    if (!cell) return FALSE;
    cell->SetBackClr(colour);
    return TRUE;
}

COLORREF CGridCtrl::GetItemBkColour(int nRow, int nCol) const {
    const CGridCellBase* cell = GetCell(nRow, nCol);
    return cell ? cell->GetBackClr() : static_cast<COLORREF>(-1);
}

void CGridCtrl::SetCellChangable(int nRow, int nCol, BOOL changable) {
    CGridCellBase* cell = GetCell(nRow, nCol);
    if (!cell) return;
    const DWORD state = cell->GetState();
    cell->SetState(changable ? (state & ~GVIS_READONLY) : (state | GVIS_READONLY));
}

BOOL CGridCtrl::IsCellChangable(int nRow, int nCol) const {
    const CGridCellBase* cell = GetCell(nRow, nCol);
    return cell && !(cell->GetState() & GVIS_READONLY);
}

BOOL CGridCtrl::DeleteAllItems() {
    m_nFixedRows = 0;
    m_nFixedCols = 0;
    SetRowCount(0);
    SetColumnCount(0);
    m_idCurrentCell = CCellID();
    SetSelectedRange(CCellRange());
    return TRUE;
}

BOOL CGridCtrl::DeleteNonFixedRows() { return SetRowCount(m_nFixedRows); }

int CGridCtrl::InsertRow(LPCTSTR heading, int position) {
    const int at = (position < 0 || position > m_nRows) ? m_nRows : position;
    auto* row = new GRID_ROW;
    for (int c = 0; c < m_nCols; ++c) row->push_back(new CGridCell);
    m_RowData.insert(m_RowData.begin() + at, row);
    ++m_nRows;
    m_idCurrentCell = CCellID();
    SetSelectedRange(CCellRange());
    SetItemText(at, 0, heading);
    return at;
}

BOOL CGridCtrl::DeleteRow(int nRow) {
    if (nRow < 0 || nRow >= m_nRows) return FALSE;
    DeleteRow(m_RowData[static_cast<std::size_t>(nRow)]);
    m_RowData.erase(m_RowData.begin() + nRow);
    --m_nRows;
    if (nRow < m_nFixedRows) --m_nFixedRows;
    m_idCurrentCell = CCellID();
    SetSelectedRange(CCellRange());
    return TRUE;
}

BOOL CGridCtrl::SetItemPoint(int nRow, int nCol, const QXLOGPOINT& point) {
    CGridCellBase* cell = GetCell(nRow, nCol);
    if (!cell) return FALSE;
    cell->SetPoint(point);
    return TRUE;
}

BOOL CGridCtrl::GetItemPoint(int nRow, int nCol, QXLOGPOINT& point) const {
    const CGridCellBase* cell = GetCell(nRow, nCol);
    if (!cell) return FALSE;
    point = cell->GetPoint();
    return TRUE;
}

// ---- focus and selection ------------------------------------------------------------------------

BOOL CGridCtrl::SetFocusCell(int nRow, int nCol) {
    if (nRow < m_nFixedRows || nRow >= m_nRows || nCol < 0 || nCol >= m_nCols) return FALSE;
    m_idCurrentCell = CCellID(nRow, nCol);
    return TRUE;
}

void CGridCtrl::SetSelectedRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol) {
    SetSelectedRange(CCellRange(nMinRow, nMinCol, nMaxRow, nMaxCol));
}

void CGridCtrl::SetSelectedRange(const CCellRange& range) {
    m_selectedCells.clear();
    const bool inside = range.IsValid() && range.GetMaxRow() < m_nRows && range.GetMaxCol() < m_nCols;
    m_selection = inside ? range : CCellRange();
    if (!inside) return;
    for (int r = range.GetMinRow(); r <= range.GetMaxRow(); ++r)
        for (int c = range.GetMinCol(); c <= range.GetMaxCol(); ++c) m_selectedCells.emplace_back(r, c);
}

// ---- notifications and the user's actions -------------------------------------------------------

LRESULT CGridCtrl::SendMessageToParent(int nRow, int nCol, int code) {
    CWnd* owner = GetOwner();
    if (!m_hWnd || !owner || !owner->GetSafeHwnd()) return 0;
    NM_GRIDVIEW nm{};
    nm.hdr.hwndFrom = m_hWnd;
    nm.hdr.idFrom = GetDlgCtrlID();
    nm.hdr.code = code;
    nm.iRow = nRow;
    nm.iColumn = nCol;
    return owner->SendMessage(WM_NOTIFY, static_cast<WPARAM>(GetDlgCtrlID()), reinterpret_cast<LPARAM>(&nm));
}

void CGridCtrl::OnEndEditCell(int nRow, int nCol, CString text) {
    if (!SetItemText(nRow, nCol, text)) return;
    SendMessageToParent(nRow, nCol, GVN_ENDLABELEDIT);
}

bool CGridCtrl::UserEditCell(int nRow, int nCol, const std::string& text) {
    if (!m_hWnd || !m_bEditable || !GetCell(nRow, nCol)) return false;
    if (nRow < m_nFixedRows || nCol < m_nFixedCols || !IsCellChangable(nRow, nCol)) return false;
    // Texts are UTF-8 throughout: bytes that are not never reach the cell or its owner.
    if (!text::IsValidUtf8(text)) return false;
    // Leaving the cell with the text it showed is no edit: nothing is stored or reported.
    if (GetItemText(nRow, nCol) == text.c_str()) return true;
    OnEndEditCell(nRow, nCol, CString(text.c_str()));
    return true;
}

bool CGridCtrl::UserClickCell(int nRow, int nCol) {
    if (!m_hWnd || !GetCell(nRow, nCol)) return false;
    const bool data = nRow >= m_nFixedRows && nCol >= m_nFixedCols;
    // A click below the header rows focuses and selects the cell.
    if (SetFocusCell(nRow, nCol)) SetSelectedRange(nRow, nCol, nRow, nCol);
    if (data && GetColumnType(nCol) == GVCT_SWITCH && IsCellChangable(nRow, nCol)) {
        SetItemText(nRow, nCol, GetItemText(nRow, nCol) == "TRUE" ? "FALSE" : "TRUE");
        SendMessageToParent(nRow, nCol, GVN_SWITCHCHANGED);
        return true;
    }
    SendMessageToParent(nRow, nCol, GVN_CELLCLICK);
    return true;
}

bool CGridCtrl::UserPickSymbol(int nRow, int nCol, const QXLOGPOINT& point) {
    if (!m_hWnd || !m_bEditable || !GetCell(nRow, nCol) || GetColumnType(nCol) != GVCT_SYMBOL) return false;
    if (nRow < m_nFixedRows || nCol < m_nFixedCols || !IsCellChangable(nRow, nCol)) return false;
    SetItemPoint(nRow, nCol, point);
    SendMessageToParent(nRow, nCol, GVN_ENDLABELEDIT);
    return true;
}

void DDX_GridControl(CDataExchange* dx, int id, CGridCtrl& grid) { DDX_Control(dx, id, grid); }

// ---- line styles, picks and block edits ------------------------------------------------------------

BOOL CGridCtrl::SetItemGraphStyle(int nRow, int nCol, UINT style) {
    CGridCellBase* cell = GetCell(nRow, nCol);
    if (!cell) return FALSE;
    cell->SetGraphStyle(style);
    return TRUE;
}

UINT CGridCtrl::GetItemGraphStyle(int nRow, int nCol) const {
    const CGridCellBase* cell = GetCell(nRow, nCol);
    return cell ? cell->GetGraphStyle() : 0;
}

namespace {
// A data cell of the kind that the user may change.
bool Pickable(const CGridCtrl& grid, int nRow, int nCol, int kind) {
    return grid.GetSafeHwnd() && grid.IsEditable() && grid.GetCell(nRow, nCol) && grid.GetColumnType(nCol) == kind &&
           nRow >= grid.GetFixedRowCount() && nCol >= grid.GetFixedColumnCount() && grid.IsCellChangable(nRow, nCol);
}
}  // namespace

bool CGridCtrl::UserPickCellColour(int nRow, int nCol, COLORREF colour) {
    if (!Pickable(*this, nRow, nCol, GVCT_COLOR)) return false;
    SetItemBkColour(nRow, nCol, colour);
    OnEndEditCell(nRow, nCol, GetItemText(nRow, nCol));
    return true;
}

bool CGridCtrl::UserPickCellLineStyle(int nRow, int nCol, UINT style) {
    if (!Pickable(*this, nRow, nCol, GVCT_LINESTYLE)) return false;
    SetItemGraphStyle(nRow, nCol, style);
    OnEndEditCell(nRow, nCol, GetItemText(nRow, nCol));
    return true;
}

bool CGridCtrl::UserSelectCells(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol) {
    if (!m_hWnd) return false;
    SetSelectedRange(nMinRow, nMinCol, nMaxRow, nMaxCol);
    return m_selection.IsValid();
}

bool CGridCtrl::UserEditSelectedCells(const std::string& text) {
    if (!m_hWnd || !m_bEditable || !m_selection.IsValid() || !text::IsValidUtf8(text)) return false;
    bool changed = false;
    for (int r = std::max(m_selection.GetMinRow(), m_nFixedRows); r <= m_selection.GetMaxRow(); ++r)
        for (int c = std::max(m_selection.GetMinCol(), m_nFixedCols); c <= m_selection.GetMaxCol(); ++c)
            if (IsCellChangable(r, c) && GetItemText(r, c) != text.c_str()) {
                SetItemText(r, c, text.c_str());
                changed = true;
            }
    // A block left with the text every cell showed is no edit.
    if (!changed) return true;
    CWnd* owner = GetOwner();
    if (owner && owner->GetSafeHwnd())
        owner->SendMessage(WM_COMMAND, static_cast<WPARAM>(GetDlgCtrlID()), reinterpret_cast<LPARAM>(m_hWnd));
    return true;
}
