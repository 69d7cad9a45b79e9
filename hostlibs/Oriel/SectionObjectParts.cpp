// The section library's operations of the depth ruler's sides, the look-down map's font and
// point symbols, and the fault points' labels and fault data. All store their value only.
#include "hosttypes/Oriel/CrFaultPoint.h"
#include "hosttypes/Oriel/ScDepthRuler.h"
#include "hosttypes/Oriel/ScLookDownForm.h"
#include "hosttypes/Oriel/SingleField.h"

// ---- depth ruler sides ----
double ScDepthRuler::GetInterval(bool left) const { return Side(left).interval; }
void ScDepthRuler::SetInterval(bool left, double interval) { Side(left).interval = interval; }
double ScDepthRuler::GetWideTimes(bool left) const { return Side(left).wideTimes; }
void ScDepthRuler::SetWideTimes(bool left, double times) { Side(left).wideTimes = times; }

double ScDepthRuler::GetWideMarkLength(bool left) const { return Side(left).wideLength; }
void ScDepthRuler::SetWideMarkLength(bool left, double length) { Side(left).wideLength = length; }
double ScDepthRuler::GetWideMarkLineSize(bool left) const { return Side(left).widePen.width; }
void ScDepthRuler::SetWideMarkLineSize(bool left, double size) { oriel::StoreSingle(Side(left).widePen.width, size); }
unsigned int ScDepthRuler::GetWideMarkLineStyle(bool left) const { return Side(left).widePen.style; }
void ScDepthRuler::SetWideMarkLineStyle(bool left, unsigned int style) { Side(left).widePen.style = style; }
COLORREF ScDepthRuler::GetWideMarkClr(bool left) const { return Side(left).widePen.color; }
void ScDepthRuler::SetWideMarkClr(bool left, COLORREF color) { Side(left).widePen.color = color; }

double ScDepthRuler::GetMarkLength(bool left) const { return Side(left).markLength; }
void ScDepthRuler::SetMarkLength(bool left, double length) { Side(left).markLength = length; }
double ScDepthRuler::GetMarkLineSize(bool left) const { return Side(left).markPen.width; }
void ScDepthRuler::SetMarkLineSize(bool left, double size) { oriel::StoreSingle(Side(left).markPen.width, size); }
unsigned int ScDepthRuler::GetMarkLineStyle(bool left) const { return Side(left).markPen.style; }
void ScDepthRuler::SetMarkLineStyle(bool left, unsigned int style) { Side(left).markPen.style = style; }
COLORREF ScDepthRuler::GetMarkClr(bool left) const { return Side(left).markPen.color; }
void ScDepthRuler::SetMarkClr(bool left, COLORREF color) { Side(left).markPen.color = color; }

void ScDepthRuler::GetMarkFont(bool left, QXLOGFONT& font) const { font = Side(left).labelFont; }
void ScDepthRuler::SetMarkFont(bool left, QXLOGFONT& font) { Side(left).labelFont = font; }
double ScDepthRuler::GetMarkFontSize(bool left) const { return Side(left).labelFont.size; }
void ScDepthRuler::SetMarkFontSize(bool left, double size) { oriel::StoreSingle(Side(left).labelFont.size, size); }
COLORREF ScDepthRuler::GetMarkFontClr(bool left) const { return Side(left).labelFont.color; }
void ScDepthRuler::SetMarkFontClr(bool left, COLORREF color) { Side(left).labelFont.color = color; }

// ---- look-down map ----
namespace {
bool IsPointNumber(int n) { return n >= 0 && n < 4; }
}  // namespace

void ScLookDownForm::GetLogFont(QXLOGFONT*& font) { font = m_bHasFont ? &m_font : nullptr; }
void ScLookDownForm::SetLogFont(QXLOGFONT* font) {
    m_bHasFont = font != nullptr;
    if (font) m_font = *font;
}
QXLOGPOINT ScLookDownForm::GetLogPoint(int n) const { return IsPointNumber(n) ? m_points[n] : QXLOGPOINT(); }
void ScLookDownForm::SetLogPoint(QXLOGPOINT& point, int n) {
    if (IsPointNumber(n)) m_points[n] = point;
}
unsigned int ScLookDownForm::GetLogPointStyle(int n) const { return IsPointNumber(n) ? m_points[n].style : 0; }
void ScLookDownForm::SetLogPointStyle(unsigned int style, int n) {
    if (IsPointNumber(n)) m_points[n].style = style;
}

// ---- fault points ----
namespace {
bool IsLabelIndex(int i) { return i >= 0 && i < CrFaultPoint::kMaxLabels; }
}  // namespace

unsigned int CrFaultPoint::GetLabelNumber() const { return m_nLabelNumber; }
void CrFaultPoint::SetLabelNumber(int number) { m_nLabelNumber = number < 0 ? 0 : static_cast<unsigned int>(number); }
std::string CrFaultPoint::GetLabel(int i) const { return IsLabelIndex(i) ? m_labels[i] : std::string(); }
void CrFaultPoint::SetLabel(int i, const std::string& label) {
    if (IsLabelIndex(i)) m_labels[i] = label;
}
CString CrFaultPoint::GetFaultStraum() const { return m_strFaultStraum; }
void CrFaultPoint::SetFaultStraum(CString stratum) { m_strFaultStraum = stratum; }
int CrFaultPoint::GetFaultNumber() const { return m_nFaultNumber; }
void CrFaultPoint::SetFaultNumber(int number) { m_nFaultNumber = number; }
double CrFaultPoint::GetFaultDepth() const { return m_dFaultDepth; }
void CrFaultPoint::SetFaultDepth(double depth) { m_dFaultDepth = depth; }
double CrFaultPoint::GetFaultDistance() const { return m_dFaultDistance; }
void CrFaultPoint::SetFaultDistance(double distance) { m_dFaultDistance = distance; }
CString CrFaultPoint::GetCompareWell() const { return m_strCompareWell; }
void CrFaultPoint::SetCompareWell(CString well) { m_strCompareWell = well; }
double CrFaultPoint::GetCompareDepth() const { return m_dCompareDepth; }
void CrFaultPoint::SetCompareDepth(double depth) { m_dCompareDepth = depth; }
CString CrFaultPoint::GetFaultTopStraum() const { return m_strFaultTopStraum; }
void CrFaultPoint::SetFaultTopStraum(CString stratum) { m_strFaultTopStraum = stratum; }
CString CrFaultPoint::GetFaultBotStraum() const { return m_strFaultBotStraum; }
void CrFaultPoint::SetFaultBotStraum(CString stratum) { m_strFaultBotStraum = stratum; }

IkelWellAdapter* CrWellFaultPoint::GetWell() const { return m_pWell; }
void CrWellFaultPoint::SetWell(IkelWellAdapter* well) { m_pWell = well; }
