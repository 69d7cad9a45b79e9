#include "planemap/layers/PropListWellLayerAbsence.h"

#include <algorithm>

#include "framework/ItemGroupsBasic.h"
#include "framework/PropItems.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"
#include "planemap/layers/WellItems.h"
#include "planemap/layers/WellTexts.h"

using kel::plane::CWellLayer;

namespace {
// The symbol group's fields follow the absence type's choice.
constexpr int kSymbolFirstField = 1;
// The reference objects by their stored index; any other text is refused.
constexpr TextValue kRefers[] = {{welltext::kBaseLine, 0}, {welltext::kWell, 1}};
}  // namespace

int CPropListWellLayerAbsence::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(wellitems::NewSwitch(kShowId), TRUE, TRUE);

    CBCGPProp* symbol = wellitems::NewGroup(welltext::kAbsenceSymbols, kSymbolGroupId);
    symbol->AddSubItem(
        wellitems::NewChoice(welltext::kChooseAbsenceType, welltext::kChooseAbsenceTypeDescription, kTypeId, {}));
    wellitems::AddPointItems(
        symbol,
        wellitems::NewPointPicker(welltext::kSymbol, welltext::kSymbolDescription, kStyleId, welltext::kCommonSymbols,
                                  welltext::kCommonPoints, welltext::kSpecialMarks, false),
        kSizeId, planemap::WidthRule(), kBorderColorId, kInnerColorId);
    symbol->Expand(TRUE);
    m_wndPropList.AddProperty(symbol, TRUE, TRUE);

    CBCGPProp* place = wellitems::NewGroup(planetext::kPosition, kPlaceGroupId);
    place->AddSubItem(NewFixedListItem(welltext::kReferObject, "", welltext::kReferObjectDescription, kReferId, kRefers,
                                       kOtherRefused));
    place->AddSubItem(
        wellitems::NewPlaceChoice(welltext::kRelativePlace, welltext::kRelativePlaceDescription, kAlignId));
    place->AddSubItem(
        wellitems::NewHundredthsItem(welltext::kOffset, welltext::kOffsetDescription, kDistanceId, false));
    place->Expand(TRUE);
    m_wndPropList.AddProperty(place, TRUE, TRUE);
    return 0;
}

// The chosen type's symbol.
void CPropListWellLayerAbsence::ShowSymbol(CWellLayer& layer) {
    for (DWORD_PTR id : {kStyleId, kSizeId, kBorderColorId, kInnerColorId})
        if (CBCGPProp* item = FindItem(id)) ShowStoredItem(layer, item);
}

// The place around the base line is chosen only while the base line is the reference.
void CPropListWellLayerAbsence::EnableAlign(CBCGPProp* refer) {
    if (CBCGPProp* align = FindItem(kAlignId)) align->Enable(ItemText(refer) != welltext::kBaseLine ? TRUE : FALSE);
}

void CPropListWellLayerAbsence::RefreshLayer(CWellLayer& layer) {
    const bool created = wellitems::IsCreated(layer.GetLayer(), welltext::kAbsenceCreated);
    if (created) EnableAllItems(TRUE);
    const int visible = layer.GetAbsenceVisible();
    for (DWORD_PTR group : {kSymbolGroupId, kPlaceGroupId})
        if (CBCGPProp* g = FindItem(group)) EnableSubItems(g, 0, g->GetSubItemsCount(), visible ? TRUE : FALSE);

    CBCGPProp* type = FindItem(kTypeId);
    if (type) {
        type->RemoveAllOptions();
        const CStringArray& types = layer.GetAbsenceTypeInLayer();
        for (INT_PTR i = 0; i < types.GetSize(); ++i) type->AddOption(types.GetAt(i));
    }
    ShowSymbol(layer);

    for (DWORD_PTR id : {kShowId, kReferId, kAlignId, kDistanceId})
        if (CBCGPProp* item = FindItem(id)) ShowStoredItem(layer, item);
    EnableAlign(FindItem(kReferId));

    if (!created) EnableAllItems(FALSE);
}

// The symbol's fields are read by the group edit; the reference and the place are fixed lists that
// refuse a text that is none of their options (reported from code). The switch takes any text,
// "是" as shown and every other as hidden.
bool CPropListWellLayerAbsence::OnLayerItemChanged(CWellLayer& layer, CBCGPProp* item) {
    const CString type = ItemText(FindItem(kTypeId));
    QXLOGPOINT symbol;
    layer.GetAbsenceSymbol(&symbol, type);
    double value = 0;
    switch (item->GetData()) {
        case kShowId: {
            const int on = ReadYesNo(item) ? 1 : 0;
            layer.SetAbsenceVisible(on);
            EnableAllSubItems(FindItem(kSymbolGroupId), on ? TRUE : FALSE);
            EnableAllSubItems(FindItem(kPlaceGroupId), on ? TRUE : FALSE);
            return true;
        }
        case kTypeId:
            // Another type chosen: its symbol is shown, nothing is written.
            ShowSymbol(layer);
            return true;
        case kStyleId:
        case kSizeId:
        case kBorderColorId:
        case kInnerColorId:
            if (!ReadEditedField(item, symbol, kSymbolFirstField)) return false;
            layer.SetAbsenceSymbol(&symbol, type);
            return true;
        case kReferId: {
            int refer = 0;
            if (!ReadFixedList(item, &refer)) return false;
            layer.SetAbsenceReferType(refer);
            EnableAlign(item);
            return true;
        }
        case kAlignId: {
            int align = 0;
            if (!ReadFixedList(item, &align)) return false;
            layer.SetAbsenceAlign(align);
            return true;
        }
        case kDistanceId:
            if (!wellitems::ReadHundredths(item, false, &value)) return false;
            layer.SetAbsenceDistance(value);
            return true;
        default:
            return true;
    }
}

void CPropListWellLayerAbsence::ShowItemAgain(CBCGPProp* item) {
    if (item && (item->GetData() == kReferId || item->GetData() == kAlignId))
        CWndLstPlane::ShowItemAgain(item);
    else
        TLayerPage::ShowItemAgain(item);
}

// The stored values as the refresh shows them: the symbol of the chosen type; the well as the
// reference while the layer has no base line; a stored index below 0 as the first option.
void CPropListWellLayerAbsence::ShowStoredItem(CWellLayer& layer, CBCGPProp* item) {
    switch (item->GetData()) {
        case kShowId:
            wellitems::ShowSwitch(item, layer.GetAbsenceVisible());
            break;
        case kStyleId:
        case kSizeId:
        case kBorderColorId:
        case kInnerColorId: {
            QXLOGPOINT symbol;
            layer.GetAbsenceSymbol(&symbol, ItemText(FindItem(kTypeId)));
            wellitems::ShowPointField(item, symbol, kStyleId, kSizeId, kBorderColorId, kInnerColorId);
            break;
        }
        case kReferId:
            if (layer.IsHaveBaseLine())
                wellitems::ShowOption(item, std::max(layer.GetAbsenceReferType(), 0));
            else
                SetItemText(item, welltext::kWell);
            break;
        case kAlignId:
            wellitems::ShowOption(item, std::max(layer.GetAbsenceAlign(), 0));
            break;
        case kDistanceId:
            SetItemText(item, wellitems::Hundredths(layer.GetAbsenceDistance()));
            break;
        default:
            break;
    }
}
