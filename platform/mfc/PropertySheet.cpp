#include "mfc/PropertySheet.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
ON_MESSAGE(PSM_GETTABCONTROL, OnGetTabControl)
END_MESSAGE_MAP()

CPropertySheet::CPropertySheet() = default;

CPropertySheet::CPropertySheet(LPCTSTR caption, CWnd* parent, UINT selectPage)
    : m_strCaption(caption), m_pParentWnd(parent), m_activePage(static_cast<int>(selectPage)) {}

CPropertySheet::~CPropertySheet() {
    // While this is still a sheet, so that its handlers hear WM_DESTROY.
    if (m_hWnd) DestroyWindow();
}

void CPropertySheet::AddPage(CPropertyPage* page) {
    if (!page) return;
    m_pages.push_back(page);
    if (m_tab.m_hWnd) m_tab.InsertItem(GetPageCount() - 1, page->GetTemplateCaption());
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
    return index >= 0 && index < GetPageCount() ? m_pages[static_cast<std::size_t>(index)] : nullptr;
}

int CPropertySheet::GetPageIndex(const CPropertyPage* page) const {
    auto it = std::find(m_pages.begin(), m_pages.end(), page);
    return it == m_pages.end() ? -1 : static_cast<int>(it - m_pages.begin());
}

CPropertyPage* CPropertySheet::GetActivePage() const { return GetPage(m_activePage); }

BOOL CPropertySheet::SetActivePage(int index) {
    if (index < 0 || index >= GetPageCount()) return FALSE;
    if (!m_hWnd) {
        m_activePage = index;
        return TRUE;
    }
    return ShowPage(index);
}

CTabCtrl* CPropertySheet::GetTabControl() const { return m_tab.m_hWnd ? const_cast<CTabCtrl*>(&m_tab) : nullptr; }

LRESULT CPropertySheet::OnGetTabControl(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(m_tab.m_hWnd); }

SIZE CPropertySheet::SheetSize() const {
    SIZE page{0, 0};
    for (const CPropertyPage* p : m_pages) {
        const SIZE s = p->GetTemplateSize();
        page.cx = std::max(page.cx, s.cx);
        page.cy = std::max(page.cy, s.cy);
    }
    return SIZE{page.cx + 4, page.cy + CTabCtrl::kRowHeight};
}

CRect CPropertySheet::GetPageArea() const {
    CRect client;
    GetClientRect(&client);
    int h = 0;
    RECT item;
    if (m_tab.m_hWnd && m_tab.GetItemRect(0, &item)) h = (item.bottom - item.top) * m_tab.GetRowCount();
    return CRect(client.left + 2, client.top + h, client.right - 2, client.bottom);
}

BOOL CPropertySheet::Create(CWnd* parent, DWORD style, DWORD exStyle) {
    if (m_hWnd) return FALSE;
    if (style == static_cast<DWORD>(-1)) style = WS_POPUP | WS_CAPTION | WS_VISIBLE;
    if (!parent) parent = m_pParentWnd;
    const SIZE size = SheetSize();
    if (!CreateEx(exStyle, "#32770", m_strCaption, style, CRect(0, 0, size.cx, size.cy), parent, 0)) return FALSE;

    CRect client;
    GetClientRect(&client);
    if (!m_tab.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, client, this, kTabControlId)) {
        DestroyWindow();
        return FALSE;
    }
    for (int i = 0; i < GetPageCount(); ++i)
        m_tab.InsertItem(i, m_pages[static_cast<std::size_t>(i)]->GetTemplateCaption());

    if (!m_pages.empty()) {
        const int start = m_activePage >= 0 && m_activePage < GetPageCount() ? m_activePage : 0;
        m_activePage = -1;  // nothing shown yet
        if (!ShowPage(start)) {
            m_activePage = start;
            DestroyWindow();
            return FALSE;
        }
    }
    OnInitDialog();
    return m_hWnd ? TRUE : FALSE;
}

BOOL CPropertySheet::OnInitDialog() { return TRUE; }

BOOL CPropertySheet::ShowPage(int index) {
    CPropertyPage* page = GetPage(index);
    if (!page) return FALSE;
    if (index == m_activePage && page->m_hWnd) return TRUE;

    const bool created = !page->m_hWnd;
    if (created && !page->Create(page->m_nIDTemplate, this)) return FALSE;
    const CRect area = GetPageArea();
    CRect before;
    page->GetClientRect(&before);
    page->SetWindowPos(nullptr, area.left, area.top, area.Width(), area.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    CRect after;
    page->GetClientRect(&after);
    if (created && page->m_hWnd && before.Size() == after.Size())
        page->SendMessage(WM_SIZE, 0, MAKELPARAM(after.Width(), after.Height()));
    if (!page->m_hWnd || !page->OnSetActive()) return FALSE;

    CPropertyPage* previous = GetActivePage();
    if (previous && previous != page && previous->m_hWnd) previous->ShowWindow(SW_HIDE);
    page->ShowWindow(SW_SHOW);
    m_activePage = index;
    m_tab.SetCurSel(index);
    return TRUE;
}

BOOL CPropertySheet::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lParam);
    if (hdr && m_tab.m_hWnd && hdr->hwndFrom == m_tab.m_hWnd && hdr->code == TCN_SELCHANGE) {
        // The user chose a tab: show its page, or put the selection back when it cannot be shown.
        if (!ShowPage(m_tab.GetCurSel())) m_tab.SetCurSel(m_activePage);
        *result = 0;
        return TRUE;
    }
    return CWnd::OnNotify(wParam, lParam, result);
}
