// Test hooks of the single-well section library stand-in.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace pennant::testing {
// Every library operation that changes something or redraws, in call order, as
// "Class::Operation" or "Class::Operation(argument)".
const std::vector<std::string>& CallLog();
void ClearCallLog();
// The library keeps no singletons: clears the log and drops the listener.
void Reset();
// Logging (and the listener) can be switched off for large benchmarks.
void EnableCallLog(bool enable);
// Called with every entry as it is logged (to look at the objects at that moment); NULL stops it.
void SetLogListener(std::function<void(const std::string&)> listener);
}  // namespace pennant::testing
