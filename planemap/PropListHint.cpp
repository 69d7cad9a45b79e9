#include "planemap/PropListHint.h"

#include <cfloat>
#include <initializer_list>

#include "bcg/ColorProp.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Parsnip/QXObjectHint.h"
#include "planemap/PlaneTexts.h"
#include "win32/Crt.h"

namespace {

enum : DWORD_PTR {
    kTypeId = 2000,
    kStyleGroupId = 2001,
    kStyleId = 2002,
    kPenGroupId = 2003,
    kPenStyleId = 2004,
    kPenWidthId = 2005,
    kPenColorId = 2006,
    kFontGroupId = 2010,
    kFontFaceId = 2011,
    kFontSizeId = 2012,
    kFontColorId = 2013,
    kTextId = 2014,
    kHAlignId = 2015,
    kVAlignId = 2016,
};

const char kHintKind[] = "注释";
const char kStyleGroup[] = "风格设置";
const char kStyle[] = "风格";
const char kStyleDescription[] = "选择风格";
const char kPenGroup[] = "线型设置";
const char kFontGroup[] = "字体设置";
const char kTextContent[] = "文本内容";
const char kVAlign[] = "纵向对齐";

// The seven frame styles 0 .. 6 are offered as "风格1" .. "风格7".
constexpr int kStyleCount = 7;

CString StyleText(int style) {
    CString text;
    text.Format("%s%d", kStyle, style + 1);
    return text;
}

// The option's position; kStyleCount for a text that is none of the options.
int StyleValue(const CString& text) {
    for (int i = 0; i < kStyleCount; ++i)
        if (text == StyleText(i)) return i;
    return kStyleCount;
}

// An option item whose text may also be typed.
CBCGPProp* NewOptionItem(const char* name, DWORD_PTR id, std::initializer_list<const char*> options) {
    auto* item = new CBCGPProp(name, _variant_t(""), "", id);
    for (const char* option : options) item->AddOption(option);
    return item;
}

bool ReadColor(CBCGPProp* item, COLORREF* target) {
    auto* colour = dynamic_cast<CBCGPColorProp*>(item);
    if (!colour) return false;
    *target = colour->GetColor();
    return true;
}

}  // namespace

CPropListHint::CPropListHint() = default;
CPropListHint::~CPropListHint() = default;

CQXObjectHint* CPropListHint::Hint() const { return dynamic_cast<CQXObjectHint*>(m_pTarget); }

int CPropListHint::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* type = new CBCGPProp(planetext::kType, _variant_t(kHintKind), "", kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);

    auto* styleGroup = new CBCGPProp(kStyleGroup, kStyleGroupId);
    auto* style = new CBCGPProp(kStyle, _variant_t(""), kStyleDescription, kStyleId);
    for (int i = 0; i < kStyleCount; ++i) style->AddOption(StyleText(i));
    style->AllowEdit(FALSE);
    styleGroup->AddSubItem(style);
    styleGroup->Expand(TRUE);
    m_wndPropList.AddProperty(styleGroup, TRUE, TRUE);

    CBCGPProp* pen = CreateLineProp(kPenGroup, kPenGroupId, false);
    pen->Expand(TRUE);
    m_wndPropList.AddProperty(pen, TRUE, TRUE);

    m_pFillGroup = CreateFillProp(planetext::kFill, kPlaneFillGroupId);
    m_pFillGroup->Expand(TRUE);
    m_wndPropList.AddProperty(m_pFillGroup, TRUE, TRUE);

    CBCGPProp* font = CreateFontProp(kFontGroup, kFontGroupId);
    font->Expand(TRUE);
    m_wndPropList.AddProperty(font, TRUE, TRUE);

    m_wndPropList.AddProperty(new CBCGPProp(kTextContent, _variant_t(""), "", kTextId), TRUE, TRUE);
    m_wndPropList.AddProperty(
        NewOptionItem(planetext::kHAlign, kHAlignId, {planetext::kAlignLeft, planetext::kAlignCentre, planetext::kAlignRight}),
        TRUE, TRUE);
    m_wndPropList.AddProperty(
        NewOptionItem(kVAlign, kVAlignId, {planetext::kAlignUpper, planetext::kAlignCentre, planetext::kAlignLower}),
        TRUE, TRUE);
    return 0;
}

void CPropListHint::UpdateBCGPProperty(long object, CString) {
    if (!BeginMultiRefresh(object)) return;
    CQXObjectHint* hint = Hint();
    if (!hint) return;
    const bool single = GetSelectionCount() == 1;

    // The text is one hint's own: with several selected it is not editable (its text stays).
    if (CBCGPProp* text = FindItem(kTextId)) {
        if (single) text->SetValue(_variant_t(hint->GetString()));
        text->Enable(single);
    }
    if (CBCGPProp* style = FindItem(kStyleId)) style->SetValue(_variant_t(StyleText(hint->GetStyle())));

    QXLOGPEN pen;
    hint->GetLogPen(&pen);
    SetLineProp(FindItem(kPenGroupId), pen);

    if (single && m_pFillGroup) {
        QXLOGBRUSH brush;
        hint->GetLogBrush(&brush);
        SetFillProp(m_pFillGroup, planetext::kAllStyles, brush);
    }

    QXLOGFONT font;
    hint->GetLogFont(&font);
    SetFontProp(FindItem(kFontGroupId), font);

    if (CBCGPProp* h = FindItem(kHAlignId)) h->SetValue(_variant_t(planemap::HAlignText(hint->GetHorizontalAlign())));
    if (CBCGPProp* v = FindItem(kVAlignId)) v->SetValue(_variant_t(planemap::VAlignText(hint->GetVerticalAlign())));
}

LRESULT CPropListHint::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectHint* hint = Hint();
    if (!item || !hint) {
        UpdateView();
        return 0;
    }
    CQXLayer* layer = hint->GetLayer();
    const CString typeName = hint->GetTypeName();
    const CString text = VariantToText(item->GetValue());

    switch (item->GetData()) {
    case kStyleId:
        SetSameTypeObjects(layer, &CQXObjectHint::SetStyle, StyleValue(text), typeName);
        break;
    case kPenStyleId:
    case kPenWidthId:
    case kPenColorId:
        ApplyPen(hint, item);
        break;
    case kFontFaceId:
    case kFontSizeId:
    case kFontColorId:
        ApplyFont(hint, item);
        break;
    case kTextId:
        SetSameTypeObjects(layer, &CQXObjectHint::SetString, static_cast<const char*>(text), typeName);
        break;
    case kHAlignId:
        SetSameTypeObjects(layer, &CQXObjectHint::SetHorizontalAlign, planemap::HAlignValue(text), typeName);
        break;
    case kVAlignId:
        SetSameTypeObjects(layer, &CQXObjectHint::SetVerticalAlign, planemap::VAlignValue(text), typeName);
        break;
    default:
        if (item->GetData() > kPlaneFillGroupId) {
            QXLOGBRUSH brush;
            hint->GetLogBrush(&brush);
            ApplyFillSubItem(item, layer, &brush, typeName, &CQXObjectHint::SetLogBrush);
        }
        break;
    }
    UpdateSameTypeObjects(layer, typeName);
    UpdateView();
    return 0;
}

// The width is taken as typed: a text that is no number gives 0.
void CPropListHint::ApplyPen(CQXObjectHint* hint, CBCGPProp* item) {
    QXLOGPEN pen;
    hint->GetLogPen(&pen);
    switch (item->GetData()) {
    case kPenStyleId: {
        auto* picker = dynamic_cast<CPropStyleCombox*>(item);
        if (!picker) return;
        pen.style = picker->GetVal();
        break;
    }
    case kPenWidthId:
        pen.width = static_cast<float>(crt::Atof(VariantToText(item->GetValue()))) * 100;
        break;
    default:
        if (!ReadColor(item, &pen.color)) return;
        break;
    }
    SetSameTypeObjects(hint->GetLayer(), &CQXObjectHint::SetLogPen, &pen, hint->GetTypeName());
}

// A font size that is not a number greater than 0 is not written.
void CPropListHint::ApplyFont(CQXObjectHint* hint, CBCGPProp* item) {
    QXLOGFONT font;
    hint->GetLogFont(&font);
    const CString text = VariantToText(item->GetValue());
    switch (item->GetData()) {
    case kFontFaceId:
        font.SetFaceName(text);
        break;
    case kFontSizeId: {
        const double size = crt::Atof(text) * 100;
        if (!(size > 0 && size <= FLT_MAX)) return;
        font.size = static_cast<float>(size);
        break;
    }
    default:
        if (!ReadColor(item, &font.color)) return;
        break;
    }
    SetSameTypeObjects(hint->GetLayer(), &CQXObjectHint::SetLogFont, &font, hint->GetTypeName());
}
