// kel::plane::CGeneralLayer: a general layer (no settings of its own).
#pragma once

#include "hosttypes/Moraine/ProfLayer.h"

namespace kel::plane {

class CGeneralLayer : public IProfLayer {
public:
    explicit CGeneralLayer(CQXLayer* layer);
    CGeneralLayer(const CGeneralLayer& other) : IProfLayer(other) {}
    CGeneralLayer& operator=(const CGeneralLayer& other) = default;
    ~CGeneralLayer() override {}
};

}  // namespace kel::plane
