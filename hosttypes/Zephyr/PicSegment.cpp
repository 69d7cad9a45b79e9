#include "hosttypes/Zephyr/PicSegment.h"

CgPicSegment::CgPicSegment() = default;
CgPicSegment::CgPicSegment(const CgPicSegment& other) = default;

double CgPicSegment::GetLeft() { return m_dLeft; }
double CgPicSegment::GetRight() { return m_dRight; }
double CgPicSegment::GetTop() { return m_dTop; }
double CgPicSegment::GetBottom() { return m_dBottom; }
void CgPicSegment::SetTop(double top) { m_dTop = top; }
void CgPicSegment::SetBottom(double bottom) { m_dBottom = bottom; }
double CgPicSegment::GetDetaX() { return m_dDetaX; }
void CgPicSegment::SetDetaX(double dx) { m_dDetaX = dx; }
double CgPicSegment::GetDetaY() { return m_dDetaY; }
void CgPicSegment::SetDetaY(double dy) { m_dDetaY = dy; }
double CgPicSegment::GetWidth() { return m_dRight - m_dLeft; }
double CgPicSegment::GetHeight() { return m_dTop - m_dBottom; }
double CgPicSegment::GetScale() { return (m_dTop - m_dBottom) / (m_dRight - m_dLeft); }
void CgPicSegment::LockScale() { m_byScaleLock = 1; }
void CgPicSegment::UnlockScale() { m_byScaleLock = 0; }
bool CgPicSegment::IsScaleLock() { return m_byScaleLock != 0; }
void CgPicSegment::SwitchScaleLock() { m_byScaleLock = m_byScaleLock ? 0 : 1; }
void CgPicSegment::set_id(unsigned id) { m_nId = id; }
unsigned CgPicSegment::get_id() { return m_nId; }
CString CgPicSegment::GetPictureName() { return m_strPictureName; }
void CgPicSegment::SetActive() { m_byActive = 1; }
void CgPicSegment::SetInactive() { m_byActive = 0; }
double CgPicSegment::GetBaseZoom() { return m_dBaseZoom; }
