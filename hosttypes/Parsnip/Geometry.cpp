#include "hosttypes/Parsnip/Geometry.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace geometry {

LONG TruncateToLong(double value) {
    if (std::isnan(value)) return 0;
    // 2^31 is exact in a double; anything at or beyond it (either sign) saturates.
    constexpr double kLimit = 2147483648.0;
    if (value >= kLimit) return std::numeric_limits<LONG>::max();
    if (value <= -kLimit) return std::numeric_limits<LONG>::min();
    return static_cast<LONG>(value);  // the cast truncates toward zero
}

}  // namespace geometry

using geometry::TruncateToLong;

namespace {

template <class Rect>
int InRect(const Rect& r, double x, double y) {
    // Tested one bound at a time so that a NaN anywhere fails the test.
    if (!(x >= r.left)) return 0;
    if (!(x <= r.right)) return 0;
    if (!(y >= r.bottom)) return 0;
    if (!(y <= r.top)) return 0;
    return 1;
}

template <class Rect>
int SameRect(const Rect& a, const Rect& b) {
    return (a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom) ? 1 : 0;
}

template <class Rect>
RECT ToRECT(const Rect& r) {
    return RECT{TruncateToLong(r.left), TruncateToLong(r.top), TruncateToLong(r.right), TruncateToLong(r.bottom)};
}

}  // namespace

// ---- FLOATPOINT ---------------------------------------------------------------------------

void FLOATPOINT::operator=(const FLOATPOINT& other) {
    x = other.x;
    y = other.y;
}

int FLOATPOINT::operator==(const FLOATPOINT& other) const { return (x == other.x && y == other.y) ? 1 : 0; }
int FLOATPOINT::operator!=(const FLOATPOINT& other) const { return (*this == other) ? 0 : 1; }

FLOATPOINT& FLOATPOINT::operator*=(double f) {
    x *= f;
    y *= f;
    return *this;
}

FLOATPOINT& FLOATPOINT::operator+=(const FLOATPOINT& other) {
    x += other.x;
    y += other.y;
    return *this;
}

FLOATPOINT& FLOATPOINT::operator+=(const FLOATSIZE& size) {
    x += size.cx;
    y += size.cy;
    return *this;
}

POINT FLOATPOINT::ConvertToPOINT() const { return POINT{TruncateToLong(x), TruncateToLong(y)}; }

// ---- FLOATSIZE / QXSIZE ---------------------------------------------------------------------

void FLOATSIZE::operator=(const FLOATSIZE& other) {
    cx = other.cx;
    cy = other.cy;
}

int FLOATSIZE::operator==(const FLOATSIZE& other) const { return (cx == other.cx && cy == other.cy) ? 1 : 0; }
int FLOATSIZE::operator!=(const FLOATSIZE& other) const { return (*this == other) ? 0 : 1; }
SIZE FLOATSIZE::ConvertToSIZE() const { return SIZE{TruncateToLong(cx), TruncateToLong(cy)}; }

void QXSIZE::operator=(const QXSIZE& other) {
    cx = other.cx;
    cy = other.cy;
}

int QXSIZE::operator==(const QXSIZE& other) const { return (cx == other.cx && cy == other.cy) ? 1 : 0; }
int QXSIZE::operator!=(const QXSIZE& other) const { return (*this == other) ? 0 : 1; }
SIZE QXSIZE::ConvertToSIZE() const { return SIZE{TruncateToLong(cx), TruncateToLong(cy)}; }

// ---- QXPOINT ----------------------------------------------------------------------------------

void QXPOINT::operator=(const QXPOINT& other) {
    x = other.x;
    y = other.y;
    flag = other.flag;
    reserved = other.reserved;
}

int QXPOINT::operator==(QXPOINT& other) {
    return static_cast<const QXPOINT&>(*this) == static_cast<const QXPOINT&>(other);
}
int QXPOINT::operator==(const QXPOINT& other) const { return (x == other.x && y == other.y) ? 1 : 0; }
int QXPOINT::operator!=(QXPOINT& other) {
    return static_cast<const QXPOINT&>(*this) != static_cast<const QXPOINT&>(other);
}
int QXPOINT::operator!=(const QXPOINT& other) const { return (*this == other) ? 0 : 1; }

QXPOINT& QXPOINT::operator*=(double f) {
    x *= f;
    y *= f;
    return *this;
}

QXPOINT& QXPOINT::operator+=(const QXPOINT& other) {
    x += other.x;
    y += other.y;
    return *this;
}

QXPOINT& QXPOINT::operator+=(const QXSIZE& size) {
    x += size.cx;
    y += size.cy;
    return *this;
}

POINT QXPOINT::ConvertToPOINT() const { return POINT{TruncateToLong(x), TruncateToLong(y)}; }

// ---- QXPOINT3D ----------------------------------------------------------------------------------

QXPOINT3D& QXPOINT3D::operator=(const QXPOINT3D& other) {
    x = other.x;
    y = other.y;
    z = other.z;
    return *this;
}

// ---- FLOATRECT ----------------------------------------------------------------------------------

void FLOATRECT::operator=(const FLOATRECT& other) {
    left = other.left;
    top = other.top;
    right = other.right;
    bottom = other.bottom;
}

int FLOATRECT::operator==(const FLOATRECT& other) const { return SameRect(*this, other); }
int FLOATRECT::operator!=(const FLOATRECT& other) const { return SameRect(*this, other) ? 0 : 1; }

FLOATRECT& FLOATRECT::operator*=(double f) {
    left *= f;
    top *= f;
    right *= f;
    bottom *= f;
    return *this;
}

FLOATRECT& FLOATRECT::operator+=(FLOATPOINT offset) {
    left += offset.x;
    right += offset.x;
    top += offset.y;
    bottom += offset.y;
    return *this;
}

FLOATRECT& FLOATRECT::operator+=(const FLOATSIZE& offset) {
    left += offset.cx;
    right += offset.cx;
    top += offset.cy;
    bottom += offset.cy;
    return *this;
}

double FLOATRECT::GetWidth() const { return std::fabs(right - left); }
double FLOATRECT::GetHeight() const { return std::fabs(top - bottom); }
FLOATSIZE FLOATRECT::GetSize() const { return FLOATSIZE(GetWidth(), GetHeight()); }
FLOATPOINT FLOATRECT::GetCenter() const { return FLOATPOINT((left + right) * 0.5, (bottom + top) * 0.5); }
int FLOATRECT::PointInRect(FLOATPOINT point) const { return InRect(*this, point.x, point.y); }

void FLOATRECT::GetNodePointArray(FLOATPOINT* out) const {
    if (!out) return;
    out[0] = FLOATPOINT(left, top);
    out[1] = FLOATPOINT(right, top);
    out[2] = FLOATPOINT(right, bottom);
    out[3] = FLOATPOINT(left, bottom);
}

RECT FLOATRECT::ConvertToRECT() const { return ToRECT(*this); }

// ---- QXRECT ---------------------------------------------------------------------------------------

void QXRECT::operator=(const QXRECT& other) {
    left = other.left;
    top = other.top;
    right = other.right;
    bottom = other.bottom;
}

int QXRECT::operator==(const QXRECT& other) const { return SameRect(*this, other); }
int QXRECT::operator!=(const QXRECT& other) const { return SameRect(*this, other) ? 0 : 1; }

QXRECT& QXRECT::operator*=(double f) {
    left *= f;
    top *= f;
    right *= f;
    bottom *= f;
    return *this;
}

QXRECT& QXRECT::operator+=(const QXPOINT& offset) {
    left += offset.x;
    right += offset.x;
    top += offset.y;
    bottom += offset.y;
    return *this;
}

QXRECT& QXRECT::operator+=(const QXSIZE& offset) {
    left += offset.cx;
    right += offset.cx;
    top += offset.cy;
    bottom += offset.cy;
    return *this;
}

double QXRECT::GetWidth() const { return std::fabs(right - left); }
double QXRECT::GetHeight() const { return std::fabs(top - bottom); }
QXSIZE QXRECT::GetSize() const { return QXSIZE(GetWidth(), GetHeight()); }
QXPOINT QXRECT::GetCenter() const { return QXPOINT((left + right) * 0.5, (bottom + top) * 0.5, 0); }
int QXRECT::PointInRect(QXPOINT point) const { return InRect(*this, point.x, point.y); }
RECT QXRECT::ConvertToRECT() const { return ToRECT(*this); }
