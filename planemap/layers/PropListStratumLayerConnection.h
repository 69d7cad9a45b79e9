// CPropListStratumLayerConnection: the "连通线" page of a stratum-section layer: whether the
// connection lines between the sections are drawn, and the pens of river-facies and other lines.
#pragma once

#include "hosttypes/Moraine/StratumLayer.h"
#include "planemap/layers/LayerPage.h"

class CPropListStratumLayerConnection : public TLayerPage<kel::plane::CStratumLayer> {
public:
    enum : DWORD_PTR {
        kShowId = 2000,
        kRiverGroupId = 2001,
        kRiverStyleId = 2002,
        kRiverWidthId = 2003,
        kRiverColorId = 2004,
        kOtherGroupId = 2005,
        kOtherStyleId = 2006,
        kOtherWidthId = 2007,
        kOtherColorId = 2008,
    };

protected:
    int InitPropWnd() override;
    void RefreshLayer(kel::plane::CStratumLayer& layer) override;
    bool OnLayerItemChanged(kel::plane::CStratumLayer& layer, CBCGPProp* item) override;
    void ShowStoredItem(kel::plane::CStratumLayer& layer, CBCGPProp* item) override;

private:
    void EnableAfterShow(BOOL enable);
};
