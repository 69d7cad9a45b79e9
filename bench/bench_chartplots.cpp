// Costs of the bar plot pages over N series, each beside its floor (the same names copied into a
// plain vector): the base-column options of "常规" and the series list of "标签" and "填充". The
// floor_ratio counter stays flat as N grows when the pages are linear in the series.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "BenchFloor.h"
#include "chart/ChartGroups.h"
#include "chart/PlotItems.h"
#include "hosttypes/Thistle/ChartGraph.h"
#include "hosttypes/Thistle/Plots.h"
#include "mfc/Variant.h"

namespace {

// A bar plot over a dataset of n number series, every series drawn as bars.
struct BarWorld {
    explicit BarWorld(int n) {
        CkelDataset* dataset = chart.GetDatasetManagerObj()->CreateDataset("柱状数据");
        for (int i = 0; i < n; ++i) {
            auto* sery = new CkelDataSeryDouble();
            sery->SetName("系列" + std::to_string(i));
            sery->AddData(i);
            dataset->AddDataSery(sery);
            names.push_back(sery->GetName());
        }
        plot.SetChartGraph(&chart);
        plot.SetDataset(dataset);
        for (const std::string& name : names) plot.GetFillSeryGroup()->AddSery(name);
    }
    IChartGraph chart;
    CkelBarPlot plot;
    std::vector<std::string> names;
};

template <class Fill>
void TimePageList(benchmark::State& state, Fill fill) {
    BarWorld world(static_cast<int>(state.range(0)));
    CFixedListProp item("列", "", "", 1, kOtherRefused);
    std::vector<CString> bare;
    bench::TimeBesideFloor(
        state,
        [&] {
            item.RemoveAllOptions();
            bare.clear();
        },
        [&] {
            fill(item, world.plot);
            benchmark::DoNotOptimize(item.GetOptionCount());
        },
        [&] {
            for (const std::string& name : world.names) bare.push_back(name.c_str());
            benchmark::DoNotOptimize(bare.data());
        });
    state.SetComplexityN(state.range(0));
}

void BM_BarBaseColumnOptions(benchmark::State& state) {
    TimePageList(state, [](CBCGPProp& item, CkelBarPlot& plot) {
        chart::FillColumnOptions(&item, &plot, plot.GetAxis1ColumnIndex());
    });
}
BENCHMARK(BM_BarBaseColumnOptions)->Arg(10)->Arg(100)->Arg(10000)->UseManualTime()->Complexity(benchmark::oN);

void BM_BarSeriesList(benchmark::State& state) {
    TimePageList(state, [](CBCGPProp& item, CkelBarPlot& plot) {
        chart::RefreshSeriesChoice(&item, plot.GetFillSeryGroup());
    });
}
BENCHMARK(BM_BarSeriesList)->Arg(10)->Arg(100)->Arg(10000)->UseManualTime()->Complexity(benchmark::oN);

}  // namespace
