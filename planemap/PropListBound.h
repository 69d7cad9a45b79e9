// CPropListBound: a boundary line of a plane map. Only its pen is edited, on every selected line
// of the type name.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectLine;

class CPropListBound : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 2000,
        kPenGroupId = 2001,
        kPenStyleId = 2002,
        kPenWidthId = 2003,
        kPenColorId = 2004,
    };

    CPropListBound();
    ~CPropListBound() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectLine* Line() const;
};
