#include "hostlibs/Parsnip/ParsnipTesting.h"

#include "hostlibs/Parsnip/MapFixture.h"
#include "mfc/BoundedLog.h"

namespace parsnip::testing {
namespace {
// The newest calls at least: every setter logs itself, so an unbounded log would grow with every
// edit of a long session.
constexpr std::size_t kCallsKept = 2048;

platform::BoundedLog<Call>& Log() {
    static platform::BoundedLog<Call> log(kCallsKept);
    return log;
}
bool& Enabled() {
    static bool enabled = true;
    return enabled;
}
}  // namespace

const std::vector<Call>& CallLog() { return Log().items(); }
void ClearCallLog() { Log().clear(); }

int CountCalls(const std::string& operation, const void* target) {
    int n = 0;
    for (const Call& call : Log().items())
        if (call.operation == operation && (target == nullptr || call.target == target)) ++n;
    return n;
}

void EnableCallLog(bool enable) { Enabled() = enable; }
bool IsCallLogEnabled() { return Enabled(); }

void Reset() {
    Log().clear();
    Enabled() = true;
    ClearNotifications();
}

void Record(const char* operation, const void* target, const std::string& arguments) {
    if (Enabled()) Log().push_back(Call{operation, target, arguments});
}
}  // namespace parsnip::testing
