#include "hosttypes/Zephyr/WpContent.h"

WPKITTYPE CWpContent::GetWpKitType() { return WPKIT_CONTENT; }
double CWpContent::GetBodyLeft() { return m_dBodyLeft; }
double CWpContent::GetBodyRight() { return m_dBodyRight; }
double CWpContent::GetBodyTop() { return m_dBodyTop; }
double CWpContent::GetBodyBottom() { return m_dBodyBottom; }
int CWpContent::GetGroup() { return m_nGroup; }
void CWpContent::SetGroup(int group) { m_nGroup = group; }

WPKITTYPE CWpCurve::GetWpKitType() { return WPKIT_CURVE; }
int CWpCurve::GetScaleDecimalDigit() { return m_nScaleDecimalDigit; }
