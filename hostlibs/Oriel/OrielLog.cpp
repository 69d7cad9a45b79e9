#include "hostlibs/Oriel/OrielLog.h"

#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "hosttypes/Oriel/CContainerSignle.h"
#include "hosttypes/Oriel/CMapProperty.h"
#include "hosttypes/Oriel/OrielTesting.h"
#include "hosttypes/Oriel/ScUpdateView.h"
#include "mfc/BoundedLog.h"

namespace {
constexpr std::size_t kCallsKept = 4096;
// Tests read the newest calls; a session that runs all day keeps a bounded record.
platform::BoundedLog<std::string>& LogStore() {
    static platform::BoundedLog<std::string> log(kCallsKept);
    return log;
}
std::function<void(const std::string&)>& Listener() {
    static std::function<void(const std::string&)> listener;
    return listener;
}
bool& LogEnabled() {
    static bool enabled = true;
    return enabled;
}
// The last call of a kind, empty until one comes (and after Reset()).
template <class Call>
std::optional<Call>& Last() {
    static std::optional<Call> last;
    return last;
}
template <class Call>
bool ReadLast(Call* call) {
    if (!Last<Call>()) return false;
    if (call) *call = *Last<Call>();
    return true;
}
std::map<std::string, std::vector<oriel::testing::WellStratum>>& WellStrataStore() {
    static std::map<std::string, std::vector<oriel::testing::WellStratum>> strata;
    return strata;
}
}  // namespace

namespace oriel::detail {
const std::vector<oriel::testing::WellStratum>& WellStrata(const std::string& well) {
    static const std::vector<oriel::testing::WellStratum> none;
    auto it = WellStrataStore().find(well);
    return it == WellStrataStore().end() ? none : it->second;
}
void Log(const std::string& entry) {
    if (!LogEnabled()) return;
    LogStore().push_back(entry);
    if (Listener()) Listener()(entry);
}
std::string Num(double v) { return FormatString("%g", v).str(); }
void RecordSandBrush(IkelWellAdapter* well, CnSand* sand, const QXLOGBRUSH& brush) {
    Last<oriel::testing::AppliedSandBrush>() = oriel::testing::AppliedSandBrush{well, sand, brush};
}
void RecordJudgedText(const CString& text, bool flag) {
    Last<oriel::testing::JudgedText>() = oriel::testing::JudgedText{text.str(), flag};
}
}  // namespace oriel::detail

namespace oriel::testing {
const std::vector<std::string>& CallLog() { return LogStore().items(); }
void ClearCallLog() { LogStore().clear(); }
void EnableCallLog(bool enable) { LogEnabled() = enable; }
void SetLogListener(std::function<void(const std::string&)> listener) { Listener() = std::move(listener); }
void SetWellStrata(const std::string& well, const std::vector<WellStratum>& strata) {
    WellStrataStore()[well] = strata;
}
bool LastSandBrush(AppliedSandBrush* applied) { return ReadLast(applied); }
bool LastJudgedText(JudgedText* judged) { return ReadLast(judged); }
void Reset() {
    Last<AppliedSandBrush>().reset();
    Last<JudgedText>().reset();
    ClearCallLog();
    EnableCallLog(true);
    Listener() = nullptr;
    WellStrataStore().clear();
    CContainerSignle::Instance()->SetContainer(nullptr);
    CMapPropertySignle::Instance()->SetProperty(boost::shared_ptr<CMapProperty>());
    ScUpdateView* view = ScUpdateView::Instance();
    view->SetContainer(nullptr);
    view->EnableUpdate();
}
}  // namespace oriel::testing
