// Test hooks of the custom-controls library stand-in.
#pragma once

#include <string>
#include <vector>

namespace spindle::testing {
// Library operations that act on a control, in call order: "CGridCtrl::Create(1234)", "CGridCtrl::EnsureVisible(3,4)",
// "CMultiSlider::CleanUp".
const std::vector<std::string>& CallLog();
void ClearCallLog();
// While set, CGridCtrl::Create makes no window and answers FALSE (a grid that cannot be made).
void SetCreateRefusal(bool refuse);
// Clears the log and lifts the Create refusal.
void Reset();
}  // namespace spindle::testing
