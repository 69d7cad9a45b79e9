// CPropListBoundLayerBound: the "边界" page of a boundary layer: the pen its boundary lines are
// drawn with. Every pen change is also made to the plane options' boundary pen, which new
// boundaries take.
#pragma once

#include "hosttypes/Moraine/BoundLayer.h"
#include "planemap/layers/LayerPage.h"

class CPropListBoundLayerBound : public TLayerPage<kel::plane::CBoundLayer> {
public:
    enum : DWORD_PTR {
        kStyleId = 2002,
        kWidthId = 2003,
        kColorId = 2004,
    };

protected:
    int InitPropWnd() override;
    void RefreshLayer(kel::plane::CBoundLayer& layer) override;
    bool OnLayerItemChanged(kel::plane::CBoundLayer& layer, CBCGPProp* item) override;
    void ShowStoredItem(kel::plane::CBoundLayer& layer, CBCGPProp* item) override;
};
