// Counts a benchmark reports beside its times, checked against the work it did: a count that
// disagrees stops the whole run at once (the two numbers on stderr, then abort), so a counter
// that reads wrong cannot pass unnoticed in a table of numbers.
#pragma once

#include <benchmark/benchmark.h>

#include <string>

namespace bench {

// Stops the run unless counted equals expected.
void CheckCount(const std::string& what, double counted, double expected);

// The same, with counted reported as the benchmark's counter `name`.
void ExpectCount(benchmark::State& state, const char* name, double counted, double expected);

}  // namespace bench
