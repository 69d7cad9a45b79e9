#include "hostlibs/Spindle/CallLog.h"

#include "hostlibs/Spindle/Testing.h"

namespace {
std::vector<std::string>& Entries() {
    static std::vector<std::string> entries;
    return entries;
}
}  // namespace

namespace spindle::detail {
void Log(const std::string& entry) { Entries().push_back(entry); }
}  // namespace spindle::detail

namespace spindle::testing {
const std::vector<std::string>& CallLog() { return Entries(); }
void ClearCallLog() { Entries().clear(); }
void Reset() {
    ClearCallLog();
    detail::ResetCreateRefusal();
}
}  // namespace spindle::testing
