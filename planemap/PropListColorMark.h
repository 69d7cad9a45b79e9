// CPropListColorMark: a plane-map colour mark (the colour bar explaining a map's colour scale):
// direction, position and size, its label (font, decimals, side, interval) and whether the
// marks of the minimum and maximum value are shown. Edits reach the shown colour mark only; a
// refused number puts the stored value back into the item.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectColorMark;

class CPropListColorMark : public CWndLstPlane {
public:
    CPropListColorMark();
    ~CPropListColorMark() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectColorMark* Mark() const;
    void RefreshGeometry(CQXObjectColorMark* mark);
    void RefreshLabel(CQXObjectColorMark* mark);
    void ApplyNumber(CQXObjectColorMark* mark, CBCGPProp* item);
};
