#include "planemap/layers/PropListStratumMapLayerData.h"

#include "framework/PropItems.h"
#include "planemap/layers/LayerName.h"
#include "planemap/layers/LayerTexts.h"

int CPropListStratumMapLayerData::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(layername::NewLayerNameItem(kLayerNameId, ""), TRUE, TRUE);
    m_wndPropList.AddProperty(NewOptionItem(layertext::kStratumNumber, "", "", kStratumId, {}, false), TRUE, TRUE);
    auto* related = new CBCGPProp(layertext::kRelatedLayers, kRelatedGroupId);
    related->AddSubItem(NewOptionItem(layertext::kBoundLayer, "", layertext::kBoundLayerDescription, kBoundLayerId,
                                      {}, false));
    related->AddSubItem(NewOptionItem(layertext::kFaultLayer, "", layertext::kFaultLayerDescription, kFaultLayerId,
                                      {}, false));
    related->Expand(TRUE);
    m_wndPropList.AddProperty(related, TRUE, TRUE);
    return 0;
}

void CPropListStratumMapLayerData::RefreshLayer(kel::plane::CStratumMapLayer& layer) {
    layername::ShowLayerName(FindItem(kLayerNameId), layer.GetLayerName());
    SetItemText(FindItem(kStratumId), layer.GetStratumName());
    CBCGPProp* related = FindItem(kRelatedGroupId);
    if (!related || related->GetSubItemsCount() < 2) return;
    SetItemText(related->GetSubItem(0), layer.GetBoundaryName());
    SetItemText(related->GetSubItem(1), layer.GetFaultName());
}

bool CPropListStratumMapLayerData::OnLayerItemChanged(kel::plane::CStratumMapLayer& layer, CBCGPProp* item) {
    switch (item->GetData()) {
        case kLayerNameId:
            return layername::RenameLayer(layer.GetLayer(), item, layername::Rename::kLayerOnly);
        default:
            break;
    }
    return true;
}
