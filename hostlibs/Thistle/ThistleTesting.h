// Test hooks of the chart-core library stand-in.
#pragma once

#include <string>
#include <vector>

class CQXObject;

namespace thistle::testing {
// Library notifications called so far, in order ("Class::Operation").
const std::vector<std::string>& CallLog();
void ClearCallLog();
// Simulates a change made elsewhere: the object gets a new stamp.
void Touch(CQXObject* object);
// Back to the initial state (the factories hold no state; this clears the log).
void Reset();
}  // namespace thistle::testing

namespace thistle::detail {
void Record(const char* operation);
void Stamp(CQXObject* object);
}  // namespace thistle::detail
