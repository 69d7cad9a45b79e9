#include "hosttypes/Moraine/StoreAreaLayer.h"

namespace kel::plane {

CStoreAreaLayer::CStoreAreaLayer(CQXLayer* layer) : IProfLayer(layer) {}

}  // namespace kel::plane
