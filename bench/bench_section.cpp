// Costs of the section pages, each beside its floor (the bare loop doing the same work): the
// stratum grid's rebuild and a header click over S strata, a width edit of the well page over W
// selected wells and a display-range type edit of the graph page over W wells. The floor_ratio
// counter stays flat as S or W grows when the page is linear.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "driver/CellGridDriver.h"
#include "driver/GridDriver.h"
#include "driver/SheetDriver.h"
#include "hostlibs/Oriel/SectionFixture.h"
#include "hosttypes/Oriel/CnConnection.h"
#include "hosttypes/Spindle/GridCtrl.h"
#include "section/CnLstWell.h"
#include "section/GraphSetors.h"
#include "section/LstStratumSetor.h"
#include "section/SectionObject.h"

namespace {

using Clock = std::chrono::steady_clock;
using Section = oriel::SectionFixture<CnConnection>;

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// A connection section of W wells and S strata with one page of it open in a host frame; the
// section library's log is off while the world lives.
template <class List>
struct SectionWorld {
    CWnd frame;
    CWnd view;
    Section section;
    List* list;

    SectionWorld(int wells, int strata, const std::function<List*(Section&)>& makeList)
        : section(wells, strata), list(makeList(section)) {
        oriel::testing::EnableCallLog(false);
        frame.CreateEx(0, nullptr, "bench", WS_VISIBLE, CRect(0, 0, 400, 800), nullptr, 0);
        view.Create(nullptr, "view", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &frame, 100);
        list->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 360, 1200), &frame, 2);
        Show();
    }
    ~SectionWorld() {
        platform::DestroyAndDelete(list);
        frame.DestroyWindow();
        oriel::testing::EnableCallLog(true);
    }
    SectionWorld(const SectionWorld&) = delete;
    SectionWorld& operator=(const SectionWorld&) = delete;
    void Show() { platform::SendSelectionChanged(*list, &view, SectionObjectArg(section.Object())); }
};

struct GridWorld : SectionWorld<CLstStratumSetor> {
    explicit GridWorld(int strata)
        : SectionWorld(3, strata, [](Section& s) { return new CLstStratumSetor(&s.Section(), 2); }) {
        for (const CMapProperty::StratumEntry& entry : section.Record().m_content.strata)
            bytes[entry.first] = entry.second;
    }
    std::unordered_map<std::string, unsigned char> bytes;  // the floors' own copy of the settings
};

// Times op beside floor on every iteration and reports their ratio.
void TimeBesideFloor(benchmark::State& state, const std::function<void()>& prepare, const std::function<void()>& op,
                     const std::function<void()>& floorOp) {
    double work = 0, floor = 0;
    for (auto _ : state) {
        prepare();
        const Clock::time_point start = Clock::now();
        op();
        const Clock::time_point done = Clock::now();
        floorOp();
        const Clock::time_point end = Clock::now();
        work += Seconds(start, done);
        floor += Seconds(done, end);
        state.SetIterationTime(Seconds(start, done));
    }
    state.counters["floor_ratio"] = floor > 0 ? work / floor : 0;
    state.SetComplexityN(state.range(0));
}

// A refresh after a level change rebuilds all S rows; the floor looks each stratum's byte up by
// name and makes its five flag texts.
void BM_StratumGridRebuild(benchmark::State& state) {
    GridWorld world(static_cast<int>(state.range(0)));
    std::vector<std::vector<std::string>> cells;
    int level = 1;
    TimeBesideFloor(
        state, [&] { world.section.Record().m_nGrade = level = 3 - level; }, [&] { world.Show(); },
        [&] {
            const auto& strata = world.section.Record().m_content.strata;
            cells.assign(strata.size(), {});
            for (std::size_t r = 0; r < strata.size(); ++r) {
                const unsigned char byte = world.bytes.at(strata[r].first);
                cells[r].push_back(strata[r].first);
                for (unsigned bit = 1; bit <= 0x10; bit <<= 1) cells[r].push_back(byte & bit ? "TRUE" : "FALSE");
            }
            benchmark::DoNotOptimize(cells.data());
        });
}
BENCHMARK(BM_StratumGridRebuild)->Arg(10)->Arg(100)->Arg(1000)->UseManualTime()->Complexity(benchmark::oN);

// A header click on "顶界限" writes the flag of all S strata; the floor sets that bit by name.
void BM_StratumGridHeaderClick(benchmark::State& state) {
    GridWorld world(static_cast<int>(state.range(0)));
    CGridCtrl& grid = *world.list->GetGrid();
    TimeBesideFloor(
        state, [] {}, [&] { platform::ClickGridHeader(grid, 1); },
        [&] {
            for (const auto& entry : world.section.Record().m_content.strata) world.bytes[entry.first] |= 0x01;
            benchmark::DoNotOptimize(world.bytes.size());
        });
}
BENCHMARK(BM_StratumGridHeaderClick)->Arg(10)->Arg(100)->Arg(1000)->UseManualTime()->Complexity(benchmark::oN);

// A width typed into the well page goes to all W selected wells; the floor sets each well's width.
void BM_WellWidthEdit(benchmark::State& state) {
    SectionWorld<CnLstWell> world(static_cast<int>(state.range(0)), 3,
                                  [](Section&) { return new CnLstWell(CnLstWell::kConnection); });
    platform::GridDriver grid(&world.list->GetPropList());
    CBCGPProp* width = grid.FindByData(CnLstWell::kWidthId);
    int k = 0;
    TimeBesideFloor(
        state, [] {}, [&] { grid.TypeText(width, (++k % 2) ? "2" : "3"); },
        [&] {
            for (int i = 0; i < world.section.WellCount(); ++i) world.section.Well(i).SetWidth(k % 2 ? 200 : 300);
        });
}
BENCHMARK(BM_WellWidthEdit)->Arg(1)->Arg(100)->Arg(1000)->UseManualTime()->Complexity(benchmark::oN);

// A display-range type picked on the "图设置" page takes the wells' range into the record and gives
// it back to all W wells (each well's two setters once); the floor finds the range and sets it.
void BM_GraphRangeTypeEdit(benchmark::State& state) {
    SectionWorld<CCnGraphSetor> world(static_cast<int>(state.range(0)), 3,
                                      [](Section& s) { return new CCnGraphSetor(&s.Section()); });
    platform::GridDriver grid(&world.list->GetPropList());
    CBCGPProp* type = grid.FindByData(CGraphSetor::kRangeTypeId);
    int k = 0;
    TimeBesideFloor(
        state, [] {}, [&] { grid.PickOption(type, (++k % 2) ? "分层" : "深度"); },
        [&] {
            const int wells = world.section.WellCount();
            double top = world.section.Well(0).GetTopDepth(), bottom = world.section.Well(0).GetBottomDepth();
            for (int i = 0; i < wells; ++i) {
                top = std::min(top, world.section.Well(i).GetTopDepth());
                bottom = std::max(bottom, world.section.Well(i).GetBottomDepth());
            }
            for (int i = 0; i < wells; ++i) world.section.Well(i).SetTopDepth(top);
            for (int i = 0; i < wells; ++i) world.section.Well(i).SetBottomDepth(bottom);
        });
}
BENCHMARK(BM_GraphRangeTypeEdit)->Arg(10)->Arg(100)->Arg(1000)->UseManualTime()->Complexity(benchmark::oN);

}  // namespace
