// Multi-column point data: points (or depth intervals) each with one value per named column.
#pragma once

#include <vector>

#include "mfc/String.h"
#include "win32/Win32.h"

struct MUTI_COLPTDATA {
    CString name;  // well or point name
    double x = 0.0;
    double y = 0.0;
    double top = 0.0;
    double bottom = 0.0;
    std::vector<CString> values;  // one per value name
};

class CMutiColPtData {
public:
    CMutiColPtData() = default;
    CMutiColPtData(const CMutiColPtData&) = default;
    CMutiColPtData& operator=(const CMutiColPtData&) = default;
    virtual ~CMutiColPtData() = default;

    // ---- general-data library operations ----
    // The value names, in order; one type-code byte per value name, in the same order; non-zero
    // for a set of depth intervals (segment data).
    const std::vector<CString>& GetValNames() const;
    const std::vector<BYTE>& GetType() const;
    BOOL IsSegmentData() const;

    CString m_strName;
    std::vector<CString> m_valNames;
    std::vector<BYTE> m_types;  // one type code per value name
    BOOL m_bSegmentData = FALSE;
    std::vector<MUTI_COLPTDATA> m_rows;
};
