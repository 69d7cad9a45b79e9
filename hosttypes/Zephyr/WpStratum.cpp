#include "hosttypes/Zephyr/WpStratum.h"

WPKITTYPE CWpStratum::GetWpKitType() { return WPKIT_STRATUM; }
STRATUMTYPE CWpStratum::GetStratumType() { return m_stratumType; }
void CWpStratum::SetStratumType(STRATUMTYPE type) { m_stratumType = type; }
QXLOGPOINT& CWpStratum::GetFaultLogPoint() { return m_faultLogPoint; }
void CWpStratum::SetFaultLogPoint(const QXLOGPOINT& point) { m_faultLogPoint = point; }
int CWpStratum::IsFaultPointVisible() { return m_nFaultPointVisible; }
void CWpStratum::SetFaultPointVisible(bool visible) { m_nFaultPointVisible = visible ? 1 : 0; }
QXLOGFONT& CWpStratum::GetFontFault() { return m_fontFault; }
void CWpStratum::SetFontFault(const QXLOGFONT& font) { m_fontFault = font; }
QXLOGPEN& CWpStratum::GetDivideLogPen() { return m_divideLogPen; }
void CWpStratum::SetDivideLogPen(const QXLOGPEN& pen) { m_divideLogPen = pen; }
QXLOGPOINT& CWpStratum::GetDivideLogPoint() { return m_divideLogPoint; }
void CWpStratum::SetDivideLogPoint(const QXLOGPOINT& point) { m_divideLogPoint = point; }
bool CWpStratum::IsDivideLineVisible() { return m_bDivideLineVisible; }
void CWpStratum::SetDivideLineVisible(bool visible) { m_bDivideLineVisible = visible; }
bool CWpStratum::IsDividePointVisible() { return m_bDividePointVisible; }
void CWpStratum::SetDividePointVisible(bool visible) { m_bDividePointVisible = visible; }
std::string CWpStratum::GetTableName() { return m_strTableName; }
std::string CWpStratum::GetFiledName() { return m_strFiledName; }
