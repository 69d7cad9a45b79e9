#include "hosttypes/Zephyr/WDMgrIO.h"
#include <memory>
#include <vector>

WDMgrIO::WDMgrIO() = default;
WDMgrIO::~WDMgrIO() = default;

namespace {

// The set of that kind and exactly that name among sets, or NULL.
template <class Set>
Set* Find(const std::vector<std::unique_ptr<Set>>& sets, int kind, const CString& name) {
    for (const auto& set : sets)
        if (set->GetKind() == kind && set->GetName() == name) return set.get();
    return nullptr;
}

template <class Set>
Set* AddOrReplace(std::vector<std::unique_ptr<Set>>& sets, int kind, const CString& name) {
    if (Set* set = Find(sets, kind, name)) {
        *set = Set(kind, name);
        return set;
    }
    sets.push_back(std::make_unique<Set>(kind, name));
    return sets.back().get();
}

template <class Set>
bool Owns(const std::vector<std::unique_ptr<Set>>& sets, const Set* data) {
    for (const auto& set : sets)
        if (set.get() == data) return true;
    return false;
}

}  // namespace

LogCorelithDIO* WDMgrIO::GetCorelith(CORELITHSOURCE source, CString name) { return Find(m_corelith, source, name); }
LogFaciesDIO* WDMgrIO::GetFacies(int source, CString name) { return Find(m_facies, source, name); }
LogSandDIO* WDMgrIO::GetSand(int type, CString name) { return Find(m_sand, type, name); }
LogStratumDIO* WDMgrIO::GetStratum(int level, CString name) { return Find(m_stratum, level, name); }

bool WDMgrIO::FindData(LogCorelithDIO* data, LOGCORELITH& record) {
    if (!data || !Owns(m_corelith, data)) return false;
    record = data->m_record;
    return true;
}

bool WDMgrIO::FindData(LogSandDIO* data, LOGSAND& record) {
    if (!data || !Owns(m_sand, data) || data->m_records.empty()) return false;
    record = data->m_records.front();
    return true;
}

LogCorelithDIO* WDMgrIO::AddCorelith(CORELITHSOURCE source, CString name) {
    return AddOrReplace(m_corelith, source, name);
}
LogFaciesDIO* WDMgrIO::AddFacies(int source, CString name) { return AddOrReplace(m_facies, source, name); }
LogSandDIO* WDMgrIO::AddSand(int type, CString name) { return AddOrReplace(m_sand, type, name); }
LogStratumDIO* WDMgrIO::AddStratum(int level, CString name) { return AddOrReplace(m_stratum, level, name); }
