#include "planemap/layers/PropListWellLayerBaseLine.h"

#include "framework/ItemGroupsBasic.h"
#include "planemap/PlaneItems.h"
#include "planemap/layers/WellItems.h"
#include "planemap/layers/WellPenGroups.h"
#include "planemap/layers/WellTexts.h"

using kel::plane::CWellLayer;

namespace {

using Page = CPropListWellLayerBaseLine;

// A stored offset type below 0 shows the middle.
constexpr int kMiddleOffset = 1;

// The base line's and the connecting line's switch and pen.
const wellpens::PenGroup kPens[] = {
    {Page::kBaseGroupId, Page::kBaseShowId, Page::kBaseStyleId, Page::kBaseWidthId, Page::kBaseColorId,
     welltext::kBaseLineGroup, &CWellLayer::GetBaseLineVisible, &CWellLayer::SetBaseLineVisible,
     &CWellLayer::GetBaseLinePen, &CWellLayer::SetBaseLineStyle, &CWellLayer::GetBaseLineSize,
     &CWellLayer::SetBaseLineSize, &CWellLayer::GetBaseLineColor, &CWellLayer::SetBaseLineColor},
    {Page::kQueueGroupId, Page::kQueueShowId, Page::kQueueStyleId, Page::kQueueWidthId, Page::kQueueColorId,
     welltext::kQueueGroup, &CWellLayer::GetWellQueueVisible, &CWellLayer::SetWellQueueVisible,
     &CWellLayer::GetWellQueuePen, &CWellLayer::SetWellQueueStyle, &CWellLayer::GetWellQueueSize,
     &CWellLayer::SetWellQueueSize, &CWellLayer::GetWellQueueColor, &CWellLayer::SetWellQueueColor},
};

}  // namespace

int CPropListWellLayerBaseLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    for (const wellpens::PenGroup& p : kPens) {
        CBCGPProp* group = wellpens::NewPenGroup(p);
        if (p.group == kBaseGroupId) {
            group->AddSubItem(wellitems::NewChoice(welltext::kOffsetType, welltext::kOffsetTypeDescription,
                                                   kOffsetTypeId,
                                                   {welltext::kAbove, welltext::kMiddle, welltext::kBelow}));
            group->AddSubItem(wellitems::NewHundredthsItem(welltext::kVerticalOffset,
                                                           welltext::kVerticalOffsetDescription, kOffsetId, true));
            group->AddSubItem(wellitems::NewHundredthsItem(welltext::kEndLength, welltext::kEndLengthDescription,
                                                           kEndLengthId, false));
        }
        group->Expand(TRUE);
        m_wndPropList.AddProperty(group, TRUE, TRUE);
    }
    return 0;
}

void CPropListWellLayerBaseLine::RefreshLayer(CWellLayer& layer) {
    const bool created = wellitems::IsCreated(layer.GetLayer(), welltext::kBaseLineCreated);
    if (created) EnableAllItems(TRUE);
    for (const wellpens::PenGroup& p : kPens) wellpens::ShowPenGroup(m_wndPropList, p, layer);
    const int offsetType = layer.GetBaseLineOffsetType();
    wellitems::ShowOption(FindItem(kOffsetTypeId), offsetType < 0 ? kMiddleOffset : offsetType);
    SetItemText(FindItem(kOffsetId), wellitems::Hundredths(layer.GetBaseLineOffset()));
    SetItemText(FindItem(kEndLengthId), wellitems::Hundredths(layer.GetBaseLineEndLength()));
    if (!created) EnableAllItems(FALSE);
}

bool CPropListWellLayerBaseLine::OnLayerItemChanged(CWellLayer& layer, CBCGPProp* item) {
    double value = 0;
    switch (item->GetData()) {
        case kOffsetTypeId: {
            const int type = wellitems::ChosenOption(item);
            if (type >= 0) layer.SetBaseLineOffsetType(type);
            return true;
        }
        case kOffsetId:
            if (!wellitems::ReadHundredths(item, true, &value)) return false;
            layer.SetBaseLineOffset(value);
            return true;
        case kEndLengthId:
            if (!wellitems::ReadHundredths(item, false, &value)) return false;
            layer.SetBaseLineEndLength(value);
            return true;
        default:
            for (const wellpens::PenGroup& p : kPens)
                if (!wellpens::EditPenGroup(m_wndPropList, p, layer, item)) return false;
            return true;
    }
}

// The numbers as the refresh shows them.
void CPropListWellLayerBaseLine::ShowStoredItem(CWellLayer& layer, CBCGPProp* item) {
    if (item->GetData() == kOffsetId)
        SetItemText(item, wellitems::Hundredths(layer.GetBaseLineOffset()));
    else if (item->GetData() == kEndLengthId)
        SetItemText(item, wellitems::Hundredths(layer.GetBaseLineEndLength()));
    for (const wellpens::PenGroup& p : kPens) wellpens::ShowPenWidth(p, layer, item);
}
