// CPropListHint: a plane-map hint (a framed text with a leader): frame style, outline pen, fill,
// font, text and alignment. Every edit reaches each selected hint of the type name; pen, font and
// fill edits write the shown hint's whole value with the edited field replaced.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectHint;

class CPropListHint : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 2000,
        kStyleGroupId = 2001,
        kStyleId = 2002,
        kPenGroupId = 2003,
        kPenStyleId = 2004,
        kPenWidthId = 2005,
        kPenColorId = 2006,
        kFontGroupId = 2010,
        kFontFaceId = 2011,
        kFontSizeId = 2012,
        kFontColorId = 2013,
        kTextId = 2014,
        kHAlignId = 2015,
        kVAlignId = 2016,
    };

    CPropListHint();
    ~CPropListHint() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectHint* Hint() const;

    CBCGPProp* m_pFillGroup = nullptr;  // owned by the grid
};
