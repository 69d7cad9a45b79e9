#include "hosttypes/Moraine/OilAreaLayer.h"

namespace kel::plane {

COilAreaLayer::COilAreaLayer(CQXLayer* layer) : IProfLayer(layer) {}

}  // namespace kel::plane
