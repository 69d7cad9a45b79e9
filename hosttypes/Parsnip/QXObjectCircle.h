// CQXObjectCircle: an ellipse or elliptic arc centred on the object's anchor. Every value of
// its own is kept by the map-object library.
#pragma once

#include "hosttypes/Parsnip/QXObjectLine.h"

// Drawing direction of an arc: 1 forward (counter-clockwise), 2 backward.
enum SEGMENTDIRECTION : int { SEGMENTDIRECTION_FORWARD = 1, SEGMENTDIRECTION_BACKWARD = 2 };

class CQXObjectCircle : public CQXObjectLine {
    DECLARE_DYNAMIC(CQXObjectCircle)
public:
    explicit CQXObjectCircle(CQXLayer* layer = nullptr);
    ~CQXObjectCircle() override;

    // Direction of the A axis, radians.
    double GetAngle() const;
    void SetAngle(double angle);
    // Half axes, map units.
    double GetRadiusA() const;
    void SetRadiusA(double radius);
    double GetRadiusB() const;
    void SetRadiusB(double radius);
    // Start and stop of the arc, radians (equal angles draw the whole ellipse).
    double GetStartAngle() const;
    void SetStartAngle(double angle);
    double GetStopAngle() const;
    void SetStopAngle(double angle);
    SEGMENTDIRECTION GetDirection() const;
    void SetDirection(SEGMENTDIRECTION direction);

protected:
    double m_dAngle = 0;
    double m_dRadiusA = 0;
    double m_dRadiusB = 0;
    double m_dStartAngle = 0;
    double m_dStopAngle = 0;
    SEGMENTDIRECTION m_nDirection = SEGMENTDIRECTION_FORWARD;
};
