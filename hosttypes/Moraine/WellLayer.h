// kel::plane::CWellLayer: a well layer (well names, symbols, trajectories, absence marks and
// well-row lines).
// The stand-in builds the wrapper only: its settings are not offered yet.
#pragma once

#include "hosttypes/Moraine/ProfLayer.h"

namespace kel::plane {

class CWellLayer : public IProfLayer {
public:
    explicit CWellLayer(CQXLayer* layer);
    CWellLayer(const CWellLayer& other) : IProfLayer(other) {}
    CWellLayer& operator=(const CWellLayer& other) = default;
    ~CWellLayer() override {}
};

}  // namespace kel::plane
