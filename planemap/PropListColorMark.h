// CPropListColorMark: a plane-map colour mark (the colour bar explaining a map's colour scale):
// direction, position and size, its label (font, decimals, side, interval) and whether the
// marks of the minimum and maximum value are shown. Edits reach the shown colour mark only; a
// refused number puts the stored value back into the item.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectColorMark;

class CPropListColorMark : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 2000,
        kDirectionId = 2001,
        kShowMinId = 2002,
        kShowMaxId = 2003,
        kGeometryGroupId = 2004,
        kXId = 2005,
        kYId = 2006,
        kLengthId = 2007,
        kWidthId = 2008,
        kLabelGroupId = 2009,
        kFaceId = 2010,
        kSizeId = 2011,
        kColorId = 2012,
        kDecimalsId = 2013,
        kLabelSideId = 2014,
        kIntervalId = 2015,
    };

    CPropListColorMark();
    ~CPropListColorMark() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CQXObjectColorMark* Mark() const;
    void RefreshGeometry(CQXObjectColorMark* mark);
    void RefreshLabel(CQXObjectColorMark* mark);
    // False, nothing written, for a refused number.
    void ApplyNumber(CQXObjectColorMark* mark, CBCGPProp* item);
};
