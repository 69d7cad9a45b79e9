#include "hosttypes/Moraine/FaciesLayer.h"

#include <string>
#include <vector>

#include "hostlibs/Moraine/LayerStyleWords.h"
#include "hosttypes/Parsnip/QXLayer.h"

using namespace moraine::detail;

namespace kel::plane {

CFaciesLayer::CFaciesLayer(CQXLayer* layer) : IProfLayer(layer) {}

CString CFaciesLayer::GetLayerName() const { return m_pLayer ? m_pLayer->GetName() : CString(); }

void CFaciesLayer::SetLayerName(CString name) {
    if (!m_pLayer) return;
    m_pLayer->SetName(name);
    Changed(m_pLayer, "kel::plane::CFaciesLayer::SetLayerName", name.str());
}

int CFaciesLayer::GetLineVisible() const { return Read<int>(m_pSettings, "LineVisible", 1); }

void CFaciesLayer::SetLineVisible(int value) {
    Write<int>(m_pLayer, m_pSettings, "LineVisible", value, "kel::plane::CFaciesLayer::SetLineVisible",
               std::to_string(value));
}

int CFaciesLayer::GetFillVisible() const { return Read<int>(m_pSettings, "FillVisible", 1); }

void CFaciesLayer::SetFillVisible(int value) {
    Write<int>(m_pLayer, m_pSettings, "FillVisible", value, "kel::plane::CFaciesLayer::SetFillVisible",
               std::to_string(value));
}

int CFaciesLayer::GetAppendControlPointVisible() const {
    return Read<int>(m_pSettings, "AppendControlPointVisible", 1);
}

void CFaciesLayer::SetAppendControlPointVisible(int value) {
    Write<int>(m_pLayer, m_pSettings, "AppendControlPointVisible", value,
               "kel::plane::CFaciesLayer::SetAppendControlPointVisible", std::to_string(value));
}

void CFaciesLayer::GetAppendControlPoint(QXLOGPOINT* point) const {
    if (point) *point = LayerPoint(m_pLayer);
}

void CFaciesLayer::SetAppendControlPointStyle(unsigned style) {
    SetPointStyle(m_pLayer, style, "kel::plane::CFaciesLayer::SetAppendControlPointStyle");
}

float CFaciesLayer::GetAppendControlPointSize() const { return LayerPoint(m_pLayer).size; }

void CFaciesLayer::SetAppendControlPointSize(float size) {
    SetPointSize(m_pLayer, size, "kel::plane::CFaciesLayer::SetAppendControlPointSize");
}

void CFaciesLayer::SetAppendControlPointBorderColor(COLORREF color) {
    SetPointBorderColor(m_pLayer, color, "kel::plane::CFaciesLayer::SetAppendControlPointBorderColor");
}

void CFaciesLayer::SetAppendControlPointInnerColor(COLORREF color) {
    SetPointInnerColor(m_pLayer, color, "kel::plane::CFaciesLayer::SetAppendControlPointInnerColor");
}

int CFaciesLayer::GetLineSameStyle() const { return Read<int>(m_pSettings, "LineSameStyle", 1); }

void CFaciesLayer::SetLineSameStyle(int value) {
    Write<int>(m_pLayer, m_pSettings, "LineSameStyle", value, "kel::plane::CFaciesLayer::SetLineSameStyle",
               std::to_string(value));
}

unsigned CFaciesLayer::GetLineStyle() const { return PenStyle(m_pLayer); }
void CFaciesLayer::SetLineStyle(unsigned style) {
    SetPenStyle(m_pLayer, style, "kel::plane::CFaciesLayer::SetLineStyle");
}

int CFaciesLayer::GetLineSameColor() const { return Read<int>(m_pSettings, "LineSameColor", 1); }

void CFaciesLayer::SetLineSameColor(int value) {
    Write<int>(m_pLayer, m_pSettings, "LineSameColor", value, "kel::plane::CFaciesLayer::SetLineSameColor",
               std::to_string(value));
}

COLORREF CFaciesLayer::GetLineColor() const { return PenColor(m_pLayer); }
void CFaciesLayer::SetLineColor(COLORREF color) {
    SetPenColor(m_pLayer, color, "kel::plane::CFaciesLayer::SetLineColor");
}

int CFaciesLayer::GetLineSameSize() const { return Read<int>(m_pSettings, "LineSameSize", 1); }

void CFaciesLayer::SetLineSameSize(int value) {
    Write<int>(m_pLayer, m_pSettings, "LineSameSize", value, "kel::plane::CFaciesLayer::SetLineSameSize",
               std::to_string(value));
}

float CFaciesLayer::GetLineSize() const { return PenWidth(m_pLayer); }
void CFaciesLayer::SetLineSize(float size) { SetPenWidth(m_pLayer, size, "kel::plane::CFaciesLayer::SetLineSize"); }

}  // namespace kel::plane
