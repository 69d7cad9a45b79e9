// Workbook reading and writing of the well-data library. Spreadsheet automation does not exist
// here: the objects hold the workbook, sheet and cell position they were given.
#pragma once

#include "mfc/String.h"

class CExcelOperateBase {
public:
    CExcelOperateBase() = default;
    CExcelOperateBase(const CExcelOperateBase&) = default;
    CExcelOperateBase& operator=(const CExcelOperateBase&) = default;
    virtual ~CExcelOperateBase() = default;

    CString m_strFileName;
    CString m_strSheetName;
    int m_nRow = 0;
    int m_nColumn = 0;
};

class CExcelRead : public CExcelOperateBase {
public:
    CExcelRead() = default;
    CExcelRead(const CExcelRead&) = default;
    CExcelRead& operator=(const CExcelRead&) = default;
    ~CExcelRead() override = default;
};

class CExcelWrite : public CExcelOperateBase {
public:
    CExcelWrite() = default;
    CExcelWrite(const CExcelWrite&) = default;
    CExcelWrite& operator=(const CExcelWrite&) = default;
    ~CExcelWrite() override = default;
};
