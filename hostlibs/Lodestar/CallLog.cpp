#include "hostlibs/Lodestar/CallLog.h"

#include "hostlibs/Lodestar/Testing.h"
#include "hosttypes/Lodestar/LayerProperty.h"

namespace {
std::vector<std::string>& Entries() {
    static std::vector<std::string> entries;
    return entries;
}
}  // namespace

namespace lodestar::detail {
void Log(const std::string& entry) { Entries().push_back(entry); }
}  // namespace lodestar::detail

namespace lodestar::testing {
const std::vector<std::string>& CallLog() { return Entries(); }
void ClearCallLog() { Entries().clear(); }
void Reset() {
    ClearCallLog();
    KelProfileline::CPropertySignle::Instance()->SetProperty(
        boost::shared_ptr<KelProfileline::CLayerProperty>(new KelProfileline::CLayerProperty));
}
}  // namespace lodestar::testing
