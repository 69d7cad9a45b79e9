// CPropListRegionFill: a zone of a region distribution: its region type, chosen among the
// distribution's types. Choosing one names the zone after it and gives it the type's standard fill.
#pragma once

#include "planemap/WndLstPlane.h"

class CPropListRegionFill : public CWndLstPlane {
public:
    CPropListRegionFill();
    ~CPropListRegionFill() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObject* Zone() const;
};
