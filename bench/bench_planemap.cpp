// Costs of the plane-map lists: a refresh with nothing changed must not depend on how many
// objects the layer holds, and one edit must cost linearly in the number of selected objects
// of the type (one setter call each, one view redraw). A fill edit on a line layer's "线" page
// reads and writes every line's brush once: linear in the layer's objects, timed beside the bare
// loop doing the same.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "BenchFloor.h"
#include "driver/GridDriver.h"
#include "driver/SheetDriver.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "planemap/PropListLine.h"
#include "planemap/layers/PropListLineLayerLine.h"

namespace {

// N lines in a line layer, the first `selected` of them selected, and a list (or a layer page)
// open on the first line (or on the layer).
template <class List = CPropListLine>
struct LineWorld {
    CWnd frame;
    CWnd view;
    CQXLayer layer;
    std::vector<std::unique_ptr<CQXObjectPolyline>> lines;
    List* list = nullptr;
    CObject* shown = nullptr;

    LineWorld(int objects, int selected, bool showLayer = false) {
        parsnip::testing::EnableCallLog(false);
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
};

// One line selected in a layer of N objects: the unchanged refresh tests one membership and one stamp.
void BM_UnchangedRefreshByLayerSize(benchmark::State& state) {
    LineWorld<> world(static_cast<int>(state.range(0)), 1);
    for (auto _ : state) world.Show();
}
BENCHMARK(BM_UnchangedRefreshByLayerSize)->Arg(1000)->Arg(10000)->Arg(100000);

// All N objects selected: the unchanged refresh is linear in the selection, not quadratic.
void BM_UnchangedRefreshAllSelected(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    LineWorld<> world(n, n);
    for (auto _ : state) world.Show();
    state.SetComplexityN(n);
}
BENCHMARK(BM_UnchangedRefreshAllSelected)->Arg(1000)->Arg(10000)->Arg(100000)->Complexity(benchmark::oN);

// One width edit written to S selected lines of the type.
void BM_SameTypeEdit(benchmark::State& state) {
    const int s = static_cast<int>(state.range(0));
    LineWorld<> world(s, s);
    platform::GridDriver grid(&world.list->GetPropList());
    CBCGPProp* width = grid.FindByData(CPropListLine::kPenWidthId);
    int k = 0;
    for (auto _ : state) grid.TypeText(width, (k++ % 2) ? "1.5" : "2.5");
    state.SetComplexityN(s);
}
BENCHMARK(BM_SameTypeEdit)->Arg(1)->Arg(100)->Arg(10000)->Complexity(benchmark::oN);

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
