// Costs of the single-well section pages, each beside its floor (the bare loop doing the same
// work): a sand display-mode change over U sand units and a stratum-grid rebuild over S strata.
// The floor_ratio counter stays flat as U or S grows when the page is linear.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "BenchFloor.h"
#include "driver/GridDriver.h"
#include "driver/SheetDriver.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hostlibs/Pennant/SingleWellFixture.h"
#include "hostlibs/Pennant/Testing.h"
#include "hosttypes/Spindle/GridCtrl.h"
#include "section/LstSglSandSetor.h"
#include "section/LstSglStraumSetor.h"
#include "section/SectionObject.h"

namespace {

// The sample section with one page of it open in a host frame; the libraries' logs are off while
// the world lives.
template <class List>
struct SingleWorld {
    CWnd frame;
    CWnd view;
    pennant::SingleWellFixture world;
    List* list = nullptr;

    SingleWorld() {
        pennant::testing::EnableCallLog(false);
        parsnip::testing::EnableCallLog(false);
    }
    void Open() {
        frame.CreateEx(0, nullptr, "bench", WS_VISIBLE, CRect(0, 0, 400, 800), nullptr, 0);
        view.Create(nullptr, "view", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &frame, 100);
        list = new List(&world.Section());
        list->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 360, 1200), &frame, 2);
        Show();
    }
    ~SingleWorld() {
        if (list) platform::DestroyAndDelete(list);
        frame.DestroyWindow();
        pennant::testing::EnableCallLog(true);
        parsnip::testing::EnableCallLog(true);
    }
    SingleWorld(const SingleWorld&) = delete;
    SingleWorld& operator=(const SingleWorld&) = delete;
    void Show() { platform::SendSelectionChanged(*list, &view, SectionObjectArg(world.Object())); }
};

// The sand page picks "射开" and "连通" in turn over U units.
void BM_SandDisplayMode(benchmark::State& state) {
    const int units = static_cast<int>(state.range(0));
    SingleWorld<CLstSglSandSetor> w;
    w.world.AddSandUnits(units);
    w.Open();
    platform::GridDriver grid(&w.list->GetPropList());
    CBCGPProp* display = grid.FindByData(CLstSglSandSetor::kDisplayId);
    struct Unit {
        double top, bottom;
        bool connected, visible;
    };
    std::vector<Unit> floorUnits;
    for (int i = 0; i < units; ++i) floorUnits.push_back({2000 + 20.0 * i, 2010 + 20.0 * i, i % 2 == 0, true});
    bool perforated = false;
    bench::TimeBesideFloor(
        state, [&] { perforated = !perforated; }, [&] { grid.PickOption(display, perforated ? "射开" : "连通"); },
        [&] {
            for (Unit& unit : floorUnits) {
                unit.visible = perforated ? (unit.top <= 1020 && unit.bottom >= 1005) : unit.connected;
                benchmark::DoNotOptimize(unit.visible);
            }
        });
    state.SetComplexityN(units);
}
BENCHMARK(BM_SandDisplayMode)->Arg(10)->Arg(100)->Arg(10000)->UseManualTime()->Complexity(benchmark::oN);

// The stratum grid is rebuilt over S strata: the grade moves and the host announces the section.
void BM_SingleStratumGridRebuild(benchmark::State& state) {
    const int strata = static_cast<int>(state.range(0));
    SingleWorld<CLstSglStraumSetor> w;
    CSingleProperty& record = w.world.Record();
    for (int i = 4; i <= strata; ++i) record.AddStratum(std::to_string(i), static_cast<BYTE>(i & 0x0F));
    w.Open();
    std::vector<std::pair<std::string, BYTE>> floorRows;
    std::vector<std::string> floorCells;
    bool other = false;
    bench::TimeBesideFloor(
        state,
        [&] {
            other = !other;
            record.m_nGrade = other ? 2 : 1;
        },
        [&] { w.Show(); },
        [&] {
            floorRows.clear();
            floorCells.clear();
            for (const CSingleProperty::STRATUMINFO& entry : record.m_stratumList) {
                if (entry.name == kStratumListEnd) break;
                floorRows.emplace_back(entry.name, entry.flags);
                for (int c = 1; c <= 4; ++c) floorCells.push_back((entry.flags >> (c - 1)) & 1 ? "TRUE" : "FALSE");
            }
            benchmark::DoNotOptimize(floorCells.data());
        });
    state.SetComplexityN(strata);
}
BENCHMARK(BM_SingleStratumGridRebuild)->Arg(10)->Arg(100)->Arg(1000)->UseManualTime()->Complexity(benchmark::oN);

}  // namespace
