// Costs of the plane-map lists, each beside its floor timed in the same run ("floor_ratio" = list /
// floor): a refresh with nothing changed against reading the selected objects' stamps, one edit
// written to S selected lines against calling the setter on them and redrawing the view once, a
// fill edit on a line layer's "线" page against reading and writing every line's brush, and a long
// session of edits and refreshes that must keep its memory and its pace.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

#include "BenchFloor.h"
#include "BenchMemory.h"
#include "driver/GridDriver.h"
#include "driver/SheetDriver.h"
#include "framework/WndLst.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "planemap/PropListLine.h"
#include "planemap/layers/PropListLineLayerLine.h"

namespace {

// N lines in a line layer, the first `selected` of them selected, and a list (or a layer page)
// open on the first line (or on the layer). The library's call log is off unless asked for.
template <class List = CPropListLine>
struct LineWorld {
    CWnd frame;
    CWnd view;
    CQXLayer layer;
    std::vector<std::unique_ptr<CQXObjectPolyline>> lines;
    List* list = nullptr;
    CObject* shown = nullptr;

    LineWorld(int objects, int selected, bool showLayer = false, bool callLog = false) {
        parsnip::testing::EnableCallLog(callLog);
        layer.SetTypeName("线");
        frame.CreateEx(0, nullptr, "bench", WS_VISIBLE, CRect(0, 0, 400, 800), nullptr, 0);
        view.Create(nullptr, "view", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &frame, 100);
        for (int i = 0; i < objects; ++i) {
            lines.push_back(std::make_unique<CQXObjectPolyline>());
            lines.back()->SetTypeName("线");
            lines.back()->SetPoints({{0, double(i)}, {1, double(i)}});
            layer.AddObject(lines.back().get());
        }
        for (int i = 0; i < selected; ++i) layer.SetSelectedObject(lines[static_cast<std::size_t>(i)].get());
        shown = showLayer ? static_cast<CObject*>(&layer) : lines[0].get();
        list = new List;
        list->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 360, 1200), &frame, 2);
        Show();
    }
    ~LineWorld() {
        platform::DestroyAndDelete(list);
        frame.DestroyWindow();
        parsnip::testing::EnableCallLog(true);
    }
    void Show() { platform::SendSelectionChanged(*list, &view, reinterpret_cast<LPARAM>(shown)); }

    // The floor of a refresh: the newest stamp among the selected objects.
    uint64_t LatestSelectedStamp() {
        uint64_t latest = 0;
        const int n = layer.GetSelectedObjectCount();
        for (int i = 0; i < n; ++i) latest = std::max(latest, layer.GetSelectedObject(i)->GetTimeStamp());
        return latest;
    }
};

// A pane that shows nothing: the selection message reaches it and goes no further.
class EmptyPane : public CWndLst {
protected:
    void UpdateBCGPProperty(long, CString) override {}
};

// All N objects selected, nothing changed: the list's check against reading every selected
// object's stamp.
void BM_UnchangedRefreshAllSelected(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    LineWorld<> world(n, n);
    bench::TimeBesideFloor(
        state, [] {}, [&] { world.Show(); }, [&] { benchmark::DoNotOptimize(world.LatestSelectedStamp()); });
}
BENCHMARK(BM_UnchangedRefreshAllSelected)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime();

// One line selected in a layer of N objects: against the same message to an empty pane plus
// the one stamp read.
void BM_UnchangedRefreshOneSelected(benchmark::State& state) {
    LineWorld<> world(static_cast<int>(state.range(0)), 1);
    EmptyPane empty;
    empty.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 360, 400), &world.frame, 3);
    const LPARAM object = reinterpret_cast<LPARAM>(world.lines[0].get());
    bench::TimeBesideFloor(
        state, [] {}, [&] { world.Show(); },
        [&] {
            platform::SendSelectionChanged(empty, &world.view, object);
            benchmark::DoNotOptimize(world.LatestSelectedStamp());
        });
    empty.DestroyWindow();
}
BENCHMARK(BM_UnchangedRefreshOneSelected)->Arg(1000)->Arg(100000)->UseManualTime();

// One width typed into the list with S lines of the type selected: against calling SetLogPen on
// the same S lines and redrawing the view once.
void BM_SameTypeEdit(benchmark::State& state) {
    const int s = static_cast<int>(state.range(0));
    LineWorld<> world(s, s);
    platform::GridDriver grid(&world.list->GetPropList());
    CBCGPProp* width = grid.FindByData(CPropListLine::kPenWidthId);
    int k = 0, j = 0;
    QXLOGPEN pen;
    world.lines[0]->GetLogPen(&pen);
    bench::TimeBesideFloor(
        state, [] {}, [&] { grid.TypeText(width, (k++ % 2) ? "1.5" : "2.5"); },
        [&] {
            pen.width = (j++ % 2) ? 150.0f : 250.0f;
            const int n = world.layer.GetSelectedObjectCount();
            for (int i = 0; i < n; ++i)
                static_cast<CQXObjectPolyline*>(world.layer.GetSelectedObject(i))->SetLogPen(&pen);
            world.view.InvalidateRect(nullptr, FALSE);
            world.view.UpdateWindow();
        });
}
BENCHMARK(BM_SameTypeEdit)->Arg(100)->Arg(10000)->UseManualTime();

// The median of a window of cycle times (a busy machine's stray slow cycle does not count).
double Median(std::vector<double> times) {
    if (times.empty()) return 0;
    std::nth_element(times.begin(), times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2), times.end());
    return times[times.size() / 2];
}

// A long session: 10^5 cycles of a width edit, a closed/open pick and the refresh the host's
// selection message brings, on three of ten lines, with every record the platform and the
// libraries keep switched on. Memory (resident and C++ heap) after 10^3 and 10^5 cycles, and
// the pace (median cycle time) of cycles 10 to 110 against cycles 1000 to 1100 and the last 101.
void BM_Soak(benchmark::State& state) {
    constexpr int kCycles = 100000, kWindow = 101;
    for (auto _ : state) {
        LineWorld<> world(10, 3, false, true);
        platform::GridDriver grid(&world.list->GetPropList());
        CBCGPProp* width = grid.FindByData(CPropListLine::kPenWidthId);
        CBCGPProp* closed = grid.FindByData(CPropListLine::kClosedId);
        std::vector<double> early, middle, late;
        std::size_t rss3 = 0, heap3 = 0;
        for (int c = 0; c < kCycles; ++c) {
            const std::chrono::steady_clock::time_point t0 = std::chrono::steady_clock::now();
            grid.TypeText(width, (c % 2) ? "1.5" : "2.5");
            grid.PickOption(closed, c % 2);
            world.Show();
            const double t = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
            if (c >= 10 && c < 10 + kWindow) early.push_back(t);
            if (c >= 1000 && c < 1000 + kWindow) middle.push_back(t);
            if (c >= kCycles - kWindow) late.push_back(t);
            if (c + 1 == 1000) {
                rss3 = bench::ResidentKiB();
                heap3 = bench::HeapBytes();
            }
        }
        const std::size_t rss5 = bench::ResidentKiB(), heap5 = bench::HeapBytes();
        state.counters["rss_kib_1e3"] = static_cast<double>(rss3);
        state.counters["rss_kib_1e5"] = static_cast<double>(rss5);
        state.counters["rss_growth"] = rss3 ? static_cast<double>(rss5) / static_cast<double>(rss3) : 0;
        state.counters["heap_kib_1e3"] = static_cast<double>(heap3) / 1024;
        state.counters["heap_kib_1e5"] = static_cast<double>(heap5) / 1024;
        state.counters["heap_growth"] = heap3 ? static_cast<double>(heap5) / static_cast<double>(heap3) : 0;
        const double m10 = Median(early), m1000 = Median(middle), mLast = Median(late);
        state.counters["cycle_us_10"] = m10 * 1e6;
        state.counters["cycle_us_1000"] = m1000 * 1e6;
        state.counters["cycle_us_last"] = mLast * 1e6;
        state.counters["pace_1000_vs_10"] = m10 > 0 ? m1000 / m10 : 0;
    }
}
BENCHMARK(BM_Soak)->Iterations(1)->Unit(benchmark::kSecond);

// One fill-colour edit on the "线" page of a layer of N lines, none selected; the floor reads,
// changes and writes each line's brush.
void BM_LineLayerFillEdit(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    LineWorld<CPropListLineLayerLine> world(n, 0, true);
    platform::GridDriver grid(&world.list->GetPropList());
    auto* fillColor = dynamic_cast<CBCGPColorProp*>(grid.FindByData(CPropListLineLayerLine::kFillColorId));
    COLORREF color = 0;
    int k = 0;
    bench::TimeBesideFloor(
        state, [&] { color = RGB(k++ % 256, 0, 0); }, [&] { grid.ChooseColor(fillColor, color); },
        [&] {
            for (auto& line : world.lines) {
                QXLOGBRUSH brush;
                line->GetLogBrush(&brush);
                brush.fillColor = color;
                line->SetLogBrush(&brush);
            }
        });
    state.SetComplexityN(n);
}
BENCHMARK(BM_LineLayerFillEdit)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Complexity(benchmark::oN);

}  // namespace
