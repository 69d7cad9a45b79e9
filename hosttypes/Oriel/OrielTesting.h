// Test hooks of the section library's stand-in: its call log and a reset of its singletons.
#pragma once

#include <string>
#include <vector>

namespace oriel::testing {
// Library operations in call order, as "Class::Operation(arguments)".
const std::vector<std::string>& CallLog();
void ClearCallLog();
// Clears the call log and the singletons (current container, display record, update view).
void Reset();
}  // namespace oriel::testing
