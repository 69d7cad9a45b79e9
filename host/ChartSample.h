// The chart sample of the demo host: a chart (frame, legend, axes of every kind, one plot of each
// kind, two datasets) and the host's display manager that hands out the active object. The demo and
// the sweep test open the sheet of each of its objects.
#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

#include "chart/KelCgPropWndCreator.h"
#include "hosttypes/Oriel/IDispManager.h"
#include "hosttypes/Thistle/Axis.h"
#include "hosttypes/Thistle/ChartGraph.h"
#include "hosttypes/Thistle/Legend.h"
#include "hosttypes/Thistle/PiePlot.h"
#include "hosttypes/Thistle/Plots.h"

namespace demo {

// The host's display manager: the active chart object is the one the user clicked last.
class ChartDispManager : public IDispManager {
public:
    void GetActiveObj(long& object) override { object = reinterpret_cast<long>(m_active); }
    void Activate(CQXObject* object) { m_active = object; }

private:
    CQXObject* m_active = nullptr;
};

// A data series of the sample charts, named and filled.
template <class Sery, class Value>
Sery* MakeSery(const char* name, std::initializer_list<Value> values) {
    auto* sery = new Sery();
    sery->SetName(name);
    for (Value v : values) sery->AddData(v);
    return sery;
}

inline CkelDataSeryDouble* NumberSery(const char* name, std::initializer_list<double> values) {
    return MakeSery<CkelDataSeryDouble, double>(name, values);
}

struct DemoChart {
    DemoChart() {
        CDataSetMgrObj* datasets = chart.GetDatasetManagerObj();
        CkelDataset* wells = datasets->CreateDataset("井数据");
        wells->AddDataSery(NumberSery("深度", {1200, 1210, 1225, 1240, 1262}));
        wells->AddDataSery(NumberSery("孔隙度", {12.5, 18, 22.5, 9, 15}));
        wells->AddDataSery(NumberSery("渗透率", {30, 120, 260, 8, 75}));
        CkelDataset* blocks = datasets->CreateDataset("区块");
        blocks->AddDataSery(NumberSery("面积", {3.5, 8, 12}));
        x.SetName("X轴");
        y.SetName("Y轴");
        for (IkelAxis* axis : std::vector<IkelAxis*>{&x, &y, &ternary, &radius, &angle})
            chart.GetAxisManager()->AddAxis(axis);
        for (IkelPlot* plot : Plots()) {
            plot->SetChartGraph(&chart);
            plot->SetOuterDataset(wells);
            plot->UpdateByDataset(wells);
        }
        classes.SetClassCol(1);
        classes.GetClassificationManager()->SetClassPara(25, 5, 10);
        for (const char* name : {"砂岩", "泥岩", "灰岩"}) {
            CClassEntity entity;
            entity.m_strName = name;
            ternaryPlot.AddClass(entity);
        }
        bar.GetFillSeryGroup()->AddSery("孔隙度");
    }
    std::vector<IkelPlot*> Plots() { return {&line, &classes, &bar, &histogram, &pie, &ternaryPlot, &rose}; }
    std::vector<std::pair<const char*, CQXObject*>> Kinds() {
        return {{"X轴", &x},        {"Y轴", &y},         {"三角轴", &ternary},  {"半径轴", &radius},
                {"角度轴", &angle}, {"曲线图", &line},   {"分类图", &classes},  {"柱状图", &bar},
                {"直方图", &histogram}, {"饼图", &pie}, {"三角图", &ternaryPlot}, {"玫瑰图", &rose},
                {"图框", &chart},   {"图例", &legend}};
    }

    IChartGraph chart;
    CkelAxisStanderdX x;
    CkelAxisStanderdY y;
    CkelAxisTernary ternary;
    CkelAxisRadius radius;
    CkelAxisAngle angle;
    CkelLinePlot line;
    CkelClassPlot classes;
    CkelBarPlot bar;
    CHistogramPlot histogram;
    CPiePlot pie;
    CkelTernaryPlot ternaryPlot;
    CRosePlot rose;
    CkelLegend legend;
};

}  // namespace demo
