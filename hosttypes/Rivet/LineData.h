// General line data: named polylines, and a table of them.
#pragma once

#include <vector>

#include "hosttypes/Parsnip/Geometry.h"
#include "mfc/String.h"

class CLineData {
public:
    CLineData() = default;
    CLineData(const CLineData&) = default;
    CLineData& operator=(const CLineData&) = default;
    virtual ~CLineData() = default;

    CString m_strName;
    std::vector<FLOATPOINT> m_points;
    double m_dValue = 0.0;
};

class CLineTable {
public:
    CLineTable() = default;
    CLineTable(const CLineTable&) = default;
    CLineTable& operator=(const CLineTable&) = default;
    virtual ~CLineTable() = default;

    CString m_strName;
    std::vector<CLineData> m_lines;
};
