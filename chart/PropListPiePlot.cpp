#include "chart/PropListPiePlot.h"

#include "chart/ChartDataFiles.h"
#include "chart/ChartGroups.h"
#include "chart/ChartItems.h"
#include "chart/ChartReaders.h"
#include "chart/ChartTexts.h"
#include "chart/PlotItems.h"
#include "chart/PlotTexts.h"
#include "framework/NumberText.h"
#include "framework/PropItems.h"
#include "hosttypes/Thistle/PiePlot.h"

using namespace chart;
using namespace plottext;

namespace {

using Page = CPropListPiePlot;

const PlotItemDef kDataItems[] = {
    {Page::kDataTableId, kDataTable, kDataTableDescription, true},
    MissingColumnDef(Page::kDataColumnId, kDataColumn, kDataColumnDescription),
    {Page::kFirstRowId, charttext::kFirstRow, kFirstRowDescription, false, ReaderRule(&ReadRow)},
    {Page::kLastRowId, charttext::kLastRow, kLastRowDescription, false, ReaderRule(&ReadRow)},
};
const PlotItemDef kShapeItems[] = {
    {Page::kStartAngleId, kStartAngle, kStartAngleDescription, false, LeadingNumberRule()},
    {Page::kSplitId, kSplitDistance, kSplitDistanceDescription, false, ReaderRule(&ReadPlainFloat)},
};

}  // namespace

CPropListPiePlot::CPropListPiePlot() = default;
CPropListPiePlot::~CPropListPiePlot() = default;

void CPropListPiePlot::BuildItems(CBCGPPropList& list) {
    AddToGrid(list, {NewPlotGroup(charttext::kLabelData, kDataGroupId, kDataItems),
                     NewPlotGroup(charttext::kPlotSetTab, kShapeGroupId, kShapeItems)});
}

void CPropListPiePlot::ShowTarget(CBCGPPropList& list) {
    auto* plot = TargetAs<CPiePlot>();
    if (!plot) return;
    FillDataTableOptions(list.FindItemByData(kDataTableId), plot);
    FillSeriesOptions(list.FindItemByData(kDataColumnId), plot->GetOuterDataset(), SeriesKinds::Numeric,
                      plot->GetDataCol());
    RefreshRows(list, plot, kFirstRowId, kLastRowId, kNoItem);
    ShowFixed(list.FindItemByData(kStartAngleId), plot->GetStartAngle(), 2);
    ShowFixed(list.FindItemByData(kSplitId), plot->GetSplitDist(), 2);
}

LRESULT CPropListPiePlot::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    auto* plot = TargetAs<CPiePlot>();
    if (!item || !plot) return 0;
    double angle = 0;
    float split = 0;
    bool taken = true;
    switch (item->GetData()) {
        case kDataTableId:
            taken = BindDataTableChoice(plot, item->GetParent());
            break;
        case kDataColumnId:
            taken = ApplyColumnChoice(item, plot->GetOuterDataset(), TakesColumn(plot, &CPiePlot::SetDataCol)) ==
                    Edit::Taken;
            break;
        case kStartAngleId:
            taken = numtext::LeadingNumber(ItemText(item), &angle);
            if (taken) plot->SetStartAngle(angle);
            break;
        case kSplitId:
            taken = ReadPlainFloat(ItemText(item), &split);
            if (taken) plot->SetSplitDist(split);
            break;
        default:
            taken = ApplyRowEdit(item, plot, kFirstRowId, kLastRowId, kNoItem) != Edit::Refused;
            break;
    }
    EndEdit(item, taken);
    return 0;
}

bool CPropListPiePlot::ShowStoredValue(CBCGPProp* item) {
    auto* plot = TargetAs<CPiePlot>();
    if (!item || !plot) return false;
    return ShowFixedOf(item, {{kStartAngleId, plot->GetStartAngle()}, {kSplitId, plot->GetSplitDist()}}) ||
           ShowStoredTable(item, plot, kDataTableId) || ShowStoredRow(item, plot, kFirstRowId, kLastRowId, kNoItem);
}

bool CPropListPiePlot::ReshowsRefusedText(CBCGPProp* item) { return IsRowItem(item, kFirstRowId, kLastRowId, kNoItem); }
