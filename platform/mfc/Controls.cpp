#include "mfc/Controls.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)

// ---- CEdit ----------------------------------------------------------------------------

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("EDIT", "", style, rect, parent, id);
}

void CEdit::SetReadOnly(BOOL readOnly) {
    const DWORD flag = ES_READONLY;
    ModifyStyle(readOnly ? 0u : flag, readOnly ? flag : 0u);
}

void CEdit::SetSel(int start, int end) {
    const int length = GetWindowTextString().GetLength();
    if (start < 0) start = length;
    if (end < 0 || end > length) end = length;
    m_selStart = std::min(start, length);
    m_selEnd = std::max(m_selStart, end);
}

void CEdit::GetSel(int& start, int& end) const {
    start = m_selStart;
    end = m_selEnd;
}

void CEdit::ReplaceSel(LPCTSTR text) {
    std::string s = GetWindowTextString().str();
    const std::size_t a = std::min<std::size_t>(static_cast<std::size_t>(m_selStart), s.size());
    const std::size_t b = std::min<std::size_t>(static_cast<std::size_t>(m_selEnd), s.size());
    const std::string typed = text ? text : "";
    s.replace(a, b - a, typed);
    SetWindowText(s.c_str());
    m_selStart = m_selEnd = static_cast<int>(a + typed.size());
}

// ---- CStatic, CButton ----------------------------------------------------------------

BOOL CStatic::Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("STATIC", text, style, rect, parent, id);
}

BOOL CButton::Create(LPCTSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("BUTTON", caption, style, rect, parent, id);
}

BOOL CButton::Click() {
    if (!m_hWnd || !IsWindowEnabled()) return FALSE;
    if ((GetStyle() & 0x0F) == BS_AUTOCHECKBOX) m_check = m_check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
    CWnd* parent = GetParent();
    if (parent)
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), reinterpret_cast<LPARAM>(m_hWnd));
    return TRUE;
}

// ---- CComboBox ------------------------------------------------------------------------

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    if (!CWnd::Create("COMBOBOX", "", style, rect, parent, id)) return FALSE;
    if (style & CBS_OWNERDRAWFIXED) {
        // A fixed owner-drawn box asks its height once, when it is created.
        MEASUREITEMSTRUCT mis{};
        mis.CtlType = 3;  // ODT_COMBOBOX
        mis.CtlID = id;
        mis.itemID = 0;
        mis.itemHeight = static_cast<UINT>(m_itemHeight);
        MeasureItem(&mis);
        m_itemHeight = static_cast<int>(mis.itemHeight);
    }
    return m_hWnd ? TRUE : FALSE;
}

int CComboBox::AddString(LPCTSTR text) {
    m_entries.push_back({CString(text), 0});
    return GetCount() - 1;
}

int CComboBox::InsertString(int index, LPCTSTR text) {
    if (index < 0) return AddString(text);
    if (index > GetCount()) return CB_ERR;
    m_entries.insert(m_entries.begin() + index, Entry{CString(text), 0});
    if (m_curSel >= index) ++m_curSel;
    return index;
}

int CComboBox::DeleteString(UINT index) {
    if (index >= m_entries.size()) return CB_ERR;
    m_entries.erase(m_entries.begin() + index);
    if (m_curSel == static_cast<int>(index))
        m_curSel = CB_ERR;
    else if (m_curSel > static_cast<int>(index))
        --m_curSel;
    SyncText();
    return GetCount();
}

void CComboBox::ResetContent() {
    if (m_hWnd) {
        SendMessage(CB_RESETCONTENT);
    } else {
        m_entries.clear();
        m_curSel = CB_ERR;
    }
}

LRESULT CComboBox::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case CB_RESETCONTENT:
            m_entries.clear();
            m_curSel = CB_ERR;
            SyncText();
            return 0;
        case WM_CLEAR:
            return 0;  // a drop-down list has no editable field to clear
        case CB_GETCOUNT:
            return GetCount();
        case CB_GETCURSEL:
            return m_curSel;
        case CB_SETCURSEL:
            return SetCurSel(static_cast<int>(wParam));
        default:
            return CWnd::DefWindowProc(message, wParam, lParam);
    }
}

int CComboBox::SetCurSel(int index) {
    if (index < 0 || index >= GetCount()) {
        m_curSel = CB_ERR;
        SyncText();
        return CB_ERR;
    }
    m_curSel = index;
    SyncText();
    return index;
}

void CComboBox::SyncText() {
    const CString text = m_curSel >= 0 ? m_entries[static_cast<std::size_t>(m_curSel)].text : CString();
    if (m_hWnd) CWnd::DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.GetString()));
}

int CComboBox::GetLBText(int index, CString& text) const {
    if (index < 0 || index >= GetCount()) return CB_ERR;
    text = m_entries[static_cast<std::size_t>(index)].text;
    return text.GetLength();
}

CString CComboBox::GetLBText(int index) const {
    CString text;
    GetLBText(index, text);
    return text;
}

int CComboBox::GetLBTextLen(int index) const {
    if (index < 0 || index >= GetCount()) return CB_ERR;
    return m_entries[static_cast<std::size_t>(index)].text.GetLength();
}

DWORD_PTR CComboBox::GetItemData(int index) const {
    if (index < 0 || index >= GetCount()) return static_cast<DWORD_PTR>(CB_ERR);
    return m_entries[static_cast<std::size_t>(index)].data;
}

int CComboBox::SetItemData(int index, DWORD_PTR data) {
    if (index < 0 || index >= GetCount()) return CB_ERR;
    m_entries[static_cast<std::size_t>(index)].data = data;
    return 0;
}

int CComboBox::FindStringExact(int start, LPCTSTR text) const {
    const int n = GetCount();
    if (n == 0) return CB_ERR;
    const CString wanted(text);
    const int first = (start < 0 || start >= n) ? 0 : start + 1;
    // The search wraps round to the entries before start, as the control's does.
    for (int k = 0; k < n; ++k) {
        const int i = (first + k) % n;
        if (m_entries[static_cast<std::size_t>(i)].text == wanted) return i;
    }
    return CB_ERR;
}

void CComboBox::DrawItem(LPDRAWITEMSTRUCT) {}

void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) {}

void CComboBox::DrawEntry(int index, UINT action, UINT state, HDC dc, const RECT& rect) {
    DRAWITEMSTRUCT dis{};
    dis.CtlType = 3;  // ODT_COMBOBOX
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID());
    dis.itemID = static_cast<UINT>(index);
    dis.itemAction = action;
    dis.itemState = state;
    dis.hwndItem = m_hWnd;
    dis.hDC = dc;
    dis.rcItem = rect;
    dis.itemData = (index >= 0 && index < GetCount()) ? m_entries[static_cast<std::size_t>(index)].data : 0;
    DrawItem(&dis);
}

BOOL CComboBox::SelectAsUser(int index) {
    if (!m_hWnd || !IsWindowEnabled() || index < 0 || index >= GetCount()) return FALSE;
    SetCurSel(index);
    m_dropped = false;
    // The handlers may destroy this box (the grid ends its editing): only handles from here on.
    const HWND self = m_hWnd;
    CWnd* parent = GetParent();
    const HWND parentHwnd = parent ? parent->m_hWnd : nullptr;
    const UINT id = static_cast<UINT>(GetDlgCtrlID());
    if (!parentHwnd) return TRUE;
    ::SendMessage(parentHwnd, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(self));
    if (::IsWindow(self) && ::IsWindow(parentHwnd))
        ::SendMessage(parentHwnd, WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK), reinterpret_cast<LPARAM>(self));
    return TRUE;
}
