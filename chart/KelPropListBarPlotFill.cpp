#include "chart/KelPropListBarPlotFill.h"

#include "chart/ChartTexts.h"
#include "chart/PlotItems.h"
#include "hosttypes/Thistle/Plots.h"

using namespace chart;

CkelPropListBarPlotFill::CkelPropListBarPlotFill() = default;
CkelPropListBarPlotFill::~CkelPropListBarPlotFill() = default;

void CkelPropListBarPlotFill::BuildItems(CBCGPPropList& list) {
    AddToGrid(list, {NewPlotItem({kSeriesId, charttext::kSeryName, charttext::kSeryName, true})});
    AddPenFillItems(list, kBorderGroupId);
}

void CkelPropListBarPlotFill::ShowTarget(CBCGPPropList& list) {
    auto* plot = TargetAs<CkelBarPlot>();
    if (!plot) return;
    CBarFillSeryGrp* group = plot->GetFillSeryGroup();
    RefreshSeriesChoice(list.FindItemByData(kSeriesId), group);
    RefreshPenFill(list, kBorderGroupId, group->GetCurSelFillSery());
}

LRESULT CkelPropListBarPlotFill::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    auto* plot = TargetAs<CkelBarPlot>();
    if (!item || !plot) return 0;
    CBarFillSeryGrp* group = plot->GetFillSeryGroup();
    bool taken = true;
    switch (item->GetData()) {
        case kSeriesId:
            taken = ApplySeriesChoice(item, group);
            break;
        default:
            taken = ApplyPenFill(item, kBorderGroupId, group->GetCurSelFillSery(), plot) != Edit::Refused;
            break;
    }
    EndEdit(item, taken);
    return 0;
}

bool CkelPropListBarPlotFill::ShowStoredValue(CBCGPProp* item) {
    auto* plot = TargetAs<CkelBarPlot>();
    return plot && ShowStoredPenFill(item, kBorderGroupId, plot->GetFillSeryGroup()->GetCurSelFillSery());
}
