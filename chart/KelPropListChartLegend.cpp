#include "chart/KelPropListChartLegend.h"

#include "bcg/ColorProp.h"
#include "chart/AxisTexts.h"
#include "chart/ChartItems.h"
#include "chart/ChartReaders.h"
#include "chart/PlotItems.h"
#include "framework/GroupEdits.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/PropItems.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Thistle/Legend.h"

using namespace axistext;

namespace {

using Legend = CkelPropListChartLegend;

// A margin is read as an offset (chart::ReadScaledOffset): it moves the entries and may be negative.
// A size (width, height, spacing between entries): such a number that is not negative.
bool ReadSize(const CString& text, double* stored) {
    double value = 0;
    if (!chart::ReadScaledOffset(text, &value) || value < 0) return false;
    *stored = value;
    return true;
}

// A column count: a whole unsigned number above 0.
bool ReadColumns(const CString& text, unsigned* count) {
    unsigned value = 0;
    if (!numtext::WholeUnsigned(text, &value) || value == 0) return false;
    *count = value;
    return true;
}

// The five lengths held in hundredths: item, label, getter, setter, and the reader.
struct HundredthsItem {
    DWORD_PTR id;
    const char* label;
    double (CkelLegend::*get)() const;
    void (CkelLegend::*set)(double);
    bool (*read)(const CString&, double*);
};
const HundredthsItem kHundredths[] = {
    {Legend::kWidthId, kLegendWidth, &CkelLegend::GetBorderWidth, &CkelLegend::SetBorderWidth, &ReadSize},
    {Legend::kHeightId, kLegendHeight, &CkelLegend::GetBorderHeight, &CkelLegend::SetBorderHeight, &ReadSize},
    {Legend::kSpacingId, kLegendSpacing, &CkelLegend::GetIntervalSpace, &CkelLegend::SetIntervalSpace, &ReadSize},
    {Legend::kLeftMarginId, kLeftMargin, &CkelLegend::GetLMarginSpace, &CkelLegend::SetLMarginSpace,
     &chart::ReadScaledOffset},
    {Legend::kTopMarginId, kTopMargin, &CkelLegend::GetTMarginSpace, &CkelLegend::SetTMarginSpace,
     &chart::ReadScaledOffset},
};

const HundredthsItem* HundredthsOf(DWORD_PTR id) {
    for (const HundredthsItem& entry : kHundredths)
        if (entry.id == id) return &entry;
    return nullptr;
}

void ShowHundredths(CBCGPProp* item, CkelLegend* legend, const HundredthsItem& entry) {
    ShowFixed(item, (legend->*entry.get)() / 100, 2);
}

void ShowColumns(CBCGPProp* item, CkelLegend* legend) { SetItemText(item, FormatString("%u", legend->GetColNum())); }

CBCGPProp* NewExpandedFont(const char* name, DWORD_PTR id) {
    CBCGPProp* font = CreateFontProp(name, id);
    font->Expand(TRUE);
    return font;
}

}  // namespace

CkelPropListChartLegend::CkelPropListChartLegend() = default;
CkelPropListChartLegend::~CkelPropListChartLegend() = default;

void CkelPropListChartLegend::BuildItems(CBCGPPropList& list) {
    auto* title = new CBCGPProp(kLegendTitleGroup, kTitleGroupId, FALSE);
    title->AddSubItem(new CBCGPProp(kLegendTitle, _variant_t(""), "", kTitleTextId));
    title->AddSubItem(NewExpandedFont(kFontSettings, kTitleFontId));
    title->Expand(TRUE);
    list.AddProperty(title, TRUE, TRUE);

    auto* frame = new CBCGPProp(kFrameGroup, kFrameGroupId, FALSE);
    CBCGPProp* frameLine = CreateLineProp(kFrameLine, kFrameLineId, false);
    frameLine->Expand(TRUE);
    frame->AddSubItem(frameLine);
    frame->AddSubItem(CreateYesNoProp(grouptext::kFillTransparent, kTransparentId, _variant_t(""), ""));
    frame->AddSubItem(NewGroupColorProp(kBackColor, kBackColorDescription, kBackColorId, 0));
    frame->Expand(FALSE);
    list.AddProperty(frame, TRUE, TRUE);

    auto* entries = new CBCGPProp(kEntriesGroup, kEntriesGroupId, FALSE);
    entries->AddSubItem(NewExpandedFont(kFontSettings, kEntryFontId));
    CBCGPProp* entryLine = CreateShowLineProp(kEntryLine, kEntryLineId);
    entryLine->Expand(TRUE);
    entries->AddSubItem(entryLine);
    entries->Expand(TRUE);
    list.AddProperty(entries, TRUE, TRUE);

    for (const HundredthsItem& entry : kHundredths)
        list.AddProperty(chart::NewNumberItem(entry.label, "", entry.id, ReaderRule(entry.read)), TRUE, TRUE);
    list.AddProperty(chart::NewNumberItem(kColumns, "", kColumnsId, ReaderRule(&ReadColumns)), TRUE, TRUE);
}

void CkelPropListChartLegend::ShowTarget(CBCGPPropList& list) {
    CkelLegend* legend = TargetAs<CkelLegend>();
    if (!legend) return;
    SetItemText(list.FindItemByData(kTitleTextId), legend->GetTitleText().c_str());
    QXLOGFONT font;
    legend->GetTitleFont(&font);
    SetFontProp(list.FindItemByData(kTitleFontId), font);
    QXLOGPEN pen;
    legend->GetBorderLine(&pen);
    SetLineProp(list.FindItemByData(kFrameLineId), pen);
    QXLOGBRUSH fill;
    legend->GetBorderFill(&fill);
    const bool transparent = fill.style == kHiddenStyle;
    SetYesNoProp(list.FindItemByData(kTransparentId), transparent);
    if (CBCGPProp* back = list.FindItemByData(kBackColorId)) {
        ShowColor(back, fill.fillColor);
        back->Enable(!transparent);
    }
    legend->GetLegendFont(&font);
    SetFontProp(list.FindItemByData(kEntryFontId), font);
    legend->GetInnerBorderLine(&pen);
    SetShowLineProp(list.FindItemByData(kEntryLineId), pen, pen.style != kHiddenStyle);
    for (const HundredthsItem& entry : kHundredths) ShowHundredths(list.FindItemByData(entry.id), legend, entry);
    ShowColumns(list.FindItemByData(kColumnsId), legend);
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
    bool taken = true;
    switch (id) {
        case kTitleTextId:
            legend->SetTitleText(ItemText(item).str());
            break;
        case kTitleFontFaceId:
        case kTitleFontSizeId:
        case kTitleFontColorId:
            taken = ReadEditedField(item, titleFont);
            if (taken) legend->SetTitleFont(&titleFont);
            break;
        case kFrameLineStyleId:
        case kFrameLineWidthId:
        case kFrameLineColorId:
            taken = ReadEditedField(item, border);
            if (taken) legend->SetBorderLine(&border);
            break;
        case kTransparentId: {
            const bool transparent = ReadYesNo(item);
            fill.style = transparent ? kHiddenStyle : kDrawnStyle;
            legend->SetBorderFill(&fill);
            if (CBCGPProp* back = m_wndPropList.FindItemByData(kBackColorId)) back->Enable(!transparent);
            break;
        }
        case kBackColorId:
            if (ReadShownColor(item, &fill.fillColor)) legend->SetBorderFill(&fill);
            break;
        case kEntryFontFaceId:
        case kEntryFontSizeId:
        case kEntryFontColorId:
            taken = ReadEditedField(item, entryFont);
            if (taken) legend->SetLegendFont(&entryFont);
            break;
        case kEntryLineShowId:
            inner.style = ReadYesNo(item) ? kDrawnStyle : kHiddenStyle;
            legend->SetInnerBorderLine(&inner);
            break;
        case kEntryLineStyleId:
        case kEntryLineWidthId:
        case kEntryLineColorId:
            taken = ReadEditedField(item, inner, 1);
            if (taken) legend->SetInnerBorderLine(&inner);
            break;
        case kColumnsId:
            ApplyColumns(legend, item);
            break;
        default:
            // The group rows change nothing; the view is still repainted.
            ApplyHundredths(legend, item);
            break;
    }
    EndEdit(item, taken);
    return 0;
}

// Sizes and widths as the refresh shows them; the column count again.
bool CkelPropListChartLegend::ShowStoredValue(CBCGPProp* item) {
    CkelLegend* legend = TargetAs<CkelLegend>();
    if (!item || !legend) return false;
    const DWORD_PTR id = item->GetData();
    if (id == kColumnsId) {
        ShowColumns(item, legend);
        return true;
    }
    QXLOGFONT title, entries;
    QXLOGPEN frame, inner;
    legend->GetTitleFont(&title);
    legend->GetLegendFont(&entries);
    legend->GetBorderLine(&frame);
    legend->GetInnerBorderLine(&inner);
    return chart::ShowFixedOf(item, {{kTitleFontSizeId, title.size / numtext::kHundredths},
                                     {kEntryFontSizeId, entries.size / numtext::kHundredths},
                                     {kFrameLineWidthId, frame.width / numtext::kHundredths},
                                     {kEntryLineWidthId, inner.width / numtext::kHundredths}});
}

void CkelPropListChartLegend::ApplyHundredths(CkelLegend* legend, CBCGPProp* item) {
    const HundredthsItem* entry = HundredthsOf(item->GetData());
    if (!entry) return;
    double stored = 0;
    entry->read(ItemText(item), &stored);
    (legend->*entry->set)(stored);
}

void CkelPropListChartLegend::ApplyColumns(CkelLegend* legend, CBCGPProp* item) {
    unsigned count = 0;
    ReadColumns(ItemText(item), &count);
    legend->SetColNum(count);
}

// A refused column count shows the count again.
bool CkelPropListChartLegend::ReshowsRefusedText(CBCGPProp* item) { return item && item->GetData() == kColumnsId; }
