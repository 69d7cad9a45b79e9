// CPropListPie: the list of a pie or bar chart symbol on a plane map: its shape, label font,
// outline pen, offset, indicator line, bottom line and the sizes of its shape. Every edit goes to
// all selected symbols of the shown symbol's type name.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Parsnip/QXObjectPie.h"
#include "planemap/WndLstPlane.h"
#include "planemap/layers/PieItems.h"

class CPropListPie : public CWndLstPlane {
public:
    enum : DWORD_PTR {
        kBasicGroupId = 2000,
        kShapeId = 2001,
        kTextGroupId = 2002,
        kFaceId = 2003,
        kFontSizeId = 2004,
        kFontColorId = 2005,
        kPenGroupId = 2006,
        kPenStyleId = 2007,
        kPenWidthId = 2008,
        kPenColorId = 2009,
        kPlaceGroupId = 2010,
        kXMoveId = 2011,
        kYMoveId = 2012,
        kRadiusId = 2013,
        kUpRadiusId = 2014,
        kDownRadiusId = 2015,
        kIndicatorGroupId = 2016,
        kIndicatorDrawId = 2017,
        kIndicatorColorId = 2018,
        kIndicatorStyleId = 2019,
        kIndicatorWidthId = 2020,
        kSizeGroupId = 2021,
        kBarWidthId = 2022,
        kBarHeightId = 2023,
        kBarIntervalId = 2025,
        kBarCurveHeightId = 2026,
        kBottomGroupId = 2027,
        kBottomDrawId = 2028,
        kBottomLengthId = 2029,
        kBottomStyleId = 2030,
        kBottomWidthId = 2031,
        kBottomColorId = 2032,
        kBarCountId = 2033,
    };
    static constexpr pieitems::SizeIds kSizeIds = {kRadiusId,    kUpRadiusId,    kDownRadiusId,     kBarWidthId,
                                                   kBarHeightId, kBarIntervalId, kBarCurveHeightId, kBarCountId};

    // The font to every selected pie of the layer whose type name is typeName.
    static void SetSameTypeFont(CQXLayer* layer, QXLOGFONT& font, const CString& typeName);

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM, LPARAM lParam) override;
    // A refused number shows the stored value in the format of its item (offsets and the bar count
    // "%d", every other number "%.2f"); nothing else on the list changes.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CQXObjectPie* ShownPie() const;
    void RebuildSizes(CQXObjectPie& pie);
    void ShowBottomLine(CQXObjectPie& pie);
    // One edit to the shown pie and its same-type objects (a number item refuses what its reader
    // refuses, so every text that comes here is taken).
    void ApplyEdit(CQXObjectPie& pie, CBCGPProp* item);
    void ApplyPenEdit(CQXObjectPie& pie, CBCGPProp* item);
    void ApplySizeEdit(CQXObjectPie& pie, CBCGPProp* item);
    // The shown pie's stored value of a number item, as the item shows it.
    void ShowStored(CQXObjectPie& pie, CBCGPProp* item);
};
