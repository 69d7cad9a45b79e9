// Cost of a fill edit on a line layer's "线" page: every line object of the layer has its brush
// read and written once, so the edit is linear in the layer's objects. Timed beside its floor,
// the bare loop reading and writing each line's brush; "floor_ratio" should stay flat as N grows.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "BenchFloor.h"
#include "driver/GridDriver.h"
#include "driver/SheetDriver.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "planemap/layers/PropListLineLayerLine.h"

namespace {

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

void BM_LineLayerFillEdit(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    LineLayerWorld world(n);
    platform::GridDriver grid(&world.page->GetPropList());
    auto* fillColor = dynamic_cast<CBCGPColorProp*>(grid.FindByData(CPropListLineLayerLine::kFillColorId));
    COLORREF color = 0;
    int k = 0;
    bench::TimeBesideFloor(
        state, [&] { color = RGB(k++ % 256, 0, 0); }, [&] { grid.ChooseColor(fillColor, color); },
        [&] { world.Floor(color); });
    state.SetComplexityN(n);
}
BENCHMARK(BM_LineLayerFillEdit)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Complexity(benchmark::oN);

}  // namespace
