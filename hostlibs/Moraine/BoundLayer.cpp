#include "hosttypes/Moraine/BoundLayer.h"

#include "hostlibs/Moraine/LayerSettings.h"

namespace kel::plane {

CBoundLayer::CBoundLayer(CQXLayer* layer) : IProfLayer(layer) {}

void CBoundLayer::GetPen(QXLOGPEN& pen) const { pen = moraine::detail::LayerPen(m_pLayer); }

void CBoundLayer::SetPen(QXLOGPEN& pen) {
    moraine::detail::SetLayerPen(m_pLayer, pen, "kel::plane::CBoundLayer::SetPen");
}

}  // namespace kel::plane
