#include "mfc/TabCtrl.h"

#include "win32/Text.h"

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

BEGIN_MESSAGE_MAP(CTabCtrl, CWnd)
ON_MESSAGE(TCM_GETITEMCOUNT, OnGetItemCount)
ON_MESSAGE(TCM_SETITEM, OnSetItem)
ON_MESSAGE(TCM_GETITEMRECT, OnGetItemRect)
ON_MESSAGE(TCM_GETROWCOUNT, OnGetRowCount)
ON_MESSAGE(TCM_GETCURSEL, OnGetCurSel)
ON_MESSAGE(TCM_SETCURSEL, OnSetCurSel)
END_MESSAGE_MAP()

BOOL CTabCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("SysTabControl32", "", style, rect, parent, id);
}

int CTabCtrl::ItemWidth(const CString& text) {
    return kItemPadding + kPixelsPerByte * static_cast<int>(text::GbkLength(text.str()));
}

int CTabCtrl::InsertItem(int index, LPCTSTR text) {
    if (index < 0) return -1;
    if (index > GetItemCount()) index = GetItemCount();
    m_items.insert(m_items.begin() + index, CString(text));
    if (m_curSel >= index) ++m_curSel;
    if (m_curSel < 0) m_curSel = 0;  // the first item is selected
    return index;
}

BOOL CTabCtrl::SetItem(int index, const TCITEM* item) {
    if (!item || index < 0 || index >= GetItemCount()) return FALSE;
    if (item->mask & TCIF_TEXT) m_items[static_cast<std::size_t>(index)] = item->pszText;
    return TRUE;
}

CString CTabCtrl::GetItemText(int index) const {
    if (index < 0 || index >= GetItemCount()) return CString();
    return m_items[static_cast<std::size_t>(index)];
}

std::vector<RECT> CTabCtrl::Layout() const {
    CRect client;
    GetClientRect(&client);
    std::vector<RECT> rects;
    int x = 0, row = 0;
    for (const CString& text : m_items) {
        const int w = ItemWidth(text);
        if (x > 0 && x + w > client.Width()) {
            ++row;
            x = 0;
        }
        rects.push_back(RECT{x, row * kRowHeight, x + w, (row + 1) * kRowHeight});
        x += w;
    }
    return rects;
}

BOOL CTabCtrl::GetItemRect(int index, LPRECT rect) const {
    if (!rect || index < 0 || index >= GetItemCount()) return FALSE;
    *rect = Layout()[static_cast<std::size_t>(index)];
    return TRUE;
}

int CTabCtrl::GetRowCount() const {
    const std::vector<RECT> rects = Layout();
    return rects.empty() ? 0 : rects.back().bottom / kRowHeight;
}

int CTabCtrl::SetCurSel(int index) {
    if (index < 0 || index >= GetItemCount()) return -1;
    const int previous = m_curSel;
    m_curSel = index;
    return previous;
}

BOOL CTabCtrl::Click(int index) {
    if (!m_hWnd || !IsWindowEnabled() || index < 0 || index >= GetItemCount()) return FALSE;
    if (index == m_curSel) return TRUE;
    m_curSel = index;
    NMHDR hdr{m_hWnd, static_cast<UINT_PTR>(GetDlgCtrlID()), TCN_SELCHANGE};
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_NOTIFY, static_cast<WPARAM>(GetDlgCtrlID()), reinterpret_cast<LPARAM>(&hdr));
    return TRUE;
}

LRESULT CTabCtrl::OnGetItemCount(WPARAM, LPARAM) { return GetItemCount(); }

LRESULT CTabCtrl::OnSetItem(WPARAM index, LPARAM item) {
    return SetItem(static_cast<int>(index), reinterpret_cast<const TCITEM*>(item));
}

LRESULT CTabCtrl::OnGetItemRect(WPARAM index, LPARAM rect) {
    return GetItemRect(static_cast<int>(index), reinterpret_cast<LPRECT>(rect));
}

LRESULT CTabCtrl::OnGetRowCount(WPARAM, LPARAM) { return GetRowCount(); }

LRESULT CTabCtrl::OnGetCurSel(WPARAM, LPARAM) { return GetCurSel(); }

LRESULT CTabCtrl::OnSetCurSel(WPARAM index, LPARAM) { return SetCurSel(static_cast<int>(index)); }
