#include "chart/KelPropListClassPlot.h"

#include "chart/ChartGroups.h"
#include "chart/ChartReaders.h"
#include "chart/ChartTexts.h"
#include "chart/KelPropListLinePlot.h"
#include "chart/PlotItems.h"
#include "chart/PlotTexts.h"
#include "hosttypes/Thistle/Plots.h"

using namespace chart;
using namespace plottext;

namespace {

using Page = CkelPropListClassPlot;

const PlotItemDef kClassItems[] = {
    {Page::kClassColumnId, kClassColumn, kClassColumnDescription, true},
    {Page::kFirstRowId, charttext::kFirstRow, kFirstRowDescription, false, ReaderRule(&ReadRow)},
    {Page::kLastRowId, charttext::kLastRow, kLastRowDescription, false, ReaderRule(&ReadRow)},
    {Page::kStepId, charttext::kStep, kStepDescription, false, ReaderRule(&ReadStep)},
};

}  // namespace

CkelPropListClassPlot::CkelPropListClassPlot() = default;
CkelPropListClassPlot::~CkelPropListClassPlot() = default;

void CkelPropListClassPlot::BuildItems(CBCGPPropList& list) {
    CBCGPProp* data = NewPlotGroup(charttext::kLabelData, kDataGroupId);
    AddXYDataItems(data);
    AddPlotItems(data, kClassItems);
    AddToGrid(list, {data});
}

void CkelPropListClassPlot::ShowTarget(CBCGPPropList& list) {
    auto* plot = TargetAs<CkelClassPlot>();
    if (!plot) return;
    RefreshXYDataItems(list, plot);
    FillClassColumnOptions(list.FindItemByData(kClassColumnId), plot);
    RefreshRows(list, plot, kFirstRowId, kLastRowId, kStepId);
}

LRESULT CkelPropListClassPlot::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    auto* plot = TargetAs<CkelClassPlot>();
    if (!item || !plot) return 0;
    Edit edit = Edit::Taken;
    if (item->GetData() == kClassColumnId) {
        // The class column is unsigned: a name no series carries is refused.
        edit = ApplyColumnChoice(item, plot->GetDataset(), TakesColumn(plot, &CkelClassPlot::SetClassCol));
    } else {
        edit = ApplyRowEdit(item, plot, kFirstRowId, kLastRowId, kStepId);
        if (edit == Edit::NotMine) edit = ApplyXYDataItem(item, plot);
    }
    EndEdit(item, edit != Edit::Refused);
    return 0;
}

bool CkelPropListClassPlot::ShowStoredValue(CBCGPProp* item) {
    auto* plot = TargetAs<CkelClassPlot>();
    return ShowStoredTable(item, plot, kDataTableId) || ShowStoredRow(item, plot, kFirstRowId, kLastRowId, kStepId);
}

bool CkelPropListClassPlot::ReshowsRefusedText(CBCGPProp* item) {
    return IsRowItem(item, kFirstRowId, kLastRowId, kStepId);
}
