#include "chart/KelPropListRosePlotFill.h"

#include "chart/PlotItems.h"
#include "hosttypes/Thistle/Plots.h"

using namespace chart;

CkelPropListRosePlotFill::CkelPropListRosePlotFill() = default;
CkelPropListRosePlotFill::~CkelPropListRosePlotFill() = default;

void CkelPropListRosePlotFill::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    RefreshPenFill(m_wndPropList, kBorderGroupId, TargetAs<CRosePlot>());
}

LRESULT CkelPropListRosePlotFill::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    auto* plot = TargetAs<CRosePlot>();
    if (!item || !plot) return 0;
    ApplyPenFill(item, kBorderGroupId, plot, plot);
    UpdateView();
    return 0;
}
