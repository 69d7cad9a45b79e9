// CPropListScatteredLine: a boundary line of a scattered-attribute distribution: its attribute
// type code (its name), chosen among the codes of the well data's scattered-type catalogue. A code
// reaches every selected line of the type name.
#pragma once

#include "planemap/WndLstPlane.h"

class CPropListScatteredLine : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 2000,
        kCodeId = 2001,
    };

    CPropListScatteredLine();
    ~CPropListScatteredLine() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObject* Line() const;
};
