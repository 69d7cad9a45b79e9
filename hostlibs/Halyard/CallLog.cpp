#include "hostlibs/Halyard/CallLog.h"

#include <utility>

#include "hostlibs/Halyard/Testing.h"

namespace {
std::vector<std::string>& Entries() {
    static std::vector<std::string> entries;
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
const std::vector<std::string>& CallLog() { return Entries(); }
void ClearCallLog() { Entries().clear(); }
void Reset() {
    ClearCallLog();
    Listener() = nullptr;
}
void SetLogListener(std::function<void(const std::string&)> listener) { Listener() = std::move(listener); }
}  // namespace halyard::testing
