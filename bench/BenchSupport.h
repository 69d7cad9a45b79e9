// What the benchmarks share: timing an operation beside its floor (the bare work it must do,
// timed in the same run, alternately, so that a busy machine slows both alike), and reading the
// process's memory (resident pages, and the bytes the C++ heap holds through a counting hook).
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstddef>
#include <string>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double Seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

// Runs op and floor alternately, each timed once per iteration. The benchmark's time is op's
// (register it with UseManualTime); the counters give both means in microseconds and
// "ratio" = op / floor.
template <class Op, class Floor>
void RunAgainstFloor(benchmark::State& state, Op&& op, Floor&& floor) {
    double opTotal = 0, floorTotal = 0;
    for (auto _ : state) {
        const Clock::time_point t0 = Clock::now();
        op();
        const Clock::time_point t1 = Clock::now();
        floor();
        const Clock::time_point t2 = Clock::now();
        state.SetIterationTime(Seconds(t0, t1));
        opTotal += Seconds(t0, t1);
        floorTotal += Seconds(t1, t2);
    }
    const double n = static_cast<double>(state.iterations());
    if (n == 0) return;
    state.counters["op_us"] = opTotal / n * 1e6;
    state.counters["floor_us"] = floorTotal / n * 1e6;
    state.counters["ratio"] = floorTotal > 0 ? opTotal / floorTotal : 0;
}

// Resident set of the process, in KiB (/proc/self/statm).
std::size_t ResidentKiB();
// Bytes currently allocated through operator new (the bench binary's counting hook).
std::size_t HeapBytes();

}  // namespace bench
