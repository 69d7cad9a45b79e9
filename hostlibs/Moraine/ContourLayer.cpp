#include "hosttypes/Moraine/ContourLayer.h"

#include "hostlibs/Moraine/LayerSettings.h"
#include "hostlibs/Moraine/LayerStyleWords.h"

using namespace moraine::detail;

namespace kel::plane {

CContourLayer::CContourLayer(CQXLayer* layer) : IProfLayer(layer) {}

CString CContourLayer::GetTableName() const { return Read<CString>(m_pSettings, "TableName", CString()); }
CString CContourLayer::GetDataName() const { return Read<CString>(m_pSettings, "DataName", CString()); }
CString CContourLayer::GetControlName() const { return Read<CString>(m_pSettings, "ControlName", CString()); }

int CContourLayer::GetLineMode() const { return Read<int>(m_pSettings, "LineMode", 0); }
void CContourLayer::SetLineMode(int mode) {
    WriteInt(m_pLayer, m_pSettings, "LineMode", mode, "kel::plane::CContourLayer::SetLineMode");
}

int CContourLayer::GetLineColorType() const { return Read<int>(m_pSettings, "LineColorType", 0); }
void CContourLayer::SetLineColorType(int type) {
    WriteInt(m_pLayer, m_pSettings, "LineColorType", type, "kel::plane::CContourLayer::SetLineColorType");
}

void CContourLayer::SetLineColor(COLORREF color) {
    SetPenColor(m_pLayer, color, "kel::plane::CContourLayer::SetLineColor");
}
void CContourLayer::SetLineStyle(unsigned style) {
    SetPenStyle(m_pLayer, style, "kel::plane::CContourLayer::SetLineStyle");
}

double CContourLayer::GetLineSize() const { return PenWidth(m_pLayer); }
void CContourLayer::SetLineSize(double size) {
    float width = 0;
    if (FitsFloat(size, &width)) SetPenWidth(m_pLayer, width, "kel::plane::CContourLayer::SetLineSize");
}

CString CContourLayer::GetLabelFontName() const { return LayerFont(m_pLayer).GetFaceName(); }
void CContourLayer::SetLabelFontName(CString name) {
    QXLOGFONT font = LayerFont(m_pLayer);
    font.SetFaceName(name);
    SetLayerFont(m_pLayer, font, "kel::plane::CContourLayer::SetLabelFontName", name.str());
}

float CContourLayer::GetLabelFontSize() const { return LayerFont(m_pLayer).size; }
void CContourLayer::SetLabelFontSize(float size) {
    SetFontSize(m_pLayer, size, "kel::plane::CContourLayer::SetLabelFontSize");
}

COLORREF CContourLayer::GetLabelFontColor() const { return LayerFont(m_pLayer).color; }
void CContourLayer::SetLabelFontColor(COLORREF color) {
    SetFontColor(m_pLayer, color, "kel::plane::CContourLayer::SetLabelFontColor");
}

int CContourLayer::GetLabelDotCount() const { return Read<int>(m_pSettings, "LabelDotCount", 0); }
void CContourLayer::SetLabelDotCount(int count) {
    WriteInt(m_pLayer, m_pSettings, "LabelDotCount", count, "kel::plane::CContourLayer::SetLabelDotCount");
}

int CContourLayer::GetLabelBeginPos() const { return Read<int>(m_pSettings, "LabelBeginPos", 0); }
void CContourLayer::SetLabelBeginPos(int position) {
    WriteInt(m_pLayer, m_pSettings, "LabelBeginPos", position, "kel::plane::CContourLayer::SetLabelBeginPos");
}

int CContourLayer::GetLabelInterval() const { return Read<int>(m_pSettings, "LabelInterval", 0); }
void CContourLayer::SetLabelInterval(int interval) {
    WriteInt(m_pLayer, m_pSettings, "LabelInterval", interval, "kel::plane::CContourLayer::SetLabelInterval");
}

int CContourLayer::GetLabelFontTransParent() const { return static_cast<int>(LayerFont(m_pLayer).transparent); }
void CContourLayer::SetLabelFontTransParent(int transparent) {
    SetFontTransparent(m_pLayer, static_cast<UINT>(transparent), "kel::plane::CContourLayer::SetLabelFontTransParent");
}

COLORREF CContourLayer::GetLabelFontBackColor() const { return LayerFont(m_pLayer).backColor; }
void CContourLayer::SetLabelFontBackColor(COLORREF color) {
    SetFontBackColor(m_pLayer, color, "kel::plane::CContourLayer::SetLabelFontBackColor");
}

CString CContourLayer::GetFillColorTemplate() const {
    return Read<CString>(m_pSettings, "FillColorTemplate", CString());
}
void CContourLayer::SetFillColorTemplate(CString name) {
    Write<CString>(m_pLayer, m_pSettings, "FillColorTemplate", name, "kel::plane::CContourLayer::SetFillColorTemplate",
                   name.str());
}

int CContourLayer::GetColorInvert() const { return Read<int>(m_pSettings, "ColorInvert", 0); }
void CContourLayer::SetColorInvert(int invert) {
    WriteInt(m_pLayer, m_pSettings, "ColorInvert", invert, "kel::plane::CContourLayer::SetColorInvert");
}

int CContourLayer::GetColorMarkVisible() const { return Read<int>(m_pSettings, "ColorMarkVisible", 1); }
void CContourLayer::SetColorMarkVisible(int visible) {
    WriteInt(m_pLayer, m_pSettings, "ColorMarkVisible", visible, "kel::plane::CContourLayer::SetColorMarkVisible");
}

}  // namespace kel::plane
