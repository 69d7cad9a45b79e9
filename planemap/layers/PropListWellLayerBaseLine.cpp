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
// The offset types by their stored index; any other text is refused.
constexpr TextValue kOffsetTypes[] = {{welltext::kAbove, 0}, {welltext::kMiddle, kMiddleOffset}, {welltext::kBelow, 2}};

// The base line's and the connecting line's switch and pen.
const wellpens::PenGroup kPens[] = {
    {Page::kBaseGroupId, Page::kBaseShowId, Page::kBaseStyleId, Page::kBaseWidthId, Page::kBaseColorId,
     welltext::kBaseLineGroup, &CWellLayer::GetBaseLineVisible, &CWellLayer::SetBaseLineVisible,
     &CWellLayer::GetBaseLinePen, &CWellLayer::SetBaseLineStyle, &CWellLayer::SetBaseLineSize,
     &CWellLayer::SetBaseLineColor},
    {Page::kQueueGroupId, Page::kQueueShowId, Page::kQueueStyleId, Page::kQueueWidthId, Page::kQueueColorId,
     welltext::kQueueGroup, &CWellLayer::GetWellQueueVisible, &CWellLayer::SetWellQueueVisible,
     &CWellLayer::GetWellQueuePen, &CWellLayer::SetWellQueueStyle, &CWellLayer::SetWellQueueSize,
     &CWellLayer::SetWellQueueColor},
};

}  // namespace

int CPropListWellLayerBaseLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    for (const wellpens::PenGroup& p : kPens) {
        CBCGPProp* group = wellpens::NewPenGroup(p);
        if (p.group == kBaseGroupId) {
            group->AddSubItem(NewFixedListItem(welltext::kOffsetType, "", welltext::kOffsetTypeDescription,
                                               kOffsetTypeId, kOffsetTypes, kOtherRefused));
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
    for (DWORD_PTR id : {kOffsetTypeId, kOffsetId, kEndLengthId})
        if (CBCGPProp* item = FindItem(id)) ShowStoredItem(layer, item);
    if (!created) EnableAllItems(FALSE);
}

// An offset type that is none of the options (a text reported from code) is refused.
bool CPropListWellLayerBaseLine::OnLayerItemChanged(CWellLayer& layer, CBCGPProp* item) {
    double value = 0;
    switch (item->GetData()) {
        case kOffsetTypeId: {
            int type = 0;
            if (!ReadFixedList(item, &type)) return false;
            layer.SetBaseLineOffsetType(type);
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

// The stored values as the refresh shows them.
void CPropListWellLayerBaseLine::ShowStoredItem(CWellLayer& layer, CBCGPProp* item) {
    switch (item->GetData()) {
        case kOffsetTypeId: {
            const int offsetType = layer.GetBaseLineOffsetType();
            wellitems::ShowOption(item, offsetType < 0 ? kMiddleOffset : offsetType);
            break;
        }
        case kOffsetId:
            SetItemText(item, wellitems::Hundredths(layer.GetBaseLineOffset()));
            break;
        case kEndLengthId:
            SetItemText(item, wellitems::Hundredths(layer.GetBaseLineEndLength()));
            break;
        default:
            for (const wellpens::PenGroup& p : kPens) wellpens::ShowStoredPenItem(p, layer, item);
            break;
    }
}
