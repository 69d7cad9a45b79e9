#include "hosttypes/Parsnip/QXObjectScale.h"

#include <string>

IMPLEMENT_DYNAMIC(CQXObjectScale, CQXObject)

CQXObjectScale::CQXObjectScale(CQXLayer* layer) : CQXObject(layer) { SetClassNameG("CQXObjectScale"); }
CQXObjectScale::~CQXObjectScale() = default;

int CQXObjectScale::GetZeroFromStart() const { return m_nZeroFromStart; }

void CQXObjectScale::SetZeroFromStart(int zeroFromStart) {
    m_nZeroFromStart = zeroFromStart ? 1 : 0;
    Touched("CQXObjectScale::SetZeroFromStart", std::to_string(m_nZeroFromStart));
}

int CQXObjectScale::GetStyle() const { return m_nStyle; }

void CQXObjectScale::SetStyle(int style) {
    m_nStyle = style;
    Touched("CQXObjectScale::SetStyle", std::to_string(style));
}

void CQXObjectScale::SetSize(double size) {
    m_dSize = size * 10;
    Touched("CQXObjectScale::SetSize", std::to_string(size));
}

void CQXObjectScale::GetLogFont(QXLOGFONT* font) const {
    if (font) *font = m_font;
}

void CQXObjectScale::SetLogFont(QXLOGFONT* font) {
    if (!font) return;
    m_font = *font;
    Touched("CQXObjectScale::SetLogFont");
}

void CQXObjectScale::GetLogPen(QXLOGPEN* pen) const {
    if (pen) *pen = m_pen;
}

void CQXObjectScale::SetLogPen(QXLOGPEN* pen) {
    if (!pen) return;
    m_pen = *pen;
    Touched("CQXObjectScale::SetLogPen");
}
