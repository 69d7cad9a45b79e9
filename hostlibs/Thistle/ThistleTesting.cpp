#include "hostlibs/Thistle/ThistleTesting.h"

#include "hosttypes/Parsnip/QXObject.h"
#include "hosttypes/Tinder/TimeStamp.h"

namespace {
std::vector<std::string>& Log() {
    static std::vector<std::string> log;
    return log;
}
}  // namespace

namespace thistle::testing {
const std::vector<std::string>& CallLog() { return Log(); }
void ClearCallLog() { Log().clear(); }
void Touch(CQXObject* object) {
    if (object) object->SetTimeStamp(AfxGetTimeStamp());
}
void Reset() { Log().clear(); }
}  // namespace thistle::testing

namespace thistle::detail {
void Record(const char* operation) { Log().emplace_back(operation); }
void Stamp(CQXObject* object) { object->SetTimeStamp(AfxGetTimeStamp()); }
}  // namespace thistle::detail
