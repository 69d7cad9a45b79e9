#include "hosttypes/Moraine/LineLayer.h"

#include "hostlibs/Moraine/LayerSettings.h"

namespace kel::plane {

CLineLayer::CLineLayer(CQXLayer* layer) : IProfLayer(layer) {}

void CLineLayer::GetPen(QXLOGPEN& pen) const { pen = moraine::detail::LayerPen(m_pLayer); }

void CLineLayer::SetPen(QXLOGPEN& pen) {
    moraine::detail::SetLayerPen(m_pLayer, pen, "kel::plane::CLineLayer::SetPen");
}

void CLineLayer::GetLogBrush(QXLOGBRUSH& brush) const { brush = moraine::detail::LayerBrush(m_pLayer); }

}  // namespace kel::plane
