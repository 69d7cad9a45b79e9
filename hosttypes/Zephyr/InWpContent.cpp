#include "hosttypes/Zephyr/InWpContent.h"

int InWpContent::GetGroup() { return m_nGroup; }
void InWpContent::SetGroup(int group) { m_nGroup = group; }

void InWpCurve::SetCurvePen(const QXLOGPEN& pen) { m_curvePen = pen; }
void InWpCurve::SetSquareWavePen(const QXLOGPEN& pen) { m_squareWavePen = pen; }
double InWpCurve::GetCurveStart() { return m_dCurveStart; }
void InWpCurve::SetCurveStart(double start) { m_dCurveStart = start; }
double InWpCurve::GetCurveStop() { return m_dCurveStop; }
void InWpCurve::SetCurveStop(double stop) { m_dCurveStop = stop; }
double InWpCurve::GetFrequency() { return m_dFrequency; }
void InWpCurve::SetFrequency(double frequency) { m_dFrequency = frequency; }
std::vector<POINT> InWpCurve::GetLeftBorder() { return m_leftBorder; }
std::vector<POINT> InWpCurve::GetRightBorder() { return m_rightBorder; }
int InWpCurve::GetDecimalDigit() { return m_nDecimalDigit; }
void InWpCurve::SetDecimalDigit(int digits) { m_nDecimalDigit = digits; }
void InWpCurve::SetValueRangeType(int type) { m_nValueRangeType = type; }
InWpCurve::ScaleShowWays InWpCurve::GetShowScale() { return m_showScale; }
void InWpCurve::SetShowScale(ScaleShowWays ways) { m_showScale = ways; }

int InWpSegment::GetDataSource() { return m_nDataSource; }
void InWpSegment::SetDataSource(int source) { m_nDataSource = source; }

int InWpStratum::IsBackColorShowed() { return m_nBackColorShowed; }
void InWpStratum::ShowBackColor(int show) { m_nBackColorShowed = show; }
bool InWpStratum::IsShowDivideLine() { return m_bShowDivideLine; }
void InWpStratum::ShowDivideLine(bool show) { m_bShowDivideLine = show; }
bool InWpStratum::IsShowDividePoint() { return m_bShowDividePoint; }
void InWpStratum::ShowDividePoint(bool show) { m_bShowDividePoint = show; }
QXLOGPEN& InWpStratum::GetLinepen() { return m_linePen; }
void InWpStratum::SetLinepen(const QXLOGPEN& pen) { m_linePen = pen; }
QXLOGPOINT& InWpStratum::GetDividePoint() { return m_dividePoint; }
void InWpStratum::SetDevidePoint(const QXLOGPOINT& point) { m_dividePoint = point; }

int InWpFacies::GetDevideLineShow() { return m_nDevideLineShow; }
void InWpFacies::SetDevideLineShow(int show) { m_nDevideLineShow = show; }
QXLOGPEN InWpFacies::GetLinePen() { return m_linePen; }
void InWpFacies::SetLinePen(QXLOGPEN pen) { m_linePen = pen; }

CString InWpParam::GetDataType() { return m_strDataType; }
void InWpParam::SetDataType(CString type) { m_strDataType = type; }
CString InWpParam::GetDataTable() { return m_strDataTable; }
void InWpParam::SetDataTable(CString table) { m_strDataTable = table; }
CString InWpParam::GetDataField() { return m_strDataField; }
void InWpParam::SetDataField(CString field) { m_strDataField = field; }
void InWpParam::SetTextFont(const QXLOGFONT& font) { m_textFont = font; }

CString InWpResult::GetDataType() { return m_strDataType; }
void InWpResult::SetDataType(CString type) { m_strDataType = type; }
CString InWpResult::GetDataTable() { return m_strDataTable; }
void InWpResult::SetDataTable(CString table) { m_strDataTable = table; }
CString InWpResult::GetDataField() { return m_strDataField; }
void InWpResult::SetDataField(CString field) { m_strDataField = field; }
QXLOGPOINT& InWpResult::GetDivideLogPoint() { return m_divideLogPoint; }
void InWpResult::SetDivideLogPoint(const QXLOGPOINT& point) { m_divideLogPoint = point; }
bool InWpResult::IsDividePointVisible() { return m_bDividePointVisible; }
void InWpResult::SetDividePointVisible(bool visible) { m_bDividePointVisible = visible; }
QXLOGPEN& InWpResult::GetDivideLinePen() { return m_divideLinePen; }
void InWpResult::SetDivideLinePen(const QXLOGPEN& pen) { m_divideLinePen = pen; }
bool InWpResult::IsDivideLineVisible() { return m_bDivideLineVisible; }
void InWpResult::SetDivideLineVisible(bool visible) { m_bDivideLineVisible = visible; }
bool InWpResult::IsLabelVisible() { return m_bLabelVisible; }
void InWpResult::SetLabelVisible(bool visible) { m_bLabelVisible = visible; }
QXLOGFONT& InWpResult::GetLabelFont() { return m_labelFont; }
void InWpResult::SetLabelFont(const QXLOGFONT& font) { m_labelFont = font; }
void InWpResult::SetSegBKColor(COLORREF color) { m_segBKColor = color; }
