#include "hosttypes/Moraine/FaciesLayer.h"

namespace kel::plane {

// Every accessor is one of the shared blocks (LayerBlocks.cpp).
CFaciesLayer::CFaciesLayer(CQXLayer* layer) : IProfLayer(layer) {}

}  // namespace kel::plane
