// CPropListOWLine: a boundary line of an oil-water distribution: its distribution type (its name,
// shown only), its pen and its fill. Pen and fill edits reach every selected line of the type name,
// each keeping its own values apart from the one field edited.
#pragma once

#include "planemap/BoundaryPen.h"
#include "planemap/SameTypeEdits.h"
#include "planemap/WndLstPlane.h"

class CQXObjectLine;

class CPropListOWLine : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 2000,
        kDistributionTypeId = 2001,
        kPenGroupId = boundarypen::kGroupId,
        kFillGroupId = kPlaneFillGroupId,
    };

    CPropListOWLine();
    ~CPropListOWLine() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectLine* Line() const;
};
