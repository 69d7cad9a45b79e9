// CPropListSandFill: a sand body or effective area: its body number (its name). Choosing a number
// gives the area that body's standard fill colour, kept in its layer's attributes. Edits change the
// shown area only.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectFill;

class CPropListSandFill : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 2000,
        kBodyNumberId = 2001,
    };

    CPropListSandFill();
    ~CPropListSandFill() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectFill* Area() const;
    void ApplyBodyNumber(CQXObjectFill* area, const CString& number, QXLOGBRUSH& brush);
};
