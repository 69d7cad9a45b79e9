// CTriangleGrid: a triangulation of point data (vertices and triangles by vertex index).
#pragma once

#include <array>
#include <vector>

#include "hosttypes/Parsnip/Geometry.h"

class CTriangleGrid {
public:
    CTriangleGrid() = default;
    CTriangleGrid(const CTriangleGrid&) = default;
    CTriangleGrid& operator=(const CTriangleGrid&) = default;
    virtual ~CTriangleGrid() = default;

    std::vector<QXPOINT3D> m_vertices;
    std::vector<std::array<int, 3>> m_triangles;
};
