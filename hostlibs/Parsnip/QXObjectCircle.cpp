#include "hosttypes/Parsnip/QXObjectCircle.h"

#include <string>

IMPLEMENT_DYNAMIC(CQXObjectCircle, CQXObjectLine)

CQXObjectCircle::CQXObjectCircle(CQXLayer* layer) : CQXObjectLine(layer) { SetClassNameG("CQXObjectCircle"); }
CQXObjectCircle::~CQXObjectCircle() = default;

double CQXObjectCircle::GetAngle() const { return m_dAngle; }

void CQXObjectCircle::SetAngle(double angle) {
    m_dAngle = angle;
    Touched("CQXObjectCircle::SetAngle", std::to_string(angle));
}

double CQXObjectCircle::GetRadiusA() const { return m_dRadiusA; }

void CQXObjectCircle::SetRadiusA(double radius) {
    m_dRadiusA = radius;
    Touched("CQXObjectCircle::SetRadiusA", std::to_string(radius));
}

double CQXObjectCircle::GetRadiusB() const { return m_dRadiusB; }

void CQXObjectCircle::SetRadiusB(double radius) {
    m_dRadiusB = radius;
    Touched("CQXObjectCircle::SetRadiusB", std::to_string(radius));
}

double CQXObjectCircle::GetStartAngle() const { return m_dStartAngle; }

void CQXObjectCircle::SetStartAngle(double angle) {
    m_dStartAngle = angle;
    Touched("CQXObjectCircle::SetStartAngle", std::to_string(angle));
}

double CQXObjectCircle::GetStopAngle() const { return m_dStopAngle; }

void CQXObjectCircle::SetStopAngle(double angle) {
    m_dStopAngle = angle;
    Touched("CQXObjectCircle::SetStopAngle", std::to_string(angle));
}

SEGMENTDIRECTION CQXObjectCircle::GetDirection() const { return m_nDirection; }

void CQXObjectCircle::SetDirection(SEGMENTDIRECTION direction) {
    m_nDirection = direction;
    Touched("CQXObjectCircle::SetDirection", std::to_string(direction));
}
