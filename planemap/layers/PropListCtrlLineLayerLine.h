// CPropListCtrlLineLayerLine: the "控制线" page of a control-line layer: whether its control
// lines are drawn, and their pen, whose items are greyed while they are hidden.
#pragma once

#include "hosttypes/Moraine/CtrlLineLayer.h"
#include "planemap/layers/LayerPage.h"

class CPropListCtrlLineLayerLine : public TLayerPage<kel::plane::CCtrlLineLayer> {
public:
    enum : DWORD_PTR {
        kVisibleId = 2000,
        kLineGroupId = 2001,
        kStyleId = 2002,
        kWidthId = 2003,
        kColorId = 2004,
    };

protected:
    int InitPropWnd() override;
    void RefreshLayer(kel::plane::CCtrlLineLayer& layer) override;
    bool OnLayerItemChanged(kel::plane::CCtrlLineLayer& layer, CBCGPProp* item) override;
    void ShowStoredItem(kel::plane::CCtrlLineLayer& layer, CBCGPProp* item) override;
};
