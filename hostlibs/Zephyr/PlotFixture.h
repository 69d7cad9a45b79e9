// Well plots for tests, benchmarks and the demo host: a well kit owning its tracks and their
// kits. Building a plot leaves the call log as it was; stamps are renewed as usual.
#pragma once

#include <memory>
#include <vector>

#include "hosttypes/Zephyr/WpKit.h"

class CWpDepth;
class CWpTrack;
class CWpWell;

namespace zephyr {

class PlotFixture {
public:
    // An empty well kit named "井1" (object name and title).
    PlotFixture();
    ~PlotFixture();
    PlotFixture(const PlotFixture&) = delete;
    PlotFixture& operator=(const PlotFixture&) = delete;

    CWpWell* Well() const { return m_well.get(); }

    // New kits appended to parent (the well for tracks), titled title.
    CWpDepth* AddDepth(const char* title);
    CWpTrack* AddTrack(const char* title);
    template <class Kit>
    Kit* Add(CWpKit* parent, const char* title) {
        Kit* kit = new Kit();
        Attach(parent, kit, title);
        return kit;
    }

    // The sample plot: a depth track "深度", content tracks "曲线道1" and "曲线道2" each with two
    // curves, then a track "综合道" holding a program and one kit of every content class; the well
    // also holds one plain kit and one well placed inside it, so every kit class occurs.
    void BuildSample();
    // tracks content tracks of kits curves each (benchmarks).
    void BuildTracks(int tracks, int kits);

    // Every kit of the plot: the well, then its kits level by level, each level in order.
    std::vector<CWpKit*> AllKits() const;
    // The first kit of exactly class Kit in tree order, or NULL.
    template <class Kit>
    Kit* First() const {
        for (CWpKit* kit : AllKits())
            if (kit->GetRuntimeClass() == RUNTIME_CLASS(Kit)) return static_cast<Kit*>(kit);
        return nullptr;
    }

private:
    void Attach(CWpKit* parent, CWpKit* kit, const char* title);

    std::unique_ptr<CWpWell> m_well;
};

}  // namespace zephyr
