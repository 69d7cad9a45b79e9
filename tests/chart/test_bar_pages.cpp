// The pages of bar plots, histograms and rose diagrams.
#include <gtest/gtest.h>

#include "ChartPageFixture.h"
#include "chart/KelPropHistFill.h"
#include "chart/KelPropHistLable.h"
#include "chart/KelPropHistPlot.h"
#include "chart/KelPropListBarPlot.h"
#include "chart/KelPropListBarPlotFill.h"
#include "chart/KelPropListBarPlotLabel.h"
#include "chart/KelPropListRosePlot.h"
#include "chart/KelPropListRosePlotFill.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"

using charttest::Boxes;
using charttest::OpenChartPage;
using charttest::Texts;

namespace {

// A dataset of the sample chart's manager with one series per (name, type) and rows 0 .. 4.
CkelDataset* AddDataset(tsltest::SampleChart& s, const std::string& name,
                        std::initializer_list<std::pair<const char*, int>> series) {
    CkelDataset* dataset = s.chart.GetDatasetManagerObj()->CreateDataset(name);
    for (const auto& [seryName, type] : series) {
        IkelDataSery* sery = nullptr;
        if (type == IkelDataSery::KEL_SERY_STRING) {
            auto* texts = new CkelDataSeryString();
            for (int i = 0; i < 5; ++i) texts->AddData("甲");
            sery = texts;
        } else if (type == IkelDataSery::KEL_SERY_DATETIME) {
            auto* days = new CkelDataSeryDateTime();
            for (int i = 0; i < 5; ++i) days->AddData(40000 + i);
            sery = days;
        } else if (type == IkelDataSery::KEL_SERY_INT) {
            auto* ints = new CkelDataSeryInt();
            for (int i = 0; i < 5; ++i) ints->AddData(i * 10);
            sery = ints;
        } else {
            auto* doubles = new CkelDataSeryDouble();
            for (int i = 0; i < 5; ++i) doubles->AddData(i * 0.5);
            sery = doubles;
        }
        sery->SetName(seryName);
        dataset->AddDataSery(sery);
    }
    return dataset;
}

int Notifications(CQXObject* object) { return parsnip::testing::CountCalls("CQXObject::OnChanged", object); }

// ---- bar plot: 常规 ---------------------------------------------------------------------------------------

using BarPage = CkelPropListBarPlot;

TEST(BarPlotPage, WidthAndOverlapAreCheckedPercentages) {
    OpenChartPage<BarPage> p;
    CkelBarPlot& bar = p.chart().bar;
    p.Show(&bar);
    EXPECT_EQ(p.Value(BarPage::kWidthId), "80.00");

    EXPECT_TRUE(p.Type(BarPage::kWidthId, "60"));
    EXPECT_DOUBLE_EQ(bar.GetWidthPercent(), 0.6);
    // A width out of range is refused with the message: nothing written, nothing repainted.
    const uint64_t stamp = bar.GetTimeStamp();
    const int repaints = p.Repaints();
    EXPECT_TRUE(p.Type(BarPage::kWidthId, "101"));
    EXPECT_EQ(Boxes(), Texts{"值必须在0-100之间！"});
    EXPECT_EQ(p.Value(BarPage::kWidthId), "60.00");
    EXPECT_DOUBLE_EQ(bar.GetWidthPercent(), 0.6);
    EXPECT_EQ(bar.GetTimeStamp(), stamp);
    EXPECT_EQ(p.Repaints(), repaints);
    EXPECT_TRUE(p.Type(BarPage::kWidthId, "-5"));
    EXPECT_EQ(Boxes().size(), 1u) << "a negative width only shows the stored one";
    EXPECT_EQ(p.Value(BarPage::kWidthId), "60.00");

    EXPECT_TRUE(p.Type(BarPage::kOverlapId, "-50"));
    EXPECT_DOUBLE_EQ(bar.GetOverLapPer(), -0.5);
    EXPECT_TRUE(p.Type(BarPage::kOverlapId, "120"));
    EXPECT_EQ(Boxes().back(), "值必须在-100到100之间！");
    EXPECT_EQ(p.Value(BarPage::kOverlapId), "-50.00");
    EXPECT_DOUBLE_EQ(bar.GetOverLapPer(), -0.5);
    EXPECT_GT(p.Repaints(), 0);
}

TEST(BarPlotPage, LayoutItemsFollowTheSeriesAndTheStacking) {
    OpenChartPage<BarPage> p;
    CkelBarPlot& bar = p.chart().bar;
    bar.GetFillSeryGroup()->AddSery("深度");
    p.Show(&bar);
    EXPECT_FALSE(p.Enabled(BarPage::kStackId)) << "one series: nothing to stack";

    bar.GetFillSeryGroup()->AddSery("孔隙度");
    p.Reshow(&bar);
    EXPECT_TRUE(p.Enabled(BarPage::kStackId));
    EXPECT_TRUE(p.Enabled(BarPage::kOverlapId));
    EXPECT_EQ(p.Value(BarPage::kStackId), "左右");
    EXPECT_TRUE(p.Pick(BarPage::kStackId, "上下"));
    EXPECT_TRUE(bar.GetIsStack());
    p.Show(&bar);
    EXPECT_FALSE(p.Enabled(BarPage::kOverlapId)) << "stacked bars do not overlap";

    EXPECT_TRUE(p.Pick(BarPage::kDirectionId, "横向"));
    EXPECT_TRUE(bar.GetIsHorizontal());
    EXPECT_FALSE(bar.GetIsTransfer()) << "the direction is not the series transposition";
}

TEST(BarPlotPage, AxesAndBaseColumnAreChosenByName) {
    OpenChartPage<BarPage> p;
    tsltest::SampleChart& s = p.chart();
    p.Show(&s.bar);
    EXPECT_EQ(p.Options(BarPage::kXAxisId), Texts{"X轴"});
    EXPECT_TRUE(p.Pick(BarPage::kXAxisId, "X轴"));
    EXPECT_EQ(s.bar.GetAxis1(), &s.x);
    EXPECT_EQ(s.x.GetNumsOfPlots(), 1u);
    EXPECT_TRUE(p.Pick(BarPage::kYAxisId, "Y轴"));
    EXPECT_EQ(s.bar.GetAxis2(), &s.y);
    EXPECT_EQ(p.Options(BarPage::kBaseColumnId), (Texts{"深度", "孔隙度", "岩性"}));
    EXPECT_TRUE(p.Pick(BarPage::kBaseColumnId, "岩性"));
    EXPECT_EQ(s.bar.GetAxis1ColumnIndex(), 2);
    EXPECT_FALSE(p.Enabled(BarPage::kDataSeriesId));
}

TEST(BarPlotPage, SeriesTransferIsOfferedAgainWhenTheDatasetAllowsIt) {
    OpenChartPage<BarPage> p;
    tsltest::SampleChart& s = p.chart();
    p.Show(&s.bar);
    EXPECT_FALSE(p.Enabled(BarPage::kTransferId)) << "first series of type 0";
    CkelDataset* texts = AddDataset(s, "分类表", {{"井名", IkelDataSery::KEL_SERY_STRING}, {"产量", 0}});
    s.bar.SetOuterDataset(texts);
    p.Show(&s.bar);
    EXPECT_TRUE(p.Enabled(BarPage::kTransferId)) << "first series of type 2";
    EXPECT_TRUE(p.Pick(BarPage::kTransferId, "是"));
    EXPECT_TRUE(s.bar.GetIsTransfer());

    CkelDataset* empty = AddDataset(s, "空表", {});
    s.bar.SetOuterDataset(empty);
    p.Show(&s.bar);
    EXPECT_FALSE(p.Enabled(BarPage::kTransferId)) << "no series at all";
}

// ---- bar plot: 标签 and 填充 ------------------------------------------------------------------------------

using BarLabel = CkelPropListBarPlotLabel;
using BarFill = CkelPropListBarPlotFill;

TEST(BarPlotLabelAndFill, ASeriesChosenOnOnePageShowsOnTheOther) {
    OpenChartPage<BarFill> fill;
    OpenChartPage<BarLabel> label;
    CkelBarPlot& bar = fill.chart().bar;
    bar.GetFillSeryGroup()->AddSery("深度");
    bar.GetFillSeryGroup()->AddSery("孔隙度");
    bar.GetFillSeryGroup()->GetFillSery(1)->GetLabels()->SetIsShowlabels(true);
    fill.Show(&bar);
    label.Show(&bar);
    EXPECT_EQ(fill.Options(BarFill::kSeriesId), (Texts{"深度", "孔隙度"}));
    EXPECT_EQ(label.Value(BarLabel::kSeriesId), "深度");
    EXPECT_EQ(label.Value(BarLabel::kShowId), "否");

    EXPECT_TRUE(fill.Pick(BarFill::kSeriesId, "孔隙度"));
    label.Show(&bar);
    EXPECT_EQ(label.Value(BarLabel::kSeriesId), "孔隙度");
    EXPECT_EQ(label.Value(BarLabel::kShowId), "是");
    EXPECT_TRUE(label.Expanded(BarLabel::kDataGroupId));
}

TEST(BarPlotLabelAndFill, AFillStyleEditNotifiesThePlotAPenEditDoesNot) {
    OpenChartPage<BarFill> p;
    CkelBarPlot& bar = p.chart().bar;
    bar.GetFillSeryGroup()->AddSery("深度");
    p.Show(&bar);
    const int before = Notifications(&bar);
    EXPECT_TRUE(p.Pick(BarFill::kBorderWidthId, "0.5"));
    QXLOGPEN pen;
    bar.GetFillSeryGroup()->GetCurSelFillSery()->GetLogPen(&pen);
    EXPECT_FLOAT_EQ(pen.width, 50);
    EXPECT_EQ(Notifications(&bar), before);
    EXPECT_TRUE(p.Color(BarFill::kLineColorId, RGB(9, 8, 7)));
    QXLOGBRUSH brush;
    bar.GetFillSeryGroup()->GetCurSelFillSery()->GetLogBrush(&brush);
    EXPECT_EQ(brush.lineColor, RGB(9, 8, 7));
    EXPECT_EQ(Notifications(&bar), before + 1);

    EXPECT_TRUE(p.Pick(BarFill::kFillFlagId, "否"));
    p.Show(&bar);
    EXPECT_FALSE(p.Enabled(BarFill::kStyleId));
    EXPECT_TRUE(p.Enabled(BarFill::kFillFlagId));
}

TEST(BarPlotLabelAndFill, WithoutSeriesOrLabelsNothingChanges) {
    OpenChartPage<BarLabel> label;
    OpenChartPage<BarFill> fill;
    CkelBarPlot& bar = label.chart().bar;
    label.Show(&bar);
    fill.Show(&bar);
    EXPECT_TRUE(label.Pick(BarLabel::kShowId, "是"));
    EXPECT_TRUE(fill.Pick(BarFill::kBorderWidthId, "2.0"));
    EXPECT_TRUE(fill.Pick(BarFill::kFillFlagId, "否"));

    bar.GetFillSeryGroup()->AddSery("深度");
    CBarFillSery* sery = bar.GetFillSeryGroup()->GetCurSelFillSery();
    EXPECT_TRUE(sery->GetIsShowFill());
    sery->RemoveLabels();
    label.Reshow(&bar);
    EXPECT_EQ(label.Value(BarLabel::kSeriesId), "深度");
    EXPECT_TRUE(label.Pick(BarLabel::kShowId, "是"));
    EXPECT_TRUE(label.Color(BarLabel::kFontColorId, RGB(1, 1, 1)));
    EXPECT_GT(label.Repaints(), 0);
}

TEST(BarPlotLabelAndFill, LabelEditsReachTheCurrentSeries) {
    OpenChartPage<BarLabel> p;
    CkelBarPlot& bar = p.chart().bar;
    bar.GetFillSeryGroup()->AddSery("深度");
    bar.GetFillSeryGroup()->AddSery("孔隙度");
    bar.GetFillSeryGroup()->SetCurSelIndex(1);
    CkelPlotLabels* labels = bar.GetFillSeryGroup()->GetCurSelFillSery()->GetLabels();
    labels->SetIsShowlabels(true);
    labels->SetIsLabelsInYCol(true);
    QXLOGFONT font;
    font.SetFaceName("黑体");
    font.size = 1400;
    labels->SetLogFont(&font);
    p.Show(&bar);
    EXPECT_TRUE(p.Color(BarLabel::kFontColorId, RGB(200, 0, 0)));
    QXLOGFONT stored;
    labels->GetLogFont(&stored);
    EXPECT_STREQ(stored.GetFaceName(), "黑体");
    EXPECT_FLOAT_EQ(stored.size, 1400);
    EXPECT_EQ(stored.color, RGB(200, 0, 0));

    EXPECT_TRUE(p.Pick(BarLabel::kInYColumnId, "否"));
    EXPECT_EQ(labels->GetLabelsColIndex(), 1) << "the column is the bar series' own";
    EXPECT_TRUE(p.Type(BarLabel::kXOffsetId, "2.5"));
    EXPECT_DOUBLE_EQ(labels->GetXoffset(), 250);
}

// ---- histogram ---------------------------------------------------------------------------------------------

using HistPage = CkelPropHistPlot;

TEST(HistogramPage, BinningTakesWholeNumbersAboveZero) {
    OpenChartPage<HistPage> p;
    CHistogramPlot& hist = p.chart().histogram;
    p.Show(&hist);
    EXPECT_TRUE(p.Type(HistPage::kLeftValueId, "12.7"));
    EXPECT_DOUBLE_EQ(hist.GetLeftValue(), 12);
    EXPECT_TRUE(p.Type(HistPage::kLeftValueId, "0"));
    EXPECT_DOUBLE_EQ(hist.GetLeftValue(), 12);
    EXPECT_EQ(p.Value(HistPage::kLeftValueId), "12.7") << "refused: the text from before the edit";
    EXPECT_TRUE(p.Type(HistPage::kZoneCountId, "10"));
    EXPECT_EQ(hist.GetZoneCount(), 10);
    const uint64_t stamp = hist.GetTimeStamp();
    const int repaints = p.Repaints();
    EXPECT_TRUE(p.Type(HistPage::kZoneCountId, "-3"));
    EXPECT_EQ(hist.GetZoneCount(), 10);
    EXPECT_EQ(p.Value(HistPage::kZoneCountId), "10");
    EXPECT_EQ(hist.GetTimeStamp(), stamp);
    EXPECT_EQ(p.Repaints(), repaints);
    EXPECT_TRUE(p.Type(HistPage::kWidthId, "150"));
    EXPECT_DOUBLE_EQ(hist.GetWidthPercent(), 1.5);
    EXPECT_TRUE(p.Type(HistPage::kRightValueId, "99999999999"));
    EXPECT_DOUBLE_EQ(hist.GetRightValue(), 100) << "beyond an int: refused";
    EXPECT_EQ(p.Value(HistPage::kRightValueId), "100.00");
    EXPECT_TRUE(Boxes().empty());
    p.Show(&hist);
    EXPECT_EQ(p.Value(HistPage::kLeftValueId), "12.00");
}

TEST(HistogramPage, ColumnsAndStyle) {
    OpenChartPage<HistPage> p;
    tsltest::SampleChart& s = p.chart();
    CkelDataset* mixed = AddDataset(s, "混合", {{"名", 2}, {"浮点", 0}, {"整数", 1}, {"时间", 3}});
    s.histogram.SetOuterDataset(mixed);
    p.Show(&s.histogram);
    EXPECT_EQ(p.Options(HistPage::kDataColumnId), (Texts{"浮点", "整数"}));
    EXPECT_TRUE(p.Pick(HistPage::kDataColumnId, "整数"));
    EXPECT_EQ(s.histogram.GetDataCol(), 2);
    EXPECT_TRUE(p.Pick(HistPage::kStyleId, "频率"));
    EXPECT_TRUE(s.histogram.GetIsFrequency());

    s.chart.SetChartGraphType(IChartGraph::KEL_CHART_STATISTIC);
    p.Reshow(&s.histogram);
    EXPECT_FALSE(p.Enabled(HistPage::kStyleId));
    s.chart.SetChartGraphType(IChartGraph::KEL_CHART_XY);
    p.Reshow(&s.histogram);
    EXPECT_TRUE(p.Enabled(HistPage::kStyleId)) << "offered again once the chart type allows it";
}

TEST(HistogramLabelAndFill, TheCurrentSeriesOrNothing) {
    OpenChartPage<CkelPropHistLable> label;
    OpenChartPage<CkelPropHistFill> fill;
    CHistogramPlot& hist = label.chart().histogram;
    label.Show(&hist);
    fill.Show(&hist);
    EXPECT_TRUE(label.Pick(CkelPropHistLable::kShowId, "是"));
    EXPECT_TRUE(fill.Pick(CkelPropHistFill::kBorderWidthId, "1.0"));

    hist.GetFillSeryGroup()->AddSery("深度");
    CBarFillSery* sery = hist.GetFillSeryGroup()->GetCurSelFillSery();
    label.Reshow(&hist);
    fill.Reshow(&hist);
    EXPECT_EQ(label.Value(CkelPropHistLable::kShowId), "否");
    EXPECT_FALSE(label.Enabled(CkelPropHistLable::kXOffsetId));
    EXPECT_TRUE(label.Pick(CkelPropHistLable::kShowId, "是"));
    EXPECT_TRUE(sery->GetLabels()->GetIsShowlabels());
    label.Reshow(&hist);
    EXPECT_TRUE(label.Pick(CkelPropHistLable::kFontSizeId, "20"));
    QXLOGFONT font;
    sery->GetLabels()->GetLogFont(&font);
    EXPECT_FLOAT_EQ(font.size, 2000);

    EXPECT_TRUE(fill.Pick(CkelPropHistFill::kBorderWidthId, "1.5"));
    QXLOGPEN pen;
    sery->GetLogPen(&pen);
    EXPECT_FLOAT_EQ(pen.width, 150);
}

// ---- rose diagram ---------------------------------------------------------------------------------------------

using RosePage = CkelPropListRosePlot;

TEST(RosePage, ColumnsOfIntegersAndNoCountColumn) {
    OpenChartPage<RosePage> p;
    tsltest::SampleChart& s = p.chart();
    CkelDataset* data = AddDataset(s, "方位", {{"浮点", 0}, {"方位角", 1}, {"条数", 1}});
    s.rose.SetOuterDataset(data);
    s.rose.SetDataCol(1);
    p.Show(&s.rose);
    EXPECT_EQ(p.Options(RosePage::kAngleColumnId), (Texts{"方位角", "条数"}));
    EXPECT_EQ(p.Options(RosePage::kCountColumnId), (Texts{"无", "方位角", "条数"}));
    EXPECT_EQ(p.Value(RosePage::kCountColumnId), "无");
    EXPECT_TRUE(p.Pick(RosePage::kCountColumnId, "条数"));
    EXPECT_EQ(s.rose.GetCountCol(), 2);
    EXPECT_TRUE(p.Pick(RosePage::kCountColumnId, "无"));
    EXPECT_EQ(s.rose.GetCountCol(), -1);
    EXPECT_TRUE(p.Pick(RosePage::kAngleColumnId, "条数"));
    EXPECT_EQ(s.rose.GetDataCol(), 2);
}

TEST(RosePage, SectorAngleAndType) {
    OpenChartPage<RosePage> p;
    CRosePlot& rose = p.chart().rose;
    p.Show(&rose);
    EXPECT_TRUE(p.Type(RosePage::kSectorAngleId, "30"));
    EXPECT_DOUBLE_EQ(rose.GetAngleSpacing(), 30);
    EXPECT_TRUE(p.Type(RosePage::kSectorAngleId, "30°"));
    EXPECT_TRUE(p.Type(RosePage::kSectorAngleId, "-10"));
    EXPECT_DOUBLE_EQ(rose.GetAngleSpacing(), 30);
    EXPECT_TRUE(p.Type(RosePage::kSectorAngleId, "22.5"));
    EXPECT_DOUBLE_EQ(rose.GetAngleSpacing(), 22.5);
    EXPECT_TRUE(p.Type(RosePage::kSectorAngleId, ""));
    EXPECT_DOUBLE_EQ(rose.GetAngleSpacing(), 0);

    EXPECT_EQ(p.Value(RosePage::kTypeId), "扇形");
    EXPECT_TRUE(p.Type(RosePage::kTypeId, "abc"));
    EXPECT_DOUBLE_EQ(rose.GetRoseType(), 1);
    p.Show(&rose);
    EXPECT_EQ(p.Value(RosePage::kTypeId), "玫瑰花");
    EXPECT_TRUE(p.Pick(RosePage::kTypeId, "扇形"));
    EXPECT_DOUBLE_EQ(rose.GetRoseType(), 0);
}

TEST(RoseFillPage, EditsTheDiagramItself) {
    OpenChartPage<CkelPropListRosePlotFill> p;
    CRosePlot& rose = p.chart().rose;
    p.Show(&rose);
    EXPECT_EQ(p.Value(CkelPropHistFill::kFillFlagId), "是");
    const int before = Notifications(&rose);
    EXPECT_TRUE(p.Pick(CkelPropHistFill::kBorderWidthId, "0.3"));
    EXPECT_TRUE(p.Pick(CkelPropHistFill::kFillFlagId, "否"));
    EXPECT_EQ(Notifications(&rose), before);
    EXPECT_FALSE(rose.GetIsShowFill());
    EXPECT_TRUE(p.Color(CkelPropHistFill::kFillColorId, RGB(0, 90, 0)));
    EXPECT_EQ(Notifications(&rose), before + 1);
    QXLOGBRUSH brush;
    rose.GetLogBrush(&brush);
    EXPECT_EQ(brush.fillColor, RGB(0, 90, 0));
    QXLOGPEN pen;
    rose.GetLogPen(&pen);
    EXPECT_FLOAT_EQ(pen.width, 30);
}

}  // namespace
