// The sweep over the charts: the sheet of every object of the demo host's sample chart, opened
// through the chart creator with the object active in the host's display manager.
#include <gtest/gtest.h>

#include "host/ChartSample.h"
#include "sweep/Sweep.h"

namespace {

TEST(SweepChart, EveryPageOfEveryChartObject) {
    demo::DemoChart chart;
    demo::ChartDispManager manager;
    const auto kinds = chart.Kinds();
    sweep::Sweeper sweeper("chart", [&](sweep::State& state) {
        for (const auto& [label, object] : kinds) state.Put(std::string(label) + ".stamp", std::to_string(object->GetTimeStamp()));
        state.Size("图例.宽度", chart.legend.GetBorderWidth());
        state.Size("图例.高度", chart.legend.GetBorderHeight());
    });
    for (const auto& [label, object] : kinds) {
        CQXObject* active = object;
        sweeper.Sweep(label,
                      [&manager, active](CWnd* frame) {
                          manager.Activate(active);
                          return CKelCgPropWndCreator::CreateObjProp(&manager, frame);
                      },
                      reinterpret_cast<LPARAM>(active));
    }
    EXPECT_TRUE(sweeper.Unopened().empty()) << sweeper.Unopened().front();
    EXPECT_GT(sweeper.Typed(), 0);
    std::cout << "[sweep] chart: " << sweeper.Pages().size() << " pages, " << sweeper.Typed() << " texts\n";
}

}  // namespace
