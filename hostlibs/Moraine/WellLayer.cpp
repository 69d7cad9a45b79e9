#include "hosttypes/Moraine/WellLayer.h"

namespace kel::plane {

CWellLayer::CWellLayer(CQXLayer* layer) : IProfLayer(layer) {}

}  // namespace kel::plane
