// CXLAutomation: spreadsheet automation of the database utilities. No spreadsheet program
// exists here: the object holds the workbook and sheet it was given and whether it shows them.
#pragma once

#include "mfc/String.h"
#include "win32/Win32.h"

class CXLAutomation {
public:
    explicit CXLAutomation(BOOL visible = FALSE) : m_bVisible(visible) {}
    CXLAutomation(const CXLAutomation&) = default;
    CXLAutomation& operator=(const CXLAutomation&) = default;
    virtual ~CXLAutomation() = default;

    BOOL m_bVisible;
    CString m_strWorkbook;
    CString m_strSheet;
};
