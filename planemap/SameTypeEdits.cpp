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

void ApplyFillSubItem(CBCGPProp* item, CQXLayer* layer, QXLOGBRUSH* brush, const CString& typeName) {
    ApplyFillSubItem(item, layer, brush, typeName, &CQXObjectLine::SetLogBrush);
}
