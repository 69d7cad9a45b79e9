#include "planemap/SameTypeEdits.h"

#include "framework/ItemGroupsLine.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"

void UpdateSameTypeObjects(CQXLayer* layer, CString typeName) {
    if (!layer) return;
    const int n = layer->GetSelectedObjectCount();
    for (int i = 0; i < n; ++i) {
        CQXObject* object = layer->GetSelectedObject(i);
        if (object && object->GetTypeName() == typeName) object->OnChanged(0);
    }
}

bool ShowRefusedFillItem(CBCGPProp* item, const QXLOGBRUSH& stored) {
    if (!item || (item->GetData() != kPlaneFillCellSizeId && item->GetData() != kPlaneFillStyleSetId)) return false;
    if (item->GetData() == kPlaneFillStyleSetId) {
        if (!ItemText(item).IsEmpty()) return false;
        // The picker is switched only by a set taken: it still offers the set shown before.
        CBCGPProp* group = item->GetParent();
        auto* picker = group ? dynamic_cast<CPropStyleCombox*>(group->GetSubItem(1)) : nullptr;
        if (picker && !picker->GetStyleGroups().empty()) SetItemText(item, picker->GetStyleGroups().front().second);
        return true;
    }
    QXLOGBRUSH read = stored;
    if (ReadFillSubItem(item, &read)) return false;
    ShowStoredFillSize(item, stored);
    return true;
}

void ShowStoredFillSize(CBCGPProp* item, const QXLOGBRUSH& stored) {
    item->SetValue(_variant_t(static_cast<double>(stored.size) / 100.0));
}

bool ApplyFillSubItem(CBCGPProp* item, CQXLayer* layer, QXLOGBRUSH* brush, const CString& typeName) {
    return ApplyFillSubItem(item, layer, brush, typeName, &CQXObjectLine::SetLogBrush);
}

bool ApplyArrowSubItem(CBCGPProp* item, CQXObject* shown, int index) {
    double length = 0;
    if (index == 2 && !ReadArrowSize(ItemText(item), &length)) {
        if (auto* line = dynamic_cast<CQXObjectPolyline*>(shown)) ShowFixed(item, line->GetBegArrow()->GetArrowLength(), 2);
        return false;
    }
    // Any text but the two arrow names is taken as no arrow, which the style item then shows.
    ApplyArrowProp(item, shown, index);
    return true;
}
