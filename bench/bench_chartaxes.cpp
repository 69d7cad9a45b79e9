// Costs of the axis page's refresh, beside its floor (the bare loop doing the same work): the host
// announces an unchanged axis R times; the page compares target and stamp and writes no item. The
// floor_ratio counter stays flat as R grows when every refresh costs the same; the counters
// items_rewritten and items_added stay 0 (nothing written, nothing grows).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>

#include "bcg/PropList.h"
#include "chart/AxisGroups.h"
#include "chart/PropListAxis.h"
#include "driver/GridDriver.h"
#include "driver/SheetDriver.h"
#include "hosttypes/Thistle/Axis.h"
#include "mfc/Variant.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from, Clock::time_point to) { return std::chrono::duration<double>(to - from).count(); }

// An axis page open in a host frame over a standard X axis it has shown once.
struct AxisPageWorld {
    CWnd frame;
    CWnd view;
    CkelAxisStanderdX axis;
    CPropListAxis* page = new CPropListAxis;

    AxisPageWorld() {
        frame.CreateEx(0, nullptr, "host", WS_VISIBLE, CRect(0, 0, 400, 1200), nullptr, 0);
        view.Create(nullptr, "view", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &frame, 100);
        page->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 360, 1200), &frame, 2);
        axis.SetMin(0);
        axis.SetMax(100);
        Show();
    }
    ~AxisPageWorld() {
        platform::DestroyAndDelete(page);
        frame.DestroyWindow();
    }
    void Show() { platform::SendSelectionChanged(*page, &view, reinterpret_cast<LPARAM>(&axis)); }
    std::size_t ItemCount() const { return platform::GridDriver(&page->GetPropList()).AllItems().size(); }
};

void BM_UnchangedAxisRefresh(benchmark::State& state) {
    AxisPageWorld world;
    const int refreshes = static_cast<int>(state.range(0));
    // A text no refresh would write: it survives exactly when no item is written.
    CBCGPProp* max = world.page->GetPropList().FindItemByData(chart::kMaxId);
    max->SetValue(_variant_t("untouched"));
    const std::size_t items = world.ItemCount();
    CObject* target = &world.axis;
    const uint64_t stamp = world.axis.GetTimeStamp();
    double work = 0;
    double floor = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        for (int i = 0; i < refreshes; ++i) world.Show();
        const Clock::time_point shown = Clock::now();
        int same = 0;
        for (int i = 0; i < refreshes; ++i) {
            CObject* object = &world.axis;
            benchmark::DoNotOptimize(object);
            same += object == target && world.axis.GetTimeStamp() == stamp;
        }
        benchmark::DoNotOptimize(same);
        const Clock::time_point end = Clock::now();
        work += Seconds(start, shown);
        floor += Seconds(shown, end);
        state.SetIterationTime(Seconds(start, shown));
    }
    state.counters["floor_ratio"] = floor > 0 ? work / floor : 0;
    state.counters["items_rewritten"] = VariantToText(max->GetValue()) == "untouched" ? 0 : 1;
    state.counters["items_added"] = static_cast<double>(world.ItemCount() - items);
    state.SetComplexityN(refreshes);
}
BENCHMARK(BM_UnchangedAxisRefresh)->Arg(10)->Arg(100)->Arg(1000)->UseManualTime()->Complexity(benchmark::oN);

}  // namespace
