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
bool& Enabled() {
    static bool enabled = true;
    return enabled;
}
std::function<void(const std::string&)>& Listener() {
    static std::function<void(const std::string&)> listener;
    return listener;
}
}  // namespace

namespace pennant::detail {
void Log(const std::string& entry) {
    if (!Enabled()) return;
    Entries().push_back(entry);
    if (Listener()) Listener()(entry);
}
}  // namespace pennant::detail

namespace pennant::testing {
const std::vector<std::string>& CallLog() { return Entries().items(); }
void ClearCallLog() { Entries().clear(); }
void Reset() {
    ClearCallLog();
    Listener() = nullptr;
    Enabled() = true;
}
void EnableCallLog(bool enable) { Enabled() = enable; }
void SetLogListener(std::function<void(const std::string&)> listener) { Listener() = std::move(listener); }
}  // namespace pennant::testing
