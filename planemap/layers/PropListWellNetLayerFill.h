// CPropListWellNetLayerFill: the "连通井网区" page of a connected-well-net layer: whether its
// connected areas are drawn, and their fill colour.
#pragma once

#include "hosttypes/Moraine/WellNetLayer.h"
#include "planemap/layers/LayerPage.h"

class CPropListWellNetLayerFill : public TLayerPage<kel::plane::CWellNetLayer> {
public:
    enum : DWORD_PTR { kVisibleId = 2000, kColorId = 2001 };

protected:
    int InitPropWnd() override;
    void RefreshLayer(kel::plane::CWellNetLayer& layer) override;
    bool OnLayerItemChanged(kel::plane::CWellNetLayer& layer, CBCGPProp* item) override;
};
