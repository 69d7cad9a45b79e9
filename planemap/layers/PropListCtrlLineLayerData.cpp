#include "planemap/layers/PropListCtrlLineLayerData.h"

#include <vector>

#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXMap.h"
#include "planemap/PlaneItems.h"
#include "planemap/layers/LayerName.h"
#include "planemap/layers/LayerTexts.h"

namespace {

// The names of the map's layers of exactly that kind, in map order.
std::vector<CString> LayerNamesOfKind(CQXMap* map, const char* kind) {
    std::vector<CString> names;
    const int count = map ? map->GetLayerCount() : 0;
    for (int i = 0; i < count; ++i) {
        CQXLayer* layer = map->GetLayer(i);
        if (layer && layer->GetTypeName() == kind) names.push_back(layer->GetName());
    }
    return names;
}

// The item offers the names (each once) and shows chosen.
void ShowChoices(CBCGPProp* item, const std::vector<CString>& names, const CString& chosen) {
    if (!item) return;
    item->RemoveAllOptions();
    for (const CString& name : names) item->AddOption(name, TRUE);
    SetItemText(item, chosen);
}

}  // namespace

int CPropListCtrlLineLayerData::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(layername::NewLayerNameItem(kLayerNameId, ""), TRUE, TRUE);

    auto* related = new CBCGPProp(layertext::kRelatedLayers, kRelatedGroupId);
    related->AddSubItem(NewOptionItem(layertext::kBoundLayer, "", layertext::kBoundLayerDescription,
                                                kBoundLayerId, {}, false));
    related->AddSubItem(NewOptionItem(layertext::kFaultLayer, "", layertext::kFaultLayerDescription,
                                                kFaultLayerId, {}, false));
    related->Expand(TRUE);
    m_wndPropList.AddProperty(related, TRUE, TRUE);
    return 0;
}

void CPropListCtrlLineLayerData::RefreshLayer(kel::plane::CCtrlLineLayer& layer) {
    CQXMap* map = layer.GetLayer() ? layer.GetLayer()->GetMap() : nullptr;
    layername::ShowLayerName(FindItem(kLayerNameId), layer.GetLayerName());
    CBCGPProp* related = FindItem(kRelatedGroupId);
    if (!related || related->GetSubItemsCount() < 2) return;
    ShowChoices(related->GetSubItem(0), LayerNamesOfKind(map, layertext::kBoundLayer), layer.GetBoundaryName());
    ShowChoices(related->GetSubItem(1), LayerNamesOfKind(map, layertext::kFaultLayer), layer.GetFaultName());
}

bool CPropListCtrlLineLayerData::OnLayerItemChanged(kel::plane::CCtrlLineLayer& layer, CBCGPProp* item) {
    switch (item->GetData()) {
        case kLayerNameId:
            return layername::RenameLayer(layer.GetLayer(), item, layername::Rename::kAndRelated);
        case kBoundLayerId:
            layer.SetBoundaryName(ItemText(item));
            break;
        case kFaultLayerId:
            layer.SetFaultName(ItemText(item));
            break;
        default:
            break;
    }
    return true;
}
