// CQXObjectPolyline: a map polyline with an arrow at each end. Only the arrow members the
// framework's arrow items need so far; the polyline's other members grow with the plane-map lists.
#pragma once

#include "hosttypes/Parsnip/QXObject.h"

// The arrow at one end of a polyline: its type and its length.
class CArrow {
public:
    enum ARROWTYPE : int { ARROW_NONE = 0, ARROW_SIMPLE = 1, ARROW_RIGHTANGLE = 2 };

    int GetArrowType() const { return m_nType; }
    void SetArrowType(int type) { m_nType = type; }
    double GetArrowLength() const { return m_dLength; }
    void SetArrowLength(double length) { m_dLength = length; }

private:
    int m_nType = ARROW_NONE;
    double m_dLength = 0;
};

class CQXObjectPolyline : public CQXObject {
    DECLARE_DYNAMIC(CQXObjectPolyline)
public:
    explicit CQXObjectPolyline(CQXLayer* layer = nullptr) : CQXObject(layer) {}

    CArrow* GetBegArrow() { return &m_begArrow; }
    CArrow* GetEndArrow() { return &m_endArrow; }

private:
    CArrow m_begArrow;
    CArrow m_endArrow;
};
