// CQXObjectPoint: a point symbol placed on a map at the object's anchor.
#pragma once

#include "hosttypes/Parsnip/QXObject.h"

class CQXObjectPoint : public CQXObject {
    DECLARE_DYNAMIC(CQXObjectPoint)
public:
    explicit CQXObjectPoint(CQXLayer* layer = nullptr);
    ~CQXObjectPoint() override;

    bool IsHighlight() const { return m_bHighlight; }
    void EnableHighlight(bool enable) { m_bHighlight = enable; }

    void GetLogPoint(QXLOGPOINT* point) const;
    void SetLogPoint(QXLOGPOINT* point);

protected:
    QXLOGPOINT m_logPoint;
    bool m_bHighlight = false;
};
