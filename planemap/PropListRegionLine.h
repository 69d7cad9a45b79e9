// CPropListRegionLine: a boundary line of a region distribution: its region type (its name, shown
// only) and its pen. Edits change the shown line only.
#pragma once

#include "planemap/BoundaryPen.h"
#include "planemap/WndLstPlane.h"

class CQXObjectLine;

class CPropListRegionLine : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 2000,
        kRegionTypeId = 2001,
        kPenGroupId = boundarypen::kGroupId,
    };

    CPropListRegionLine();
    ~CPropListRegionLine() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectLine* Line() const;
};
