// The "图设置" page of a sample section opened in a host window, and a trace that follows in one
// order the calls the page makes into the section and reservoir libraries, the section's stamp
// ("stamp") and its modify flag ("modify").
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "hostlibs/Halyard/Testing.h"
#include "hostlibs/Oriel/SectionFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Gondola/Fence.h"
#include "hosttypes/Halyard/Reservoir.h"
#include "hosttypes/Oriel/CnConnection.h"
#include "hosttypes/Oriel/CrCorrelation.h"
#include "section/GraphSetors.h"
#include "section/SectionTestFixture.h"

namespace sectiontest {

template <class Container>
struct GraphPageOf;
template <>
struct GraphPageOf<CrCorrelation> {
    using type = CCrGraphSetor;
};
template <>
struct GraphPageOf<CnConnection> {
    using type = CCnGraphSetor;
};
template <>
struct GraphPageOf<KelReservoir::Connection::CkelReservoir> {
    using type = CRsGraphSetor;
};
template <>
struct GraphPageOf<KelFence::CFence> {
    using type = CFcGraphSetor;
};

class CallTrace {
public:
    explicit CallTrace(ScContainer& container)
        : container_(container), stamp_(container.GetTimeStamp()), modifies_(Modifies()) {
        oriel::testing::SetLogListener([this](const std::string& entry) { Add(entry); });
        halyard::testing::SetLogListener([this](const std::string& entry) { Add(entry); });
    }
    ~CallTrace() {
        oriel::testing::SetLogListener(nullptr);
        halyard::testing::SetLogListener(nullptr);
    }
    CallTrace(const CallTrace&) = delete;
    CallTrace& operator=(const CallTrace&) = delete;

    const std::vector<std::string>& Entries() {
        Sync();
        return entries_;
    }
    // The entries joined by " | ".
    std::string Text() {
        std::string text;
        for (const std::string& entry : Entries()) text += (text.empty() ? "" : " | ") + entry;
        return text;
    }
    void Clear() {
        Sync();
        entries_.clear();
    }
    bool Has(const std::string& entry) {
        const std::vector<std::string>& all = Entries();
        return std::find(all.begin(), all.end(), entry) != all.end();
    }
    // Called with each library entry as it is made (to look at the section at that moment).
    std::function<void(const std::string&)> onEntry;

private:
    int Modifies() const {
        return parsnip::testing::CountCalls("CQXObject::SetModifyFlag", static_cast<CQXObject*>(&container_));
    }
    // A modify flag or a new stamp since the last entry goes before the next one.
    void Sync() {
        for (const int n = Modifies(); modifies_ < n; ++modifies_) entries_.push_back("modify");
        if (container_.GetTimeStamp() != stamp_) {
            stamp_ = container_.GetTimeStamp();
            entries_.push_back("stamp");
        }
    }
    void Add(const std::string& entry) {
        Sync();
        entries_.push_back(entry);
        if (onEntry) onEntry(entry);
    }

    ScContainer& container_;
    uint64_t stamp_;
    int modifies_;
    std::vector<std::string> entries_;
};

template <class Container>
class GraphPage {
public:
    using Page = typename GraphPageOf<Container>::type;

    explicit GraphPage(int wells = 3) : section(wells), open(new Page(&section.Section())) {
        Record().m_dXScale = 1000;
        Record().m_dYScale = 500;
        Refresh();
    }
    // The section changed elsewhere; the host announces the selection again.
    void Refresh() {
        section.Section().ProChanged();
        open.Show(section.Object());
    }
    CMapProperty& Record() { return section.Record(); }
    std::vector<std::string> Options(DWORD_PTR id) { return platform::GridDriver::Info(open.Item(id)).options; }
    // The grid's change notification for the item as it stands (hidden items too).
    void Notify(DWORD_PTR id) { open.list().GetPropList().OnPropertyChanged(open.Item(id)); }

    oriel::SectionFixture<Container> section;
    OpenList<Page> open;
};

}  // namespace sectiontest
