#include "chart/KelPropListBarPlot.h"

#include "chart/ChartDataFiles.h"
#include "chart/ChartGroups.h"
#include "chart/ChartItems.h"
#include "chart/ChartReaders.h"
#include "chart/ChartTexts.h"
#include "chart/PlotItems.h"
#include "chart/PlotTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/NumberText.h"
#include "framework/PropItems.h"
#include "hosttypes/Thistle/Plots.h"
#include "mfc/Variant.h"

using namespace chart;
using namespace plottext;

namespace {

using Page = CkelPropListBarPlot;

static_assert(DWORD_PTR{Page::kDataTableId} == kPlotDataTableId && DWORD_PTR{Page::kYAxisId} == kPlotYAxisId,
              "the shared data table and axes");
const PlotItemDef kRowItems[] = {
    {Page::kFirstRowId, charttext::kFirstRow, kFirstRowDescription, false, ReaderRule(&ReadRow)},
    {Page::kLastRowId, charttext::kLastRow, kLastRowDescription, false, ReaderRule(&ReadRow)},
    {Page::kStepId, charttext::kStep, kStepDescription, false, ReaderRule(&ReadStep)},
};
const PlotItemDef kLayoutItems[] = {
    {Page::kWidthId, kBarWidth, kBarWidthDescription, false, NumberRule()},
    {Page::kStackId, kStackStyle, kOverlapDescription, false, nullptr, kSecondOption},
    {Page::kOverlapId, kOverlap, kOverlapDescription, false, ReaderRule(&ReadDigitText)},
    {Page::kDirectionId, kDirection, kDirectionDescription, false, nullptr, kSecondOption},
};

void ShowPercent(CBCGPProp* item, double fraction) { SetItemText(item, numtext::Fixed(fraction * 100, 2)); }

// Whether the first series of the dataset is a text series, the only kind a bar plot transposes.
bool FirstSeriesIsText(CkelDataset* dataset) {
    IkelDataSery* first = dataset ? dataset->GetDataSeries(0u) : nullptr;
    return first && first->GetType() == IkelDataSery::KEL_SERY_STRING;
}

}  // namespace

bool ApplyBarWidth(CBCGPProp* item, CkelBarPlot* plot) {
    double value = 0;
    if (!item || !plot || !GetNumberProp(item, &value)) return false;
    if (value > 100) {
        AfxMessageBox(kWidthRange);
        ShowPercent(item, plot->GetWidthPercent());
        return false;
    }
    plot->SetWidthPercent(value / 100);
    return true;
}

bool ApplyBarOverlap(CBCGPProp* item, CkelBarPlot* plot) {
    double value = 0;
    if (!item || !plot || !ReadDigitText(ItemText(item), &value)) return false;
    if (value < -100 || value > 100) {
        AfxMessageBox(kOverlapRange);
        ShowPercent(item, plot->GetOverLapPer());
        return false;
    }
    plot->SetOverLapPer(value / 100);
    return true;
}

CkelPropListBarPlot::CkelPropListBarPlot() = default;
CkelPropListBarPlot::~CkelPropListBarPlot() = default;

void CkelPropListBarPlot::BuildItems(CBCGPPropList& list) {
    CBCGPProp* data = NewPlotGroup(charttext::kLabelData, kDataGroupId);
    AddTableAndAxisItems(data);
    data->AddSubItem(NewPlotItem({kBaseColumnId, kBaseColumn, kBaseColumnDescription, true}));
    auto* series = new CBCGPPropBarDataSery(charttext::kSeryName, _variant_t(kDataSeriesValue), kDataSeriesDescription,
                                            kDataSeriesId);
    series->Enable(FALSE);
    data->AddSubItem(series);
    data->AddSubItem(CreateYesNoProp(kSeriesTransfer, kTransferId, _variant_t(""), ""));
    AddPlotItems(data, kRowItems);
    AddToGrid(list, {data, NewPlotGroup(kLayoutGroup, kLayoutGroupId, kLayoutItems)});
}

void CkelPropListBarPlot::ShowTarget(CBCGPPropList& list) {
    auto* plot = TargetAs<CkelBarPlot>();
    if (!plot) return;
    RefreshTableAndAxes(list, plot);
    FillColumnOptions(list.FindItemByData(kBaseColumnId), plot, plot->GetAxis1ColumnIndex());
    // "系列变换" takes only a dataset whose first series is a text series; it is offered again
    // whenever such a dataset is shown.
    if (CBCGPProp* transfer = list.FindItemByData(kTransferId)) {
        SetYesNoProp(transfer, plot->GetIsTransfer());
        transfer->Enable(FirstSeriesIsText(plot->GetOuterDataset()) ? TRUE : FALSE);
    }
    RefreshRows(list, plot, kFirstRowId, kLastRowId, kStepId);
    RefreshBarLayout(list.FindItemByData(kLayoutGroupId), plot);
}

LRESULT CkelPropListBarPlot::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    auto* plot = TargetAs<CkelBarPlot>();
    if (!item || !plot) return 0;
    bool taken = true;
    switch (item->GetData()) {
        case kBaseColumnId:
            taken = ApplyColumnIndex(item, plot, plot->GetDataset(), &IkelPlot::SetAxis1ColumnIndex) == Edit::Taken;
            break;
        case kTransferId:
            plot->SetIsTransfer(ReadYesNo(item));
            break;
        case kWidthId:
            taken = ApplyBarWidth(item, plot);
            break;
        case kStackId:
            plot->SetStackMethod(ReadYesNo(item));
            break;
        case kOverlapId:
            taken = ApplyBarOverlap(item, plot);
            break;
        case kDirectionId:
            plot->SetIsHorizontal(ReadYesNo(item));
            break;
        default: {
            Edit edit = ApplyRowEdit(item, plot, kFirstRowId, kLastRowId, kStepId);
            if (edit == Edit::NotMine) edit = ApplyTableOrAxis(item, plot);
            taken = edit != Edit::Refused;
            break;
        }
    }
    EndEdit(item, taken);
    return 0;
}

// Rows, the width and the overlap as the refresh shows them.
bool CkelPropListBarPlot::ShowStoredValue(CBCGPProp* item) {
    auto* plot = TargetAs<CkelBarPlot>();
    if (!item || !plot) return false;
    switch (item->GetData()) {
        case kWidthId:
            ShowPercent(item, plot->GetWidthPercent());
            return true;
        case kOverlapId:
            ShowPercent(item, plot->GetOverLapPer());
            return true;
        default:
            return ShowStoredTable(item, plot, kDataTableId) ||
                   ShowStoredRow(item, plot, kFirstRowId, kLastRowId, kStepId);
    }
}

// The width, the overlap and the rows are shown again after any refusal.
bool CkelPropListBarPlot::ReshowsRefusedText(CBCGPProp* item) {
    return item && (item->GetData() == kWidthId || item->GetData() == kOverlapId ||
                    IsRowItem(item, kFirstRowId, kLastRowId, kStepId));
}
