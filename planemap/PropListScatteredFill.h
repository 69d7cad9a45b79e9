// CPropListScatteredFill: an area of a scattered-attribute distribution: its attribute type code,
// chosen among the catalogue's codes, and its size. Choosing a code gives the shown area the
// type's name and standard fill and keeps the code in the area's attributes.
#pragma once

#include "planemap/WndLstPlane.h"

class CPropListScatteredFill : public CWndLstPlane {
public:
    CPropListScatteredFill();
    ~CPropListScatteredFill() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObject* Area() const;
};
