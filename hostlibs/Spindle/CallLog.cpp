#include "hostlibs/Spindle/CallLog.h"

#include "hostlibs/Spindle/Testing.h"
#include "mfc/BoundedLog.h"

namespace {
constexpr std::size_t kCallsKept = 4096;
// Tests read the newest calls; a session that runs all day keeps a bounded record.
platform::BoundedLog<std::string>& Entries() {
    static platform::BoundedLog<std::string> entries(kCallsKept);
    return entries;
}
}  // namespace

namespace spindle::detail {
void Log(const std::string& entry) { Entries().push_back(entry); }
}  // namespace spindle::detail

namespace spindle::testing {
const std::vector<std::string>& CallLog() { return Entries().items(); }
void ClearCallLog() { Entries().clear(); }
void Reset() {
    ClearCallLog();
    detail::ResetCreateRefusal();
}
}  // namespace spindle::testing
