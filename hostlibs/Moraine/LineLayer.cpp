#include "hosttypes/Moraine/LineLayer.h"

#include "hostlibs/Moraine/LayerSettings.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectLine.h"

namespace kel::plane {

CLineLayer::CLineLayer(CQXLayer* layer) : IProfLayer(layer) {}

void CLineLayer::GetPen(QXLOGPEN& pen) const { pen = moraine::detail::LayerPen(m_pLayer); }

void CLineLayer::SetPen(QXLOGPEN& pen) {
    moraine::detail::SetLayerPen(m_pLayer, pen, "kel::plane::CLineLayer::SetPen");
}

// The brush the layer's lines are filled with: the first line's, so that a fill written to every
// line shows; the layer's own while it holds no line.
void CLineLayer::GetLogBrush(QXLOGBRUSH& brush) const {
    const int count = m_pLayer ? m_pLayer->GetObjectCount() : 0;
    for (int i = 0; i < count; ++i)
        if (auto* line = dynamic_cast<CQXObjectLine*>(m_pLayer->GetObjectG(i))) {
            line->GetLogBrush(&brush);
            return;
        }
    brush = moraine::detail::LayerBrush(m_pLayer);
}

}  // namespace kel::plane
