// CPropListFaultLine: a fault line (hanging wall, footwall, centre line or fault polygon): its
// kind, fault name, pen and, for polygons, fill. Changing the kind renames the type and opens or
// closes the line. A line still carrying the pen remembered at the last edit is shown with the
// layer's standard pen for its kind.
// faultitems: the width and fill items the fault line and fault combination lists share.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectLine;

class CPropListFaultLine : public CWndLstPlane {
public:
    CPropListFaultLine();
    ~CPropListFaultLine() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectLine* Line() const;
    void RefreshPen(CQXObjectLine* line);
    void ApplyKind(CQXObjectLine* line, const CString& oldKind, const CString& newKind);
    void ApplyFill(CQXObjectLine* line, CBCGPProp* item);

    QXLOGPEN m_pen;  // the pen remembered at the last edit
};

namespace faultitems {

// A fault width item: 30 options 0.1 .. 3.0 millimetres, free text allowed.
CBCGPProp* NewWidthItem(const char* name, DWORD_PTR id);
// The fill switch ("是" while the brush fills) and the fill colour, enabled only while it fills.
void ShowFill(CBCGPProp* fill, CBCGPProp* colour, const QXLOGBRUSH& brush);
// Puts the edited fill switch (solid or no fill) or fill colour into brush; false for another item.
bool EditFill(QXLOGBRUSH& brush, CBCGPProp* item, DWORD_PTR fillId, DWORD_PTR colourId);

}  // namespace faultitems
