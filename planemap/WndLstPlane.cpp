#include "planemap/WndLstPlane.h"

#include <algorithm>
#include <unordered_set>

#include "hosttypes/Osprey/WellDataManager.h"

IMPLEMENT_DYNCREATE(CWndLstPlane, CWndLst)

CWndLstPlane::CWndLstPlane() { m_timeStamp = 0; }

CWndLstPlane::~CWndLstPlane() { m_selection.RemoveAll(); }

void CWndLstPlane::CopySelection(CQXLayer* layer, int count, uint64_t* latest) {
    m_selection.RemoveAll();
    *latest = 0;
    for (int i = 0; i < count; ++i) {
        CQXObject* object = layer->GetSelectedObject(i);
        m_selection.Add(object);
        if (object) *latest = std::max(*latest, object->GetTimeStamp());
    }
}

int CWndLstPlane::CheckTargetChanged(CObject* target) {
    uint64_t latest = 0;
    if (target && target->IsKindOf(RUNTIME_CLASS(CQXObject))) {
        CQXObject* object = static_cast<CQXObject*>(target);
        m_nMode = 0;
        m_pLayer = object->GetLayer();
        // An object outside any layer has no selection to follow.
        const int n = m_pLayer ? m_pLayer->GetSelectedObjectCount() : 0;
        const int m = GetSelectionCount();
        if (n != m) {
            CopySelection(m_pLayer, n, &latest);
            m_timeStamp = latest;
            m_pTarget = target;
            return 1;
        }
        // Membership in the copy: in the common case the order is the same, so the set of the
        // copy is built only when a position differs.
        std::unordered_set<const CQXObject*> copy;
        for (int i = 0; i < n; ++i) {
            CQXObject* selected = m_pLayer->GetSelectedObject(i);
            bool found = m_selection.GetAt(i) == selected;
            if (!found) {
                if (copy.empty())
                    for (int k = 0; k < m; ++k) copy.insert(m_selection.GetAt(k));
                found = copy.count(selected) != 0;
            }
            if (!found) {
                CopySelection(m_pLayer, n, &latest);
                m_timeStamp = latest;
                m_pTarget = target;
                return 1;
            }
            if (selected) latest = std::max(latest, selected->GetTimeStamp());
        }
    } else if (target && target->IsKindOf(RUNTIME_CLASS(CQXLayer))) {
        m_nMode = 1;
        m_pLayer = static_cast<CQXLayer*>(target);
        latest = m_pLayer->GetTimeStamp();
    }
    const uint64_t wellData = CWellDataManager::Instance()->GetTimeStamp();
    const uint64_t newest = latest > wellData ? latest : wellData;
    if (target == m_pTarget && newest == m_timeStamp) return 0;
    m_pTarget = target;
    m_timeStamp = newest;
    return 1;
}

BOOL CWndLstPlane::IsSameClassSelected() {
    const int n = GetSelectionCount();
    if (n <= 1) return TRUE;
    CQXObject* first = m_selection.GetAt(0);
    const CString name = first ? first->GetClassNameG() : CString();
    for (int i = 1; i < n; ++i) {
        CQXObject* object = m_selection.GetAt(i);
        if ((object ? object->GetClassNameG() : CString()) != name) return FALSE;
    }
    return TRUE;
}

void CWndLstPlane::EnablePropRecursive(CBCGPProp* item, BOOL enable) {
    if (!item) return;
    item->Enable(enable);
    for (int i = 0; i < item->GetSubItemsCount(); ++i) EnablePropRecursive(item->GetSubItem(i), enable);
}

void CWndLstPlane::EnableAllItems(BOOL enable) {
    for (int i = 0; i < m_wndPropList.GetPropertyCount(); ++i) EnablePropRecursive(m_wndPropList.GetProperty(i), enable);
}

bool CWndLstPlane::BeginMultiRefresh(long object) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return false;
    if (!IsSameClassSelected()) {
        EnableAllItems(FALSE);
        return false;
    }
    EnableAllItems(TRUE);
    return true;
}
