// Profile-line objects, wells and their parts: the library's side of them.
#include "hostlibs/Lodestar/CallLog.h"
#include "hosttypes/Lodestar/PlProfileline.h"
#include "hosttypes/Lodestar/PlWell.h"
#include "hosttypes/Tinder/TimeStamp.h"

namespace KelProfileline {

using lodestar::detail::Log;

void CPlObjInterface::ProChanged() { m_nTimeStamp = AfxGetTimeStamp(); }

int CPlControlerClient::GetActiveObjCount() const { return static_cast<int>(m_activeObjs.size()); }
CPlObjInterface* CPlControlerClient::GetActiveObj(int i) const {
    return i >= 0 && i < GetActiveObjCount() ? m_activeObjs[static_cast<size_t>(i)] : nullptr;
}
void CPlControlerClient::SetActiveObjs(const std::vector<CPlObjInterface*>& objs) { m_activeObjs = objs; }

LineType CPlProfileline::GetLineType() const { return m_lineType; }
void CPlProfileline::SetLinePen(const QXLOGPEN& pen) {
    m_linePen = pen;
    Log("CPlProfileline::SetLinePen");
}
double CPlProfileline::GetAngle() const { return m_dAngle; }
void CPlProfileline::SetAngle(double angle) {
    m_dAngle = angle;
    Log("CPlProfileline::SetAngle(" + std::to_string(angle) + ")");
}
CPlContainer* CPlProfileline::GetContainer() const { return m_pContainer; }
void CPlProfileline::SetContainer(CPlContainer* container) { m_pContainer = container; }
void CPlProfileline::SetRealPosPoint(const std::vector<FLOATPOINT>& points) { m_realPos = points; }

CString CPlWell::GetName() const { return m_strName; }
void CPlWell::SetName(const CString& name) { m_strName = name; }
void CPlWell::SetWellMgr(CPlWellMgr* mgr) { m_pWellMgr = mgr; }
void CPlWell::SetActiveObj(CPlObjInterface* obj) { m_pActiveObj = obj; }
void CPlWell::SetWellLabel(boost::shared_ptr<CWellLabel> label) {
    m_label = label;
    if (label) label->SetParent(this);
}
boost::shared_ptr<CWellSymbol> CPlWell::GetSymbol(int kind) const {
    if (kind == 3) return m_headSymbol;
    if (kind == 4) return m_bottomSymbol;
    return boost::shared_ptr<CWellSymbol>();
}
void CPlWell::SetSymbol(int kind, boost::shared_ptr<CWellSymbol> symbol) {
    if (kind == 3)
        m_headSymbol = symbol;
    else if (kind == 4)
        m_bottomSymbol = symbol;
    else
        return;
    if (symbol) symbol->SetParent(this);
}
boost::shared_ptr<CWellTrack> CPlWell::GetTrack(int kind) const {
    if (kind == 5) return m_upperTrack;
    if (kind == 6) return m_lowerTrack;
    return boost::shared_ptr<CWellTrack>();
}
void CPlWell::SetTrack(int kind, boost::shared_ptr<CWellTrack> track) {
    if (kind == 5)
        m_upperTrack = track;
    else if (kind == 6)
        m_lowerTrack = track;
    else
        return;
    if (track) {
        track->SetParent(this);
        track->SetTrackType(kind);
    }
}

void CWellComponent::SetParent(CPlWell* well) { m_pParent = well; }

void CWellLabel::SetQXObjectText(CQXObjectText* text) { m_pText = text; }
CString CWellLabel::GetWellName() const { return m_pParent ? m_pParent->GetName() : CString(); }
CString CWellLabel::GetLabelText() const { return m_strLabelText; }
void CWellLabel::SetLabelText(CString text) {
    m_strLabelText = text;
    Log("CWellLabel::SetLabelText(" + text.str() + ")");
}
QXLOGFONT CWellLabel::GetLabelFont() const { return m_labelFont; }
void CWellLabel::SetLabelFont(const QXLOGFONT& font) {
    m_labelFont = font;
    Log("CWellLabel::SetLabelFont");
}

void CWellSymbol::SetSymbolPoint(CQXObjectPoint* point) { m_pPoint = point; }
CString CWellSymbol::GetTypeName() const { return m_strTypeName; }
void CWellSymbol::SetTypeName(const CString& name) { m_strTypeName = name; }
double CWellSymbol::GetAnchorX() const { return m_position.x; }
double CWellSymbol::GetAnchorY() const { return m_position.y; }
QXLOGPOINT CWellSymbol::GetSymbolLogPoint() const { return m_logPoint; }
void CWellSymbol::SetSymbolLogPoint(const QXLOGPOINT& point) {
    m_logPoint = point;
    Log("CWellSymbol::SetSymbolLogPoint");
}

int CWellTrack::GetTrackType() const { return m_nTrackType; }
void CWellTrack::SetTrackType(int type) { m_nTrackType = type; }
QXLOGPEN CWellTrack::GetLogPen() const { return m_logPen; }
void CWellTrack::SetLogPen(const QXLOGPEN& pen) {
    m_logPen = pen;
    Log("CWellTrack::SetLogPen");
}

}  // namespace KelProfileline
