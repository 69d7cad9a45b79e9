#include "hosttypes/Zephyr/WpWell.h"

WPKITTYPE CWpWell::GetWpKitType() { return WPKIT_WELL; }
const CWpWell::FaultInfo& CWpWell::GetFaultInfo() const { return m_faultInfo; }
bool CWpWell::IsBlankSpace() { return m_bBlankSpace; }
bool CWpWell::IsFaultPointLine() { return m_bFaultPointLine; }
void CWpWell::IsFaultPointLine(bool show) { m_bFaultPointLine = show; }
QXLOGPEN& CWpWell::GetFaultPointLine() { return m_faultPointLine; }
void CWpWell::SetFaultPointLine(const QXLOGPEN& pen) { m_faultPointLine = pen; }
int CWpWell::GetSelectOnlyBody() { return m_nSelectOnlyBody; }
void CWpWell::SetSelectOnlyBody(int only) { m_nSelectOnlyBody = only; }
int CWpWell::GetCanInitData() { return m_nCanInitData; }
void CWpWell::SetCanInitData(int can) { m_nCanInitData = can; }
EnumDepthRangeType CWpWell::GetRangeType() { return m_rangeType; }
void CWpWell::SetRangeType(EnumDepthRangeType type) { m_rangeType = type; }
double CWpWell::GetLeft() { return m_dLeft; }
double CWpWell::GetRight() { return m_dRight; }
bool CWpWell::IsAutoArrange() { return m_bAutoArrange; }
DepthType CWpWell::GetDepthType() { return m_depthType; }

WPKITTYPE CWpInWell::GetWpKitType() { return WPKIT_INWELL; }
