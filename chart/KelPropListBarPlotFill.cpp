#include "chart/KelPropListBarPlotFill.h"

#include "chart/ChartTexts.h"
#include "chart/PlotItems.h"
#include "hosttypes/Thistle/Plots.h"

using namespace chart;

CkelPropListBarPlotFill::CkelPropListBarPlotFill() = default;
CkelPropListBarPlotFill::~CkelPropListBarPlotFill() = default;

int CkelPropListBarPlotFill::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    AddToGrid(m_wndPropList, {NewPlotItem({kSeriesId, charttext::kSeryName, charttext::kSeryName, true})});
    AddPenFillItems(m_wndPropList, kBorderGroupId);
    return 0;
}

void CkelPropListBarPlotFill::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    auto* plot = TargetAs<CkelBarPlot>();
    if (!plot) return;
    CBarFillSeryGrp* group = plot->GetFillSeryGroup();
    RefreshSeriesChoice(m_wndPropList.FindItemByData(kSeriesId), group);
    RefreshPenFill(m_wndPropList, kBorderGroupId, group->GetCurSelFillSery());
}

LRESULT CkelPropListBarPlotFill::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    auto* plot = TargetAs<CkelBarPlot>();
    if (!item || !plot) return 0;
    CBarFillSeryGrp* group = plot->GetFillSeryGroup();
    switch (item->GetData()) {
        case kSeriesId:
            ApplySeriesChoice(item, group);
            break;
        default:
            ApplyPenFill(item, kBorderGroupId, group->GetCurSelFillSery(), plot);
            break;
    }
    UpdateView();
    return 0;
}
