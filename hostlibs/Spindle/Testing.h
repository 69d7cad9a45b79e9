// Test hooks of the custom-controls library stand-in.
#pragma once

#include <string>
#include <vector>

namespace spindle::testing {
// Library operations that act on a control, in call order: "CGridCtrl::EnsureVisible(3,4)",
// "CMultiSlider::CleanUp".
const std::vector<std::string>& CallLog();
void ClearCallLog();
// The library keeps no singletons: clears the log.
void Reset();
}  // namespace spindle::testing
