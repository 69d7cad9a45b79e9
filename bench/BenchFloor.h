// An operation timed beside its floor, the bare loop doing the same work: each iteration runs
// prepare (untimed), the operation and the floor; the operation's time is the iteration time and
// the ratio of the two totals is the counter "floor_ratio" (with both means in microseconds as
// "op_us" and "floor_us").
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>

namespace bench {

template <class Prepare, class Operation, class Floor>
void TimeBesideFloor(benchmark::State& state, Prepare prepare, Operation operation, Floor floor) {
    using Clock = std::chrono::steady_clock;
    double operationSeconds = 0;
    double floorSeconds = 0;
    for (auto _ : state) {
        prepare();
        const Clock::time_point start = Clock::now();
        operation();
        const Clock::time_point operated = Clock::now();
        floor();
        const Clock::time_point end = Clock::now();
        const double seconds = std::chrono::duration<double>(operated - start).count();
        operationSeconds += seconds;
        floorSeconds += std::chrono::duration<double>(end - operated).count();
        state.SetIterationTime(seconds);
    }
    state.counters["floor_ratio"] = floorSeconds > 0 ? operationSeconds / floorSeconds : 0;
    const double n = static_cast<double>(state.iterations());
    if (n > 0) {
        state.counters["op_us"] = operationSeconds / n * 1e6;
        state.counters["floor_us"] = floorSeconds / n * 1e6;
    }
}

}  // namespace bench
