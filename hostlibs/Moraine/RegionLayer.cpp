#include "hosttypes/Moraine/RegionLayer.h"

#include <string>
#include <vector>

#include "hostlibs/Moraine/LayerStyleWords.h"
#include "hosttypes/Parsnip/QXLayer.h"

using namespace moraine::detail;

namespace kel::plane {

CRegionLayer::CRegionLayer(CQXLayer* layer) : IProfLayer(layer) {}

CString CRegionLayer::GetLayerName() const { return m_pLayer ? m_pLayer->GetName() : CString(); }

void CRegionLayer::SetLayerName(CString name) {
    if (!m_pLayer) return;
    m_pLayer->SetName(name);
    Changed(m_pLayer, "kel::plane::CRegionLayer::SetLayerName", name.str());
}

int CRegionLayer::GetLineVisible() const { return Read<int>(m_pSettings, "LineVisible", 1); }

void CRegionLayer::SetLineVisible(int value) {
    Write<int>(m_pLayer, m_pSettings, "LineVisible", value, "kel::plane::CRegionLayer::SetLineVisible",
               std::to_string(value));
}

int CRegionLayer::GetFillVisible() const { return Read<int>(m_pSettings, "FillVisible", 1); }

void CRegionLayer::SetFillVisible(int value) {
    Write<int>(m_pLayer, m_pSettings, "FillVisible", value, "kel::plane::CRegionLayer::SetFillVisible",
               std::to_string(value));
}

int CRegionLayer::GetLineSameStyle() const { return Read<int>(m_pSettings, "LineSameStyle", 1); }

void CRegionLayer::SetLineSameStyle(int value) {
    Write<int>(m_pLayer, m_pSettings, "LineSameStyle", value, "kel::plane::CRegionLayer::SetLineSameStyle",
               std::to_string(value));
}

unsigned CRegionLayer::GetLineStyle() const { return PenStyle(m_pLayer); }
void CRegionLayer::SetLineStyle(unsigned style) {
    SetPenStyle(m_pLayer, style, "kel::plane::CRegionLayer::SetLineStyle");
}

int CRegionLayer::GetLineSameColor() const { return Read<int>(m_pSettings, "LineSameColor", 1); }

void CRegionLayer::SetLineSameColor(int value) {
    Write<int>(m_pLayer, m_pSettings, "LineSameColor", value, "kel::plane::CRegionLayer::SetLineSameColor",
               std::to_string(value));
}

COLORREF CRegionLayer::GetLineColor() const { return PenColor(m_pLayer); }
void CRegionLayer::SetLineColor(COLORREF color) {
    SetPenColor(m_pLayer, color, "kel::plane::CRegionLayer::SetLineColor");
}

int CRegionLayer::GetLineSameSize() const { return Read<int>(m_pSettings, "LineSameSize", 1); }

void CRegionLayer::SetLineSameSize(int value) {
    Write<int>(m_pLayer, m_pSettings, "LineSameSize", value, "kel::plane::CRegionLayer::SetLineSameSize",
               std::to_string(value));
}

float CRegionLayer::GetLineSize() const { return PenWidth(m_pLayer); }
void CRegionLayer::SetLineSize(float size) { SetPenWidth(m_pLayer, size, "kel::plane::CRegionLayer::SetLineSize"); }

void CRegionLayer::GetAllRegionType(CStringArray& types) const {
    types.RemoveAll();
    for (const CString& type : Read<std::vector<CString>>(m_pSettings, "DistributionTypes", {})) types.Add(type);
}

}  // namespace kel::plane
