#include "hosttypes/Parsnip/QXObjectLine.h"

#include <cmath>

#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"

IMPLEMENT_DYNAMIC(CQXObjectLine, CQXObject)
IMPLEMENT_DYNAMIC(CQXObjectPolyline, CQXObjectLine)

CQXObjectLine::CQXObjectLine(CQXLayer* layer) : CQXObject(layer) { SetClassNameG("CQXObjectLine"); }
CQXObjectLine::~CQXObjectLine() = default;

void CQXObjectLine::GetLogPen(QXLOGPEN* pen) const {
    if (pen) *pen = m_pen;
}

void CQXObjectLine::SetLogPen(QXLOGPEN* pen) {
    if (!pen) return;
    m_pen = *pen;
    Touched("CQXObjectLine::SetLogPen");
}

void CQXObjectLine::GetLogBrush(QXLOGBRUSH* brush) const {
    if (brush) *brush = m_brush;
}

void CQXObjectLine::SetLogBrush(QXLOGBRUSH* brush) {
    if (!brush) return;
    m_brush = *brush;
    Touched("CQXObjectLine::SetLogBrush");
}

UINT CQXObjectLine::GetLineStyle() const { return m_pen.style; }
float CQXObjectLine::GetPenSize() const { return m_pen.width; }
COLORREF CQXObjectLine::GetLineColor() const { return m_pen.color; }

int CQXObjectLine::GetShapeType() { return m_nShapeType; }

void CQXObjectLine::SetShapeType(int shape) {
    m_nShapeType = shape;
    Touched("CQXObjectLine::SetShapeType", std::to_string(shape));
}

namespace {
constexpr double kPi = 3.14159265358979323846;
}

CQXObjectPolyline::CQXObjectPolyline(CQXLayer* layer) : CQXObjectLine(layer) { SetClassNameG("CQXObjectPolyline"); }
CQXObjectPolyline::~CQXObjectPolyline() = default;

int CQXObjectPolyline::IsClosed() { return m_nClose ? 1 : 0; }
int CQXObjectPolyline::GetPointCount() { return static_cast<int>(m_points.size()); }

bool CQXObjectPolyline::GetPoint(int i, FLOATPOINT& point) {
    if (i < 0 || i >= GetPointCount()) return false;
    point = m_points[static_cast<std::size_t>(i)];
    return true;
}

bool CQXObjectPolyline::SetPoint(int i, const FLOATPOINT& point) {
    if (i < 0 || i >= GetPointCount()) return false;
    m_points[static_cast<std::size_t>(i)] = point;
    m_dAngle = CaculateAngle();
    Touched("CQXObjectPolyline::SetPoint", std::to_string(i));
    return true;
}

int CQXObjectPolyline::BeginNodeEdit() {
    parsnip::testing::Record("CQXObjectPolyline::BeginNodeEdit", this);
    return 0;
}

void CQXObjectPolyline::SetClose(int close) {
    m_nClose = close ? 1 : 0;
    Touched("CQXObjectPolyline::SetClose", std::to_string(m_nClose));
}

double CQXObjectPolyline::CaculateAngle() {
    if (m_points.size() < 2) return 0;
    const double dx = m_points[1].x - m_points[0].x;
    const double dy = m_points[1].y - m_points[0].y;
    if (dx == 0 && dy == 0) return 0;
    double a = std::atan2(dx, dy) * 180.0 / kPi;
    if (a < 0) a += 360.0;
    return a;
}

double CQXObjectPolyline::GetAngle() { return m_dAngle; }

void CQXObjectPolyline::SetAngle(double a) {
    m_dAngle = a;
    if (m_points.size() == 2) {
        const double dx = m_points[1].x - m_points[0].x;
        const double dy = m_points[1].y - m_points[0].y;
        const double length = std::sqrt(dx * dx + dy * dy);
        const double r = a * kPi / 180.0;
        m_points[1] = FLOATPOINT(m_points[0].x + length * std::sin(r), m_points[0].y + length * std::cos(r));
    }
    Touched("CQXObjectPolyline::SetAngle");
}

void CQXObjectPolyline::ReverseDirection() {
    std::vector<FLOATPOINT> reversed(m_points.rbegin(), m_points.rend());
    m_points.swap(reversed);
    m_dAngle = CaculateAngle();
    // A stratum map's boundary lines keep their direction as an attribute (1 forward, the default).
    int direction = 1;
    m_propertyManager.GetBoolProperty("PINCHOUT_DIRECTION", direction);
    m_propertyManager.SetBoolProperty("PINCHOUT_DIRECTION", direction ? 0 : 1);
    Touched("CQXObjectPolyline::ReverseDirection");
}

void CQXObjectPolyline::SetPoints(const std::vector<FLOATPOINT>& points) {
    m_points = points;
    m_dAngle = CaculateAngle();
    Touched("CQXObjectPolyline::SetPoints");
}
