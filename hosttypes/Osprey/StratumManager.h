// CStratumManager: the stratum table of the well-data library. It holds the strata of every
// grade (0 to 4, from the largest unit to the finest), each a STRATUM record (name, alias,
// parent), in table order; its table stamp moves when the strata change.
#pragma once

#include <vector>

#include "hosttypes/Osprey/QXTable.h"
#include "hosttypes/Osprey/WellRecords.h"
#include "mfc/String.h"

namespace osprey::detail {
struct CatalogueAccess;
}  // namespace osprey::detail

class CStratumManager : public CQXTable {
public:
    CStratumManager() = default;
    CStratumManager(const CStratumManager&) = default;
    CStratumManager& operator=(const CStratumManager&) = default;
    ~CStratumManager() override = default;

    // ---- well-data library operations ----
    // The stratum of that grade whose name is exactly name; NULL when there is none.
    STRATUM* GetStratum(int grade, const char* name);
    // Number of strata of the grade; 0 for a grade the table holds nothing of.
    int GetStratumCount(int level) const;
    // Name of the i-th stratum of the grade, in table order; empty outside.
    CString GetStratumName(int level, int i) const;

protected:
    friend struct osprey::detail::CatalogueAccess;
    std::vector<STRATUM> m_strata;
};
