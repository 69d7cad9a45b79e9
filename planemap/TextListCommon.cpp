#include "planemap/TextListCommon.h"

#include <limits>

#include "framework/GroupTexts.h"
#include "planemap/PlaneTexts.h"
#include "win32/Crt.h"

namespace textlist {

namespace {

CBCGPProp* NewChoiceItem(const char* name, const char* value, const char* description, DWORD_PTR id,
                         std::initializer_list<const char*> options) {
    auto* item = new CBCGPProp(name, _variant_t(value), description, id);
    for (const char* option : options) item->AddOption(option);
    item->AllowEdit(FALSE);
    return item;
}

}  // namespace

CBCGPProp* NewKindItem(DWORD_PTR id) {
    auto* item = new CBCGPProp(planetext::kType, _variant_t(planetext::kText), "", id);
    item->AllowEdit(FALSE);
    return item;
}

CBCGPProp* NewStringItem(DWORD_PTR id) { return new CBCGPProp(planetext::kText, _variant_t(""), "", id); }

CBCGPProp* NewDirectionItem(DWORD_PTR id) {
    return NewChoiceItem(planetext::kTextDirection, grouptext::kHorizontal, planetext::kTextDirection, id,
                         {grouptext::kHorizontal, grouptext::kVertical});
}

CBCGPColorProp* NewBackColorItem(DWORD_PTR id) {
    auto* item = new CBCGPColorProp(planetext::kBackColor, 0, nullptr, planetext::kBackColorDescription, id);
    item->EnableOtherButton(grouptext::kOtherColor, TRUE, TRUE);
    item->EnableAutomaticButton(grouptext::kAutomaticColor, 0, TRUE);
    return item;
}

CBCGPProp* NewAngleItem(DWORD_PTR id) {
    return new CBCGPProp(planetext::kRotation, _variant_t(""), planetext::kRotationDescription, id);
}

CBCGPProp* NewHAlignItem(DWORD_PTR id) {
    return NewChoiceItem(planetext::kHAlign, planetext::kHAlign, planetext::kAlignDescription, id,
                         {planetext::kAlignLeft, planetext::kAlignCentre, planetext::kAlignRight});
}

CBCGPProp* NewVAlignItem(DWORD_PTR id) {
    return NewChoiceItem(planetext::kVAlignUpright, planetext::kAlignTopCaption, planetext::kAlignDescription, id,
                         {planetext::kAlignUpper, planetext::kAlignCentre, planetext::kAlignLower});
}

void ShowString(CBCGPProp* item, const CString& text, bool oneSelected) {
    if (!item) return;
    item->SetValue(_variant_t(oneSelected ? text : CString()));
    item->Enable(oneSelected ? TRUE : FALSE);
}

CString TwoDecimals(double value) {
    CString text;
    text.Format("%.2f", value);
    return text;
}

CString AngleText(double radians) { return TwoDecimals(radians * 180 / planetext::kPi); }

double AngleFromText(const CString& text) { return crt::Atof(text) * planetext::kPi / 180.0; }

bool ReadFontSize(const CString& text, float* size) {
    const double s = crt::Atof(text) * 100;
    // A size beyond the record's float is no size either.
    if (!(s > 0) || s > std::numeric_limits<float>::max()) return false;
    const float f = static_cast<float>(s);
    if (!(f > 0)) return false;  // too small to be stored
    *size = f;
    return true;
}

}  // namespace textlist
