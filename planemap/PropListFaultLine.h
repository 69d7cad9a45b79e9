// CPropListFaultLine: a fault line (hanging wall, footwall, centre line or fault polygon): its
// kind, fault name, pen and, for polygons, fill. Changing the kind renames the type and opens or
// closes the line. A line still carrying the pen remembered at the last edit is shown with the
// layer's standard pen for its kind.
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
    void RefreshFill(CQXObjectLine* line);
    void ApplyKind(CQXObjectLine* line, const CString& oldKind, const CString& newKind);

    QXLOGPEN m_pen;  // the pen remembered at the last edit
};

namespace faultlist {

// The fault width item: 30 options 0.1 .. 3.0 millimetres, free text allowed.
CBCGPProp* NewWidthItem(const char* name, DWORD_PTR id);
// A typed width in millimetres as the stored pen size (x100). Any text is taken (no number reads
// as 0); false only for a value the pen record cannot hold.
bool ReadWidth(const CString& text, float* width);

}  // namespace faultlist
