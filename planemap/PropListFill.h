// CPropListFill: a general filled area of a plane map: its type name, its fill style and its
// area. Edits change the shown fill only. GetFillStyleName names the style set a brush's style
// belongs to, for every list that shows a fill group.
#pragma once

#include <string>

#include "planemap/SameTypeEdits.h"
#include "planemap/WndLstPlane.h"

class CQXObjectFill;

// The name of the fill-style set holding the brush's style; "所有样式" when no set holds it.
std::string GetFillStyleName(const QXLOGBRUSH& brush);

class CPropListFill : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 0,
        kAreaId = 8,
        kFillGroupId = kPlaneFillGroupId,
        kStyleSetId = kPlaneFillStyleSetId,
        kStyleId = kPlaneFillStyleId,
        kCellSizeId = kPlaneFillCellSizeId,
    };

    CPropListFill();
    ~CPropListFill() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectFill* Fill() const;
    void ReadFillItem(CBCGPProp* item, QXLOGBRUSH& brush);

    CBCGPProp* m_pFillGroup = nullptr;  // owned by the grid
};
