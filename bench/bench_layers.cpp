// Cost of a fill edit on a line layer's "线" page: every line object of the layer has its brush
// read and written once, so the edit is linear in the layer's objects. Timed beside its floor,
// the bare loop reading and writing each line's brush, alternately in one run; "ratio" = edit /
// floor should stay flat as N grows.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <vector>

#include "driver/GridDriver.h"
#include "driver/SheetDriver.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "planemap/layers/PropListLineLayerLine.h"

namespace {

using Clock = std::chrono::steady_clock;

struct LineLayerWorld {
    CWnd frame;
    CWnd view;
    CQXLayer layer;
    std::vector<std::unique_ptr<CQXObjectPolyline>> lines;
    CPropListLineLayerLine* page = nullptr;

    explicit LineLayerWorld(int objects) {
        parsnip::testing::EnableCallLog(false);
        frame.CreateEx(0, nullptr, "bench", WS_VISIBLE, CRect(0, 0, 400, 800), nullptr, 0);
        view.Create(nullptr, "view", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &frame, 100);
        layer.SetTypeName("线");
        for (int i = 0; i < objects; ++i) {
            lines.push_back(std::make_unique<CQXObjectPolyline>());
            lines.back()->SetTypeName("线");
            layer.AddObject(lines.back().get());
        }
        page = new CPropListLineLayerLine;
        page->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 360, 1200), &frame, 2);
        platform::SendSelectionChanged(*page, &view, reinterpret_cast<LPARAM>(&layer));
    }
    ~LineLayerWorld() {
        platform::DestroyAndDelete(page);
        frame.DestroyWindow();
        parsnip::testing::EnableCallLog(true);
    }

    // The bare work of one fill-colour edit: each line's brush read, changed and written.
    void Floor(COLORREF color) {
        for (auto& line : lines) {
            QXLOGBRUSH brush;
            line->GetLogBrush(&brush);
            brush.fillColor = color;
            line->SetLogBrush(&brush);
        }
    }
};

double Seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

void BM_LineLayerFillEdit(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    LineLayerWorld world(n);
    platform::GridDriver grid(&world.page->GetPropList());
    auto* fillColor = dynamic_cast<CBCGPColorProp*>(grid.FindByData(CPropListLineLayerLine::kFillColorId));
    double editTotal = 0, floorTotal = 0;
    int k = 0;
    for (auto _ : state) {
        const COLORREF color = RGB(k % 256, 0, 0);
        ++k;
        const Clock::time_point t0 = Clock::now();
        grid.ChooseColor(fillColor, color);
        const Clock::time_point t1 = Clock::now();
        world.Floor(color);
        const Clock::time_point t2 = Clock::now();
        state.SetIterationTime(Seconds(t0, t1));
        editTotal += Seconds(t0, t1);
        floorTotal += Seconds(t1, t2);
    }
    state.SetComplexityN(n);
    if (state.iterations() == 0) return;
    const double iterations = static_cast<double>(state.iterations());
    state.counters["edit_us"] = editTotal / iterations * 1e6;
    state.counters["floor_us"] = floorTotal / iterations * 1e6;
    state.counters["ratio"] = floorTotal > 0 ? editTotal / floorTotal : 0;
}
BENCHMARK(BM_LineLayerFillEdit)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Complexity(benchmark::oN);

}  // namespace
