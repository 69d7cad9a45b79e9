// Test hooks of the well-plot kit library stand-in.
#pragma once

#include <string>
#include <vector>

class CWpKit;

namespace zephyr::testing {
// Operations of the library called so far, in order ("Class::Operation").
const std::vector<std::string>& CallLog();
void ClearCallLog();
// Simulates a change made elsewhere: the kit gets a new stamp.
void Touch(CWpKit* kit);
// Back to the initial state (the library has no singletons; this clears the log).
void Reset();
}  // namespace zephyr::testing

namespace zephyr::detail {
void Record(const char* operation);
void Stamp(CWpKit* kit);
}  // namespace zephyr::detail
