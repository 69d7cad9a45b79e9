// CPropListFinger: a plane-map north arrow: drawing style, outline pen, the fill colours of its
// two halves, the texts at its four compass points and their font. Every edit reaches each
// selected north arrow of the type name; pen, brush and font edits start from the shown one's.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectFinger;

class CPropListFinger : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 2000,
        kStyleId = 2001,
        kPenGroupId = 2002,
        kPenStyleId = 2003,
        kPenWidthId = 2004,
        kPenColorId = 2005,
        kFillGroupId = 2006,
        kLeftFillId = 2007,
        kRightFillId = 2008,
        kLabelGroupId = 2009,
        kCompassId = 2010,
        kCompassTextId = 2011,
        kFontGroupId = 2012,
        kFontFaceId = 2013,
        kFontSizeId = 2014,
        kFontColorId = 2015,
    };

    CPropListFinger();
    ~CPropListFinger() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectFinger* Finger() const;
    void ApplyHalfFill(CQXObjectFinger* finger, CBCGPProp* item);
    void ApplyCompassText(CQXObjectFinger* finger, CBCGPProp* item);
};
