// The sample tables of the interval kits: the three segment-data tables and the coring table,
// added to the schemas of every new manager beside the lithology table.
#include <initializer_list>
#include <utility>

#include "hosttypes/Osprey/WellDataManager.h"

namespace osprey::detail {

namespace {
using Columns = std::initializer_list<std::pair<const char*, BYTE>>;

void AddTable(CTableDefinitionManager& tables, const char* name, Columns columns) {
    CTableDefinition table;
    table.SetName(name);
    for (const auto& [column, type] : columns) {
        CColumnDefinition definition;
        definition.SetName(column);
        definition.SetType(type);
        table.AddColumnDefinition(definition);
    }
    tables.AddTableDefinition(table);
}
}  // namespace

void AddIntervalSampleTables(CTableDefinitionManager& tables) {
    const Columns segment = {{"顶深", 1}, {"底深", 1}, {"名称", 0}, {"代码", 0}, {"备注", 0}};
    for (const char* name : {"段数据.段数据1", "段数据.段数据2", "段数据.段数据3"}) AddTable(tables, name, segment);
    AddTable(tables, "取芯综合数据",
             {{"顶深", 1}, {"底深", 1}, {"取芯筒次", 1}, {"取芯长度", 1}, {"取芯进尺", 1}});
}

}  // namespace osprey::detail
