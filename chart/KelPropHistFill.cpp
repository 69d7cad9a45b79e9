#include "chart/KelPropHistFill.h"

#include "chart/PlotItems.h"
#include "hosttypes/Thistle/Plots.h"

using namespace chart;

CkelPropHistFill::CkelPropHistFill() = default;
CkelPropHistFill::~CkelPropHistFill() = default;

void CkelPropHistFill::BuildItems(CBCGPPropList& list) {
    AddPenFillItems(list, kBorderGroupId);
}

void CkelPropHistFill::ShowTarget(CBCGPPropList& list) {
    if (auto* plot = TargetAs<CHistogramPlot>())
        RefreshPenFill(list, kBorderGroupId, plot->GetFillSeryGroup()->GetCurSelFillSery());
}

LRESULT CkelPropHistFill::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    auto* plot = TargetAs<CHistogramPlot>();
    if (!item || !plot) return 0;
    EndEdit(item, ApplyPenFill(item, kBorderGroupId, plot->GetFillSeryGroup()->GetCurSelFillSery(), plot) !=
                        Edit::Refused);
    return 0;
}

bool CkelPropHistFill::ShowStoredValue(CBCGPProp* item) {
    auto* plot = TargetAs<CHistogramPlot>();
    return plot && ShowStoredPenFill(item, kBorderGroupId, plot->GetFillSeryGroup()->GetCurSelFillSery());
}
