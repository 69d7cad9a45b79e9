#include "planemap/WndLstPlane.h"

#include <algorithm>
#include <unordered_set>

#include "bcg/PropList.h"
#include "hosttypes/Osprey/WellDataManager.h"

IMPLEMENT_DYNCREATE(CWndLstPlane, CWndLst)

BEGIN_MESSAGE_MAP(CWndLstPlane, CWndLst)
END_MESSAGE_MAP()

CWndLstPlane::CWndLstPlane() { m_timeStamp = 0; }

CWndLstPlane::~CWndLstPlane() { m_selection.RemoveAll(); }

uint64_t CWndLstPlane::CopySelection(CQXLayer* layer, int count) {
    m_selection.RemoveAll();
    uint64_t latest = 0;
    for (int i = 0; i < count; ++i) {
        CQXObject* object = layer->GetSelectedObject(i);
        m_selection.Add(object);
        if (object) latest = std::max(latest, object->GetTimeStamp());
    }
    return latest;
}

bool CWndLstPlane::SameMembers(int from, uint64_t* latest) {
    // The copy's members, in a set kept between calls (cleared, not freed).
    const int n = m_pLayer->GetSelectedObjectCount();
    m_members.clear();
    for (int k = 0; k < n; ++k) m_members.insert(m_selection.GetData()[k]);
    uint64_t newest = *latest;
    for (int i = from; i < n; ++i) {
        CQXObject* selected = m_pLayer->GetSelectedObject(i);
        if (!m_members.count(selected)) return false;
        if (selected) newest = std::max(newest, selected->GetTimeStamp());
    }
    *latest = newest;
    return true;
}

int CWndLstPlane::CheckTargetChanged(CObject* target) {
    uint64_t latest = 0;
    if (target && target->IsKindOf(RUNTIME_CLASS(CQXObject))) {
        CQXObject* object = static_cast<CQXObject*>(target);
        m_nMode = 0;
        m_pLayer = object->GetLayer();
        // An object outside any layer has no selection to follow.
        const int n = m_pLayer ? m_pLayer->GetSelectedObjectCount() : 0;
        if (n != GetSelectionCount()) {
            m_timeStamp = CopySelection(m_pLayer, n);
            m_pTarget = target;
            return 1;
        }
        // In the common case the selection is the copy in the same order: one pass comparing in
        // place and reading the stamps. Only when a position differs is membership looked up.
        void* const* copy = m_selection.GetData();
        const CQXLayer* layer = m_pLayer;
        int i = n;
        uint64_t other = 0;  // a second running maximum: two stamps are read at once
        int k = 0;
        for (; k + 1 < n; k += 2) {
            CQXObject* a = layer->GetSelectedObject(k);
            CQXObject* b = layer->GetSelectedObject(k + 1);
            if (copy[k] != a || copy[k + 1] != b) break;
            if (a) latest = std::max(latest, a->GetTimeStamp());
            if (b) other = std::max(other, b->GetTimeStamp());
        }
        for (; k < n; ++k) {
            CQXObject* selected = layer->GetSelectedObject(k);
            if (copy[k] != selected) {
                i = k;
                break;
            }
            if (selected) latest = std::max(latest, selected->GetTimeStamp());
        }
        latest = std::max(latest, other);
        if (i < n) {
            uint64_t members = latest;
            if (!SameMembers(i, &members)) {
                m_timeStamp = CopySelection(m_pLayer, n);
                m_pTarget = target;
                return 1;
            }
            latest = members;
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
