// CPropListCtrlLine: a control line that steers contouring: its value, kept as the line's name,
// and its pen. Pen edits reach every selected line of the type name, the value the shown line.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectLine;

class CPropListCtrlLine : public CWndLstPlane {
public:
    CPropListCtrlLine();
    ~CPropListCtrlLine() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectLine* Line() const;
};
