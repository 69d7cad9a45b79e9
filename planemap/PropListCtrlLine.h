// CPropListCtrlLine: a control line that steers contouring: its value, kept as the line's name,
// and its pen. Pen edits reach every selected line of the type name, the value the shown line.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectLine;

class CPropListCtrlLine : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 2000,
        kValueId = 2001,
        kPenStyleId = 2003,
        kPenWidthId = 2004,
        kPenColorId = 2005,
    };

    CPropListCtrlLine();
    ~CPropListCtrlLine() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectLine* Line() const;
};
