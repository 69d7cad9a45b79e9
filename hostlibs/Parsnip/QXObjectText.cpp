#include "hosttypes/Parsnip/QXObjectText.h"

IMPLEMENT_DYNAMIC(CQXObjectText, CQXObject)

CQXObjectText::CQXObjectText(CQXLayer* layer) : CQXObject(layer) { SetClassNameG("CQXObjectText"); }
CQXObjectText::~CQXObjectText() = default;

CString CQXObjectText::GetString() const { return m_strText; }

void CQXObjectText::SetString(const char* text) {
    m_strText = text ? text : "";
    Touched("CQXObjectText::SetString", m_strText.str());
}

void CQXObjectText::GetLogFont(QXLOGFONT* font) const {
    if (font) *font = m_font;
}

void CQXObjectText::SetLogFont(QXLOGFONT* font) {
    if (!font) return;
    m_font = *font;
    Touched("CQXObjectText::SetLogFont");
}

double CQXObjectText::GetAngle() const { return m_dAngle; }

void CQXObjectText::SetAngle(double radians) {
    m_dAngle = radians;
    Touched("CQXObjectText::SetAngle", FormatString("%.17g", radians).str());
}

int CQXObjectText::GetHorizontalAlign() const { return m_nHAlign; }

void CQXObjectText::SetHorizontalAlign(int align) {
    m_nHAlign = align;
    Touched("CQXObjectText::SetHorizontalAlign", std::to_string(align));
}

int CQXObjectText::GetVerticalAlign() const { return m_nVAlign; }

void CQXObjectText::SetVerticalAlign(int align) {
    m_nVAlign = align;
    Touched("CQXObjectText::SetVerticalAlign", std::to_string(align));
}
