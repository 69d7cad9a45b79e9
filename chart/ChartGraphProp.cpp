#include "chart/ChartGraphProp.h"

#include "chart/AxisTexts.h"
#include "chart/ChartItems.h"
#include "chart/ChartReaders.h"
#include "chart/ChartTexts.h"
#include "chart/PlotItems.h"
#include "framework/GroupEdits.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/NumberText.h"
#include "framework/PropItems.h"
#include "hosttypes/Thistle/ChartGraph.h"

using namespace axistext;

CChartGraphProp::CChartGraphProp() = default;
CChartGraphProp::~CChartGraphProp() = default;

void CChartGraphProp::BuildItems(CBCGPPropList& list) {
    auto* group = new CBCGPProp(kChartTitleGroup, kTitleGroupId, FALSE);
    group->AddSubItem(NewTextItem(kTitle, kChartTitleDescription, kTitleTextId));
    group->AddSubItem(
        chart::NewNumberItem(kXDirectionOffset, kTitleXOffsetDescription, kXOffsetId, chart::NumberRule()));
    group->AddSubItem(
        chart::NewNumberItem(kYDirectionOffset, kTitleYOffsetDescription, kYOffsetId, chart::NumberRule()));
    group->Expand(TRUE);
    list.AddProperty(group, TRUE, TRUE);
    CBCGPProp* font = CreateFontProp(charttext::kFont, kFontGroupId);
    font->Expand(TRUE);
    list.AddProperty(font, TRUE, TRUE);
}

void CChartGraphProp::ShowTarget(CBCGPPropList& list) {
    IChartGraph* chart = TargetAs<IChartGraph>();
    if (!chart) return;
    CkelChartTitle* title = chart->GetTitle();
    SetItemText(list.FindItemByData(kTitleTextId), title->GetText().c_str());
    SetItemText(list.FindItemByData(kXOffsetId), numtext::Fixed(title->GetXOffset(), 1));
    SetItemText(list.FindItemByData(kYOffsetId), numtext::Fixed(title->GetYOffset(), 1));
    if (CBCGPProp* font = list.FindItemByData(kFontGroupId)) {
        font->Expand(TRUE);
        QXLOGFONT logFont;
        title->GetLogFont(logFont);
        SetFontProp(font, logFont);
    }
}

// A refused offset (no number of 0 or more) shows the stored one with two decimals, the refresh
// with one; a refused font size the stored size.
bool CChartGraphProp::ShowStoredValue(CBCGPProp* item) {
    IChartGraph* chart = TargetAs<IChartGraph>();
    if (!item || !chart) return false;
    CkelChartTitle* title = chart->GetTitle();
    QXLOGFONT font;
    title->GetLogFont(font);
    return chart::ShowFixedOf(item, {{kXOffsetId, title->GetXOffset()},
                                     {kYOffsetId, title->GetYOffset()},
                                     {kFontSizeId, font.size / numtext::kHundredths}});
}

LRESULT CChartGraphProp::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    IChartGraph* chart = TargetAs<IChartGraph>();
    if (!item || !chart) return 0;
    CkelChartTitle* title = chart->GetTitle();
    bool taken = true;
    auto applyOffset = [&](void (CkelChartTitle::*set)(const double&)) {
        double offset = 0;
        taken = GetNumberProp(item, &offset);
        if (taken) (title->*set)(offset);
    };
    switch (item->GetData()) {
        case kTitleTextId:
            title->SetText(ItemText(item).str());
            break;
        case kXOffsetId:
            applyOffset(&CkelChartTitle::SetXOffset);
            break;
        case kYOffsetId:
            applyOffset(&CkelChartTitle::SetYOffset);
            break;
        case kFontFaceId:
        case kFontSizeId:
        case kFontColorId: {
            QXLOGFONT font;
            title->GetLogFont(font);
            taken = ReadEditedField(item, font);
            if (taken) title->SetLogFont(font);
            break;
        }
        default:
            break;
    }
    EndEdit(item, taken);
    return 0;
}

// The offsets' two decimals answer every refusal.
bool CChartGraphProp::ReshowsRefusedText(CBCGPProp* item) {
    return item && (item->GetData() == kXOffsetId || item->GetData() == kYOffsetId);
}
