// Statistics of general data: per-item results and their table.
#pragma once

#include <vector>

#include "mfc/String.h"

struct MUTI_STATDATA {
    CString name;
    int count = 0;
    double minValue = 0.0;
    double maxValue = 0.0;
    double average = 0.0;
    double variance = 0.0;
};

class CStatData {
public:
    CStatData() = default;
    CStatData(const CStatData&) = default;
    CStatData& operator=(const CStatData&) = default;
    virtual ~CStatData() = default;

    CString m_strName;
    std::vector<MUTI_STATDATA> m_items;
};
