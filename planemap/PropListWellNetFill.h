// CPropListWellNetFill: an area a well net covers: its fill colour, written to every selected
// well-net area of the layer.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectFill;

class CPropListWellNetFill : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 2000,
        kFillColorId = 2001,
    };

    CPropListWellNetFill();
    ~CPropListWellNetFill() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectFill* Area() const;
    void ApplyFillColor(CQXObjectFill* area, CBCGPProp* item);
};
