#include "chart/PropListTernaryPlot.h"

#include <vector>

#include "chart/AxisGroups.h"
#include "chart/AxisTexts.h"
#include "chart/ChartDataFiles.h"
#include "chart/ChartGroups.h"
#include "chart/ChartReaders.h"
#include "chart/ChartTexts.h"
#include "chart/PlotItems.h"
#include "chart/PlotTexts.h"
#include "framework/NumberText.h"
#include "framework/PropItems.h"
#include "hosttypes/Thistle/Axis.h"
#include "hosttypes/Thistle/ChartGraph.h"
#include "hosttypes/Thistle/Plots.h"

using namespace chart;
using namespace plottext;

namespace {

using Page = CPropListTernaryPlot;

const PlotItemDef kDataItems[] = {
    {Page::kDataTableId, kDataTable, kDataTableDescription, true},
    {Page::kXColumnId, kXColumn, kXColumnDescription, true},
    {Page::kYColumnId, kYColumn, kYColumnDescription, true},
    {Page::kZColumnId, kZColumn, kZColumnDescription, true},
    MissingColumnDef(Page::kClassColumnId, kClassColumn, kSymbolClassColumnDescription),
    {Page::kFirstRowId, charttext::kFirstRow, kFirstRowDescription, false, ReaderRule(&ReadRow)},
    {Page::kLastRowId, charttext::kLastRow, kLastRowDescription, false, ReaderRule(&ReadRow)},
    {Page::kStepId, charttext::kStep, kStepDescription, false, ReaderRule(&ReadStep)},
};
const PlotItemDef kAxisItems[] = {
    {Page::kMajorSpacingId, axistext::kMajorSpacing, axistext::kMajorSpacingDescription, false,
     ReaderRule(&ReadMajorSpacing)},
};

// The plot's axes that exist, the first one first.
std::vector<IkelAxis*> Axes(IkelPlot* plot) {
    std::vector<IkelAxis*> axes;
    for (IkelAxis* axis : {plot->GetAxis1(), plot->GetAxis2(), plot->GetAxis3()})
        if (axis) axes.push_back(axis);
    return axes;
}

// The text an item of the axis group shows: the first axis's value.
CString AxisItemText(DWORD_PTR id, IkelAxis* first) {
    switch (id) {
        case Page::kMajorSpacingId:
            return numtext::Fixed(first->GetTickMarks()->GetMajorTickStruct()->GetSpacing(), 2);
        case Page::kMinorDivisionId:
            return FormatString("%d", static_cast<int>(first->GetTickMarks()->GetMinorTickStruct()->GetDivision()));
        case Page::kUnitId:
            return UnitText(first->GetAxisUnit());
        default:
            return FormatString("%d", first->GetTickLabels()->GetMajorTickLabel()->GetDotCount());
    }
}

// The first axis's value shown again in the item.
void ShowFirstAxis(CBCGPProp* item, IkelPlot* plot) {
    if (IkelAxis* first = plot->GetAxis1()) SetItemText(item, AxisItemText(item->GetData(), first));
}

void RefreshAxes(CBCGPPropList& list, IkelPlot* plot) {
    IkelAxis* first = plot->GetAxis1();
    if (!first) return;
    for (DWORD_PTR id : {Page::kMajorSpacingId, Page::kMinorDivisionId, Page::kUnitId, Page::kDecimalsId})
        SetItemText(list.FindItemByData(id), AxisItemText(id, first));
}

}  // namespace

// The typed value is read once and given to each axis in turn; the item's text is touched only at
// the end, when an axis refused it. The division, unit and decimals are lists read by the one
// reader, which shows the option taken from a text none of the options holds ("12.99" is 12, "千"
// the thousands it names, "万" no unit). A spacing some axis takes is an edit, even when another
// axis refused it (with its message) and kept its own.
Edit ApplyTernaryAxes(CBCGPProp* item, IkelPlot* plot) {
    const std::vector<IkelAxis*> axes = Axes(plot);
    bool taken = true;
    switch (item->GetData()) {
        case Page::kMajorSpacingId: {
            // The item is read by ReadMajorSpacing, so a text it refuses never comes here.
            double spacing = 0;
            ReadMajorSpacing(ItemText(item), &spacing);
            bool any = false;
            for (IkelAxis* axis : axes) {
                const bool fits = SpacingFits(axis, spacing);
                if (fits) axis->GetTickMarks()->GetMajorTickStruct()->SetSpacing(spacing);
                any = any || fits;
                taken = taken && fits;
            }
            if (!taken) ShowFirstAxis(item, plot);
            return any || taken ? Edit::Taken : Edit::Refused;
        }
        case Page::kMinorDivisionId: {
            int division = 0;
            taken = ReadFixedList(item, &division);
            if (taken)
                for (IkelAxis* axis : axes)
                    axis->GetTickMarks()->GetMinorTickStruct()->SetDivision(static_cast<unsigned>(division));
            break;
        }
        case Page::kUnitId: {
            int unit = 0;
            taken = ReadFixedList(item, &unit);
            if (taken)
                for (IkelAxis* axis : axes) axis->SetAxisUnit(static_cast<CkelLabelFormat::KELUnit>(unit));
            break;
        }
        case Page::kDecimalsId: {
            int count = 0;
            taken = ReadFixedList(item, &count);
            if (taken)
                for (IkelAxis* axis : axes) {
                    CkelAxisTickLabels* labels = axis->GetTickLabels();
                    labels->GetMajorTickLabel()->SetDotCount(count);
                    labels->GetMinorTickLabel()->SetDotCount(count);
                }
            break;
        }
        default:
            return Edit::NotMine;
    }
    if (taken) return Edit::Taken;
    ShowFirstAxis(item, plot);
    return Edit::Refused;
}

CPropListTernaryPlot::CPropListTernaryPlot() = default;
CPropListTernaryPlot::~CPropListTernaryPlot() = default;

void CPropListTernaryPlot::BuildItems(CBCGPPropList& list) {
    CBCGPProp* data = NewPlotGroup(charttext::kLabelData, kDataGroupId, kDataItems);
    CBCGPProp* axes = NewPlotGroup(kAxesGroup, kAxesGroupId, kAxisItems);
    axes->AddSubItem(NewNumberListItem(axistext::kMinorDivision, axistext::kMinorDivisionDescription, kMinorDivisionId,
                                       1, 19, &ReadMinorDivision));
    // The unit offers "无" and "百分比" and reads every unit text ("千" the thousands).
    axes->AddSubItem(NewUnitItem(axistext::kUnit, axistext::kUnitDescription, kUnitId, 2));
    // A text with no number is 0 decimals, as atoi reads it.
    axes->AddSubItem(
        NewNumberListItem(axistext::kDecimals, axistext::kDecimalsDescription, kDecimalsId, 0, 5, &ReadDecimals));
    AddToGrid(list, {data, axes});
}

void CPropListTernaryPlot::ShowTarget(CBCGPPropList& list) {
    auto* plot = TargetAs<CkelTernaryPlot>();
    if (!plot || !plot->GetChartGraph() || !plot->GetChartGraph()->GetDatasetManagerObj()) return;
    FillDataTableOptions(list.FindItemByData(kDataTableId), plot);
    CkelDataset* outer = plot->GetOuterDataset();
    FillSeriesOptions(list.FindItemByData(kXColumnId), outer, SeriesKinds::Numeric, plot->GetAxis1ColumnIndex());
    FillSeriesOptions(list.FindItemByData(kYColumnId), outer, SeriesKinds::Numeric, plot->GetAxis2ColumnIndex());
    FillSeriesOptions(list.FindItemByData(kZColumnId), outer, SeriesKinds::Numeric, plot->GetAxis3ColumnIndex());
    FillSeriesOptions(list.FindItemByData(kClassColumnId), outer, SeriesKinds::NumericOrText, plot->GetClassCol());
    RefreshRows(list, plot, kFirstRowId, kLastRowId, kStepId);
    RefreshAxes(list, plot);
}

LRESULT CPropListTernaryPlot::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    auto* plot = TargetAs<CkelTernaryPlot>();
    if (!item || !plot) return 0;
    bool taken = true;
    switch (item->GetData()) {
        case kDataTableId:
            taken = BindDataTableChoice(plot, item->GetParent());
            break;
        case kXColumnId:
            taken =
                ApplyColumnIndex(item, plot, plot->GetOuterDataset(), &IkelPlot::SetAxis1ColumnIndex) == Edit::Taken;
            break;
        case kYColumnId:
            taken =
                ApplyColumnIndex(item, plot, plot->GetOuterDataset(), &IkelPlot::SetAxis2ColumnIndex) == Edit::Taken;
            break;
        case kZColumnId:
            taken =
                ApplyColumnIndex(item, plot, plot->GetOuterDataset(), &IkelPlot::SetAxis3ColumnIndex) == Edit::Taken;
            break;
        case kClassColumnId:
            taken = ApplyColumnChoice(item, plot->GetOuterDataset(),
                                      TakesColumn(plot, &CkelTernaryPlot::SetClassCol)) == Edit::Taken;
            break;
        default: {
            Edit edit = ApplyRowEdit(item, plot, kFirstRowId, kLastRowId, kStepId);
            if (edit == Edit::NotMine) edit = ApplyTernaryAxes(item, plot);
            taken = edit != Edit::Refused;
            break;
        }
    }
    EndEdit(item, taken);
    return 0;
}

// Without a dataset manager the refresh shows nothing, but a refused value still shows the stored
// one: the rows from the plot's range, the axis settings from the first axis.
bool CPropListTernaryPlot::ShowStoredValue(CBCGPProp* item) {
    auto* plot = TargetAs<CkelTernaryPlot>();
    if (!item || !plot) return false;
    switch (item->GetData()) {
        case kMajorSpacingId:
        case kMinorDivisionId:
        case kDecimalsId:
            ShowFirstAxis(item, plot);
            return plot->GetAxis1() != nullptr;
        default:
            return ShowStoredTable(item, plot, kDataTableId) ||
                   ShowStoredRow(item, plot, kFirstRowId, kLastRowId, kStepId);
    }
}

// The rows, the spacing and the division are shown again after any refusal.
bool CPropListTernaryPlot::ReshowsRefusedText(CBCGPProp* item) {
    return item && (item->GetData() == kMajorSpacingId || item->GetData() == kMinorDivisionId ||
                    IsRowItem(item, kFirstRowId, kLastRowId, kStepId));
}
