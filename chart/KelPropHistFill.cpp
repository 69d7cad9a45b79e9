#include "chart/KelPropHistFill.h"

#include "chart/PlotItems.h"
#include "hosttypes/Thistle/Plots.h"

using namespace chart;

CkelPropHistFill::CkelPropHistFill() = default;
CkelPropHistFill::~CkelPropHistFill() = default;

int CkelPropHistFill::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    AddPenFillItems(m_wndPropList, kBorderGroupId);
    return 0;
}

void CkelPropHistFill::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    if (auto* plot = TargetAs<CHistogramPlot>())
        RefreshPenFill(m_wndPropList, kBorderGroupId, plot->GetFillSeryGroup()->GetCurSelFillSery());
}

LRESULT CkelPropHistFill::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    auto* plot = TargetAs<CHistogramPlot>();
    if (!item || !plot) return 0;
    ApplyPenFill(item, kBorderGroupId, plot->GetFillSeryGroup()->GetCurSelFillSery(), plot);
    UpdateView();
    return 0;
}
