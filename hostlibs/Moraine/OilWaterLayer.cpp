#include "hosttypes/Moraine/OilWaterLayer.h"

#include <string>
#include <vector>

#include "hostlibs/Moraine/LayerStyleWords.h"
#include "hosttypes/Parsnip/QXLayer.h"

using namespace moraine::detail;

namespace kel::plane {

COilWaterLayer::COilWaterLayer(CQXLayer* layer) : IProfLayer(layer) {}

CString COilWaterLayer::GetLayerName() const { return m_pLayer ? m_pLayer->GetName() : CString(); }

void COilWaterLayer::SetLayerName(CString name) {
    if (!m_pLayer) return;
    m_pLayer->SetName(name);
    Changed(m_pLayer, "kel::plane::COilWaterLayer::SetLayerName", name.str());
}

int COilWaterLayer::GetLineVisible() const { return Read<int>(m_pSettings, "LineVisible", 1); }

void COilWaterLayer::SetLineVisible(int value) {
    Write<int>(m_pLayer, m_pSettings, "LineVisible", value, "kel::plane::COilWaterLayer::SetLineVisible",
               std::to_string(value));
}

int COilWaterLayer::GetFillVisible() const { return Read<int>(m_pSettings, "FillVisible", 1); }

void COilWaterLayer::SetFillVisible(int value) {
    Write<int>(m_pLayer, m_pSettings, "FillVisible", value, "kel::plane::COilWaterLayer::SetFillVisible",
               std::to_string(value));
}

int COilWaterLayer::GetLineSameStyle() const { return Read<int>(m_pSettings, "LineSameStyle", 1); }

void COilWaterLayer::SetLineSameStyle(int value) {
    Write<int>(m_pLayer, m_pSettings, "LineSameStyle", value, "kel::plane::COilWaterLayer::SetLineSameStyle",
               std::to_string(value));
}

unsigned COilWaterLayer::GetLineStyle() const { return PenStyle(m_pLayer); }
void COilWaterLayer::SetLineStyle(unsigned style) {
    SetPenStyle(m_pLayer, style, "kel::plane::COilWaterLayer::SetLineStyle");
}

int COilWaterLayer::GetLineSameColor() const { return Read<int>(m_pSettings, "LineSameColor", 1); }

void COilWaterLayer::SetLineSameColor(int value) {
    Write<int>(m_pLayer, m_pSettings, "LineSameColor", value, "kel::plane::COilWaterLayer::SetLineSameColor",
               std::to_string(value));
}

COLORREF COilWaterLayer::GetLineColor() const { return PenColor(m_pLayer); }
void COilWaterLayer::SetLineColor(COLORREF color) {
    SetPenColor(m_pLayer, color, "kel::plane::COilWaterLayer::SetLineColor");
}

int COilWaterLayer::GetLineSameSize() const { return Read<int>(m_pSettings, "LineSameSize", 1); }

void COilWaterLayer::SetLineSameSize(int value) {
    Write<int>(m_pLayer, m_pSettings, "LineSameSize", value, "kel::plane::COilWaterLayer::SetLineSameSize",
               std::to_string(value));
}

float COilWaterLayer::GetLineSize() const { return PenWidth(m_pLayer); }
void COilWaterLayer::SetLineSize(float size) { SetPenWidth(m_pLayer, size, "kel::plane::COilWaterLayer::SetLineSize"); }

void COilWaterLayer::GetAllOilWaterType(CStringArray& types) const {
    types.RemoveAll();
    for (const CString& type : Read<std::vector<CString>>(m_pSettings, "DistributionTypes", {})) types.Add(type);
}

}  // namespace kel::plane
