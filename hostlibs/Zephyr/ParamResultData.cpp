// The kit library's side of the parameter and result kits: their data source, the catalogue of
// tables and fields behind it, the empty-value switch and the active interval; and the kits'
// answer to a changed style setting.
#include "hostlibs/Zephyr/KitStore.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/LogParaDMgrIO.h"
#include "hosttypes/Zephyr/WpParam.h"
#include "hosttypes/Zephyr/WpResult.h"

using zephyr::detail::Record;
using zephyr::detail::Stamp;
using zephyr::detail::Store;

// ---- catalogue ---------------------------------------------------------------------------------
const std::vector<LogParaDMgrIO::Table>* LogParaDMgrIO::TablesOf(const CString& type) const {
    for (const auto& entry : m_types)
        if (entry.first == type) return &entry.second;
    return nullptr;
}

const LogParaDMgrIO::Table* LogParaDMgrIO::Find(const CString& type, const CString& table) const {
    if (m_lastType >= 0 && m_types[static_cast<std::size_t>(m_lastType)].first == type) {
        const Table& last = m_types[static_cast<std::size_t>(m_lastType)].second[static_cast<std::size_t>(m_lastTable)];
        if (last.name == table) return &last;
    }
    for (std::size_t ti = 0; ti < m_types.size(); ++ti) {
        if (m_types[ti].first != type) continue;
        const std::vector<Table>& tables = m_types[ti].second;
        for (std::size_t i = 0; i < tables.size(); ++i)
            if (tables[i].name == table) {
                m_lastType = static_cast<int>(ti);
                m_lastTable = static_cast<int>(i);
                return &tables[i];
            }
    }
    return nullptr;
}

int LogParaDMgrIO::GetTableCount(CString type) {
    const std::vector<Table>* tables = TablesOf(type);
    return tables ? static_cast<int>(tables->size()) : 0;
}

CString LogParaDMgrIO::GetTableName(CString type, int index) {
    const std::vector<Table>* tables = TablesOf(type);
    if (!tables || index < 0 || index >= static_cast<int>(tables->size())) return CString();
    return (*tables)[static_cast<std::size_t>(index)].name;
}

int LogParaDMgrIO::GetFieldCount(CString type, CString table) {
    const Table* t = Find(type, table);
    return t ? static_cast<int>(t->fields.size()) : 0;
}

CString LogParaDMgrIO::GetFieldName(CString type, CString table, int index) {
    const Table* t = Find(type, table);
    if (!t || index < 0 || index >= static_cast<int>(t->fields.size())) return CString();
    return t->fields[static_cast<std::size_t>(index)];
}

void LogParaDMgrIO::SetTable(const CString& type, const CString& table, std::vector<CString> fields) {
    m_lastType = m_lastTable = -1;
    auto typeEntry = m_types.begin();
    while (typeEntry != m_types.end() && typeEntry->first != type) ++typeEntry;
    if (typeEntry == m_types.end()) typeEntry = m_types.insert(m_types.end(), {type, {}});
    for (Table& t : typeEntry->second)
        if (t.name == table) {
            t.fields = std::move(fields);
            return;
        }
    typeEntry->second.push_back({table, std::move(fields)});
}

void LogParaDMgrIO::Clear() {
    m_types.clear();
    m_lastType = m_lastTable = -1;
}

namespace zephyr::testing {

LogParaDMgrIO& DataCatalogue() {
    static LogParaDMgrIO catalogue;
    return catalogue;
}

void ResetDataCatalogue() {
    LogParaDMgrIO& c = DataCatalogue();
    c.Clear();
    c.SetTable("当前井", "测井解释", {"解释结论", "孔隙度", "渗透率"});
    c.SetTable("当前井", "分层数据", {"层号", "砂层厚度"});
    c.SetTable("离散数据", "离散表1", {"值1", "值2"});
    c.SetTable("离散数据", "离散表2", {"数值"});
}

}  // namespace zephyr::testing

namespace {
// The process's catalogue, with its sample tables from the first kit on.
LogParaDMgrIO* SharedCatalogue() {
    static const bool filled = (zephyr::testing::ResetDataCatalogue(), true);
    (void)filled;
    return &zephyr::testing::DataCatalogue();
}
}  // namespace

// ---- the kits' answer to a changed style setting --------------------------------------------------
void CWpKit::OnSettingChanged() { Record("CWpKit::OnSettingChanged", this); }

// ---- parameter kit -----------------------------------------------------------------------------
CWpParam::CWpParam() : m_pDataInfo(SharedCatalogue()) {}
CWpParam::~CWpParam() = default;

bool CWpParam::SetData(CString type, CString table, CString field) {
    m_strDataType = type;
    m_strDataTable = table;
    m_strDataField = field;
    Record("CWpParam::SetData", this, std::string(type) + "," + table.GetString() + "," + field.GetString());
    Stamp(this);
    return true;
}
LogParaDMgrIO* CWpParam::GetDataInfo() { return m_pDataInfo; }
void CWpParam::SetDataInfo(LogParaDMgrIO* info) { m_pDataInfo = info; }
bool CWpParam::IsNullDisplay() { return m_bNullDisplay; }
void CWpParam::SetNullDisplay(bool display) { Store(this, m_bNullDisplay, display, "CWpParam::SetNullDisplay"); }
double CWpParam::GetActiveSegTopDepth() { return m_dActiveTop; }
double CWpParam::GetActiveSegBotDepth() { return m_dActiveBottom; }
CString CWpParam::GetActiveSegValue() { return m_strActiveValue; }
void CWpParam::SetActiveSegValue(CString value) { Store(this, m_strActiveValue, value, "CWpParam::SetActiveSegValue"); }
void CWpParam::SetActiveSeg(double top, double bottom, CString value) {
    m_dActiveTop = top;
    m_dActiveBottom = bottom;
    m_strActiveValue = value;
    Record("CWpParam::SetActiveSeg", this);
    Stamp(this);
}

// ---- result kit --------------------------------------------------------------------------------
CWpResult::CWpResult() : m_pDataInfo(SharedCatalogue()) {}

bool CWpResult::SetData(CString type, CString table, CString field) {
    m_strDataType = type;
    m_strDataTable = table;
    m_strDataField = field;
    Record("CWpResult::SetData", this, std::string(type) + "," + table.GetString() + "," + field.GetString());
    Stamp(this);
    return true;
}
LogParaDMgrIO* CWpResult::GetDataInfo() { return m_pDataInfo; }
void CWpResult::SetDataInfo(LogParaDMgrIO* info) { m_pDataInfo = info; }
double CWpResult::GetActiveSegTopDepth() { return m_dActiveTop; }
double CWpResult::GetActiveSegBotDepth() { return m_dActiveBottom; }
CString CWpResult::GetActiveSegValue() { return m_strActiveValue; }
void CWpResult::SetActiveSegValue(CString value) {
    Store(this, m_strActiveValue, value, "CWpResult::SetActiveSegValue");
}
void CWpResult::SetActiveSeg(double top, double bottom, CString value) {
    m_dActiveTop = top;
    m_dActiveBottom = bottom;
    m_strActiveValue = value;
    Record("CWpResult::SetActiveSeg", this);
    Stamp(this);
}
