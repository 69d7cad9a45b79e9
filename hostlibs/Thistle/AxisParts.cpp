// Axis parts of the chart library: constructors, strategies and notifications.
#include "hostlibs/Thistle/ThistleTesting.h"
#include "hosttypes/Thistle/AxisTickLabels.h"
#include "hosttypes/Thistle/AxisTickMarks.h"
#include "hosttypes/Thistle/AxisWidget.h"
#include "hosttypes/Tinder/TimeStamp.h"

using thistle::detail::Record;

IkelAxisWidget::IkelAxisWidget() = default;
IkelAxisWidget::~IkelAxisWidget() = default;

CkelAxisGrid::CkelAxisGrid() = default;
CkelAxisGrid::~CkelAxisGrid() = default;
bool CkelAxisGrid::GetShowMajorTicks() { return m_bShowMajor; }
bool CkelAxisGrid::GetShowMinorTicks() { return m_bShowMinor; }

void CkelAxisGrid::SetShowMajorTicks(bool show) {
    m_bShowMajor = show;
    m_timeStamp = AfxGetTimeStamp();
}

void CkelAxisGrid::SetShowMinorTicks(bool show) {
    m_bShowMinor = show;
    m_timeStamp = AfxGetTimeStamp();
}

void CkelAxisGrid::GetMajorLogPen(QXLOGPEN* pen) {
    if (pen) *pen = m_majorPen;
}

void CkelAxisGrid::SetMajorLogPen(QXLOGPEN* pen) {
    if (!pen) return;
    m_majorPen = *pen;
    m_timeStamp = AfxGetTimeStamp();
}

void CkelAxisGrid::GetMinorLogPen(QXLOGPEN* pen) {
    if (pen) *pen = m_minorPen;
}

void CkelAxisGrid::SetMinorLogPen(QXLOGPEN* pen) {
    if (!pen) return;
    m_minorPen = *pen;
    m_timeStamp = AfxGetTimeStamp();
}

CkelAxisTitle::CkelAxisTitle() = default;
CkelAxisTitle::~CkelAxisTitle() = default;
int CkelAxisTitle::GetTitleRelativePos() { return m_nRelativePos; }

void CkelAxisTitle::SetTitleRelativePos(int pos) {
    m_nRelativePos = pos;
    m_timeStamp = AfxGetTimeStamp();
}

// ---- tick marks -----------------------------------------------------------------------
void CkelAxisTickMarks::MajorTickStruct::SetLength(double length) { m_dLength = length; }
void CkelAxisTickMarks::MajorTickStruct::SetSide(int side) { m_nSide = side; }
void CkelAxisTickMarks::MajorTickStruct::SetSpacing(double spacing) { m_dSpacing = spacing; }

void CkelAxisTickMarks::MajorTickStruct::GetStyle(QXLOGPEN* pen) const {
    if (pen) *pen = m_pen;
}

void CkelAxisTickMarks::MajorTickStruct::SetStyle(QXLOGPEN* pen) {
    if (pen) m_pen = *pen;
}

void CkelAxisTickMarks::MinorTickStruct::SetLength(double length) { m_dLength = length; }
void CkelAxisTickMarks::MinorTickStruct::SetSide(int side) { m_nSide = side; }
void CkelAxisTickMarks::MinorTickStruct::SetDivision(unsigned division) { m_nDivision = division; }

CkelAxisTickMarks::CkelAxisTickMarks()
    : m_pStrategy(CkelTickMarksStrategyFactory::GeTickMarkStrategyFactory()->CreateTickMarkStratery(KEL_TICKMARK_FLOAT,
                                                                                                    this)) {}

CkelAxisTickMarks::~CkelAxisTickMarks() {
    CkelTickMarksStrategyFactory::GeTickMarkStrategyFactory()->DeleteTickMarkStratery(m_pStrategy);
}

void CkelAxisTickMarks::SetStrategyType(KELTickMarkType type) {
    CkelTickMarksStrategyFactory* factory = CkelTickMarksStrategyFactory::GeTickMarkStrategyFactory();
    IkelAxisTickMarkStrategy* strategy = factory->CreateTickMarkStratery(type, this);
    if (!strategy) return;  // an unknown kind keeps the current strategy
    factory->DeleteTickMarkStratery(m_pStrategy);
    m_pStrategy = strategy;
    m_strategyType = type;
    m_timeStamp = AfxGetTimeStamp();
}

// ---- tick labels ----------------------------------------------------------------------
CkelAxisTickLabels::TickLabelEntity::TickLabelEntity(CkelAxisTickLabels* owner) : m_pOwner(owner) {}
CkelAxisTickLabels::TickLabelEntity::~TickLabelEntity() = default;

void CkelAxisTickLabels::TickLabelEntity::Notify() {
    Record("TickLabelEntity::Notify");
    if (m_pOwner) m_pOwner->SetTimeStamp(AfxGetTimeStamp());
}

int CkelAxisTickLabels::TickLabelEntity::GetDateFormatA() const { return m_format.m_nDateFormat; }

void CkelAxisTickLabels::TickLabelEntity::SetDateFormat(int format) {
    m_format.m_nDateFormat = format;
    Notify();
}

void CkelAxisTickLabels::TickLabelEntity::SetDotCount(int count) {
    m_format.m_nDotCount = count;
    Notify();
}

CkelAxisTickLabels::CkelAxisTickLabels()
    : m_major(this),
      m_minor(this),
      m_pStrategy(CkelLabelStrategyFactory::GetLabelStrategyFactory()->CreateLabelStratery(KEL_LABEL_AUTO, this)) {}

CkelAxisTickLabels::~CkelAxisTickLabels() {
    CkelLabelStrategyFactory::GetLabelStrategyFactory()->DeleteLabelStratery(m_pStrategy);
}

void CkelAxisTickLabels::SetStrategyType(KELAxisLabelType type) {
    CkelLabelStrategyFactory* factory = CkelLabelStrategyFactory::GetLabelStrategyFactory();
    IkelAxisTickLabelsStrategy* strategy = factory->CreateLabelStratery(type, this);
    if (!strategy) return;  // an unknown kind keeps the current strategy
    factory->DeleteLabelStratery(m_pStrategy);
    m_pStrategy = strategy;
    m_strategyType = type;
    m_timeStamp = AfxGetTimeStamp();
}
