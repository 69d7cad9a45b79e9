// One colour edit on the well-symbol list over S selected well symbols: one point-style write per
// symbol and one view redraw, so the cost is linear in S. Timed beside the bare loop that writes
// the same point style to every symbol; the setter calls and redraws of one edit are counters,
// counted by the library's own call counters and checked against S and 1.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "BenchCheck.h"
#include "BenchFloor.h"
#include "driver/GridDriver.h"
#include "driver/SheetDriver.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectPoint.h"
#include "planemap/layers/PropListWellSymbol.h"

namespace {

struct WellSymbolWorld {
    CWnd frame;
    CWnd view;
    CQXLayer layer;
    std::vector<std::unique_ptr<CQXObjectPoint>> wells;
    CPropListWellSymbol* list = nullptr;

    explicit WellSymbolWorld(int selected) {
        layer.SetTypeName("井位");
        frame.CreateEx(0, nullptr, "bench", WS_VISIBLE, CRect(0, 0, 400, 800), nullptr, 0);
        view.Create(nullptr, "view", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &frame, 100);
        for (int i = 0; i < selected; ++i) {
            wells.push_back(std::make_unique<CQXObjectPoint>());
            wells.back()->SetTypeName("井位");
            layer.AddObject(wells.back().get());
            layer.SetSelectedObject(wells.back().get());
        }
        list = new CPropListWellSymbol;
        list->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 360, 1200), &frame, 2);
        platform::SendSelectionChanged(*list, &view, reinterpret_cast<LPARAM>(wells.front().get()));
    }
    ~WellSymbolWorld() {
        platform::DestroyAndDelete(list);
        frame.DestroyWindow();
    }
};

void BM_WellSymbolColourEdit(benchmark::State& state) {
    const int s = static_cast<int>(state.range(0));
    WellSymbolWorld world(s);
    platform::GridDriver grid(&world.list->GetPropList());
    auto* inner = dynamic_cast<CBCGPColorProp*>(grid.FindByData(CPropListWellSymbol::kInnerColorId));

    // One edit, counted: one setter call per symbol and one redraw.
    parsnip::testing::EnableCallLog(false);
    parsnip::testing::EnableCallCounts(true);
    const int redraws = world.view.GetPaintCounters().invalidate;
    grid.ChooseColor(inner, RGB(1, 2, 3));
    const long long setterCalls = parsnip::testing::CountedCalls("CQXObjectPoint::SetLogPoint");
    parsnip::testing::EnableCallCounts(false);
    bench::ExpectCount(state, "setter_calls", static_cast<double>(setterCalls), s);
    bench::ExpectCount(state, "redraws", world.view.GetPaintCounters().invalidate - redraws, 1);

    COLORREF color = 0;
    int k = 0;
    bench::TimeBesideFloor(
        state, [&] { color = RGB(k++ % 256, 7, 7); }, [&] { grid.ChooseColor(inner, color); },
        [&] {
            QXLOGPOINT style;
            world.wells.front()->GetLogPoint(&style);
            style.innerColor = color;
            for (auto& well : world.wells) well->SetLogPoint(&style);
        });
    parsnip::testing::EnableCallLog(true);
    state.SetComplexityN(s);
}
BENCHMARK(BM_WellSymbolColourEdit)->Arg(1)->Arg(100)->Arg(10000)->UseManualTime()->Complexity(benchmark::oN);

}  // namespace
