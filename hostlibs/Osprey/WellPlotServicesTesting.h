// Test hooks of the well-data services the well-plot pages call.
#pragma once

#include <vector>

#include "hosttypes/Osprey/TableDefinition.h"

namespace osprey::testing {
// The named well's measured depth per vertical depth (an inclined well; 1 for a vertical one, the
// default). Factors below 1 or not finite are refused (false).
bool SetDepthFactor(const char* wellName, double factor);
// Replaces the table schemas of the current manager.
void SetTableDefinitions(const std::vector<CTableDefinition>& tables);
}  // namespace osprey::testing
