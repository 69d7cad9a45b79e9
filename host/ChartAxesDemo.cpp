#include "ChartAxesDemo.h"

#include "ChartSheet.h"

#include <string>
#include <utility>
#include <vector>

#include "bcg/ColorProp.h"
#include "chart/ChartGraphProp.h"
#include "chart/ChartGraphPropFill.h"
#include "chart/KelCgPropWndCreator.h"
#include "chart/KelPropListAxisGrid.h"
#include "chart/KelPropListAxisLabel.h"
#include "chart/KelPropListChartLegend.h"
#include "chart/PropListAxis.h"
#include "chart/PropListAxisTick.h"
#include "driver/GridDriver.h"
#include "driver/Responder.h"
#include "driver/SheetDriver.h"
#include "framework/PropWndMgr.h"
#include "framework/WndLst.h"
#include "hosttypes/Oriel/IDispManager.h"
#include "hosttypes/Thistle/Axis.h"
#include "hosttypes/Thistle/ChartGraph.h"
#include "hosttypes/Thistle/Legend.h"

namespace demo {

namespace {

void Step(std::ostream& out, const char* what) { out << "\n== " << what << "\n"; }

}  // namespace

void RunChartAxesDemo(CWnd& frame, CWnd& view, std::ostream& out) {
    IChartGraph chart;
    CkelLegend legend;
    CkelAxisStanderdX x;
    CkelAxisStanderdY y;
    CkelAxisTernary ternary;
    CkelAxisRadius radius;
    CkelAxisAngle angle;
    x.SetName("X轴");
    y.SetName("Y轴");
    angle.SetMin(0);
    angle.SetMax(360);

    Step(out, "the chart frame: title, offsets, font and background");
    {
        ChartSheet sheet(&chart, frame, view);
        out << "图框: " << sheet.Captions() << "\n";
        platform::GridDriver page = sheet.Tab(0);
        page.TypeText(page.FindByData(CChartGraphProp::kTitleTextId), "孔隙度统计图");
        page.TypeText(page.FindByData(CChartGraphProp::kXOffsetId), "abc");
        out << "X方向偏移 \"abc\" shows " << Shown(page, CChartGraphProp::kXOffsetId) << "\n";
        page.TypeText(page.FindByData(CChartGraphProp::kYOffsetId), "1.5");
        page.PickOption(page.FindByData(CChartGraphProp::kFontSizeId), "14");
        platform::GridDriver fill = sheet.Tab(1);
        fill.ChooseColor(dynamic_cast<CBCGPColorProp*>(fill.FindByData(CChartGraphPropFill::kFillColorId)),
                         RGB(240, 240, 200));
        QXLOGFONT font;
        chart.GetTitle()->GetLogFont(font);
        QXLOGBRUSH brush;
        chart.GetLogBrush(&brush);
        out << "title " << chart.GetTitle()->GetText() << ", offsets " << chart.GetTitle()->GetXOffset() << " / "
            << chart.GetTitle()->GetYOffset() << ", size " << font.size << ", background " << std::hex
            << brush.fillColor << std::dec << "\n";
    }

    Step(out, "the legend: title, opaque background, spacing and columns");
    {
        using Page = CkelPropListChartLegend;
        ChartSheet sheet(&legend, frame, view);
        out << "图例: " << sheet.Captions() << "\n";
        platform::GridDriver page = sheet.Tab(0);
        page.TypeText(page.FindByData(Page::kTitleTextId), "岩性");
        page.PickOption(page.FindByData(Page::kTransparentId), "是");
        out << "背景透明 是: 背景颜色 " << Shown(page, Page::kBackColorId) << "\n";
        page.PickOption(page.FindByData(Page::kTransparentId), "否");
        page.PickOption(page.FindByData(Page::kEntryLineShowId), "是");
        page.TypeText(page.FindByData(Page::kSpacingId), "0.75");
        page.TypeText(page.FindByData(Page::kColumnsId), "3");
        page.TypeText(page.FindByData(Page::kColumnsId), "x");
        QXLOGPEN inner;
        legend.GetInnerBorderLine(&inner);
        out << "spacing " << legend.GetIntervalSpace() << ", columns " << legend.GetColNum() << " (\"x\" shows "
            << Shown(page, Page::kColumnsId) << "), entry line style " << inner.style << "\n";
    }

    Step(out, "the axes: every kind's sheet; scale, range, ticks, labels and grids of the X axis");
    const std::vector<std::pair<const char*, CQXObject*>> axes = {
        {"X轴", &x}, {"Y轴", &y}, {"三角轴", &ternary}, {"半径轴", &radius}, {"角度轴", &angle}};
    for (const auto& [label, axis] : axes) {
        ChartSheet sheet(axis, frame, view);
        platform::GridDriver page = sheet.Tab(0);
        out << label << ": " << sheet.Captions() << "; 轴类型 " << Shown(page, chart::kScaleTypeId) << ", 最大值 "
            << Shown(page, chart::kMaxId) << "\n";
    }
    {
        ChartSheet sheet(&x, frame, view);
        platform::GridDriver page = sheet.Tab(0);
        page.PickOption(page.FindByData(chart::kAutoRangeId), "否");
        page = sheet.Tab(0);  // the host announces the changed axis: the range items open
        page.TypeText(page.FindByData(chart::kMaxId), "100");
        page.TypeText(page.FindByData(chart::kMinId), "120");
        out << "最小值 120: " << LastBox() << "; the item shows " << Shown(page, chart::kMinId) << "\n";
        page.TypeText(page.FindByData(chart::kMajorSpacingId), "25");
        page.PickOption(page.FindByData(chart::kScaleTypeId), "对数");
        page.TypeText(page.FindByData(chart::kTitleTextId), "深度");
        out << "range " << x.GetMin() << " to " << x.GetMax() << ", spacing "
            << x.GetTickMarks()->GetMajorTickStruct()->GetSpacing() << ", scale " << x.GetAxisScaleType() << "\n";

        platform::GridDriver ticks = sheet.Tab(1);
        ticks.PickOption(ticks.FindByData(CPropListAxisTick::kMajorSideId), "上部");
        ticks.TypeText(ticks.FindByData(CPropListAxisTick::kMajorLengthId), "2.5");
        platform::GridDriver labels = sheet.Tab(2);
        labels.PickOption(labels.FindByData(CkelPropListAxisLabel::kMajorSideId), "上部");
        labels.PickOption(labels.FindByData(CkelPropListAxisLabel::kAlignId), "右部");
        platform::GridDriver grid = sheet.Tab(3);
        grid.PickOption(grid.FindByData(CkelPropListAxisGrid::kMajorShowId), "是");
        grid.PickOption(grid.FindByData(CkelPropListAxisGrid::kMajorWidthId), "0.5");
        QXLOGPEN pen;
        x.GetGrid()->GetMajorLogPen(&pen);
        out << "tick side " << x.GetTickMarks()->GetMajorTickStruct()->GetSide() << ", tick length "
            << x.GetTickMarks()->GetMajorTickStruct()->GetLength() << ", label side "
            << x.GetTickLabels()->GetMajorTickLabel()->GetTickSide() << ", label align "
            << x.GetTickLabels()->GetAlignType() << ", major grid " << (x.GetGrid()->GetShowMajorTicks() ? "on" : "off")
            << " width " << pen.width << "\n";
    }
    {
        ChartSheet sheet(&angle, frame, view);
        platform::GridDriver page = sheet.Tab(0);
        page.PickOption(page.FindByData(chart::kAutoRangeId), "否");
        page = sheet.Tab(0);
        page.TypeText(page.FindByData(chart::kMaxId), "400");
        out << "角度轴 最大值 400: " << LastBox() << "; maximum stays " << angle.GetMax() << "\n";
    }
}

}  // namespace demo
