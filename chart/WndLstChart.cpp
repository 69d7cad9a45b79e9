#include "chart/WndLstChart.h"

#include <vector>

#include "bcg/PropList.h"
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

void CWndLstChart::AfterEdit(CBCGPProp* item, bool taken) {
    if (taken)
        UpdateView();
    else
        ShowStoredValue(item);
}

void CWndLstChart::BuildItems(CBCGPPropList&) {}
void CWndLstChart::ShowTarget(CBCGPPropList&) {}

bool CWndLstChart::ShowEditedValue(CBCGPProp*) { return false; }

void CWndLstChart::ShowItemAgain(CBCGPProp* item) {
    CWndLst::ShowItemAgain(item);
    ShowEditedValue(item);
}

void CWndLstChart::ShowStoredValue(CBCGPProp* item) {
    if (ShowEditedValue(item) || !item || !m_wndPropList.ContainsProperty(item)) return;
    // Where the item sits: its position in each group from the top level down.
    std::vector<int> path;
    for (CBCGPProp* at = item; at; at = at->GetParent()) {
        CBCGPProp* parent = at->GetParent();
        int position = -1;
        if (parent) {
            for (int i = 0; i < parent->GetSubItemsCount() && position < 0; ++i)
                if (parent->GetSubItem(i) == at) position = i;
        } else {
            position = m_wndPropList.FindProperty(at);
        }
        if (position < 0) return;
        path.insert(path.begin(), position);
    }
    CBCGPPropList copy;
    BuildItems(copy);
    ShowTarget(copy);
    CBCGPProp* shown = path[0] < copy.GetPropertyCount() ? copy.GetProperty(path[0]) : nullptr;
    for (std::size_t i = 1; shown && i < path.size(); ++i)
        shown = path[i] < shown->GetSubItemsCount() ? shown->GetSubItem(path[i]) : nullptr;
    if (shown) item->SetValue(shown->GetValue());
    item->Redraw();
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
