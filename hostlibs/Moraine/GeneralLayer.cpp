#include "hosttypes/Moraine/GeneralLayer.h"

namespace kel::plane {

CGeneralLayer::CGeneralLayer(CQXLayer* layer) : IProfLayer(layer) {}

}  // namespace kel::plane
