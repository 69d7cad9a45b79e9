#include "hosttypes/Thistle/Legend.h"

// A null style pointer is ignored: nothing is stored and nothing is announced.

void CkelLegend::SetDisplayShadow(bool show) {
    m_bDisplayShadow = show;
    OnChanged(0);
}

void CkelLegend::SetShadowFill(QXLOGBRUSH* brush) {
    if (!brush) return;
    m_shadowFill = *brush;
    OnChanged(0);
}

void CkelLegend::SetTitleText(const std::string& text) {
    m_strTitleText = text;
    OnChanged(0);
}

void CkelLegend::SetShowTitle(bool show) {
    m_bShowTitle = show;
    OnChanged(0);
}

void CkelLegend::SetTitleFont(QXLOGFONT* font) {
    if (!font) return;
    m_titleFont = *font;
    OnChanged(0);
}

void CkelLegend::SetBorderLine(QXLOGPEN* pen) {
    if (!pen) return;
    m_borderLine = *pen;
    OnChanged(0);
}

void CkelLegend::SetInnerBorderLine(QXLOGPEN* pen) {
    if (!pen) return;
    m_innerBorderLine = *pen;
    OnChanged(0);
}

void CkelLegend::SetBorderFill(QXLOGBRUSH* brush) {
    if (!brush) return;
    m_borderFill = *brush;
    OnChanged(0);
}

void CkelLegend::SetLegendFont(QXLOGFONT* font) {
    if (!font) return;
    m_legendFont = *font;
    OnChanged(0);
}

void CkelLegend::SetLMarginSpace(double space) {
    m_dLMarginSpace = space;
    OnChanged(0);
}

void CkelLegend::SetTMarginSpace(double space) {
    m_dTMarginSpace = space;
    OnChanged(0);
}

void CkelLegend::SetIntervalSpace(double space) {
    m_dIntervalSpace = space;
    OnChanged(0);
}

void CkelLegend::SetBorderWidth(double width) {
    m_dBorderWidth = width;
    OnChanged(0);
}

void CkelLegend::SetBorderHeight(double height) {
    m_dBorderHeight = height;
    OnChanged(0);
}
