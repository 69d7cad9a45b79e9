// The well-data services the well-plot pages call: table schemas, stratum counts, well positions
// and the conversion of one depth of a well.
#include <cmath>

#include "hostlibs/Osprey/WellPlotServicesTesting.h"
#include "hosttypes/Osprey/WellDataManager.h"

namespace osprey::detail {

struct WellPlotServiceAccess {
    static std::map<std::string, double>& Factors(CWellDataManager& manager) { return manager.m_depthFactors; }
    static CTableDefinitionManager& Tables(CWellDataManager& manager) { return manager.m_tableDefinitionManager; }
};

namespace {

CTableDefinition Table(const char* name, std::initializer_list<std::pair<const char*, BYTE>> columns) {
    CTableDefinition table;
    table.SetName(name);
    for (const auto& [column, type] : columns) {
        CColumnDefinition definition;
        definition.SetName(column);
        definition.SetType(type);
        table.AddColumnDefinition(definition);
    }
    return table;
}

}  // namespace

CTableDefinitionManager SampleTableDefinitions() {
    CTableDefinitionManager tables;
    tables.AddTableDefinition(Table("测井曲线", {{"DEPTH", 1}, {"GR", 1}, {"SP", 1}, {"AC", 1}, {"备注", 0}}));
    tables.AddTableDefinition(
        Table("岩性数据", {{"顶深", 1}, {"底深", 1}, {"岩性", 0}, {"颜色", 0}, {"含油性", 0}, {"岩性代码", 0}}));
    // Tables a curve can take its values from: core analysis and three point-data tables.
    tables.AddTableDefinition(
        Table("岩心分析数据", {{"深度", 1}, {"孔隙度", 1}, {"渗透率", 1}, {"含油饱和度", 1}, {"岩性描述", 0}}));
    tables.AddTableDefinition(Table("点数据.点数据1", {{"深度", 1}, {"电阻率", 1}, {"备注", 0}}));
    tables.AddTableDefinition(Table("点数据.点数据2", {{"深度", 1}, {"声波", 1}, {"密度", 1}}));
    tables.AddTableDefinition(Table("点数据.点数据3", {{"深度", 1}, {"名称", 0}}));
    // Tables of the interval kits: three segment-data tables and the coring table.
    for (const char* name : {"段数据.段数据1", "段数据.段数据2", "段数据.段数据3"})
        tables.AddTableDefinition(Table(name, {{"顶深", 1}, {"底深", 1}, {"名称", 0}, {"代码", 0}, {"备注", 0}}));
    tables.AddTableDefinition(
        Table("取芯综合数据", {{"顶深", 1}, {"底深", 1}, {"取芯筒次", 1}, {"取芯长度", 1}, {"取芯进尺", 1}}));
    return tables;
}

}  // namespace osprey::detail

using osprey::detail::WellPlotServiceAccess;

CTableDefinitionManager* CWellDataManager::GetTableDefinitionManager() { return &m_tableDefinitionManager; }

int CWellDataManager::GetStratumCount(int level) { return m_stratumManager.GetStratumCount(level); }

CWellPosition* CWellDataManager::GetWellPosition() { return &m_wellPosition; }

namespace {
double FactorOf(const std::map<std::string, double>& factors, const char* wellName) {
    const auto found = wellName ? factors.find(wellName) : factors.end();
    return found == factors.end() ? 1.0 : found->second;
}
}  // namespace

double CWellDataManager::ConvertZToDepth(const char* wellName, double z, bool) {
    return z * FactorOf(m_depthFactors, wellName);
}

double CWellDataManager::ConvertDepthToZ(const char* wellName, double depth) {
    return depth / FactorOf(m_depthFactors, wellName);
}

namespace osprey::testing {

bool SetDepthFactor(const char* wellName, double factor) {
    if (!wellName || !std::isfinite(factor) || factor < 1) return false;
    WellPlotServiceAccess::Factors(*CWellDataManager::Instance())[wellName] = factor;
    return true;
}

void SetTableDefinitions(const std::vector<CTableDefinition>& tables) {
    CTableDefinitionManager& manager = WellPlotServiceAccess::Tables(*CWellDataManager::Instance());
    manager = CTableDefinitionManager();
    for (const CTableDefinition& table : tables) manager.AddTableDefinition(table);
}

}  // namespace osprey::testing
