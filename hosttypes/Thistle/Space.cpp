#include "hosttypes/Thistle/Space.h"

#include "hosttypes/Thistle/Axis.h"

void IkelSpace::setParameters(FLOATPOINT first, FLOATPOINT last, double firstValue, double lastValue) {
    m_firstPoint = first;
    m_lastPoint = last;
    m_dFirstValue = firstValue;
    m_dLastValue = lastValue;
}

void IkelSpace::setFirstFPoint(FLOATPOINT point) { m_firstPoint = point; }
void IkelSpace::setLastFPoint(FLOATPOINT point) { m_lastPoint = point; }
void IkelSpace::setFirstSpaceValue(double value) { m_dFirstValue = value; }
void IkelSpace::SetLastSpaceValue(double value) { m_dLastValue = value; }
FLOATPOINT IkelSpace::getFirstFPoint() const { return m_firstPoint; }
FLOATPOINT IkelSpace::getLastFPoint() const { return m_lastPoint; }
double IkelSpace::getFirstSpaceValue() const { return m_dFirstValue; }
double IkelSpace::getLastSpaceValue() const { return m_dLastValue; }
bool IkelSpace::IsPositiveRegion() const { return m_bPositiveRegion; }

void parametersForAngleSpace::getParasFromAxis(CkelAxisAngle* axis) {
    if (!axis) return;
    axis->FillAngleParameters(*this);
    m_dMin = axis->GetMin();
    m_dMax = axis->GetMax();
    m_bDescend = axis->GetDescend();
    m_dIntervalSpacing = axis->GetIntervalSpacing();
}
