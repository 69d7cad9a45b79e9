#include "chart/KelPropListRosePlotFill.h"

#include "chart/PlotItems.h"
#include "hosttypes/Thistle/Plots.h"

using namespace chart;

CkelPropListRosePlotFill::CkelPropListRosePlotFill() = default;
CkelPropListRosePlotFill::~CkelPropListRosePlotFill() = default;

void CkelPropListRosePlotFill::ShowTarget(CBCGPPropList& list) {
    RefreshPenFill(list, kBorderGroupId, TargetAs<CRosePlot>());
}

LRESULT CkelPropListRosePlotFill::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    auto* plot = TargetAs<CRosePlot>();
    if (!item || !plot) return 0;
    EndEdit(item, ApplyPenFill(item, kBorderGroupId, plot, plot) != Edit::Refused);
    return 0;
}

bool CkelPropListRosePlotFill::ShowStoredValue(CBCGPProp* item) {
    return ShowStoredPenFill(item, kBorderGroupId, TargetAs<CRosePlot>());
}
