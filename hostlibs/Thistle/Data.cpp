// Data series, datasets and data ranges of the chart library.
#include <algorithm>

#include "hosttypes/Thistle/DataSery.h"
#include "hosttypes/Thistle/Dataset.h"
#include "hosttypes/Tinder/TimeStamp.h"

namespace {
// Largest and smallest of the values; 0 for an empty series.
template <class V>
double MaxOf(const std::vector<V>& values) {
    return values.empty() ? 0.0 : static_cast<double>(*std::max_element(values.begin(), values.end()));
}
template <class V>
double MinOf(const std::vector<V>& values) {
    return values.empty() ? 0.0 : static_cast<double>(*std::min_element(values.begin(), values.end()));
}
}  // namespace

CkelDataSeryDouble::CkelDataSeryDouble() { m_nType = KEL_SERY_DOUBLE; }
CkelDataSeryDouble::~CkelDataSeryDouble() = default;
double CkelDataSeryDouble::GetMax() { return MaxOf(m_values); }
double CkelDataSeryDouble::GetMin() { return MinOf(m_values); }
void CkelDataSeryDouble::AddData(double value) { m_values.push_back(value); }
unsigned CkelDataSeryDouble::GetCount() const { return static_cast<unsigned>(m_values.size()); }

CkelDataSeryInt::CkelDataSeryInt() { m_nType = KEL_SERY_INT; }
CkelDataSeryInt::~CkelDataSeryInt() = default;
double CkelDataSeryInt::GetMax() { return MaxOf(m_values); }
double CkelDataSeryInt::GetMin() { return MinOf(m_values); }
void CkelDataSeryInt::AddData(int value) { m_values.push_back(value); }
unsigned CkelDataSeryInt::GetCount() const { return static_cast<unsigned>(m_values.size()); }

CkelDataSeryString::CkelDataSeryString() { m_nType = KEL_SERY_STRING; }
CkelDataSeryString::~CkelDataSeryString() = default;
void CkelDataSeryString::AddData(const std::string& value) { m_values.push_back(value); }
std::string CkelDataSeryString::GetStringData(unsigned i) const { return i < m_values.size() ? m_values[i] : ""; }
unsigned CkelDataSeryString::GetCount() const { return static_cast<unsigned>(m_values.size()); }

CkelDataSeryDateTime::CkelDataSeryDateTime() { m_nType = KEL_SERY_DATETIME; }
CkelDataSeryDateTime::~CkelDataSeryDateTime() = default;
double CkelDataSeryDateTime::GetMax() { return MaxOf(m_values); }
double CkelDataSeryDateTime::GetMin() { return MinOf(m_values); }
void CkelDataSeryDateTime::AddData(double dayNumber) { m_values.push_back(dayNumber); }
unsigned CkelDataSeryDateTime::GetCount() const { return static_cast<unsigned>(m_values.size()); }

CkelDataset::CkelDataset() = default;
CkelDataset::~CkelDataset() = default;

void CkelDataset::AddDataSery(IkelDataSery* sery) {
    if (sery) m_series.emplace_back(sery);
}

IkelDataSery* CkelDataset::GetDataSeries(unsigned index) {
    return index < m_series.size() ? m_series[index].get() : nullptr;
}

IkelDataSery* CkelDataset::GetDataSeries(const std::string& name) {
    const int index = GetDataSeriesIndex(name);
    return index < 0 ? nullptr : m_series[static_cast<size_t>(index)].get();
}

int CkelDataset::GetDataSeriesIndex(const std::string& name) {
    for (size_t i = 0; i < m_series.size(); ++i)
        if (m_series[i]->GetName() == name) return static_cast<int>(i);
    return -1;
}

// Rows of the longest series.
unsigned CkelDataset::GetRows() {
    unsigned rows = 0;
    for (const auto& sery : m_series) {
        unsigned n = 0;
        if (auto* d = dynamic_cast<CkelDataSeryDouble*>(sery.get()))
            n = d->GetCount();
        else if (auto* i = dynamic_cast<CkelDataSeryInt*>(sery.get()))
            n = i->GetCount();
        else if (auto* s = dynamic_cast<CkelDataSeryString*>(sery.get()))
            n = s->GetCount();
        else if (auto* t = dynamic_cast<CkelDataSeryDateTime*>(sery.get()))
            n = t->GetCount();
        rows = std::max(rows, n);
    }
    return rows;
}

CkelDataRange::CkelDataRange() = default;
CkelDataRange::~CkelDataRange() = default;

namespace {
void Rebuild(std::vector<unsigned>& rows, unsigned first, unsigned last, unsigned step) {
    rows.clear();
    if (step == 0) return;
    for (unsigned r = first; r <= last; r += step) {
        rows.push_back(r);
        if (last - r < step) break;
    }
}
}  // namespace

void CkelDataRange::SetFirstRow(unsigned row) {
    m_nFirstRow = row;
    Rebuild(m_rowIndices, m_nFirstRow, m_nLastRow, m_nStep);
    m_timeStamp = AfxGetTimeStamp();
}

void CkelDataRange::SetLastRow(unsigned row) {
    m_nLastRow = row;
    Rebuild(m_rowIndices, m_nFirstRow, m_nLastRow, m_nStep);
    m_timeStamp = AfxGetTimeStamp();
}

void CkelDataRange::SetStep(unsigned step) {
    m_nStep = step;
    Rebuild(m_rowIndices, m_nFirstRow, m_nLastRow, m_nStep);
    m_timeStamp = AfxGetTimeStamp();
}
