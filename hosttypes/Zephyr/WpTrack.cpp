#include "hosttypes/Zephyr/WpTrack.h"

WPKITTYPE CWpTrack::GetWpKitType() { return WPKIT_TRACK; }

WPKITTYPE CWpDepth::GetWpKitType() { return WPKIT_DEPTH; }
DepthType CWpDepth::GetShowDepthType() { return m_showDepthType; }
void CWpDepth::SetShowDepthType(DepthType type) { m_showDepthType = type; }
