// The pane's optional toolbar. No pane of the module asks for one (every GetToolbarID
// answers 0); the class keeps the two behaviours a pane toolbar needs.
#pragma once

#include "bcg/ToolBar.h"

class CPropertiesToolBar : public CBCGPToolBar {
public:
    // Update-UI targets the toolbar's owner (its parent when it has none), not the frame.
    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;
    // Never offered in the application's list of toolbars.
    BOOL AllowShowOnList() const override { return FALSE; }
};
