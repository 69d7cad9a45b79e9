#include "hosttypes/Zephyr/InWpKit.h"

#include "hosttypes/Zephyr/WDMgrIO.h"

bool InWpComposite::IsEmpty() { return m_children.empty(); }

CString InWpWell::GetWellName() { return m_strWellName; }
void InWpWell::SetWellName(CString name) { m_strWellName = name; }
POINT InWpWell::GetFirstDrawPt() { return m_firstDrawPt; }
double InWpWell::GetHeadAngle() { return m_dHeadAngle; }
bool InWpWell::IsRightOritation() { return m_bRightOritation; }

void InWpWell::ClearData() {
    delete m_pData;
    m_pData = nullptr;
}

void InWpTrack::SetLeftVal(double value) { m_dLeftVal = value; }
void InWpTrack::SetRightVal(double value) { m_dRightVal = value; }

DepthType InWpDepth::GetShowDepthType() { return m_showDepthType; }
void InWpDepth::SetShowDepthType(DepthType type) { m_showDepthType = type; }
int InWpDepth::GetLabelOritation() { return m_nLabelOritation; }
void InWpDepth::SetLabelOritation(int orientation) { m_nLabelOritation = orientation; }
double InWpDepth::GetLabelInterval() { return m_nLabelFactor * m_dInterval; }
