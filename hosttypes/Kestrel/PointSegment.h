// Point runs of the graph tool: device points (draw) and map points (map), straight or as
// Bezier control points.
#pragma once

#include <vector>

#include "hosttypes/Parsnip/Geometry.h"
#include "mfc/Types.h"

class CDrawPointSegment {
public:
    CDrawPointSegment() = default;
    CDrawPointSegment(const CDrawPointSegment&) = default;
    CDrawPointSegment& operator=(const CDrawPointSegment&) = default;
    virtual ~CDrawPointSegment() = default;

    std::vector<CPoint> m_points;
    int m_nClosed = 0;
};

class CMapPointSegment {
public:
    CMapPointSegment() = default;
    CMapPointSegment(const CMapPointSegment&) = default;
    CMapPointSegment& operator=(const CMapPointSegment&) = default;
    virtual ~CMapPointSegment() = default;

    std::vector<FLOATPOINT> m_points;
    int m_nClosed = 0;
};

class CBezierDrawPointSegment : public CDrawPointSegment {
public:
    CBezierDrawPointSegment() = default;
    CBezierDrawPointSegment(const CBezierDrawPointSegment&) = default;
    CBezierDrawPointSegment& operator=(const CBezierDrawPointSegment&) = default;
    ~CBezierDrawPointSegment() override = default;
};

class CBezierMapPointSegment : public CMapPointSegment {
public:
    CBezierMapPointSegment() = default;
    CBezierMapPointSegment(const CBezierMapPointSegment&) = default;
    CBezierMapPointSegment& operator=(const CBezierMapPointSegment&) = default;
    ~CBezierMapPointSegment() override = default;
};
