// Cost of a width edit on a stratum map's "线" page: one "粗细" typed for the pinch-out lines of a
// layer of N polylines (selected or not) against the floor, the bare loop that reads, changes and
// writes the pen of each pinch-out line and notifies it ("floor_ratio" = page / floor).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "BenchFloor.h"
#include "driver/GridDriver.h"
#include "driver/SheetDriver.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "planemap/layers/PropListStratumMapLayerLine.h"

namespace {

// N polylines in a stratum map, every second one a pinch-out line, the others valid-thickness
// lines; the line page open on the layer. The library's call log is off.
struct StratumMapWorld {
    CWnd frame;
    CWnd view;
    CQXLayer layer;
    std::vector<std::unique_ptr<CQXObjectPolyline>> lines;
    CPropListStratumMapLayerLine* page = nullptr;

    explicit StratumMapWorld(int objects) {
        parsnip::testing::EnableCallLog(false);
        layer.SetTypeName("小层平面图");
        frame.CreateEx(0, nullptr, "bench", WS_VISIBLE, CRect(0, 0, 400, 800), nullptr, 0);
        view.Create(nullptr, "view", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &frame, 100);
        for (int i = 0; i < objects; ++i) {
            lines.push_back(std::make_unique<CQXObjectPolyline>());
            lines.back()->SetTypeName(i % 2 ? "有效厚度零线" : "砂岩尖灭线");
            lines.back()->SetPoints({{0, double(i)}, {1, double(i)}});
            layer.AddObject(lines.back().get());
        }
        page = new CPropListStratumMapLayerLine;
        page->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 360, 1200), &frame, 2);
        platform::SendSelectionChanged(*page, &view, reinterpret_cast<LPARAM>(&layer));
    }
    ~StratumMapWorld() {
        platform::DestroyAndDelete(page);
        frame.DestroyWindow();
        parsnip::testing::EnableCallLog(true);
    }
};

void BM_StratumMapWidthEdit(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    StratumMapWorld world(n);
    platform::GridDriver grid(&world.page->GetPropList());
    CBCGPProp* width = grid.FindByData(CPropListStratumMapLayerLine::kPinchOutWidthId);
    int k = 0;
    std::string text;
    float hundredths = 0;
    bench::TimeBesideFloor(
        state,
        [&] {
            const int step = 1 + k++ % 20;
            text = std::to_string(step / 10) + "." + std::to_string(step % 10);
            hundredths = static_cast<float>(step * 10);
        },
        [&] { grid.TypeText(width, text); },
        [&] {
            for (auto& line : world.lines) {
                if (line->GetTypeName() != "砂岩尖灭线") continue;
                QXLOGPEN pen;
                line->GetLogPen(&pen);
                pen.width = hundredths;
                line->SetLogPen(&pen);
                line->OnChanged(0);
            }
        });
    state.SetComplexityN(n);
}
BENCHMARK(BM_StratumMapWidthEdit)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Complexity(benchmark::oN);

}  // namespace
