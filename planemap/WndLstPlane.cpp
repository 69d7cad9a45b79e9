#include "planemap/WndLstPlane.h"

#include <algorithm>
#include <cfloat>
#include <unordered_set>

#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Parsnip/QXObjectLine.h"
#include "planemap/PlaneNumbers.h"

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

void UpdateSameTypeObjects(CQXLayer* layer, CString typeName) {
    if (!layer) return;
    const int n = layer->GetSelectedObjectCount();
    for (int i = 0; i < n; ++i) {
        CQXObject* object = layer->GetSelectedObject(i);
        if (object && object->GetTypeName() == typeName) object->OnChanged(0);
    }
}

namespace {

// The group's style picker is its second sub-item.
CPropStyleCombox* GroupPicker(CBCGPProp* item) {
    CBCGPProp* group = item->GetParent();
    if (!group || group->GetSubItemsCount() < 2) return nullptr;
    return dynamic_cast<CPropStyleCombox*>(group->GetSubItem(1));
}

}  // namespace

bool ReadFillSubItem(CBCGPProp* item, QXLOGBRUSH* brush) {
    if (!item || !brush) return false;
    switch (item->GetData()) {
        case kPlaneFillStyleSetId: {
            const CString set = VariantToText(item->GetValue());
            if (set.IsEmpty()) return false;
            UINT style = GetFirstFillStyleID(set);
            if (CPropStyleCombox* picker = GroupPicker(item)) {
                picker->SetStyleGroup(set, true);
                picker->SetVal(style);
            }
            brush->style = style;
            return true;
        }
        case kPlaneFillStyleId: {
            auto* picker = dynamic_cast<CPropStyleCombox*>(item);
            if (!picker) return false;
            brush->style = picker->GetVal();
            return true;
        }
        case kPlaneFillLineColorId:
            return planemap::ReadColor(item, &brush->lineColor);
        case kPlaneFillColorId:
            return planemap::ReadColor(item, &brush->fillColor);
        case kPlaneFillCellSizeId: {
            double size = 0;
            // A size past the record's float range is refused like a text that is no number.
            if (!GetNumberProp(item, &size) || size * 100 > FLT_MAX) return false;
            brush->size = static_cast<float>(size * 100);
            return true;
        }
        case kPlaneFillTransparentId:
            brush->backMode = GetYesNoProp(item) ? kBackModeTransparent : kBackModeOpaque;
            return true;
        default:
            return false;
    }
}

void ApplyFillSubItem(CBCGPProp* item, CQXLayer* layer, QXLOGBRUSH* brush, const CString& typeName) {
    ApplyFillSubItem(item, layer, brush, typeName, &CQXObjectLine::SetLogBrush);
}
