// CPropListStratumMapLayerData: the "数据" page of a stratum map: its name, the stratum it was made
// for and the boundary and fault layers it is linked to, these read-only.
#pragma once

#include "hosttypes/Moraine/StratumMapLayer.h"
#include "planemap/layers/LayerPage.h"

class CPropListStratumMapLayerData : public TLayerPage<kel::plane::CStratumMapLayer> {
public:
    enum : DWORD_PTR {
        kLayerNameId = 2000,
        kStratumId = 2001,
        kRelatedGroupId = 2002,
        kBoundLayerId = 2003,
        kFaultLayerId = 2004,
    };

protected:
    int InitPropWnd() override;
    void RefreshLayer(kel::plane::CStratumMapLayer& layer) override;
    bool OnLayerItemChanged(kel::plane::CStratumMapLayer& layer, CBCGPProp* item) override;
};
