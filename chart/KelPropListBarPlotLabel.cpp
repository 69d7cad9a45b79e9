#include "chart/KelPropListBarPlotLabel.h"

#include "chart/ChartDataFiles.h"
#include "chart/ChartReaders.h"
#include "chart/ChartTexts.h"
#include "chart/PlotItems.h"
#include "chart/PlotTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "hosttypes/Thistle/Plots.h"
#include "mfc/Variant.h"

using namespace chart;
using namespace charttext;

namespace {

using Page = CkelPropListBarPlotLabel;

const PlotItemDef kRowItems[] = {
    {Page::kFirstRowId, kFirstRow, kFirstRow, false, ReaderRule(&ReadRow)},
    {Page::kLastRowId, kLastRow, kLastRow, false, ReaderRule(&ReadRow)},
    {Page::kStepId, kStep, kStep, false, ReaderRule(&ReadStep)},
};
const PlotItemDef kPositionItems[] = {
    {Page::kXOffsetId, kXOffset, kXOffsetDescription, false, ReaderRule(&ReadScaledOffset)},
    {Page::kYOffsetId, kYOffset, kYOffsetDescription, false, ReaderRule(&ReadScaledOffset)},
    {Page::kAngleId, kAngle, kAngleDescription, false, LeadingNumberRule()},
};

}  // namespace

CkelPropListBarPlotLabel::CkelPropListBarPlotLabel() = default;
CkelPropListBarPlotLabel::~CkelPropListBarPlotLabel() = default;

void CkelPropListBarPlotLabel::BuildItems(CBCGPPropList& list) {
    CBCGPProp* series = NewPlotItem({kSeriesId, kSeryName, kSeryName, true});
    CBCGPProp* show = CreateYesNoProp(kShowLabels, kShowId, _variant_t(""), "");
    CBCGPProp* data = NewPlotGroup(kLabelData, kDataGroupId);
    data->AddSubItem(CreateYesNoProp(plottext::kShowDataColumn, kInYColumnId, _variant_t(""), ""));
    // Whatever it names, the labels take their bar series' column (SetBarLabelColumn).
    data->AddSubItem(NewPlotItem({kColumnId, kLabelColumn, kLabelColumnDescription, true, nullptr, OtherTakenAs(0)}));
    AddPlotItems(data, kRowItems);
    CBCGPProp* position = NewPlotGroup(kLabelPosition, kPositionGroupId, kPositionItems);
    CBCGPProp* font = CreateFontProp(kFont, kFontGroupId);
    font->Expand(TRUE);
    AddToGrid(list, {series, show, data, position, font});
}

void CkelPropListBarPlotLabel::ShowTarget(CBCGPPropList& list) {
    auto* plot = TargetAs<CkelBarPlot>();
    if (!plot) return;
    CBarFillSeryGrp* group = plot->GetFillSeryGroup();
    RefreshSeriesChoice(list.FindItemByData(kSeriesId), group);
    CBarFillSery* current = group->GetCurSelFillSery();
    CkelPlotLabels* labels = current ? current->GetLabels() : nullptr;
    RefreshLabels(list, kLabelGroupIds, labels);
    if (labels && labels->GetBarSery())
        SetBarLabelColumn(list.FindItemByData(kColumnId), plot->GetDataset(), labels->GetBarSery()->GetColIndex());
}

LRESULT CkelPropListBarPlotLabel::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    auto* plot = TargetAs<CkelBarPlot>();
    if (!item || !plot) return 0;
    CBarFillSeryGrp* group = plot->GetFillSeryGroup();
    CBarFillSery* current = group->GetCurSelFillSery();
    Edit edit = Edit::Taken;
    switch (item->GetData()) {
        case kSeriesId:
            edit = ApplySeriesChoice(item, group) ? Edit::Taken : Edit::Refused;
            break;
        default:
            if (current) edit = ApplyLabelEdit(item, kLabelGroupIds, current->GetLabels(), plot);
            break;
    }
    EndEdit(item, edit != Edit::Refused);
    return 0;
}

bool CkelPropListBarPlotLabel::ShowStoredValue(CBCGPProp* item) {
    auto* plot = TargetAs<CkelBarPlot>();
    CBarFillSery* current = plot ? plot->GetFillSeryGroup()->GetCurSelFillSery() : nullptr;
    return current && ShowStoredLabel(item, kLabelGroupIds, current->GetLabels());
}

bool CkelPropListBarPlotLabel::ReshowsRefusedText(CBCGPProp* item) { return IsLabelRow(item, kLabelGroupIds); }
