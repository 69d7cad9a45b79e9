// Test hooks of the reservoir-section library stand-in.
#pragma once

#include <string>
#include <vector>

namespace halyard::testing {
// Every library operation that changes something or redraws, in call order, as
// "Class::Operation" or "Class::Operation(argument)".
const std::vector<std::string>& CallLog();
void ClearCallLog();
// The library keeps no singletons: clears the log.
void Reset();
}  // namespace halyard::testing
