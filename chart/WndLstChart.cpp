#include "chart/WndLstChart.h"

#include "bcg/PropList.h"
#include "framework/PropItems.h"
#include "hosttypes/Parsnip/QXLayer.h"

IMPLEMENT_DYNCREATE(CWndLstChart, CWndLst)

CWndLstChart::CWndLstChart() { m_timeStamp = 0; }
CWndLstChart::~CWndLstChart() = default;

int CWndLstChart::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    BuildItems(m_wndPropList);
    return 0;
}

void CWndLstChart::UpdateBCGPProperty(long object, CString) {
    if (CheckTargetChanged(reinterpret_cast<CObject*>(object))) ShowTarget(m_wndPropList);
}

void CWndLstChart::EndEdit(CBCGPProp* item, bool taken) {
    if (taken) {
        UpdateView();
        return;
    }
    if (!ShowStoredValue(item)) ShowTextBefore(item);
    CWndLst::ShowItemAgain(item);
}

void CWndLstChart::BuildItems(CBCGPPropList&) {}
void CWndLstChart::ShowTarget(CBCGPPropList&) {}

bool CWndLstChart::ShowStoredValue(CBCGPProp*) { return false; }
bool CWndLstChart::ReshowsRefusedText(CBCGPProp*) { return false; }

void CWndLstChart::ShowItemAgain(CBCGPProp* item) {
    if (ReshowsRefusedText(item)) ShowStoredValue(item);
    CWndLst::ShowItemAgain(item);
}

void CWndLstChart::UpdateView() { CWndLst::UpdateView(); }

int CWndLstChart::CheckTargetChanged(CObject* object) {
    if (!object) return 0;
    uint64_t stamp = 0;
    if (object->IsKindOf(RUNTIME_CLASS(CQXObject))) {
        m_nKind = 0;
        stamp = static_cast<CQXObject*>(object)->GetTimeStamp();
    } else if (object->IsKindOf(RUNTIME_CLASS(CQXLayer))) {
        m_nKind = 1;
        stamp = static_cast<CQXLayer*>(object)->GetTimeStamp();
    }
    if (object == m_pTarget && stamp == m_timeStamp) return 0;
    m_pTarget = object;
    m_timeStamp = stamp;
    return 1;
}
