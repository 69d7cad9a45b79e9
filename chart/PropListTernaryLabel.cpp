#include "chart/PropListTernaryLabel.h"

#include "chart/ChartDataFiles.h"
#include "chart/ChartItems.h"
#include "chart/ChartTexts.h"
#include "chart/PlotItems.h"
#include "chart/PlotTexts.h"
#include "hosttypes/Thistle/Plots.h"
#include "mfc/Variant.h"

using namespace chart;

CPropListTernaryLabel::CPropListTernaryLabel() = default;
CPropListTernaryLabel::~CPropListTernaryLabel() = default;

int CPropListTernaryLabel::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    auto* symbols = new CBCGPPropSymbolSet(plottext::kSymbolSettings, _variant_t(plottext::kSymbolSettingsValue),
                                           plottext::kSymbolSettingsValue, kSymbolSettingsId);
    symbols->Enable(FALSE);
    AddToGrid(m_wndPropList, {InitLabelProps(charttext::kLabelTab), symbols});
    return 0;
}

void CPropListTernaryLabel::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    // The target is read only when it is a ternary plot.
    if (auto* plot = TargetAs<CkelTernaryPlot>()) RefreshLabels(m_wndPropList, kLabelGroupIds, plot->GetPlotLabels());
}

LRESULT CPropListTernaryLabel::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    auto* plot = TargetAs<CkelTernaryPlot>();
    if (!item || !plot || !plot->GetPlotLabels()) return 0;
    if (ApplyLabelEdit(item, kLabelGroupIds, plot->GetPlotLabels(), plot) != Edit::Refused) UpdateView();
    return 0;
}
