#include "hosttypes/Zephyr/WpSand.h"

WPKITTYPE CWpSand::GetWpKitType() { return WPKIT_SAND; }
int CWpSand::GetSymbleType() { return m_nSymbleType; }
int CWpSand::GetVLinePos() { return m_nVLinePos; }
float CWpSand::GetLineSize() { return m_fLineSize; }
double CWpSand::GetSymbleLeftPos() { return m_dSymbleLeftPos; }
double CWpSand::GetSymbleRightPos() { return m_dSymbleRightPos; }
QXLOGPEN& CWpSand::GetLogDividePen() { return m_divideLogPen; }
void CWpSand::SetLogDividePen(QXLOGPEN& pen) { m_divideLogPen = pen; }
bool CWpSand::IsDivideLineVisible() { return m_bDivideLineVisible; }
void CWpSand::SetDivideLineVisible(bool visible) { m_bDivideLineVisible = visible; }
bool CWpSand::IsFill() { return m_bFill; }
void CWpSand::SetFill(bool fill) { m_bFill = fill; }
COLORREF CWpSand::GetFillColor() { return m_fillColor; }
void CWpSand::SetFillColor(COLORREF color) { m_fillColor = color; }
CString CWpSand::GetDataName() { return m_strDataName; }
