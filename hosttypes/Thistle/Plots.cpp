#include "hosttypes/Thistle/Plots.h"

CkelPlotLabels* CkelLineBasePlot::GetLabels() { return m_bHasLabels ? &m_labels : nullptr; }

IkelPlotSymbolStrategy* CkelLinePlot::GetSymbol() { return m_pSymbol; }

double CkelBarBasePlot::GetWidthPercent() const { return m_dWidthPercent; }
IkelAxis* CkelBarBasePlot::GetBaseAxis() const { return m_pBaseAxis; }
IkelAxis* CkelBarBasePlot::GetParallelAxis() const { return m_pParallelAxis; }
int CkelBarBasePlot::GetBaseColumn() const { return m_nBaseColumn; }
int CkelBarBasePlot::GetParallelColumn() const { return m_nParallelColumn; }
int CkelBarBasePlot::GetOrientation() const { return m_nOrientation; }

unsigned CkelClassPlot::GetClassCol() const { return m_nClassCol; }
CkelPlotLabels* CkelClassPlot::GetLabels() { return m_bHasLabels ? &m_labels : nullptr; }
CkelClassificationManager* CkelClassPlot::GetClassificationManager() { return &m_classification; }

int CkelTernaryPlot::GetXCol() const { return m_nXCol; }
int CkelTernaryPlot::GetYCol() const { return m_nYCol; }
int CkelTernaryPlot::GetZCol() const { return m_nZCol; }
unsigned CkelTernaryPlot::GetClassCounts() const { return static_cast<unsigned>(m_classes.size()); }
CkelPlotLabels* CkelTernaryPlot::GetPlotLabels() { return m_bHasLabels ? &m_labels : nullptr; }
