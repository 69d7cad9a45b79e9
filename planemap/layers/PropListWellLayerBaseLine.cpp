#include "planemap/layers/PropListWellLayerBaseLine.h"

#include "framework/ItemGroupsBasic.h"
#include "planemap/PlaneItems.h"
#include "planemap/layers/WellItems.h"
#include "planemap/layers/WellTexts.h"

using kel::plane::CWellLayer;

namespace {

// A stored offset type below 0 shows the middle.
constexpr int kMiddleOffset = 1;

CBCGPProp* NewPenGroup(const char* label, DWORD_PTR group, DWORD_PTR show, DWORD_PTR style, DWORD_PTR width,
                       DWORD_PTR color) {
    CBCGPProp* g = wellitems::NewGroup(label, group);
    g->AddSubItem(wellitems::NewSwitch(show));
    g->AddSubItem(wellitems::NewLinePicker(grouptext::kLineStyle, grouptext::kLineStylePlainDescription, style));
    g->AddSubItem(planemap::NewTextItem(welltext::kWidth, welltext::kWidthDescription, width));
    g->AddSubItem(wellitems::NewColor(grouptext::kColor, welltext::kColorDescription, color));
    return g;
}

void ShowPenGroup(CBCGPProp* group, int visible, const QXLOGPEN& pen, double width, COLORREF color) {
    if (!group) return;
    wellitems::ShowSwitch(group->GetSubItem(0), visible);
    wellitems::EnableAfterSwitch(group, visible);
    wellitems::ShowStyle(group->GetSubItem(1), pen.style);
    planemap::SetItemText(group->GetSubItem(2), wellitems::Hundredths(width));
    planemap::ShowColor(group->GetSubItem(3), color);
}

}  // namespace

int CPropListWellLayerBaseLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    CBCGPProp* base =
        NewPenGroup(welltext::kBaseLineGroup, kBaseGroupId, kBaseShowId, kBaseStyleId, kBaseWidthId, kBaseColorId);
    base->AddSubItem(wellitems::NewChoice(welltext::kOffsetType, welltext::kOffsetTypeDescription, kOffsetTypeId,
                                          {welltext::kAbove, welltext::kMiddle, welltext::kBelow}));
    base->AddSubItem(planemap::NewTextItem(welltext::kVerticalOffset, welltext::kVerticalOffsetDescription, kOffsetId));
    base->AddSubItem(planemap::NewTextItem(welltext::kEndLength, welltext::kEndLengthDescription, kEndLengthId));
    base->Expand(TRUE);
    m_wndPropList.AddProperty(base, TRUE, TRUE);
    CBCGPProp* queue =
        NewPenGroup(welltext::kQueueGroup, kQueueGroupId, kQueueShowId, kQueueStyleId, kQueueWidthId, kQueueColorId);
    queue->Expand(TRUE);
    m_wndPropList.AddProperty(queue, TRUE, TRUE);
    return 0;
}

void CPropListWellLayerBaseLine::RefreshLayer(CWellLayer& layer) {
    const bool created = wellitems::IsCreated(layer.GetLayer(), welltext::kBaseLineCreated);
    if (created) EnableAllItems(TRUE);
    QXLOGPEN pen;
    layer.GetBaseLinePen(&pen);
    ShowPenGroup(FindItem(kBaseGroupId), layer.GetBaseLineVisible(), pen, layer.GetBaseLineSize(),
                 layer.GetBaseLineColor());
    const int offsetType = layer.GetBaseLineOffsetType();
    wellitems::ShowOption(FindItem(kOffsetTypeId), offsetType < 0 ? kMiddleOffset : offsetType);
    planemap::SetItemText(FindItem(kOffsetId), wellitems::Hundredths(layer.GetBaseLineOffset()));
    planemap::SetItemText(FindItem(kEndLengthId), wellitems::Hundredths(layer.GetBaseLineEndLength()));
    layer.GetWellQueuePen(&pen);
    ShowPenGroup(FindItem(kQueueGroupId), layer.GetWellQueueVisible(), pen, layer.GetWellQueueSize(),
                 layer.GetWellQueueColor());
    if (!created) EnableAllItems(FALSE);
}

void CPropListWellLayerBaseLine::OnLayerItemChanged(CWellLayer& layer, CBCGPProp* item) {
    double value = 0;
    UINT style = 0;
    COLORREF color = 0;
    switch (item->GetData()) {
        case kBaseShowId:
            layer.SetBaseLineVisible(wellitems::SwitchValue(item));
            wellitems::EnableAfterSwitch(FindItem(kBaseGroupId), wellitems::SwitchValue(item));
            break;
        case kBaseStyleId:
            if (wellitems::PickedStyle(item, &style)) layer.SetBaseLineStyle(style);
            break;
        case kBaseWidthId:
            if (wellitems::ReadHundredths(item, layer.GetBaseLineSize(), false, &value)) layer.SetBaseLineSize(value);
            break;
        case kBaseColorId:
            if (planemap::ReadColor(item, &color)) layer.SetBaseLineColor(color);
            break;
        case kOffsetTypeId: {
            const int type = wellitems::ChosenOption(item);
            if (type >= 0) layer.SetBaseLineOffsetType(type);
            break;
        }
        case kOffsetId:
            if (wellitems::ReadHundredths(item, layer.GetBaseLineOffset(), true, &value)) layer.SetBaseLineOffset(value);
            break;
        case kEndLengthId:
            if (wellitems::ReadHundredths(item, layer.GetBaseLineEndLength(), false, &value))
                layer.SetBaseLineEndLength(value);
            break;
        case kQueueShowId:
            layer.SetWellQueueVisible(wellitems::SwitchValue(item));
            wellitems::EnableAfterSwitch(FindItem(kQueueGroupId), wellitems::SwitchValue(item));
            break;
        case kQueueStyleId:
            if (wellitems::PickedStyle(item, &style)) layer.SetWellQueueStyle(style);
            break;
        case kQueueWidthId:
            if (wellitems::ReadHundredths(item, layer.GetWellQueueSize(), false, &value)) layer.SetWellQueueSize(value);
            break;
        case kQueueColorId:
            if (planemap::ReadColor(item, &color)) layer.SetWellQueueColor(color);
            break;
        default:
            break;
    }
}
