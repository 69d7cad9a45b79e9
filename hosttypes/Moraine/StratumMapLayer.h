// kel::plane::CStratumMapLayer: a stratum-map layer with a default fill for each of its four
// kinds of areas (reservoir, oil-bearing, oil belt, water belt), kept with its settings.
#pragma once

#include "hosttypes/Moraine/LayerBlocks.h"
#include "hosttypes/Moraine/ProfLayer.h"

namespace kel::plane {

class CStratumMapLayer : public IProfLayer, public TLayerName<CStratumMapLayer> {
public:
    explicit CStratumMapLayer(CQXLayer* layer);
    CStratumMapLayer(const CStratumMapLayer& other) : IProfLayer(other) {}
    CStratumMapLayer& operator=(const CStratumMapLayer& other) = default;
    ~CStratumMapLayer() override {}

    void GetStoreAreaBrush(QXLOGBRUSH& brush) const;
    void SetStoreAreaBrush(QXLOGBRUSH& brush);
    void GetOilAreaBrush(QXLOGBRUSH& brush) const;
    void SetOilAreaBrush(QXLOGBRUSH& brush);
    void GetOilRegionBrush(QXLOGBRUSH& brush) const;
    void SetOilRegionBrush(QXLOGBRUSH& brush);
    void GetWaterRegionBrush(QXLOGBRUSH& brush) const;
    void SetWaterRegionBrush(QXLOGBRUSH& brush);
};

}  // namespace kel::plane
