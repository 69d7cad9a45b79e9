#include "hosttypes/Moraine/FaultLayer.h"

#include "hostlibs/Moraine/LayerSettings.h"
#include "hosttypes/Parsnip/QXLayer.h"

using namespace moraine::detail;

namespace kel::plane {
namespace {
// The standard pens live in the layer's attribute store, where the fault line list reads them.
QXLOGPEN StoredPen(CQXLayer* layer, const char* key) {
    QXLOGPEN pen;
    if (layer) layer->GetPropertyManager()->GetPenProperty(key, &pen);
    return pen;
}

void StorePen(CQXLayer* layer, const char* key, const QXLOGPEN& pen, const char* operation) {
    if (!layer) return;
    layer->GetPropertyManager()->SetPenProperty(key, &pen);
    Changed(layer, operation);
}
}  // namespace

CFaultLayer::CFaultLayer(CQXLayer* layer) : IProfLayer(layer) {}

void CFaultLayer::GetPolygonPen(QXLOGPEN& pen) const { pen = StoredPen(m_pLayer, "FAULT_POLYGON_PEN"); }
void CFaultLayer::SetPolygonPen(QXLOGPEN& pen) {
    StorePen(m_pLayer, "FAULT_POLYGON_PEN", pen, "kel::plane::CFaultLayer::SetPolygonPen");
}

void CFaultLayer::GetUpPen(QXLOGPEN& pen) const { pen = StoredPen(m_pLayer, "FAULT_UP_PEN"); }
void CFaultLayer::SetUpPen(QXLOGPEN& pen) {
    StorePen(m_pLayer, "FAULT_UP_PEN", pen, "kel::plane::CFaultLayer::SetUpPen");
}

void CFaultLayer::GetDnPen(QXLOGPEN& pen) const { pen = StoredPen(m_pLayer, "FAULT_DN_PEN"); }
void CFaultLayer::SetDnPen(QXLOGPEN& pen) {
    StorePen(m_pLayer, "FAULT_DN_PEN", pen, "kel::plane::CFaultLayer::SetDnPen");
}

void CFaultLayer::GetMidPen(QXLOGPEN& pen) const { pen = StoredPen(m_pLayer, "FAULT_MID_PEN"); }
void CFaultLayer::SetMidPen(QXLOGPEN& pen) {
    StorePen(m_pLayer, "FAULT_MID_PEN", pen, "kel::plane::CFaultLayer::SetMidPen");
}

void CFaultLayer::GetPolygonBrush(QXLOGBRUSH& brush) const {
    brush = Read<QXLOGBRUSH>(m_pSettings, "PolygonBrush", QXLOGBRUSH());
}
void CFaultLayer::SetPolygonBrush(QXLOGBRUSH& brush) {
    Write<QXLOGBRUSH>(m_pLayer, m_pSettings, "PolygonBrush", brush, "kel::plane::CFaultLayer::SetPolygonBrush");
}

void CFaultLayer::GetBrush(QXLOGBRUSH& brush) const { brush = Read<QXLOGBRUSH>(m_pSettings, "Brush", QXLOGBRUSH()); }
void CFaultLayer::SetBrush(QXLOGBRUSH& brush) {
    Write<QXLOGBRUSH>(m_pLayer, m_pSettings, "Brush", brush, "kel::plane::CFaultLayer::SetBrush");
}

}  // namespace kel::plane
