// Costs of the chart-symbol lists over a "饼图" layer of N symbols with S of them selected: the
// display page's refresh looks for the layer's coordinate system once over the objects (linear in
// N), and a font edit on a symbol writes the whole font to each selected symbol once (linear in
// S). Each is timed beside the bare loop doing the same work.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "BenchFloor.h"
#include "driver/GridDriver.h"
#include "driver/SheetDriver.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Moraine/PieLayer.h"
#include "hosttypes/Parsnip/QXObjectCoordinate.h"
#include "hosttypes/Parsnip/QXObjectPie.h"
#include "planemap/layers/PropListPie.h"
#include "planemap/layers/PropListPieLayerObj.h"

namespace {

// N symbols in a chart layer, the first S selected, the coordinate system last; a list (or the
// display page) open on the first symbol (or on the layer).
template <class List>
struct PieWorld {
    CWnd frame;
    CWnd view;
    CQXLayer layer;
    std::vector<std::unique_ptr<CQXObjectPie>> pies;
    CQXObjectCoordinate axes;
    List* list = nullptr;
    CObject* shown = nullptr;

    PieWorld(int objects, int selected, bool showLayer) {
        parsnip::testing::EnableCallLog(false);
        layer.SetTypeName("饼图");
        frame.CreateEx(0, nullptr, "bench", WS_VISIBLE, CRect(0, 0, 400, 800), nullptr, 0);
        view.Create(nullptr, "view", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &frame, 100);
        for (int i = 0; i < objects; ++i) {
            pies.push_back(std::make_unique<CQXObjectPie>());
            pies.back()->SetTypeName("饼图");
            pies.back()->SetShapeType(i % 8);
            layer.AddObject(pies.back().get());
        }
        axes.SetTypeName("坐标系");
        axes.SetAxisXFactor(3);
        layer.AddObject(&axes);
        for (int i = 0; i < selected; ++i) layer.SetSelectedObject(pies[static_cast<std::size_t>(i)].get());
        kel::plane::CPieLayer(&layer).SetRecordCount(5);
        shown = showLayer ? static_cast<CObject*>(&layer) : pies[0].get();
        list = new List;
        list->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 360, 1200), &frame, 2);
        Show();
    }
    ~PieWorld() {
        platform::DestroyAndDelete(list);
        frame.DestroyWindow();
        parsnip::testing::EnableCallLog(true);
    }
    void Show() { platform::SendSelectionChanged(*list, &view, reinterpret_cast<LPARAM>(shown)); }
};

// The display page's refresh after a change of the layer; the floor visits the N objects once,
// looking for the coordinate system.
void BM_PieDisplayRefresh(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    PieWorld<CPropListPieLayerObj> world(n, static_cast<int>(state.range(1)), true);
    const CQXObjectCoordinate* found = nullptr;
    bench::TimeBesideFloor(
        state, [&] { world.layer.ProChanged(); }, [&] { world.Show(); },
        [&] {
            for (int i = 0; i < world.layer.GetObjectCount(); ++i)
                if (auto* axes = dynamic_cast<CQXObjectCoordinate*>(world.layer.GetObjectG(i))) {
                    found = axes;
                    break;
                }
            benchmark::DoNotOptimize(found);
        });
    state.SetComplexityN(n);
}
BENCHMARK(BM_PieDisplayRefresh)
    ->Args({1000, 10})
    ->Args({10000, 10})
    ->Args({100000, 10})
    ->UseManualTime()
    ->Complexity(benchmark::oN);

// A font colour edit on a symbol written to the S selected symbols; the floor gives each the font.
void BM_PieFontEdit(benchmark::State& state) {
    const int s = static_cast<int>(state.range(1));
    PieWorld<CPropListPie> world(static_cast<int>(state.range(0)), s, false);
    platform::GridDriver grid(&world.list->GetPropList());
    auto* colour = dynamic_cast<CBCGPColorProp*>(grid.FindByData(CPropListPie::kFontColorId));
    COLORREF color = 0;
    int k = 0;
    bench::TimeBesideFloor(
        state, [&] { color = RGB(k++ % 256, 0, 0); }, [&] { grid.ChooseColor(colour, color); },
        [&] {
            QXLOGFONT font;
            world.pies[0]->GetFont(font);
            font.color = color;
            for (int i = 0; i < s; ++i) world.pies[static_cast<std::size_t>(i)]->SetFont(font);
        });
    state.SetComplexityN(s);
}
BENCHMARK(BM_PieFontEdit)
    ->Args({1000, 1000})
    ->Args({10000, 10000})
    ->Args({100000, 100000})
    ->Args({100000, 10})
    ->UseManualTime()
    ->Complexity(benchmark::oN);

}  // namespace
