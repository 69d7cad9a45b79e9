#include "hostlibs/Thistle/ThistleTesting.h"

#include "hosttypes/Parsnip/QXObject.h"
#include "hosttypes/Tinder/TimeStamp.h"
#include "mfc/BoundedLog.h"

namespace {
constexpr std::size_t kCallsKept = 4096;
// Tests read the newest calls; a session that runs all day keeps a bounded record.
platform::BoundedLog<std::string>& Log() {
    static platform::BoundedLog<std::string> log(kCallsKept);
    return log;
}
}  // namespace

namespace thistle::testing {
const std::vector<std::string>& CallLog() { return Log().items(); }
void ClearCallLog() { Log().clear(); }
void Touch(CQXObject* object) {
    if (object) object->SetTimeStamp(AfxGetTimeStamp());
}
void Reset() { Log().clear(); }
}  // namespace thistle::testing

namespace thistle::detail {
void Record(const char* operation) { Log().push_back(operation); }
void Stamp(CQXObject* object) { object->SetTimeStamp(AfxGetTimeStamp()); }
}  // namespace thistle::detail
