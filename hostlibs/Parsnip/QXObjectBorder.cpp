#include "hosttypes/Parsnip/QXObjectBorder.h"

#include <algorithm>
#include <cmath>
#include <string>

IMPLEMENT_DYNAMIC(CQXObjectBorder, CQXObject)

namespace {
// Decimal digits of the integer part of the widest of two coordinates (NaN ones count as 0);
// a double holds no more than 15 significant ones, and a small extent still has its one digit.
unsigned DigitsOf(double a, double b) {
    const double fa = std::isnan(a) ? 0 : std::fabs(a);
    const double fb = std::isnan(b) ? 0 : std::fabs(b);
    double v = std::max(fa, fb);
    unsigned digits = 1;
    if (v >= 1e15) return 15;
    while (v >= 10) {
        v /= 10;
        ++digits;
    }
    return digits;
}
}  // namespace

CQXObjectBorder::CQXObjectBorder(CQXLayer* layer) : CQXObject(layer) { SetClassNameG("CQXObjectBorder"); }
CQXObjectBorder::~CQXObjectBorder() = default;

FLOATRECT CQXObjectBorder::GetBorderExtent() const { return m_extent; }

void CQXObjectBorder::SetBorderExtent(CONTROLNODE node, double value) {
    switch (node) {
        case NODE_LEFT:
            m_extent.left = value;
            break;
        case NODE_RIGHT:
            m_extent.right = value;
            break;
        case NODE_TOP:
            m_extent.top = value;
            break;
        case NODE_BOTTOM:
            m_extent.bottom = value;
            break;
        default:
            return;
    }
    m_rectMap = m_extent;
    Touched("CQXObjectBorder::SetBorderExtent", std::to_string(node) + "," + std::to_string(value));
}

void CQXObjectBorder::SetKNumCountX2(unsigned count) {
    m_nKNumCountX2 = std::min(count, GetKMaxNumCountX2());
    Touched("CQXObjectBorder::SetKNumCountX2", std::to_string(m_nKNumCountX2));
}

void CQXObjectBorder::SetKNumCountY2(unsigned count) {
    m_nKNumCountY2 = std::min(count, GetKMaxNumCountY2());
    Touched("CQXObjectBorder::SetKNumCountY2", std::to_string(m_nKNumCountY2));
}

unsigned CQXObjectBorder::GetKMaxNumCountX2() const { return DigitsOf(m_extent.left, m_extent.right); }
unsigned CQXObjectBorder::GetKMaxNumCountY2() const { return DigitsOf(m_extent.top, m_extent.bottom); }
