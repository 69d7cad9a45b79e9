// General point data: one point with its value, and a named set of them.
#pragma once

#include <vector>

#include "mfc/String.h"

struct POINTDATA {
    int index = 0;
    int flag = 0;
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    double value = 0.0;
    double minValue = 0.0;
    double maxValue = 0.0;
    CString name;
    int type = 0;
};

class CPointData {
public:
    CPointData() = default;
    CPointData(const CPointData&) = default;
    CPointData& operator=(const CPointData&) = default;
    virtual ~CPointData() = default;

    CString m_strName;
    std::vector<POINTDATA> m_points;
};
