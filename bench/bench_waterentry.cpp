// The profile page's refresh with P parameters shown (P = 1, 10, 100), beside its floor: the bare
// loop reading the same values from the kit and formatting them as the page shows them. The kit's
// stamp is renewed before each refresh (untimed) with nothing else changed, so the refresh walks
// every item; the floor_ratio counter stays flat as P grows when that walk is linear in P.
// items_written counts the rows such a refresh redraws (every row laid out, so any write shows):
// it stays 0; items_written_one_change counts them after one parameter's right value changed (1).
#include <benchmark/benchmark.h>

#include <vector>

#include "BenchFloor.h"
#include "bcg/PropList.h"
#include "driver/GridDriver.h"
#include "driver/SheetDriver.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hostlibs/Zephyr/PlotFixture.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/WpWaterEntry.h"
#include "mfc/Wnd.h"
#include "wellplot/intervals/LstWaterEntry.h"

namespace {

constexpr int kRowHeight = 20;

// A profile page open in a host frame over a kit of P parameters, every group expanded and every
// row laid out.
struct ProfilePageWorld {
    CWnd frame;
    CWnd view;
    zephyr::PlotFixture plot;
    CWpWaterEntry* kit = nullptr;
    CLstWaterEntry* page = nullptr;

    explicit ProfilePageWorld(int params) {
        parsnip::testing::EnableCallLog(false);
        const int height = (params * 12 + 20) * kRowHeight + 200;
        frame.CreateEx(0, nullptr, "host", WS_VISIBLE, CRect(0, 0, 400, height), nullptr, 0);
        view.Create(nullptr, "view", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &frame, 100);
        plot.BuildSample();
        kit = plot.First<CWpWaterEntry>();
        kit->SetParamMaxNum(params);
        kit->SetParamNumber(params);
        page = new CLstWaterEntry(kit);
        page->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 360, height), &frame, 2);
        platform::ResizeWindow(*page, 360, height);
        Show();
        for (CBCGPProp* item : platform::GridDriver(&page->GetPropList()).AllItems()) item->Expand(TRUE);
        page->GetPropList().AdjustLayout();
    }
    ~ProfilePageWorld() {
        platform::DestroyAndDelete(page);
        frame.DestroyWindow();
        parsnip::testing::EnableCallLog(true);
    }
    void Show() { platform::SendSelectionChanged(*page, &view, reinterpret_cast<LPARAM>(kit)); }
    // The rows one refresh after a renewed stamp redraws.
    int RowsWrittenByRefresh() {
        zephyr::testing::Touch(kit);
        page->GetPropList().ResetPaintCounters();
        Show();
        return page->GetPropList().GetPaintCounters().invalidate;
    }
};

void BM_ProfileRefresh(benchmark::State& state) {
    const int params = static_cast<int>(state.range(0));
    ProfilePageWorld world(params);
    CWpWaterEntry* kit = world.kit;
    std::vector<CString> shown;
    bench::TimeBesideFloor(
        state, [kit] { zephyr::testing::Touch(kit); }, [&world] { world.Show(); },
        [kit, params, &shown] {
            shown.clear();
            shown.push_back(kit->GetSourceType());
            shown.push_back(FormatString("%.2f", kit->GetDrawWidth()));
            shown.push_back(FormatString("%.2f", kit->GetDepthLineWidth() / 100));
            for (int i = 0; i < params; ++i) {
                shown.push_back(kit->GetParamName(i));
                shown.push_back(FormatString("%.2f", kit->GetParamLeft(i)));
                shown.push_back(FormatString("%.2f", kit->GetParamRight(i)));
                shown.push_back(FormatString("%d", kit->GetParamDigits(i)));
                shown.push_back(kit->GetParamFontName(i));
                benchmark::DoNotOptimize(kit->GetParamColor(i) + kit->GetParamFontColor(i));
            }
            benchmark::DoNotOptimize(shown.data());
        });
    state.counters["items_written"] = world.RowsWrittenByRefresh();
    kit->SetParamRight(params - 1, 42);
    state.counters["items_written_one_change"] = world.RowsWrittenByRefresh();
    state.SetComplexityN(params);
}
BENCHMARK(BM_ProfileRefresh)->Arg(1)->Arg(10)->Arg(100)->UseManualTime()->Complexity(benchmark::oN);

}  // namespace
