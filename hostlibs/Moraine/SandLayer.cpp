#include "hosttypes/Moraine/SandLayer.h"

#include <string>
#include <vector>

#include "hostlibs/Moraine/LayerStyleWords.h"
#include "hosttypes/Parsnip/QXLayer.h"

using namespace moraine::detail;

namespace kel::plane {

CSandLayer::CSandLayer(CQXLayer* layer) : IProfLayer(layer) {}

CString CSandLayer::GetLayerName() const { return m_pLayer ? m_pLayer->GetName() : CString(); }

int CSandLayer::GetLineVisible() const { return Read<int>(m_pSettings, "LineVisible", 1); }

void CSandLayer::SetLineVisible(int value) {
    Write<int>(m_pLayer, m_pSettings, "LineVisible", value, "kel::plane::CSandLayer::SetLineVisible",
               std::to_string(value));
}

int CSandLayer::GetLineValidVisible() const { return Read<int>(m_pSettings, "LineValidVisible", 1); }

void CSandLayer::SetLineValidVisible(int value) {
    Write<int>(m_pLayer, m_pSettings, "LineValidVisible", value, "kel::plane::CSandLayer::SetLineValidVisible",
               std::to_string(value));
}

int CSandLayer::GetFillVisible() const { return Read<int>(m_pSettings, "FillVisible", 1); }

void CSandLayer::SetFillVisible(int value) {
    Write<int>(m_pLayer, m_pSettings, "FillVisible", value, "kel::plane::CSandLayer::SetFillVisible",
               std::to_string(value));
}

int CSandLayer::GetFillValidVisible() const { return Read<int>(m_pSettings, "FillValidVisible", 1); }

void CSandLayer::SetFillValidVisible(int value) {
    Write<int>(m_pLayer, m_pSettings, "FillValidVisible", value, "kel::plane::CSandLayer::SetFillValidVisible",
               std::to_string(value));
}

int CSandLayer::GetLineSameStyle() const { return Read<int>(m_pSettings, "LineSameStyle", 1); }

void CSandLayer::SetLineSameStyle(int value) {
    Write<int>(m_pLayer, m_pSettings, "LineSameStyle", value, "kel::plane::CSandLayer::SetLineSameStyle",
               std::to_string(value));
}

unsigned CSandLayer::GetLineStyle() const { return PenStyle(m_pLayer); }
void CSandLayer::SetLineStyle(unsigned style) { SetPenStyle(m_pLayer, style, "kel::plane::CSandLayer::SetLineStyle"); }

int CSandLayer::GetLineSameColor() const { return Read<int>(m_pSettings, "LineSameColor", 1); }

void CSandLayer::SetLineSameColor(int value) {
    Write<int>(m_pLayer, m_pSettings, "LineSameColor", value, "kel::plane::CSandLayer::SetLineSameColor",
               std::to_string(value));
}

COLORREF CSandLayer::GetLineColor() const { return PenColor(m_pLayer); }
void CSandLayer::SetLineColor(COLORREF color) { SetPenColor(m_pLayer, color, "kel::plane::CSandLayer::SetLineColor"); }

int CSandLayer::GetLineSameSize() const { return Read<int>(m_pSettings, "LineSameSize", 1); }

void CSandLayer::SetLineSameSize(int value) {
    Write<int>(m_pLayer, m_pSettings, "LineSameSize", value, "kel::plane::CSandLayer::SetLineSameSize",
               std::to_string(value));
}

float CSandLayer::GetLineSize() const { return PenWidth(m_pLayer); }
void CSandLayer::SetLineSize(float size) { SetPenWidth(m_pLayer, size, "kel::plane::CSandLayer::SetLineSize"); }

int CSandLayer::GetLineValidSameStyle() const { return Read<int>(m_pSettings, "LineValidSameStyle", 1); }

void CSandLayer::SetLineValidSameStyle(int value) {
    Write<int>(m_pLayer, m_pSettings, "LineValidSameStyle", value, "kel::plane::CSandLayer::SetLineValidSameStyle",
               std::to_string(value));
}

unsigned CSandLayer::GetLineValidStyle() const { return Read<QXLOGPEN>(m_pSettings, "LineValidPen", QXLOGPEN()).style; }

void CSandLayer::SetLineValidStyle(unsigned style) {
    QXLOGPEN pen = Read<QXLOGPEN>(m_pSettings, "LineValidPen", QXLOGPEN());
    pen.style = style;
    Write<QXLOGPEN>(m_pLayer, m_pSettings, "LineValidPen", pen, "kel::plane::CSandLayer::SetLineValidStyle",
                    std::to_string(style));
}

int CSandLayer::GetLineValidSameColor() const { return Read<int>(m_pSettings, "LineValidSameColor", 1); }

void CSandLayer::SetLineValidSameColor(int value) {
    Write<int>(m_pLayer, m_pSettings, "LineValidSameColor", value, "kel::plane::CSandLayer::SetLineValidSameColor",
               std::to_string(value));
}

COLORREF CSandLayer::GetLineValidColor() const { return Read<QXLOGPEN>(m_pSettings, "LineValidPen", QXLOGPEN()).color; }

void CSandLayer::SetLineValidColor(COLORREF color) {
    QXLOGPEN pen = Read<QXLOGPEN>(m_pSettings, "LineValidPen", QXLOGPEN());
    pen.color = color;
    Write<QXLOGPEN>(m_pLayer, m_pSettings, "LineValidPen", pen, "kel::plane::CSandLayer::SetLineValidColor",
                    std::to_string(color));
}

int CSandLayer::GetLineValidSameSize() const { return Read<int>(m_pSettings, "LineValidSameSize", 1); }

void CSandLayer::SetLineValidSameSize(int value) {
    Write<int>(m_pLayer, m_pSettings, "LineValidSameSize", value, "kel::plane::CSandLayer::SetLineValidSameSize",
               std::to_string(value));
}

float CSandLayer::GetLineValidSize() const { return Read<QXLOGPEN>(m_pSettings, "LineValidPen", QXLOGPEN()).width; }

void CSandLayer::SetLineValidSize(float size) {
    QXLOGPEN pen = Read<QXLOGPEN>(m_pSettings, "LineValidPen", QXLOGPEN());
    pen.width = size;
    Write<QXLOGPEN>(m_pLayer, m_pSettings, "LineValidPen", pen, "kel::plane::CSandLayer::SetLineValidSize",
                    std::to_string(size));
}

}  // namespace kel::plane
