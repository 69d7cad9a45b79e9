// Geometry values the map-graphics library passes around: points, extents and rectangles in
// map units (doubles). The y axis grows upward, so a rectangle's top is not below its bottom.
// Equality is exact (no tolerance); conversions to the window records truncate toward zero.
#pragma once

#include "win32/Win32.h"

struct FLOATSIZE;
struct QXSIZE;

struct FLOATPOINT {
    double x;
    double y;

    FLOATPOINT(double x0 = 0, double y0 = 0) : x(x0), y(y0) {}
    FLOATPOINT(const FLOATPOINT&) = default;
    void operator=(const FLOATPOINT& other);

    int operator==(const FLOATPOINT& other) const;
    int operator!=(const FLOATPOINT& other) const;
    FLOATPOINT& operator*=(double f);
    FLOATPOINT& operator+=(const FLOATPOINT& other);
    FLOATPOINT& operator+=(const FLOATSIZE& size);
    POINT ConvertToPOINT() const;
};

struct FLOATSIZE {
    double cx;
    double cy;

    FLOATSIZE(double cx0 = 0, double cy0 = 0) : cx(cx0), cy(cy0) {}
    FLOATSIZE(const FLOATSIZE&) = default;
    void operator=(const FLOATSIZE& other);

    int operator==(const FLOATSIZE& other) const;
    int operator!=(const FLOATSIZE& other) const;
    SIZE ConvertToSIZE() const;
};

struct QXSIZE {
    double cx;
    double cy;

    QXSIZE(double cx0 = 0, double cy0 = 0) : cx(cx0), cy(cy0) {}
    QXSIZE(const QXSIZE&) = default;
    void operator=(const QXSIZE& other);

    int operator==(const QXSIZE& other) const;
    int operator!=(const QXSIZE& other) const;
    SIZE ConvertToSIZE() const;
};

// A map point with two attribute bytes. The bytes travel with every copy but never take
// part in comparisons; only the constructors reset the second one.
struct QXPOINT {
    double x;
    double y;
    unsigned char flag;
    unsigned char reserved;

    QXPOINT(double x0 = 0, double y0 = 0, unsigned char flag0 = 0) : x(x0), y(y0), flag(flag0), reserved(0) {}
    QXPOINT(const QXPOINT&) = default;
    void operator=(const QXPOINT& other);

    int operator==(QXPOINT& other);
    int operator==(const QXPOINT& other) const;
    int operator!=(QXPOINT& other);
    int operator!=(const QXPOINT& other) const;
    QXPOINT& operator*=(double f);
    QXPOINT& operator+=(const QXPOINT& other);
    QXPOINT& operator+=(const QXSIZE& size);
    POINT ConvertToPOINT() const;
};

struct QXPOINT3D {
    double x;
    double y;
    double z;

    QXPOINT3D(double x0 = 0, double y0 = 0, double z0 = 0) : x(x0), y(y0), z(z0) {}
    QXPOINT3D(const QXPOINT3D&) = default;
    QXPOINT3D& operator=(const QXPOINT3D& other);
};

struct FLOATRECT {
    double left;
    double top;
    double right;
    double bottom;

    FLOATRECT(double l = 0, double t = 0, double r = 0, double b = 0) : left(l), top(t), right(r), bottom(b) {}
    FLOATRECT(const FLOATRECT&) = default;
    void operator=(const FLOATRECT& other);

    int operator==(const FLOATRECT& other) const;
    int operator!=(const FLOATRECT& other) const;
    FLOATRECT& operator*=(double f);
    FLOATRECT& operator+=(FLOATPOINT offset);
    FLOATRECT& operator+=(const FLOATSIZE& offset);

    double GetWidth() const;
    double GetHeight() const;
    FLOATSIZE GetSize() const;
    FLOATPOINT GetCenter() const;
    // 1 when left <= x <= right and bottom <= y <= top; an inverted rectangle holds no point.
    int PointInRect(FLOATPOINT point) const;
    // Corners clockwise from the top left: (left, top), (right, top), (right, bottom), (left, bottom).
    void GetNodePointArray(FLOATPOINT* out) const;
    RECT ConvertToRECT() const;
};

struct QXRECT {
    double left;
    double top;
    double right;
    double bottom;

    QXRECT(double l = 0, double t = 0, double r = 0, double b = 0) : left(l), top(t), right(r), bottom(b) {}
    QXRECT(const QXRECT&) = default;
    void operator=(const QXRECT& other);

    int operator==(const QXRECT& other) const;
    int operator!=(const QXRECT& other) const;
    QXRECT& operator*=(double f);
    QXRECT& operator+=(const QXPOINT& offset);
    QXRECT& operator+=(const QXSIZE& offset);

    double GetWidth() const;
    double GetHeight() const;
    QXSIZE GetSize() const;
    QXPOINT GetCenter() const;
    int PointInRect(QXPOINT point) const;
    RECT ConvertToRECT() const;
};

namespace geometry {
// A coordinate as a 32-bit window coordinate: truncated toward zero, saturated at the
// LONG range, and 0 for NaN (a plain cast would be undefined for those).
LONG TruncateToLong(double value);
}  // namespace geometry
