#include "hosttypes/Parsnip/QXObjectMultiText.h"

IMPLEMENT_DYNAMIC(CQXObjectMultiText, CQXObject)

CQXObjectMultiText::CQXObjectMultiText(CQXLayer* layer) : CQXObject(layer) {
    SetClassNameG("CQXObjectMultiText");
    m_brush.style = kBrushStyleNone;  // a new text has no background
}
CQXObjectMultiText::~CQXObjectMultiText() = default;

CString CQXObjectMultiText::GetString() const { return m_strText; }

void CQXObjectMultiText::SetString(const char* text) {
    m_strText = text ? text : "";
    Touched("CQXObjectMultiText::SetString", m_strText.str());
}

void CQXObjectMultiText::GetLogFont(QXLOGFONT* font) const {
    if (font) *font = m_font;
}

void CQXObjectMultiText::SetLogFont(QXLOGFONT* font) {
    if (!font) return;
    m_font = *font;
    Touched("CQXObjectMultiText::SetLogFont");
}

void CQXObjectMultiText::GetLogBrush(QXLOGBRUSH* brush) const {
    if (brush) *brush = m_brush;
}

void CQXObjectMultiText::SetLogBrush(QXLOGBRUSH* brush) {
    if (!brush) return;
    m_brush = *brush;
    Touched("CQXObjectMultiText::SetLogBrush");
}

double CQXObjectMultiText::GetAngle() const { return m_dAngle; }

void CQXObjectMultiText::SetAngle(double radians) {
    m_dAngle = radians;
    Touched("CQXObjectMultiText::SetAngle", FormatString("%.17g", radians).str());
}

int CQXObjectMultiText::GetHAlign() const { return m_nHAlign; }

void CQXObjectMultiText::SetHAlign(int align) {
    m_nHAlign = align;
    Touched("CQXObjectMultiText::SetHAlign", std::to_string(align));
}

int CQXObjectMultiText::GetVAlign() const { return m_nVAlign; }

void CQXObjectMultiText::SetVAlign(int align) {
    m_nVAlign = align;
    Touched("CQXObjectMultiText::SetVAlign", std::to_string(align));
}
