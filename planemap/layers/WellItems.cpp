#include "planemap/layers/WellItems.h"

#include "framework/FixedList.h"
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

CFixedListProp* NewSwitch(DWORD_PTR id, const char* label) {
    return NewYesNoList(label ? label : grouptext::kShow, welltext::kSwitchCaption, welltext::kShowDescription, id);
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

CFixedListProp* NewTrackModeChoice(DWORD_PTR id) {
    static constexpr TextValue kTrackModes[] = {{welltext::kRealTrack, 1}, {welltext::kStraight, 0}};
    return NewFixedListItem(welltext::kTrackMode, "", welltext::kTrackModeDescription, id, kTrackModes,
                            OtherTakenAs(0));
}

CFixedListProp* NewPlaceChoice(const char* label, const char* description, DWORD_PTR id) {
    return planemap::NewPlaceItem(label, "", description, id, true);
}

CString Hundredths(double value) { return numtext::Fixed(value / 100.0, 2); }

void ShowSwitch(CBCGPProp* item, int on) { SetItemText(item, on ? grouptext::kYes : grouptext::kNo); }

void ShowStyle(CBCGPProp* picker, UINT style) {
    auto* combo = dynamic_cast<CPropStyleCombox*>(picker);
    if (!combo) return;
    if (combo->GetVal() != style) combo->SetVal(style);
    // A pick leaves the picked entry's number as the item's text: the text follows the style shown,
    // so a pick refused shows what the item showed before it.
    const _variant_t shown(static_cast<int>(style));
    if (VariantToText(combo->GetValue()) != VariantToText(shown)) combo->SetValue(shown);
}

void ShowOption(CBCGPProp* item, int index) {
    if (!item) return;
    SetItemText(item, index >= 0 && index < item->GetOptionCount() ? CString(item->GetOption(index)) : CString());
}

namespace {

// A record's fields in its order: the style (or the face), the size ×100, one or two colours.
struct Fields {
    UINT style;
    const char* face;
    float size;
    COLORREF color, inner;
};

void ShowField(CBCGPProp* item, std::initializer_list<DWORD_PTR> ids, const Fields& f) {
    if (!item) return;
    int position = 0;
    for (DWORD_PTR id : ids) {
        if (id == item->GetData()) break;
        ++position;
    }
    switch (position) {
        case 0:
            if (f.face)
                SetItemText(item, f.face);
            else
                ShowStyle(item, f.style);
            break;
        case 1:
            SetItemText(item, Hundredths(f.size));
            break;
        case 2:
            ShowColor(item, f.color);
            break;
        case 3:
            if (ids.size() > 3) ShowColor(item, f.inner);
            break;
        default:
            break;
    }
}

}  // namespace

void ShowPenField(CBCGPProp* item, const QXLOGPEN& pen, DWORD_PTR style, DWORD_PTR width, DWORD_PTR color) {
    ShowField(item, {style, width, color}, {pen.style, nullptr, pen.width, pen.color, 0});
}

void ShowFontField(CBCGPProp* item, const QXLOGFONT& font, DWORD_PTR face, DWORD_PTR size, DWORD_PTR color) {
    ShowField(item, {face, size, color}, {0, font.GetFaceName().GetString(), font.size, font.color, 0});
}

void ShowPointField(CBCGPProp* item, const QXLOGPOINT& point, DWORD_PTR style, DWORD_PTR size, DWORD_PTR border,
                    DWORD_PTR inner) {
    ShowField(item, {style, size, border, inner},
              {point.style, nullptr, point.size, point.borderColor, point.innerColor});
}

void EnableAfterSwitch(CBCGPProp* group, int on) {
    if (group) EnableSubItems(group, 1, group->GetSubItemsCount(), on ? TRUE : FALSE);
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
