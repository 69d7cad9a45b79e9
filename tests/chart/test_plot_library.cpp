// The chart library's plot settings the plot pages rest on: axes attached by name, column
// indexes, bar series and pie pieces, labelled rows, and the stamps that make pages re-read.
#include <gtest/gtest.h>

#include "ChartFixture.h"

namespace {

TEST(PlotLibrary, AxesAreFoundByNameAndCountTheirPlots) {
    tsltest::SampleChart s;
    CkelAxisManager* axes = s.chart.GetAxisManager();
    EXPECT_EQ(axes->GetAxis("Y轴"), &s.y);
    EXPECT_EQ(axes->GetAxis("Z轴"), nullptr);
    EXPECT_EQ(axes->GetAxis(0u), &s.x);

    s.line.AttachXAxis(&s.x);
    s.bar.AttachXAxis(&s.x);
    EXPECT_EQ(s.x.GetNumsOfPlots(), 2u);
    EXPECT_EQ(s.bar.GetBaseAxis(), &s.x);
    s.bar.AttachXAxis(&s.y);
    EXPECT_EQ(s.x.GetNumsOfPlots(), 1u) << "the bar plot left the X axis";
    EXPECT_EQ(s.y.GetNumsOfPlots(), 1u);
    s.bar.AttachXAxis(nullptr);
    EXPECT_EQ(s.bar.GetAxis1(), &s.y);
}

TEST(PlotLibrary, ColumnIndexesNameSeriesOfTheDataset) {
    tsltest::SampleChart s;
    EXPECT_EQ(s.line.GetColumn2()->GetName(), "孔隙度");
    EXPECT_TRUE(s.line.SetAxis2ColumnIndex(2));
    EXPECT_FALSE(s.line.SetAxis2ColumnIndex(3));
    EXPECT_FALSE(s.line.SetAxis2ColumnIndex(-1));
    EXPECT_EQ(s.line.GetAxis2ColumnIndex(), 2);

    EXPECT_TRUE(s.ternaryPlot.SetAxis3ColumnIndex(0));
    EXPECT_EQ(s.ternaryPlot.GetZCol(), 0);
    EXPECT_EQ(s.wells->GetDataSeriesIndex(s.wells->GetDataSeries("岩性")), 2);
    EXPECT_EQ(s.wells->GetDataSeriesIndex(s.blocks->GetDataSeries(0u)), -1);
    EXPECT_EQ(s.wells->GetDataSeriesIndex(static_cast<IkelDataSery*>(nullptr)), -1);
}

TEST(PlotLibrary, BarSeriesBelongToTheirPlotAndItsCopies) {
    tsltest::SampleChart s;
    CBarFillSeryGrp* group = s.bar.GetFillSeryGroup();
    EXPECT_EQ(group->GetCurSelFillSery(), nullptr);
    group->AddSery("深度");
    group->AddSery("孔隙度");
    EXPECT_EQ(group->GetIndexByName("孔隙度"), 1);
    EXPECT_EQ(group->GetIndexByName("岩性"), -1);
    for (unsigned i = 0; i < 2; ++i)
        EXPECT_EQ(group->GetFillSery(i)->GetLabels()->GetBarSery(), group->GetFillSery(i))
            << "also after the group grew";
    EXPECT_EQ(s.line.GetLabels()->GetBarSery(), nullptr);

    const uint64_t before = s.bar.GetTimeStamp();
    group->SetCurSelIndex(1);
    EXPECT_GT(s.bar.GetTimeStamp(), before) << "the other pages read the new series";
    group->SetCurSelIndex(5);
    EXPECT_EQ(group->GetCurSelIndex(), 1);
    QXLOGBRUSH brush;
    brush.fillColor = RGB(1, 2, 3);
    const uint64_t set = s.bar.GetTimeStamp();
    group->GetCurSelFillSery()->SetLogBrush(&brush);
    EXPECT_GT(s.bar.GetTimeStamp(), set);

    CkelBarPlot copy(s.bar);
    EXPECT_EQ(copy.GetFillSeryGroup()->GetFillSery(0)->GetLabels()->GetPlot(), &copy);
    CBarFillSery* copied = copy.GetFillSeryGroup()->GetFillSery(0);
    EXPECT_EQ(copied->GetLabels()->GetBarSery(), copied);
    const uint64_t original = s.bar.GetTimeStamp();
    copy.GetFillSeryGroup()->GetFillSery(0)->SetIsShowFill(false);
    EXPECT_EQ(s.bar.GetTimeStamp(), original) << "a copy's series stamp the copy";
}

TEST(PlotLibrary, LabelledRowsStayInsideTheDataset) {
    tsltest::SampleChart s;
    CPiePlot::CLabelRange* range = s.pie.GetLabel();
    range->m_nFirstRow = 7;
    range->m_nLastRow = 40;
    range->m_nStep = 2;
    s.pie.CaculateLabelIndex();
    EXPECT_EQ(s.pie.GetLabelIndices(), (std::vector<unsigned>{7, 9}));
    range->m_nFirstRow = 0;
    range->m_nStep = 4000000000u;
    s.pie.CaculateLabelIndex();
    EXPECT_EQ(s.pie.GetLabelIndices(), std::vector<unsigned>{0}) << "no row is passed twice";

    EXPECT_EQ(s.pie.GetCurSelPiece(), nullptr);
    CPiePiece piece;
    piece.m_strLabel = "砂岩";
    s.pie.AddPiece(piece);
    EXPECT_EQ(s.pie.GetPieceIndexByName("砂岩"), 0);
    EXPECT_EQ(s.pie.GetPieceIndexByName("泥岩"), -1);
    s.pie.SetCurSelPiece(-1);
    EXPECT_EQ(s.pie.GetCurSelPiece(), s.pie.GetPiece(0));
}

TEST(PlotLibrary, ALineFillStampsItsPlotAlsoInACopy) {
    tsltest::SampleChart s;
    const uint64_t before = s.line.GetTimeStamp();
    s.line.GetPlotFills()->SetCutoffValue(3);
    EXPECT_GT(s.line.GetTimeStamp(), before);
    CkelLinePlot copy(s.line);
    const uint64_t original = s.line.GetTimeStamp();
    copy.GetPlotFills()->SetShowFill(true);
    EXPECT_EQ(s.line.GetTimeStamp(), original);
    EXPECT_GT(copy.GetTimeStamp(), original);
}

}  // namespace
