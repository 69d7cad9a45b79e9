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
    {Page::kAngleColumnId, kAngleColumn, kAngleColumnDescription, true},
    {Page::kCountColumnId, kCountColumn, kCountColumnDescription, true},
    {Page::kFirstRowId, charttext::kFirstRow, kFirstRowDescription, false, ReaderRule(&ReadRow)},
    {Page::kLastRowId, charttext::kLastRow, kLastRowDescription, false, ReaderRule(&ReadRow)},
    {Page::kStepId, charttext::kStep, kIntervalStepDescription, false, ReaderRule(&ReadStep)},
};
const PlotItemDef kShapeItems[] = {
    {Page::kSectorAngleId, kSectorAngle, kSectorAngleDescription, false, ReaderRule(&ReadPlainFloat)},
    {Page::kTypeId, kRoseType, kRoseTypeDescription, false},
};
constexpr TextValue kRoseTypes[] = {{kSectorType, CRosePlot::ROSE_SECTOR}, {kFlowerType, CRosePlot::ROSE_FLOWER}};

// Only integer series are offered as angle and count columns.
bool IsColumnKind(IkelDataSery* sery) { return sery->GetType() == IkelDataSery::KEL_SERY_INT; }

// "无" (count column only), then the outer dataset's integer series; the value is the series at
// column, or "无" when the count column names none.
void FillRoseColumns(CBCGPProp* item, CkelDataset* dataset, int column, bool withNone) {
    if (!item) return;
    item->RemoveAllOptions();
    if (withNone) item->AddOption(kNoCountColumn);
    IkelDataSery* shown = nullptr;
    for (unsigned i = 0; dataset && i < dataset->GetNumOfSeries(); ++i) {
        IkelDataSery* sery = dataset->GetDataSeries(i);
        if (!IsColumnKind(sery)) continue;
        item->AddOption(sery->GetName().c_str(), TRUE);
        if (static_cast<int>(i) == column) shown = sery;
    }
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
        type->RemoveAllOptions();
        type->AddOption(kSectorType);
        type->AddOption(kFlowerType);
        type->SetValue(_variant_t(RoseTypeToText(plot->GetRoseType())));
    }
}

LRESULT CkelPropListRosePlot::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    auto* plot = TargetAs<CRosePlot>();
    if (!item || !plot) return 0;
    bool taken = true;
    switch (item->GetData()) {
        case kDataTableId:
            taken = OnDataTableChanged(plot, item->GetParent());
            break;
        case kAngleColumnId:
            taken = ApplyColumnChoice(item, plot->GetOuterDataset(), TakesColumn(plot, &CRosePlot::SetDataCol)) ==
                    Edit::Taken;
            break;
        case kCountColumnId:
            if (ItemText(item) == kNoCountColumn)
                plot->SetCountCol(-1);
            else
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
            plot->SetRoseType(TakeOneOfTwo(item, kSectorType, kFlowerType) ? CRosePlot::ROSE_SECTOR
                                                                           : CRosePlot::ROSE_FLOWER);
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
