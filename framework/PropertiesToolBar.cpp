#include "framework/PropertiesToolBar.h"

void CPropertiesToolBar::OnUpdateCmdUI(CFrameWnd*, BOOL disableIfNoHandler) {
    CWnd* target = GetOwner();
    if (!target) target = GetParent();
    // The library hands the target on as a window; the owner stands where the frame would.
    CBCGPToolBar::OnUpdateCmdUI(reinterpret_cast<CFrameWnd*>(target), disableIfNoHandler);
}
