#include "hosttypes/Zephyr/WpResult.h"

WPKITTYPE CWpResult::GetWpKitType() { return WPKIT_RESULT; }
int CWpResult::GetSegCount() { return static_cast<int>(m_segments.size()); }
std::list<CgResultSegment*>& CWpResult::GetSegList() { return m_segments; }
CString* CWpResult::GetTableNames() { return m_tableNames.empty() ? nullptr : m_tableNames.data(); }
int CWpResult::GetTableNameCount() { return static_cast<int>(m_tableNames.size()); }
CString CWpResult::GetDataType() { return m_strDataType; }
void CWpResult::SetDataType(CString type) { m_strDataType = type; }
CString CWpResult::GetDataTable() { return m_strDataTable; }
void CWpResult::SetDataTable(CString table) { m_strDataTable = table; }
CString CWpResult::GetDataField() { return m_strDataField; }
void CWpResult::SetDataField(CString field) { m_strDataField = field; }
QXLOGPOINT& CWpResult::GetDivideLogPoint() { return m_divideLogPoint; }
void CWpResult::SetDivideLogPoint(const QXLOGPOINT& point) { m_divideLogPoint = point; }
bool CWpResult::IsDividePointVisible() { return m_bDividePointVisible; }
void CWpResult::SetDividePointVisible(bool visible) { m_bDividePointVisible = visible; }
QXLOGPEN& CWpResult::GetDivideLinePen() { return m_divideLinePen; }
void CWpResult::SetDivideLinePen(const QXLOGPEN& pen) { m_divideLinePen = pen; }
bool CWpResult::IsDivideLineVisible() { return m_bDivideLineVisible; }
void CWpResult::SetDivideLineVisible(bool visible) { m_bDivideLineVisible = visible; }
bool CWpResult::IsLabelVisible() { return m_bLabelVisible; }
void CWpResult::SetLabelVisible(bool visible) { m_bLabelVisible = visible; }
QXLOGFONT& CWpResult::GetLabelFont() { return m_labelFont; }
void CWpResult::SetLabelFont(const QXLOGFONT& font) { m_labelFont = font; }
