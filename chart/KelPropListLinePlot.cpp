#include "chart/KelPropListLinePlot.h"

#include "chart/ChartDataFiles.h"
#include "chart/ChartGroups.h"
#include "chart/ChartReaders.h"
#include "chart/ChartTexts.h"
#include "chart/PlotItems.h"
#include "chart/PlotTexts.h"
#include "hosttypes/Thistle/Plots.h"

using namespace chart;
using namespace plottext;

namespace {

using Page = CkelPropListLinePlot;

static_assert(DWORD_PTR{Page::kDataTableId} == kPlotDataTableId && DWORD_PTR{Page::kYAxisId} == kPlotYAxisId,
              "the shared data table and axes");
const PlotItemDef kColumnItems[] = {
    {Page::kXColumnId, kXColumn, kDataColumnDescription, true},
    {Page::kYColumnId, kYColumn, kDataColumnDescription, true},
};
const PlotItemDef kRowItems[] = {
    {Page::kFirstRowId, charttext::kFirstRow, kFirstRowDescription, false, ReaderRule(&ReadRow)},
    {Page::kLastRowId, charttext::kLastRow, kLastRowDescription, false, ReaderRule(&ReadRow)},
    {Page::kStepId, charttext::kStep, kStepDescription, false, ReaderRule(&ReadStep)},
};

}  // namespace

void AddXYDataItems(CBCGPProp* group) {
    AddTableAndAxisItems(group);
    AddPlotItems(group, kColumnItems);
}

void RefreshXYDataItems(CBCGPPropList& list, IkelPlot* plot) {
    RefreshTableAndAxes(list, plot);
    FillColumnOptions(list.FindItemByData(Page::kXColumnId), plot, plot->GetAxis1ColumnIndex());
    FillColumnOptions(list.FindItemByData(Page::kYColumnId), plot, plot->GetAxis2ColumnIndex());
}

Edit ApplyXYDataItem(CBCGPProp* item, IkelPlot* plot) {
    switch (item->GetData()) {
        case Page::kXColumnId:
            return ApplyColumnIndex(item, plot, plot->GetDataset(), &IkelPlot::SetAxis1ColumnIndex);
        case Page::kYColumnId:
            return ApplyColumnIndex(item, plot, plot->GetDataset(), &IkelPlot::SetAxis2ColumnIndex);
        default:
            return ApplyTableOrAxis(item, plot);
    }
}

CkelPropListLinePlot::CkelPropListLinePlot() = default;
CkelPropListLinePlot::~CkelPropListLinePlot() = default;

void CkelPropListLinePlot::BuildItems(CBCGPPropList& list) {
    CBCGPProp* data = NewPlotGroup(charttext::kLabelData, kDataGroupId);
    AddXYDataItems(data);
    AddPlotItems(data, kRowItems);
    AddToGrid(list, {data});
}

void CkelPropListLinePlot::ShowTarget(CBCGPPropList& list) {
    auto* plot = TargetAs<CkelLinePlot>();
    if (!plot) return;
    RefreshXYDataItems(list, plot);
    RefreshRows(list, plot, kFirstRowId, kLastRowId, kStepId);
}

LRESULT CkelPropListLinePlot::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    auto* plot = TargetAs<CkelLinePlot>();
    if (!item || !plot) return 0;
    Edit edit = ApplyRowEdit(item, plot, kFirstRowId, kLastRowId, kStepId);
    if (edit == Edit::NotMine) edit = ApplyXYDataItem(item, plot);
    EndEdit(item, edit != Edit::Refused);
    return 0;
}

bool CkelPropListLinePlot::ShowStoredValue(CBCGPProp* item) {
    auto* plot = TargetAs<CkelLinePlot>();
    return ShowStoredTable(item, plot, kDataTableId) || ShowStoredRow(item, plot, kFirstRowId, kLastRowId, kStepId);
}

bool CkelPropListLinePlot::ReshowsRefusedText(CBCGPProp* item) {
    return IsRowItem(item, kFirstRowId, kLastRowId, kStepId);
}
