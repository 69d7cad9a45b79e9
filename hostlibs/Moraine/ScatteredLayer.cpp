#include "hosttypes/Moraine/ScatteredLayer.h"

#include <string>
#include <vector>

#include "hostlibs/Moraine/LayerStyleWords.h"
#include "hosttypes/Parsnip/QXLayer.h"

using namespace moraine::detail;

namespace kel::plane {

CScatteredLayer::CScatteredLayer(CQXLayer* layer) : IProfLayer(layer) {}

CString CScatteredLayer::GetLayerName() const { return m_pLayer ? m_pLayer->GetName() : CString(); }

void CScatteredLayer::SetLayerName(CString name) {
    if (!m_pLayer) return;
    m_pLayer->SetName(name);
    Changed(m_pLayer, "kel::plane::CScatteredLayer::SetLayerName", name.str());
}

int CScatteredLayer::GetLineVisible() const { return Read<int>(m_pSettings, "LineVisible", 1); }

void CScatteredLayer::SetLineVisible(int value) {
    Write<int>(m_pLayer, m_pSettings, "LineVisible", value, "kel::plane::CScatteredLayer::SetLineVisible",
               std::to_string(value));
}

int CScatteredLayer::GetFillVisible() const { return Read<int>(m_pSettings, "FillVisible", 1); }

void CScatteredLayer::SetFillVisible(int value) {
    Write<int>(m_pLayer, m_pSettings, "FillVisible", value, "kel::plane::CScatteredLayer::SetFillVisible",
               std::to_string(value));
}

CString CScatteredLayer::GetDataName() const { return Read<CString>(m_pSettings, "DataName", CString()); }

int CScatteredLayer::GetAppendControlPointVisible() const {
    return Read<int>(m_pSettings, "AppendControlPointVisible", 1);
}

void CScatteredLayer::SetAppendControlPointVisible(int value) {
    Write<int>(m_pLayer, m_pSettings, "AppendControlPointVisible", value,
               "kel::plane::CScatteredLayer::SetAppendControlPointVisible", std::to_string(value));
}

void CScatteredLayer::GetAppendControlPoint(QXLOGPOINT* point) const {
    if (point) *point = LayerPoint(m_pLayer);
}

void CScatteredLayer::SetAppendControlPointStyle(unsigned style) {
    SetPointStyle(m_pLayer, style, "kel::plane::CScatteredLayer::SetAppendControlPointStyle");
}

float CScatteredLayer::GetAppendControlPointSize() const { return LayerPoint(m_pLayer).size; }

void CScatteredLayer::SetAppendControlPointSize(float size) {
    SetPointSize(m_pLayer, size, "kel::plane::CScatteredLayer::SetAppendControlPointSize");
}

void CScatteredLayer::SetAppendControlPointBorderColor(COLORREF color) {
    SetPointBorderColor(m_pLayer, color, "kel::plane::CScatteredLayer::SetAppendControlPointBorderColor");
}

void CScatteredLayer::SetAppendControlPointInnerColor(COLORREF color) {
    SetPointInnerColor(m_pLayer, color, "kel::plane::CScatteredLayer::SetAppendControlPointInnerColor");
}

int CScatteredLayer::GetLineSameStyle() const { return Read<int>(m_pSettings, "LineSameStyle", 1); }

void CScatteredLayer::SetLineSameStyle(int value) {
    Write<int>(m_pLayer, m_pSettings, "LineSameStyle", value, "kel::plane::CScatteredLayer::SetLineSameStyle",
               std::to_string(value));
}

unsigned CScatteredLayer::GetLineStyle() const { return PenStyle(m_pLayer); }
void CScatteredLayer::SetLineStyle(unsigned style) {
    SetPenStyle(m_pLayer, style, "kel::plane::CScatteredLayer::SetLineStyle");
}

int CScatteredLayer::GetLineSameColor() const { return Read<int>(m_pSettings, "LineSameColor", 1); }

void CScatteredLayer::SetLineSameColor(int value) {
    Write<int>(m_pLayer, m_pSettings, "LineSameColor", value, "kel::plane::CScatteredLayer::SetLineSameColor",
               std::to_string(value));
}

COLORREF CScatteredLayer::GetLineColor() const { return PenColor(m_pLayer); }
void CScatteredLayer::SetLineColor(COLORREF color) {
    SetPenColor(m_pLayer, color, "kel::plane::CScatteredLayer::SetLineColor");
}

int CScatteredLayer::GetLineSameSize() const { return Read<int>(m_pSettings, "LineSameSize", 1); }

void CScatteredLayer::SetLineSameSize(int value) {
    Write<int>(m_pLayer, m_pSettings, "LineSameSize", value, "kel::plane::CScatteredLayer::SetLineSameSize",
               std::to_string(value));
}

float CScatteredLayer::GetLineSize() const { return PenWidth(m_pLayer); }
void CScatteredLayer::SetLineSize(float size) {
    SetPenWidth(m_pLayer, size, "kel::plane::CScatteredLayer::SetLineSize");
}

}  // namespace kel::plane
