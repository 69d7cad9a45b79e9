#include "hosttypes/Zephyr/WpParam.h"

int CWpParam::GetSegCount() { return static_cast<int>(m_segments.size()); }
std::list<boost::shared_ptr<CgParamSegment>>& CWpParam::GetSegList() { return m_segments; }
void CWpParam::SetState(int state) { m_nState = state; }
float CWpParam::GetBLWidth() { return m_fBLWidth; }
void CWpParam::SetBLWidth(float width) { m_fBLWidth = width; }
COLORREF CWpParam::GetBLColor() { return m_blColor; }
void CWpParam::SetBLColor(COLORREF color) { m_blColor = color; }
QXLOGPEN& CWpParam::GetLineType() { return m_lineType; }
void CWpParam::SetLineType(const QXLOGPEN& pen) { m_lineType = pen; }
QXLOGPOINT& CWpParam::GetPointType() { return m_pointType; }
void CWpParam::SetPointType(const QXLOGPOINT& point) { m_pointType = point; }
QXLOGFONT& CWpParam::GetTextType() { return m_textType; }
void CWpParam::SetTextType(const QXLOGFONT& font) { m_textType = font; }
QXLOGFONT& CWpParam::GetTextFont() { return m_textType; }
void CWpParam::SetTextFont(const QXLOGFONT& font) { m_textType = font; }
bool CWpParam::IsFillVisible() { return m_bFillVisible; }
void CWpParam::SetFillVisible(bool visible) { m_bFillVisible = visible; }
QXLOGBRUSH& CWpParam::GetRectFillBrush() { return m_rectFillBrush; }
void CWpParam::SetRectFillBrush(const QXLOGBRUSH& brush) { m_rectFillBrush = brush; }
CString CWpParam::GetDataType() { return m_strDataType; }
void CWpParam::SetDataType(CString type) { m_strDataType = type; }
CString CWpParam::GetDataTable() { return m_strDataTable; }
void CWpParam::SetDataTable(CString table) { m_strDataTable = table; }
CString CWpParam::GetDataField() { return m_strDataField; }
void CWpParam::SetDataField(CString field) { m_strDataField = field; }
bool CWpParam::IsTopHLine() { return m_bTopHLine; }
void CWpParam::SetTopHLine(bool visible) { m_bTopHLine = visible; }
bool CWpParam::IsMidHLine() { return m_bMidHLine; }
void CWpParam::SetMidHLine(bool visible) { m_bMidHLine = visible; }
bool CWpParam::IsBottomHLine() { return m_bBottomHLine; }
void CWpParam::SetBottomHLine(bool visible) { m_bBottomHLine = visible; }
bool CWpParam::IsLeftVLine() { return m_bLeftVLine; }
void CWpParam::SetLeftVLine(bool visible) { m_bLeftVLine = visible; }
bool CWpParam::IsMidVLine() { return m_bMidVLine; }
void CWpParam::SetMidVLine(bool visible) { m_bMidVLine = visible; }
bool CWpParam::IsRightVLine() { return m_bRightVLine; }
void CWpParam::SetRightVLine(bool visible) { m_bRightVLine = visible; }
bool CWpParam::IsTopPoint() { return m_bTopPoint; }
void CWpParam::SetTopPoint(bool visible) { m_bTopPoint = visible; }
bool CWpParam::IsMidPoint() { return m_bMidPoint; }
void CWpParam::SetMidPoint(bool visible) { m_bMidPoint = visible; }
bool CWpParam::IsBottomPoint() { return m_bBottomPoint; }
void CWpParam::SetBottomPoint(bool visible) { m_bBottomPoint = visible; }
bool CWpParam::IsTopHText() { return m_bTopHText; }
void CWpParam::SetTopHText(bool visible) { m_bTopHText = visible; }
bool CWpParam::IsMidHText() { return m_bMidHText; }
void CWpParam::SetMidHText(bool visible) { m_bMidHText = visible; }
bool CWpParam::IsBottomHText() { return m_bBottomHText; }
void CWpParam::SetBottomHText(bool visible) { m_bBottomHText = visible; }
bool CWpParam::IsLeftVText() { return m_bLeftVText; }
void CWpParam::SetLeftVText(bool visible) { m_bLeftVText = visible; }
bool CWpParam::IsMidVText() { return m_bMidVText; }
void CWpParam::SetMidVText(bool visible) { m_bMidVText = visible; }
bool CWpParam::IsRightVText() { return m_bRightVText; }
void CWpParam::SetRightVText(bool visible) { m_bRightVText = visible; }
CString CWpParam::GetLineTypeTemp() { return m_strLineTypeTemp; }
void CWpParam::SetLineTypeTemp(const CString& name) { m_strLineTypeTemp = name; }
CString CWpParam::GetLineSizeTemp() { return m_strLineSizeTemp; }
void CWpParam::SetLineSizeTemp(const CString& name) { m_strLineSizeTemp = name; }
CString CWpParam::GetLineColorTemp() { return m_strLineColorTemp; }
void CWpParam::SetLineColorTemp(const CString& name) { m_strLineColorTemp = name; }
CString CWpParam::GetPointTypeTemp() { return m_strPointTypeTemp; }
void CWpParam::SetPointTypeTemp(const CString& name) { m_strPointTypeTemp = name; }
CString CWpParam::GetPointSizeTemp() { return m_strPointSizeTemp; }
void CWpParam::SetPointSizeTemp(const CString& name) { m_strPointSizeTemp = name; }
CString CWpParam::GetPointColorTemp() { return m_strPointColorTemp; }
void CWpParam::SetPointColorTemp(const CString& name) { m_strPointColorTemp = name; }
CString CWpParam::GetTextTypeTemp() { return m_strTextTypeTemp; }
void CWpParam::SetTextTypeTemp(const CString& name) { m_strTextTypeTemp = name; }
CString CWpParam::GetTextSizeTemp() { return m_strTextSizeTemp; }
void CWpParam::SetTextSizeTemp(const CString& name) { m_strTextSizeTemp = name; }
CString CWpParam::GetTextColorTemp() { return m_strTextColorTemp; }
void CWpParam::SetTextColorTemp(const CString& name) { m_strTextColorTemp = name; }
CString CWpParam::GetRectTypeTemp() { return m_strRectTypeTemp; }
void CWpParam::SetRectTypeTemp(const CString& name) { m_strRectTypeTemp = name; }
CString CWpParam::GetRectSizeTemp() { return m_strRectSizeTemp; }
void CWpParam::SetRectSizeTemp(const CString& name) { m_strRectSizeTemp = name; }
CString CWpParam::GetRectBColorTemp() { return m_strRectBColorTemp; }
void CWpParam::SetRectBColorTemp(const CString& name) { m_strRectBColorTemp = name; }
CString CWpParam::GetRectIColorTemp() { return m_strRectIColorTemp; }
void CWpParam::SetRectIColorTemp(const CString& name) { m_strRectIColorTemp = name; }
