#include "hosttypes/Moraine/PieLayer.h"

namespace kel::plane {

CPieLayer::CPieLayer(CQXLayer* layer) : IProfLayer(layer) {}

}  // namespace kel::plane
