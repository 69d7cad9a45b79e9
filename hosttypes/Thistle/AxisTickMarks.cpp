#include "hosttypes/Thistle/AxisTickMarks.h"

double CkelAxisTickMarks::MajorTickStruct::GetLength() const { return m_dLength; }
int CkelAxisTickMarks::MajorTickStruct::GetSide() const { return m_nSide; }
double CkelAxisTickMarks::MajorTickStruct::GetSpacing() const { return m_dSpacing; }

double CkelAxisTickMarks::MinorTickStruct::GetLength() const { return m_dLength; }
int CkelAxisTickMarks::MinorTickStruct::GetSide() const { return m_nSide; }
unsigned CkelAxisTickMarks::MinorTickStruct::GetDivision() const { return m_nDivision; }

void CkelAxisTickMarks::MinorTickStruct::GetStyle(QXLOGPEN* pen) const {
    if (pen) *pen = m_pen;
}

void CkelAxisTickMarks::MinorTickStruct::SetStyle(QXLOGPEN* pen) {
    if (pen) m_pen = *pen;
}

CkelAxisTickMarks::MajorTickStruct* CkelAxisTickMarks::GetMajorTickStruct() { return &m_major; }
CkelAxisTickMarks::MinorTickStruct* CkelAxisTickMarks::GetMinorTickStruct() { return &m_minor; }
std::vector<FLOATPOINT>& CkelAxisTickMarks::GetMajorTickPos() { return m_majorTickPos; }
std::vector<FLOATPOINT>& CkelAxisTickMarks::GetMinorTickPos() { return m_minorTickPos; }
std::vector<double>& CkelAxisTickMarks::GetMajorAxisData() { return m_majorAxisData; }
std::vector<double>& CkelAxisTickMarks::GetMinorAxisData() { return m_minorAxisData; }
void CkelAxisTickMarks::ClearMajorTickPos() { m_majorTickPos.clear(); }
void CkelAxisTickMarks::ClearMinorTickPos() { m_minorTickPos.clear(); }
unsigned CkelAxisTickMarks::GetSizeForMajorTickPos() const { return static_cast<unsigned>(m_majorTickPos.size()); }
unsigned CkelAxisTickMarks::GetSizeForMinorTickPos() const { return static_cast<unsigned>(m_minorTickPos.size()); }
unsigned CkelAxisTickMarks::GetSizeForMajorAxisData() const { return static_cast<unsigned>(m_majorAxisData.size()); }
unsigned CkelAxisTickMarks::GetSizeForMinorAxisData() const { return static_cast<unsigned>(m_minorAxisData.size()); }
IkelAxisTickMarkStrategy* CkelAxisTickMarks::GetStrategy() const { return m_pStrategy; }
KELTickMarkType CkelAxisTickMarks::GetStrategyType() const { return m_strategyType; }
