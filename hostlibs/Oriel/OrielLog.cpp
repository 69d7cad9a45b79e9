#include "hostlibs/Oriel/OrielLog.h"

#include <functional>
#include <map>
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
struct SandBrushSlot {
    bool set = false;
    oriel::testing::AppliedSandBrush applied{};
};
SandBrushSlot& LastBrush() {
    static SandBrushSlot slot;
    return slot;
}
struct JudgedSlot {
    bool set = false;
    oriel::testing::JudgedText judged{};
};
JudgedSlot& LastJudged() {
    static JudgedSlot slot;
    return slot;
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
    LastBrush().set = true;
    LastBrush().applied.well = well;
    LastBrush().applied.sand = sand;
    LastBrush().applied.brush = brush;
}
void RecordJudgedText(const CString& text, bool flag) {
    LastJudged().set = true;
    LastJudged().judged.text = text.str();
    LastJudged().judged.flag = flag;
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
bool LastSandBrush(AppliedSandBrush* applied) {
    if (!LastBrush().set) return false;
    if (applied) *applied = LastBrush().applied;
    return true;
}
bool LastJudgedText(JudgedText* judged) {
    if (!LastJudged().set) return false;
    if (judged) *judged = LastJudged().judged;
    return true;
}
void Reset() {
    LastBrush().set = false;
    LastJudged().set = false;
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
