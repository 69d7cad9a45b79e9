// kel::plane::CFaciesLayer: a sedimentary-facies layer (facies boundary lines, facies areas
// and the virtual wells added as control points).
#pragma once

#include "hosttypes/Moraine/LayerBlocks.h"
#include "hosttypes/Moraine/ProfLayer.h"
#include "mfc/Collections.h"

namespace kel::plane {

class CFaciesLayer : public IProfLayer,
                     public TLayerRename<CFaciesLayer>,
                     public TLineFillSwitches<CFaciesLayer>,
                     public TAppendControlPoint<CFaciesLayer>,
                     public TLineValues<CFaciesLayer> {
public:
    explicit CFaciesLayer(CQXLayer* layer);
    CFaciesLayer(const CFaciesLayer& other) : IProfLayer(other), m_nReserved(other.m_nReserved) {}
    CFaciesLayer& operator=(const CFaciesLayer& other) {
        IProfLayer::operator=(other);
        m_nReserved = other.m_nReserved;
        return *this;
    }
    ~CFaciesLayer() override {}

protected:
    int m_nReserved = 0;  // a library word without use in the stand-in; copied with the wrapper
};

}  // namespace kel::plane
