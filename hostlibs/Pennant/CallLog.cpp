#include "hostlibs/Pennant/CallLog.h"

#include "hostlibs/Pennant/Testing.h"

namespace {
std::vector<std::string>& Entries() {
    static std::vector<std::string> entries;
    return entries;
}
}  // namespace

namespace pennant::detail {
void Log(const std::string& entry) { Entries().push_back(entry); }
}  // namespace pennant::detail

namespace pennant::testing {
const std::vector<std::string>& CallLog() { return Entries(); }
void ClearCallLog() { Entries().clear(); }
void Reset() { ClearCallLog(); }
}  // namespace pennant::testing
