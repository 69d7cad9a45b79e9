#include "framework/ChangeCheckers.h"

#include "framework/WndProp.h"
#include "hosttypes/Lodestar/PlObjInterface.h"
#include "hosttypes/Oriel/ScObjInterface.h"
#include "hosttypes/Parsnip/QXLayer.h"

namespace {

bool CopyIfChanged(uint64_t stamp, CWndProp* pane) {
    if (stamp == pane->GetTimeStamp()) return false;
    pane->SetTimeStamp(stamp);
    return true;
}

}  // namespace

bool CProChangedChecker::operator()() {
    return CopyIfChanged(m_pPlObject ? m_pPlObject->GetObjTimeStamp() : m_pObject->GetTimeStamp(), m_pPane);
}

bool ScProChangedChecker::operator()() { return CopyIfChanged(m_pObject->GetTimeStamp(), m_pPane); }

bool CLayerChangedChecker::operator()() { return CopyIfChanged(m_pLayer->GetTimeStamp(), m_pPane); }
