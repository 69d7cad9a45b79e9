// CPropListSandLayerData: the "数据" page of a sand layer ("砂体"): its name, its stratum, and the
// switches of its sand-body and valid sand-body lines and fills, in two groups.
#pragma once

#include "hosttypes/Moraine/SandLayer.h"
#include "planemap/layers/LayerPage.h"

class CPropListSandLayerData : public TLayerPage<kel::plane::CSandLayer> {
public:
    enum : DWORD_PTR {
        kLayerNameId = 2000,
        kStratumId = 2001,
        kLineGroupId = 2002,
        kLineSwitchId = 2003,
        kValidLineSwitchId = 2004,
        kFillGroupId = 2005,
        kFillSwitchId = 2006,
        kValidFillSwitchId = 2007,
    };

protected:
    int InitPropWnd() override;
    void RefreshLayer(kel::plane::CSandLayer& layer) override;
    bool OnLayerItemChanged(kel::plane::CSandLayer& layer, CBCGPProp* item) override;
};
