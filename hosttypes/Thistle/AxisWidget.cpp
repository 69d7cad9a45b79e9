#include "hosttypes/Thistle/AxisWidget.h"

FLOATRECT IkelAxisWidget::GetEnvelope() const { return m_envelope; }
uint64_t IkelAxisWidget::GetTimeStamp() const { return m_timeStamp; }
void IkelAxisWidget::SetTimeStamp(uint64_t stamp) { m_timeStamp = stamp; }

std::vector<double>& CkelAxisGrid::GetMajorGridPos() { return m_majorGridPos; }
std::vector<double>& CkelAxisGrid::GetMinorGridPos() { return m_minorGridPos; }
std::vector<double>& CkelAxisGrid::GetDataGridPos() { return m_dataGridPos; }
void CkelAxisGrid::ClearMajorGridPos() { m_majorGridPos.clear(); }
void CkelAxisGrid::ClearMinorGridPos() { m_minorGridPos.clear(); }
void CkelAxisGrid::ClearDataGridPos() { m_dataGridPos.clear(); }

std::string CkelAxisTitle::GetText() const { return m_strText; }
void CkelAxisTitle::SetText(const std::string& text) { m_strText = text; }
int CkelAxisTitle::GetTitleType() const { return m_nTitleType; }

void CkelAxisTitle::GetFont(QXLOGFONT* font) const {
    if (font) *font = m_font;
}

void CkelAxisTitle::SetFont(QXLOGFONT* font) {
    if (font) m_font = *font;
}

int CkelAxisTitle::GetHAlign() const { return m_nHAlign; }
void CkelAxisTitle::SetHAlign(int align) { m_nHAlign = align; }
int CkelAxisTitle::GetVAlign() const { return m_nVAlign; }
void CkelAxisTitle::SetVAlign(int align) { m_nVAlign = align; }
double CkelAxisTitle::GetXOffset() const { return m_dXOffset; }
void CkelAxisTitle::SetXOffset(double offset) { m_dXOffset = offset; }
double CkelAxisTitle::GetYOffset() const { return m_dYOffset; }
void CkelAxisTitle::SetYOffset(double offset) { m_dYOffset = offset; }
FLOATPOINT CkelAxisTitle::GetPos() const { return m_pos; }
void CkelAxisTitle::SetPos(const FLOATPOINT& pos) { m_pos = pos; }
double CkelAxisTitle::GetRotateAngle() const { return m_dRotateAngle; }
void CkelAxisTitle::SetRotateAngle(double angle) { m_dRotateAngle = angle; }
