// CPropListContourFill: a filled contour band, shown for information: its type name, its value
// interval (the band's name) and its area. It takes no edit.
#pragma once

#include "planemap/WndLstPlane.h"

class CPropListContourFill : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 2000,
        kIntervalId = 2001,
        kStatisticsGroupId = 2002,
        kAreaId = 2003,
    };

    CPropListContourFill();
    ~CPropListContourFill() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
};
