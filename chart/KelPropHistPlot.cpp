#include "chart/KelPropHistPlot.h"

#include "chart/ChartDataFiles.h"
#include "chart/ChartGroups.h"
#include "chart/ChartItems.h"
#include "chart/ChartReaders.h"
#include "chart/ChartTexts.h"
#include "chart/PlotItems.h"
#include "chart/PlotTexts.h"
#include "framework/PropItems.h"
#include "hosttypes/Thistle/ChartGraph.h"
#include "hosttypes/Thistle/Plots.h"
#include "mfc/Variant.h"

using namespace chart;
using namespace plottext;

namespace {

using Page = CkelPropHistPlot;

static_assert(DWORD_PTR{Page::kDataTableId} == kPlotDataTableId && DWORD_PTR{Page::kYAxisId} == kPlotYAxisId,
              "the shared data table and axes");
const PlotItemDef kDataItems[] = {
    MissingColumnDef(Page::kDataColumnId, kDataColumn, kDataColumnDescription),
    {Page::kFirstRowId, charttext::kFirstRow, kFirstRowDescription, false, ReaderRule(&ReadRow)},
    {Page::kLastRowId, charttext::kLastRow, kLastRowDescription, false, ReaderRule(&ReadRow)},
};
// The end values, the interval count and the width are whole numbers above 0.
const PlotItemDef kBinningItems[] = {
    {Page::kLeftValueId, kLeftValue, kLeftValueDescription, false, ReaderRule(&ReadPositiveCount)},
    {Page::kRightValueId, kRightValue, kRightValue, false, ReaderRule(&ReadPositiveCount)},
    {Page::kZoneCountId, kZoneCount, kZoneCountDescription, false, ReaderRule(&ReadPositiveCount)},
    {Page::kStyleId, kHistStyle, kHistStyleDescription, true, nullptr, kSecondOption},
    {Page::kWidthId, kBarWidth, kBarWidthDescription, false, ReaderRule(&ReadPositiveCount)},
};

// The graph type whose histograms show counts only.
constexpr int kCountsOnlyGraph = IChartGraph::KEL_CHART_STATISTIC;

// One number of the binning as the page shows it; false for another item.
bool ShowBinningNumber(CBCGPProp* item, CHistogramPlot* plot) {
    if (item && item->GetData() == Page::kZoneCountId) {
        SetItemText(item, FormatString("%d", plot->GetZoneCount()));
        return true;
    }
    return ShowFixedOf(item, {{Page::kLeftValueId, plot->GetLeftValue()},
                              {Page::kRightValueId, plot->GetRightValue()},
                              {Page::kWidthId, plot->GetWidthPercent() * 100}});
}

void RefreshBinning(CBCGPPropList& list, CHistogramPlot* plot) {
    for (DWORD_PTR id : {Page::kLeftValueId, Page::kRightValueId, Page::kZoneCountId, Page::kWidthId})
        ShowBinningNumber(list.FindItemByData(id), plot);
    if (CBCGPProp* style = list.FindItemByData(Page::kStyleId)) {
        if (CFixedListProp* styles = FixedListOf(style)) {
            styles->ClearEntries();
            styles->AddEntry(kCounts, 0);
            styles->AddEntry(kFrequencies, 1);
        }
        style->SetValue(_variant_t(plot->GetIsFrequency() ? kFrequencies : kCounts));
        // Counts or frequencies can be chosen again as soon as the chart is of another type.
        IChartGraph* chart = plot->GetChartGraph();
        style->Enable(chart && chart->GetChartGraphType() == kCountsOnlyGraph ? FALSE : TRUE);
    }
}

}  // namespace

CkelPropHistPlot::CkelPropHistPlot() = default;
CkelPropHistPlot::~CkelPropHistPlot() = default;

void CkelPropHistPlot::BuildItems(CBCGPPropList& list) {
    CBCGPProp* data = NewPlotGroup(charttext::kLabelData, kDataGroupId);
    AddTableAndAxisItems(data);
    AddPlotItems(data, kDataItems);
    AddToGrid(list, {data, NewPlotGroup(charttext::kPlotSetTab, kBinningGroupId, kBinningItems)});
}

void CkelPropHistPlot::ShowTarget(CBCGPPropList& list) {
    auto* plot = TargetAs<CHistogramPlot>();
    if (!plot) return;
    RefreshTableAndAxes(list, plot);
    FillSeriesOptions(list.FindItemByData(kDataColumnId), plot->GetOuterDataset(), SeriesKinds::Numeric,
                      plot->GetDataCol());
    RefreshRows(list, plot, kFirstRowId, kLastRowId, kNoItem);
    RefreshBinning(list, plot);
}

LRESULT CkelPropHistPlot::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    auto* plot = TargetAs<CHistogramPlot>();
    if (!item || !plot) return 0;
    const DWORD_PTR id = item->GetData();
    int n = 0;
    // The binning numbers: the items read by ReadPositiveCount, so a text it refuses never comes here.
    const bool binning = id == kLeftValueId || id == kRightValueId || id == kZoneCountId || id == kWidthId;
    if (binning) ReadPositiveCount(ItemText(item), &n);
    Edit edit = Edit::Taken;
    switch (id) {
        case kDataColumnId:
            edit = ApplyColumnChoice(item, plot->GetOuterDataset(), TakesColumn(plot, &CHistogramPlot::SetDataCol));
            break;
        case kLeftValueId:
            plot->SetLeftValue(n);
            break;
        case kRightValueId:
            plot->SetRightValue(n);
            break;
        case kZoneCountId:
            plot->SetZoneCount(n);
            break;
        case kStyleId: {
            int style = 0;
            edit = ReadFixedList(item, &style) ? Edit::Taken : Edit::Refused;
            if (edit == Edit::Taken) plot->SetIsFrequency(style == 1);
            break;
        }
        case kWidthId:
            plot->SetWidthPercent(n / 100.0);
            break;
        default:
            edit = ApplyRowEdit(item, plot, kFirstRowId, kLastRowId, kNoItem);
            if (edit == Edit::NotMine) edit = ApplyTableOrAxis(item, plot);
            break;
    }
    EndEdit(item, edit != Edit::Refused);
    return 0;
}

bool CkelPropHistPlot::ShowStoredValue(CBCGPProp* item) {
    auto* plot = TargetAs<CHistogramPlot>();
    return plot &&
           (ShowStoredTable(item, plot, kDataTableId) || ShowStoredRow(item, plot, kFirstRowId, kLastRowId, kNoItem));
}

bool CkelPropHistPlot::ReshowsRefusedText(CBCGPProp* item) { return IsRowItem(item, kFirstRowId, kLastRowId, kNoItem); }
