#include "bcg/ToolBar.h"

IMPLEMENT_DYNAMIC(CBCGPToolBar, CWnd)

BOOL CBCGPToolBar::Create(CWnd* parent, DWORD style, UINT id) {
    return CreateEx(parent, TBSTYLE_FLAT, style, CRect(1, 1, 1, 1), id);
}

BOOL CBCGPToolBar::CreateEx(CWnd* parent, DWORD, DWORD style, CRect, UINT id) {
    // The window keeps the WS_ bits, the bar the CBRS_ bits.
    const DWORD windowBits = style & 0xFFFF0000u & ~CBRS_GRIPPER;
    m_dwBarStyle = style & ~windowBits;
    return CWnd::Create(nullptr, nullptr, windowBits, CRect(0, 0, 0, 0), parent, id);
}

BOOL CBCGPToolBar::LoadToolBar(UINT resourceId, UINT, UINT, BOOL locked, UINT, UINT, UINT) {
    m_nResourceId = resourceId;
    m_bLocked = locked;
    return FALSE;
}

CSize CBCGPToolBar::CalcFixedLayout(BOOL stretch, BOOL) {
    CRect r;
    if (stretch && GetParent())
        GetParent()->GetClientRect(&r);
    else
        GetClientRect(&r);
    return CSize(r.Width(), kFixedHeight);
}

void CBCGPToolBar::OnUpdateCmdUI(CFrameWnd* target, BOOL) { m_pLastUpdateTarget = reinterpret_cast<CWnd*>(target); }
