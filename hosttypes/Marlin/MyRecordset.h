// CMyRecordset: a record set of the database utilities. No database provider exists here:
// the object holds its connection text and query and is never open.
#pragma once

#include <vector>

#include "mfc/String.h"
#include "win32/Win32.h"

class CMyRecordset {
public:
    CMyRecordset() = default;
    CMyRecordset(const CMyRecordset&) = default;
    CMyRecordset& operator=(const CMyRecordset&) = default;
    virtual ~CMyRecordset() = default;

    BOOL IsOpen() const { return FALSE; }

    CString m_strConnection;
    CString m_strSql;
    std::vector<CString> m_fieldNames;
};
