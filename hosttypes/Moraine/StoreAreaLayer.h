// kel::plane::CStoreAreaLayer: a reservoir-area layer.
#pragma once

#include "hosttypes/Moraine/ProfLayer.h"

namespace kel::plane {

class CStoreAreaLayer : public IProfLayer {
public:
    explicit CStoreAreaLayer(CQXLayer* layer);
    CStoreAreaLayer(const CStoreAreaLayer& other) : IProfLayer(other) {}
    CStoreAreaLayer& operator=(const CStoreAreaLayer& other) = default;
    ~CStoreAreaLayer() override {}
};

}  // namespace kel::plane
