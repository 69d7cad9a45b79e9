#include "ChartPlotsDemo.h"

#include <string>
#include <vector>

#include "ChartSample.h"
#include "ChartSheet.h"
#include "chart/AxisGroups.h"
#include "chart/ChartDataFiles.h"
#include "chart/KelPropHistFill.h"
#include "chart/KelPropHistLable.h"
#include "chart/KelPropHistPlot.h"
#include "chart/KelPropListBarPlot.h"
#include "chart/KelPropListBarPlotFill.h"
#include "chart/KelPropListBarPlotLabel.h"
#include "chart/KelPropListClassPlot.h"
#include "chart/KelPropListClassPlotLabelSymbol.h"
#include "chart/KelPropListLinePlotLabelSymbol.h"
#include "chart/KelPropListLinePlotSet.h"
#include "chart/KelPropListPiePlotFill.h"
#include "chart/KelPropListPiePlotLabel.h"
#include "chart/KelPropListRosePlot.h"
#include "chart/PropListPiePlot.h"
#include "chart/PropListTernaryPlot.h"
#include "hosttypes/Thistle/Axis.h"
#include "hosttypes/Thistle/ChartGraph.h"
#include "hosttypes/Thistle/PiePlot.h"
#include "hosttypes/Thistle/Plots.h"

namespace demo {

namespace {

// A chart with a well table (numbers and lithology) and a fracture table (azimuths and counts),
// an axis of each direction, three ternary axes and one plot of each kind.
struct PlotChart {
    PlotChart() {
        CDataSetMgrObj* datasets = chart.GetDatasetManagerObj();
        wells = datasets->CreateDataset("井数据");
        wells->AddDataSery(MakeSery<CkelDataSeryDouble, double>("深度", {1200, 1210, 1225, 1240, 1262}));
        wells->AddDataSery(MakeSery<CkelDataSeryDouble, double>("孔隙度", {12.5, 18, 22.5, 9, 15}));
        wells->AddDataSery(MakeSery<CkelDataSeryString, const char*>("岩性", {"砂岩", "泥岩", "砂岩", "灰岩", "泥岩"}));
        fractures = datasets->CreateDataset("裂缝");
        fractures->AddDataSery(MakeSery<CkelDataSeryInt, int>("方位角", {15, 40, 75, 120, 310}));
        fractures->AddDataSery(MakeSery<CkelDataSeryInt, int>("条数", {3, 8, 5, 2, 6}));
        x.SetName("X轴");
        y.SetName("Y轴");
        for (IkelAxis* axis : std::vector<IkelAxis*>{&x, &y}) chart.GetAxisManager()->AddAxis(axis);
        for (IkelPlot* plot : std::vector<IkelPlot*>{&line, &classes, &bar, &histogram, &pie, &ternaryPlot, &rose}) {
            plot->SetChartGraph(&chart);
            plot->SetOuterDataset(plot == &rose ? fractures : wells);
            plot->UpdateByDataset(plot == &rose ? fractures : wells);
        }
        bar.GetFillSeryGroup()->AddSery("深度");
        bar.GetFillSeryGroup()->AddSery("孔隙度");
        histogram.GetFillSeryGroup()->AddSery("孔隙度");
        for (CkelAxisTernary* axis : {&a, &b, &c}) {
            axis->SetMin(0);
            axis->SetMax(100);
        }
        c.SetMax(30);
        ternaryPlot.AttachXAxis(&a);
        ternaryPlot.AttachYAxis(&b);
        ternaryPlot.SetAxis3(&c);
        for (const char* name : {"砂岩", "泥岩", "灰岩"}) {
            CPiePiece piece;
            piece.m_strLabel = name;
            pie.AddPiece(piece);
        }
    }

    IChartGraph chart;
    CkelDataset* wells = nullptr;
    CkelDataset* fractures = nullptr;
    CkelAxisStanderdX x;
    CkelAxisStanderdY y;
    CkelAxisTernary a, b, c;
    CkelLinePlot line;
    CkelClassPlot classes;
    CkelBarPlot bar;
    CHistogramPlot histogram;
    CPiePlot pie;
    CkelTernaryPlot ternaryPlot;
    CRosePlot rose;
};

void Step(std::ostream& out, const char* what) { out << "\n== " << what << "\n"; }

void Type(platform::GridDriver& grid, DWORD_PTR id, const char* text) { grid.TypeText(grid.FindByData(id), text); }
void Pick(platform::GridDriver& grid, DWORD_PTR id, const char* text) { grid.PickOption(grid.FindByData(id), text); }

}  // namespace

void RunChartPlotsDemo(CWnd& frame, CWnd& view, std::ostream& out) {
    PlotChart d;

    Step(out, "the bar plot: rebind, width, overlap, stacking, a series' labels and fill");
    {
        using General = CkelPropListBarPlot;
        ChartSheet sheet(&d.bar, frame, view);
        out << "柱状图: " << sheet.Captions() << "\n";
        platform::GridDriver page = sheet.Tab(0);
        Pick(page, General::kDataTableId, "裂缝");
        out << "数据表 裂缝: bound to " << d.bar.GetDataset()->GetName() << "\n";
        Pick(page, General::kDataTableId, "井数据");
        Type(page, General::kWidthId, "60");
        Type(page, General::kWidthId, "101");
        out << "条形宽度 60 then 101: " << LastBox() << ", shows " << Shown(page, General::kWidthId) << "\n";
        Type(page, General::kOverlapId, "-50");
        Type(page, General::kOverlapId, "120");
        out << "叠合程度 -50 then 120: " << LastBox() << ", shows " << Shown(page, General::kOverlapId) << "\n";
        Pick(page, General::kStackId, "上下");
        page = sheet.Tab(0);
        out << "上下: 叠合程度 " << Shown(page, General::kOverlapId) << "\n";

        platform::GridDriver fill = sheet.Tab(2);
        Pick(fill, CkelPropListBarPlotFill::kSeriesId, "孔隙度");
        Pick(fill, CkelPropListBarPlotFill::kBorderWidthId, "0.5");
        fill.ChooseColor(dynamic_cast<CBCGPColorProp*>(fill.FindByData(CkelPropListBarPlotFill::kFillColorId)),
                         RGB(255, 200, 0));
        platform::GridDriver label = sheet.Tab(1);
        out << "标签 shows the series chosen on 填充: " << Shown(label, CkelPropListBarPlotLabel::kSeriesId) << "\n";
        Pick(label, CkelPropListBarPlotLabel::kShowId, "是");
        label = sheet.Tab(1);
        out << "labels shown: 横向偏移 " << Shown(label, CkelPropListBarPlotLabel::kXOffsetId) << "\n";
    }

    Step(out, "the histogram: binning and width");
    {
        ChartSheet sheet(&d.histogram, frame, view);
        out << "直方图: " << sheet.Captions() << "\n";
        platform::GridDriver page = sheet.Tab(0);
        Type(page, CkelPropHistPlot::kLeftValueId, "12.7");
        Type(page, CkelPropHistPlot::kZoneCountId, "-3");
        Type(page, CkelPropHistPlot::kWidthId, "150");
        page = sheet.Tab(0);
        out << "左端值 " << Shown(page, CkelPropHistPlot::kLeftValueId) << ", 区间个数 "
            << Shown(page, CkelPropHistPlot::kZoneCountId) << ", 条形宽度 " << Shown(page, CkelPropHistPlot::kWidthId)
            << ", 数据列 " << Shown(page, CkelPropHistPlot::kDataColumnId) << "\n";
        platform::GridDriver label = sheet.Tab(1);
        Pick(label, CkelPropHistLable::kShowId, "是");
        label = sheet.Tab(1);  // the position items are enabled once the labels show
        Type(label, CkelPropHistLable::kAngleId, "45");
        label = sheet.Tab(1);
        out << "标签 是, 角度 45: 显示 " << Shown(label, CkelPropHistLable::kShowId) << ", 角度 "
            << Shown(label, CkelPropHistLable::kAngleId) << "\n";
        platform::GridDriver fill = sheet.Tab(2);
        Pick(fill, CkelPropHistFill::kBorderWidthId, "0.5");
        fill = sheet.Tab(2);
        out << "边框宽度 0.5: " << Shown(fill, CkelPropHistFill::kBorderWidthId) << "\n";
    }

    Step(out, "the rose diagram: count column, sector angle and type");
    {
        using Rose = CkelPropListRosePlot;
        ChartSheet sheet(&d.rose, frame, view);
        out << "玫瑰图: " << sheet.Captions() << "\n";
        platform::GridDriver page = sheet.Tab(0);
        Pick(page, Rose::kCountColumnId, "条数");
        Type(page, Rose::kSectorAngleId, "30");
        Type(page, Rose::kSectorAngleId, "30°");
        Type(page, Rose::kTypeId, "abc");
        page = sheet.Tab(0);
        out << "数量列 " << Shown(page, Rose::kCountColumnId) << ", 角度间隔 " << Shown(page, Rose::kSectorAngleId)
            << ", 类型 " << Shown(page, Rose::kTypeId) << "\n";
    }

    Step(out, "the line plot: steps, the fill beside the line, the point symbol");
    {
        ChartSheet sheet(&d.line, frame, view);
        out << "曲线图: " << sheet.Captions() << "\n";
        d.line.GetPlotFills()->SetAutoCutoffValue(1230);
        platform::GridDriver set = sheet.Tab(1);
        Pick(set, CkelPropListLinePlotSet::kModeId, "阶梯");
        Pick(set, chart::kLineFillShowId, "是");
        set = sheet.Tab(1);
        Pick(set, chart::kLineFillTargetId, "左");
        set = sheet.Tab(1);
        out << "模式 " << Shown(set, CkelPropListLinePlotSet::kModeId) << ", 倒置 "
            << Shown(set, CkelPropListLinePlotSet::kReverseId) << ", 目标 " << Shown(set, chart::kLineFillTargetId)
            << ", 目标值 " << Shown(set, chart::kLineFillTargetValueId) << "\n";
        platform::GridDriver symbol = sheet.Tab(2);
        Type(symbol, CkelPropListLinePlotLabelSymbol::kSymbolSizeId, "4.5");
        Type(symbol, CkelPropListLinePlotLabelSymbol::kSymbolSizeId, "abc");
        symbol = sheet.Tab(2);
        out << "点符号 大小 4.5 then abc: " << Shown(symbol, CkelPropListLinePlotLabelSymbol::kSymbolSizeId) << "\n";
    }

    Step(out, "the class plot: class column and the uniform symbol");
    {
        using Labels = CkelPropListClassPlotLabelSymbol;
        ChartSheet sheet(&d.classes, frame, view);
        out << "分类图: " << sheet.Captions() << "\n";
        platform::GridDriver general = sheet.Tab(0);
        Pick(general, CkelPropListClassPlot::kClassColumnId, "岩性");
        out << "分类列 岩性: column " << d.classes.GetClassCol() << "\n";
        platform::GridDriver labels = sheet.Tab(1);
        Pick(labels, Labels::kUniformId, "否");
        labels = sheet.Tab(1);
        out << "统一设置 否: 点风格 " << Shown(labels, Labels::kPointStyleId) << "\n";
    }

    Step(out, "the pie plot: separation, labels outside, another sector's fill");
    {
        ChartSheet sheet(&d.pie, frame, view);
        out << "饼图: " << sheet.Captions() << "\n";
        platform::GridDriver page = sheet.Tab(0);
        Type(page, CPropListPiePlot::kSplitId, "0.5");
        Type(page, CPropListPiePlot::kSplitId, "0.5a");
        page = sheet.Tab(0);
        out << "分离程度 0.5 then 0.5a: " << Shown(page, CPropListPiePlot::kSplitId) << "\n";
        platform::GridDriver label = sheet.Tab(1);
        Type(label, CkelPropListPiePlotLabel::kLastRowId, "9");
        out << "结束行 9: " << LastBox() << "\n";
        Pick(label, CkelPropListPiePlotLabel::kPlaceId, "外部");
        label = sheet.Tab(1);
        out << "外部: 牵引线 " << Shown(label, CkelPropListPiePlotLabel::kLeaderLineId) << "\n";
        platform::GridDriver fill = sheet.Tab(2);
        Pick(fill, CkelPropListPiePlotFill::kPieceId, "泥岩");
        Pick(fill, CkelPropListPiePlotFill::kBorderWidthId, "1.5");
        out << "泥岩 border width " << d.pie.GetPiece(1)->m_pen.width << ", 砂岩 " << d.pie.GetPiece(0)->m_pen.width
            << "\n";
    }

    Step(out, "the ternary plot: settings for all three axes");
    {
        using Ternary = CPropListTernaryPlot;
        ChartSheet sheet(&d.ternaryPlot, frame, view);
        out << "三角图: " << sheet.Captions() << "\n";
        platform::GridDriver page = sheet.Tab(0);
        Type(page, Ternary::kMajorSpacingId, "20");
        Type(page, Ternary::kMajorSpacingId, "40");
        out << "主刻度间隔 40: " << LastBox() << "; spacings";
        for (CkelAxisTernary* axis : {&d.a, &d.b, &d.c})
            out << " " << axis->GetTickMarks()->GetMajorTickStruct()->GetSpacing();
        out << "\n";
        Pick(page, Ternary::kUnitId, "百分比");
        Pick(page, Ternary::kDecimalsId, "2");
        out << "轴单位 and 小数位数 on the third axis: " << d.c.GetAxisUnit() << ", "
            << d.c.GetTickLabels()->GetMinorTickLabel()->GetDotCount() << "\n";
    }
}

}  // namespace demo
