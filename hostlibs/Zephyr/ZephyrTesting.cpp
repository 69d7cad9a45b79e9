#include "hostlibs/Zephyr/ZephyrTesting.h"

#include "hosttypes/Tinder/TimeStamp.h"
#include "hosttypes/Zephyr/WpKit.h"

namespace {
std::vector<std::string>& Log() {
    static std::vector<std::string> log;
    return log;
}
}  // namespace

namespace zephyr::testing {
const std::vector<std::string>& CallLog() { return Log(); }
void ClearCallLog() { Log().clear(); }
void Touch(CWpKit* kit) {
    if (kit) kit->SetTimeStamp(AfxGetTimeStamp());
}
void Reset() { Log().clear(); }
}  // namespace zephyr::testing

namespace zephyr::detail {
void Record(const char* operation) { Log().emplace_back(operation); }
void Stamp(CWpKit* kit) { kit->SetTimeStamp(AfxGetTimeStamp()); }
}  // namespace zephyr::detail
