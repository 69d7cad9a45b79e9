// CPropListLegend: a plane-map legend: title and title font, frame line, entry font and outline,
// entry size, spacings, column count and the side of the entry texts. Most edits reach each
// selected legend of the type name; the entry size and the entry font colour reach the shown
// legend only.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectLegend;

class CPropListLegend : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 0,
        kTitleGroupId = 2000,
        kTitleId = 2001,
        kTitleFontGroupId = 2002,
        kTitleFaceId = 2003,
        kTitleSizeId = 2004,
        kTitleColorId = 2005,
        kFrameGroupId = 2006,
        kFrameStyleId = 2007,
        kFrameWidthId = 2008,
        kFrameColorId = 2009,
        kEntryGroupId = 2010,
        kEntryFontGroupId = 2012,
        kEntryFaceId = 2013,
        kEntrySizeId = 2014,
        kEntryColorId = 2015,
        kOutlineGroupId = 2016,
        kOutlineStyleId = 2017,
        kOutlineWidthId = 2018,
        kOutlineColorId = 2019,
        kEntryWidthId = 2020,
        kEntryHeightId = 2021,
        kSpacingId = 2022,
        kLeftMarginId = 2023,
        kTopMarginId = 2024,
        kColumnsId = 2025,
        kTextPositionId = 2026,
    };

    CPropListLegend();
    ~CPropListLegend() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CQXObjectLegend* Legend() const;
    void ShowStored(CBCGPProp* item, CQXObjectLegend* legend);
    // Each answers whether the text was taken (false: nothing written).
    void ApplyEntryFont(CQXObjectLegend* legend, CBCGPProp* item);
    void ApplyLength(CQXObjectLegend* legend, CBCGPProp* item);
    void ApplyColumns(CQXObjectLegend* legend, CBCGPProp* item);
};
