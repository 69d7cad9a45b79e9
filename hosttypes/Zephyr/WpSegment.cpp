#include "hosttypes/Zephyr/WpSegment.h"

WPKITTYPE CWpSegment::GetWpKitType() { return WPKIT_SEGMENT; }
void CWpSegment::SetActiveSeg(int index) { m_nActiveSeg = index; }
int CWpSegment::GetDataSource() { return m_nDataSource; }
void CWpSegment::SetDataSource(int source) { m_nDataSource = source; }
void CWpSegment::UpdateSegDepth() {}
void CWpSegment::IniSegData(WPSEGMENT& seg) { seg.data.Reset(); }
