// Two costs of the well column and curve pages, each beside its floor (the bare loop doing the same
// work) with the ratio as a counter:
// - a scale edit with the scope "当前图内所有曲线" over C curves (C = 10, 100, 1000): each other curve
//   gets its eleven scale values once (counted once by the library's call counters, outside the
//   timing; any other count stops the run); floor: eleven values stored into C bare records;
// - a well-column refresh over U layering units (U = 10^2, 10^3, 10^4): linear in U; floor: the U
//   unit names formatted into a list, twice (top and bottom unit choices).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "BenchCheck.h"
#include "BenchFloor.h"
#include "driver/SheetDriver.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hostlibs/Zephyr/PlotFixture.h"
#include "hostlibs/Zephyr/WellDataFixture.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/WDMgrIO.h"
#include "hosttypes/Zephyr/WpWell.h"
#include "wellplot/LstCurve.h"
#include "wellplot/LstWell.h"

namespace {

constexpr int kCurvesPerTrack = 10;

// The scale values a scale edit gives each other curve, one call of each setter.
constexpr const char* kScaleSetters[] = {
    "CWpCurve::SetLimitFont",
    "CWpCurve::SetMultiples",
    "CWpCurve::ShowScale",
    "CWpCurve::SetRight",
    "CWpCurve::SetLeft",
    "CWpCurve::SetLeftAlignText",
    "CWpCurve::SetScaleDecimalDigit",
    "CWpCurve::SetValueRangeType",
    "CWpCurve::LogScale",
    "CWpCurve::ShowLimit",
    "CWpCurve::SetLimitAlign",
};
constexpr int kScaleValues = static_cast<int>(sizeof kScaleSetters / sizeof kScaleSetters[0]);

// Counts the library calls of one scale edit over a plot of `curves` curves: the calls per other
// curve become the counter "sets_per_curve" (11); the edit must make no other call and call each
// setter once per other curve.
void CountScaleEdit(benchmark::State& state, CLstCurve& page, int curves) {
    parsnip::testing::EnableCallCounts(true);
    page.ApplyScaleToScope();
    const double others = curves > 1 ? curves - 1 : 1;
    bench::ExpectCount(state, "sets_per_curve", static_cast<double>(parsnip::testing::CountedCalls()) / others,
                       kScaleValues);
    for (const char* setter : kScaleSetters)
        bench::CheckCount(setter, static_cast<double>(parsnip::testing::CountedCalls(setter)), curves - 1);
    parsnip::testing::EnableCallCounts(false);
}

struct ScaleRecord {
    QXLOGFONT font;
    float multiples = 0, right = 0, left = 0;
    bool second = false, leftToRight = false, log = false;
    int digits = 0, range = 0, shown = 0, align = 0;
};

void BM_CurveScaleToPlot(benchmark::State& state) {
    const int curves = static_cast<int>(state.range(0));
    zephyr::PlotFixture plot;
    plot.BuildTracks(curves / kCurvesPerTrack, kCurvesPerTrack);
    auto* first = static_cast<CWpCurve*>(plot.Well()->GetChild(0)->GetChild(0));
    first->SetLmtScope(2);
    CLstCurve page(first);
    parsnip::testing::EnableCallLog(false);
    CountScaleEdit(state, page, curves);

    std::vector<ScaleRecord> bare(static_cast<std::size_t>(curves));
    float left = 0;
    bench::TimeBesideFloor(
        state, [&] { first->SetLeft(left++, 0); }, [&] { page.ApplyScaleToScope(); },
        [&] {
            for (ScaleRecord& record : bare) {
                record.font = first->GetLimitFont();
                record.multiples = first->GetMultiples();
                record.second = first->IsShowScale() != 0;
                record.right = first->GetRight();
                record.left = first->GetLeft();
                record.leftToRight = first->IsLeftAlignText();
                record.digits = first->GetScaleDecimalDigit();
                record.range = first->GetValueRangeType();
                record.log = first->IsLogScale() != 0;
                record.shown = first->IsShowLimit();
                record.align = first->GetLimitAlign();
            }
            benchmark::DoNotOptimize(bare.data());
        });
    parsnip::testing::EnableCallLog(true);
    state.SetComplexityN(curves);
}
BENCHMARK(BM_CurveScaleToPlot)->Arg(10)->Arg(100)->Arg(1000)->UseManualTime()->Complexity(benchmark::oN);

void BM_WellColumnRefresh(benchmark::State& state) {
    const int units = static_cast<int>(state.range(0));
    CWnd frame;
    frame.CreateEx(0, nullptr, "bench", WS_VISIBLE, CRect(0, 0, 400, 900), nullptr, 0);
    zephyr::PlotFixture plot;
    CWpWell* well = plot.Well();
    auto* data = new WDMgrIO();
    std::vector<zephyr::UnitDef> defs;
    std::vector<std::string> names(static_cast<std::size_t>(units));
    for (int i = 0; i < units; ++i) {
        names[static_cast<std::size_t>(i)] = "单元" + std::to_string(i);
        defs.push_back({names[static_cast<std::size_t>(i)].c_str(), 1000.0 + i, 1.0});
    }
    zephyr::SetLayering(data, 0, defs);
    well->SetDataMgr(data);
    well->SetUnitClass(0);
    parsnip::testing::EnableCallLog(false);
    auto* list = new CLstWell();
    list->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 360, 900), &frame, 2);

    std::vector<CString> bare;
    bench::TimeBesideFloor(
        state, [&] { zephyr::testing::Touch(well); },
        [&] { platform::SendSelectionChanged(*list, &frame, reinterpret_cast<LPARAM>(well)); },
        [&] {
            bare.clear();
            for (int pass = 0; pass < 2; ++pass)
                for (int i = 0; i < units; ++i) bare.push_back(data->GetStratum(0, "")->GetUnitName(i));
            benchmark::DoNotOptimize(bare.data());
        });
    platform::DestroyAndDelete(list);
    frame.DestroyWindow();
    parsnip::testing::EnableCallLog(true);
    state.SetComplexityN(units);
}
BENCHMARK(BM_WellColumnRefresh)->Arg(100)->Arg(1000)->Arg(10000)->UseManualTime()->Complexity(benchmark::oN);

}  // namespace
