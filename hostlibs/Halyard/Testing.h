// Test hooks of the reservoir-section library stand-in.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace halyard::testing {
// Every library operation that changes something or redraws, in call order, as
// "Class::Operation" or "Class::Operation(argument)".
const std::vector<std::string>& CallLog();
void ClearCallLog();
// The library keeps no singletons: clears the log.
void Reset();
// Called with every entry as it is logged (tests that follow calls across libraries in one
// order); an empty function stops it. Reset() clears it.
void SetLogListener(std::function<void(const std::string&)> listener);
}  // namespace halyard::testing
