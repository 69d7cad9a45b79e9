#include "chart/WndLstChart.h"

#include "hosttypes/Parsnip/QXLayer.h"

IMPLEMENT_DYNCREATE(CWndLstChart, CWndLst)

CWndLstChart::CWndLstChart() { m_timeStamp = 0; }
CWndLstChart::~CWndLstChart() = default;

int CWndLstChart::InitPropWnd() { return CWndLst::InitPropWnd(); }

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
