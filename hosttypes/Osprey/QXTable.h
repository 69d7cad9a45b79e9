// Tables of the well-data library. A table has a name and a modification stamp; the data
// tables hold one record per row, copied whole with the table.
#pragma once

#include <cstdint>
#include <vector>

#include "mfc/String.h"

class CQXTable {
public:
    CQXTable() = default;
    CQXTable(const CQXTable&) = default;
    CQXTable& operator=(const CQXTable&) = default;
    virtual ~CQXTable() = default;

    CString GetName() const { return m_strName; }
    void SetName(const CString& name) { m_strName = name; }
    uint64_t GetTimeStamp() const { return m_nTimeStamp; }
    void SetTimeStamp(uint64_t stamp) { m_nTimeStamp = stamp; }

protected:
    CString m_strName;
    uint64_t m_nTimeStamp = 0;
};

// A named group of tables, by table name.
class CQXTableGroup {
public:
    CQXTableGroup() = default;
    CQXTableGroup(const CQXTableGroup&) = default;
    CQXTableGroup& operator=(const CQXTableGroup&) = default;
    virtual ~CQXTableGroup() = default;

    CString m_strName;
    std::vector<CString> m_tableNames;
};

template <class RECORD>
class CQXDataTable : public CQXTable {
public:
    int GetCount() const { return static_cast<int>(m_data.size()); }
    // The row, NULL for an index outside the table.
    RECORD* GetData(int i) { return (i >= 0 && i < GetCount()) ? &m_data[static_cast<std::size_t>(i)] : nullptr; }
    const RECORD* GetData(int i) const {
        return (i >= 0 && i < GetCount()) ? &m_data[static_cast<std::size_t>(i)] : nullptr;
    }
    int Add(const RECORD& record) {
        m_data.push_back(record);
        return GetCount() - 1;
    }
    void RemoveAll() { m_data.clear(); }
    void SetSize(int count) { m_data.resize(count > 0 ? static_cast<std::size_t>(count) : 0); }

protected:
    std::vector<RECORD> m_data;
};
