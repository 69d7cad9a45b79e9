#include "hosttypes/Moraine/WellNetLayer.h"

#include "hostlibs/Moraine/LayerSettings.h"

using namespace moraine::detail;

namespace kel::plane {

CWellNetLayer::CWellNetLayer(CQXLayer* layer) : IProfLayer(layer) {}

void CWellNetLayer::SetPen(QXLOGPEN& pen) { SetLayerPen(m_pLayer, pen, "kel::plane::CWellNetLayer::SetPen"); }

void CWellNetLayer::SetBrush(QXLOGBRUSH& brush) {
    SetLayerBrush(m_pLayer, brush, "kel::plane::CWellNetLayer::SetBrush");
}

}  // namespace kel::plane
