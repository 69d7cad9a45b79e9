#include "chart/KelCgPropWndCreator.h"

#include <initializer_list>

#include "chart/ChartGraphProp.h"
#include "chart/ChartGraphPropFill.h"
#include "chart/ChartTexts.h"
#include "chart/PropListAxis.h"
#include "chart/PropListAxisTick.h"
#include "chart/PropListPiePlot.h"
#include "chart/PropListTernaryLabel.h"
#include "chart/PropListTernaryPlot.h"
#include "chart/KelPropHistFill.h"
#include "chart/KelPropHistLable.h"
#include "chart/KelPropHistPlot.h"
#include "chart/KelPropListAxisGrid.h"
#include "chart/KelPropListAxisLabel.h"
#include "chart/KelPropListBarPlot.h"
#include "chart/KelPropListBarPlotFill.h"
#include "chart/KelPropListBarPlotLabel.h"
#include "chart/KelPropListChartLegend.h"
#include "chart/KelPropListClassPlot.h"
#include "chart/KelPropListClassPlotLabelSymbol.h"
#include "chart/KelPropListLinePlot.h"
#include "chart/KelPropListLinePlotLabelSymbol.h"
#include "chart/KelPropListLinePlotSet.h"
#include "chart/KelPropListPiePlotFill.h"
#include "chart/KelPropListPiePlotLabel.h"
#include "chart/KelPropListRosePlot.h"
#include "chart/KelPropListRosePlotFill.h"
#include "framework/PropWndMgr.h"
#include "hosttypes/Oriel/IDispManager.h"
#include "hosttypes/Thistle/Axis.h"
#include "hosttypes/Thistle/ChartGraph.h"
#include "hosttypes/Thistle/Legend.h"
#include "hosttypes/Thistle/PiePlot.h"
#include "hosttypes/Thistle/Plots.h"

using namespace charttext;

namespace {

struct PageDef {
    const char* caption;
    CWndLstChart* (*make)();
};

struct KindDef {
    bool (*matches)(CQXObject*);
    std::initializer_list<PageDef> pages;
};

template <class Page>
CWndLstChart* Make() {
    return new Page;
}

template <class Kind>
bool Is(CQXObject* object) {
    return dynamic_cast<Kind*>(object) != nullptr;
}

const std::initializer_list<PageDef> kAxisPages = {
    {kAxisTab, Make<CPropListAxis>},
    {kTickTab, Make<CPropListAxisTick>},
    {kLabelTab, Make<CkelPropListAxisLabel>},
    {kGridTab, Make<CkelPropListAxisGrid>},
};

// The kinds in the order they are tested; the first that matches makes the sheet.
const KindDef kKinds[] = {
    {Is<CkelAxisStanderdX>, kAxisPages},
    {Is<CkelAxisStanderdY>, kAxisPages},
    {Is<CkelAxisTernary>, kAxisPages},
    {Is<CkelAxisRadius>, kAxisPages},
    {Is<CkelAxisAngle>, kAxisPages},
    {Is<CkelLinePlot>,
     {{kGeneralTab, Make<CkelPropListLinePlot>},
      {kPlotSetTab, Make<CkelPropListLinePlotSet>},
      {kLabelSymbolTab, Make<CkelPropListLinePlotLabelSymbol>}}},
    {Is<CkelClassPlot>,
     {{kGeneralTab, Make<CkelPropListClassPlot>}, {kLabelSymbolTab, Make<CkelPropListClassPlotLabelSymbol>}}},
    {Is<CkelBarPlot>,
     {{kGeneralTab, Make<CkelPropListBarPlot>},
      {kLabelTab, Make<CkelPropListBarPlotLabel>},
      {kFillTab, Make<CkelPropListBarPlotFill>}}},
    {Is<CHistogramPlot>,
     {{kGeneralTab, Make<CkelPropHistPlot>}, {kLabelTab, Make<CkelPropHistLable>}, {kFillTab, Make<CkelPropHistFill>}}},
    {Is<CPiePlot>,
     {{kGeneralTab, Make<CPropListPiePlot>},
      {kLabelTab, Make<CkelPropListPiePlotLabel>},
      {kFillTab, Make<CkelPropListPiePlotFill>}}},
    {Is<CkelTernaryPlot>, {{kGeneralTab, Make<CPropListTernaryPlot>}, {kLabelSymbolTab, Make<CPropListTernaryLabel>}}},
    {Is<CRosePlot>, {{kGeneralTab, Make<CkelPropListRosePlot>}, {kFillTab, Make<CkelPropListRosePlotFill>}}},
    {Is<IChartGraph>, {{kChartSetTab, Make<CChartGraphProp>}, {kPatternTab, Make<CChartGraphPropFill>}}},
    {Is<CkelLegend>, {{kLegendTab, Make<CkelPropListChartLegend>}}},
};

}  // namespace

CWnd* CKelCgPropWndCreator::CreateObjProp(IDispManager* manager, CWnd* parent) {
    if (!manager) return nullptr;
    long address = 0;
    manager->GetActiveObj(address);
    auto* object = reinterpret_cast<CQXObject*>(address);
    if (!object) return nullptr;

    for (const KindDef& kind : kKinds) {
        if (!kind.matches(object)) continue;
        auto* sheet = new CPropWndMgr(0, 0);
        for (const PageDef& page : kind.pages) sheet->AddLstPage(page.make(), page.caption);
        sheet->Initialize();
        // A sheet that cannot be made (no parent window) is of no use to the host.
        if (!sheet->Create(parent, WS_CHILD | WS_VISIBLE, 0)) {
            delete sheet;
            return nullptr;
        }
        return sheet;
    }
    return nullptr;
}
