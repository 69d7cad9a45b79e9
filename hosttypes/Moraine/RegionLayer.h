// kel::plane::CRegionLayer: a region distribution layer (boundary lines and zones).
#pragma once

#include "hosttypes/Moraine/LayerBlocks.h"
#include "hosttypes/Moraine/ProfLayer.h"
#include "mfc/Collections.h"

namespace kel::plane {

class CRegionLayer : public IProfLayer,
                     public TLayerRename<CRegionLayer>,
                     public TLineFillSwitches<CRegionLayer>,
                     public TLineValues<CRegionLayer> {
public:
    explicit CRegionLayer(CQXLayer* layer);
    CRegionLayer(const CRegionLayer& other) : IProfLayer(other), m_nReserved(other.m_nReserved) {}
    CRegionLayer& operator=(const CRegionLayer& other) {
        IProfLayer::operator=(other);
        m_nReserved = other.m_nReserved;
        return *this;
    }
    ~CRegionLayer() override {}

    // The distribution's region types in order; the array is emptied first.
    void GetAllRegionType(CStringArray& types) const;

protected:
    int m_nReserved = 0;  // a library word without use in the stand-in; copied with the wrapper
};

}  // namespace kel::plane
