#include "hosttypes/Parsnip/QXObjectLegend.h"

IMPLEMENT_DYNAMIC(CQXObjectLegend, CQXObject)

CQXObjectLegend::CQXObjectLegend(CQXLayer* layer) : CQXObject(layer) { SetClassNameG("CQXObjectLegend"); }
CQXObjectLegend::~CQXObjectLegend() = default;

void CQXObjectLegend::GetLogFont(QXLOGFONT* font) const {
    if (font) *font = m_titleFont;
}

void CQXObjectLegend::SetLogFont(QXLOGFONT* font) {
    if (!font) return;
    m_titleFont = *font;
    Touched("CQXObjectLegend::SetLogFont");
}

void CQXObjectLegend::GetLogPen(QXLOGPEN* pen) const {
    if (pen) *pen = m_framePen;
}

void CQXObjectLegend::SetLogPen(QXLOGPEN* pen) {
    if (!pen) return;
    m_framePen = *pen;
    Touched("CQXObjectLegend::SetLogPen");
}
