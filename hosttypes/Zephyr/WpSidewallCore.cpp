#include "hosttypes/Zephyr/WpSidewallCore.h"

DATATYPE CWpSidewallCore::GetDataSource() { return m_dataSource; }
std::string CWpSidewallCore::GetWellName() { return m_strWellName; }
void CWpSidewallCore::SetWellName(const std::string& name) { m_strWellName = name; }
double CWpSidewallCore::GetWidthRate() { return m_dWidthRate; }
void CWpSidewallCore::SetWidthRate(double rate) { m_dWidthRate = rate; }
int CWpSidewallCore::GetLeft() { return m_nLeft; }
void CWpSidewallCore::SetLeft(int left) { m_nLeft = left; }
int CWpSidewallCore::GetLithUp() { return m_nLithUp; }
void CWpSidewallCore::SetLithUp(int up) { m_nLithUp = up; }
void CWpSidewallCore::GetLinePen(QXLOGPEN& pen) { pen = m_linePen; }
void CWpSidewallCore::SetLinePen(const QXLOGPEN& pen) { m_linePen = pen; }
boost::shared_ptr<CSidewallCoreSeg> CWpSidewallCore::GetActiveCoreSeg() { return m_activeCore; }
void CWpSidewallCore::SetCorelithMgr(LogCorelithMgrIO* mgr) { m_pCorelithMgr = mgr; }
std::string CWpSidewallCore::GetDataTable() { return m_strDataTable; }
std::string CWpSidewallCore::GetLithologyField() { return m_strLithologyField; }
std::string CWpSidewallCore::GetOilField() { return m_strOilField; }
bool CWpSidewallCore::IsDrawActive() { return m_bDrawActive; }
void CWpSidewallCore::SetDrawActive(bool draw) { m_bDrawActive = draw; }
