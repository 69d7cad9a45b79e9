// Refilling the data-source items of the interval pages from D data sets, D table columns or D
// value names (D = 10^2 .. 10^4), each option added only when not yet present, beside its floor:
// the same names read from the data library and appended to a vector. The ratio counter stays
// flat as D grows when the refill takes time linear in D.
#include <benchmark/benchmark.h>

#include <functional>
#include <vector>

#include "BenchFloor.h"
#include "bcg/Prop.h"
#include "hostlibs/Osprey/WellPlotServicesTesting.h"
#include "hostlibs/Rivet/RivetTesting.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Rivet/GeneralDataManager.h"
#include "wellplot/intervals/DataSourceItems.h"

namespace {

// Times refill beside floorWork (which fills a bare vector) and reports the ratio.
void TimeBeside(benchmark::State& state, const std::function<void(CBCGPProp&)>& refill,
                const std::function<void(std::vector<CString>&)>& floorWork) {
    CBCGPProp item("数据", _variant_t(""), "", 1);
    std::vector<CString> bare;
    bench::TimeBesideFloor(
        state, [&bare] { std::vector<CString>().swap(bare); },
        [&] {
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

std::vector<CString> Names(const char* prefix, int n) {
    std::vector<CString> names;
    for (int i = 0; i < n; ++i) names.push_back(FormatString("%s%d", prefix, i));
    return names;
}

void BM_RefillSegmentDataSets(benchmark::State& state) {
    std::vector<CMutiColPtData> sets;
    for (const CString& name : Names("段数据集", static_cast<int>(state.range(0))))
        sets.push_back(rivet::testing::MakeColPtData(name.GetString(), {"结论"}, {0}, true));
    rivet::testing::SetColPtData(sets);
    CMutiColPtDataManager* manager = CGeneralDataManager::Instance()->GetColPtDataManager();
    TimeBeside(
        state,
        [](CBCGPProp& item) {
            item.RemoveAllOptions();
            AddSegmentDataOptions(&item);
        },
        [manager](std::vector<CString>& bare) {
            for (int i = 0; i < manager->GetCount(); ++i)
                if (manager->GetData(i)->IsSegmentData()) bare.push_back(manager->GetName(i));
        });
    rivet::testing::Reset();
}
BENCHMARK(BM_RefillSegmentDataSets)->Arg(100)->Arg(1000)->Arg(10000)->UseManualTime()->Complexity(benchmark::oN);

void BM_RefillTableFields(benchmark::State& state) {
    CTableDefinition table;
    table.SetName("段数据.段数据1");
    for (const CString& name : Names("字段", static_cast<int>(state.range(0)))) {
        CColumnDefinition column;
        column.SetName(name);
        table.AddColumnDefinition(column);
    }
    osprey::testing::SetTableDefinitions({table});
    CTableDefinition* schema =
        CWellDataManager::Instance()->GetTableDefinitionManager()->GetTableDefinition("段数据.段数据1");
    TimeBeside(
        state,
        [](CBCGPProp& item) {
            item.RemoveAllOptions();
            AddTableFieldOptions("段数据.段数据1", &item);
        },
        [schema](std::vector<CString>& bare) {
            for (int i = 0; i < schema->GetColumnDefinitionCount(); ++i)
                bare.push_back(schema->GetColumnDefinition(i)->GetName());
        });
}
BENCHMARK(BM_RefillTableFields)->Arg(100)->Arg(1000)->Arg(10000)->UseManualTime()->Complexity(benchmark::oN);

void BM_RefillValueNames(benchmark::State& state) {
    const std::vector<CString> names = Names("值", static_cast<int>(state.range(0)));
    rivet::testing::SetColPtData(
        {rivet::testing::MakeColPtData("岩样分析", names, std::vector<BYTE>(names.size(), 1), true)});
    CMutiColPtData* set = CGeneralDataManager::Instance()->GetColPtDataManager()->GetData("岩样分析");
    TimeBeside(
        state, [](CBCGPProp& item) { FillValueNameOptions(&item, "岩样分析", 1); },
        [set](std::vector<CString>& bare) {
            for (std::size_t i = 0; i < set->GetValNames().size(); ++i)
                if (set->GetType()[i] == 1) bare.push_back(set->GetValNames()[i]);
        });
    rivet::testing::Reset();
}
BENCHMARK(BM_RefillValueNames)->Arg(100)->Arg(1000)->Arg(10000)->UseManualTime()->Complexity(benchmark::oN);

}  // namespace
