// CPropListScale: a plane-map scale bar: zero tick at the start, drawing style, tick spacing,
// height, count and unit word, label font and decimals, and the line. Most edits reach each
// selected scale bar of the type name; font edits reach the shown one only. A bar whose zero
// tick is not at the start is drawn in the last style, and its style, unit, decimals, spacing
// and count items are disabled.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectScale;

class CPropListScale : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 2000,
        kStyleId = 2001,
        kZeroFromStartId = 2002,
        kTickGroupId = 2003,
        kSpacingId = 2004,
        kHeightId = 2005,
        kCountId = 2006,
        kUnitId = 2007,
        kPenGroupId = 2008,
        kPenStyleId = 2009,
        kPenWidthId = 2010,
        kPenColorId = 2011,
        kFontGroupId = 2012,
        kFontFaceId = 2013,
        kFontSizeId = 2014,
        kFontColorId = 2015,
        kDecimalsId = 2016,
    };

    CPropListScale();
    ~CPropListScale() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectScale* Scale() const;
    void EnableStartItems(bool enable);
    void ApplyZeroFromStart(CQXObjectScale* scale, CBCGPProp* item);
    bool ApplyTicks(CQXObjectScale* scale, CBCGPProp* item);
    void ShowStoredTick(CQXObjectScale* scale, CBCGPProp* item);
    void ApplyFont(CQXObjectScale* scale, CBCGPProp* item);
};
