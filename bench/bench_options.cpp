// Filling an item with n distinct options, each added only when not yet present, beside its
// floor: the same n texts appended to a vector. The ratio counter stays flat as n grows when
// the presence check does not walk the options.
#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "bcg/Prop.h"
#include "mfc/String.h"

namespace {

using Clock = std::chrono::steady_clock;

std::vector<CString> OptionTexts(int n) {
    std::vector<CString> texts;
    texts.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) texts.push_back(FormatString("选项%d", i));
    return texts;
}

void BM_AddUniqueOptions(benchmark::State& state) {
    const std::vector<CString> texts = OptionTexts(static_cast<int>(state.range(0)));
    double fill = 0;
    double floor = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        {
            CBCGPProp item("选项", _variant_t(""), "", 1);
            for (const CString& text : texts) item.AddOption(text, TRUE);
            benchmark::DoNotOptimize(item.GetOptionCount());
        }
        const Clock::time_point filled = Clock::now();
        {
            std::vector<CString> bare;
            for (const CString& text : texts) bare.push_back(text);
            benchmark::DoNotOptimize(bare.data());
        }
        const Clock::time_point end = Clock::now();
        const double seconds = std::chrono::duration<double>(filled - start).count();
        fill += seconds;
        floor += std::chrono::duration<double>(end - filled).count();
        state.SetIterationTime(seconds);
    }
    state.counters["floor_ratio"] = floor > 0 ? fill / floor : 0;
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_AddUniqueOptions)->Arg(100)->Arg(1000)->Arg(10000)->UseManualTime()->Complexity(benchmark::oN);

}  // namespace
