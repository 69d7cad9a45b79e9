// CPropListBound: a boundary line of a plane map. Only its pen is edited, on every selected line
// of the type name.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectLine;

class CPropListBound : public CWndLstPlane {
public:
    CPropListBound();
    ~CPropListBound() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectLine* Line() const;
};
