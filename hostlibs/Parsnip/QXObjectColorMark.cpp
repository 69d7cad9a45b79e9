#include "hosttypes/Parsnip/QXObjectColorMark.h"

#include <string>

IMPLEMENT_DYNAMIC(CQXObjectColorMark, CQXObject)

CQXObjectColorMark::CQXObjectColorMark(CQXLayer* layer) : CQXObject(layer) { SetClassNameG("CQXObjectColorMark"); }
CQXObjectColorMark::~CQXObjectColorMark() = default;

int CQXObjectColorMark::GetDirection() const { return m_nDirection; }

void CQXObjectColorMark::SetDirection(int direction) {
    m_nDirection = direction == -1 ? -1 : 1;
    Touched("CQXObjectColorMark::SetDirection", std::to_string(m_nDirection));
}

double CQXObjectColorMark::GetRadiusA() const { return m_dRadiusA; }

void CQXObjectColorMark::SetRadiusA(double radius) {
    m_dRadiusA = radius;
    Touched("CQXObjectColorMark::SetRadiusA", std::to_string(radius));
}

double CQXObjectColorMark::GetRadiusB() const { return m_dRadiusB; }

void CQXObjectColorMark::SetRadiusB(double radius) {
    m_dRadiusB = radius;
    Touched("CQXObjectColorMark::SetRadiusB", std::to_string(radius));
}

void CQXObjectColorMark::GetLogFont(QXLOGFONT* font) const {
    if (font) *font = m_font;
}

void CQXObjectColorMark::SetLogFont(QXLOGFONT* font) {
    if (!font) return;
    m_font = *font;
    Touched("CQXObjectColorMark::SetLogFont");
}

int CQXObjectColorMark::GetDecimal() const { return m_nDecimal; }

void CQXObjectColorMark::SetDecimal(int decimal) {
    m_nDecimal = decimal;
    Touched("CQXObjectColorMark::SetDecimal", std::to_string(decimal));
}

int CQXObjectColorMark::GetLabelAlign() const { return m_nLabelAlign; }

void CQXObjectColorMark::SetLabelAlign(int align) {
    m_nLabelAlign = align;
    Touched("CQXObjectColorMark::SetLabelAlign", std::to_string(align));
}

int CQXObjectColorMark::GetLabelInterval() const { return m_nLabelInterval; }

void CQXObjectColorMark::SetLabelInterval(int interval) {
    m_nLabelInterval = interval;
    Touched("CQXObjectColorMark::SetLabelInterval", std::to_string(interval));
}
