// CBCGPToolBar: a toolbar window. The module's panes could own one but none asks for it, so
// this stand-in keeps the calls' effects as state (style, owner, routing, locked resource)
// and shows no buttons.
#pragma once

#include "mfc/Wnd.h"

class CFrameWnd;

// Bar styles (the pane's toolbar is created WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER |
// CBRS_HIDE_INPLACE = 0x50402808; 0x400F04 removes the gripper, dynamic size and borders).
enum : DWORD {
    CBRS_SIZE_DYNAMIC = 0x00000004u,
    CBRS_HIDE_INPLACE = 0x00000008u,
    CBRS_TOOLTIPS = 0x00000010u,
    CBRS_FLYBY = 0x00000020u,
    CBRS_BORDER_LEFT = 0x00000100u,
    CBRS_BORDER_TOP = 0x00000200u,
    CBRS_BORDER_RIGHT = 0x00000400u,
    CBRS_BORDER_BOTTOM = 0x00000800u,
    CBRS_BORDER_ANY = 0x00000F00u,
    CBRS_ALIGN_TOP = 0x00002000u,
    CBRS_TOP = CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM,
    CBRS_GRIPPER = 0x00400000u,
    TBSTYLE_FLAT = 0x00000800u,
};
constexpr UINT AFX_IDW_TOOLBAR = 0xE800;

class CBCGPToolBar : public CWnd {
    DECLARE_DYNAMIC(CBCGPToolBar)
public:
    static constexpr int kFixedHeight = 26;  // height of the (horizontal) fixed layout

    virtual BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT id = AFX_IDW_TOOLBAR);
    virtual BOOL CreateEx(CWnd* parent, DWORD controlStyle = TBSTYLE_FLAT,
                          DWORD style = WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect borders = CRect(1, 1, 1, 1),
                          UINT id = AFX_IDW_TOOLBAR);
    // No toolbar resource exists headless: records the request and answers FALSE.
    virtual BOOL LoadToolBar(UINT resourceId, UINT coldResId = 0, UINT menuResId = 0, BOOL locked = FALSE,
                             UINT disabledResId = 0, UINT menuDisabledResId = 0, UINT hotResId = 0);
    UINT GetLoadedResourceId() const { return m_nResourceId; }
    BOOL IsLocked() const { return m_bLocked; }

    // Bar style (CBRS_*), kept apart from the window style.
    DWORD GetPaneStyle() const { return m_dwBarStyle; }
    void SetPaneStyle(DWORD style) { m_dwBarStyle = style; }
    DWORD GetBarStyle() const { return GetPaneStyle(); }
    void SetBarStyle(DWORD style) { SetPaneStyle(style); }

    void SetRouteCommandsViaFrame(BOOL route) { m_bRouteCommandsViaFrame = route; }
    BOOL GetRouteCommandsViaFrame() const { return m_bRouteCommandsViaFrame; }

    // Width of the parent's client area (stretched) or of the toolbar, by kFixedHeight.
    virtual CSize CalcFixedLayout(BOOL stretch, BOOL horizontal);
    // The update-UI pass; target is the window whose handlers decide. Recorded.
    virtual void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler);
    CWnd* GetLastUpdateTarget() const { return m_pLastUpdateTarget; }
    // Whether the toolbar may be listed in the application's toolbar list.
    virtual BOOL AllowShowOnList() const { return TRUE; }

private:
    DWORD m_dwBarStyle = 0;
    UINT m_nResourceId = 0;
    BOOL m_bLocked = FALSE;
    BOOL m_bRouteCommandsViaFrame = TRUE;
    CWnd* m_pLastUpdateTarget = nullptr;
};
