// The chart's background brush and the line-plot fill's cutoff, brush and style set.
#include "hostlibs/Thistle/ThistleTesting.h"
#include "hosttypes/Thistle/ChartGraph.h"
#include "hosttypes/Thistle/Plot.h"

using thistle::detail::Stamp;

void IChartGraph::GetLogBrush(QXLOGBRUSH* brush) const {
    if (brush) *brush = m_logBrush;
}

void IChartGraph::SetLogBrush(QXLOGBRUSH* brush) {
    if (!brush) return;
    m_logBrush = *brush;
    Stamp(this);
}

double CkelLinePlotFill::GetCutoffValue() const { return m_dCutoffValue; }
void CkelLinePlotFill::SetCutoffValue(double value) {
    m_dCutoffValue = value;
    if (m_pPlot) Stamp(m_pPlot);
}

void CkelLinePlotFill::GetLogBrush(QXLOGBRUSH* brush) const {
    if (brush) *brush = m_brush;
}

void CkelLinePlotFill::SetLogBrush(QXLOGBRUSH* brush) {
    if (!brush) return;
    m_brush = *brush;
    if (m_pPlot) Stamp(m_pPlot);
}

std::string CkelLinePlotFill::GetFillStyleSet() const { return m_strFillStyleSet; }
void CkelLinePlotFill::SetFillStyleSet(const std::string& name) {
    m_strFillStyleSet = name;
    if (m_pPlot) Stamp(m_pPlot);
}
