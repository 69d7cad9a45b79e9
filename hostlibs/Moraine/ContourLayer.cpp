#include "hosttypes/Moraine/ContourLayer.h"

#include <string>
#include <vector>

#include "hostlibs/Moraine/LayerStyleWords.h"
#include "hosttypes/Parsnip/QXLayer.h"

using namespace moraine::detail;

namespace kel::plane {

CContourLayer::CContourLayer(CQXLayer* layer) : IProfLayer(layer) {}

CString CContourLayer::GetLayerName() const { return m_pLayer ? m_pLayer->GetName() : CString(); }

void CContourLayer::SetLayerName(CString name) {
    if (!m_pLayer) return;
    m_pLayer->SetName(name);
    Changed(m_pLayer, "kel::plane::CContourLayer::SetLayerName", name.str());
}

CString CContourLayer::GetTableName() const { return Read<CString>(m_pSettings, "TableName", CString()); }
CString CContourLayer::GetDataName() const { return Read<CString>(m_pSettings, "DataName", CString()); }
CString CContourLayer::GetControlName() const { return Read<CString>(m_pSettings, "ControlName", CString()); }

int CContourLayer::GetLineVisible() const { return Read<int>(m_pSettings, "LineVisible", 1); }

void CContourLayer::SetLineVisible(int value) {
    Write<int>(m_pLayer, m_pSettings, "LineVisible", value, "kel::plane::CContourLayer::SetLineVisible",
               std::to_string(value));
}

int CContourLayer::GetLineMode() const { return Read<int>(m_pSettings, "LineMode", 0); }

void CContourLayer::SetLineMode(int value) {
    Write<int>(m_pLayer, m_pSettings, "LineMode", value, "kel::plane::CContourLayer::SetLineMode",
               std::to_string(value));
}

int CContourLayer::GetLineColorType() const { return Read<int>(m_pSettings, "LineColorType", 0); }

void CContourLayer::SetLineColorType(int value) {
    Write<int>(m_pLayer, m_pSettings, "LineColorType", value, "kel::plane::CContourLayer::SetLineColorType",
               std::to_string(value));
}

void CContourLayer::SetLineColor(COLORREF color) {
    SetPenColor(m_pLayer, color, "kel::plane::CContourLayer::SetLineColor");
}
void CContourLayer::SetLineStyle(unsigned style) {
    SetPenStyle(m_pLayer, style, "kel::plane::CContourLayer::SetLineStyle");
}
double CContourLayer::GetLineSize() const { return PenWidth(m_pLayer); }

void CContourLayer::SetLineSize(double size) {
    SetPenWidth(m_pLayer, static_cast<float>(size), "kel::plane::CContourLayer::SetLineSize");
}

CString CContourLayer::GetLabelFontName() const { return LayerFont(m_pLayer).GetFaceName(); }

void CContourLayer::SetLabelFontName(CString name) {
    QXLOGFONT font = LayerFont(m_pLayer);
    font.SetFaceName(name);
    SetLayerFont(m_pLayer, font, "kel::plane::CContourLayer::SetLabelFontName", name.str());
}

float CContourLayer::GetLabelFontSize() const { return LayerFont(m_pLayer).size; }

void CContourLayer::SetLabelFontSize(float size) {
    QXLOGFONT font = LayerFont(m_pLayer);
    font.size = size;
    SetLayerFont(m_pLayer, font, "kel::plane::CContourLayer::SetLabelFontSize", std::to_string(size));
}

COLORREF CContourLayer::GetLabelFontColor() const { return LayerFont(m_pLayer).color; }

void CContourLayer::SetLabelFontColor(COLORREF color) {
    QXLOGFONT font = LayerFont(m_pLayer);
    font.color = color;
    SetLayerFont(m_pLayer, font, "kel::plane::CContourLayer::SetLabelFontColor", std::to_string(color));
}

int CContourLayer::GetLabelDotCount() const { return Read<int>(m_pSettings, "LabelDotCount", 0); }

void CContourLayer::SetLabelDotCount(int value) {
    Write<int>(m_pLayer, m_pSettings, "LabelDotCount", value, "kel::plane::CContourLayer::SetLabelDotCount",
               std::to_string(value));
}

int CContourLayer::GetLabelBeginPos() const { return Read<int>(m_pSettings, "LabelBeginPos", 0); }

void CContourLayer::SetLabelBeginPos(int value) {
    Write<int>(m_pLayer, m_pSettings, "LabelBeginPos", value, "kel::plane::CContourLayer::SetLabelBeginPos",
               std::to_string(value));
}

int CContourLayer::GetLabelInterval() const { return Read<int>(m_pSettings, "LabelInterval", 0); }

void CContourLayer::SetLabelInterval(int value) {
    Write<int>(m_pLayer, m_pSettings, "LabelInterval", value, "kel::plane::CContourLayer::SetLabelInterval",
               std::to_string(value));
}

int CContourLayer::GetLabelFontTransParent() const { return static_cast<int>(LayerFont(m_pLayer).transparent); }

void CContourLayer::SetLabelFontTransParent(int transparent) {
    QXLOGFONT font = LayerFont(m_pLayer);
    font.transparent = static_cast<UINT>(transparent);
    SetLayerFont(m_pLayer, font, "kel::plane::CContourLayer::SetLabelFontTransParent", std::to_string(transparent));
}

COLORREF CContourLayer::GetLabelFontBackColor() const { return LayerFont(m_pLayer).backColor; }

void CContourLayer::SetLabelFontBackColor(COLORREF color) {
    QXLOGFONT font = LayerFont(m_pLayer);
    font.backColor = color;
    SetLayerFont(m_pLayer, font, "kel::plane::CContourLayer::SetLabelFontBackColor", std::to_string(color));
}

int CContourLayer::GetFillVisible() const { return Read<int>(m_pSettings, "FillVisible", 1); }

void CContourLayer::SetFillVisible(int value) {
    Write<int>(m_pLayer, m_pSettings, "FillVisible", value, "kel::plane::CContourLayer::SetFillVisible",
               std::to_string(value));
}

CString CContourLayer::GetFillColorTemplate() const {
    return Read<CString>(m_pSettings, "FillColorTemplate", CString());
}

void CContourLayer::SetFillColorTemplate(CString name) {
    Write<CString>(m_pLayer, m_pSettings, "FillColorTemplate", name, "kel::plane::CContourLayer::SetFillColorTemplate",
                   name.str());
}

int CContourLayer::GetColorInvert() const { return Read<int>(m_pSettings, "ColorInvert", 0); }

void CContourLayer::SetColorInvert(int value) {
    Write<int>(m_pLayer, m_pSettings, "ColorInvert", value, "kel::plane::CContourLayer::SetColorInvert",
               std::to_string(value));
}

int CContourLayer::GetColorMarkVisible() const { return Read<int>(m_pSettings, "ColorMarkVisible", 1); }

void CContourLayer::SetColorMarkVisible(int value) {
    Write<int>(m_pLayer, m_pSettings, "ColorMarkVisible", value, "kel::plane::CContourLayer::SetColorMarkVisible",
               std::to_string(value));
}

}  // namespace kel::plane
