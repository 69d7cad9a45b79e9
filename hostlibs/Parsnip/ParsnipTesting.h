// Test hooks of the map-object library's stand-in: its call log and a reset.
#pragma once

#include <string>
#include <vector>

class CQXObject;

namespace parsnip::testing {
// One library call: "Class::Operation", the object or layer it acted on, and its arguments as text.
struct Call {
    std::string operation;
    const void* target = nullptr;
    std::string arguments;
};
const std::vector<Call>& CallLog();
void ClearCallLog();
// Calls of one operation (optionally on one target), in order.
int CountCalls(const std::string& operation, const void* target = nullptr);
// Logging can be switched off for large benchmarks.
void EnableCallLog(bool enable);
// Counters of calls by operation, kept beside the log whether it is on or off and never trimmed
// (the log keeps only its newest calls), so that a benchmark can count what one edit over many
// objects did. Off until switched on; switching on starts them from zero. Reset() switches off.
void EnableCallCounts(bool enable);
// Calls of one operation counted since counting was switched on.
long long CountedCalls(const std::string& operation);
// Calls of every operation counted since then.
long long CountedCalls();
void Reset();
// Library side: appends one entry.
void Record(const char* operation, const void* target, const std::string& arguments = std::string());
}  // namespace parsnip::testing

// The contour-option editors (CQXLayer::ChangeContourLineOption / ChangeContourFillOption) log
// their call and then run this change on the layer, as the user's edit in the editor; none by
// default.
#include <functional>
class CQXLayer;
namespace parsnip::testing {
void SetContourOptionChange(std::function<void(CQXLayer*)> change);
}  // namespace parsnip::testing
