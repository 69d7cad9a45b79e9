// The parameter page's "表名" and "字段" options refilled from a catalogue of N table names and a
// table of N field names (N = 10^2 .. 10^4), each option added only when not yet present, beside its
// floor: the same names read from the catalogue and appended to a vector. The ratio counter stays
// flat as N grows when the refill takes time linear in N.
#include <benchmark/benchmark.h>

#include <vector>

#include "BenchFloor.h"
#include "bcg/Prop.h"
#include "hosttypes/Zephyr/LogParaDMgrIO.h"
#include "wellplot/intervals/DataSourceNames.h"

namespace {

constexpr const char* kType = "当前井";

std::vector<CString> Names(const char* prefix, int n) {
    std::vector<CString> names;
    for (int i = 0; i < n; ++i) names.push_back(FormatString("%s%d", prefix, i));
    return names;
}

// N tables; the last one holds N fields.
void FillCatalogue(LogParaDMgrIO& catalogue, int n) {
    const std::vector<CString> tables = Names("表", n);
    for (const CString& table : tables) catalogue.SetTable(kType, table, {});
    catalogue.SetTable(kType, tables.back(), Names("字段", n));
}

template <class Refill, class Floor>
void TimeBeside(benchmark::State& state, Refill refill, Floor floorWork) {
    CBCGPProp item("表名", _variant_t(""), "", 2009);
    std::vector<CString> bare;
    bench::TimeBesideFloor(
        state, [&bare] { std::vector<CString>().swap(bare); },
        [&] {
            item.RemoveAllOptions();
            refill(item);
            benchmark::DoNotOptimize(item.GetOptionCount());
        },
        [&] {
            floorWork(bare);
            benchmark::DoNotOptimize(bare.data());
        });
    state.counters["options"] = item.GetOptionCount();
    state.SetComplexityN(state.range(0));
}

void BM_ParamTableOptions(benchmark::State& state) {
    LogParaDMgrIO catalogue;
    FillCatalogue(catalogue, static_cast<int>(state.range(0)));
    TimeBeside(
        state, [&catalogue](CBCGPProp& item) { AddTableOptions(&item, &catalogue, kType); },
        [&catalogue](std::vector<CString>& bare) {
            const int count = catalogue.GetTableCount(kType);
            for (int i = 0; i < count; ++i) bare.push_back(catalogue.GetTableName(kType, i));
        });
}
BENCHMARK(BM_ParamTableOptions)->Arg(100)->Arg(1000)->Arg(10000)->UseManualTime()->Complexity(benchmark::oN);

void BM_ParamFieldOptions(benchmark::State& state) {
    LogParaDMgrIO catalogue;
    FillCatalogue(catalogue, static_cast<int>(state.range(0)));
    const CString table = catalogue.GetTableName(kType, catalogue.GetTableCount(kType) - 1);
    TimeBeside(
        state, [&](CBCGPProp& item) { AddFieldOptions(&item, &catalogue, kType, table); },
        [&](std::vector<CString>& bare) {
            const int count = catalogue.GetFieldCount(kType, table);
            for (int i = 0; i < count; ++i) bare.push_back(catalogue.GetFieldName(kType, table, i));
        });
}
BENCHMARK(BM_ParamFieldOptions)->Arg(100)->Arg(1000)->Arg(10000)->UseManualTime()->Complexity(benchmark::oN);

}  // namespace
