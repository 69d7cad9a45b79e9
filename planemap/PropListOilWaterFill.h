// CPropListOWFill: a zone of an oil-water distribution: its distribution type, chosen among the
// distribution's types. Choosing one names the zone after it and gives it the type's standard fill.
#pragma once

#include "planemap/WndLstPlane.h"

class CPropListOWFill : public CWndLstPlane {
public:
    CPropListOWFill();
    ~CPropListOWFill() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObject* Zone() const;
};
