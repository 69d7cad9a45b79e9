// A sample single-well section (hostlibs/Pennant/SingleWellFixture.h) with one of its pages open
// in a host window, and a trace that follows in one order the calls the page makes into the
// single-well library, the section's change notification ("OnChanged(0)"), its object stamp
// ("stamp") and its modify flag ("modify").
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hostlibs/Pennant/SingleWellFixture.h"
#include "hostlibs/Pennant/Testing.h"
#include "section/SectionTestFixture.h"

namespace sectiontest {

// A section whose change notification can be watched.
class WatchedSection : public CSingleWellSection {
public:
    using CSingleWellSection::CSingleWellSection;
    void OnChanged(int hint) override {
        if (onChanged) onChanged(hint);
        CSingleWellSection::OnChanged(hint);
    }
    std::function<void(int)> onChanged;
};

using SingleWorld = pennant::BasicSingleWellFixture<WatchedSection>;

class SingleTrace {
public:
    explicit SingleTrace(WatchedSection& section) : section_(section), stamp_(Stamp()), modifies_(Modifies()) {
        pennant::testing::SetLogListener([this](const std::string& entry) { Add(entry); });
        section_.onChanged = [this](int hint) { Add("OnChanged(" + std::to_string(hint) + ")"); };
    }
    ~SingleTrace() {
        pennant::testing::SetLogListener(nullptr);
        section_.onChanged = nullptr;
    }
    SingleTrace(const SingleTrace&) = delete;
    SingleTrace& operator=(const SingleTrace&) = delete;

    // The entries joined by " | ".
    std::string Text() {
        Sync();
        std::string text;
        for (const std::string& entry : entries_) text += (text.empty() ? "" : " | ") + entry;
        return text;
    }
    bool Has(const std::string& entry) {
        Sync();
        return std::find(entries_.begin(), entries_.end(), entry) != entries_.end();
    }
    void Clear() {
        Sync();
        entries_.clear();
    }

private:
    uint64_t Stamp() const { return static_cast<const ScObjInterface&>(section_).GetTimeStamp(); }
    int Modifies() const {
        return parsnip::testing::CountCalls("CQXObject::SetModifyFlag", static_cast<CQXObject*>(&section_));
    }
    void Sync() {
        if (Stamp() != stamp_) {
            stamp_ = Stamp();
            entries_.push_back("stamp");
        }
        for (const int n = Modifies(); modifies_ < n; ++modifies_) entries_.push_back("modify");
    }
    void Add(const std::string& entry) {
        Sync();
        entries_.push_back(entry);
    }

    WatchedSection& section_;
    uint64_t stamp_;
    int modifies_;
    std::vector<std::string> entries_;
};

// A page of the sample section, open and shown once.
template <class Page>
class SinglePage {
public:
    template <class Object>
    explicit SinglePage(Object* object) : open(new Page(object)) {}
    // The host announces the selection of the object.
    void Show(ScObjInterface* object) { open.Show(object); }
    std::vector<std::string> Options(DWORD_PTR id) { return platform::GridDriver::Info(open.Item(id)).options; }
    OpenList<Page> open;
};

inline uint64_t ObjectStamp(const ScObjInterface& object) { return object.GetTimeStamp(); }

}  // namespace sectiontest
