#include "planemap/layers/PropListWellLayerName.h"

#include "framework/ItemGroupsBasic.h"
#include "framework/PropStyleCombox.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneTexts.h"
#include "planemap/layers/PropLstPlaneEx.h"
#include "planemap/layers/WellItems.h"
#include "planemap/layers/WellTexts.h"

namespace {
// The reference objects, by their stored index; any other text is refused.
constexpr int kReferWell = 0;
constexpr int kReferBaseLine = 1;
constexpr TextValue kRefers[] = {{welltext::kWell, kReferWell}, {welltext::kBaseLine, kReferBaseLine}};
}  // namespace

int CPropListWellLayerName::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(wellitems::NewSwitch(kShowId), TRUE, TRUE);

    auto newTemplate = [this](const char* label, const char* description, DWORD_PTR id, int mode) {
        auto* item = new CPropLstPlaneEx(label, CString(), description, id, mode, welltext::kTemplateButton);
        item->SetPlaneProplist(this);
        return item;
    };
    CBCGPProp* font = wellitems::NewGroup(planetext::kFontGroup, kFontGroupId);
    CPropLstPlaneEx* fontTemplate = newTemplate(welltext::kFontTemplate, welltext::kFontTemplateDescription,
                                                kFontTemplateId, CPropLstPlaneEx::kFont);
    InitFontTemplate(fontTemplate);
    font->AddSubItem(fontTemplate);
    font->AddSubItem(new CPropStyleCombox(grouptext::kFontFace, grouptext::kDefaultFontFace,
                                          grouptext::kFontFaceDescription, kFaceId));
    CPropLstPlaneEx* sizeTemplate = newTemplate(grouptext::kSizeTemplate, grouptext::kSizeTemplateDescription,
                                                kSizeTemplateId, CPropLstPlaneEx::kSize);
    InitSizeTemplate(sizeTemplate);
    font->AddSubItem(sizeTemplate);
    font->AddSubItem(wellitems::NewHundredthsItem(grouptext::kSize, welltext::kSizeDescription, kSizeId, false));
    CPropLstPlaneEx* colorTemplate = newTemplate(welltext::kColorTemplate, welltext::kColorTemplateDescription,
                                                 kColorTemplateId, CPropLstPlaneEx::kColor);
    InitColorTemplate(colorTemplate);
    font->AddSubItem(colorTemplate);
    font->AddSubItem(wellitems::NewColor(grouptext::kColor, welltext::kLabelColorDescription, kColorId));
    font->Expand(TRUE);
    m_wndPropList.AddProperty(font, TRUE, TRUE);

    CBCGPProp* place = wellitems::NewGroup(planetext::kPosition, kPlaceGroupId);
    place->AddSubItem(NewFixedListItem(welltext::kReferObject, "", welltext::kReferObjectDescription, kReferId, kRefers,
                                       kOtherRefused));
    place->AddSubItem(
        wellitems::NewPlaceChoice(welltext::kRelativePlace, welltext::kRelativePlaceDescription, kAlignId));
    place->AddSubItem(wellitems::NewHundredthsItem(welltext::kOffset, welltext::kOffsetDescription, kOffsetId, false));
    place->Expand(TRUE);
    m_wndPropList.AddProperty(place, TRUE, TRUE);
    return 0;
}

void CPropListWellLayerName::EnableGroups(BOOL enable) {
    EnableAllSubItems(FindItem(kFontGroupId), enable);
    EnableAllSubItems(FindItem(kPlaceGroupId), enable);
}

void CPropListWellLayerName::ShowTemplate(DWORD_PTR id, const CString& name, kel::plane::CWellLayer& layer) {
    CBCGPProp* item = FindItem(id);
    SetItemText(item, name);
    if (auto* button = dynamic_cast<CPropLstPlaneEx*>(item)) button->SetWellLayer(layer.GetLayer());
}

void CPropListWellLayerName::RefreshLayer(kel::plane::CWellLayer& layer) {
    const bool created = wellitems::IsCreated(layer.GetLayer(), welltext::kNameCreated);
    if (created) EnableAllItems(TRUE);
    const int visible = layer.GetNameVisible();
    EnableGroups(visible ? TRUE : FALSE);

    // A value a template governs is the template's while one is named.
    auto showGoverned = [&](DWORD_PTR templateId, const CString& templateName, DWORD_PTR valueId) {
        ShowTemplate(templateId, templateName, layer);
        if (CBCGPProp* value = FindItem(valueId)) value->Enable(templateName.IsEmpty() && visible ? TRUE : FALSE);
    };
    SetItemText(FindItem(kFaceId), layer.GetNameFontName());
    showGoverned(kFontTemplateId, layer.GetNameFontTemplate(), kFaceId);
    showGoverned(kSizeTemplateId, layer.GetNameSizeTemplate(), kSizeId);
    ShowColor(FindItem(kColorId), layer.GetNameColor());
    showGoverned(kColorTemplateId, layer.GetNameColorTemplate(), kColorId);

    for (DWORD_PTR id : {kShowId, kSizeId, kReferId, kAlignId, kOffsetId})
        if (CBCGPProp* item = FindItem(id)) ShowStoredItem(layer, item);
    if (CBCGPProp* refer = FindItem(kReferId)) refer->Enable(layer.IsHaveBaseLine() ? TRUE : FALSE);

    if (!created) EnableAllItems(FALSE);
}

bool CPropListWellLayerName::OnLayerItemChanged(kel::plane::CWellLayer& layer, CBCGPProp* item) {
    const CString text = ItemText(item);
    double value = 0;
    switch (item->GetData()) {
        case kShowId: {
            const int on = ReadYesNo(item) ? 1 : 0;
            layer.SetNameVisible(on);
            EnableGroups(on ? TRUE : FALSE);
            break;
        }
        case kFontTemplateId:
            layer.SetNameFontTemplate(text);
            break;
        case kFaceId:
            layer.SetNameFontName(text);
            break;
        case kSizeTemplateId:
            layer.SetNameSizeTemplate(text);
            break;
        case kSizeId:
            if (!wellitems::ReadHundredths(item, false, &value)) return false;
            layer.SetNameSize(value);
            break;
        case kColorTemplateId:
            layer.SetNameColorTemplate(text);
            break;
        case kColorId: {
            COLORREF color = 0;
            if (ReadColor(item, &color)) layer.SetNameColor(color);
            break;
        }
        case kReferId:
            return EditReference(layer, item);
        case kAlignId: {
            int align = 0;
            if (!ReadFixedList(item, &align)) return false;
            layer.SetNameLabelAlign(align);
            break;
        }
        case kOffsetId:
            if (!wellitems::ReadHundredths(item, false, &value)) return false;
            layer.SetNameLabelDistance(value);
            break;
        default:
            break;
    }
    return true;
}

// The stored values as the refresh shows them: the reference is the well while the layer has no
// base line.
void CPropListWellLayerName::ShowStoredItem(kel::plane::CWellLayer& layer, CBCGPProp* item) {
    switch (item->GetData()) {
        case kShowId:
            wellitems::ShowSwitch(item, layer.GetNameVisible());
            break;
        case kSizeId:
            SetItemText(item, wellitems::Hundredths(layer.GetNameSize()));
            break;
        case kReferId:
            if (layer.IsHaveBaseLine())
                wellitems::ShowOption(item, layer.GetNameLabelReferType());
            else
                wellitems::ShowOption(item, kReferWell);
            break;
        case kAlignId:
            wellitems::ShowOption(item, layer.GetNameLabelAlign());
            break;
        case kOffsetId:
            SetItemText(item, wellitems::Hundredths(layer.GetNameLabelDistance()));
            break;
        default:
            break;
    }
}

// The base line can be the reference only on a layer that has one: picked on a layer without one
// (gone since the page was shown) it is refused with its message, and so is a text that is none
// of the options.
bool CPropListWellLayerName::EditReference(kel::plane::CWellLayer& layer, CBCGPProp* item) {
    if (!layer.IsHaveBaseLine()) {
        int refer = kReferWell;
        CFixedListProp* list = FixedListOf(item);
        if (list && list->ValueOf(ItemText(item), &refer) && refer == kReferBaseLine)
            AfxMessageBox(welltext::kNoBaseLine, MB_OK);
        return false;
    }
    int refer = kReferWell;
    if (!ReadFixedList(item, &refer)) return false;
    layer.SetNameLabelReferType(refer);
    return true;
}
