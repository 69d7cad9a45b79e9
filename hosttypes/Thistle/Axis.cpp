#include "hosttypes/Thistle/Axis.h"

IChartGraph* IkelAxis::GetChartGraph() const { return m_pChartGraph; }
double IkelAxis::GetMin() const { return m_dMin; }
double IkelAxis::GetMax() const { return m_dMax; }
int IkelAxis::GetSpaceType() const { return m_nSpaceType; }
int IkelAxis::GetAxisType() const { return m_nAxisType; }
int IkelAxis::GetAxisScaleType() const { return m_nScaleType; }
bool IkelAxis::GetDescend() const { return m_bDescend; }
IkelSpace* IkelAxis::GetSpace() { return &m_space; }
double IkelAxis::GetLength() const { return m_dLength; }
double IkelAxis::GetIntervalSpacing() const { return m_dIntervalSpacing; }

void IkelAxis::SetIntervalSpacing(double spacing) {
    m_dIntervalSpacing = spacing;
    OnChanged(0);
}

CkelAxisGrid* IkelAxis::GetGrid() { return &m_grid; }
CkelAxisTitle* IkelAxis::GetTitle() { return &m_title; }
CkelAxisTickMarks* IkelAxis::GetTickMarks() { return &m_tickMarks; }
CkelAxisTickLabels* IkelAxis::GetTickLabels() { return &m_tickLabels; }
double IkelAxis::limitMaxValue(double v) { return v; }
double IkelAxis::limitMinValue(double v) { return v; }

double CkelAxisAngle::GetIntervalAngle() const { return 0.0628318530717958; }
