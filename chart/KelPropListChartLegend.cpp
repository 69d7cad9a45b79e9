#include "chart/KelPropListChartLegend.h"

#include "bcg/ColorProp.h"
#include "chart/AxisTexts.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Thistle/Legend.h"
#include "framework/PropItems.h"

using namespace axistext;

namespace {

using Legend = CkelPropListChartLegend;

// The five lengths held in hundredths: item, label, getter, setter, and whether the length is a
// size (width, height, spacing between entries), which a negative number cannot be. The margins
// move the entries and may be negative.
struct HundredthsItem {
    DWORD_PTR id;
    const char* label;
    double (CkelLegend::*get)() const;
    void (CkelLegend::*set)(double);
    bool size;
};
const HundredthsItem kHundredths[] = {
    {Legend::kWidthId, kLegendWidth, &CkelLegend::GetBorderWidth, &CkelLegend::SetBorderWidth, true},
    {Legend::kHeightId, kLegendHeight, &CkelLegend::GetBorderHeight, &CkelLegend::SetBorderHeight, true},
    {Legend::kSpacingId, kLegendSpacing, &CkelLegend::GetIntervalSpace, &CkelLegend::SetIntervalSpace, true},
    {Legend::kLeftMarginId, kLeftMargin, &CkelLegend::GetLMarginSpace, &CkelLegend::SetLMarginSpace, false},
    {Legend::kTopMarginId, kTopMargin, &CkelLegend::GetTMarginSpace, &CkelLegend::SetTMarginSpace, false},
};

// The number typed, times 100; false for a text with no number a double holds, and for a negative
// size. A typed "-0" is kept as 0, so that it never shows as "-0.00".
bool ReadHundredths(const CString& text, bool size, double* stored) {
    double value = 0;
    if (!numtext::LeadingNumber(text, &value) || (size && value < 0)) return false;
    if (value == 0) value = 0;
    return numtext::Scale(value, numtext::kHundredths, stored);
}

const HundredthsItem* HundredthsOf(DWORD_PTR id) {
    for (const HundredthsItem& entry : kHundredths)
        if (entry.id == id) return &entry;
    return nullptr;
}

CBCGPProp* NewExpandedFont(const char* name, DWORD_PTR id) {
    CBCGPProp* font = CreateFontProp(name, id, kHundredthsNumberRequired);
    font->Expand(TRUE);
    return font;
}

}  // namespace

CkelPropListChartLegend::CkelPropListChartLegend() = default;
CkelPropListChartLegend::~CkelPropListChartLegend() = default;

int CkelPropListChartLegend::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    auto* title = new CBCGPProp(kLegendTitleGroup, kTitleGroupId, FALSE);
    title->AddSubItem(new CBCGPProp(kLegendTitle, _variant_t(""), "", kTitleTextId));
    title->AddSubItem(NewExpandedFont(kFontSettings, kTitleFontId));
    title->Expand(TRUE);
    m_wndPropList.AddProperty(title, TRUE, TRUE);

    auto* frame = new CBCGPProp(kFrameGroup, kFrameGroupId, FALSE);
    CBCGPProp* frameLine = CreateLineProp(kFrameLine, kFrameLineId, false, kHundredthsNumberRequired);
    frameLine->Expand(TRUE);
    frame->AddSubItem(frameLine);
    frame->AddSubItem(CreateYesNoProp(grouptext::kFillTransparent, kTransparentId, _variant_t(""), ""));
    frame->AddSubItem(NewGroupColorProp(kBackColor, kBackColorDescription, kBackColorId, 0));
    frame->Expand(FALSE);
    m_wndPropList.AddProperty(frame, TRUE, TRUE);

    auto* entries = new CBCGPProp(kEntriesGroup, kEntriesGroupId, FALSE);
    entries->AddSubItem(NewExpandedFont(kFontSettings, kEntryFontId));
    CBCGPProp* entryLine = CreateShowLineProp(kEntryLine, kEntryLineId);
    entryLine->Expand(TRUE);
    entries->AddSubItem(entryLine);
    entries->Expand(TRUE);
    m_wndPropList.AddProperty(entries, TRUE, TRUE);

    for (const HundredthsItem& entry : kHundredths)
        m_wndPropList.AddProperty(new CBCGPProp(entry.label, _variant_t(""), "", entry.id), TRUE, TRUE);
    m_wndPropList.AddProperty(new CBCGPProp(kColumns, _variant_t(""), "", kColumnsId), TRUE, TRUE);
    return 0;
}

void CkelPropListChartLegend::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CkelLegend* legend = TargetAs<CkelLegend>();
    if (!legend) return;
    SetItemText(m_wndPropList.FindItemByData(kTitleTextId), legend->GetTitleText().c_str());
    QXLOGFONT font;
    legend->GetTitleFont(&font);
    SetFontProp(m_wndPropList.FindItemByData(kTitleFontId), font);
    QXLOGPEN pen;
    legend->GetBorderLine(&pen);
    SetLineProp(m_wndPropList.FindItemByData(kFrameLineId), pen);
    QXLOGBRUSH fill;
    legend->GetBorderFill(&fill);
    const bool transparent = fill.style == kHiddenStyle;
    SetYesNoProp(m_wndPropList.FindItemByData(kTransparentId), transparent);
    if (CBCGPProp* back = m_wndPropList.FindItemByData(kBackColorId)) {
        ShowColor(back, fill.fillColor);
        back->Enable(!transparent);
    }
    legend->GetLegendFont(&font);
    SetFontProp(m_wndPropList.FindItemByData(kEntryFontId), font);
    legend->GetInnerBorderLine(&pen);
    SetShowLineProp(m_wndPropList.FindItemByData(kEntryLineId), pen, pen.style != kHiddenStyle);
    for (const HundredthsItem& entry : kHundredths)
        SetItemText(m_wndPropList.FindItemByData(entry.id), FormatString("%.2f", (legend->*entry.get)() / 100));
    SetItemText(m_wndPropList.FindItemByData(kColumnsId), FormatString("%u", legend->GetColNum()));
}

LRESULT CkelPropListChartLegend::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CkelLegend* legend = TargetAs<CkelLegend>();
    if (!item || !legend) return 0;
    QXLOGFONT titleFont, entryFont;
    legend->GetTitleFont(&titleFont);
    legend->GetLegendFont(&entryFont);
    QXLOGPEN border, inner;
    legend->GetBorderLine(&border);
    legend->GetInnerBorderLine(&inner);
    QXLOGBRUSH fill;
    legend->GetBorderFill(&fill);

    const DWORD_PTR id = item->GetData();
    switch (id) {
        case kTitleTextId:
            legend->SetTitleText(ItemText(item).str());
            break;
        case kTitleFontFaceId:
        case kTitleFontSizeId:
        case kTitleFontColorId:
            if (GetFontProp(item->GetParent(), titleFont)) legend->SetTitleFont(&titleFont);
            break;
        case kFrameLineStyleId:
        case kFrameLineWidthId:
        case kFrameLineColorId:
            if (GetLineProp(item->GetParent(), border)) legend->SetBorderLine(&border);
            break;
        case kTransparentId: {
            const bool transparent = GetYesNoProp(item);
            fill.style = transparent ? kHiddenStyle : kDrawnStyle;
            legend->SetBorderFill(&fill);
            if (CBCGPProp* back = m_wndPropList.FindItemByData(kBackColorId)) back->Enable(!transparent);
            break;
        }
        case kBackColorId:
            if (auto* colour = dynamic_cast<CBCGPColorProp*>(item)) {
                fill.fillColor = colour->GetDisplayColor();
                legend->SetBorderFill(&fill);
            }
            break;
        case kEntryFontFaceId:
        case kEntryFontSizeId:
        case kEntryFontColorId:
            if (GetFontProp(item->GetParent(), entryFont)) legend->SetLegendFont(&entryFont);
            break;
        case kEntryLineShowId:
        case kEntryLineStyleId:
        case kEntryLineWidthId:
        case kEntryLineColorId: {
            bool shown = inner.style != kHiddenStyle;
            GetShowLineSubProp(item, inner, static_cast<int>(id - kEntryLineShowId), &shown);
            if (id == kEntryLineShowId) inner.style = shown ? kDrawnStyle : kHiddenStyle;
            legend->SetInnerBorderLine(&inner);
            break;
        }
        case kColumnsId:
            ApplyColumns(legend, item);
            break;
        default:
            ApplyHundredths(legend, item);
            break;
    }
    UpdateView();
    return 0;
}

void CkelPropListChartLegend::ApplyHundredths(CkelLegend* legend, CBCGPProp* item) {
    const HundredthsItem* entry = HundredthsOf(item->GetData());
    if (!entry) return;
    double stored = 0;
    if (ReadHundredths(ItemText(item), entry->size, &stored))
        (legend->*entry->set)(stored);
    else
        SetItemText(item, FormatString("%.2f", (legend->*entry->get)() / 100));
}

// A count of 0, or a text that is no unsigned number, shows the stored count again.
void CkelPropListChartLegend::ApplyColumns(CkelLegend* legend, CBCGPProp* item) {
    unsigned count = 0;
    if (numtext::WholeUnsigned(ItemText(item), &count) && count > 0)
        legend->SetColNum(count);
    else
        SetItemText(item, FormatString("%u", legend->GetColNum()));
}
