#include "hosttypes/Thistle/DataSery.h"

IkelDataSery::IkelDataSery() = default;
IkelDataSery::~IkelDataSery() = default;
double IkelDataSery::GetDoubleData(unsigned i) { return static_cast<double>(i); }
double IkelDataSery::GetMax() { return 0.0; }
double IkelDataSery::GetMin() { return 0.0; }
double IkelDataSery::GetMinGreater0() { return 0.0; }
int IkelDataSery::GetType() const { return m_nType; }
std::string IkelDataSery::GetName() const { return m_strName; }
void IkelDataSery::SetName(const std::string& name) { m_strName = name; }

double CkelDataSeryDouble::GetDoubleData(unsigned i) { return m_values.at(i); }
void CkelDataSeryDouble::Reserve(unsigned n) { m_values.reserve(n); }

double CkelDataSeryInt::GetDoubleData(unsigned i) { return static_cast<double>(m_values.at(i)); }
void CkelDataSeryInt::Reserve(unsigned n) { m_values.reserve(n); }

void CkelDataSeryString::Reserve(unsigned n) { m_values.reserve(n); }

double CkelDataSeryDateTime::GetDoubleData(unsigned i) { return m_values.at(i); }
double CkelDataSeryDateTime::GetMinGreater0() { return GetMin(); }
void CkelDataSeryDateTime::Reserve(unsigned n) { m_values.reserve(n); }
