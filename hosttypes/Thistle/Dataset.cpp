#include "hosttypes/Thistle/Dataset.h"

std::string CkelDataset::GetName() const { return m_strName; }
void CkelDataset::SetName(const std::string& name) { m_strName = name; }
std::string CkelDataset::GetDescInfo() const { return m_strDescInfo; }
void CkelDataset::SetDescInfo(const std::string& info) { m_strDescInfo = info; }
unsigned CkelDataset::GetNumOfSeries() const { return static_cast<unsigned>(m_series.size()); }

unsigned CkelDataRange::GetFirstRow() const { return m_nFirstRow; }
unsigned CkelDataRange::GetLastRow() const { return m_nLastRow; }
unsigned CkelDataRange::GetStep() const { return m_nStep; }
std::vector<unsigned>& CkelDataRange::GetRowIndices() { return m_rowIndices; }
uint64_t CkelDataRange::GetTimeStamp() const { return m_timeStamp; }
