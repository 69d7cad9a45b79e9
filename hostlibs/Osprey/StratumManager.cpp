#include "hosttypes/Osprey/StratumManager.h"

#include "hostlibs/Osprey/CatalogueSearch.h"

using osprey::detail::FieldText;

STRATUM* CStratumManager::GetStratum(int grade, const char* name) {
    if (!name) return nullptr;
    for (STRATUM& stratum : m_strata)
        if (stratum.grade == grade && FieldText(stratum.name, STRATUM::kTextSize) == name) return &stratum;
    return nullptr;
}

int CStratumManager::GetStratumCount(int level) const {
    int count = 0;
    for (const STRATUM& stratum : m_strata)
        if (stratum.grade == level) ++count;
    return count;
}

CString CStratumManager::GetStratumName(int level, int i) const {
    if (i < 0) return CString();
    for (const STRATUM& stratum : m_strata) {
        if (stratum.grade != level) continue;
        if (i-- == 0) return CString(FieldText(stratum.name, STRATUM::kTextSize));
    }
    return CString();
}
