// CPropListContourFill: a filled contour band, shown for information: its type name, its value
// interval (the band's name) and its area. It takes no edit.
// areaitems: the "统计" group with the area the band, facies and scattered-attribute lists show.
#pragma once

#include "planemap/WndLstPlane.h"

class CPropListContourFill : public CWndLstPlane {
public:
    CPropListContourFill();
    ~CPropListContourFill() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
};

namespace areaitems {

// The group, expanded, with its read-only "面积" item.
CBCGPProp* NewStatisticsGroup(DWORD_PTR groupId, DWORD_PTR areaId);
// The area belongs to one object: shown alone and a fill, "%.2f" of its area; shown alone but no
// fill, the item is left as it is; not alone, empty.
void ShowArea(CBCGPProp* item, bool alone, CQXObject* object);

}  // namespace areaitems
