#include "hosttypes/Parsnip/QXObjectQXM.h"

IMPLEMENT_DYNAMIC(CQXObjectQXM, CQXObject)

CQXObjectQXM::CQXObjectQXM(CQXLayer* layer) : CQXObject(layer) { SetClassNameG("CQXObjectQXM"); }
CQXObjectQXM::~CQXObjectQXM() = default;

CString CQXObjectQXM::GetFileName() const { return m_strFileName; }

void CQXObjectQXM::SetFileName(const char* fileName) {
    m_strFileName = fileName ? fileName : "";
    Touched("CQXObjectQXM::SetFileName", m_strFileName.str());
}

double CQXObjectQXM::GetRadiusA() const { return m_dRadiusA; }

void CQXObjectQXM::SetRadiusA(double radius) {
    m_dRadiusA = radius;
    Touched("CQXObjectQXM::SetRadiusA", FormatString("%.17g", radius).str());
}

double CQXObjectQXM::GetRadiusB() const { return m_dRadiusB; }

void CQXObjectQXM::SetRadiusB(double radius) {
    m_dRadiusB = radius;
    Touched("CQXObjectQXM::SetRadiusB", FormatString("%.17g", radius).str());
}

double CQXObjectQXM::GetFactor() const { return m_dFactor; }

void CQXObjectQXM::SetFactor(double factor) {
    m_dFactor = factor;
    Touched("CQXObjectQXM::SetFactor", FormatString("%.17g", factor).str());
}

void CQXObjectQXM::GetQXMCenter(double& x, double& y) const {
    x = m_dCenterX;
    y = m_dCenterY;
}

void CQXObjectQXM::SetQXMCenter(double x, double y) {
    m_dCenterX = x;
    m_dCenterY = y;
    Touched("CQXObjectQXM::SetQXMCenter", FormatString("%.17g %.17g", x, y).str());
}
