#include "hostlibs/Pennant/CallLog.h"

#include "hostlibs/Pennant/Testing.h"
#include "mfc/BoundedLog.h"

namespace {
constexpr std::size_t kCallsKept = 4096;
// Tests read the newest calls; a session that runs all day keeps a bounded record.
platform::BoundedLog<std::string>& Entries() {
    static platform::BoundedLog<std::string> entries(kCallsKept);
    return entries;
}
}  // namespace

namespace pennant::detail {
void Log(const std::string& entry) { Entries().push_back(entry); }
}  // namespace pennant::detail

namespace pennant::testing {
const std::vector<std::string>& CallLog() { return Entries().items(); }
void ClearCallLog() { Entries().clear(); }
void Reset() { ClearCallLog(); }
}  // namespace pennant::testing
