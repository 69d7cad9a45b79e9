#include "hosttypes/Parsnip/QXObjectPoint.h"

IMPLEMENT_DYNAMIC(CQXObjectPoint, CQXObject)

CQXObjectPoint::CQXObjectPoint(CQXLayer* layer) : CQXObject(layer) { SetClassNameG("CQXObjectPoint"); }
CQXObjectPoint::~CQXObjectPoint() = default;

void CQXObjectPoint::GetLogPoint(QXLOGPOINT* point) const {
    if (point) *point = m_logPoint;
}

void CQXObjectPoint::SetLogPoint(QXLOGPOINT* point) {
    if (!point) return;
    m_logPoint = *point;
    Touched("CQXObjectPoint::SetLogPoint");
}
