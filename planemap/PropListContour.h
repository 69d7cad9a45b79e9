// CPropListContour: a contour line: its value label, its pen and how the label is drawn (shown,
// font, decimals, where labels start and how far apart they stand, background). Every edit reaches
// each selected object of the contour's type name, which then recomputes itself.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectContour;

class CPropListContour : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 2000,
        kValueId = 2001,
        kLineGroupId = 2002,
        kPenStyleId = 2003,
        kPenWidthId = 2004,
        kPenColorId = 2005,
        kLabelGroupId = 2006,
        kLabelVisibleId = 2007,
        kFontFaceId = 2008,
        kFontSizeId = 2009,
        kFontColorId = 2010,
        kDecimalsId = 2011,
        kLabelStartId = 2012,
        kLabelSpacingId = 2013,
        kBackTransparentId = 2015,
        kBackColorId = 2016,
    };

    CPropListContour();
    ~CPropListContour() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CQXObjectContour* Contour() const;
    void RefreshLabel(CQXObjectContour* contour);
    // The width, size, decimals, start and spacing items show the stored value as the refresh shows it.
    void ShowStored(CBCGPProp* item, CQXObjectContour* contour);
    void ApplyValue(CQXObjectContour* contour, const CString& text);
    // Each answers whether the text was taken (false: nothing written).
    void ApplyPenWidth(CQXObjectContour* contour, CBCGPProp* item);
    void ApplyFontSize(CQXObjectContour* contour, CBCGPProp* item, QXLOGFONT& font);
    void ApplyDistance(CQXObjectContour* contour, CBCGPProp* item, bool start);
};
