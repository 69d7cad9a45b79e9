#include "planemap/PlaneItems.h"
#include "planemap/layers/PropListSandLayerData.h"

#include "framework/FixedList.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/PropItems.h"
#include "planemap/GeologyTexts.h"
#include "planemap/layers/AttributeLayerTexts.h"
#include "planemap/layers/LayerName.h"
#include "planemap/layers/LayerTexts.h"

namespace {

using kel::plane::CSandLayer;

// A group of two switches, added expanded.
CBCGPProp* NewSwitchGroup(const char* label, DWORD_PTR id, const char* first, const char* second) {
    auto* group = new CBCGPProp(label, id);
    group->AddSubItem(NewYesNoList(first, "", nullptr, id + 1));
    group->AddSubItem(NewYesNoList(second, "", nullptr, id + 2));
    group->Expand(TRUE);
    return group;
}

}  // namespace

int CPropListSandLayerData::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(layername::NewLayerNameItem(kLayerNameId, ""), TRUE, TRUE);
    m_wndPropList.AddProperty(NewOptionItem(layertext::kStratumName, "", "", kStratumId, {}, false), TRUE, TRUE);
    m_wndPropList.AddProperty(
        NewSwitchGroup(geotext::kSandLine, kLineGroupId, geotext::kSandLine, geotext::kValidSandLine), TRUE, TRUE);
    m_wndPropList.AddProperty(
        NewSwitchGroup(geotext::kSandFill, kFillGroupId, geotext::kSandFill, attrtext::kValidSandFill), TRUE, TRUE);
    return 0;
}

void CPropListSandLayerData::RefreshLayer(CSandLayer& layer) {
    layername::ShowLayerName(FindItem(kLayerNameId), layer.GetLayerName());
    SetItemText(FindItem(kStratumId), layer.GetStratumName());
    if (CBCGPProp* lines = FindItem(kLineGroupId); lines && lines->GetSubItemsCount() >= 2) {
        SetYesNoProp(lines->GetSubItem(0), layer.GetLineVisible() == 1);
        SetYesNoProp(lines->GetSubItem(1), layer.GetLineValidVisible() == 1);
    }
    if (CBCGPProp* fills = FindItem(kFillGroupId); fills && fills->GetSubItemsCount() >= 2) {
        SetYesNoProp(fills->GetSubItem(0), layer.GetFillVisible() == 1);
        SetYesNoProp(fills->GetSubItem(1), layer.GetFillValidVisible() == 1);
    }
}

bool CPropListSandLayerData::OnLayerItemChanged(CSandLayer& layer, CBCGPProp* item) {
    const DWORD_PTR id = item->GetData();
    if (id == kLayerNameId) return layername::RenameLayer(layer.GetLayer(), item, layername::Rename::kLayerOnly);
    void (CSandLayer::*set)(int) = nullptr;
    switch (id) {
        case kLineSwitchId:
            set = &CSandLayer::SetLineVisible;
            break;
        case kValidLineSwitchId:
            set = &CSandLayer::SetLineValidVisible;
            break;
        case kFillSwitchId:
            set = &CSandLayer::SetFillVisible;
            break;
        case kValidFillSwitchId:
            set = &CSandLayer::SetFillValidVisible;
            break;
        default:
            return true;
    }
    (layer.*set)(ReadYesNo(item) ? 1 : 0);
    return true;
}
