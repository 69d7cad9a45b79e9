// The wells' stratification by grade and the well-position lookup the plane-map lists call.
#include <cstring>

#include "hostlibs/Osprey/WellDataTesting.h"
#include "hostlibs/Osprey/WellStrataTesting.h"
#include "hosttypes/Osprey/WellDataManager.h"

namespace {
double At(const std::vector<double>& values, int position) {
    return position >= 0 && static_cast<std::size_t>(position) < values.size()
               ? values[static_cast<std::size_t>(position)]
               : 0.0;
}
}  // namespace

double CWellStratum::GetTopDepth(int position) { return At(m_tops, position); }
double CWellStratum::GetThick(int position) { return At(m_thicks, position); }

void CWellStratum::SetStratum(int position, double top, double thick) {
    if (position < 0) return;
    const auto n = static_cast<std::size_t>(position) + 1;
    if (m_tops.size() < n) {
        m_tops.resize(n, 0.0);
        m_thicks.resize(n, 0.0);
    }
    m_tops[n - 1] = top;
    m_thicks[n - 1] = thick;
}

int CWellPosition::FindData(const char* wellName) {
    if (!wellName) return -1;
    for (int i = 0; i < GetCount(); ++i)
        if (GetData(i)->wellName == wellName) return i;
    return -1;
}

CString CWellDataManager::GetStratumName(int grade, int i) { return m_stratumManager.GetStratumName(grade, i); }

int CWellDataManager::FindStratum(int grade, const char* name) {
    if (!name) return -1;
    const int n = m_stratumManager.GetStratumCount(grade);
    for (int i = 0; i < n; ++i)
        if (m_stratumManager.GetStratumName(grade, i) == name) return i;
    return -1;
}

CWellStratum* CWellDataManager::GetWellStratum(int grade, const char* wellName) {
    if (!wellName) return nullptr;
    const auto found = m_wellStrata.find({grade, wellName});
    return found == m_wellStrata.end() ? nullptr : &found->second;
}

namespace osprey::detail {
struct WellStrataAccess {
    static std::map<std::pair<int, std::string>, CWellStratum>& Strata(CWellDataManager& m) { return m.m_wellStrata; }
    static CWellPosition& Positions(CWellDataManager& m) { return m.m_wellPosition; }
};
}  // namespace osprey::detail

namespace osprey::testing {

void SetWellStrata(int grade, const char* wellName, const std::vector<WellStratumDepth>& strata) {
    if (!wellName) return;
    CWellDataManager* manager = CWellDataManager::Instance();
    auto& all = detail::WellStrataAccess::Strata(*manager);
    if (strata.empty()) {
        all.erase({grade, wellName});
    } else {
        CWellStratum well;
        for (const WellStratumDepth& s : strata) well.SetStratum(manager->FindStratum(grade, s.name), s.top, s.thick);
        all[{grade, wellName}] = well;
    }
    TouchWellData();
}

void SetWellPositions(const std::vector<WELLPOSITION>& positions) {
    CWellPosition& table = detail::WellStrataAccess::Positions(*CWellDataManager::Instance());
    table.RemoveAll();
    for (const WELLPOSITION& p : positions) table.Add(p);
    TouchWellData();
}

}  // namespace osprey::testing
