#include "hosttypes/Wicket/DataHelper.h"

#include <initializer_list>

namespace {

// One table of the catalogue: its fields (numeric first, then the texts) and its strata.
struct Table {
    const char* name;
    std::initializer_list<const char*> numericFields;
    std::initializer_list<const char*> textFields;
    std::initializer_list<const char*> strata;
};

const Table kWellTables[] = {
    {"小层数据表", {"砂岩厚度", "有效厚度", "孔隙度", "渗透率"}, {"井号", "层位"}, {"沙一段", "沙二段", "沙三段"}},
    {"试油数据表", {"日产油", "日产水", "含水率"}, {"井号", "结论"}, {"沙二段", "沙三段"}},
};

const Table kScatterTables[] = {
    {"离散属性表", {"属性1", "属性2", "属性3"}, {"点名"}, {}},
};

// The dynamic production tables are read through the well-table operations.
const Table kDynamicTables[] = {
    {"日生产动态.油井", {"日产油", "日产水", "日产气"}, {"井号"}, {}},
    {"日生产动态.水井", {"日注水", "注水压力"}, {"井号"}, {}},
    {"月生产动态.油井", {"月产油", "月产水", "月产气"}, {"井号"}, {}},
    {"月生产动态.水井", {"月注水"}, {"井号"}, {}},
};

template <std::size_t N>
const Table* Find(const Table (&tables)[N], const CString& name) {
    for (const Table& table : tables)
        if (name == table.name) return &table;
    return nullptr;
}

void Fill(CStringArray& names, std::initializer_list<const char*> texts) {
    for (const char* text : texts) names.Add(text);
}

template <std::size_t N>
void FillNames(CStringArray& names, const Table (&tables)[N]) {
    names.RemoveAll();
    for (const Table& table : tables) names.Add(table.name);
}

void FillFields(CStringArray& names, const Table* table, unsigned char numeric) {
    names.RemoveAll();
    if (!table) return;
    Fill(names, table->numericFields);
    if (numeric != 1) Fill(names, table->textFields);
}

}  // namespace

void CDataHelper::GetWellTableName(CStringArray& names) { FillNames(names, kWellTables); }

void CDataHelper::GetScatterTableName(CStringArray& names) { FillNames(names, kScatterTables); }

void CDataHelper::GetStratumNames(CStringArray& names, CString table) {
    names.RemoveAll();
    const Table* found = Find(kWellTables, table);
    if (!found) found = Find(kScatterTables, table);
    if (found) Fill(names, found->strata);
}

void CDataHelper::FindWellTableRecordName(CStringArray& names, CString table, unsigned char numeric) {
    const Table* found = Find(kWellTables, table);
    FillFields(names, found ? found : Find(kDynamicTables, table), numeric);
}

void CDataHelper::FindScatterTableRecordName(CStringArray& names, CString table, unsigned char numeric) {
    FillFields(names, Find(kScatterTables, table), numeric);
}
