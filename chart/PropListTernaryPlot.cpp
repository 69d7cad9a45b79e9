#include "chart/PropListTernaryPlot.h"

#include "chart/AxisGroups.h"
#include "chart/AxisTexts.h"
#include "chart/ChartDataFiles.h"
#include "chart/ChartGroups.h"
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

constexpr PlotItemDef kDataItems[] = {
    {Page::kDataTableId, kDataTable, kDataTableDescription, true},
    {Page::kXColumnId, kXColumn, kXColumnDescription, true},
    {Page::kYColumnId, kYColumn, kYColumnDescription, true},
    {Page::kZColumnId, kZColumn, kZColumnDescription, true},
    {Page::kClassColumnId, kClassColumn, kSymbolClassColumnDescription, true},
    {Page::kFirstRowId, charttext::kFirstRow, kFirstRowDescription, false},
    {Page::kLastRowId, charttext::kLastRow, kLastRowDescription, false},
    {Page::kStepId, charttext::kStep, kStepDescription, false},
};
constexpr PlotItemDef kAxisItems[] = {
    {Page::kMajorSpacingId, axistext::kMajorSpacing, axistext::kMajorSpacingDescription, false},
    {Page::kMinorDivisionId, axistext::kMinorDivision, axistext::kMinorDivisionDescription, true},
    {Page::kUnitId, axistext::kUnit, axistext::kUnitDescription, true},
    {Page::kDecimalsId, axistext::kDecimals, axistext::kDecimalsDescription, true},
};

using AxisApplier = void (*)(CBCGPProp*, IkelAxis*);

void ForEachAxis(IkelPlot* plot, CBCGPProp* item, AxisApplier apply) {
    for (IkelAxis* axis : {plot->GetAxis1(), plot->GetAxis2(), plot->GetAxis3()})
        if (axis) apply(item, axis);
}

void ApplyUnit(CBCGPProp* item, IkelAxis* axis) {
    const CString text = ItemText(item);
    const int unit = text.CompareNoCase(charttext::kUnitNone) == 0 ? 0 : UnitCode(text);
    axis->SetAxisUnit(static_cast<CkelLabelFormat::KELUnit>(unit));
}

void ApplyDecimals(CBCGPProp* item, IkelAxis* axis) {
    int count = 0;
    if (!numtext::LeadingInt(ItemText(item), &count)) return;
    CkelAxisTickLabels* labels = axis->GetTickLabels();
    labels->GetMajorTickLabel()->SetDotCount(count);
    labels->GetMinorTickLabel()->SetDotCount(count);
}

void RefreshAxes(CBCGPPropList& list, IkelPlot* plot) {
    IkelAxis* first = plot->GetAxis1();
    if (!first) return;
    SetItemText(list.FindItemByData(Page::kMajorSpacingId),
                FormatString("%.2f", first->GetTickMarks()->GetMajorTickStruct()->GetSpacing()));
    SetItemText(list.FindItemByData(Page::kMinorDivisionId),
                FormatString("%d", static_cast<int>(first->GetTickMarks()->GetMinorTickStruct()->GetDivision())));
    SetItemText(list.FindItemByData(Page::kUnitId), UnitText(first->GetAxisUnit()));
    SetItemText(list.FindItemByData(Page::kDecimalsId),
                FormatString("%d", first->GetTickLabels()->GetMajorTickLabel()->GetDotCount()));
}

// Sets the column the item names in the outer dataset with setter.
void ApplyColumn(CBCGPProp* item, CkelTernaryPlot* plot, bool (IkelPlot::*setter)(int)) {
    if (CkelDataset* outer = plot->GetOuterDataset()) (plot->*setter)(ChosenSeriesIndex(outer, item));
}

}  // namespace

bool ApplyTernaryAxes(CBCGPProp* item, IkelPlot* plot) {
    switch (item->GetData()) {
        case Page::kMajorSpacingId:
            ForEachAxis(plot, item, ApplyMajorSpacing);
            return true;
        case Page::kMinorDivisionId:
            ForEachAxis(plot, item, ApplyMinorDivision);
            return true;
        case Page::kUnitId:
            ForEachAxis(plot, item, ApplyUnit);
            return true;
        case Page::kDecimalsId:
            ForEachAxis(plot, item, ApplyDecimals);
            return true;
        default:
            return false;
    }
}

CPropListTernaryPlot::CPropListTernaryPlot() = default;
CPropListTernaryPlot::~CPropListTernaryPlot() = default;

int CPropListTernaryPlot::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    CBCGPProp* data = NewPlotGroup(charttext::kLabelData, kDataGroupId, kDataItems);
    CBCGPProp* axes = NewPlotGroup(kAxesGroup, kAxesGroupId, kAxisItems);
    for (int i = 1; i <= 19; ++i) axes->GetSubItem(1)->AddOption(FormatString("%d", i));
    axes->GetSubItem(2)->AddOption(charttext::kUnitNone);
    axes->GetSubItem(2)->AddOption(charttext::kUnitPercent);
    for (int i = 0; i <= 5; ++i) axes->GetSubItem(3)->AddOption(FormatString("%d", i));
    AddToGrid(m_wndPropList, {data, axes});
    return 0;
}

void CPropListTernaryPlot::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    auto* plot = TargetAs<CkelTernaryPlot>();
    if (!plot || !plot->GetChartGraph() || !plot->GetChartGraph()->GetDatasetManagerObj()) return;
    FillDataTableOptions(m_wndPropList.FindItemByData(kDataTableId), plot);
    CkelDataset* outer = plot->GetOuterDataset();
    FillSeriesOptions(m_wndPropList.FindItemByData(kXColumnId), outer, SeriesKinds::Numeric,
                      plot->GetAxis1ColumnIndex());
    FillSeriesOptions(m_wndPropList.FindItemByData(kYColumnId), outer, SeriesKinds::Numeric,
                      plot->GetAxis2ColumnIndex());
    FillSeriesOptions(m_wndPropList.FindItemByData(kZColumnId), outer, SeriesKinds::Numeric,
                      plot->GetAxis3ColumnIndex());
    FillSeriesOptions(m_wndPropList.FindItemByData(kClassColumnId), outer, SeriesKinds::NumericOrText,
                      plot->GetClassCol());
    RefreshRows(m_wndPropList, plot, kFirstRowId, kLastRowId, kStepId);
    RefreshAxes(m_wndPropList, plot);
}

LRESULT CPropListTernaryPlot::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    auto* plot = TargetAs<CkelTernaryPlot>();
    if (!item || !plot) return 0;
    switch (item->GetData()) {
        case kDataTableId:
            OnDataTableChanged(plot, item->GetParent());
            break;
        case kXColumnId:
            ApplyColumn(item, plot, &IkelPlot::SetAxis1ColumnIndex);
            break;
        case kYColumnId:
            ApplyColumn(item, plot, &IkelPlot::SetAxis2ColumnIndex);
            break;
        case kZColumnId:
            ApplyColumn(item, plot, &IkelPlot::SetAxis3ColumnIndex);
            break;
        case kClassColumnId:
            if (CkelDataset* outer = plot->GetOuterDataset()) plot->SetClassCol(ChosenSeriesIndex(outer, item));
            break;
        default:
            if (!ApplyRowEdit(item, plot, kFirstRowId, kLastRowId, kStepId)) ApplyTernaryAxes(item, plot);
            break;
    }
    UpdateView();
    return 0;
}
