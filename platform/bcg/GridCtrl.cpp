#include "bcg/GridCtrl.h"
#include "win32/Text.h"

#include <algorithm>

#include "mfc/Profile.h"

UINT BCGM_GRID_ITEM_CHANGED = ::RegisterWindowMessage("BCGM_GRID_ITEM_CHANGED");

IMPLEMENT_DYNAMIC(CBCGPGridItem, CObject)
IMPLEMENT_DYNAMIC(CBCGPGridRow, CObject)
IMPLEMENT_DYNAMIC(CBCGPGridCtrl, CWnd)

// ---- items ------------------------------------------------------------------------------------------
CBCGPGridItem::CBCGPGridItem(const _variant_t& value, DWORD_PTR data) : m_varValue(value), m_dwData(data) {}
CBCGPGridItem::~CBCGPGridItem() = default;

void CBCGPGridItem::SetValue(const _variant_t& value, BOOL) { m_varValue = value; }

CString CBCGPGridItem::GetLabel() const { return VariantToText(m_varValue); }

BOOL CBCGPGridItem::AddOption(LPCTSTR option, BOOL insertUnique) {
    const std::string text = option ? option : "";
    if (insertUnique && m_optionIndex.Find(m_options, text) >= 0) return FALSE;
    m_options.emplace_back(text.c_str());
    m_optionIndex.Appended(m_options);
    return TRUE;
}

void CBCGPGridItem::RemoveAllOptions() {
    m_options.clear();
    m_optionIndex.Clear();
}

LPCTSTR CBCGPGridItem::GetOption(int index) const {
    if (index < 0 || index >= GetOptionCount()) return nullptr;
    return m_options[static_cast<size_t>(index)].GetString();
}

// ---- rows ---------------------------------------------------------------------------------------------
CBCGPGridRow::CBCGPGridRow(int columns) {
    for (int c = 0; c < columns; ++c) {
        auto* item = new CBCGPGridItem();
        item->m_pRow = this;
        item->m_nColumn = c;
        m_items.push_back(item);
    }
}

CBCGPGridRow::~CBCGPGridRow() {
    for (CBCGPGridItem* item : m_items) delete item;
}

CBCGPGridItem* CBCGPGridRow::GetItem(int column) const {
    if (column < 0 || column >= GetItemCount()) return nullptr;
    return m_items[static_cast<size_t>(column)];
}

BOOL CBCGPGridRow::ReplaceItem(int column, CBCGPGridItem* item, BOOL, BOOL) {
    if (!item) return FALSE;
    if (column < 0 || column >= GetItemCount() || item->m_pRow) {
        if (!item->m_pRow) delete item;
        return FALSE;
    }
    delete m_items[static_cast<size_t>(column)];
    item->m_pRow = this;
    item->m_nColumn = column;
    m_items[static_cast<size_t>(column)] = item;
    return TRUE;
}

// ---- columns ------------------------------------------------------------------------------------------
int CBCGPGridColumnsInfo::GetColumnWidth(int column) const {
    if (column < 0 || column >= GetColumnCount()) return 0;
    return m_columns[static_cast<size_t>(column)].width;
}

CString CBCGPGridColumnsInfo::GetColumnName(int column) const {
    if (column < 0 || column >= GetColumnCount()) return CString();
    return m_columns[static_cast<size_t>(column)].caption;
}

int CBCGPGridColumnsInfo::GetTotalWidth() const {
    int total = 0;
    for (const Column& column : m_columns) total += column.width;
    return total;
}

// ---- grid -----------------------------------------------------------------------------------------------
BEGIN_MESSAGE_MAP(CBCGPGridCtrl, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_TIMER()
ON_WM_HSCROLL()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CBCGPGridCtrl::CBCGPGridCtrl() = default;

CBCGPGridCtrl::~CBCGPGridCtrl() {
    if (GetSafeHwnd()) DestroyWindow();
    RemoveAll();
}

BOOL CBCGPGridCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("BCGPGridCtrl", "", style, rect, parent, id);
}

int CBCGPGridCtrl::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    SetRowHeight();
    return 0;
}

void CBCGPGridCtrl::OnDestroy() {
    m_nTrackColumn = -1;
    CWnd::OnDestroy();
}

void CBCGPGridCtrl::OnTimer(UINT_PTR id) { CWnd::OnTimer(id); }
void CBCGPGridCtrl::OnHScroll(UINT code, UINT pos, CScrollBar* bar) { CWnd::OnHScroll(code, pos, bar); }

void CBCGPGridCtrl::EnableMarkSortedColumn(BOOL mark, BOOL) { m_bMarkSortedColumn = mark; }
void CBCGPGridCtrl::EnableColumnAutoSize(BOOL enable) { m_bColumnAutoSize = enable; }

void CBCGPGridCtrl::EnableHeader(BOOL enable, DWORD flags) {
    m_bHeader = enable;
    m_dwHeaderFlags = flags;
}

void CBCGPGridCtrl::EnableDragHeaderItems(BOOL enable) { m_bDragHeaderItems = enable; }

int CBCGPGridCtrl::InsertColumn(int pos, LPCTSTR caption, int width, int image) {
    auto& columns = m_columnsInfo.m_columns;
    const int at = (pos < 0 || pos > GetColumnCount()) ? GetColumnCount() : pos;
    columns.insert(columns.begin() + at,
                   {CString(caption ? caption : ""), std::clamp(width, kMinColumnWidth, kMaxColumnWidth), image});
    return at;
}

BOOL CBCGPGridCtrl::DeleteAllColumns() {
    m_columnsInfo.m_columns.clear();
    m_nTrackColumn = -1;
    m_nSelCol = -1;
    return TRUE;
}

BOOL CBCGPGridCtrl::SetColumnWidth(int column, int width) {
    if (column < 0 || column >= GetColumnCount()) return FALSE;
    m_columnsInfo.m_columns[static_cast<size_t>(column)].width = std::clamp(width, kMinColumnWidth, kMaxColumnWidth);
    return TRUE;
}

CBCGPGridRow* CBCGPGridCtrl::CreateRow(int columns) { return new CBCGPGridRow(std::max(columns, 0)); }

int CBCGPGridCtrl::AddRow(CBCGPGridRow* row, BOOL) {
    if (!row || row->m_pGrid) return -1;
    row->m_pGrid = this;
    row->m_nRow = GetRowCount();
    m_rows.push_back(row);
    return row->m_nRow;
}

void CBCGPGridCtrl::RemoveAll() {
    for (CBCGPGridRow* row : m_rows) delete row;
    m_rows.clear();
    m_nSelRow = -1;
}

CBCGPGridRow* CBCGPGridCtrl::GetRow(int row) const {
    if (row < 0 || row >= GetRowCount()) return nullptr;
    return m_rows[static_cast<size_t>(row)];
}

CBCGPGridItem* CBCGPGridCtrl::GetItem(int row, int column) const {
    CBCGPGridRow* r = GetRow(row);
    return r ? r->GetItem(column) : nullptr;
}

void CBCGPGridCtrl::SetRowHeight() { m_nRowHeight = kBaseRowHeight; }

void CBCGPGridCtrl::AdjustLayout() {
    if (GetSafeHwnd()) Invalidate();
}

namespace {
std::string EntryName(int index) { return "ColumnWidths" + std::to_string(index); }
std::string ProfileName(LPCTSTR name) { return name ? name : "BCGPGridCtrl"; }
}  // namespace

BOOL CBCGPGridCtrl::SaveState(LPCTSTR profileName, int index) {
    std::vector<int> widths;
    for (int c = 0; c < GetColumnCount(); ++c) widths.push_back(GetColumnWidth(c));
    platform::ProfileStore::Instance().WriteInts(ProfileName(profileName), EntryName(index), widths);
    return TRUE;
}

BOOL CBCGPGridCtrl::LoadState(LPCTSTR profileName, int index) {
    std::vector<int> widths;
    if (!platform::ProfileStore::Instance().ReadInts(ProfileName(profileName), EntryName(index), widths)) return FALSE;
    const int n = std::min(GetColumnCount(), static_cast<int>(widths.size()));
    for (int c = 0; c < n; ++c) SetColumnWidth(c, widths[static_cast<size_t>(c)]);
    return TRUE;
}

void CBCGPGridCtrl::TrackHeader(BOOL track, int offset) {
    if (m_nTrackColumn < 0 || m_nTrackColumn >= GetColumnCount()) {
        m_nTrackColumn = -1;
        return;
    }
    SetColumnWidth(m_nTrackColumn, offset - GetColumnLeft(m_nTrackColumn));
    if (!track) m_nTrackColumn = -1;
    AdjustLayout();
}

int CBCGPGridCtrl::GetColumnLeft(int column) const {
    int left = 0;
    for (int c = 0; c < column && c < GetColumnCount(); ++c) left += GetColumnWidth(c);
    return left;
}

CRect CBCGPGridCtrl::GetCellRect(int row, int column) const {
    const int top = (m_bHeader ? kHeaderHeight : 0) + row * m_nRowHeight;
    const int left = GetColumnLeft(column);
    return CRect(left, top, left + GetColumnWidth(column), top + m_nRowHeight);
}

int CBCGPGridCtrl::DividerAt(int x) const {
    for (int c = 0; c < GetColumnCount(); ++c) {
        const int right = GetColumnLeft(c) + GetColumnWidth(c);
        if (x >= right - 3 && x <= right + 3) return c;
    }
    return -1;
}

void CBCGPGridCtrl::OnLButtonDown(UINT, CPoint point) {
    if (m_bHeader && point.y >= 0 && point.y < kHeaderHeight) {
        m_nTrackColumn = DividerAt(point.x);
        return;
    }
    const int top = m_bHeader ? kHeaderHeight : 0;
    const int row = point.y >= top ? (point.y - top) / m_nRowHeight : -1;
    int col = -1;
    for (int c = 0; c < GetColumnCount(); ++c) {
        const int left = GetColumnLeft(c);
        if (point.x >= left && point.x < left + GetColumnWidth(c)) col = c;
    }
    if (GetItem(row, col)) {
        m_nSelRow = row;
        m_nSelCol = col;
    }
}

void CBCGPGridCtrl::OnLButtonUp(UINT, CPoint point) {
    if (m_nTrackColumn >= 0) TrackHeader(FALSE, point.x);
}

void CBCGPGridCtrl::SendItemChanged(CBCGPGridItem* item, int row, int col) {
    CWnd* owner = GetOwner();
    if (!owner || !owner->GetSafeHwnd()) return;
    BCGPGRID_ITEM_INFO info{item, row, col, 0};
    owner->SendMessage(BCGM_GRID_ITEM_CHANGED, static_cast<WPARAM>(GetDlgCtrlID()), reinterpret_cast<LPARAM>(&info));
}

namespace {
constexpr WPARAM kLeftButton = 0x0001;  // MK_LBUTTON
LPARAM PointParam(CPoint point) { return MAKELPARAM(point.x, point.y); }
CPoint Centre(const CRect& rect) { return CPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2); }
}  // namespace

bool CBCGPGridCtrl::UserClickCell(int row, int col) {
    if (!GetSafeHwnd() || col < 0 || col >= GetColumnCount()) return false;
    CPoint point;
    if (row == 0) {
        if (!m_bHeader) return false;
        point = CPoint(GetColumnLeft(col) + GetColumnWidth(col) / 2, kHeaderHeight / 2);
    } else {
        if (!GetItem(row - 1, col)) return false;
        point = Centre(GetCellRect(row - 1, col));
    }
    SendMessage(WM_LBUTTONDOWN, kLeftButton, PointParam(point));
    SendMessage(WM_LBUTTONUP, 0, PointParam(point));
    return true;
}

bool CBCGPGridCtrl::UserEditCell(int row, int col, const std::string& text) {
    CBCGPGridItem* item = GetItem(row - 1, col);
    if (!GetSafeHwnd() || row < 1 || !item || !item->IsEnabled() || !item->IsAllowEdit()) return false;
    UserClickCell(row, col);
    // The click may have changed the grid (its owner hears the release); the cell must still be there.
    item = GetItem(row - 1, col);
    if (!item) return false;
    // Texts are UTF-8 throughout: bytes that are not never reach the cell or its owner.
    if (!text::IsValidUtf8(text)) return false;
    // Leaving the cell with the text it showed is no edit: nothing is stored or reported.
    if (VariantToText(item->GetValue()).str() == text) return true;
    item->SetValue(_variant_t(text.c_str()));
    SendItemChanged(item, row - 1, col);
    return true;
}

bool CBCGPGridCtrl::UserDragColumnDivider(int col, int width) {
    if (!GetSafeHwnd() || !m_bHeader || col < 0 || col >= GetColumnCount()) return false;
    const CPoint down(GetColumnLeft(col) + GetColumnWidth(col), kHeaderHeight / 2);
    SendMessage(WM_LBUTTONDOWN, kLeftButton, PointParam(down));
    if (m_nTrackColumn != col) return false;  // another divider lies under the mouse
    const int x = GetColumnLeft(col) + width;
    TrackHeader(TRUE, x);  // the mouse moves
    SendMessage(WM_LBUTTONUP, 0, PointParam(CPoint(x, down.y)));
    return true;
}
