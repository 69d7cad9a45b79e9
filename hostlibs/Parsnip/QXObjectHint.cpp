#include "hosttypes/Parsnip/QXObjectHint.h"

IMPLEMENT_DYNAMIC(CQXObjectHint, CQXObject)

CQXObjectHint::CQXObjectHint(CQXLayer* layer) : CQXObject(layer) { SetClassNameG("CQXObjectHint"); }
CQXObjectHint::~CQXObjectHint() = default;

CString CQXObjectHint::GetString() const { return m_strText; }

void CQXObjectHint::SetString(const char* text) {
    m_strText = text ? text : "";
    Touched("CQXObjectHint::SetString", m_strText.str());
}

int CQXObjectHint::GetStyle() const { return m_nStyle; }

void CQXObjectHint::SetStyle(int style) {
    m_nStyle = style;
    Touched("CQXObjectHint::SetStyle", std::to_string(style));
}

void CQXObjectHint::GetLogPen(QXLOGPEN* pen) const {
    if (pen) *pen = m_pen;
}

void CQXObjectHint::SetLogPen(QXLOGPEN* pen) {
    if (!pen) return;
    m_pen = *pen;
    Touched("CQXObjectHint::SetLogPen");
}

void CQXObjectHint::GetLogBrush(QXLOGBRUSH* brush) const {
    if (brush) *brush = m_brush;
}

void CQXObjectHint::SetLogBrush(QXLOGBRUSH* brush) {
    if (!brush) return;
    m_brush = *brush;
    Touched("CQXObjectHint::SetLogBrush");
}

void CQXObjectHint::GetLogFont(QXLOGFONT* font) const {
    if (font) *font = m_font;
}

void CQXObjectHint::SetLogFont(QXLOGFONT* font) {
    if (!font) return;
    m_font = *font;
    Touched("CQXObjectHint::SetLogFont");
}
