// Costs of the section object pages, each beside its floor (the bare loop doing the same work): a
// fault-point symbol edit applied to every point of the section (N points), and the fault-line
// style page's width edit copied into every fault line (F lines). The floor_ratio counter stays
// flat as N or F grows when the page is linear.
#include <benchmark/benchmark.h>

#include <boost/make_shared.hpp>
#include <memory>
#include <vector>

#include "BenchFloor.h"
#include "driver/GridDriver.h"
#include "driver/SheetDriver.h"
#include "hostlibs/Halyard/Testing.h"
#include "hostlibs/Oriel/SectionFixture.h"
#include "hosttypes/Halyard/FaultLine.h"
#include "hosttypes/Halyard/Reservoir.h"
#include "hosttypes/Oriel/CrCorrelation.h"
#include "hosttypes/Oriel/CrFaultPoint.h"
#include "section/LstFaultLine.h"
#include "section/LstFaultPoint.h"
#include "section/SectionObject.h"

namespace {

// One page of a section open in a host frame; the section library's log is off while it lives.
template <class Container, class List>
struct PageWorld {
    CWnd frame;
    CWnd view;
    oriel::SectionFixture<Container> section;
    List* list = nullptr;

    PageWorld() : section(3, 3) {
        oriel::testing::EnableCallLog(false);
        frame.CreateEx(0, nullptr, "bench", WS_VISIBLE, CRect(0, 0, 400, 800), nullptr, 0);
        view.Create(nullptr, "view", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &frame, 100);
    }
    void Open(List* page, ScObjInterface* shown) {
        list = page;
        list->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 360, 1200), &frame, 2);
        platform::SendSelectionChanged(*list, &view, SectionObjectArg(shown));
    }
    ~PageWorld() {
        if (list) platform::DestroyAndDelete(list);
        frame.DestroyWindow();
        oriel::testing::EnableCallLog(true);
        halyard::testing::ClearCallLog();
    }
    PageWorld(const PageWorld&) = delete;
    PageWorld& operator=(const PageWorld&) = delete;
};

// N fault points over ten wells; the first point's size typed with the section-wide scope. The
// floor gives every point the symbol.
void BM_FaultPointSectionScopeEdit(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    PageWorld<CrCorrelation, CLstFaultPoint> world;
    CrWellFaultPointMgr& points = *world.section.Section().GetFaultPointMgr();
    std::vector<CrFaultPoint*> all;
    constexpr int kWells = 10;
    for (int w = 0; w < kWells; ++w) {
        CrWellFaultPoint* well = points.CreateFaultPoint();
        for (int i = w; i < n; i += kWells) all.push_back(well->AddFaultPoint());
    }
    CrFaultPoint& first = *all.front();
    first.SetApplyType(2);
    world.Open(new CLstFaultPoint(&first), &first);
    platform::GridDriver grid(&world.list->GetPropList());
    CBCGPProp* size = grid.FindByData(CLstFaultPoint::kSymbolSizeId);
    int k = 0;
    bench::TimeBesideFloor(
        state, [&] { ++k; }, [&] { grid.TypeText(size, k % 2 ? "2" : "3"); },
        [&] {
            QXLOGPOINT symbol = first.GetLogPoint();
            symbol.size = k % 2 ? 200.0f : 300.0f;
            for (CrFaultPoint* point : all) point->SetLogPoint(symbol);
            benchmark::DoNotOptimize(all.data());
        });
    state.SetComplexityN(n);
}
BENCHMARK(BM_FaultPointSectionScopeEdit)->Arg(10)->Arg(100)->Arg(10000)->UseManualTime()->Complexity(benchmark::oN);

// F fault lines of a reservoir; the style page's width typed. The floor gives every line the pen.
void BM_FaultLineStyleEdit(benchmark::State& state) {
    const int f = static_cast<int>(state.range(0));
    PageWorld<KelReservoir::Connection::CkelReservoir, CLstFaultLine> world;
    auto& section = world.section.Section();
    for (int i = 0; i < f; ++i)
        section.GetFaultLineMgr()->AddLine(boost::make_shared<KelReservoir::Fault::CkelFaultLine>());
    world.Open(new CLstFaultLine(&section), world.section.Object());
    platform::GridDriver grid(&world.list->GetPropList());
    CBCGPProp* width = grid.FindByData(CLstFaultLine::kWidthId);
    int k = 0;
    const auto faults = section.GetFaultLineMgr();
    bench::TimeBesideFloor(
        state, [&] { ++k; }, [&] { grid.TypeText(width, k % 2 ? "0.4" : "0.6"); },
        [&] {
            QXLOGPEN pen = world.section.Record().m_faultLinePen;
            for (unsigned int i = 0; i < faults->GetNum(); ++i) faults->GetObj(i)->SetLogPen(pen);
        });
    state.SetComplexityN(f);
}
BENCHMARK(BM_FaultLineStyleEdit)->Arg(10)->Arg(100)->Arg(1000)->UseManualTime()->Complexity(benchmark::oN);

}  // namespace
