#include "hostlibs/Zephyr/ZephyrTesting.h"

#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Tinder/TimeStamp.h"
#include "hosttypes/Zephyr/WpKit.h"

namespace zephyr::testing {
std::vector<std::string> CallLog() {
    std::vector<std::string> names;
    for (const parsnip::testing::Call& call : parsnip::testing::CallLog()) names.push_back(call.operation);
    return names;
}
void ClearCallLog() { parsnip::testing::ClearCallLog(); }
void Touch(CWpKit* kit) {
    if (kit) kit->SetTimeStamp(AfxGetTimeStamp());
}
void Reset() {
    parsnip::testing::ClearCallLog();
    detail::ResetCodeTables();
    ResetDataCatalogue();
}
}  // namespace zephyr::testing

namespace zephyr::detail {
void Record(const char* operation, const void* target, const std::string& arguments) {
    parsnip::testing::Record(operation, target, arguments);
}
void Stamp(CWpKit* kit) { kit->SetTimeStamp(AfxGetTimeStamp()); }
}  // namespace zephyr::detail
