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

void CPropListTernaryLabel::BuildItems(CBCGPPropList& list) {
    auto* symbols = new CBCGPPropSymbolSet(plottext::kSymbolSettings, _variant_t(plottext::kSymbolSettingsValue),
                                           plottext::kSymbolSettingsValue, kSymbolSettingsId);
    symbols->Enable(FALSE);
    AddToGrid(list, {InitLabelProps(charttext::kLabelTab), symbols});
}

void CPropListTernaryLabel::ShowTarget(CBCGPPropList& list) {
    // The target is read only when it is a ternary plot.
    if (auto* plot = TargetAs<CkelTernaryPlot>()) RefreshLabels(list, kLabelGroupIds, plot->GetPlotLabels());
}

LRESULT CPropListTernaryLabel::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    auto* plot = TargetAs<CkelTernaryPlot>();
    if (!item || !plot || !plot->GetPlotLabels()) return 0;
    EndEdit(item, ApplyLabelEdit(item, kLabelGroupIds, plot->GetPlotLabels(), plot) != Edit::Refused);
    return 0;
}

bool CPropListTernaryLabel::ShowStoredValue(CBCGPProp* item) {
    auto* plot = TargetAs<CkelTernaryPlot>();
    return plot && ShowStoredLabel(item, kLabelGroupIds, plot->GetPlotLabels());
}

bool CPropListTernaryLabel::ReshowsRefusedText(CBCGPProp* item) { return IsLabelRow(item, kLabelGroupIds); }
