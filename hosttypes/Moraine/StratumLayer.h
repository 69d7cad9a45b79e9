// kel::plane::CStratumLayer: a stratum section layer (a small stratigraphic section at each well).
// The stand-in builds the wrapper only: its settings are not offered yet.
#pragma once

#include "hosttypes/Moraine/ProfLayer.h"

namespace kel::plane {

class CStratumLayer : public IProfLayer {
public:
    explicit CStratumLayer(CQXLayer* layer);
    CStratumLayer(const CStratumLayer& other) : IProfLayer(other) {}
    CStratumLayer& operator=(const CStratumLayer& other) = default;
    ~CStratumLayer() override {}
};

}  // namespace kel::plane
