#include "hosttypes/Moraine/StratumMapLayer.h"

#include "hostlibs/Moraine/LayerSettings.h"

using namespace moraine::detail;

namespace kel::plane {

CStratumMapLayer::CStratumMapLayer(CQXLayer* layer) : IProfLayer(layer) {}

void CStratumMapLayer::GetStoreAreaBrush(QXLOGBRUSH& brush) const {
    brush = Read<QXLOGBRUSH>(m_pSettings, "StoreAreaBrush", QXLOGBRUSH());
}
void CStratumMapLayer::SetStoreAreaBrush(QXLOGBRUSH& brush) {
    Write<QXLOGBRUSH>(m_pLayer, m_pSettings, "StoreAreaBrush", brush,
                      "kel::plane::CStratumMapLayer::SetStoreAreaBrush");
}

void CStratumMapLayer::GetOilAreaBrush(QXLOGBRUSH& brush) const {
    brush = Read<QXLOGBRUSH>(m_pSettings, "OilAreaBrush", QXLOGBRUSH());
}
void CStratumMapLayer::SetOilAreaBrush(QXLOGBRUSH& brush) {
    Write<QXLOGBRUSH>(m_pLayer, m_pSettings, "OilAreaBrush", brush, "kel::plane::CStratumMapLayer::SetOilAreaBrush");
}

void CStratumMapLayer::GetOilRegionBrush(QXLOGBRUSH& brush) const {
    brush = Read<QXLOGBRUSH>(m_pSettings, "OilRegionBrush", QXLOGBRUSH());
}
void CStratumMapLayer::SetOilRegionBrush(QXLOGBRUSH& brush) {
    Write<QXLOGBRUSH>(m_pLayer, m_pSettings, "OilRegionBrush", brush,
                      "kel::plane::CStratumMapLayer::SetOilRegionBrush");
}

void CStratumMapLayer::GetWaterRegionBrush(QXLOGBRUSH& brush) const {
    brush = Read<QXLOGBRUSH>(m_pSettings, "WaterRegionBrush", QXLOGBRUSH());
}
void CStratumMapLayer::SetWaterRegionBrush(QXLOGBRUSH& brush) {
    Write<QXLOGBRUSH>(m_pLayer, m_pSettings, "WaterRegionBrush", brush,
                      "kel::plane::CStratumMapLayer::SetWaterRegionBrush");
}

}  // namespace kel::plane
