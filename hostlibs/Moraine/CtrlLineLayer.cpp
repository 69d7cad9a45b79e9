#include "hosttypes/Moraine/CtrlLineLayer.h"

#include <string>

#include "hostlibs/Moraine/LayerSettings.h"
#include "hosttypes/Parsnip/QXLayer.h"

using namespace moraine::detail;

namespace kel::plane {

CCtrlLineLayer::CCtrlLineLayer(CQXLayer* layer) : IProfLayer(layer) {}

CString CCtrlLineLayer::GetLayerName() const { return m_pLayer ? m_pLayer->GetName() : CString(); }

int CCtrlLineLayer::GetVisible() const { return Read<int>(m_pSettings, "Visible", 1); }

void CCtrlLineLayer::SetVisible(int visible) {
    Write<int>(m_pLayer, m_pSettings, "Visible", visible, "kel::plane::CCtrlLineLayer::SetVisible",
               std::to_string(visible));
}

unsigned CCtrlLineLayer::GetLineStyle() const { return LayerPen(m_pLayer).style; }

void CCtrlLineLayer::SetLineStyle(unsigned style) {
    QXLOGPEN pen = LayerPen(m_pLayer);
    pen.style = style;
    SetLayerPen(m_pLayer, pen, "kel::plane::CCtrlLineLayer::SetLineStyle", std::to_string(style));
}

double CCtrlLineLayer::GetLineSize() const { return LayerPen(m_pLayer).width; }

void CCtrlLineLayer::SetLineSize(double size) {
    QXLOGPEN pen = LayerPen(m_pLayer);
    pen.width = static_cast<float>(size);
    SetLayerPen(m_pLayer, pen, "kel::plane::CCtrlLineLayer::SetLineSize", std::to_string(size));
}

COLORREF CCtrlLineLayer::GetLineColor() const { return LayerPen(m_pLayer).color; }

void CCtrlLineLayer::SetLineColor(COLORREF color) {
    QXLOGPEN pen = LayerPen(m_pLayer);
    pen.color = color;
    SetLayerPen(m_pLayer, pen, "kel::plane::CCtrlLineLayer::SetLineColor", std::to_string(color));
}

}  // namespace kel::plane
