#include "planemap/PropListScale.h"

#include <utility>

#include "bcg/ColorProp.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropDigits.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Parsnip/QXObjectScale.h"
#include "planemap/FurnitureTexts.h"

namespace {

enum : DWORD_PTR {
    kTypeId = 2000,
    kStyleId = 2001,
    kZeroFromStartId = 2002,
    kTickGroupId = 2003,
    kSpacingId = 2004,
    kHeightId = 2005,
    kCountId = 2006,
    kUnitId = 2007,
    kPenGroupId = 2008,
    kPenStyleId = 2009,
    kPenWidthId = 2010,
    kPenColorId = 2011,
    kFontGroupId = 2012,
    kFontFaceId = 2013,
    kFontSizeId = 2014,
    kFontColorId = 2015,
    kDecimalsId = 2016,
};

namespace ft = furnituretext;

constexpr int kStyleCount = 7;
// The style a bar is drawn in when its zero tick is not at the start ("风格7").
constexpr int kNotFromStartStyle = 6;
// The items that mean something only while the zero tick stands at the start.
constexpr DWORD_PTR kStartItemIds[] = {kStyleId, kUnitId, kDecimalsId, kSpacingId, kCountId};

CString ItemText(CBCGPProp* item) { return item ? VariantToText(item->GetValue()) : CString(); }

CString TwoDecimals(double value) {
    CString text;
    text.Format("%.2f", value);
    return text;
}

CString IntegerText(int value) {
    CString text;
    text.Format("%d", value);
    return text;
}

}  // namespace

CPropListScale::CPropListScale() = default;
CPropListScale::~CPropListScale() = default;

CQXObjectScale* CPropListScale::Scale() const { return dynamic_cast<CQXObjectScale*>(m_pTarget); }

int CPropListScale::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* type = new CBCGPProp(planetext::kType, _variant_t(ft::kScaleKind), "", kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);
    m_wndPropList.AddProperty(CreateYesNoProp(ft::kZeroAtStart, kZeroFromStartId, _variant_t(""), ""), TRUE, TRUE);

    auto* style = new CBCGPProp(ft::kStyle, _variant_t(""), ft::kStyleDescription, kStyleId);
    for (int i = 0; i < kStyleCount; ++i) style->AddOption(ft::StyleText(i));
    style->AllowEdit(FALSE);
    m_wndPropList.AddProperty(style, TRUE, TRUE);

    auto* ticks = new CBCGPProp(ft::kTickSettings, kTickGroupId);
    ticks->AddSubItem(new CBCGPProp(ft::kSpacing, _variant_t(""), "", kSpacingId));
    ticks->AddSubItem(new CBCGPProp(ft::kHeight, _variant_t(""), "", kHeightId));
    ticks->AddSubItem(new CBCGPProp(ft::kCount, _variant_t(""), "", kCountId));
    auto* unit = new CBCGPProp(ft::kUnit, _variant_t(""), "", kUnitId);
    for (const char* word : ft::kUnitWords) unit->AddOption(word);
    unit->AllowEdit(FALSE);
    ticks->AddSubItem(unit);
    ticks->Expand(TRUE);
    m_wndPropList.AddProperty(ticks, TRUE, TRUE);

    CBCGPProp* font = CreateFontProp(ft::kFontSettings, kFontGroupId);
    font->Expand(TRUE);
    m_wndPropList.AddProperty(font, TRUE, TRUE);
    m_wndPropList.AddProperty(CreateIndexProp(ft::kDecimals, kDecimalsId, ft::kDecimalsDescription, 4), TRUE, TRUE);

    CBCGPProp* pen = CreateLineProp(ft::kPenSettings, kPenGroupId, false);
    pen->Expand(TRUE);
    m_wndPropList.AddProperty(pen, TRUE, TRUE);
    return 0;
}

void CPropListScale::UpdateBCGPProperty(long object, CString) {
    if (!BeginMultiRefresh(object)) return;
    CQXObjectScale* scale = Scale();
    if (!scale) return;
    const bool fromStart = scale->GetZeroFromStart() == 1;
    SetYesNoProp(FindItem(kZeroFromStartId), fromStart);
    EnableStartItems(fromStart);

    const std::pair<DWORD_PTR, CString> values[] = {
        {kStyleId, ft::StyleText(scale->GetStyle())},
        {kSpacingId, TwoDecimals(scale->GetSize())},
        {kHeightId, TwoDecimals(scale->GetHeight() / 100.0)},
        {kCountId, IntegerText(scale->GetStep())},
        {kUnitId, scale->GetUnitWord()},
        {kDecimalsId, IntegerText(scale->GetDecimalNum())},
    };
    for (const auto& [id, text] : values)
        if (CBCGPProp* item = FindItem(id)) item->SetValue(_variant_t(text));
    QXLOGFONT font;
    scale->GetLogFont(&font);
    SetFontProp(FindItem(kFontGroupId), font);
    // The style picker is redrawn only when the pen's style differs from what it shows.
    QXLOGPEN pen;
    scale->GetLogPen(&pen);
    SetLineProp(FindItem(kPenGroupId), pen);
}

void CPropListScale::EnableStartItems(bool enable) {
    for (DWORD_PTR id : kStartItemIds)
        if (CBCGPProp* item = FindItem(id)) item->Enable(enable ? TRUE : FALSE);
}

LRESULT CPropListScale::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectScale* scale = Scale();
    if (!item || !scale) {
        UpdateView();
        return 0;
    }
    CQXLayer* layer = scale->GetLayer();
    const CString typeName = scale->GetTypeName();

    switch (item->GetData()) {
    case kStyleId: {
        const int found = item->FindOption(ItemText(item));
        SetSameTypeObjects(layer, &CQXObjectScale::SetStyle, found < 0 ? item->GetOptionCount() : found, typeName);
        break;
    }
    case kZeroFromStartId:
        ApplyZeroFromStart(scale, item);
        break;
    case kSpacingId:
    case kHeightId:
    case kCountId:
    case kDecimalsId:
        ApplyTicks(scale, item);
        break;
    case kUnitId:
        SetSameTypeObjects(layer, &CQXObjectScale::SetUnitWord, ItemText(item), typeName);
        break;
    case kPenStyleId:
    case kPenWidthId:
    case kPenColorId:
        ApplyPen(scale, item);
        break;
    case kFontFaceId:
    case kFontSizeId:
    case kFontColorId:
        ApplyFont(scale, item);
        break;
    default:
        break;
    }
    UpdateSameTypeObjects(layer, typeName);
    UpdateView();
    return 0;
}

// A bar whose zero tick leaves the start is drawn in the last style; the items that mean
// something only at the start are disabled until it returns.
void CPropListScale::ApplyZeroFromStart(CQXObjectScale* scale, CBCGPProp* item) {
    const bool fromStart = GetYesNoProp(item);
    CQXLayer* layer = scale->GetLayer();
    const CString typeName = scale->GetTypeName();
    SetSameTypeObjects(layer, &CQXObjectScale::SetZeroFromStart, fromStart ? 1 : 0, typeName);
    if (!fromStart) SetSameTypeObjects(layer, &CQXObjectScale::SetStyle, kNotFromStartStyle, typeName);
    EnableStartItems(fromStart);
}

// A text that is no number writes nothing; the bar's setters refuse a height not above 0, a
// count below 1 and negative decimals themselves.
void CPropListScale::ApplyTicks(CQXObjectScale* scale, CBCGPProp* item) {
    CQXLayer* layer = scale->GetLayer();
    const CString typeName = scale->GetTypeName();
    const CString text = ItemText(item);
    const DWORD_PTR id = item->GetData();
    if (id == kSpacingId || id == kHeightId) {
        double value = 0;
        if (!furniture::ReadNumber(text, id == kHeightId ? 100 : 1, &value)) return;
        SetSameTypeObjects(layer, id == kHeightId ? &CQXObjectScale::SetHeight : &CQXObjectScale::SetSize, value,
                           typeName);
        return;
    }
    int count = 0;
    if (!furniture::ReadInteger(text, &count)) return;
    SetSameTypeObjects(layer, id == kCountId ? &CQXObjectScale::SetStep : &CQXObjectScale::SetDecimalNum, count,
                       typeName);
}

// A width that is no number writes nothing.
void CPropListScale::ApplyPen(CQXObjectScale* scale, CBCGPProp* item) {
    QXLOGPEN pen;
    scale->GetLogPen(&pen);
    switch (item->GetData()) {
    case kPenStyleId: {
        auto* picker = dynamic_cast<CPropStyleCombox*>(item);
        if (!picker) return;
        pen.style = picker->GetVal();
        break;
    }
    case kPenWidthId: {
        double width = 0;
        if (!furniture::ReadNumber(ItemText(item), 100, &width)) return;
        pen.width = static_cast<float>(width);
        break;
    }
    default: {
        auto* colour = dynamic_cast<CBCGPColorProp*>(item);
        if (!colour) return;
        pen.color = colour->GetColor();
        break;
    }
    }
    SetSameTypeObjects(scale->GetLayer(), &CQXObjectScale::SetLogPen, &pen, scale->GetTypeName());
}

// Font edits reach the shown bar only; a size that is no number writes nothing.
void CPropListScale::ApplyFont(CQXObjectScale* scale, CBCGPProp* item) {
    QXLOGFONT font;
    scale->GetLogFont(&font);
    switch (item->GetData()) {
    case kFontFaceId:
        font.SetFaceName(ItemText(item));
        scale->SetLogFont(&font);
        scale->OnChanged(0);
        return;
    case kFontSizeId: {
        double size = 0;
        if (!furniture::ReadNumber(ItemText(item), 100, &size)) return;
        font.size = static_cast<float>(size);
        break;
    }
    default: {
        auto* colour = dynamic_cast<CBCGPColorProp*>(item);
        if (!colour) return;
        font.color = colour->GetColor();
        break;
    }
    }
    scale->SetLogFont(&font);
}
