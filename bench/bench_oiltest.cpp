// The oil-test cell grid's rebuild beside its floor (the bare loop doing the same work), with the
// ratio as a counter: a 10 x 10 table whose data object has F field names (F = 10, 100, 1000) is
// rebuilt, every cell offering each name once; time linear in cells x F. Floor: the F names copied
// into a list per cell.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "BenchFloor.h"
#include "driver/SheetDriver.h"
#include "framework/PropWndMgr.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hostlibs/Zephyr/PlotFixture.h"
#include "hosttypes/Zephyr/DIOilTest.h"
#include "hosttypes/Zephyr/WpOilTest.h"
#include "hosttypes/Zephyr/WpTrack.h"
#include "wellplot/intervals/OilTestPage.h"
#include "wellplot/intervals/PropWnd.h"

namespace {

constexpr int kSide = 10;

void BM_OilTestRebuildCellGrid(benchmark::State& state) {
    const int fields = static_cast<int>(state.range(0));
    CWnd frame;
    frame.CreateEx(0, nullptr, "bench", WS_VISIBLE, CRect(0, 0, 400, 900), nullptr, 0);
    zephyr::PlotFixture plot;
    auto* kit = plot.Add<CWpOilTest>(plot.AddTrack("试油道"), "试油");
    std::vector<CString> names;
    for (int i = 0; i < fields; ++i) names.push_back(("字段" + std::to_string(i)).c_str());
    kit->SetData(new CDIOilTest(names));
    kit->SetRowNumber(kSide);
    kit->SetColNumber(kSide);
    parsnip::testing::EnableCallLog(false);
    CWnd* sheet = CPropWnd::Create(kit, &frame);
    auto* page = dynamic_cast<COilTestPage*>(static_cast<CPropWndMgr*>(sheet)->GetPage(0));

    std::vector<std::vector<CString>> bare(kSide * kSide);
    bench::TimeBesideFloor(
        state, [] {}, [&] { page->RebuildCellGrid(); },
        [&] {
            for (std::vector<CString>& cell : bare) {
                cell.clear();
                for (const CString& name : kit->GetData()->GetFieldNames()) cell.push_back(name);
            }
            benchmark::DoNotOptimize(bare.data());
        });
    platform::DestroyAndDelete(sheet);
    frame.DestroyWindow();
    parsnip::testing::EnableCallLog(true);
    state.SetComplexityN(static_cast<int64_t>(kSide) * kSide * fields);
}
BENCHMARK(BM_OilTestRebuildCellGrid)->Arg(10)->Arg(100)->Arg(1000)->UseManualTime()->Complexity(benchmark::oN);

}  // namespace
