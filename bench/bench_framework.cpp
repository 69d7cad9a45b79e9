// Costs of the framework: filling a pane, building a sheet, one message round trip.
// Filling must stay linear in the number of items (no walk over the grid per item) and close to
// the cost of building the items themselves, at every size: the pane's ratio to that floor at
// 10^4 groups is at most 1.3 times its ratio at 10^3 (BM_FillPaneShareGrowth).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <chrono>
#include <vector>

#include "BenchFloor.h"
#include "bcg/Prop.h"
#include "driver/SheetDriver.h"
#include "framework/ModuleEntry.h"
#include "framework/PropWndMgr.h"
#include "framework/WndLst.h"
#include "mfc/Module.h"
#include "resources/ModuleResources.h"

namespace {

// The items a filled pane shows: n groups of one number each.
CBCGPProp* MakeItem(int i) {
    auto* group = new CBCGPProp("组", 1000 + 10 * i, FALSE);
    group->AddSubItem(new CBCGPProp("值", _variant_t(static_cast<double>(i)), "", 1001 + 10 * i));
    return group;
}

class FilledList : public CWndLst {
public:
    explicit FilledList(int n) : n_(n) {}

protected:
    int InitPropWnd() override {
        if (CWndLst::InitPropWnd() == -1) return -1;
        for (int i = 0; i < n_; ++i) m_wndPropList.AddProperty(MakeItem(i));
        return 0;
    }
    void UpdateBCGPProperty(long, CString) override {}

private:
    int n_;
};

struct Host {
    Host() { frame.CreateEx(0, nullptr, "bench", WS_VISIBLE, CRect(0, 0, 400, 600), nullptr, 0); }
    CWnd frame;
};

// A pane made, filled with n items, laid out and painted, then closed.
void FillPane(Host& host, int n) {
    FilledList list(n);
    list.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 500), &host.frame, 2);
    benchmark::DoNotOptimize(list.GetPropList().FindItemByData(1001));
    list.DestroyWindow();
}

// The floor: the same items built and freed without a pane.
void BuildItems(int n) {
    std::vector<CBCGPProp*> items;
    items.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) items.push_back(MakeItem(i));
    benchmark::DoNotOptimize(items.data());
    for (CBCGPProp* item : items) delete item;
}

void BM_FillPane(benchmark::State& state) {
    Host host;
    const int n = static_cast<int>(state.range(0));
    bench::TimeBesideFloor(
        state, [] {}, [&] { FillPane(host, n); }, [&] { BuildItems(n); });
    state.counters["fill_ms"] = state.counters["op_us"] / 1000;
    state.counters["pane_ns_per_group"] = state.counters["op_us"] * 1000 / n;
    state.counters["floor_ns_per_group"] = state.counters["floor_us"] * 1000 / n;
}
BENCHMARK(BM_FillPane)->Arg(100)->Arg(1000)->Arg(10000)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The grid's share at scale: each iteration fills one pane of 10^4 groups and ten of 10^3, and
// builds their floors, in turn, so that both sizes see the same machine. "share_1e3" and
// "share_1e4" are pane/floor at each size, "share_growth" their quotient (1 when the grid's cost
// grows as its items' do; at most 1.3).
void BM_FillPaneShareGrowth(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    Host host;
    double pane3 = 0, floor3 = 0, pane4 = 0, floor4 = 0;
    auto timed = [](double& total, auto&& work) {
        const Clock::time_point start = Clock::now();
        work();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        total += seconds;
        return seconds;
    };
    for (auto _ : state) {
        double seconds = timed(pane4, [&] { FillPane(host, 10000); });
        timed(floor4, [&] { BuildItems(10000); });
        for (int k = 0; k < 10; ++k) {
            seconds += timed(pane3, [&] { FillPane(host, 1000); });
            timed(floor3, [&] { BuildItems(1000); });
        }
        state.SetIterationTime(seconds);
    }
    const double share3 = floor3 > 0 ? pane3 / floor3 : 0;
    const double share4 = floor4 > 0 ? pane4 / floor4 : 0;
    state.counters["share_1e3"] = share3;
    state.counters["share_1e4"] = share4;
    state.counters["share_growth"] = share3 > 0 ? share4 / share3 : 0;
}
BENCHMARK(BM_FillPaneShareGrowth)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_BuildSheet(benchmark::State& state) {
    Host host;
    const int pages = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto* sheet = new CPropWndMgr(0, 0);
        for (int i = 0; i < pages; ++i) sheet->AddLstPage(new FilledList(10), "页");
        sheet->Initialize();
        sheet->Create(&host.frame, WS_CHILD | WS_VISIBLE, 0);
        platform::DestroyAndDelete(sheet);
    }
    state.SetComplexityN(pages);
}
BENCHMARK(BM_BuildSheet)->Arg(1)->Arg(4)->Arg(16)->Complexity(benchmark::oN);

void BM_SelectionRoundTrip(benchmark::State& state) {
    Host host;
    FilledList list(20);
    list.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 500), &host.frame, 2);
    int object = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::SendSelectionChanged(list, &host.frame, reinterpret_cast<LPARAM>(&object)));
    list.DestroyWindow();
}
BENCHMARK(BM_SelectionRoundTrip);

}  // namespace

int main(int argc, char** argv) {
    // The C library gives freed heap back to the system and takes it again on the next large
    // fill; the page faults that costs would be timed against whichever run came second. Keep
    // the heap, so that runs of different sizes compare what the code does.
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 1 << 26);
    // Loaded as a host loads the module, so the page template is in the resource chain.
    HINSTANCE image = LoadTessalyImage();
    TessalyDllMain(image, DLL_PROCESS_ATTACH, nullptr);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    TessalyDllMain(image, DLL_PROCESS_DETACH, nullptr);
    platform::UnloadModuleImage(image);
    return 0;
}
