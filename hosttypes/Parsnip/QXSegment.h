// CQXSegment: one run of map points of an object's geometry.
#pragma once

#include <vector>

#include "hosttypes/Parsnip/Geometry.h"

class CQXSegment {
public:
    CQXSegment() = default;
    explicit CQXSegment(std::vector<FLOATPOINT> points) : m_points(std::move(points)) {}
    virtual ~CQXSegment() = default;

    int GetPointCount() const { return static_cast<int>(m_points.size()); }
    // Point i; false (point unchanged) outside the segment.
    bool GetPoint(int i, FLOATPOINT& point) const;
    // Sets point i; false outside the segment.
    bool SetPoint(int i, const FLOATPOINT& point);
    void AddPoint(const FLOATPOINT& point) { m_points.push_back(point); }

private:
    std::vector<FLOATPOINT> m_points;
};
