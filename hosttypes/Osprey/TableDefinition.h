// Definitions of the user tables of the well-data library (columns with a name and a type
// code) and of the tables an import reads.
#pragma once

#include <vector>

#include "mfc/String.h"
#include "win32/Win32.h"

class CColumnDefinition {
public:
    CColumnDefinition() = default;
    CColumnDefinition(const CColumnDefinition&) = default;
    CColumnDefinition& operator=(const CColumnDefinition&) = default;
    virtual ~CColumnDefinition() = default;

    CString GetName() const { return m_strName; }
    void SetName(const CString& name) { m_strName = name; }
    BYTE GetType() const { return m_nType; }
    void SetType(BYTE type) { m_nType = type; }

protected:
    CString m_strName;
    BYTE m_nType = 0;
};

class CTableDefinition {
public:
    CTableDefinition() = default;
    CTableDefinition(const CTableDefinition&) = default;
    CTableDefinition& operator=(const CTableDefinition&) = default;
    virtual ~CTableDefinition() = default;

    CString GetName() const { return m_strName; }
    void SetName(const CString& name) { m_strName = name; }
    int GetColumnDefinitionCount() const { return static_cast<int>(m_columns.size()); }
    // NULL for an index outside the table.
    CColumnDefinition* GetColumnDefinition(int i) {
        return (i >= 0 && i < GetColumnDefinitionCount()) ? &m_columns[static_cast<std::size_t>(i)] : nullptr;
    }
    void AddColumnDefinition(const CColumnDefinition& column) { m_columns.push_back(column); }

protected:
    CString m_strName;
    std::vector<CColumnDefinition> m_columns;
};

class CTableDefinitionManager {
public:
    CTableDefinitionManager() = default;
    CTableDefinitionManager(const CTableDefinitionManager&) = default;
    CTableDefinitionManager& operator=(const CTableDefinitionManager&) = default;
    virtual ~CTableDefinitionManager() = default;

    // The definition named exactly name, NULL when there is none.
    CTableDefinition* GetTableDefinition(const char* name) {
        if (!name) return nullptr;
        for (CTableDefinition& table : m_tables)
            if (table.GetName() == name) return &table;
        return nullptr;
    }
    void AddTableDefinition(const CTableDefinition& table) { m_tables.push_back(table); }

protected:
    std::vector<CTableDefinition> m_tables;
};

// A column of an imported file: its source column and the column it fills.
class CImportColumnDefinition {
public:
    CImportColumnDefinition() = default;
    CImportColumnDefinition(const CImportColumnDefinition&) = default;
    CImportColumnDefinition& operator=(const CImportColumnDefinition&) = default;
    virtual ~CImportColumnDefinition() = default;

    CString m_strSourceName;
    CString m_strTargetName;
    int m_nSourceIndex = -1;
    BYTE m_nType = 0;
};

class CImportTableDefinition {
public:
    CImportTableDefinition() = default;
    CImportTableDefinition(const CImportTableDefinition&) = default;
    CImportTableDefinition& operator=(const CImportTableDefinition&) = default;
    virtual ~CImportTableDefinition() = default;

    CString m_strTableName;
    CString m_strFileName;
    int m_nFirstRow = 0;
    std::vector<CImportColumnDefinition> m_columns;
};
