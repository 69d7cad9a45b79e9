// The chart library may hand the pages codes beyond the ones they name: each page shows such a code
// by its "any other value" rule. One code past the named ones for every kind of code a page reads.
#include <gtest/gtest.h>

#include "ChartPageFixture.h"
#include "chart/AxisGroups.h"
#include "chart/KelPropHistPlot.h"
#include "chart/KelPropListAxisLabel.h"
#include "chart/KelPropListLinePlot.h"
#include "chart/KelPropListLinePlotSet.h"
#include "chart/KelPropListRosePlot.h"
#include "chart/PropListAxis.h"
#include "chart/PropListTernaryPlot.h"

using charttest::OpenChartPage;
using charttest::ShapedAxis;

namespace {

TEST(CodesBeyondTheNamedOnes, FillDirectionShowsDown) {
    OpenChartPage<CkelPropListLinePlotSet> p;
    CkelLinePlot& line = p.chart().line;
    line.GetPlotFills()->SetFillDirections(static_cast<CkelLinePlotFill::KELFillDirections>(7));
    p.Show(&line);
    EXPECT_EQ(p.Value(chart::kLineFillTargetId), "下");
}

TEST(CodesBeyondTheNamedOnes, AxisUnitShowsNone) {
    OpenChartPage<CPropListAxis> axisPage;
    ShapedAxis axis(0);
    axis.SetAxisUnit(static_cast<CkelLabelFormat::KELUnit>(9));
    axisPage.Show(&axis);
    EXPECT_EQ(axisPage.Value(chart::kUnitId), "无");

    OpenChartPage<CPropListTernaryPlot> ternaryPage;
    CkelTernaryPlot& plot = ternaryPage.chart().ternaryPlot;
    plot.AttachXAxis(&axis);
    ternaryPage.Show(&plot);
    EXPECT_EQ(ternaryPage.Value(CPropListTernaryPlot::kUnitId), "无");
}

TEST(CodesBeyondTheNamedOnes, LabelAlignmentShowsCentredAndLabelSideNothing) {
    OpenChartPage<CkelPropListAxisLabel> p;
    ShapedAxis axis(0);
    axis.GetTickLabels()->SetAlignType(static_cast<KELAlignType>(9));
    axis.GetTickLabels()->GetMajorTickLabel()->SetTickSide(static_cast<KELLabelsSide>(9));
    p.Show(&axis);
    EXPECT_EQ(p.Value(CkelPropListAxisLabel::kAlignId), "居中");
    EXPECT_EQ(p.Value(CkelPropListAxisLabel::kMajorSideId), "");
}

TEST(CodesBeyondTheNamedOnes, RoseTypeShowsFlower) {
    OpenChartPage<CkelPropListRosePlot> p;
    CRosePlot& rose = p.chart().rose;
    rose.SetRoseType(static_cast<CRosePlot::ROSETYPE>(2));
    p.Show(&rose);
    EXPECT_EQ(p.Value(CkelPropListRosePlot::kTypeId), "玫瑰花");
}

TEST(CodesBeyondTheNamedOnes, ChartTypeLeavesTheHistogramStyleOpen) {
    OpenChartPage<CkelPropHistPlot> p;
    p.chart().chart.SetChartGraphType(static_cast<IChartGraph::KELChartGraphType>(9));
    p.Show(&p.chart().histogram);
    EXPECT_TRUE(p.Enabled(CkelPropHistPlot::kStyleId));
}

// A plot of a kind the pages do not name takes a dataset by the library's rule for any other kind:
// one numeric column is enough.
class UnnamedKindPlot : public CkelLinePlot {
public:
    UnnamedKindPlot() { m_plotType = static_cast<KELPlotType>(9); }
};

TEST(CodesBeyondTheNamedOnes, PlotKindTakesADatasetByTheOtherKindsRule) {
    OpenChartPage<CkelPropListLinePlot> p;
    tsltest::SampleChart& s = p.chart();
    UnnamedKindPlot plot;
    plot.SetChartGraph(&s.chart);
    plot.SetDataset(s.wells);
    p.Show(&plot);
    EXPECT_TRUE(p.Pick(CkelPropListLinePlot::kDataTableId, "区块"));
    EXPECT_EQ(plot.GetDataset(), s.blocks);
}

}  // namespace
