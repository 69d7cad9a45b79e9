// CPropListSandLayerLine: the "砂体分布线" page of a sand layer: the common line settings twice,
// one group for the sand-body lines and one for the valid sand-body lines.
#pragma once

#include "hosttypes/Moraine/SandLayer.h"
#include "planemap/layers/LayerPage.h"

class CPropListSandLayerLine : public TLayerPage<kel::plane::CSandLayer> {
public:
    enum : DWORD_PTR {
        kLineGroupId = 2000,
        kSameStyleId = 2001,
        kStyleId = 2002,
        kSameColorId = 2003,
        kColorId = 2004,
        kSameSizeId = 2005,
        kWidthId = 2006,
        kValidGroupId = 2007,
        kValidSameStyleId = 2008,
        kValidStyleId = 2009,
        kValidSameColorId = 2010,
        kValidColorId = 2011,
        kValidSameSizeId = 2012,
        kValidWidthId = 2013,
    };

protected:
    int InitPropWnd() override;
    void RefreshLayer(kel::plane::CSandLayer& layer) override;
    bool OnLayerItemChanged(kel::plane::CSandLayer& layer, CBCGPProp* item) override;
    void ShowStoredItem(kel::plane::CSandLayer& layer, CBCGPProp* item) override;
};
