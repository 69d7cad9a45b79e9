#include "BenchCheck.h"

#include <cstdio>
#include <cstdlib>

namespace bench {
namespace {
std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}
}  // namespace

void CheckCount(const std::string& what, double counted, double expected) {
    if (counted == expected) return;
    std::fprintf(stderr, "COUNT MISMATCH %s: counted %s where the work done makes %s\n", what.c_str(),
                 Number(counted).c_str(), Number(expected).c_str());
    std::fflush(nullptr);
    std::abort();
}

void ExpectCount(benchmark::State& state, const char* name, double counted, double expected) {
    state.counters[name] = counted;
    CheckCount(name, counted, expected);
}

}  // namespace bench
