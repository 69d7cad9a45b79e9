// kel::plane::COilWaterLayer: an oil-water distribution layer (boundary lines and zones).
#pragma once

#include "hosttypes/Moraine/LayerBlocks.h"
#include "hosttypes/Moraine/ProfLayer.h"
#include "mfc/Collections.h"

namespace kel::plane {

class COilWaterLayer : public IProfLayer,
                       public TLayerRename<COilWaterLayer>,
                       public TLineFillSwitches<COilWaterLayer>,
                       public TLineValues<COilWaterLayer> {
public:
    explicit COilWaterLayer(CQXLayer* layer);
    COilWaterLayer(const COilWaterLayer& other) : IProfLayer(other), m_nReserved(other.m_nReserved) {}
    COilWaterLayer& operator=(const COilWaterLayer& other) {
        IProfLayer::operator=(other);
        m_nReserved = other.m_nReserved;
        return *this;
    }
    ~COilWaterLayer() override {}

    // The distribution's types (oil, water, their transitions ...) in the distribution's order;
    // the array is emptied first.
    void GetAllOilWaterType(CStringArray& types) const;

protected:
    int m_nReserved = 0;  // a library word without use in the stand-in; copied with the wrapper
};

}  // namespace kel::plane
