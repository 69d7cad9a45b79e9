#include "hosttypes/Zephyr/WpSandStratum.h"

WPKITTYPE CWpSandStratum::GetWpKitType() { return WPKIT_SANDSTRATUM; }
bool CWpSandStratum::ValidSameDistance() const { return m_bValidSameDistance; }
void CWpSandStratum::ValidSameDistance(bool valid) { m_bValidSameDistance = valid; }
bool CWpSandStratum::UseShootData() const { return m_bUseShootData; }
void CWpSandStratum::UseShootData(bool use) { m_bUseShootData = use; }
bool CWpSandStratum::OnlyInStratum() const { return m_bOnlyInStratum; }
void CWpSandStratum::OnlyInStratum(bool only) { m_bOnlyInStratum = only; }
DATATYPE CWpSandStratum::DataType() const { return m_dataType; }
void CWpSandStratum::DataType(DATATYPE type) { m_dataType = type; }
int CWpSandStratum::Grade() const { return m_nGrade; }

void CWpSandStratum::Grade(int grade) {
    m_nGrade = grade;
    UpdateD2V();
}

unsigned CWpSandStratum::GetFillOptionCount() { return static_cast<unsigned>(m_fillOptions.size()); }
unsigned CWpSandStratum::GetLineOptionCount() { return static_cast<unsigned>(m_lineOptions.size()); }
unsigned CWpSandStratum::GetTextOptionCount() { return static_cast<unsigned>(m_textOptions.size()); }
CWpSandStratum::FILLOPTION& CWpSandStratum::GetFillOption(unsigned i) { return m_fillOptions.at(i); }
CWpSandStratum::LINEOPTION& CWpSandStratum::GetLineOption(unsigned i) { return m_lineOptions.at(i); }
CWpSandStratum::TEXTOPTIONEX& CWpSandStratum::GetTextOption(unsigned i) { return m_textOptions.at(i); }
