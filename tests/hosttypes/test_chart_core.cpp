// Chart core: the strategy factories' tables, the notifying setters, data series and
// datasets, and copies of axes and plots that own strategies.
#include <gtest/gtest.h>

#include <functional>

#include "hostlibs/Thistle/ThistleTesting.h"
#include "hosttypes/Thistle/Axis.h"
#include "hosttypes/Thistle/ChartGraph.h"
#include "hosttypes/Thistle/Legend.h"
#include "hosttypes/Thistle/PiePlot.h"
#include "hosttypes/Thistle/Plots.h"

namespace {

class ChartCore : public ::testing::Test {
protected:
    void SetUp() override { thistle::testing::Reset(); }
};

TEST_F(ChartCore, LabelFactoryTable) {
    CkelLabelStrategyFactory* factory = CkelLabelStrategyFactory::GetLabelStrategyFactory();
    EXPECT_EQ(factory, CkelLabelStrategyFactory::GetLabelStrategyFactory());
    CkelAxisTickLabels labels;
    IkelAxisTickLabelsStrategy* s0 = factory->CreateLabelStratery(KEL_LABEL_AUTO, &labels);
    IkelAxisTickLabelsStrategy* s1 = factory->CreateLabelStratery(KEL_LABEL_DATETIME, &labels);
    IkelAxisTickLabelsStrategy* s2 = factory->CreateLabelStratery(KEL_LABEL_DATASET, &labels);
    EXPECT_NE(nullptr, dynamic_cast<CkelAxisTickLabelsAutoStrategy*>(s0));
    EXPECT_NE(nullptr, dynamic_cast<CkelAxisTickLabelsDateTimeStrategy*>(s1));
    EXPECT_NE(nullptr, dynamic_cast<CkelAxisTickLabelsDataSetStrategy*>(s2));
    EXPECT_EQ(&labels, s2->GetTickLabels());
    EXPECT_EQ(nullptr, factory->CreateLabelStratery(static_cast<KELAxisLabelType>(3), &labels));
    EXPECT_EQ(nullptr, factory->CreateLabelStratery(static_cast<KELAxisLabelType>(-1), &labels));
    factory->DeleteLabelStratery(s0);
    factory->DeleteLabelStratery(s1);
    factory->DeleteLabelStratery(s2);
    factory->DeleteLabelStratery(nullptr);
}

TEST_F(ChartCore, TickMarkFactoryTable) {
    CkelTickMarksStrategyFactory* factory = CkelTickMarksStrategyFactory::GeTickMarkStrategyFactory();
    EXPECT_EQ(factory, CkelTickMarksStrategyFactory::GeTickMarkStrategyFactory());
    CkelAxisTickMarks marks;
    IkelAxisTickMarkStrategy* made[4];
    for (int t = 0; t < 4; ++t) made[t] = factory->CreateTickMarkStratery(static_cast<KELTickMarkType>(t), &marks);
    EXPECT_NE(nullptr, dynamic_cast<CkelAxisTickMarkForFloatSpace*>(made[0]));
    EXPECT_NE(nullptr, dynamic_cast<CkelAxisTickMarkForDateTimeSpace*>(made[1]));
    EXPECT_NE(nullptr, dynamic_cast<CkelAxisTickMarkForRationalSpace*>(made[2]));
    EXPECT_NE(nullptr, dynamic_cast<CkelAxisTickMarkForDataSet*>(made[3]));
    EXPECT_EQ(&marks, made[3]->GetTickMarks());
    EXPECT_EQ(nullptr, factory->CreateTickMarkStratery(static_cast<KELTickMarkType>(4), &marks));
    for (IkelAxisTickMarkStrategy* s : made) factory->DeleteTickMarkStratery(s);
    factory->DeleteTickMarkStratery(nullptr);
}

TEST_F(ChartCore, PlotSymbolFactoryTable) {
    CkelPlotSymbolFactory* factory = CkelPlotSymbolFactory::GetPlotSymbolFactory();
    EXPECT_EQ(factory, CkelPlotSymbolFactory::GetPlotSymbolFactory());
    CkelClassPlot plot;
    IkelPlotSymbolStrategy* simple = factory->CreatePlotSymbolStrategy(KEL_SYMBOL_SIMPLE, &plot);
    auto* typed = dynamic_cast<CkelPlotSymbolSimpleStrategy*>(simple);
    ASSERT_NE(nullptr, typed);
    EXPECT_EQ(&plot, simple->GetPlot());
    typed->m_firstSymbol.style = 12;
    QXLOGPOINT out;
    typed->GetFirstSymbol(&out);
    EXPECT_EQ(12u, out.style);
    EXPECT_EQ(nullptr, factory->CreatePlotSymbolStrategy(static_cast<KELPlotSymbolType>(1), &plot));
    factory->DeletePlotSymbolStrategy(simple);
    EXPECT_EQ(nullptr, simple);
    factory->DeletePlotSymbolStrategy(simple);  // NULL accepted
}

TEST_F(ChartCore, LegendSettersAlwaysNotify) {
    CkelLegend legend;
    QXLOGPEN pen;
    QXLOGBRUSH brush;
    QXLOGFONT font;
    const std::vector<std::function<void()>> setters = {
        [&] { legend.SetDisplayShadow(false); },  [&] { legend.SetShadowFill(&brush); },
        [&] { legend.SetTitleText(""); },         [&] { legend.SetShowTitle(false); },
        [&] { legend.SetTitleFont(&font); },      [&] { legend.SetBorderLine(&pen); },
        [&] { legend.SetInnerBorderLine(&pen); }, [&] { legend.SetBorderFill(&brush); },
        [&] { legend.SetLegendFont(&font); },     [&] { legend.SetLMarginSpace(0); },
        [&] { legend.SetTMarginSpace(0); },       [&] { legend.SetIntervalSpace(0); },
        [&] { legend.SetBorderWidth(0); },        [&] { legend.SetBorderHeight(0); },
    };
    for (size_t i = 0; i < setters.size(); ++i) {
        const uint64_t before = legend.GetTimeStamp();
        setters[i]();  // every value equals the current one
        EXPECT_GT(legend.GetTimeStamp(), before) << "setter " << i;
    }
    legend.SetTitleText("图例");
    legend.SetBorderWidth(250);
    pen.color = RGB(0, 0, 255);
    legend.SetInnerBorderLine(&pen);
    EXPECT_EQ("图例", legend.GetTitleText());
    EXPECT_DOUBLE_EQ(250, legend.GetBorderWidth());
    QXLOGPEN read;
    legend.GetInnerBorderLine(&read);
    EXPECT_EQ(RGB(0, 0, 255), read.color);

    const uint64_t before = legend.GetTimeStamp();
    legend.SetBorderLine(nullptr);
    EXPECT_EQ(before, legend.GetTimeStamp());
}

TEST_F(ChartCore, AxisSpacingNotifiesTitleSettersOnlyStore) {
    CkelAxisStanderdX axis;
    uint64_t before = axis.GetTimeStamp();
    axis.SetIntervalSpacing(0);
    EXPECT_GT(axis.GetTimeStamp(), before);

    CkelAxisTitle* title = axis.GetTitle();
    before = axis.GetTimeStamp();
    const uint64_t titleBefore = title->GetTimeStamp();
    title->SetText("深度");
    title->SetRotateAngle(90);
    title->SetXOffset(1.5);
    QXLOGFONT font;
    font.size = 900;
    title->SetFont(&font);
    EXPECT_EQ(before, axis.GetTimeStamp());
    EXPECT_EQ(titleBefore, title->GetTimeStamp());
    EXPECT_EQ("深度", title->GetText());
    QXLOGFONT read;
    title->GetFont(&read);
    EXPECT_FLOAT_EQ(900, read.size);
    EXPECT_TRUE(thistle::testing::CallLog().empty());
}

TEST_F(ChartCore, TickLabelEntityNotifiesOnSideOnAndFont) {
    CkelAxisTickLabels labels;
    CkelAxisTickLabels::TickLabelEntity* major = labels.GetMajorTickLabel();
    EXPECT_EQ(&labels, major->GetOwner());
    major->SetLabelAngle(30);
    major->SetXOffset(2);
    EXPECT_TRUE(thistle::testing::CallLog().empty());

    const uint64_t before = labels.GetTimeStamp();
    major->SetTickSide(KEL_SIDE_BOTH);
    major->SetOn(false);
    QXLOGFONT font;
    font.color = RGB(9, 9, 9);
    major->SetLOGFONT(&font);
    EXPECT_EQ(3u, thistle::testing::CallLog().size());
    EXPECT_GT(labels.GetTimeStamp(), before);
    QXLOGFONT read;
    major->GetLOGFONT(&read);
    EXPECT_EQ(RGB(9, 9, 9), read.color);
    EXPECT_FALSE(major->GetOn());
    EXPECT_EQ(KEL_SIDE_BOTH, major->GetTickSide());
}

TEST_F(ChartCore, PlotLabelSettersTellThePlot) {
    CkelClassPlot plot;
    CkelPlotLabels* labels = plot.GetLabels();
    EXPECT_EQ(&plot, labels->GetPlot());
    uint64_t before = plot.GetTimeStamp();
    QXLOGFONT font;
    font.size = 1050;
    labels->SetLogFont(&font);
    EXPECT_GT(plot.GetTimeStamp(), before);
    before = plot.GetTimeStamp();
    labels->SetIsShowlabels(true);
    labels->SetStep(2);
    labels->SetHAlignment(1);
    EXPECT_GT(plot.GetTimeStamp(), before);
    EXPECT_EQ(4u, thistle::testing::CallLog().size());
    EXPECT_EQ("CkelPlotLabels::Changed", thistle::testing::CallLog().front());
    QXLOGFONT read;
    labels->GetLogFont(&read);
    EXPECT_FLOAT_EQ(1050, read.size);
    EXPECT_TRUE(labels->GetIsShowlabels());
}

TEST_F(ChartCore, PieLabelFontNotifiesAndBindingIsRefused) {
    CPiePlot pie;
    const uint64_t before = pie.GetTimeStamp();
    QXLOGFONT font;
    font.SetFaceName("黑体");
    pie.SetLabelFont(&font);
    EXPECT_GT(pie.GetTimeStamp(), before);
    QXLOGFONT read;
    pie.GetLabelFont(&read);
    EXPECT_EQ(CString("黑体"), read.GetFaceName());
    CkelDataset dataset;
    EXPECT_FALSE(pie.SetDatasetAndAxises(&dataset, nullptr, nullptr));

    CPiePiece piece;
    piece.m_strLabel = "油层";
    pie.AddPiece(piece);
    EXPECT_EQ("油层", pie.GetPiece(0)->GetLabelStr());
    EXPECT_EQ(nullptr, pie.GetPiece(1));
}

TEST_F(ChartCore, DataSeries) {
    IkelDataSery base;
    EXPECT_EQ(1, base.GetType());
    EXPECT_TRUE(base.GetName().empty());
    EXPECT_DOUBLE_EQ(7.0, base.GetDoubleData(7));
    EXPECT_DOUBLE_EQ(0.0, base.GetMax());
    EXPECT_DOUBLE_EQ(0.0, base.GetMin());
    EXPECT_DOUBLE_EQ(0.0, base.GetMinGreater0());

    CkelDataSeryInt ints;
    ints.Reserve(3);
    ints.AddData(-4);
    ints.AddData(9);
    EXPECT_DOUBLE_EQ(9.0, ints.GetDoubleData(1));
    EXPECT_THROW(ints.GetDoubleData(2), std::out_of_range);

    CkelDataSeryDateTime dates;
    dates.AddData(45000.5);
    dates.AddData(44000.25);
    EXPECT_DOUBLE_EQ(45000.5, dates.GetDoubleData(0));
    EXPECT_DOUBLE_EQ(44000.25, dates.GetMinGreater0());
}

TEST_F(ChartCore, DatasetCountsAndSharesItsSeries) {
    CkelDataset dataset;
    EXPECT_EQ(0u, dataset.GetNumOfSeries());
    auto* depth = new CkelDataSeryDouble;
    depth->SetName("深度");
    depth->AddData(1200.5);
    dataset.AddDataSery(depth);
    dataset.AddDataSery(new CkelDataSeryString);
    dataset.SetName("岩心分析");
    EXPECT_EQ(2u, dataset.GetNumOfSeries());
    EXPECT_EQ(depth, dataset.GetDataSeries("深度"));
    EXPECT_EQ(nullptr, dataset.GetDataSeries(2));
    {
        CkelDataset copy(dataset);  // shares the series; both may go in any order
        EXPECT_EQ(depth, copy.GetDataSeries(0u));
        EXPECT_EQ("岩心分析", copy.GetName());
    }
    EXPECT_DOUBLE_EQ(1200.5, dataset.GetDataSeries(0u)->GetDoubleData(0));
}

TEST_F(ChartCore, AxisCopyGetsStrategiesOfItsOwn) {
    CkelAxisDateTime axis;
    axis.SetMin(10);
    auto* copy = new CkelAxisDateTime(axis);
    EXPECT_DOUBLE_EQ(10, copy->GetMin());
    EXPECT_EQ(5, copy->GetAxisType());
    ASSERT_NE(nullptr, copy->GetTickMarks()->GetStrategy());
    EXPECT_NE(axis.GetTickMarks()->GetStrategy(), copy->GetTickMarks()->GetStrategy());
    EXPECT_EQ(copy->GetTickMarks(), copy->GetTickMarks()->GetStrategy()->GetTickMarks());
    EXPECT_NE(nullptr, dynamic_cast<CkelAxisTickMarkForDateTimeSpace*>(copy->GetTickMarks()->GetStrategy()));
    EXPECT_EQ(copy->GetTickLabels(), copy->GetTickLabels()->GetStrategy()->GetTickLabels());
    EXPECT_EQ(copy->GetTickLabels(), copy->GetTickLabels()->GetMajorTickLabel()->GetOwner());
    delete copy;
    EXPECT_EQ(axis.GetTickMarks(), axis.GetTickMarks()->GetStrategy()->GetTickMarks());

    CkelAxisStanderdY other;
    other = CkelAxisStanderdY();  // assignment replaces the strategies without leaking or sharing
    EXPECT_EQ(other.GetTickLabels(), other.GetTickLabels()->GetStrategy()->GetTickLabels());
}

TEST_F(ChartCore, LinePlotCopyOwnsItsSymbol) {
    CkelLinePlot plot;
    auto* symbol = dynamic_cast<CkelPlotSymbolSimpleStrategy*>(plot.GetSymbol());
    ASSERT_NE(nullptr, symbol);
    symbol->m_firstSymbol.size = 300;
    CkelLinePlot copy(plot);
    ASSERT_NE(nullptr, copy.GetSymbol());
    EXPECT_NE(plot.GetSymbol(), copy.GetSymbol());
    EXPECT_EQ(&copy, copy.GetSymbol()->GetPlot());
    QXLOGPOINT out;
    static_cast<CkelPlotSymbolSimpleStrategy*>(copy.GetSymbol())->GetFirstSymbol(&out);
    EXPECT_FLOAT_EQ(300, out.size);
    EXPECT_EQ(&copy, copy.GetLabels()->GetPlot());
}

TEST_F(ChartCore, TickMarksPositionsAndMinorPen) {
    CkelAxisTickMarks marks;
    EXPECT_EQ(0u, marks.GetSizeForMajorTickPos());
    EXPECT_EQ(0u, marks.GetSizeForMinorAxisData());
    marks.GetMajorTickPos().push_back(FLOATPOINT(1, 2));
    marks.GetMinorTickPos().push_back(FLOATPOINT(3, 4));
    marks.GetMajorAxisData().assign({1.0, 2.0, 3.0});
    EXPECT_EQ(1u, marks.GetSizeForMajorTickPos());
    EXPECT_EQ(3u, marks.GetSizeForMajorAxisData());
    marks.ClearMajorTickPos();
    EXPECT_EQ(0u, marks.GetSizeForMajorTickPos());
    EXPECT_EQ(1u, marks.GetSizeForMinorTickPos());

    const uint64_t before = marks.GetTimeStamp();
    QXLOGPEN pen;
    pen.width = 35;
    marks.GetMinorTickStruct()->SetStyle(&pen);
    QXLOGPEN read;
    marks.GetMinorTickStruct()->GetStyle(&read);
    EXPECT_FLOAT_EQ(35, read.width);
    EXPECT_EQ(before, marks.GetTimeStamp());

    marks.SetStrategyType(static_cast<KELTickMarkType>(9));  // unknown kind: the strategy stays
    EXPECT_NE(nullptr, marks.GetStrategy());
    EXPECT_EQ(KEL_TICKMARK_FLOAT, marks.GetStrategyType());
}

TEST_F(ChartCore, SelectedOutlineStyleKeepsTheOtherWords) {
    CkelBarPlot plot;
    QXLOGPEN pen;
    pen.reserved1 = 5;
    pen.color = RGB(1, 2, 3);
    pen.width = 20;
    plot.GetOutlineStyleWithDrawSelectedMark(pen);
    EXPECT_EQ(997u, pen.style);
    EXPECT_EQ(10u, pen.reserved4);
    EXPECT_EQ(5u, pen.reserved1);
    EXPECT_EQ(RGB(1, 2, 3), pen.color);
    EXPECT_FLOAT_EQ(20, pen.width);
}

// Exposes the angle axis's fixed interval.
class AngleAxis : public CkelAxisAngle {
public:
    using CkelAxisAngle::GetIntervalAngle;
};

TEST_F(ChartCore, SpacesAndAngleParameters) {
    IkelSpace space;
    space.setParameters(FLOATPOINT(0, 0), FLOATPOINT(100, 0), 5, 50);
    EXPECT_DOUBLE_EQ(100, space.getLastFPoint().x);
    EXPECT_DOUBLE_EQ(50, space.getLastSpaceValue());
    space.SetLastSpaceValue(60);
    EXPECT_DOUBLE_EQ(60, space.getLastSpaceValue());

    parametersForAngleSpace paras;
    EXPECT_DOUBLE_EQ(0, paras.m_dStartAngle);
    EXPECT_DOUBLE_EQ(0, paras.m_dSweepAngle);
    AngleAxis axis;
    EXPECT_DOUBLE_EQ(0.0628318530717958, axis.GetIntervalAngle());
    axis.SetMin(2);
    axis.SetMax(8);
    axis.SetDescend(true);
    paras.getParasFromAxis(&axis);
    EXPECT_EQ(std::vector<std::string>{"CkelAxisAngle::FillAngleParameters"}, thistle::testing::CallLog());
    EXPECT_DOUBLE_EQ(2, paras.m_dMin);
    EXPECT_DOUBLE_EQ(8, paras.m_dMax);
    EXPECT_TRUE(paras.m_bDescend);
    paras.getParasFromAxis(nullptr);  // no axis: nothing changes
    EXPECT_DOUBLE_EQ(8, paras.m_dMax);
}

TEST_F(ChartCore, FillUpdateAndChartParts) {
    CkelLinePlot plot;
    IkelPlotFill* fill = plot.GetPlotFills();
    fill->UpdateForPlot();
    EXPECT_EQ(1u, plot.GetPlotFills()->GetUpdateCount());

    CkelTernaryPlot ternary;
    EXPECT_EQ(0u, ternary.GetClassCounts());
    ternary.AddClass(CClassEntity());
    EXPECT_EQ(1u, ternary.GetClassCounts());

    IChartGraph chart;
    chart.GetTitle()->SetText("孔渗关系");
    EXPECT_EQ("孔渗关系", chart.GetTitle()->GetText());
    EXPECT_TRUE(CkelAxisRadius().IsKindOf(RUNTIME_CLASS(IkelAxis)));
    EXPECT_TRUE(CHistogramPlot().IsKindOf(RUNTIME_CLASS(CkelBarBasePlot)));
    EXPECT_TRUE(plot.IsKindOf(RUNTIME_CLASS(CkelLineBasePlot)));
    EXPECT_TRUE(CkelLegend().IsKindOf(RUNTIME_CLASS(CQXObject)));
}

}  // namespace
