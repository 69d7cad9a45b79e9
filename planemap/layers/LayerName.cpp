#include "planemap/layers/LayerName.h"

#include "hosttypes/Moraine/PlaneFunc.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Tinder/CommonUtility.h"
#include "planemap/PlaneItems.h"
#include "planemap/layers/LayerTexts.h"

namespace layername {

CBCGPProp* NewLayerNameItem(DWORD_PTR id, const char* description) {
    return NewTextItem(layertext::kLayerName, description, id);
}

void ShowLayerName(CBCGPProp* item, const CString& name) { SetItemText(item, name); }

bool TakeNewName(CQXLayer* layer, CBCGPProp* item, CString* name) {
    if (!layer || !item) return false;
    const CString text = ItemText(item);
    if (!CCommonUtility::IsFileNameValide(text.str())) {
        CCommonUtility::LayerNameWarning();
        ShowLayerName(item, layer->GetName());
        return false;
    }
    if (!kel::plane::CPlaneFunc::IsSameLayerName(layer->GetMap(), text.str())) {
        ShowLayerName(item, layer->GetName());
        return false;
    }
    *name = text;
    return true;
}

bool RenameLayer(CQXLayer* layer, CBCGPProp* item, Rename way) {
    if (!layer) return false;
    const CString oldName = layer->GetName();
    CString name;
    if (!TakeNewName(layer, item, &name)) return false;
    layer->SetName(name);
    if (way == Rename::kAndRelated) kel::plane::CPlaneFunc::UpdateRelateLayerName(layer, oldName.str());
    return true;
}

}  // namespace layername
