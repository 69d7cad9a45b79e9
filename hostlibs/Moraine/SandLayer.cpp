#include "hosttypes/Moraine/SandLayer.h"

#include <string>

#include "hostlibs/Moraine/LayerSettings.h"

using namespace moraine::detail;

namespace kel::plane {
namespace {
// The effective-area line values are the words of a pen kept with the settings.
QXLOGPEN ValidPen(LayerSettings* settings) { return Read<QXLOGPEN>(settings, "LineValidPen", QXLOGPEN()); }

template <class Word>
void SetValidPenWord(CQXLayer* layer, LayerSettings* settings, Word QXLOGPEN::*word, Word value,
                     const char* operation) {
    QXLOGPEN pen = ValidPen(settings);
    pen.*word = value;
    Write<QXLOGPEN>(layer, settings, "LineValidPen", pen, operation, std::to_string(value));
}
}  // namespace

CSandLayer::CSandLayer(CQXLayer* layer) : IProfLayer(layer) {}

int CSandLayer::GetLineValidVisible() const { return Read<int>(m_pSettings, "LineValidVisible", 1); }
void CSandLayer::SetLineValidVisible(int visible) {
    WriteInt(m_pLayer, m_pSettings, "LineValidVisible", visible, "kel::plane::CSandLayer::SetLineValidVisible");
}

int CSandLayer::GetFillValidVisible() const { return Read<int>(m_pSettings, "FillValidVisible", 1); }
void CSandLayer::SetFillValidVisible(int visible) {
    WriteInt(m_pLayer, m_pSettings, "FillValidVisible", visible, "kel::plane::CSandLayer::SetFillValidVisible");
}

int CSandLayer::GetLineValidSameStyle() const { return Read<int>(m_pSettings, "LineValidSameStyle", 1); }
void CSandLayer::SetLineValidSameStyle(int same) {
    WriteInt(m_pLayer, m_pSettings, "LineValidSameStyle", same, "kel::plane::CSandLayer::SetLineValidSameStyle");
}

unsigned CSandLayer::GetLineValidStyle() const { return ValidPen(m_pSettings).style; }
void CSandLayer::SetLineValidStyle(unsigned style) {
    SetValidPenWord(m_pLayer, m_pSettings, &QXLOGPEN::style, style, "kel::plane::CSandLayer::SetLineValidStyle");
}

int CSandLayer::GetLineValidSameColor() const { return Read<int>(m_pSettings, "LineValidSameColor", 1); }
void CSandLayer::SetLineValidSameColor(int same) {
    WriteInt(m_pLayer, m_pSettings, "LineValidSameColor", same, "kel::plane::CSandLayer::SetLineValidSameColor");
}

COLORREF CSandLayer::GetLineValidColor() const { return ValidPen(m_pSettings).color; }
void CSandLayer::SetLineValidColor(COLORREF color) {
    SetValidPenWord(m_pLayer, m_pSettings, &QXLOGPEN::color, color, "kel::plane::CSandLayer::SetLineValidColor");
}

int CSandLayer::GetLineValidSameSize() const { return Read<int>(m_pSettings, "LineValidSameSize", 1); }
void CSandLayer::SetLineValidSameSize(int same) {
    WriteInt(m_pLayer, m_pSettings, "LineValidSameSize", same, "kel::plane::CSandLayer::SetLineValidSameSize");
}

float CSandLayer::GetLineValidSize() const { return ValidPen(m_pSettings).width; }
void CSandLayer::SetLineValidSize(float size) {
    SetValidPenWord(m_pLayer, m_pSettings, &QXLOGPEN::width, size, "kel::plane::CSandLayer::SetLineValidSize");
}

}  // namespace kel::plane
