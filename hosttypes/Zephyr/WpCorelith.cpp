#include "hosttypes/Zephyr/WpCorelith.h"

WPKITTYPE CWpCorelith::GetWpKitType() { return WPKIT_CORELITH; }
void CWpCorelith::SetColthPer(double per) { m_dColthPer = per; }
QXLOGFONT& CWpCorelith::GetNameFont() { return m_nameFont; }
void CWpCorelith::SetNameFont(const QXLOGFONT& font) { m_nameFont = font; }
bool CWpCorelith::IsNameVisible() { return m_bNameVisible; }
void CWpCorelith::SetNameVisible(bool visible) { m_bNameVisible = visible; }
QXLOGPEN& CWpCorelith::GetDivideLogPen() { return m_divideLogPen; }
void CWpCorelith::SetDivideLogPen(const QXLOGPEN& pen) { m_divideLogPen = pen; }
bool CWpCorelith::IsDivideLineVisible() { return m_bDivideLineVisible; }
void CWpCorelith::SetDivideLineVisible(bool visible) { m_bDivideLineVisible = visible; }
QXLOGPOINT& CWpCorelith::GetDivideLogPoint() { return m_divideLogPoint; }
void CWpCorelith::SetDivideLogPoint(const QXLOGPOINT& point) { m_divideLogPoint = point; }
bool CWpCorelith::IsDividePointVisible() { return m_bDividePointVisible; }
void CWpCorelith::SetDividePointVisible(bool visible) { m_bDividePointVisible = visible; }
CString CWpCorelith::GetDataName() { return m_strDataName; }
std::string CWpCorelith::GetTableName() { return m_strTableName; }
std::string CWpCorelith::GetCorelithField() { return m_strCorelithField; }
std::string CWpCorelith::GetColorField() { return m_strColorField; }
std::string CWpCorelith::GetOilCodeField() { return m_strOilCodeField; }
std::string CWpCorelith::GetCorelithCodeField() { return m_strCorelithCodeField; }
