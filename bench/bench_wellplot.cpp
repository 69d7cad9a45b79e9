// A title-font edit of a content track with the scope "当前图内所有道" over T tracks of K kits,
// beside its floor: the same font stored into T x (K + 1) bare records. The edit gives each track
// and each kit the font once (counted once by the library's call counters, outside the timing; any
// other count stops the run), and its ratio to the floor stays flat as T x K grows from 10^2 to 10^4.
#include <benchmark/benchmark.h>

#include <vector>

#include "BenchCheck.h"
#include "BenchFloor.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hostlibs/Zephyr/PlotFixture.h"
#include "hosttypes/Zephyr/WpTrack.h"
#include "hosttypes/Zephyr/WpWell.h"
#include "wellplot/LstTrack.h"

namespace {

QXLOGFONT FontOfSize(float size) {
    QXLOGFONT font;
    font.SetFaceName("黑体");
    font.size = size;
    return font;
}

// How many title fonts one edit stores, per kit of the plot's tracks (1 when each is visited once).
double VisitsPerKit(CWpKit* track, int kits) {
    parsnip::testing::EnableCallCounts(true);
    ApplyTrackTitleFont(track, FontOfSize(500));
    const long long visits = parsnip::testing::CountedCalls("CWpKit::SetTitleFont");
    parsnip::testing::EnableCallCounts(false);
    return static_cast<double>(visits) / kits;
}

void BM_TrackTitleFontToAllTracks(benchmark::State& state) {
    const int tracks = static_cast<int>(state.range(0));
    const int kits = static_cast<int>(state.range(1));
    zephyr::PlotFixture plot;
    plot.BuildTracks(tracks, kits);
    CWpKit* first = plot.Well()->GetChild(0);
    first->SetTtlFtScope(2);
    parsnip::testing::EnableCallLog(false);
    bench::ExpectCount(state, "visits_per_kit", VisitsPerKit(first, tracks * (kits + 1)), 1);

    std::vector<QXLOGFONT> bare(static_cast<std::size_t>(tracks) * static_cast<std::size_t>(kits + 1));
    QXLOGFONT font;
    float size = 100;
    bench::TimeBesideFloor(
        state,
        [&] {
            font = FontOfSize(size);
            size += 1;
        },
        [&] { ApplyTrackTitleFont(first, font); },
        [&] {
            for (QXLOGFONT& record : bare) record = font;
            benchmark::DoNotOptimize(bare.data());
        });
    parsnip::testing::EnableCallLog(true);
    state.SetComplexityN(static_cast<int64_t>(tracks) * kits);
}
BENCHMARK(BM_TrackTitleFontToAllTracks)
    ->Args({10, 10})
    ->Args({10, 100})
    ->Args({100, 100})
    ->UseManualTime()
    ->Complexity(benchmark::oN);

}  // namespace
