#include "hostlibs/Lodestar/CallLog.h"

#include "hostlibs/Lodestar/Testing.h"
#include "hosttypes/Lodestar/LayerProperty.h"
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
}  // namespace

namespace lodestar::detail {
void Log(const std::string& entry) {
    if (Enabled()) Entries().push_back(entry);
}
}  // namespace lodestar::detail

namespace lodestar::testing {
const std::vector<std::string>& CallLog() { return Entries().items(); }
void ClearCallLog() { Entries().clear(); }
void EnableCallLog(bool enable) { Enabled() = enable; }
void Reset() {
    ClearCallLog();
    EnableCallLog(true);
    KelProfileline::CPropertySignle::Instance()->SetProperty(
        boost::shared_ptr<KelProfileline::CLayerProperty>(new KelProfileline::CLayerProperty));
}
}  // namespace lodestar::testing
