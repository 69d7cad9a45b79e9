// kel::plane::CScatteredLayer: a scattered-attribute layer (boundaries and areas of a discrete
// attribute, and the virtual wells added as control points).
#pragma once

#include "hosttypes/Moraine/LayerBlocks.h"
#include "hosttypes/Moraine/ProfLayer.h"
#include "mfc/Collections.h"

namespace kel::plane {

class CScatteredLayer : public IProfLayer,
                        public TLayerRename<CScatteredLayer>,
                        public TLineFillSwitches<CScatteredLayer>,
                        public TAppendControlPoint<CScatteredLayer>,
                        public TLineValues<CScatteredLayer> {
public:
    explicit CScatteredLayer(CQXLayer* layer);
    CScatteredLayer(const CScatteredLayer& other) : IProfLayer(other), m_nReserved(other.m_nReserved) {}
    CScatteredLayer& operator=(const CScatteredLayer& other) {
        IProfLayer::operator=(other);
        m_nReserved = other.m_nReserved;
        return *this;
    }
    ~CScatteredLayer() override {}

    // The attribute the layer shows (read only).
    CString GetDataName() const;

protected:
    int m_nReserved = 0;  // a library word without use in the stand-in; copied with the wrapper
};

}  // namespace kel::plane
