#include "framework/PropItems.h"

#include "bcg/ColorProp.h"
#include "framework/FixedList.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/NumberText.h"
#include "framework/PropStyleCombox.h"

CString ItemText(CBCGPProp* item) { return item ? VariantToText(item->GetValue()) : CString(); }

void SetItemText(CBCGPProp* item, const CString& text) {
    if (item) item->SetValue(_variant_t(text));
}

void ShowFixed(CBCGPProp* item, double value, int decimals) { SetItemText(item, numtext::Fixed(value, decimals)); }

CBCGPProp* NewFontFaceItem(DWORD_PTR id) {
    return new CPropStyleCombox(grouptext::kFontFace, CString(grouptext::kDefaultFontFace),
                                grouptext::kFontFaceDescription, id);
}

CBCGPProp* NewTextItem(const char* name, const char* description, DWORD_PTR id) {
    return new CBCGPProp(name, _variant_t(""), description, id);
}

CBCGPProp* NewSizeTextItem(const char* name, const char* description, DWORD_PTR id, TextRule rule) {
    return new CBCGPropSizeText(name, _variant_t(""), description, id, std::move(rule));
}

CBCGPProp* NewOptionItem(const char* name, const char* value, const char* description, DWORD_PTR id,
                         std::initializer_list<const char*> options, bool allowEdit) {
    auto* item = new CBCGPProp(name, _variant_t(value), description, id);
    for (const char* option : options) item->AddOption(option);
    item->AllowEdit(allowEdit ? TRUE : FALSE);
    return item;
}

void ClearSubItems(CBCGPProp* group, int count) {
    if (!group) return;
    const int n = group->GetSubItemsCount();
    for (int i = 0; i < n && (count < 0 || i < count); ++i) SetItemText(group->GetSubItem(i), "");
}

bool ReadColor(CBCGPProp* item, COLORREF* color) {
    auto* colour = dynamic_cast<CBCGPColorProp*>(item);
    if (!colour) return false;
    *color = colour->GetColor();
    return true;
}

bool ReadStyle(CBCGPProp* item, UINT* style) {
    auto* picker = dynamic_cast<CPropStyleCombox*>(item);
    if (!picker) return false;
    *style = picker->GetVal();
    return true;
}

void ShowColor(CBCGPProp* item, COLORREF color) {
    if (auto* colour = dynamic_cast<CBCGPColorProp*>(item)) colour->SetColor(color);
}

void ShowTextIfChanged(CBCGPProp* item, const CString& text) {
    if (item && ItemText(item) != text) SetItemText(item, text);
}

void ShowColorIfChanged(CBCGPProp* item, COLORREF color) {
    auto* colour = dynamic_cast<CBCGPColorProp*>(item);
    if (colour && colour->GetColor() != color) colour->SetColor(color);
}

void ShowStoredValueOf(CBCGPProp* item, std::initializer_list<StoredNumber> stored) {
    if (!item) return;
    for (const StoredNumber& number : stored)
        if (number.id == item->GetData()) {
            const _variant_t before = item->GetValueBefore();
            item->SetValue(_variant_t(number.shown));
            KeepTypeOf(item, before);
            return;
        }
}

void KeepTypeOf(CBCGPProp* item, const _variant_t& before) {
    if (!item || item->GetValue().vt == before.vt) return;
    const _variant_t shown = item->GetValue();
    const CString text = item->FormatProperty();
    item->SetValue(before);
    if (item->FormatProperty() == text) return;
    _variant_t typed;
    item->SetValue(numtext::TextToVariant(text, before.vt, &typed) && typed.vt == before.vt ? typed : shown);
}

void ShowTextBefore(CBCGPProp* item) {
    if (item) item->PutBackValueBefore();
}
