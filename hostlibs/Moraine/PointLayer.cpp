#include "hosttypes/Moraine/PointLayer.h"

#include <string>

#include "hostlibs/Moraine/LayerSettings.h"

using namespace moraine::detail;

namespace kel::plane {
namespace {
// Label positions beside a point, as (vertical, horizontal) codes: vertical 0 below,
// 1 middle, 2 above; horizontal 0 right, 1 centre, 2 left.
struct Position {
    const char* text;
    int vertical;
    int horizontal;
};
constexpr Position kPositions[] = {
    {"右下", 0, 0}, {"下", 0, 1},   {"左下", 0, 2}, {"右", 1, 0},   {"中", 1, 1},
    {"左", 1, 2},   {"右上", 2, 0}, {"上", 2, 1},   {"左上", 2, 2},
};
}  // namespace

CPointLayer::CPointLayer(CQXLayer* layer) : IProfLayer(layer) {}

void CPointLayer::GetSymbolPoint(QXLOGPOINT* point) const {
    if (point) *point = LayerPoint(m_pLayer);
}

void CPointLayer::SetSymbolPoint(QXLOGPOINT* point) {
    if (point) SetLayerPoint(m_pLayer, *point, "kel::plane::CPointLayer::SetSymbolPoint");
}

void CPointLayer::GetFont(QXLOGFONT* font) const {
    if (font) *font = LayerFont(m_pLayer);
}

void CPointLayer::SetFont(QXLOGFONT* font) {
    if (font) SetLayerFont(m_pLayer, *font, "kel::plane::CPointLayer::SetFont");
}

int CPointLayer::GetDecimal() const { return Read<int>(m_pSettings, "Decimal", 0); }

void CPointLayer::SetDecimal(int decimal) {
    WriteInt(m_pLayer, m_pSettings, "Decimal", decimal, "kel::plane::CPointLayer::SetDecimal");
}

double CPointLayer::GetAngle() const { return Read<double>(m_pSettings, "Angle", 0.0); }

void CPointLayer::SetAngle(double angle) {
    Write<double>(m_pLayer, m_pSettings, "Angle", angle, "kel::plane::CPointLayer::SetAngle", std::to_string(angle));
}

int CPointLayer::GetHAlign() const { return Read<int>(m_pSettings, "HAlign", 1); }
int CPointLayer::GetVAlign() const { return Read<int>(m_pSettings, "VAlign", 1); }

void CPointLayer::SetAlign(const CString& position) {
    if (!m_pLayer || !m_pSettings) return;
    for (const Position& p : kPositions) {
        if (position != p.text) continue;
        m_pSettings->Set<int>("VAlign", p.vertical);
        m_pSettings->Set<int>("HAlign", p.horizontal);
        Changed(m_pLayer, "kel::plane::CPointLayer::SetAlign", position.str());
        return;
    }
}

}  // namespace kel::plane
