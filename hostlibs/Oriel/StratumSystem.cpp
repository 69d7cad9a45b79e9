// The stratification system read from the well data, and the section library's number check.
#include <cmath>

#include "hostlibs/Oriel/OrielLog.h"
#include "hosttypes/Oriel/CStratumSysAdapter.h"
#include "hosttypes/Oriel/ScUtility.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "win32/Crt.h"
#include "win32/Win32.h"

CStratumSysAdapter::CStratumSysAdapter(int level) : m_nLevel(level) {
    if (!IsValidGrade()) return;
    const CStratumManager* strata = CWellDataManager::Instance()->GetStratumManager();
    const int count = strata->GetStratumCount(level);
    m_names.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) m_names.push_back(strata->GetStratumName(level, i).str());
}

CStratumSysAdapter::~CStratumSysAdapter() = default;

int CStratumSysAdapter::GetSize() const { return static_cast<int>(m_names.size()); }

std::string CStratumSysAdapter::GetName(int index) const {
    return (index >= 0 && index < GetSize()) ? m_names[static_cast<std::size_t>(index)] : std::string();
}

int CStratumSysAdapter::FindIndex(const std::string& name) const {
    for (int i = 0; i < GetSize(); ++i)
        if (m_names[static_cast<std::size_t>(i)] == name) return i;
    return -1;
}

bool CStratumSysAdapter::IsValidGrade() const { return m_nLevel >= 0 && m_nLevel <= 4; }

std::string CStratumSysAdapter::GetTopStratum() const { return m_names.empty() ? std::string() : m_names.front(); }

std::string CStratumSysAdapter::GetBotStraum() const { return m_names.empty() ? std::string() : m_names.back(); }

// The whole text, blanks around it allowed, must be one number of the platform's reading; a
// number at or beyond the single-precision limit cannot be told from the answer "no number" and
// is none. The flag changes nothing here; it is kept for the tests.
double ScUtility::JudgeFigure(CString text, bool flag) {
    oriel::detail::RecordJudgedText(text, flag);
    const char* s = text;
    std::size_t used = 0;
    const double value = crt::Atof(s, &used);
    if (used == 0) return kFltMax;
    for (const char* rest = s + used; *rest; ++rest)
        if (!crt::IsSpace(*rest)) return kFltMax;
    if (!std::isfinite(value) || std::fabs(value) >= kFltMax) return kFltMax;
    return value;
}
