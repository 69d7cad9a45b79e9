#include "planemap/PlaneNumbers.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <string>

#include "bcg/ColorProp.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Moraine/PlaneFunc.h"
#include "hosttypes/Parsnip/QXObjectLine.h"
#include "planemap/PlaneTexts.h"
#include "win32/Crt.h"

namespace planemap {

namespace {

CString Trimmed(const CString& text) {
    CString t(text);
    t.Trim();
    return t;
}

bool IsAccepted(double value, Accept accept) {
    switch (accept) {
    case Accept::ZeroOrMore: return value >= 0;
    case Accept::AboveZero: return value > 0;
    default: return true;
    }
}

}  // namespace

// ---- numbers ----------------------------------------------------------------------------------------

bool ReadNumber(const CString& text, double scale, double* value) {
    const double v = crt::Atof(text) * scale;
    if (!std::isfinite(v)) return false;
    *value = v;
    return true;
}

bool ReadFloat(const CString& text, double scale, float* value) {
    double v = 0;
    if (!ReadNumber(text, scale, &v) || std::fabs(v) > FLT_MAX) return false;
    *value = static_cast<float>(v);
    return true;
}

bool ReadFloatThenScale(const CString& text, float scale, float* value) {
    float single = 0;
    if (!ReadFloat(text, 1, &single)) return false;
    const float scaled = single * scale;
    if (!std::isfinite(scaled)) return false;
    *value = scaled;
    return true;
}

namespace {

// A width or size typed in units shown and kept ×100 in a float field: the rule is tested on the
// number read, before it is rounded to the field.
bool ReadHundredths(const CString& text, Accept accept, float* value) {
    double v = 0;
    if (!ReadNumber(text, 100, &v) || !IsAccepted(v, accept) || std::fabs(v) > FLT_MAX) return false;
    *value = static_cast<float>(v);
    return true;
}

}  // namespace

bool IsDigits(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!crt::IsDigit(c)) return false;
    return true;
}

bool ReadWholeUnsigned(const CString& text, unsigned* value) {
    const std::string digits = Trimmed(text).str();
    if (!IsDigits(digits)) return false;
    std::uint64_t n = 0;
    for (char c : digits) {
        n = n * 10 + static_cast<unsigned>(c - '0');
        if (n > UINT32_MAX) return false;
    }
    *value = static_cast<unsigned>(n);
    return true;
}

bool ReadWholeDouble(const CString& text, double* value) {
    const CString t = Trimmed(text);
    if (t.IsEmpty()) return false;
    std::size_t consumed = 0;
    const double v = crt::Atof(t, &consumed);
    if (consumed != static_cast<std::size_t>(t.GetLength()) || !std::isfinite(v)) return false;
    *value = v;
    return true;
}

// ---- items ------------------------------------------------------------------------------------------

CString ItemText(CBCGPProp* item) { return item ? VariantToText(item->GetValue()) : CString(); }

void SetItemText(CBCGPProp* item, const CString& text) {
    if (item) item->SetValue(_variant_t(text));
}

int OptionIndex(CBCGPProp* item) {
    const int found = item->FindOption(ItemText(item));
    return found < 0 ? item->GetOptionCount() : found;
}

CBCGPProp* NewTypeItem(const char* kind, DWORD_PTR id) {
    auto* item = new CBCGPProp(planetext::kType, _variant_t(kind), "", id);
    item->AllowEdit(FALSE);
    return item;
}

CBCGPProp* NewFontFaceItem(DWORD_PTR id) {
    return new CPropStyleCombox(grouptext::kFontFace, CString(grouptext::kDefaultFontFace),
                                grouptext::kFontFaceDescription, id);
}

CBCGPProp* NewTextItem(const char* name, const char* description, DWORD_PTR id) {
    return new CBCGPProp(name, _variant_t(""), description, id);
}

CBCGPProp* NewOptionItem(const char* name, const char* value, const char* description, DWORD_PTR id,
                         std::initializer_list<const char*> options, bool allowEdit) {
    auto* item = new CBCGPProp(name, _variant_t(value), description, id);
    for (const char* option : options) item->AddOption(option);
    item->AllowEdit(allowEdit ? TRUE : FALSE);
    return item;
}

void SetSubItemNumbers(CBCGPProp* group, std::initializer_list<double> values) {
    if (!group) return;
    int i = 0;
    for (double value : values) {
        if (i >= group->GetSubItemsCount()) return;
        SetItemText(group->GetSubItem(i++), FormatString("%.2f", value));
    }
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

void ShowColor(CBCGPProp* item, COLORREF color) {
    if (auto* colour = dynamic_cast<CBCGPColorProp*>(item)) colour->SetColor(color);
}

// ---- pen and font sub-items ---------------------------------------------------------------------------

bool EditPen(QXLOGPEN& pen, CBCGPProp* item, int position, Accept width) {
    switch (position) {
    case 0: {
        auto* picker = dynamic_cast<CPropStyleCombox*>(item);
        if (!picker) return false;
        pen.style = picker->GetVal();
        return true;
    }
    case 1: {
        float w = 0;
        if (!ReadHundredths(ItemText(item), width, &w)) return false;
        pen.width = w;
        return true;
    }
    case 2:
        return ReadColor(item, &pen.color);
    default:
        return false;
    }
}

bool EditFont(QXLOGFONT& font, CBCGPProp* item, int position, Accept size) {
    switch (position) {
    case 0:
        if (!item) return false;
        font.SetFaceName(ItemText(item));
        return true;
    case 1: {
        float s = 0;
        if (!ReadHundredths(ItemText(item), size, &s)) return false;
        font.size = s;
        return true;
    }
    case 2:
        return ReadColor(item, &font.color);
    default:
        return false;
    }
}

void EditOwnPens(CQXLayer* layer, const CString& typeName, CBCGPProp* item, int position, Accept width) {
    ForSameTypeObjects<CQXObjectLine>(layer, typeName, [&](CQXObjectLine* line) {
        QXLOGPEN pen;
        line->GetLogPen(&pen);
        if (EditPen(pen, item, position, width)) line->SetLogPen(&pen);
    });
}

}  // namespace planemap

namespace planemap {

bool ReadWidth(const CString& text, float* width) {
    double v = 0;
    if (!ReadNumber(text, 100, &v) || v < 0 || v > FLT_MAX) return false;
    if (v == 0 && !kel::plane::CPlaneFunc::IsEffectiveFigure(text)) return false;
    *width = static_cast<float>(v) + 0.0f;  // "-0" is stored as 0
    return true;
}

bool EditWidth(CBCGPProp* item, float* width) {
    if (ReadWidth(ItemText(item), width)) return true;
    SetItemText(item, FormatString("%.2f", *width / 100.0));
    return false;
}

}  // namespace planemap
