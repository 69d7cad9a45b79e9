#include "hosttypes/Zephyr/WpText.h"

WPKITTYPE CWpText::GetWpKitType() { return WPKIT_TEXT; }
std::list<CgTextSegment*>& CWpText::GetSegList() { return m_segments; }
bool CWpText::IsTransparent() { return m_bTransparent; }
CgEdit* CWpText::GetEditPtr() { return m_pEdit; }
