#include "hosttypes/Thistle/PiePlot.h"

std::string CPiePiece::GetLabelStr() const { return m_strLabel; }

void CPiePiece::GetLogBrush(QXLOGBRUSH* brush) const {
    if (brush) *brush = m_brush;
}

void CPiePiece::SetLogBrush(QXLOGBRUSH* brush) {
    if (brush) m_brush = *brush;
}

void CPiePiece::GetLogPen(QXLOGPEN* pen) const {
    if (pen) *pen = m_pen;
}

void CPiePiece::SetLogPen(QXLOGPEN* pen) {
    if (pen) m_pen = *pen;
}

bool CPiePiece::GetIsShowFill() const { return m_bShowFill; }
void CPiePiece::SetIsShowFill(bool show) { m_bShowFill = show; }
double CPiePiece::GetAngle() const { return m_dAngle; }

void CPiePlot::GetLabelFont(QXLOGFONT* font) const {
    if (font) *font = m_labelFont;
}

void CPiePlot::SetLabelFont(QXLOGFONT* font) {
    if (!font) return;
    m_labelFont = *font;
    OnChanged(0);
}

bool CPiePlot::SetDatasetAndAxises(CkelDataset*, IkelAxis*, IkelAxis*) { return false; }
