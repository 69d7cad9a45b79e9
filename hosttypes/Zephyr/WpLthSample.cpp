#include "hosttypes/Zephyr/WpLthSample.h"

WPKITTYPE CWpLthSample::GetWpKitType() { return WPKIT_LTHSAMPLE; }
QXLOGPEN CWpLthSample::GetSegLogPen() { return m_segLogPen; }
void CWpLthSample::SetSegLogPen(QXLOGPEN pen) { m_segLogPen = pen; }
QXLOGPEN CWpLthSample::GetSmapleLogPen() { return m_sampleLogPen; }
void CWpLthSample::SetSmapleLogPen(QXLOGPEN pen) { m_sampleLogPen = pen; }
QXLOGFONT CWpLthSample::GetMarkLogFont() { return m_markLogFont; }
void CWpLthSample::SetMarkLogFont(QXLOGFONT font) { m_markLogFont = font; }
int CWpLthSample::GetMarkInterval() { return m_nMarkInterval; }
void CWpLthSample::SetMarkInterval(int interval) { m_nMarkInterval = interval; }
int CWpLthSample::GetMarkTextVisible() { return m_nMarkTextVisible; }
void CWpLthSample::SetMarkTextVisible(int visible) { m_nMarkTextVisible = visible; }
int CWpLthSample::GetMarkTextAlign() { return m_nMarkTextAlign; }
void CWpLthSample::SetMarkTextAlign(int align) { m_nMarkTextAlign = align; }
std::string CWpLthSample::GetTableName() { return m_strTableName; }
std::string CWpLthSample::GetDepthFiledName() { return m_strDepthFiledName; }
std::string CWpLthSample::GetNumberFiledName() { return m_strNumberFiledName; }
