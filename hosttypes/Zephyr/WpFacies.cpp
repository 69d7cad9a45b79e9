#include "hosttypes/Zephyr/WpFacies.h"

WPKITTYPE CWpFacies::GetWpKitType() { return WPKIT_FACIES; }
QXLOGPEN& CWpFacies::GetDivideLinePen() { return m_divideLinePen; }
void CWpFacies::SetDivideLinePen(const QXLOGPEN& pen) { m_divideLinePen = pen; }
bool CWpFacies::IsDivideLineVisible() { return m_bDivideLineVisible; }
void CWpFacies::SetDivideLineVisible(bool visible) { m_bDivideLineVisible = visible; }
void CWpFacies::MoveSeg(int, double) {}
void CWpFacies::MoveSegP(int, double, int) {}
