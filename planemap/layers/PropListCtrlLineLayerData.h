// CPropListCtrlLineLayerData: the "数据" page of a control-line layer: its name, and the boundary
// and fault layers of the map it relates to, chosen among the map's layers of those kinds.
#pragma once

#include "hosttypes/Moraine/CtrlLineLayer.h"
#include "planemap/layers/LayerPage.h"

class CPropListCtrlLineLayerData : public TLayerPage<kel::plane::CCtrlLineLayer> {
public:
    enum : DWORD_PTR {
        kLayerNameId = 2000,
        kRelatedGroupId = 2001,
        kBoundLayerId = 2002,
        kFaultLayerId = 2003,
    };

protected:
    int InitPropWnd() override;
    void RefreshLayer(kel::plane::CCtrlLineLayer& layer) override;
    bool OnLayerItemChanged(kel::plane::CCtrlLineLayer& layer, CBCGPProp* item) override;
};
