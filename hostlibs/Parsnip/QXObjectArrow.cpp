#include "hosttypes/Parsnip/QXObjectArrow.h"

#include <string>

IMPLEMENT_DYNAMIC(CQXObjectArrow, CQXObjectLine)

CQXObjectArrow::CQXObjectArrow(CQXLayer* layer) : CQXObjectLine(layer) { SetClassNameG("CQXObjectArrow"); }
CQXObjectArrow::~CQXObjectArrow() = default;

int CQXObjectArrow::GetStyle() const { return m_nStyle; }

void CQXObjectArrow::SetStyle(int style) {
    m_nStyle = style;
    Touched("CQXObjectArrow::SetStyle", std::to_string(style));
}

void CQXObjectArrow::GetLogBrush(QXLOGBRUSH* brush) const {
    if (brush) *brush = m_brush;
}

void CQXObjectArrow::SetLogBrush(QXLOGBRUSH* brush) {
    if (!brush) return;
    m_brush = *brush;
    Touched("CQXObjectArrow::SetLogBrush");
}

double CQXObjectArrow::GetHeight() const { return m_dHeight; }

void CQXObjectArrow::SetHeight(double height) {
    m_dHeight = height;
    Touched("CQXObjectArrow::SetHeight", std::to_string(height));
}

// The stand-in draws nothing, so there is no outline to keep: the rebuild is recorded.
void CQXObjectArrow::CreateModel() { Touched("CQXObjectArrow::CreateModel"); }
