#include "chart/KelPropListClassPlotLabelSymbol.h"

#include "chart/ChartDataFiles.h"
#include "chart/ChartItems.h"
#include "chart/ChartTexts.h"
#include "chart/PlotItems.h"
#include "chart/PlotTexts.h"
#include "framework/GroupTexts.h"
#include "hosttypes/Thistle/Plots.h"
#include "mfc/Variant.h"

using namespace chart;
using namespace charttext;

namespace {

// The uniform symbol read over the plot's (ReadEditedField); nothing is written when the edited field
// is refused.
bool ApplyUniformSymbol(CBCGPProp* edited, CkelClassPlot* plot) {
    QXLOGPOINT point;
    plot->GetUniSymbol(&point);
    if (!ReadEditedField(edited, point)) return false;
    plot->SetUniSymbol(&point);
    return true;
}

}  // namespace

CkelPropListClassPlotLabelSymbol::CkelPropListClassPlotLabelSymbol() = default;
CkelPropListClassPlotLabelSymbol::~CkelPropListClassPlotLabelSymbol() = default;

void CkelPropListClassPlotLabelSymbol::BuildItems(CBCGPPropList& list) {
    CBCGPProp* symbols = NewPlotGroup(plottext::kSymbolGroup, kSymbolGroupId);
    symbols->AddSubItem(CreateYesNoProp(kShowLabels, kSymbolShowId, _variant_t(""), ""));
    auto* uniform =
        new CPropLstUniSetSymbol(kUniformSymbol, "", kUniformSymbolDescription, kUniformId, kUniformSymbolButton);
    uniform->AddOption(grouptext::kYes);
    uniform->AddOption(grouptext::kNo);
    uniform->SetOwnerPage(this);
    symbols->AddSubItem(uniform);
    CBCGPProp* point = NewPointGroup(plottext::kPointSymbol, kPointGroupId);
    int position = 0;
    for (const char* description : {plottext::kPointStyleDescription, plottext::kPointSizeDescription,
                                    plottext::kPointColorDescription, plottext::kPointColorDescription})
        point->GetSubItem(position++)->SetDescription(description);
    symbols->AddSubItem(point);
    AddToGrid(list, {InitLabelProps(kLabelTab), symbols});
}

void CkelPropListClassPlotLabelSymbol::ShowTarget(CBCGPPropList& list) {
    auto* plot = TargetAs<CkelClassPlot>();
    if (!plot) return;
    RefreshLabels(list, kLabelGroupIds, plot->GetLabels());
    SetYesNoProp(list.FindItemByData(kSymbolShowId), plot->GetIsShowSymbol());
    const bool uniform = plot->GetIsUniSetSymbol();
    SetYesNoProp(list.FindItemByData(kUniformId), uniform);
    if (CBCGPProp* point = list.FindItemByData(kPointGroupId)) {
        QXLOGPOINT symbol;
        plot->GetUniSymbol(&symbol);
        SetPointProp(point, symbol);
        EnableSubItems(point, 0, -1, uniform ? TRUE : FALSE);
        point->Expand(uniform ? TRUE : FALSE);
    }
}

LRESULT CkelPropListClassPlotLabelSymbol::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    auto* plot = TargetAs<CkelClassPlot>();
    if (!item || !plot) return 0;
    bool taken = true;
    switch (item->GetData()) {
        case kSymbolShowId:
            plot->SetIsShowSymbol(ReadYesNo(item));
            break;
        case kUniformId:
            // A plain item: "是" uniform, any other text not (GetYesNoProp), shown as the option taken.
            plot->SetIsUniSetSymbol(ReadYesNo(item));
            break;
        case kPointStyleId:
        case kPointSizeId:
        case kPointBorderId:
        case kPointInnerId:
            taken = ApplyUniformSymbol(item, plot);
            break;
        default:
            taken = ApplyLabelEdit(item, kLabelGroupIds, plot->GetLabels(), plot) != Edit::Refused;
            break;
    }
    EndEdit(item, taken);
    return 0;
}

bool CkelPropListClassPlotLabelSymbol::ShowStoredValue(CBCGPProp* item) {
    auto* plot = TargetAs<CkelClassPlot>();
    return plot && ShowStoredLabel(item, kLabelGroupIds, plot->GetLabels());
}

bool CkelPropListClassPlotLabelSymbol::ReshowsRefusedText(CBCGPProp* item) { return IsLabelRow(item, kLabelGroupIds); }
