#include "hosttypes/Parsnip/QXObjectRect.h"

#include <string>

IMPLEMENT_DYNAMIC(CQXObjectRect, CQXObjectLine)

CQXObjectRect::CQXObjectRect(CQXLayer* layer) : CQXObjectLine(layer) { SetClassNameG("CQXObjectRect"); }
CQXObjectRect::~CQXObjectRect() = default;

double CQXObjectRect::GetRadiusA() const { return m_dRadiusA; }

void CQXObjectRect::SetRadiusA(double radius) {
    m_dRadiusA = radius;
    Touched("CQXObjectRect::SetRadiusA", std::to_string(radius));
}

double CQXObjectRect::GetRadiusB() const { return m_dRadiusB; }

void CQXObjectRect::SetRadiusB(double radius) {
    m_dRadiusB = radius;
    Touched("CQXObjectRect::SetRadiusB", std::to_string(radius));
}

double CQXObjectRect::GetAngle() const { return m_dAngle; }

void CQXObjectRect::SetAngle(double angle) {
    m_dAngle = angle;
    Touched("CQXObjectRect::SetAngle", std::to_string(angle));
}

FLOATSIZE CQXObjectRect::GetRoundSize() const { return m_roundSize; }

void CQXObjectRect::SetRoundSize(FLOATSIZE size) {
    m_roundSize = size;
    Touched("CQXObjectRect::SetRoundSize", std::to_string(size.cx) + "," + std::to_string(size.cy));
}
