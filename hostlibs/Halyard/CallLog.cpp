#include "hostlibs/Halyard/CallLog.h"

#include "hostlibs/Halyard/Testing.h"

namespace {
std::vector<std::string>& Entries() {
    static std::vector<std::string> entries;
    return entries;
}
}  // namespace

namespace halyard::detail {
void Log(const std::string& entry) { Entries().push_back(entry); }
}  // namespace halyard::detail

namespace halyard::testing {
const std::vector<std::string>& CallLog() { return Entries(); }
void ClearCallLog() { Entries().clear(); }
void Reset() { ClearCallLog(); }
}  // namespace halyard::testing
