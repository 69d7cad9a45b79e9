// Cost of a name-font edit on the stratum-line page beside its floor (the bare loop doing the same
// work): the edited font goes to each of G stratum groups under each of S selected cells' strata.
// The floor_ratio counter stays flat as S x G grows when the page is linear in S x G.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "BenchFloor.h"
#include "driver/GridDriver.h"
#include "driver/SheetDriver.h"
#include "hostlibs/Oriel/MultiWellFixture.h"
#include "hosttypes/Oriel/CnConnection.h"
#include "section/LstStratumLine.h"
#include "section/SectionObject.h"

namespace {

// Strata the cells belong to, in turn: a group keeps one font per stratum name.
constexpr int kStrata = 5;

void BM_StratumNameFontEdit(benchmark::State& state) {
    const int cells = static_cast<int>(state.range(0));
    const int groups = static_cast<int>(state.range(1));
    oriel::MultiWellFixture<CnConnection> world;
    std::vector<ScObjInterface*> selected;
    for (int i = 0; i < cells; ++i) selected.push_back(&world.AddCell(std::to_string(i % kStrata)));
    world.AddStratumGroups(groups);
    world.Select(selected);
    oriel::testing::EnableCallLog(false);

    CWnd frame;
    frame.CreateEx(0, nullptr, "bench", WS_VISIBLE, CRect(0, 0, 400, 800), nullptr, 0);
    auto* list = new CLstStratumLine(nullptr);
    list->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 360, 1200), &frame, 2);
    platform::SendSelectionChanged(*list, nullptr, SectionObjectArg(selected.front()));
    platform::GridDriver grid(&list->GetPropList());
    CBCGPProp* size = grid.FindByData(CLstStratumLine::kFontSizeId);
    CStratumGroupManager& manager = *world.Section().GetStratumGroupManager();

    int k = 0;
    bench::TimeBesideFloor(
        state, [] {}, [&] { grid.TypeText(size, (++k % 2) ? "12" : "14"); },
        [&] {
            for (ScObjInterface* object : selected) {
                auto* cell = static_cast<CStratumCell*>(object);
                QXLOGFONT font = cell->GetStratumFont();
                font.size = (k % 2) ? 1200 : 1400;
                const std::string name = cell->GetStratumName();
                for (unsigned int g = 0; g < manager.GetNum(); ++g) manager.GetObj(g)->SetStratumNameFont(name, font);
            }
        });
    state.SetComplexityN(static_cast<int64_t>(cells) * groups);

    platform::DestroyAndDelete(list);
    frame.DestroyWindow();
    oriel::testing::EnableCallLog(true);
}
BENCHMARK(BM_StratumNameFontEdit)
    ->Args({10, 10})
    ->Args({100, 10})
    ->Args({10, 100})
    ->Args({100, 100})
    ->Args({1000, 10})
    ->UseManualTime()
    ->Complexity(benchmark::oN);

}  // namespace
