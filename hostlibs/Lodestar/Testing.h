// Test hooks of the profile-line library stand-in: its call log and the reset of its singleton.
#pragma once

#include <string>
#include <vector>

namespace lodestar::testing {
// Every library operation that changes something or redraws, in call order, as
// "Class::Operation" or "Class::Operation(argument)".
const std::vector<std::string>& CallLog();
void ClearCallLog();
// Whether calls are recorded from now on (benchmarks switch it off so the log stays small).
void EnableCallLog(bool enable);
// Clears the log, records again and gives CPropertySignle a fresh default layer property.
void Reset();
}  // namespace lodestar::testing
