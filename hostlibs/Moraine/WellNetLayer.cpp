#include "hosttypes/Moraine/WellNetLayer.h"

#include <string>

#include "hostlibs/Moraine/LayerSettings.h"

using namespace moraine::detail;

namespace kel::plane {

CWellNetLayer::CWellNetLayer(CQXLayer* layer) : IProfLayer(layer) {}

int CWellNetLayer::GetLineVisible() const { return Read<int>(m_pSettings, "LineVisible", 1); }

void CWellNetLayer::SetLineVisible(int visible) {
    Write<int>(m_pLayer, m_pSettings, "LineVisible", visible, "kel::plane::CWellNetLayer::SetLineVisible",
               std::to_string(visible));
}

void CWellNetLayer::SetPen(QXLOGPEN& pen) { SetLayerPen(m_pLayer, pen, "kel::plane::CWellNetLayer::SetPen"); }

int CWellNetLayer::GetFillVisible() const { return Read<int>(m_pSettings, "FillVisible", 1); }

void CWellNetLayer::SetFillVisible(int visible) {
    Write<int>(m_pLayer, m_pSettings, "FillVisible", visible, "kel::plane::CWellNetLayer::SetFillVisible",
               std::to_string(visible));
}

void CWellNetLayer::SetBrush(QXLOGBRUSH& brush) {
    SetLayerBrush(m_pLayer, brush, "kel::plane::CWellNetLayer::SetBrush");
}

}  // namespace kel::plane
