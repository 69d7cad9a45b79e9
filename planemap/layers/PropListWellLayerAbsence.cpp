#include "planemap/layers/PropListWellLayerAbsence.h"

#include "framework/ItemGroupsBasic.h"
#include "framework/PropItems.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"
#include "planemap/layers/WellItems.h"
#include "planemap/layers/WellTexts.h"

using kel::plane::CWellLayer;

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
    place->AddSubItem(wellitems::NewChoice(welltext::kReferObject, welltext::kReferObjectDescription, kReferId,
                                           {welltext::kBaseLine, welltext::kWell}));
    place->AddSubItem(
        wellitems::NewPlaceChoice(welltext::kRelativePlace, welltext::kRelativePlaceDescription, kAlignId));
    place->AddSubItem(
        wellitems::NewHundredthsItem(welltext::kOffset, welltext::kOffsetDescription, kDistanceId, false));
    place->Expand(TRUE);
    m_wndPropList.AddProperty(place, TRUE, TRUE);
    return 0;
}

void CPropListWellLayerAbsence::ShowSymbol(const QXLOGPOINT& symbol) {
    wellitems::ShowStyle(FindItem(kStyleId), symbol.style);
    SetItemText(FindItem(kSizeId), wellitems::Hundredths(symbol.size));
    ShowColor(FindItem(kBorderColorId), symbol.borderColor);
    ShowColor(FindItem(kInnerColorId), symbol.innerColor);
}

// The place around the base line is chosen only while the base line is the reference.
void CPropListWellLayerAbsence::EnableAlign(CBCGPProp* refer) {
    if (CBCGPProp* align = FindItem(kAlignId)) align->Enable(ItemText(refer) != welltext::kBaseLine ? TRUE : FALSE);
}

void CPropListWellLayerAbsence::RefreshLayer(CWellLayer& layer) {
    const bool created = wellitems::IsCreated(layer.GetLayer(), welltext::kAbsenceCreated);
    if (created) EnableAllItems(TRUE);
    const int visible = layer.GetAbsenceVisible();
    wellitems::ShowSwitch(FindItem(kShowId), visible);
    for (DWORD_PTR group : {kSymbolGroupId, kPlaceGroupId})
        if (CBCGPProp* g = FindItem(group)) EnableSubItems(g, 0, g->GetSubItemsCount(), visible ? TRUE : FALSE);

    CBCGPProp* type = FindItem(kTypeId);
    if (type) {
        type->RemoveAllOptions();
        const CStringArray& types = layer.GetAbsenceTypeInLayer();
        for (INT_PTR i = 0; i < types.GetSize(); ++i) type->AddOption(types.GetAt(i));
    }
    QXLOGPOINT symbol;
    layer.GetAbsenceSymbol(&symbol, ItemText(type));
    ShowSymbol(symbol);

    CBCGPProp* refer = FindItem(kReferId);
    const int referType = layer.GetAbsenceReferType();
    if (layer.IsHaveBaseLine())
        wellitems::ShowOption(refer, referType < 0 ? 0 : referType);
    else
        SetItemText(refer, welltext::kWell);
    EnableAlign(refer);
    const int align = layer.GetAbsenceAlign();
    wellitems::ShowOption(FindItem(kAlignId), align < 0 ? 0 : align);
    SetItemText(FindItem(kDistanceId), wellitems::Hundredths(layer.GetAbsenceDistance()));

    if (!created) EnableAllItems(FALSE);
}

bool CPropListWellLayerAbsence::OnLayerItemChanged(CWellLayer& layer, CBCGPProp* item) {
    const CString type = ItemText(FindItem(kTypeId));
    QXLOGPOINT symbol;
    layer.GetAbsenceSymbol(&symbol, type);
    bool symbolChanged = false;
    double value = 0;
    switch (item->GetData()) {
        case kShowId:
            layer.SetAbsenceVisible(wellitems::SwitchValue(item));
            EnableAllSubItems(FindItem(kSymbolGroupId), wellitems::SwitchValue(item) ? TRUE : FALSE);
            EnableAllSubItems(FindItem(kPlaceGroupId), wellitems::SwitchValue(item) ? TRUE : FALSE);
            break;
        case kTypeId:
            // Another type chosen: its symbol is shown, nothing is written.
            ShowSymbol(symbol);
            break;
        case kStyleId:
            symbolChanged = ReadStyle(item, &symbol.style);
            break;
        case kSizeId:
            if (!planemap::ReadWidth(ItemText(item), &symbol.size)) return false;
            symbolChanged = true;
            break;
        case kBorderColorId:
            symbolChanged = ReadColor(item, &symbol.borderColor);
            break;
        case kInnerColorId:
            symbolChanged = ReadColor(item, &symbol.innerColor);
            break;
        case kReferId: {
            const int refer = wellitems::ChosenOption(item);
            if (refer >= 0) layer.SetAbsenceReferType(refer);
            EnableAlign(item);
            break;
        }
        case kAlignId: {
            const int align = wellitems::ChosenOption(item);
            if (align >= 0) layer.SetAbsenceAlign(align);
            break;
        }
        case kDistanceId:
            if (!wellitems::ReadHundredths(item, false, &value)) return false;
            layer.SetAbsenceDistance(value);
            break;
        default:
            break;
    }
    if (symbolChanged) layer.SetAbsenceSymbol(&symbol, type);
    return true;
}

// The numbers as the refresh shows them: the size of the chosen type's symbol, the offset.
void CPropListWellLayerAbsence::ShowStoredItem(CWellLayer& layer, CBCGPProp* item) {
    if (item->GetData() == kSizeId) {
        QXLOGPOINT symbol;
        layer.GetAbsenceSymbol(&symbol, ItemText(FindItem(kTypeId)));
        SetItemText(item, wellitems::Hundredths(symbol.size));
    } else if (item->GetData() == kDistanceId) {
        SetItemText(item, wellitems::Hundredths(layer.GetAbsenceDistance()));
    }
}
