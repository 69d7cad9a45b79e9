// The wells' feet on the look-down map's shadow line.
#pragma once

#include <list>
#include <string>

#include "hosttypes/Parsnip/Geometry.h"

class ScWellMgr;

class CWellShadePoint {
public:
    struct CWellPoint {
        std::string well;
        FLOATPOINT point;
    };
    typedef std::list<CWellPoint> WellPointList;

    CWellShadePoint();
    CWellShadePoint(const CWellShadePoint& other);
    CWellShadePoint& operator=(const CWellShadePoint& other);
    virtual ~CWellShadePoint();

    void SetLinePoint(FLOATPOINT from, FLOATPOINT to) {
        m_lineFrom = from;
        m_lineTo = to;
    }
    FLOATPOINT GetLineFrom() const { return m_lineFrom; }
    FLOATPOINT GetLineTo() const { return m_lineTo; }
    void SetWellMgr(ScWellMgr* mgr) { m_pWellMgr = mgr; }
    ScWellMgr* GetWellMgr() const { return m_pWellMgr; }
    WellPointList* GetWellPoint() { return m_pWellPoints; }

private:
    FLOATPOINT m_lineFrom;
    FLOATPOINT m_lineTo;
    ScWellMgr* m_pWellMgr;
    WellPointList* m_pWellPoints;
};
