#include "chart/KelPropListLinePlotLabelSymbol.h"

#include "chart/ChartDataFiles.h"
#include "chart/ChartTexts.h"
#include "chart/PlotItems.h"
#include "chart/PlotTexts.h"
#include "hosttypes/Thistle/Plots.h"

using namespace chart;

namespace {
// The point style the plot's symbol strategy draws; NULL for a strategy of another kind.
QXLOGPOINT* SymbolPoint(CkelLinePlot* plot) {
    auto* simple = dynamic_cast<CkelPlotSymbolSimpleStrategy*>(plot->GetSymbol());
    return simple ? &simple->m_firstSymbol : nullptr;
}
}  // namespace

CkelPropListLinePlotLabelSymbol::CkelPropListLinePlotLabelSymbol() = default;
CkelPropListLinePlotLabelSymbol::~CkelPropListLinePlotLabelSymbol() = default;

void CkelPropListLinePlotLabelSymbol::BuildItems(CBCGPPropList& list) {
    AddToGrid(list,
              {InitLabelProps(charttext::kLabelTab), NewPointGroup(plottext::kPointSymbol, kSymbolGroupId)});
}

void CkelPropListLinePlotLabelSymbol::ShowTarget(CBCGPPropList& list) {
    auto* plot = TargetAs<CkelLinePlot>();
    if (!plot) return;
    RefreshLabels(list, kLabelGroupIds, plot->GetLabels());
    CBCGPProp* symbol = list.FindItemByData(kSymbolGroupId);
    if (QXLOGPOINT* point = SymbolPoint(plot); point && symbol) {
        symbol->Expand(TRUE);
        SetPointProp(symbol, *point);
    }
}

LRESULT CkelPropListLinePlotLabelSymbol::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    auto* plot = TargetAs<CkelLinePlot>();
    if (!item || !plot) return 0;
    bool taken = true;
    switch (item->GetData()) {
        case kSymbolStyleId:
        case kSymbolSizeId:
        case kSymbolBorderId:
        case kSymbolInnerId:
            if (QXLOGPOINT* point = SymbolPoint(plot)) taken = ReadEditedField(item, *point);
            break;
        default:
            taken = ApplyLabelEdit(item, kLabelGroupIds, plot->GetLabels(), plot) != Edit::Refused;
            break;
    }
    EndEdit(item, taken);
    return 0;
}

bool CkelPropListLinePlotLabelSymbol::ShowStoredValue(CBCGPProp* item) {
    auto* plot = TargetAs<CkelLinePlot>();
    return plot && ShowStoredLabel(item, kLabelGroupIds, plot->GetLabels());
}

bool CkelPropListLinePlotLabelSymbol::ReshowsRefusedText(CBCGPProp* item) { return IsLabelRow(item, kLabelGroupIds); }
