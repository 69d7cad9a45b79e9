#include "hosttypes/Lodestar/PlWell.h"

namespace KelProfileline {

CPlWell::CPlWell() : m_nIncline(0), m_nVisible(1), m_pActiveObj(nullptr), m_pWellMgr(nullptr) {}
CPlWell::~CPlWell() = default;

CWellComponent::CWellComponent() : m_objType(OBJ_NONE), m_pParent(nullptr), m_dZoomFactor(1.0), m_dSize(0.0) {}
CWellComponent::~CWellComponent() = default;

CWellLabel::CWellLabel() : m_pText(nullptr) {
    m_strObjName = "CWellLabel";
    m_objType = OBJ_WELL_LABEL;
}
CWellLabel::CWellLabel(const CWellLabel&) = default;
CWellLabel& CWellLabel::operator=(const CWellLabel&) = default;
CWellLabel::~CWellLabel() = default;
PL_IMPLEMENT_ACCEPT(CWellLabel)

CWellSymbol::CWellSymbol() : m_pPoint(nullptr) {
    m_strObjName = "CWellSymbol";
    m_objType = OBJ_WELL_SYMBOL;
}
CWellSymbol::CWellSymbol(const CWellSymbol&) = default;
CWellSymbol& CWellSymbol::operator=(const CWellSymbol&) = default;
CWellSymbol::~CWellSymbol() = default;
PL_IMPLEMENT_ACCEPT(CWellSymbol)

CWellTrack::CWellTrack()
    : m_byStraightLine(0), m_pBeginSymbol(nullptr), m_pEndSymbol(nullptr), m_bShowStyle(true), m_nTrackType(5) {
    m_strObjName = "CWellTrack";
    m_objType = OBJ_WELL_TRACK;
}
CWellTrack::CWellTrack(const CWellTrack&) = default;
CWellTrack& CWellTrack::operator=(const CWellTrack&) = default;
CWellTrack::~CWellTrack() = default;
PL_IMPLEMENT_ACCEPT(CWellTrack)

}  // namespace KelProfileline
