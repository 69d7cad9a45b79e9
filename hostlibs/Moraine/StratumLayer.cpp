#include "hosttypes/Moraine/StratumLayer.h"

namespace kel::plane {

CStratumLayer::CStratumLayer(CQXLayer* layer) : IProfLayer(layer) {}

}  // namespace kel::plane
