#include "hosttypes/Parsnip/QXObjectBitmap.h"

IMPLEMENT_DYNAMIC(CQXObjectBitmap, CQXObject)

CQXObjectBitmap::CQXObjectBitmap(CQXLayer* layer) : CQXObject(layer) { SetClassNameG("CQXObjectBitmap"); }
CQXObjectBitmap::~CQXObjectBitmap() = default;

CString CQXObjectBitmap::GetFileName() const { return m_strFileName; }

void CQXObjectBitmap::SetFileName(const char* fileName) {
    m_strFileName = fileName ? fileName : "";
    Touched("CQXObjectBitmap::SetFileName", m_strFileName.str());
}

double CQXObjectBitmap::GetRadiusA() const { return m_dRadiusA; }

void CQXObjectBitmap::SetRadiusA(double radius) {
    m_dRadiusA = radius;
    Touched("CQXObjectBitmap::SetRadiusA", FormatString("%.17g", radius).str());
}

double CQXObjectBitmap::GetRadiusB() const { return m_dRadiusB; }

void CQXObjectBitmap::SetRadiusB(double radius) {
    m_dRadiusB = radius;
    Touched("CQXObjectBitmap::SetRadiusB", FormatString("%.17g", radius).str());
}

double CQXObjectBitmap::GetAngle() const { return m_dAngle; }

void CQXObjectBitmap::SetAngle(double radians) {
    m_dAngle = radians;
    Touched("CQXObjectBitmap::SetAngle", FormatString("%.17g", radians).str());
}
