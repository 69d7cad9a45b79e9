#include "planemap/layers/WellItems.h"

#include "framework/ItemGroupsBasic.h"
#include "framework/NumberText.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Moraine/PlaneFunc.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "mfc/Variant.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"
#include "planemap/layers/WellTexts.h"

namespace wellitems {

namespace {
constexpr int kPointStyles = 0;
constexpr int kLineStyles = 1;
}  // namespace

CBCGPProp* NewGroup(const char* label, DWORD_PTR id) { return new CBCGPProp(label, id, FALSE); }

CBCGPProp* NewSwitch(DWORD_PTR id, const char* label) {
    return NewOptionItem(label ? label : grouptext::kShow, welltext::kSwitchCaption, welltext::kShowDescription, id,
                         {grouptext::kYes, grouptext::kNo}, false);
}

CBCGPColorProp* NewColor(const char* label, const char* description, DWORD_PTR id) {
    auto* item = new CBCGPColorProp(label, 0, nullptr, description, id);
    item->EnableOtherButton(grouptext::kOtherColor, TRUE, TRUE);
    item->EnableAutomaticButton(grouptext::kAutomaticColor, 0, TRUE);
    return item;
}

CPropStyleCombox* NewPointPicker(const char* label, const char* description, DWORD_PTR id, const char* captionGroup,
                                 const char* shownGroup, const char* addedGroup, bool groupFlag) {
    auto* picker = new CPropStyleCombox(label, 1, kPointStyles, captionGroup, description, id);
    picker->AllowEdit(FALSE);
    picker->SetStyleGroup(shownGroup, groupFlag);
    picker->AddStyleGroup(addedGroup, groupFlag);
    return picker;
}

CPropStyleCombox* NewLinePicker(const char* label, const char* description, DWORD_PTR id) {
    auto* picker = new CPropStyleCombox(label, 1, kLineStyles, "", description, id);
    picker->AllowEdit(FALSE);
    return picker;
}

CBCGPProp* NewReadOnly(const char* label, const char* description, DWORD_PTR id) {
    CBCGPProp* item = NewTextItem(label, description, id);
    item->AllowEdit(FALSE);
    return item;
}

CBCGPProp* NewChoice(const char* label, const char* description, DWORD_PTR id,
                     std::initializer_list<const char*> options) {
    return NewOptionItem(label, "", description, id, options, false);
}

CBCGPProp* NewPlaceChoice(const char* label, const char* description, DWORD_PTR id) {
    CBCGPProp* item = NewChoice(label, description, id, {});
    for (const planemap::Place& place : planemap::kPlaces) item->AddOption(place.text);
    return item;
}

CString Hundredths(double value) { return numtext::Fixed(value / 100.0, 2); }

void ShowSwitch(CBCGPProp* item, int on) { SetItemText(item, on ? grouptext::kYes : grouptext::kNo); }

void ShowStyle(CBCGPProp* picker, UINT style) {
    auto* combo = dynamic_cast<CPropStyleCombox*>(picker);
    if (combo && combo->GetVal() != style) combo->SetVal(style);
}

void ShowOption(CBCGPProp* item, int index) {
    if (!item) return;
    SetItemText(item, index >= 0 && index < item->GetOptionCount() ? CString(item->GetOption(index)) : CString());
}

void EnableAfterSwitch(CBCGPProp* group, int on) {
    if (group) EnableSubItems(group, 1, group->GetSubItemsCount(), on ? TRUE : FALSE);
}

int SwitchValue(CBCGPProp* item) { return ItemText(item) == grouptext::kYes ? 1 : 0; }

int ChosenOption(CBCGPProp* item) {
    if (!item) return -1;
    const int index = OptionIndex(item);
    return index < item->GetOptionCount() ? index : -1;
}

bool ReadScaled(const CString& text, double scale, Sign sign, double* value) {
    double scaled = 0;
    float kept = 0;
    if (!planemap::ReadNumber(text, scale, &scaled) || !numtext::FitFloat(scaled, 1, &kept)) return false;
    bool taken = false;
    if (scaled > 0)
        taken = true;
    else if (scaled < 0)
        taken = sign == Sign::kAny;
    else
        taken = sign != Sign::kAboveZero && kel::plane::CPlaneFunc::IsEffectiveFigure(text);
    if (!taken) return false;
    *value = scaled;
    return true;
}

TextRule ScaledRule(double scale, Sign sign) {
    return [scale, sign](const CString& text) {
        double value = 0;
        return ReadScaled(text, scale, sign, &value);
    };
}

namespace {
Sign HundredthsSign(bool allowNegative) { return allowNegative ? Sign::kAny : Sign::kZeroOrMore; }
}  // namespace

bool ReadHundredths(CBCGPProp* item, bool allowNegative, double* value) {
    return ReadScaled(ItemText(item), numtext::kHundredths, HundredthsSign(allowNegative), value);
}

CBCGPProp* NewHundredthsItem(const char* label, const char* description, DWORD_PTR id, bool allowNegative) {
    return NewSizeTextItem(label, description, id, ScaledRule(numtext::kHundredths, HundredthsSign(allowNegative)));
}

void AddPointItems(CBCGPProp* group, CPropStyleCombox* picker, DWORD_PTR sizeId, TextRule sizeRule, DWORD_PTR borderId,
                   DWORD_PTR innerId) {
    group->AddSubItem(picker);
    group->AddSubItem(NewSizeTextItem(grouptext::kSize, welltext::kSizeDescription, sizeId, std::move(sizeRule)));
    group->AddSubItem(NewColor(grouptext::kBorderColor, grouptext::kBorderColorDescription, borderId));
    group->AddSubItem(NewColor(grouptext::kInnerColor, grouptext::kInnerColorDescription, innerId));
}

bool IsCreated(CQXLayer* layer, const char* key) {
    int created = TRUE;
    if (layer) layer->GetPropertyManager()->GetBoolProperty(key, created);
    return created != FALSE;
}

}  // namespace wellitems
