// Depth-indexed data of the well-data library: values at depths (point data) and values over
// depth intervals (segment data), as numbers or texts, and their managers by data name.
#pragma once

#include <map>
#include <utility>
#include <vector>

#include "hosttypes/Osprey/QXTable.h"
#include "hosttypes/Osprey/WellRecords.h"

class CDepthPointFloatData : public CQXTable {
public:
    CString m_strWellName;
    std::vector<std::pair<double, double>> m_points;  // depth, value
};

class CDepthPointStringData : public CQXTable {
public:
    CString m_strWellName;
    std::vector<std::pair<double, CString>> m_points;  // depth, value
};

class CDepthSegmentFloatData : public CQXDataTable<DEPTHSEGMENTFLOATDATA> {
public:
    CString m_strWellName;
};

class CDepthSegmentStringData : public CQXDataTable<DEPTHSEGMENTSTRINGDATA> {
public:
    CString m_strWellName;
};

// Data sets by name; copies copy the sets.
class CDepthPointDataManager {
public:
    CDepthPointDataManager() = default;
    CDepthPointDataManager(const CDepthPointDataManager&) = default;
    CDepthPointDataManager& operator=(const CDepthPointDataManager&) = default;
    virtual ~CDepthPointDataManager() = default;

    std::map<CString, CDepthPointFloatData> m_floatData;
    std::map<CString, CDepthPointStringData> m_stringData;
};

class CDepthSegmentDataManager {
public:
    CDepthSegmentDataManager() = default;
    CDepthSegmentDataManager(const CDepthSegmentDataManager&) = default;
    CDepthSegmentDataManager& operator=(const CDepthSegmentDataManager&) = default;
    virtual ~CDepthSegmentDataManager() = default;

    std::map<CString, CDepthSegmentFloatData> m_floatData;
    std::map<CString, CDepthSegmentStringData> m_stringData;
};
