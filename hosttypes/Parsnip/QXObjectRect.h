// CQXObjectRect: a rectangle, possibly turned and with rounded corners, centred on the
// object's anchor. Every value of its own is kept by the map-object library.
#pragma once

#include "hosttypes/Parsnip/QXObjectLine.h"

class CQXObjectRect : public CQXObjectLine {
    DECLARE_DYNAMIC(CQXObjectRect)
public:
    explicit CQXObjectRect(CQXLayer* layer = nullptr);
    ~CQXObjectRect() override;

    // Half the length and half the width, map units.
    double GetRadiusA() const;
    void SetRadiusA(double radius);
    double GetRadiusB() const;
    void SetRadiusB(double radius);
    // Rotation in radians.
    double GetAngle() const;
    void SetAngle(double angle);
    // Half axes of the corner ellipses.
    FLOATSIZE GetRoundSize() const;
    void SetRoundSize(FLOATSIZE size);

protected:
    double m_dRadiusA = 0;
    double m_dRadiusB = 0;
    double m_dAngle = 0;
    FLOATSIZE m_roundSize;
};
