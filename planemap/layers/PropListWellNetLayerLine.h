// CPropListWellNetLayerLine: the "连通井网线" page of a connected-well-net layer: whether its
// connection lines are drawn, their common pen, and the arrows of every polyline of the layer.
#pragma once

#include "hosttypes/Moraine/WellNetLayer.h"
#include "planemap/layers/LayerPage.h"

class CPropListWellNetLayerLine : public TLayerPage<kel::plane::CWellNetLayer> {
public:
    enum : DWORD_PTR {
        kVisibleId = 2000,
        kLineGroupId = 2001,
        kStyleId = 2002,
        kWidthId = 2003,
        kColorId = 2004,
        kBeginArrowId = 2005,
        kEndArrowId = 2006,
        kArrowLengthId = 2007,
    };

protected:
    int InitPropWnd() override;
    void RefreshLayer(kel::plane::CWellNetLayer& layer) override;
    bool OnLayerItemChanged(kel::plane::CWellNetLayer& layer, CBCGPProp* item) override;
    void ShowStoredItem(kel::plane::CWellNetLayer& layer, CBCGPProp* item) override;
};
