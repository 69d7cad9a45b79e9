// CPropListWellLayerAbsence: the "缺失标志" page of a well layer: the symbol of each absence type
// (the type chosen on the page, its symbol edited beside it) and where the marks stand relative to
// the well-row base line or the well. The chosen type lives only in the page's item.
#pragma once

#include "hosttypes/Moraine/WellLayer.h"
#include "planemap/layers/LayerPage.h"

class CPropListWellLayerAbsence : public TLayerPage<kel::plane::CWellLayer> {
public:
    enum : DWORD_PTR {
        kShowId = 2000,
        kSymbolGroupId = 2001,
        kTypeId = 2002,
        kStyleId = 2003,
        kSizeId = 2004,
        kBorderColorId = 2005,
        kInnerColorId = 2006,
        kPlaceGroupId = 2007,
        kReferId = 2008,
        kAlignId = 2009,
        kDistanceId = 2010,
    };

protected:
    int InitPropWnd() override;
    void RefreshLayer(kel::plane::CWellLayer& layer) override;
    bool OnLayerItemChanged(kel::plane::CWellLayer& layer, CBCGPProp* item) override;
    void ShowStoredItem(kel::plane::CWellLayer& layer, CBCGPProp* item) override;
    // Only refused sizes and distances show the stored value again; a refused reference or place
    // keeps its text from before (the stored one may read otherwise since the layer lost its base line).
    void ShowItemAgain(CBCGPProp* item) override;

private:
    void ShowSymbol(kel::plane::CWellLayer& layer);
    void EnableAlign(CBCGPProp* refer);
};
