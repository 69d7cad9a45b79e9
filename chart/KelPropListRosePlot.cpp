#include "chart/KelPropListRosePlot.h"

#include "chart/ChartDataFiles.h"
#include "chart/ChartGroups.h"
#include "chart/ChartReaders.h"
#include "chart/ChartTexts.h"
#include "chart/PlotItems.h"
#include "chart/PlotTexts.h"
#include "framework/NumberText.h"
#include "framework/OptionTables.h"
#include "framework/PropItems.h"
#include "hosttypes/Thistle/Plots.h"
#include "mfc/Variant.h"

using namespace chart;
using namespace plottext;

namespace {

using Page = CkelPropListRosePlot;

const PlotItemDef kDataItems[] = {
    {Page::kDataTableId, kDataTable, kDataTableDescription, true},
    // For the count column the index of a missing series is its own "无".
    MissingColumnDef(Page::kAngleColumnId, kAngleColumn, kAngleColumnDescription),
    MissingColumnDef(Page::kCountColumnId, kCountColumn, kCountColumnDescription),
    {Page::kFirstRowId, charttext::kFirstRow, kFirstRowDescription, false, ReaderRule(&ReadRow)},
    {Page::kLastRowId, charttext::kLastRow, kLastRowDescription, false, ReaderRule(&ReadRow)},
    {Page::kStepId, charttext::kStep, kIntervalStepDescription, false, ReaderRule(&ReadStep)},
};
const PlotItemDef kShapeItems[] = {
    {Page::kSectorAngleId, kSectorAngle, kSectorAngleDescription, false, ReaderRule(&ReadPlainFloat)},
    // Any other type is "玫瑰花".
    {Page::kTypeId, kRoseType, kRoseTypeDescription, false, nullptr, OtherTakenAs(CRosePlot::ROSE_FLOWER)},
};
constexpr TextValue kRoseTypes[] = {{kSectorType, CRosePlot::ROSE_SECTOR}, {kFlowerType, CRosePlot::ROSE_FLOWER}};

// Only integer series are offered as angle and count columns.
bool IsColumnKind(IkelDataSery* sery) { return sery->GetType() == IkelDataSery::KEL_SERY_INT; }

// "无" (count column only, standing for -1), then the outer dataset's integer series; the value is
// the series at column, or "无" when the count column names none. The list reads every series.
void FillRoseColumns(CBCGPProp* item, CkelDataset* dataset, int column, bool withNone) {
    if (!item) return;
    std::vector<ListEntry> reads;
    std::vector<CString> offers;
    if (withNone) {
        // No count column is -1, also the chart library's index of a missing series.
        reads.emplace_back(kNoCountColumn, kMissingSeries);
        offers.emplace_back(kNoCountColumn);
    }
    for (const ListEntry& entry : SeriesEntries(dataset)) {
        reads.push_back(entry);
        if (IsColumnKind(dataset->GetDataSeries(static_cast<unsigned>(entry.second)))) offers.push_back(entry.first);
    }
    SetListEntries(item, reads, offers);
    IkelDataSery* shown = dataset && column >= 0 ? dataset->GetDataSeries(static_cast<unsigned>(column)) : nullptr;
    if (shown)
        item->SetValue(_variant_t(shown->GetName().c_str()));
    else if (withNone)
        item->SetValue(_variant_t(kNoCountColumn));
}

void ShowSectorAngle(CBCGPProp* item, CRosePlot* plot) { ShowFixed(item, plot->GetAngleSpacing(), 2); }

}  // namespace

const char* RoseTypeToText(double type) {
    return TextOfValue(kRoseTypes, type == 0.0 ? CRosePlot::ROSE_SECTOR : CRosePlot::ROSE_FLOWER, kFlowerType);
}

void ApplySectorAngle(CBCGPProp* item, CRosePlot* plot) {
    float angle = 0;
    if (!item || !plot) return;
    ReadPlainFloat(ItemText(item), &angle);
    plot->SetAngleSpacing(angle);
}

CkelPropListRosePlot::CkelPropListRosePlot() = default;
CkelPropListRosePlot::~CkelPropListRosePlot() = default;

void CkelPropListRosePlot::BuildItems(CBCGPPropList& list) {
    AddToGrid(list, {NewPlotGroup(charttext::kLabelData, kDataGroupId, kDataItems),
                     NewPlotGroup(charttext::kPlotSetTab, kShapeGroupId, kShapeItems)});
}

void CkelPropListRosePlot::ShowTarget(CBCGPPropList& list) {
    auto* plot = TargetAs<CRosePlot>();
    if (!plot) return;
    FillDataTableOptions(list.FindItemByData(kDataTableId), plot);
    FillRoseColumns(list.FindItemByData(kAngleColumnId), plot->GetOuterDataset(), plot->GetDataCol(), false);
    FillRoseColumns(list.FindItemByData(kCountColumnId), plot->GetOuterDataset(), plot->GetCountCol(), true);
    RefreshRows(list, plot, kFirstRowId, kLastRowId, kStepId);
    ShowSectorAngle(list.FindItemByData(kSectorAngleId), plot);
    if (CBCGPProp* type = list.FindItemByData(kTypeId)) {
        if (CFixedListProp* types = FixedListOf(type)) {
            types->ClearEntries();
            types->AddEntries(kRoseTypes);
        }
        type->SetValue(_variant_t(RoseTypeToText(plot->GetRoseType())));
    }
}

LRESULT CkelPropListRosePlot::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    auto* plot = TargetAs<CRosePlot>();
    if (!item || !plot) return 0;
    bool taken = true;
    int type = 0;
    switch (item->GetData()) {
        case kDataTableId:
            taken = BindDataTableChoice(plot, item->GetParent());
            break;
        case kAngleColumnId:
            taken = ApplyColumnChoice(item, plot->GetOuterDataset(), TakesColumn(plot, &CRosePlot::SetDataCol)) ==
                    Edit::Taken;
            break;
        case kCountColumnId:
            taken = ApplyColumnChoice(item, plot->GetOuterDataset(), TakesColumn(plot, &CRosePlot::SetCountCol)) ==
                    Edit::Taken;
            break;
        case kFirstRowId:
            taken = OnFirstRowChanged(item, plot);
            break;
        case kLastRowId:
            taken = OnLastRowChanged(item, plot);
            break;
        case kStepId:
            taken = OnStepChanged(item, plot);
            break;
        case kSectorAngleId:
            ApplySectorAngle(item, plot);
            break;
        case kTypeId:
            taken = ReadFixedList(item, &type);
            if (taken) plot->SetRoseType(static_cast<CRosePlot::ROSETYPE>(type));
            break;
        default:
            break;
    }
    EndEdit(item, taken);
    return 0;
}

bool CkelPropListRosePlot::ShowStoredValue(CBCGPProp* item) {
    auto* plot = TargetAs<CRosePlot>();
    return plot &&
           (ShowStoredTable(item, plot, kDataTableId) || ShowStoredRow(item, plot, kFirstRowId, kLastRowId, kStepId));
}

bool CkelPropListRosePlot::ReshowsRefusedText(CBCGPProp* item) {
    return IsRowItem(item, kFirstRowId, kLastRowId, kStepId);
}
