#include "framework/WndProp.h"

#include "bcg/PropList.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "mfc/Dc.h"
#include "mfc/Module.h"

IMPLEMENT_DYNCREATE(CWndProp, CWnd)

BEGIN_MESSAGE_MAP(CWndProp, CWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_CONTEXTMENU()
ON_REGISTERED_MESSAGE(BCGM_PROPERTY_CHANGED, OnBCGPPropertyChanged)
ON_MESSAGE(WM_PROP_SELCHANGED, OnSelChanged)
END_MESSAGE_MAP()

CWndProp::CWndProp() = default;
CWndProp::~CWndProp() = default;

void CWndProp::AdjustLayout() { AdjustWndLayout(nullptr); }

BOOL CWndProp::IsHideInAutoHideMode() const { return TRUE; }

void CWndProp::SetVSDotNetLook(BOOL) {}

LRESULT CWndProp::OnPropertyChanged(WPARAM, LPARAM) { return 0; }

void CWndProp::UpdateBCGPProperty(long, CString) {}

void CWndProp::UpdateView() {
    if (!m_pView) return;
    m_pView->InvalidateRect(nullptr, FALSE);
    m_pView->UpdateWindow();
}

int CWndProp::InitPropWnd() { return -1; }

int CWndProp::InitToolbar() {
    const UINT id = GetToolbarID();
    if (id == 0) {
        AdjustLayout();
        return 0;
    }
    const HINSTANCE saved = AfxGetResourceHandle();
    AfxSetResourceHandle(GetDllHandle());
    m_wndToolBar.Create(this, 0x50402808u, id);
    m_wndToolBar.LoadToolBar(id, 0, 0, TRUE);
    m_wndToolBar.SetPaneStyle(m_wndToolBar.GetPaneStyle() | CBRS_TOOLTIPS | CBRS_FLYBY);
    m_wndToolBar.SetPaneStyle(m_wndToolBar.GetPaneStyle() & ~0x400F04u);
    m_wndToolBar.SetOwner(this);
    m_wndToolBar.SetRouteCommandsViaFrame(FALSE);
    AfxSetResourceHandle(saved);
    AdjustLayout();
    return 0;
}

HINSTANCE CWndProp::GetDllHandle() { return nullptr; }

UINT CWndProp::GetToolbarID() { return 0; }

void CWndProp::AdjustWndLayout(CWnd* child) {
    if (!GetSafeHwnd()) return;
    CRect r;
    GetClientRect(r);
    int h = 0;
    if (m_wndToolBar.GetSafeHwnd()) {
        h = m_wndToolBar.CalcFixedLayout(FALSE, TRUE).cy;
        m_wndToolBar.SetWindowPos(nullptr, r.left, r.top, r.Width(), h, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (child && child->GetSafeHwnd()) {
        child->SetWindowPos(nullptr, r.left + 1, r.top + h + 1, r.Width() - 2, r.Height() - h - 2,
                            SWP_NOZORDER | SWP_NOACTIVATE);
        child->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}

void CWndProp::PaintWndBound(CDC* dc, CWnd* child) {
    if (!dc || !child || !child->GetSafeHwnd()) return;
    CRect r;
    child->GetWindowRect(r);
    ScreenToClient(r);
    r.InflateRect(1, 1);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    dc->Draw3dRect(r, shadow, shadow);
}

int CWndProp::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    if (InitPropWnd() == -1) return -1;
    if (InitToolbar() == -1) return -1;
    return 0;
}

void CWndProp::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    AdjustLayout();
}

void CWndProp::OnPaint() {
    CPaintDC dc(this);
    PaintWndBound(&dc, nullptr);
}

// Consumed: a pane shows no menu and its parent never sees the request.
void CWndProp::OnContextMenu(CWnd*, CPoint) {}

void CWndProp::ShowItemAgain(CBCGPProp* item) {
    if (item) item->Redraw();
}

bool AnswerRefusal(CBCGPProp* item, const std::function<void(CBCGPProp*)>& showAgain) {
    // Float and size text items judge their texts (any other item keeps its editor open instead).
    auto* judged = dynamic_cast<CJudgedProp*>(item);
    const bool judgedRefusal = judged && judged->IsTextRefused();
    if (!judgedRefusal && !(item && item->IsValueRefused())) {
        if (judged) judged->TakeReport();
        return false;
    }
    // A text set by code is held until the text it replaced is put back.
    if (judgedRefusal && judged->IsReportedText()) ShowTextBefore(item);
    const _variant_t before = item->GetValue();
    showAgain(item);
    KeepTypeOf(item, before);
    // The re-show set the value: the refusal still holds, until code sets a new value.
    if (judgedRefusal) judged->MarkRefused();
    return true;
}

// A text for an option list goes to the list, which reads it as it reads any other text.
LRESULT CWndProp::OnBCGPPropertyChanged(WPARAM wParam, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    if (AnswerRefusal(item, [this](CBCGPProp* refused) { ShowItemAgain(refused); })) return 0;
    return OnPropertyChanged(wParam, lParam);
}

LRESULT CWndProp::OnSelChanged(WPARAM wParam, LPARAM lParam) {
    m_pView = reinterpret_cast<CWnd*>(wParam);
    m_bSameObject = (m_curObject == static_cast<long>(lParam)) ? TRUE : FALSE;
    m_curObject = static_cast<long>(lParam);
    UpdateBCGPProperty(static_cast<long>(lParam), "*");
    return 0;
}
