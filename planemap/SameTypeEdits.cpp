#include "planemap/SameTypeEdits.h"

#include "hosttypes/Parsnip/QXObjectLine.h"

void UpdateSameTypeObjects(CQXLayer* layer, CString typeName) {
    if (!layer) return;
    const int n = layer->GetSelectedObjectCount();
    for (int i = 0; i < n; ++i) {
        CQXObject* object = layer->GetSelectedObject(i);
        if (object && object->GetTypeName() == typeName) object->OnChanged(0);
    }
}

bool ShowRefusedFillSize(CBCGPProp* item, const QXLOGBRUSH& stored) {
    if (!item || item->GetData() != kPlaneFillCellSizeId) return false;
    QXLOGBRUSH read = stored;
    if (ReadFillSubItem(item, &read)) return false;
    item->SetValue(_variant_t(static_cast<double>(stored.size) / 100.0));
    return true;
}

bool ApplyFillSubItem(CBCGPProp* item, CQXLayer* layer, QXLOGBRUSH* brush, const CString& typeName) {
    return ApplyFillSubItem(item, layer, brush, typeName, &CQXObjectLine::SetLogBrush);
}
