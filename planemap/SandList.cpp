#include "planemap/SandList.h"

#include "planemap/GeologyTexts.h"
#include "planemap/PlaneItems.h"

using namespace planemap;

namespace sandlist {

int CountBodies(CQXLayer* layer) {
    if (!layer) return 0;
    const CQXPropertyManager* store = layer->GetPropertyManager();
    int n = 0;
    for (;;) {
        CString key;
        key.Format("%s%d", geotext::kBrushKeyPrefix, n + 1);
        QXLOGBRUSH brush;
        if (!store->GetBrushProperty(key, &brush)) return n;
        ++n;
    }
}

CBCGPProp* NewBodyItem(DWORD_PTR id) { return NewOptionItem(geotext::kSandBodyNumber, "", "", id, {}, false); }

void ShowBody(CBCGPProp* item, CQXObject* object) {
    if (!item) return;
    item->SetValue(_variant_t(object->GetName()));
    item->RemoveAllOptions();
    const int n = CountBodies(object->GetLayer());
    for (int i = 1; i <= n; ++i) {
        CString option;
        option.Format("%d", i);
        item->AddOption(option);
    }
}

CQXPropertyManager* JoinBody(CQXObject* object, const CString& number) {
    object->SetName(number);
    CQXLayer* layer = object->GetLayer();
    return layer ? layer->GetPropertyManager() : nullptr;
}

}  // namespace sandlist
