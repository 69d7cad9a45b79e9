// LogParaDMgrIO: the catalogue of data a parameter or result kit can load, by source type
// ("当前井", "离散数据", ...): the type's tables and each table's fields. Its operations belong
// to the kit library.
#pragma once

#include <utility>
#include <vector>

#include "mfc/String.h"

class LogParaDMgrIO {
public:
    LogParaDMgrIO() = default;
    LogParaDMgrIO(const LogParaDMgrIO&) = default;
    LogParaDMgrIO& operator=(const LogParaDMgrIO&) = default;
    virtual ~LogParaDMgrIO() = default;

    // ---- kit library, in slot order; indexes outside answer empty texts, unknown names 0 ----
    virtual int GetTableCount(CString type);
    virtual CString GetTableName(CString type, int index);
    virtual int GetFieldCount(CString type, CString table);
    virtual CString GetFieldName(CString type, CString table, int index);

    // ---- catalogue upkeep (kit library) ----
    // Adds the table to the type (or replaces the fields of a table of that name).
    void SetTable(const CString& type, const CString& table, std::vector<CString> fields);
    void Clear();

private:
    struct Table {
        CString name;
        std::vector<CString> fields;
    };
    const std::vector<Table>* TablesOf(const CString& type) const;
    const Table* Find(const CString& type, const CString& table) const;

    std::vector<std::pair<CString, std::vector<Table>>> m_types;
    // The table found last (type index, table index), so that reading one table's fields in turn
    // finds it at once; -1 for none.
    mutable int m_lastType = -1;
    mutable int m_lastTable = -1;
};
