// Axes of the chart library. Setters renew the axis's stamp.
#include "hostlibs/Thistle/ThistleTesting.h"
#include "hosttypes/Thistle/Axis.h"

using thistle::detail::Record;
using thistle::detail::Stamp;

IMPLEMENT_DYNAMIC(IkelAxis, CQXObject)
IMPLEMENT_DYNAMIC(CkelAxisStanderdX, IkelAxis)
IMPLEMENT_DYNAMIC(CkelAxisStanderdY, IkelAxis)
IMPLEMENT_DYNAMIC(CkelAxisTernary, IkelAxis)
IMPLEMENT_DYNAMIC(CkelAxisRadius, IkelAxis)
IMPLEMENT_DYNAMIC(CkelAxisAngle, IkelAxis)
IMPLEMENT_DYNAMIC(CkelAxisDateTime, IkelAxis)

IkelAxis::IkelAxis() = default;
IkelAxis::~IkelAxis() = default;

CkelAxisStanderdX::CkelAxisStanderdX() { m_nAxisType = 0; }
CkelAxisStanderdX::~CkelAxisStanderdX() = default;
CkelAxisStanderdY::CkelAxisStanderdY() { m_nAxisType = 1; }
CkelAxisStanderdY::~CkelAxisStanderdY() = default;
CkelAxisTernary::CkelAxisTernary() { m_nAxisType = 2; }
CkelAxisTernary::~CkelAxisTernary() = default;
CkelAxisRadius::CkelAxisRadius() { m_nAxisType = 4; }
CkelAxisRadius::~CkelAxisRadius() = default;
CkelAxisAngle::CkelAxisAngle() { m_nAxisType = 3; }
CkelAxisAngle::~CkelAxisAngle() = default;

CkelAxisDateTime::CkelAxisDateTime() {
    m_nAxisType = 5;
    m_tickMarks.SetStrategyType(KEL_TICKMARK_DATETIME);
    m_tickLabels.SetStrategyType(KEL_LABEL_DATETIME);
}

CkelAxisDateTime::~CkelAxisDateTime() = default;

void IkelAxis::SetChartGraph(IChartGraph* graph) { m_pChartGraph = graph; }

void IkelAxis::SetMin(double value) {
    m_dMin = limitMinValue(value);
    Stamp(this);
}

void IkelAxis::SetMax(double value) {
    m_dMax = limitMaxValue(value);
    Stamp(this);
}

void IkelAxis::SetDescend(bool descend) {
    m_bDescend = descend;
    Stamp(this);
}

void IkelAxis::SetAxisScaleType(int type) {
    m_nScaleType = type;
    Stamp(this);
}

bool IkelAxis::GetIsAutoRange() const { return m_bAutoRange; }

void IkelAxis::SetIsRangeAuto(bool autoRange) {
    m_bAutoRange = autoRange;
    Stamp(this);
}

CkelLabelFormat::KELUnit IkelAxis::GetAxisUnit() const { return m_unit; }

void IkelAxis::SetAxisUnit(CkelLabelFormat::KELUnit unit) {
    m_unit = unit;
    Stamp(this);
}

void IkelAxis::GetLogPen(QXLOGPEN* pen) const {
    if (pen) *pen = m_logPen;
}

void IkelAxis::SetLogPen(QXLOGPEN* pen) {
    if (!pen) return;
    m_logPen = *pen;
    Stamp(this);
}

unsigned IkelAxis::GetNumsOfPlots() const { return m_nPlots; }
void IkelAxis::GetAxisPosition(QXPOINT& pos) { pos = m_position; }

void IkelAxis::MoveAxisTo(const QXPOINT& pos) {
    m_position = pos;
    Stamp(this);
}

void IkelAxis::SetAxisLength(double length) {
    m_dLength = length;
    Stamp(this);
}

// A full turn, starting at the stored start angle.
void CkelAxisAngle::FillAngleParameters(parametersForAngleSpace& paras) {
    Record("CkelAxisAngle::FillAngleParameters");
    paras.m_dStartAngle = m_dStartAngle;
    paras.m_dSweepAngle = 100 * GetIntervalAngle();
}

double CkelAxisAngle::GetStartAngle() const { return m_dStartAngle; }

void CkelAxisAngle::SetStartAngle(double radians) {
    m_dStartAngle = radians;
    Stamp(this);
}
