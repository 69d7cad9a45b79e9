// CWndLstPlane: the base of every list that shows a plane-map object or layer. It decides when
// a list must re-read (CheckTargetChanged), keeping a copy of the layer's selection and the
// newest stamp it has shown. The edits written to every selected object of the shown object's
// type name are in planemap/SameTypeEdits.h.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_set>

#include "bcg/Prop.h"
#include "framework/WndLst.h"
#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObject.h"
#include "mfc/Collections.h"

class CWndLstPlane : public CWndLst {
    DECLARE_DYNCREATE(CWndLstPlane)
public:
    CWndLstPlane();
    ~CWndLstPlane() override;

    // 1 when the list must re-read: another target, another selection (count or members), a
    // newer stamp among the selected objects (the layer's own stamp for a layer target), or
    // newer well data.
    virtual int CheckTargetChanged(CObject* target);

    // TRUE when at most one object is selected or all selected objects share the first's class name.
    BOOL IsSameClassSelected();
    // Enables or disables the item and all its sub-items, depth first.
    void EnablePropRecursive(CBCGPProp* item, BOOL enable);

    int GetMode() const { return m_nMode; }
    CObject* GetTarget() const { return m_pTarget; }
    CQXLayer* GetLayer() const { return m_pLayer; }
    int GetSelectionCount() const { return static_cast<int>(m_selection.GetSize()); }
    CQXObject* GetSelectionAt(int i) const { return m_selection.GetAt(i); }

protected:
    // The common start of a refresh of the lists that edit several selected objects: false when
    // nothing changed, or when the selection mixes classes (every item is then disabled).
    // Otherwise every item is enabled again, so that a list's own rules start from a known state
    // after a mixed selection, and the answer is true.
    bool BeginMultiRefresh(long object);
    // Enables or disables every top-level item of the grid with its sub-items.
    void EnableAllItems(BOOL enable);
    // The item with that data, searched in groups too; NULL when the grid has none.
    CBCGPProp* FindItem(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }

    int m_nMode = 0;
    CObject* m_pTarget = nullptr;
    CQXLayer* m_pLayer = nullptr;
    CTypedPtrArray<CPtrArray, CQXObject*> m_selection;

private:
    // Copies the layer's selection; answers the newest stamp among it.
    uint64_t CopySelection(CQXLayer* layer, int count);
    // Whether the selection from position `from` on holds only members of the copy (the copy and
    // the selection have the same size); raises *latest to their newest stamp when it does.
    bool SameMembers(int from, uint64_t* latest);

    std::unordered_set<const void*> m_members;  // reused by SameMembers

    DECLARE_MESSAGE_MAP()
};
