#include "hosttypes/Zephyr/WpIntegratedCore.h"

DATATYPE CWpIntegratedCore::GetDataSource() { return m_dataSource; }
void CWpIntegratedCore::SetDataSource(DATATYPE source) { m_dataSource = source; }
std::string CWpIntegratedCore::GetTable() { return m_strTable; }
void CWpIntegratedCore::SetTable(const std::string& table) { m_strTable = table; }
std::string CWpIntegratedCore::GetCoreTubeField() { return m_strCoreTubeField; }
void CWpIntegratedCore::SetCoreTubeField(const std::string& field) { m_strCoreTubeField = field; }
std::string CWpIntegratedCore::GetCoreLengthField() { return m_strCoreLengthField; }
void CWpIntegratedCore::SetCoreLengthField(const std::string& field) { m_strCoreLengthField = field; }
std::string CWpIntegratedCore::GetCoreFootageField() { return m_strCoreFootageField; }
void CWpIntegratedCore::SetCoreFootageField(const std::string& field) { m_strCoreFootageField = field; }
bool CWpIntegratedCore::GetShowTopBtm() { return m_bShowTopBtm; }
void CWpIntegratedCore::SetShowTopBtm(bool show) { m_bShowTopBtm = show; }
bool CWpIntegratedCore::GetShowCore() { return m_bShowCore; }
void CWpIntegratedCore::SetShowCore(bool show) { m_bShowCore = show; }
bool CWpIntegratedCore::GetShowRecovery() { return m_bShowRecovery; }
void CWpIntegratedCore::SetShowRecovery(bool show) { m_bShowRecovery = show; }
QXLOGBRUSH CWpIntegratedCore::GetBackColor() { return m_backColor; }
void CWpIntegratedCore::SetBackColor(QXLOGBRUSH brush) { m_backColor = brush; }
bool CWpIntegratedCore::GetBackColorOpen() { return m_bBackColorOpen; }
void CWpIntegratedCore::SetBackColorOpen(bool open) { m_bBackColorOpen = open; }
CWpIntegratedCore::HorizontalAlign CWpIntegratedCore::GetHorizontalAlign() { return m_horizontalAlign; }
void CWpIntegratedCore::SetHorizontalAlign(HorizontalAlign align) { m_horizontalAlign = align; }
QXLOGFONT CWpIntegratedCore::GetTextFont() { return m_textFont; }
void CWpIntegratedCore::SetTextFont(QXLOGFONT font) { m_textFont = font; }
QXLOGPEN CWpIntegratedCore::GetLinePen() { return m_linePen; }
void CWpIntegratedCore::SetLinePen(QXLOGPEN pen) { m_linePen = pen; }
