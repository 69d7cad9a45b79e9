#include "framework/PropWndMgr.h"

#include "framework/WndPag.h"
#include "framework/WndProp.h"

namespace {
const char kSheetCaption[] = "Property List";
}

IMPLEMENT_DYNAMIC(CPropWndMgr, CPropertySheet)

BEGIN_MESSAGE_MAP(CPropWndMgr, CPropertySheet)
ON_WM_SIZE()
ON_MESSAGE(WM_PROP_SELCHANGED, OnSelChanged)
ON_MESSAGE(WM_PROP_CHECKVALUE, OnCheckValue)
END_MESSAGE_MAP()

CPropWndMgr::CPropWndMgr(UINT, int) : CPropertySheet(kSheetCaption, nullptr, 0) {}

CPropWndMgr::~CPropWndMgr() {
    // Tear the windows down while every class's handlers can still run, then free the pages.
    if (GetSafeHwnd()) DestroyWindow();
    for (int i = 0; i < m_pages.GetSize(); ++i) delete m_pages[i];
    m_pages.RemoveAll();
    m_titles.RemoveAll();
}

void CPropWndMgr::AddDialogPage(CBCGPPropertyPage* page, CString title) {
    m_pages.Add(page);
    m_titles.Add(title);
}

int CPropWndMgr::AddLstPage(CWndLst* list, CString title) {
    if (!list) return FALSE;
    AddDialogPage(new CWndPag(list), title);
    return TRUE;
}

CBCGPPropertyPage* CPropWndMgr::GetDialogPage(CString title) {
    for (int i = 0; i < m_titles.GetSize(); ++i)
        if (m_titles[i] == title) return m_pages[i];
    return nullptr;
}

void CPropWndMgr::Initialize() {
    for (int i = 0; i < m_pages.GetSize(); ++i) AddPage(m_pages[i]);
}

BOOL CPropWndMgr::Create(CWnd* parent, DWORD style, DWORD exStyle) {
    if (!CPropertySheet::Create(parent, style, exStyle)) return FALSE;
    HWND tab = reinterpret_cast<HWND>(SendMessage(PSM_GETTABCONTROL));
    for (int i = 0; i < m_pages.GetSize(); ++i) {
        TCITEM item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(static_cast<const char*>(m_titles[i]));
        ::SendMessage(tab, TCM_SETITEM, i, reinterpret_cast<LPARAM>(&item));
    }
    return TRUE;
}

BOOL CPropWndMgr::OnInitDialog() {
    const BOOL result = CPropertySheet::OnInitDialog();
    CRect parentClient;
    if (CWnd* parent = GetParent()) parent->GetClientRect(parentClient);

    CRect w;
    GetWindowRect(w);
    ScreenToClient(w);
    MoveWindow(w.left, w.top, parentClient.right, w.Height(), TRUE);

    if (CWnd* tab = GetTabControl()) {
        CRect t;
        GetWindowRect(t);
        tab->ScreenToClient(t);
        tab->MoveWindow(t.left, t.top, parentClient.right, t.Height(), TRUE);
    }
    return result;
}

void CPropWndMgr::OnSize(UINT type, int cx, int cy) {
    CPropertySheet::OnSize(type, cx, cy);
    if (!GetSafeHwnd()) return;
    CRect r;
    GetClientRect(r);
    int h = 0;
    CWnd* tab = GetTabControl();
    if (tab && tab->GetSafeHwnd()) {
        r.InflateRect(2, 2);
        tab->MoveWindow(r, TRUE);
        if (tab->SendMessage(TCM_GETITEMCOUNT) > 0) {
            CRect item;
            tab->SendMessage(TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(static_cast<LPRECT>(item)));
            h = item.Height() * static_cast<int>(tab->SendMessage(TCM_GETROWCOUNT));
        }
    }
    r.top += h;
    r.DeflateRect(4, 2, 4, 2);
    for (int i = 0; i < m_pages.GetSize(); ++i)
        if (m_pages[i]->GetSafeHwnd())
            m_pages[i]->SetWindowPos(nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CPropWndMgr::ForwardToPages(UINT message, WPARAM wParam, LPARAM lParam) {
    for (int i = 0; i < GetPageCount(); ++i) {
        CPropertyPage* page = GetPage(i);
        if (page && page->GetSafeHwnd()) page->SendMessage(message, wParam, lParam);
    }
    return 0;
}

LRESULT CPropWndMgr::OnSelChanged(WPARAM wParam, LPARAM lParam) {
    return ForwardToPages(WM_PROP_SELCHANGED, wParam, lParam);
}

LRESULT CPropWndMgr::OnCheckValue(WPARAM wParam, LPARAM lParam) {
    return ForwardToPages(WM_PROP_CHECKVALUE, wParam, lParam);
}

CPropWndMgr* NewListSheet(std::initializer_list<ListPage> pages) {
    auto* sheet = new CPropWndMgr(0, 0);
    for (const ListPage& page : pages) sheet->AddLstPage(page.list, page.caption);
    sheet->Initialize();
    return sheet;
}

CPropWndMgr* MakeListSheet(CWnd* parent, std::initializer_list<ListPage> pages) {
    CPropWndMgr* sheet = NewListSheet(pages);
    if (!sheet->Create(parent, WS_CHILD | WS_VISIBLE, 0)) {
        delete sheet;  // destroys what was made of its window and frees its pages and lists
        return nullptr;
    }
    return sheet;
}
