// CPropListSandLine: a boundary line of a sand body or of its effective area: the body number (its
// name), its line class (type name, shown only) and its pen. Choosing a body number gives the line
// that body's standard pen for its class, kept in its layer's attributes. Edits change the shown
// line only.
#pragma once

#include "planemap/BoundaryPen.h"
#include "planemap/WndLstPlane.h"

class CQXObjectLine;

class CPropListSandLine : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 2000,
        kBodyNumberId = 2001,
        kLineClassId = 2002,
        kPenGroupId = boundarypen::kGroupId,
    };

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
