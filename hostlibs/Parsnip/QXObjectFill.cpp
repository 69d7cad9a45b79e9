#include "hosttypes/Parsnip/QXObjectFill.h"

#include <cmath>

#include "hosttypes/Parsnip/QXSegment.h"

IMPLEMENT_DYNAMIC(CQXFillBoundary, CObject)
IMPLEMENT_DYNAMIC(CQXObjectFill, CQXObject)

CQXFillBoundary::CQXFillBoundary() = default;
CQXFillBoundary::~CQXFillBoundary() = default;

CQXObjectFill::CQXObjectFill(CQXLayer* layer) : CQXObject(layer) { SetClassNameG("CQXObjectFill"); }
CQXObjectFill::~CQXObjectFill() = default;

void CQXObjectFill::GetLogBrush(QXLOGBRUSH* brush) const {
    if (brush) *brush = m_brush;
}

void CQXObjectFill::SetLogBrush(QXLOGBRUSH* brush) {
    if (!brush) return;
    m_brush = *brush;
    Touched("CQXObjectFill::SetLogBrush");
}

namespace {
// Area enclosed by one ring (the ring closes itself), whatever its winding.
double RingArea(const CQXSegment& ring) {
    const int n = ring.GetPointCount();
    if (n < 3) return 0.0;
    double twice = 0.0;
    FLOATPOINT a, b;
    for (int i = 0; i < n; ++i) {
        ring.GetPoint(i, a);
        ring.GetPoint((i + 1) % n, b);
        twice += a.x * b.y - b.x * a.y;
    }
    return std::fabs(twice) / 2.0;
}
}  // namespace

double CQXObjectFill::GetArea() const {
    if (IsEmptySegment()) return 0.0;
    double area = RingArea(*GetSegment(0));
    for (int i = 1; i < GetSegmentCount(); ++i) area -= RingArea(*GetSegment(i));
    return area > 0.0 ? area : 0.0;
}
