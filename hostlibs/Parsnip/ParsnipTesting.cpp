#include "hostlibs/Parsnip/ParsnipTesting.h"

#include <map>
#include <string_view>

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

// One counter per operation name the library has (a fixed set), and the total.
struct Counts {
    bool on = false;
    std::map<std::string, long long, std::less<>> byOperation;
    long long total = 0;
};
Counts& Counted() {
    static Counts counts;
    return counts;
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

void EnableCallCounts(bool enable) {
    Counted() = Counts();
    Counted().on = enable;
}

long long CountedCalls(const std::string& operation) {
    const auto it = Counted().byOperation.find(operation);
    return it == Counted().byOperation.end() ? 0 : it->second;
}

long long CountedCalls() { return Counted().total; }

void Reset() {
    Log().clear();
    Enabled() = true;
    EnableCallCounts(false);
    ClearNotifications();
}

void Record(const char* operation, const void* target, const std::string& arguments) {
    if (Enabled()) Log().push_back(Call{operation, target, arguments});
    if (Counts& counts = Counted(); counts.on) {
        auto it = counts.byOperation.find(std::string_view(operation));
        if (it == counts.byOperation.end()) it = counts.byOperation.emplace(operation, 0).first;
        ++it->second;
        ++counts.total;
    }
}
}  // namespace parsnip::testing
