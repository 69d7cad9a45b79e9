// CPropListScatteredLine: a boundary line of a scattered-attribute distribution: its attribute
// type code (its name), chosen among the codes of the well data's scattered-type catalogue. A code
// reaches every selected line of the type name.
// scatteredlist: the code item the scattered-attribute lists share.
#pragma once

#include "planemap/WndLstPlane.h"

namespace scatteredlist {

// The item's options become the catalogue's codes, in catalogue order; none when the project has
// no scattered-type catalogue.
void SetCodeOptions(CBCGPProp* item);
// A code belongs to one object: shown and enabled when the object is shown alone, else empty and
// disabled.
void ShowCode(CBCGPProp* item, bool alone, const CString& code);
// Whether the layer has exactly one selected object.
bool IsSingleSelected(CQXLayer* layer);

}  // namespace scatteredlist

class CPropListScatteredLine : public CWndLstPlane {
public:
    CPropListScatteredLine();
    ~CPropListScatteredLine() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObject* Line() const;
};
