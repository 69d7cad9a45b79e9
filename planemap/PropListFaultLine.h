// CPropListFaultLine: a fault line (hanging wall, footwall, centre line or fault polygon): its
// kind, fault name, pen and, for polygons, fill. Changing the kind renames the type and opens or
// closes the line. A line still carrying the pen remembered at the last edit is shown with the
// layer's standard pen for its kind.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectLine;

class CPropListFaultLine : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kBasicGroupId = 2000,
        kKindId = 2001,
        kNameId = 2002,
        kPenGroupId = 2003,
        kPenStyleId = 2004,
        kPenWidthId = 2005,
        kPenColorId = 2006,
        kFillGroupId = 2007,
        kFillId = 2008,
        kFillColorId = 2009,
    };

    CPropListFaultLine();
    ~CPropListFaultLine() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    // A refused fault name (bytes that are no text) shows the stored name again.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CQXObjectLine* Line() const;
    void RefreshPen(CQXObjectLine* line);
    void ApplyKind(CQXObjectLine* line, const CString& oldKind, const CString& newKind);
    void ApplyFill(CQXObjectLine* line, CBCGPProp* item);

    QXLOGPEN m_pen;  // the pen remembered at the last edit
};
