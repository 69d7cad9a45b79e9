// CWellPathCalculator: computes a deviated well's path from its survey stations.
#pragma once

#include <vector>

#include "hosttypes/Parsnip/Geometry.h"

class CWellPathCalculator {
public:
    CWellPathCalculator() = default;
    CWellPathCalculator(const CWellPathCalculator& other);
    CWellPathCalculator& operator=(const CWellPathCalculator& other) = default;
    virtual ~CWellPathCalculator();

    // Survey stations (measured depth, inclination, azimuth) and the computed path points.
    std::vector<QXPOINT3D> m_stations;
    std::vector<QXPOINT3D> m_path;
};
