#include "chart/ChartGraphPropFill.h"

#include "bcg/ColorProp.h"
#include "chart/AxisTexts.h"
#include "framework/GroupEdits.h"
#include "framework/GroupTexts.h"
#include "hosttypes/Thistle/ChartGraph.h"

CChartGraphPropFill::CChartGraphPropFill() = default;
CChartGraphPropFill::~CChartGraphPropFill() = default;

void CChartGraphPropFill::BuildItems(CBCGPPropList& list) {
    auto* colour =
        new CBCGPColorProp(axistext::kBackground, 0, nullptr, axistext::kBackgroundDescription, kFillColorId);
    colour->EnableOtherButton(axistext::kOtherColorAlt, TRUE, TRUE);
    colour->EnableAutomaticButton(grouptext::kAutomaticColor, GetSysColor(COLOR_WINDOWTEXT), TRUE);
    list.AddProperty(colour, TRUE, TRUE);
}

void CChartGraphPropFill::ShowTarget(CBCGPPropList& list) {
    IChartGraph* chart = TargetAs<IChartGraph>();
    auto* colour = dynamic_cast<CBCGPColorProp*>(list.FindItemByData(kFillColorId));
    if (!chart || !colour) return;
    QXLOGBRUSH brush;
    chart->GetLogBrush(&brush);
    colour->SetColor(brush.fillColor);
}

LRESULT CChartGraphPropFill::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    IChartGraph* chart = TargetAs<IChartGraph>();
    if (item && chart && item->GetData() == kFillColorId) {
        QXLOGBRUSH brush;
        chart->GetLogBrush(&brush);
        // The automatic choice gives the automatic colour.
        if (ReadShownColor(item, &brush.fillColor)) chart->SetLogBrush(&brush);
    }
    UpdateView();
    return 0;
}
