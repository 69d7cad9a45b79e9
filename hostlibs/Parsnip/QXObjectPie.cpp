#include "hosttypes/Parsnip/QXObjectPie.h"

#include <string>

IMPLEMENT_DYNAMIC(CQXObjectPie, CQXObject)

CQXObjectPie::CQXObjectPie(CQXLayer* layer) : CQXObject(layer) { SetClassNameG("CQXObjectPie"); }
CQXObjectPie::~CQXObjectPie() = default;

int CQXObjectPie::GetRecordCount() const { return m_nRecordCount; }
int CQXObjectPie::GetShapeType() const { return m_nShapeType; }

void CQXObjectPie::SetRecordCount(int count) {
    m_nRecordCount = count > 0 ? count : 0;
    Touched("CQXObjectPie::SetRecordCount", std::to_string(m_nRecordCount));
}

void CQXObjectPie::SetShapeType(int shape) {
    m_nShapeType = shape;
    Touched("CQXObjectPie::SetShapeType", std::to_string(shape));
}

void CQXObjectPie::GetFont(QXLOGFONT& font) const { font = m_font; }

void CQXObjectPie::SetFont(QXLOGFONT& font) {
    m_font = font;
    Touched("CQXObjectPie::SetFont");
}

void CQXObjectPie::GetPen(QXLOGPEN& pen) const { pen = m_pen; }

void CQXObjectPie::SetPen(QXLOGPEN& pen) {
    m_pen = pen;
    Touched("CQXObjectPie::SetPen");
}

int CQXObjectPie::GetDrawOrgLine() const { return m_nDrawOrgLine; }

void CQXObjectPie::SetDrawOrgLine(int draw) {
    m_nDrawOrgLine = draw;
    Touched("CQXObjectPie::SetDrawOrgLine", std::to_string(draw));
}

void CQXObjectPie::GetDrawOrgLine(QXLOGPEN* pen) const {
    if (pen) *pen = m_orgLinePen;
}

void CQXObjectPie::SetDrawOrgLine(QXLOGPEN& pen) {
    m_orgLinePen = pen;
    Touched("CQXObjectPie::SetDrawOrgLine");
}

void CQXObjectPie::GetBotPen(QXLOGPEN& pen) const { pen = m_botPen; }

void CQXObjectPie::SetBotPen(QXLOGPEN& pen) {
    m_botPen = pen;
    Touched("CQXObjectPie::SetBotPen");
}

int CQXObjectPie::GetXMove() const { return m_nXMove; }

void CQXObjectPie::SetXMove(int value) {
    m_nXMove = value;
    Touched("CQXObjectPie::SetXMove", std::to_string(value));
}

int CQXObjectPie::GetYMove() const { return m_nYMove; }

void CQXObjectPie::SetYMove(int value) {
    m_nYMove = value;
    Touched("CQXObjectPie::SetYMove", std::to_string(value));
}

int CQXObjectPie::GetDrawBotLine() const { return m_nDrawBotLine; }

void CQXObjectPie::SetDrawBotLine(int value) {
    m_nDrawBotLine = value;
    Touched("CQXObjectPie::SetDrawBotLine", std::to_string(value));
}

double CQXObjectPie::GetBotWidth() const { return m_dBotWidth; }

void CQXObjectPie::SetBotWidth(double value) {
    m_dBotWidth = value;
    Touched("CQXObjectPie::SetBotWidth", std::to_string(value));
}

double CQXObjectPie::GetRadius() const { return m_dRadius; }

void CQXObjectPie::SetRadius(double value) {
    m_dRadius = value;
    Touched("CQXObjectPie::SetRadius", std::to_string(value));
}

double CQXObjectPie::GetUpRadius() const { return m_dUpRadius; }

void CQXObjectPie::SetUpRadius(double value) {
    m_dUpRadius = value;
    Touched("CQXObjectPie::SetUpRadius", std::to_string(value));
}

double CQXObjectPie::GetBarWidth() const { return m_dBarWidth; }

void CQXObjectPie::SetBarWidth(double value) {
    m_dBarWidth = value;
    Touched("CQXObjectPie::SetBarWidth", std::to_string(value));
}

double CQXObjectPie::GetBarHeight() const { return m_dBarHeight; }

void CQXObjectPie::SetBarHeight(double value) {
    m_dBarHeight = value;
    Touched("CQXObjectPie::SetBarHeight", std::to_string(value));
}

double CQXObjectPie::GetBarInterv() const { return m_dBarInterv; }

void CQXObjectPie::SetBarInterv(double value) {
    m_dBarInterv = value;
    Touched("CQXObjectPie::SetBarInterv", std::to_string(value));
}

double CQXObjectPie::GetBarCurveHeight() const { return m_dBarCurveHeight; }

void CQXObjectPie::SetBarCurveHeight(double value) {
    m_dBarCurveHeight = value;
    Touched("CQXObjectPie::SetBarCurveHeight", std::to_string(value));
}

int CQXObjectPie::GetUpPropCount() const { return m_nUpPropCount; }

void CQXObjectPie::SetUpPropCount(int value) {
    m_nUpPropCount = value;
    Touched("CQXObjectPie::SetUpPropCount", std::to_string(value));
}
