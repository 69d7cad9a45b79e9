#include "hostlibs/Halyard/CallLog.h"

#include <utility>

#include "hostlibs/Halyard/Testing.h"
#include "mfc/BoundedLog.h"

namespace {
constexpr std::size_t kCallsKept = 4096;
// Tests read the newest calls; a session that runs all day keeps a bounded record.
platform::BoundedLog<std::string>& Entries() {
    static platform::BoundedLog<std::string> entries(kCallsKept);
    return entries;
}
std::function<void(const std::string&)>& Listener() {
    static std::function<void(const std::string&)> listener;
    return listener;
}
}  // namespace

namespace halyard::detail {
void Log(const std::string& entry) {
    Entries().push_back(entry);
    if (Listener()) Listener()(entry);
}
}  // namespace halyard::detail

namespace halyard::testing {
const std::vector<std::string>& CallLog() { return Entries().items(); }
void ClearCallLog() { Entries().clear(); }
void Reset() {
    ClearCallLog();
    Listener() = nullptr;
}
void SetLogListener(std::function<void(const std::string&)> listener) { Listener() = std::move(listener); }
}  // namespace halyard::testing
