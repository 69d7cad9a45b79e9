// IkelSpace: maps an axis's values to positions between two points.
// parametersForAngleSpace: what an angle axis hands its space.
#pragma once

#include "hosttypes/Parsnip/Geometry.h"

class CkelAxisAngle;

class IkelSpace {
public:
    IkelSpace() = default;
    virtual ~IkelSpace() = default;
    IkelSpace(const IkelSpace&) = default;
    IkelSpace& operator=(const IkelSpace&) = default;

    void setParameters(FLOATPOINT first, FLOATPOINT last, double firstValue, double lastValue);
    void setFirstFPoint(FLOATPOINT point);
    void setLastFPoint(FLOATPOINT point);
    void setFirstSpaceValue(double value);
    void SetLastSpaceValue(double value);
    FLOATPOINT getFirstFPoint() const;
    FLOATPOINT getLastFPoint() const;
    double getFirstSpaceValue() const;
    double getLastSpaceValue() const;
    bool IsPositiveRegion() const;

protected:
    FLOATPOINT m_firstPoint;
    FLOATPOINT m_lastPoint;
    double m_dFirstValue = 0;
    double m_dLastValue = 0;
    bool m_bPositiveRegion = false;
};

struct parametersForAngleSpace {
    parametersForAngleSpace() = default;

    // The axis fills its angle parameters, then its range, direction and spacing are copied.
    void getParasFromAxis(CkelAxisAngle* axis);

    double m_dStartAngle = 0;  // radians
    double m_dSweepAngle = 0;  // radians
    double m_dMin = 0;
    double m_dMax = 0;
    bool m_bDescend = false;
    double m_dIntervalSpacing = 0;
};
