// An interval page over the sample plot whose well has a data manager, with the general data
// back to its samples before and after each test.
#pragma once

#include "WellPlotFixture.h"
#include "hostlibs/Rivet/RivetTesting.h"
#include "hosttypes/Zephyr/WDMgrIO.h"
#include "hosttypes/Zephyr/WpIntegratedCore.h"
#include "hosttypes/Zephyr/WpSegment.h"

namespace wptest {

// A coring run from 1200 to 1209 (run 2, core length 7, footage 8, recovery 0.875), made active.
inline void AddActiveRun(CWpIntegratedCore* kit) {
    WPSEGMENT run;
    run.top = 1200;
    run.bottom = 1209;
    run.data = WpSegDataRef(new WPSEGDATA{2, 7, 8, 0.875});
    kit->AddSeg(run);
    kit->SetActiveSeg(0);
}

template <class List>
class IntervalPage : public OpenPage<List> {
public:
    IntervalPage() : OpenPage<List>(Fresh()) { Init(); }
    explicit IntervalPage(const std::function<List*(zephyr::PlotFixture&)>& make) : OpenPage<List>(make) { Init(); }
    ~IntervalPage() { rivet::testing::Reset(); }

    WDMgrIO* data() { return data_; }
    // The kit of exactly class Kit in the sample, with one interval from top to bottom made active.
    template <class Kit>
    Kit* KitWithInterval(double top = 10, double bottom = 20) {
        Kit* kit = this->plot().template First<Kit>();
        WPSEGMENT seg;
        seg.top = top;
        seg.bottom = bottom;
        kit->AddSeg(seg);
        kit->SetActiveSeg(0);
        return kit;
    }

private:
    static List* Fresh() {
        rivet::testing::Reset();
        return new List;
    }
    void Init() {
        rivet::testing::Reset();
        data_ = new WDMgrIO();
        this->well()->SetDataMgr(data_);
    }
    WDMgrIO* data_ = nullptr;
};

// An interval page made for the first kit of class Kit in the sample plot, as the creator makes the
// pages that keep their kit, and that kit.
template <class List, class Kit>
class PageOnFirst : public IntervalPage<List> {
public:
    PageOnFirst() : IntervalPage<List>(ForFirst<List, Kit>()) {}
    Kit* kit() { return this->plot().template First<Kit>(); }
};

}  // namespace wptest
