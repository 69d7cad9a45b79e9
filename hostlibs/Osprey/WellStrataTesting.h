// Test hooks of the wells' stratification and positions.
#pragma once

#include <vector>

#include "hosttypes/Osprey/WellRecords.h"

namespace osprey::testing {
// One stratum of a well: the stratum's name in the table, its top depth and thickness.
struct WellStratumDepth {
    const char* name;
    double top;
    double thick;
};
// Replaces the well's stratification at the grade (an empty list removes it); names the stratum
// table lacks at that grade are passed over. A change of the well data: the manager's stamp moves.
void SetWellStrata(int grade, const char* wellName, const std::vector<WellStratumDepth>& strata);
// Replaces the well-position table (a change of the well data).
void SetWellPositions(const std::vector<WELLPOSITION>& positions);
}  // namespace osprey::testing
