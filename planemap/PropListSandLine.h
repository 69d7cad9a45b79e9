// CPropListSandLine: a boundary line of a sand body or of its effective area: the body number (its
// name), its line class (type name, shown only) and its pen. Choosing a body number gives the line
// that body's standard pen for its class, kept in its layer's attributes. Edits change the shown
// line only.
// sandlist: the body numbers both sand lists offer.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectLine;

namespace sandlist {

// The bodies of the layer: the largest n for which "LOGBRUSH_1" .. "LOGBRUSH_n" all hold a fill
// in the layer's attributes; 0 without a layer.
int CountBodies(CQXLayer* layer);
// The item's options become "1" .. the number of bodies of the layer (none without a layer).
void SetBodyOptions(CBCGPProp* item, CQXLayer* layer);

}  // namespace sandlist

class CPropListSandLine : public CWndLstPlane {
public:
    CPropListSandLine();
    ~CPropListSandLine() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectLine* Line() const;
    void ApplyBodyNumber(CQXObjectLine* line, const CString& number, QXLOGPEN& pen);
};
