// Costs of the chart pages' shared work, each beside its floor (the bare loop doing the same
// work on plain vectors): the data-table options over N datasets, the column options over N
// series, and the classification dialog's "应用" over K classes. The floor_ratio counter stays
// flat as N or K grows when the operation is linear.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "chart/ChartGroups.h"
#include "chart/DlgChartClassSet.h"
#include "driver/DialogDriver.h"
#include "driver/Responder.h"
#include "hostlibs/Thistle/ThistleTesting.h"
#include "hosttypes/Thistle/ChartGraph.h"
#include "hosttypes/Thistle/Plots.h"
#include "resources/ModuleResources.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from, Clock::time_point to) { return std::chrono::duration<double>(to - from).count(); }

// A chart with n datasets, the first of them holding n number series of 4 rows; a line plot on it.
struct ChartWorld {
    explicit ChartWorld(int n) {
        CDataSetMgrObj* manager = chart.GetDatasetManagerObj();
        for (int i = 0; i < n; ++i) names.push_back("数据集" + std::to_string(i));
        for (const std::string& name : names) manager->CreateDataset(name);
        CkelDataset* first = manager->GetDataset(0u);
        for (int i = 0; i < n; ++i) {
            auto* sery = new CkelDataSeryDouble();
            sery->SetName("列" + std::to_string(i));
            for (int r = 0; r < 4; ++r) sery->AddData(r);
            first->AddDataSery(sery);
            series.push_back(sery->GetName());
        }
        plot.SetChartGraph(&chart);
        plot.SetDataset(first);
    }
    IChartGraph chart;
    CkelLinePlot plot;
    std::vector<std::string> names;
    std::vector<std::string> series;
};

// Times fill beside the floor: the same names copied into a vector of texts.
template <class Fill>
void TimeOptions(benchmark::State& state, const std::vector<std::string>& names, Fill fill) {
    double work = 0;
    double floor = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        {
            CFixedListProp item("选项", "", "", 1, kOtherRefused);
            fill(item);
            benchmark::DoNotOptimize(item.GetOptionCount());
        }
        const Clock::time_point filled = Clock::now();
        {
            std::vector<CString> bare;
            for (const std::string& name : names) bare.push_back(name.c_str());
            benchmark::DoNotOptimize(bare.data());
        }
        const Clock::time_point end = Clock::now();
        work += Seconds(start, filled);
        floor += Seconds(filled, end);
        state.SetIterationTime(Seconds(start, filled));
    }
    state.counters["floor_ratio"] = floor > 0 ? work / floor : 0;
    state.SetComplexityN(state.range(0));
}

void BM_DataTableOptions(benchmark::State& state) {
    ChartWorld world(static_cast<int>(state.range(0)));
    TimeOptions(state, world.names, [&](CBCGPProp& item) { chart::FillDataTableOptions(&item, &world.plot); });
}
BENCHMARK(BM_DataTableOptions)->Arg(10)->Arg(100)->Arg(10000)->UseManualTime()->Complexity(benchmark::oN);

void BM_ColumnOptions(benchmark::State& state) {
    ChartWorld world(static_cast<int>(state.range(0)));
    TimeOptions(state, world.series, [&](CBCGPProp& item) { chart::FillColumnOptions(&item, &world.plot, 0); });
}
BENCHMARK(BM_ColumnOptions)->Arg(10)->Arg(100)->Arg(10000)->UseManualTime()->Complexity(benchmark::oN);

// "应用" of the classification dialog building K classes of width 1 (the rebuilt grid rows
// included), beside the floor: K ranges computed and their "%.2f - %.2f" texts kept in a vector.
void BM_ClassApply(benchmark::State& state) {
    thistle::testing::Reset();
    const int k = static_cast<int>(state.range(0));
    CkelDataset data;
    auto* values = new CkelDataSeryDouble();
    values->SetName("值");
    values->AddData(0);
    values->AddData(k);
    data.AddDataSery(values);
    CkelClassPlot plot;
    plot.SetDataset(&data);
    plot.SetClassCol(0);
    const std::string max = std::to_string(k);
    double work = 0;
    double floor = 0;
    platform::Responder& responder = platform::Responder::Instance();
    for (auto _ : state) {
        double seconds = 0;
        responder.QueueDialogScript(IDD_CHART_CLASS_SET, [&](CDialog& d) {
            platform::SetControlText(d, IDC_CLASS_MIN, "0");
            platform::SetControlText(d, IDC_CLASS_MAX, max);
            platform::SetControlText(d, IDC_CLASS_INTERVAL, "1");
            const Clock::time_point start = Clock::now();
            platform::PressButton(d, IDC_CLASS_APPLY);
            seconds = Seconds(start, Clock::now());
            platform::PressButton(d, IDOK);
        });
        CDlgChartClassSet dialog(&plot);
        dialog.DoModal();
        const Clock::time_point start = Clock::now();
        {
            std::vector<CString> bare;
            for (int i = 0; i < k; ++i) bare.push_back(FormatString("%.2f - %.2f", double(i), double(i + 1)));
            benchmark::DoNotOptimize(bare.data());
        }
        floor += Seconds(start, Clock::now());
        work += seconds;
        state.SetIterationTime(seconds);
        thistle::testing::ClearCallLog();
        responder.Reset();
    }
    state.counters["floor_ratio"] = floor > 0 ? work / floor : 0;
    state.SetComplexityN(k);
}
BENCHMARK(BM_ClassApply)->Arg(10)->Arg(100)->Arg(10000)->UseManualTime()->Complexity(benchmark::oN);

}  // namespace
