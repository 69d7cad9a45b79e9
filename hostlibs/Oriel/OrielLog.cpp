#include "hostlibs/Oriel/OrielLog.h"

#include <vector>

#include "hosttypes/Oriel/CContainerSignle.h"
#include "hosttypes/Oriel/CMapProperty.h"
#include "hosttypes/Oriel/OrielTesting.h"
#include "hosttypes/Oriel/ScUpdateView.h"

namespace {
std::vector<std::string>& LogStore() {
    static std::vector<std::string> log;
    return log;
}
}  // namespace

namespace oriel::detail {
void Log(const std::string& entry) { LogStore().push_back(entry); }
std::string Num(double v) { return FormatString("%g", v).str(); }
}  // namespace oriel::detail

namespace oriel::testing {
const std::vector<std::string>& CallLog() { return LogStore(); }
void ClearCallLog() { LogStore().clear(); }
void Reset() {
    ClearCallLog();
    CContainerSignle::Instance()->SetContainer(nullptr);
    CMapPropertySignle::Instance()->SetProperty(boost::shared_ptr<CMapProperty>());
    ScUpdateView* view = ScUpdateView::Instance();
    view->SetContainer(nullptr);
    view->EnableUpdate();
}
}  // namespace oriel::testing
