// The sweep over the well plot: the kit property sheet of every kit of the sample plot.
#include <gtest/gtest.h>

#include "host/KitSession.h"
#include "host/WellPlotDemo.h"
#include "hostlibs/Zephyr/PlotFixture.h"
#include "hostlibs/Zephyr/WellDataFixture.h"
#include "hosttypes/Zephyr/WpWell.h"
#include "sweep/Sweep.h"
#include "wellplot/intervals/PropWnd.h"

namespace {

TEST(SweepWellPlot, EveryPageOfEveryKit) {
    zephyr::PlotFixture plot;
    plot.BuildSample();
    plot.Well()->SetDataMgr(zephyr::NewSampleWellData());
    plot.Well()->SetTopDepth(1000);
    plot.Well()->SetBottomDepth(1500);
    demo::AddIntervalData(plot);
    const std::vector<CWpKit*> kits = plot.AllKits();

    // Every kit is in scope of some page ("应用范围", "设置应用到"): the dump reads them all.
    sweep::Sweeper sweeper("well plot", [&kits](sweep::State& state) {
        for (std::size_t i = 0; i < kits.size(); ++i) {
            CWpKit* kit = kits[i];
            const std::string key = "kit" + std::to_string(i);
            state.Put(key + ".stamp", std::to_string(kit->GetTimeStamp()));
            state.Put(key, demo::Describe(kit));
            state.Size(key + ".宽度", kit->GetWidth());
            state.Size(key + ".标题区高度", kit->GetTitleHeight());
        }
    });
    for (std::size_t i = 0; i < kits.size(); ++i) {
        CWpKit* kit = kits[i];
        const std::string name =
            std::string(kit->GetRuntimeClass()->m_lpszClassName) + " \"" + demo::OneLine(kit->GetTitleText()) + "\"";
        sweeper.Sweep(name, [kit](CWnd* frame) { return CPropWnd::Create(kit, frame); },
                      reinterpret_cast<LPARAM>(kit));
    }
    EXPECT_TRUE(sweeper.Unopened().empty()) << sweeper.Unopened().front();
    EXPECT_GT(sweeper.Typed(), 0);
    std::cout << "[sweep] well plot: " << sweeper.Pages().size() << " pages, " << sweeper.Typed() << " texts\n";
}

}  // namespace
