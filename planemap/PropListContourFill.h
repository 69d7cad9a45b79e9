// CPropListContourFill: a filled contour band, shown for information: its type name, its value
// interval (the band's name) and its area. It takes no edit.
#pragma once

#include "planemap/WndLstPlane.h"

class CPropListContourFill : public CWndLstPlane {
public:
    CPropListContourFill();
    ~CPropListContourFill() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
};
