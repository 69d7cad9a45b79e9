// Plane geometry helpers of the graph-tool library.
#pragma once

#include "hosttypes/Parsnip/Geometry.h"

class CGraphUtility {
public:
    // Euclidean distance of the two points.
    static double TwoPointDistance(FLOATPOINT& p1, FLOATPOINT& p2);
    // The angle, in radians within (-pi, pi], by which the ray centre -> from turns
    // anticlockwise (y upward) onto the ray centre -> to. A from point on the centre stands
    // for the +x direction, so rotateangle(c, c, p) is the direction of c -> p; 0 when to lies
    // on the centre.
    static double rotateangle(FLOATPOINT& centre, FLOATPOINT& from, FLOATPOINT& to);
};
