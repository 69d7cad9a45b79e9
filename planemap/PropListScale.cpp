#include "planemap/PropListScale.h"

#include <utility>

#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/PropDigits.h"
#include "hosttypes/Parsnip/QXObjectScale.h"
#include "planemap/FurnitureTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/RecordEdits.h"
#include "planemap/SameTypeEdits.h"

using namespace planemap;

namespace {

namespace ft = furnituretext;

constexpr int kStyleCount = 7;
// The style a bar is drawn in when its zero tick is not at the start ("风格7").
constexpr int kNotFromStartStyle = 6;
// The items that mean something only while the zero tick stands at the start.
constexpr DWORD_PTR kStartItemIds[] = {CPropListScale::kStyleId, CPropListScale::kUnitId, CPropListScale::kDecimalsId,
                                       CPropListScale::kSpacingId, CPropListScale::kCountId};

// The library keeps ten times the tick spacing it is given.
constexpr double kKeptSpacingScale = 10;

// The spacing typed, a length: refused when negative or when ten times it leaves the range of a
// double ("1e308").
bool ReadSpacing(const CString& text, double* spacing) {
    double typed = 0;
    double kept = 0;
    if (!ReadLength(text, 1, &typed) || !numtext::Scale(typed, kKeptSpacingScale, &kept)) return false;
    *spacing = typed;
    return true;
}

}  // namespace

CPropListScale::CPropListScale() = default;
CPropListScale::~CPropListScale() = default;

CQXObjectScale* CPropListScale::Scale() const { return dynamic_cast<CQXObjectScale*>(m_pTarget); }

int CPropListScale::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    m_wndPropList.AddProperty(NewTypeItem(ft::kScaleKind, kTypeId), TRUE, TRUE);
    m_wndPropList.AddProperty(CreateYesNoProp(ft::kZeroAtStart, kZeroFromStartId, _variant_t(""), ""), TRUE, TRUE);

    m_wndPropList.AddProperty(
        NewStyleItem(planetext::kStyleSettings, kStyleId, kStyleCount, StylePastOptions::kTakenAsCount), TRUE, TRUE);

    auto* ticks = new CBCGPProp(ft::kTickSettings, kTickGroupId);
    // Every number item refuses what its edit below refuses.
    ticks->AddSubItem(NewSizeTextItem(planetext::kSpacing, "", kSpacingId, ReaderRule(&ReadSpacing)));
    ticks->AddSubItem(NewSizeTextItem(planetext::kHeight, "", kHeightId, AboveZeroRule(100)));
    ticks->AddSubItem(NewSizeTextItem(ft::kCount, "", kCountId, WholeAboveZeroRule()));
    auto* unit = new CBCGPProp(planetext::kUnit, _variant_t(""), "", kUnitId);
    for (const char* word : ft::kUnitWords) unit->AddOption(word);
    unit->AllowEdit(FALSE);
    ticks->AddSubItem(unit);
    ticks->Expand(TRUE);
    m_wndPropList.AddProperty(ticks, TRUE, TRUE);

    CBCGPProp* font = CreateFontProp(planetext::kFontSettings, kFontGroupId, HundredthsRule(Accept::ZeroOrMore));
    font->Expand(TRUE);
    m_wndPropList.AddProperty(font, TRUE, TRUE);
    m_wndPropList.AddProperty(CreateIndexProp(planetext::kDecimals, kDecimalsId, planetext::kDecimalsDescription, 4),
                              TRUE, TRUE);

    CBCGPProp* pen = CreateLineProp(planetext::kPenSettings, kPenGroupId, false, HundredthsRule(Accept::ZeroOrMore));
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

    SetItemText(FindItem(kStyleId), StyleText(scale->GetStyle()));
    SetItemText(FindItem(kUnitId), scale->GetUnitWord());
    for (DWORD_PTR id : {kSpacingId, kHeightId, kCountId, kDecimalsId}) ShowStoredTick(scale, FindItem(id));
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
        case kStyleId:
            // The option's position; the option count for a text that is none of them.
            SetSameTypeFromList(layer, &CQXObjectScale::SetStyle, item, typeName);
            break;
        case kZeroFromStartId:
            ApplyZeroFromStart(scale, item);
            break;
        case kSpacingId:
        case kHeightId:
        case kCountId:
        case kDecimalsId:
            // A refused count of decimals writes nothing and tells nobody; the item shows the stored value.
            if (!ApplyTicks(scale, item)) {
                ShowStoredTick(scale, item);
                return 0;
            }
            break;
        case kUnitId:
            SetSameTypeObjects(layer, &CQXObjectScale::SetUnitWord, ItemText(item), typeName);
            break;
        case kPenStyleId:
        case kPenWidthId:
        case kPenColorId:
            // The shown bar's pen with the one field changed, to every bar of the type; no negative width.
            if (!EditSameTypePen(scale, item, kPenGroupId)) return 0;
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
    const bool fromStart = ReadYesNo(item);
    CQXLayer* layer = scale->GetLayer();
    const CString typeName = scale->GetTypeName();
    SetSameTypeObjects(layer, &CQXObjectScale::SetZeroFromStart, fromStart ? 1 : 0, typeName);
    if (!fromStart) SetSameTypeObjects(layer, &CQXObjectScale::SetStyle, kNotFromStartStyle, typeName);
    EnableStartItems(fromStart);
}

// A spacing that is no number gives 0. The spacing, height and count items read by the readers
// used here, so they refuse a negative spacing, one whose kept form a double cannot hold, a height
// not above 0 and a count below 1 (which the bar's setters would ignore). The decimals, an option
// list, may be reported from code with any text: a negative count or no number is refused here
// (false, nothing written).
bool CPropListScale::ApplyTicks(CQXObjectScale* scale, CBCGPProp* item) {
    CQXLayer* layer = scale->GetLayer();
    const CString typeName = scale->GetTypeName();
    const CString text = ItemText(item);
    double value = 0;
    int whole = 0;
    switch (item->GetData()) {
        case kSpacingId:
            if (ReadSpacing(text, &value)) SetSameTypeObjects(layer, &CQXObjectScale::SetSize, value, typeName);
            return true;
        case kHeightId:
            if (ReadAboveZero(text, 100, &value)) SetSameTypeObjects(layer, &CQXObjectScale::SetHeight, value, typeName);
            return true;
        case kCountId:
            if (ReadWholeAboveZero(text, &whole)) SetSameTypeObjects(layer, &CQXObjectScale::SetStep, whole, typeName);
            return true;
        default:
            if (!numtext::LeadingInt(text, &whole) || whole < 0) return false;
            SetSameTypeObjects(layer, &CQXObjectScale::SetDecimalNum, whole, typeName);
            return true;
    }
}

// The spacing and height "%.2f", the count and decimals "%d", as the refresh shows them.
void CPropListScale::ShowStoredTick(CQXObjectScale* scale, CBCGPProp* item) {
    if (!item) return;
    switch (item->GetData()) {
        case kSpacingId:
            ShowFixed(item, scale->GetSize(), 2);
            break;
        case kHeightId:
            ShowStoredHundredths(item, scale->GetHeight());
            break;
        case kCountId:
            SetItemText(item, FormatString("%d", scale->GetStep()));
            break;
        case kDecimalsId:
            SetItemText(item, FormatString("%d", scale->GetDecimalNum()));
            break;
        default:
            break;
    }
}

// Font edits reach the shown bar only (the size item reads by this edit's rule, so it refuses a
// negative size). A new face also notifies the bar.
void CPropListScale::ApplyFont(CQXObjectScale* scale, CBCGPProp* item) {
    QXLOGFONT font;
    scale->GetLogFont(&font);
    if (!EditFont(font, item, SubItemPosition(item->GetData(), kFontGroupId), Accept::ZeroOrMore)) return;
    scale->SetLogFont(&font);
    if (item->GetData() == kFontFaceId) scale->OnChanged(0);
}
