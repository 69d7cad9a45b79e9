// CQXObjectPolyline: a map line through a run of points, open or closed, with an arrow at each
// end. Its point access and closed-state query are virtual operations of the library without
// names of their own, named here in the order the library declares them.
#pragma once

#include <vector>

#include "hosttypes/Parsnip/QXObjectLine.h"

// The arrow at one end of a polyline: its type and its length.
class CArrow {
public:
    enum ARROWTYPE : int { ARROW_NONE = 0, ARROW_SIMPLE = 1, ARROW_RIGHTANGLE = 2 };

    CArrow() = default;
    CArrow(const CArrow&) = default;
    CArrow& operator=(const CArrow&) = default;

    int GetArrowType() const { return m_nType; }
    void SetArrowType(int type) { m_nType = type; }
    double GetArrowLength() const { return m_dLength; }
    void SetArrowLength(double length) { m_dLength = length; }

private:
    double m_dLength = 0;
    double m_dWidth = 0;
    int m_nType = ARROW_NONE;
    int m_nFill = 0;
    unsigned int m_words[6] = {};
};

class CQXObjectPolyline : public CQXObjectLine {
    DECLARE_DYNAMIC(CQXObjectPolyline)
public:
    explicit CQXObjectPolyline(CQXLayer* layer = nullptr);
    ~CQXObjectPolyline() override;

    // 1 when the line is closed.
    virtual int IsClosed();
    virtual int GetPointCount();
    // Point i; false (point unchanged) outside the line.
    virtual bool GetPoint(int i, FLOATPOINT& point);
    virtual bool SetPoint(int i, const FLOATPOINT& point);
    // Called before a node is moved by an editor; the stand-in only records it.
    virtual int BeginNodeEdit();

    void SetClose(int close);
    // Azimuth of the first segment in degrees, clockwise from north (0 up to 360).
    double CaculateAngle();
    // The azimuth last set (or computed when the points were set).
    double GetAngle();
    // Turns a two-point line about its first point to the azimuth a (degrees).
    void SetAngle(double a);
    void ReverseDirection();

    CArrow* GetBegArrow() { return &m_begArrow; }
    CArrow* GetEndArrow() { return &m_endArrow; }

    // Library side for fixtures: replaces the points (renews the stamp, keeps the azimuth in step).
    void SetPoints(const std::vector<FLOATPOINT>& points);

protected:
    std::vector<FLOATPOINT> m_points;
    int m_nClose = 0;
    double m_dAngle = 0;
    CArrow m_begArrow;
    CArrow m_endArrow;
};
