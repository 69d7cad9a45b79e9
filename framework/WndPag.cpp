#include "framework/WndPag.h"

#include "framework/WndLst.h"

IMPLEMENT_DYNCREATE(CWndPag, CBCGPPropertyPage)

BEGIN_MESSAGE_MAP(CWndPag, CBCGPPropertyPage)
ON_WM_SIZE()
ON_WM_DESTROY()
ON_MESSAGE(WM_PROP_SELCHANGED, OnSelChanged)
ON_MESSAGE(WM_PROP_CHECKVALUE, OnCheckValue)
END_MESSAGE_MAP()

CWndPag::CWndPag() : CBCGPPropertyPage(IDD_PROPPAGE_LIST) {}

CWndPag::CWndPag(CWndLst* list) : CBCGPPropertyPage(IDD_PROPPAGE_LIST), m_pWndLst(list) {}

CWndPag::~CWndPag() {
    if (GetSafeHwnd()) DestroyWindow();
    delete m_pWndLst;
}

CWnd* CWndPag::GetWndLst() const { return m_pWndLst; }

void CWndPag::DoDataExchange(CDataExchange*) {}

BOOL CWndPag::OnInitDialog() {
    CBCGPPropertyPage::OnInitDialog();
    // A list that cannot be created leaves the page empty; the page itself still opens.
    if (m_pWndLst)
        m_pWndLst->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, kPropListCtrlId, nullptr);
    return TRUE;
}

void CWndPag::OnSize(UINT type, int cx, int cy) {
    CBCGPPropertyPage::OnSize(type, cx, cy);
    if (!GetSafeHwnd() || !m_pWndLst || !m_pWndLst->GetSafeHwnd()) return;
    CRect r;
    GetClientRect(r);
    m_pWndLst->SetWindowPos(nullptr, r.left - 1, r.top - 1, r.Width() + 2, r.Height() + 2,
                            SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWndPag::OnDestroy() {
    if (m_pWndLst && m_pWndLst->GetSafeHwnd()) m_pWndLst->DestroyWindow();
    CBCGPPropertyPage::OnDestroy();
}

LRESULT CWndPag::ForwardToList(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pWndLst && m_pWndLst->GetSafeHwnd()) return m_pWndLst->SendMessage(message, wParam, lParam);
    return 0;
}

LRESULT CWndPag::OnSelChanged(WPARAM wParam, LPARAM lParam) {
    return ForwardToList(WM_PROP_SELCHANGED, wParam, lParam);
}

LRESULT CWndPag::OnCheckValue(WPARAM wParam, LPARAM lParam) {
    return ForwardToList(WM_PROP_CHECKVALUE, wParam, lParam);
}
