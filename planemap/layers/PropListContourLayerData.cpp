#include "planemap/layers/PropListContourLayerData.h"

#include "framework/PropItems.h"
#include "planemap/layers/ContourTexts.h"
#include "planemap/layers/LayerName.h"
#include "planemap/layers/LayerTexts.h"

namespace {

CBCGPProp* NewReadOnlyItem(const char* label, const char* description, DWORD_PTR id) {
    return NewOptionItem(label, "", description, id, {}, false);
}

}  // namespace

int CPropListContourLayerData::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(layername::NewLayerNameItem(kLayerNameId, ""), TRUE, TRUE);
    m_wndPropList.AddProperty(NewReadOnlyItem(contourtext::kTableName, "", kTableNameId), TRUE, TRUE);
    m_wndPropList.AddProperty(NewReadOnlyItem(contourtext::kAttribute, "", kDataNameId), TRUE, TRUE);
    m_wndPropList.AddProperty(NewReadOnlyItem(layertext::kStratumNumber, "", kStratumId), TRUE, TRUE);
    auto* related = new CBCGPProp(layertext::kRelatedLayers, kRelatedGroupId);
    related->AddSubItem(NewReadOnlyItem(layertext::kBoundLayer, layertext::kBoundLayerDescription, kBoundLayerId));
    related->AddSubItem(NewReadOnlyItem(layertext::kFaultLayer, layertext::kFaultLayerDescription, kFaultLayerId));
    related->AddSubItem(
        NewReadOnlyItem(layertext::kCtrlLineLayer, contourtext::kCtrlLineLayerDescription, kCtrlLayerId));
    related->Expand(TRUE);
    m_wndPropList.AddProperty(related, TRUE, TRUE);
    return 0;
}

// The read-only items neither write nor redraw.
LRESULT CPropListContourLayerData::OnPropertyChanged(WPARAM wParam, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    if (!item || item->GetData() != kLayerNameId) return 0;
    return TLayerPage<kel::plane::CContourLayer>::OnPropertyChanged(wParam, lParam);
}

void CPropListContourLayerData::RefreshLayer(kel::plane::CContourLayer& layer) {
    layername::ShowLayerName(FindItem(kLayerNameId), layer.GetLayerName());
    SetItemText(FindItem(kTableNameId), layer.GetTableName());
    SetItemText(FindItem(kDataNameId), layer.GetDataName());
    SetItemText(FindItem(kStratumId), layer.GetStratumName());
    SetItemText(FindItem(kBoundLayerId), layer.GetBoundaryName());
    SetItemText(FindItem(kFaultLayerId), layer.GetFaultName());
    SetItemText(FindItem(kCtrlLayerId), layer.GetControlName());
}

bool CPropListContourLayerData::OnLayerItemChanged(kel::plane::CContourLayer& layer, CBCGPProp* item) {
    return item->GetData() != kLayerNameId || layername::RenameByWrapper(layer, item);
}
