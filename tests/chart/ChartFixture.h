// A sample chart for the chart tests: axes of every kind, one plot of each kind, a legend and two
// datasets in the chart's dataset manager, with a display manager that hands out any of them.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "hosttypes/Oriel/IDispManager.h"
#include "hosttypes/Thistle/Axis.h"
#include "hosttypes/Thistle/ChartGraph.h"
#include "hosttypes/Thistle/Legend.h"
#include "hosttypes/Thistle/PiePlot.h"
#include "hosttypes/Thistle/Plots.h"

namespace tsltest {

class ActiveObjectManager : public IDispManager {
public:
    explicit ActiveObjectManager(CQXObject* object = nullptr) : active(object) {}
    void GetActiveObj(long& object) override { object = reinterpret_cast<long>(active); }
    CQXObject* active;
};

// "井数据": 深度 0..9, 孔隙度 10..19 (doubles), 岩性 (texts); "区块": 面积 (doubles, 4 rows).
struct SampleChart {
    SampleChart() {
        CDataSetMgrObj* manager = chart.GetDatasetManagerObj();
        wells = manager->CreateDataset("井数据");
        auto* depth = new CkelDataSeryDouble();
        depth->SetName("深度");
        auto* porosity = new CkelDataSeryDouble();
        porosity->SetName("孔隙度");
        auto* rock = new CkelDataSeryString();
        rock->SetName("岩性");
        for (int i = 0; i < 10; ++i) {
            depth->AddData(i);
            porosity->AddData(10 + i);
            rock->AddData(i % 2 ? "砂岩" : "泥岩");
        }
        wells->AddDataSery(depth);
        wells->AddDataSery(porosity);
        wells->AddDataSery(rock);
        blocks = manager->CreateDataset("区块");
        auto* area = new CkelDataSeryDouble();
        area->SetName("面积");
        for (int i = 0; i < 4; ++i) area->AddData(i * 2.5);
        blocks->AddDataSery(area);

        x.SetName("X轴");
        y.SetName("Y轴");
        for (IkelAxis* axis : std::vector<IkelAxis*>{&x, &y, &ternary, &radius, &angle})
            chart.GetAxisManager()->AddAxis(axis);
        for (IkelPlot* plot : Plots()) {
            plot->SetChartGraph(&chart);
            plot->SetDataset(wells);
            plot->GetDataRange()->SetLastRow(9);
        }
    }
    std::vector<IkelPlot*> Plots() { return {&line, &classes, &bar, &histogram, &pie, &ternaryPlot, &rose}; }
    // The chart loses its dataset manager (and the datasets it held); the plots keep a dataset of
    // their own with the same series.
    void DropDatasetManager() {
        kept = std::make_unique<CkelDataset>(*wells);
        for (IkelPlot* plot : Plots()) plot->SetDataset(kept.get());
        chart.SetDatasetManagerObj(nullptr);
        wells = blocks = nullptr;
    }

    IChartGraph chart;
    CkelDataset* wells = nullptr;
    CkelDataset* blocks = nullptr;
    std::unique_ptr<CkelDataset> kept;
    CkelAxisStanderdX x;
    CkelAxisStanderdY y;
    CkelAxisTernary ternary;
    CkelAxisRadius radius;
    CkelAxisAngle angle;
    CkelAxisDateTime dateTime;
    CkelLinePlot line;
    CkelClassPlot classes;
    CkelBarPlot bar;
    CHistogramPlot histogram;
    CPiePlot pie;
    CkelTernaryPlot ternaryPlot;
    CRosePlot rose;
    CkelLegend legend;
};

}  // namespace tsltest
