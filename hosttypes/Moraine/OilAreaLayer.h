// kel::plane::COilAreaLayer: an oil-bearing-area layer.
#pragma once

#include "hosttypes/Moraine/ProfLayer.h"

namespace kel::plane {

class COilAreaLayer : public IProfLayer {
public:
    explicit COilAreaLayer(CQXLayer* layer);
    COilAreaLayer(const COilAreaLayer& other) : IProfLayer(other) {}
    COilAreaLayer& operator=(const COilAreaLayer& other) = default;
    ~COilAreaLayer() override {}
};

}  // namespace kel::plane
