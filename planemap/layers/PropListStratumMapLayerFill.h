// CPropListStratumMapLayerFill: the "填充" page of a stratum map: the layer's default brush for each
// of its four kinds of area fills, and whether those fills are shown. An edit changes the layer's
// brush and that one field of every fill of the kind in the layer, selected or not.
#pragma once

#include "hosttypes/Moraine/StratumMapLayer.h"
#include "planemap/layers/LayerPage.h"

class CPropListStratumMapLayerFill : public TLayerPage<kel::plane::CStratumMapLayer> {
public:
    enum : DWORD_PTR {
        kStoreGroupId = 2000,
        kStoreShowId = 2001,
        kStoreFillId = 2002,  // its sub-items 2003 .. 2008
        kStoreStyleSetId = 2003,
        kStoreStyleId = 2004,
        kStoreLineColorId = 2005,
        kStoreFillColorId = 2006,
        kStoreCellSizeId = 2007,
        kStoreTransparentId = 2008,
        kBeltGroupId = 2009,
        kBeltShowId = 2010,
        kOilBeltColorId = 2011,
        kWaterBeltColorId = 2012,
        kOilGroupId = 2013,
        kOilShowId = 2014,
        kOilFillId = 2015,  // its sub-items 2016 .. 2021
        kOilStyleSetId = 2016,
        kOilStyleId = 2017,
        kOilLineColorId = 2018,
        kOilFillColorId = 2019,
        kOilCellSizeId = 2020,
        kOilTransparentId = 2021,
    };

protected:
    int InitPropWnd() override;
    void RefreshLayer(kel::plane::CStratumMapLayer& layer) override;
    bool OnLayerItemChanged(kel::plane::CStratumMapLayer& layer, CBCGPProp* item) override;
    void ShowStoredItem(kel::plane::CStratumMapLayer& layer, CBCGPProp* item) override;
};
