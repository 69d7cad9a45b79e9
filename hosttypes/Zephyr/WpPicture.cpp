#include "hosttypes/Zephyr/WpPicture.h"

WPKITTYPE CWpPicture::GetWpKitType() { return WPKIT_PICTURE; }
bool CWpPicture::AddSegment() { return true; }
int CWpPicture::GetSegCount() { return static_cast<int>(m_segments.size()); }
CgPicSegment* CWpPicture::GetActiveSeg() { return GetSegment(m_nActiveSeg); }
int CWpPicture::GetType() { return m_nType; }
