// The pages of line, class, pie and ternary plots.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <vector>

#include "ChartPageFixture.h"
#include "chart/ChartDataFiles.h"
#include "chart/KelPropHistLable.h"
#include "chart/KelPropHistPlot.h"
#include "chart/KelPropListBarPlot.h"
#include "chart/KelPropListBarPlotLabel.h"
#include "chart/KelPropListClassPlot.h"
#include "chart/KelPropListClassPlotLabelSymbol.h"
#include "chart/KelPropListLinePlot.h"
#include "chart/KelPropListLinePlotLabelSymbol.h"
#include "chart/KelPropListLinePlotSet.h"
#include "chart/KelPropListPiePlotFill.h"
#include "chart/KelPropListPiePlotLabel.h"
#include "chart/KelPropListRosePlot.h"
#include "chart/PropListPiePlot.h"
#include "chart/PropListTernaryLabel.h"
#include "chart/PropListTernaryPlot.h"

using namespace charttest;
using namespace chart;

namespace {

QXLOGPOINT& SymbolOf(CkelLinePlot& plot) {
    return dynamic_cast<CkelPlotSymbolSimpleStrategy*>(plot.GetSymbol())->m_firstSymbol;
}

// ---- line plot ----------------------------------------------------------------------------------------------

using LinePage = CkelPropListLinePlot;
using LineSet = CkelPropListLinePlotSet;
using LineLabel = CkelPropListLinePlotLabelSymbol;

TEST(LinePlotPage, AxesColumnsAndRows) {
    OpenChartPage<LinePage> p;
    tsltest::SampleChart& s = p.chart();
    s.line.AttachXAxis(&s.x);
    p.Show(&s.line);
    EXPECT_EQ(p.Value(LinePage::kXAxisId), "X轴");
    EXPECT_EQ(p.Value(LinePage::kYColumnId), "孔隙度");
    EXPECT_TRUE(p.Pick(LinePage::kYColumnId, "岩性"));
    EXPECT_EQ(s.line.GetAxis2ColumnIndex(), 2);
    EXPECT_TRUE(p.Pick(LinePage::kYAxisId, "Y轴"));
    EXPECT_EQ(s.line.GetAxis2(), &s.y);
    // A Y axis named as the X axis: the Y list attaches the Y axis of the name, not the X axis.
    CkelAxisStanderdY named;
    named.SetName("X轴");
    s.chart.GetAxisManager()->AddAxis(&named);
    p.Reshow(&s.line);
    EXPECT_EQ(p.Options(LinePage::kYAxisId), (Texts{"Y轴", "X轴"}));
    EXPECT_TRUE(p.Pick(LinePage::kYAxisId, "X轴"));
    EXPECT_EQ(s.line.GetAxis2(), &named);
    EXPECT_EQ(s.line.GetAxis1(), &s.x);
    EXPECT_TRUE(p.Type(LinePage::kLastRowId, "11"));
    EXPECT_EQ(Boxes(), Texts{"值必须大于等于1,小于等于10"});
    EXPECT_TRUE(p.Type(LinePage::kStepId, "2"));
    EXPECT_EQ(s.line.GetDataRange()->GetStep(), 2u);
}

// The X list of a "常规" page showed the X axes "X轴" and "甲" ("甲" listed before the Y axis); with
// the page open and no refresh the chart's axes change, then "甲" is reported into the list: it is
// looked up among the X axes the chart has now.
struct StaleAxisList {
    const char* change;
    std::function<void(tsltest::SampleChart&, CkelAxisStanderdX& jia)> apply;
    // Taken: the plot, on "甲"'s axis before, gets the sample's X axis (the axis named "甲" now).
    // Refused: the plot keeps the sample's X axis and the item shows "X轴" again.
    bool taken;
    const char* shown;
};
const StaleAxisList kStaleAxisLists[] = {
    {"\"甲\" renamed \"乙\", \"X轴\" renamed \"甲\"",
     [](tsltest::SampleChart& s, CkelAxisStanderdX& jia) {
         jia.SetName("乙");
         s.x.SetName("甲");
     },
     true, "甲"},
    {"\"甲\" renamed \"乙\"", [](tsltest::SampleChart&, CkelAxisStanderdX& jia) { jia.SetName("乙"); }, false, "X轴"},
    {"\"甲\" removed, the Y axis renamed \"甲\"",
     [](tsltest::SampleChart& s, CkelAxisStanderdX& jia) {
         auto& axes = s.chart.GetAxisManager()->m_axes;
         axes.erase(std::find(axes.begin(), axes.end(), &jia));
         s.y.SetName("甲");
     },
     false, "X轴"},
};

template <class Page, class Plot>
void ExpectAxisLookedUpWhenReported(Plot tsltest::SampleChart::*member) {
    for (const StaleAxisList& row : kStaleAxisLists) {
        SCOPED_TRACE(row.change);
        CkelAxisStanderdX jia;
        OpenChartPage<Page> p;
        tsltest::SampleChart& s = p.chart();
        Plot& plot = s.*member;
        jia.SetName("甲");
        auto& axes = s.chart.GetAxisManager()->m_axes;
        axes.insert(axes.begin() + 1, &jia);
        plot.AttachXAxis(row.taken ? &jia : &s.x);
        plot.AttachYAxis(&s.y);
        p.Show(&plot);
        ASSERT_EQ(p.Options(Page::kXAxisId), (Texts{"X轴", "甲"}));
        row.apply(s, jia);
        const int repaints = p.Repaints();
        p.Report(Page::kXAxisId, _variant_t("甲"));
        EXPECT_EQ(plot.GetAxis1(), &s.x);
        EXPECT_EQ(plot.GetAxis2(), &s.y);
        EXPECT_EQ(p.Value(Page::kXAxisId), row.shown);
        EXPECT_EQ(p.Repaints() > repaints, row.taken);
    }
}

TEST(PlotAxisLists, ANameReportedIsLookedUpAmongTheAxesOfItsDirectionAsTheyAreNow) {
    {
        SCOPED_TRACE("line plot");
        ExpectAxisLookedUpWhenReported<CkelPropListLinePlot>(&tsltest::SampleChart::line);
    }
    {
        SCOPED_TRACE("bar plot");
        ExpectAxisLookedUpWhenReported<CkelPropListBarPlot>(&tsltest::SampleChart::bar);
    }
    SCOPED_TRACE("histogram");
    ExpectAxisLookedUpWhenReported<CkelPropHistPlot>(&tsltest::SampleChart::histogram);
}

TEST(LinePlotSettings, FillTargetCutoffAndMode) {
    OpenChartPage<LineSet> p;
    CkelLinePlot& line = p.chart().line;
    CkelLinePlotFill* fill = line.GetPlotFills();
    fill->SetShowFill(true);
    fill->SetAutoCutoffValue(7.5);
    fill->SetCutoffValue(2);
    p.Show(&line);
    EXPECT_EQ(p.Value(kLineFillTargetId), "下");
    EXPECT_TRUE(p.Pick(kLineFillTargetId, "左"));
    EXPECT_EQ(fill->GetFillDirections(), CkelLinePlotFill::KEL_FILL_LEFT);
    EXPECT_DOUBLE_EQ(fill->GetCutoffValue(), 7.5) << "a new direction takes the automatic cutoff";
    p.Show(&line);
    EXPECT_EQ(p.Value(kLineFillTargetValueId), "7.50") << "shown at the next refresh";
    EXPECT_TRUE(p.Type(kLineFillTargetValueId, "x"));
    EXPECT_DOUBLE_EQ(fill->GetCutoffValue(), 0);

    EXPECT_FALSE(p.Enabled(LineSet::kReverseId));
    EXPECT_TRUE(p.Pick(LineSet::kModeId, "阶梯"));
    EXPECT_EQ(line.GetLineMode(), 1);
    EXPECT_FALSE(p.Enabled(LineSet::kReverseId)) << "follows the mode at the refresh";
    p.Show(&line);
    EXPECT_TRUE(p.Enabled(LineSet::kReverseId));
    EXPECT_TRUE(p.Pick(LineSet::kReverseId, "是"));
    EXPECT_TRUE(line.GetIsLineStepModeReverse());
    EXPECT_TRUE(p.Type(LineSet::kModeId, "曲线"));
    EXPECT_EQ(line.GetLineMode(), 0);
    EXPECT_EQ(p.Value(LineSet::kModeId), "折线") << "a free text shows the option taken";

    // A free text as the fill's target is taken as up, which the item then shows.
    EXPECT_TRUE(p.Type(kLineFillTargetId, "abc"));
    EXPECT_EQ(fill->GetFillDirections(), CkelLinePlotFill::KEL_FILL_UP);
    EXPECT_EQ(p.Value(kLineFillTargetId), "上");
}

TEST(LinePlotSettings, WithoutAFillOnlyTheFillItemsAreIgnored) {
    OpenChartPage<LineSet> p;
    CkelLinePlot& line = p.chart().line;
    line.RemovePlotFills();
    p.Show(&line);
    EXPECT_TRUE(p.Pick(LineSet::kLineWidthId, "0.5"));
    QXLOGPEN pen;
    line.GetLogPen(&pen);
    EXPECT_FLOAT_EQ(pen.width, 50);
    EXPECT_TRUE(p.Pick(LineSet::kModeId, "阶梯"));
    EXPECT_EQ(line.GetLineMode(), 1);
    EXPECT_TRUE(p.Pick(kLineFillShowId, "是"));
    p.Show(&line);
    EXPECT_EQ(p.Value(LineSet::kModeId), "阶梯");
    EXPECT_EQ(p.Value(LineSet::kLineWidthId), "0.50");
}

TEST(LinePlotLabels, WithoutLabelsTheSymbolStillWorks) {
    OpenChartPage<LineLabel> p;
    CkelLinePlot& line = p.chart().line;
    line.RemoveLabels();
    SymbolOf(line).size = 300;
    p.Show(&line);
    EXPECT_EQ(p.Value(LineLabel::kSymbolSizeId), "3.00");
    EXPECT_TRUE(p.Type(LineLabel::kSymbolSizeId, "4.5"));
    EXPECT_FLOAT_EQ(SymbolOf(line).size, 450);
    EXPECT_TRUE(p.Color(LineLabel::kSymbolInnerId, RGB(0, 0, 200)));
    EXPECT_EQ(SymbolOf(line).innerColor, RGB(0, 0, 200));
    EXPECT_TRUE(p.Pick(kLabelShowId, "是"));
    EXPECT_TRUE(p.Type(LineLabel::kSymbolSizeId, "abc"));
    EXPECT_FLOAT_EQ(SymbolOf(line).size, 450) << "a size that is no number writes nothing";
}

TEST(LinePlotLabels, HidingTheLabelsCollapsesTheirGroups) {
    OpenChartPage<LineLabel> p;
    CkelLinePlot& line = p.chart().line;
    line.GetLabels()->SetIsShowlabels(true);
    p.Show(&line);
    EXPECT_TRUE(p.Expanded(kLabelDataId));
    EXPECT_TRUE(p.Pick(kLabelShowId, "否"));
    EXPECT_FALSE(line.GetLabels()->GetIsShowlabels());
    p.Show(&line);
    for (DWORD_PTR group : {kLabelDataId, kLabelPositionId, kLabelFontId}) {
        EXPECT_FALSE(p.Expanded(group)) << group;
        EXPECT_FALSE(p.Enabled(group + 1)) << group;
    }
}

// The label pages that share the label-data refresh: "显示列值" is enabled only for shown labels
// that are not in the Y column, and hidden labels leave every item of "数据" disabled.
template <class Page>
void ExpectColumnOnlyForShownLabelsOffTheYColumn(OpenChartPage<Page>& p, CQXObject* plot, CkelPlotLabels* labels) {
    for (bool shown : {false, true}) {
        for (bool inY : {false, true}) {
            labels->SetIsShowlabels(shown);
            labels->SetIsLabelsInYCol(inY);
            p.Reshow(plot);
            EXPECT_EQ(p.Enabled(kLabelColumnId), shown && !inY) << "shown " << shown << ", in Y " << inY;
            if (shown) continue;
            for (DWORD_PTR id = kLabelInYColumnId; id <= kLabelStepId; ++id) EXPECT_FALSE(p.Enabled(id)) << id;
        }
    }
}

TEST(PlotLabelPages, TheColumnChoiceNeedsShownLabelsOffTheYColumn) {
    {
        OpenChartPage<LineLabel> p;
        CkelLinePlot& plot = p.chart().line;
        ExpectColumnOnlyForShownLabelsOffTheYColumn(p, &plot, plot.GetLabels());
    }
    {
        OpenChartPage<CkelPropListClassPlotLabelSymbol> p;
        CkelClassPlot& plot = p.chart().classes;
        ExpectColumnOnlyForShownLabelsOffTheYColumn(p, &plot, plot.GetLabels());
    }
    {
        OpenChartPage<CkelPropListBarPlotLabel> p;
        CkelBarPlot& plot = p.chart().bar;
        plot.GetFillSeryGroup()->AddSery("深度");
        ExpectColumnOnlyForShownLabelsOffTheYColumn(p, &plot,
                                                    plot.GetFillSeryGroup()->GetCurSelFillSery()->GetLabels());
    }
    {
        OpenChartPage<CPropListTernaryLabel> p;
        CkelTernaryPlot& plot = p.chart().ternaryPlot;
        ExpectColumnOnlyForShownLabelsOffTheYColumn(p, &plot, plot.GetPlotLabels());
    }
}

// Every label page writes its position group back whole: an entry the edit did not name still
// showing the stored value stands for it (an angle of 45.125 shown "45.1" stays as it is), and the
// edited entry is the number typed ("45" over 45.125 is 45).
template <class Page>
void ExpectPositionEntriesKeepTheirDigits(OpenChartPage<Page>& p, CQXObject* plot, CkelPlotLabels* labels,
                                          DWORD_PTR xOffsetId, DWORD_PTR angleId) {
    labels->SetIsShowlabels(true);
    labels->SetAngle(45.125);
    labels->SetYoffset(-1234.5);
    p.Reshow(plot);
    EXPECT_EQ(p.Value(angleId), "45.1");
    EXPECT_TRUE(p.Type(xOffsetId, "2"));
    EXPECT_DOUBLE_EQ(labels->GetXoffset(), 200);
    EXPECT_DOUBLE_EQ(labels->GetYoffset(), -1234.5);
    EXPECT_DOUBLE_EQ(labels->GetAngle(), 45.125);
    EXPECT_TRUE(p.Type(angleId, "45"));
    EXPECT_DOUBLE_EQ(labels->GetAngle(), 45);
    EXPECT_DOUBLE_EQ(labels->GetXoffset(), 200);
    EXPECT_DOUBLE_EQ(labels->GetYoffset(), -1234.5);
}

TEST(PlotLabelPages, PositionEntriesNotEditedKeepTheirDigitsAndTheEditedOneIsTyped) {
    {
        OpenChartPage<LineLabel> p;
        CkelLinePlot& plot = p.chart().line;
        ExpectPositionEntriesKeepTheirDigits(p, &plot, plot.GetLabels(), kLabelXOffsetId, kLabelAngleId);
    }
    {
        OpenChartPage<CkelPropListClassPlotLabelSymbol> p;
        CkelClassPlot& plot = p.chart().classes;
        ExpectPositionEntriesKeepTheirDigits(p, &plot, plot.GetLabels(), kLabelXOffsetId, kLabelAngleId);
    }
    // The bar and histogram label pages edit the labels of the current bar series.
    const auto seriesLabels = [](CkelBarBasePlot& plot) {
        plot.GetFillSeryGroup()->AddSery("孔隙度");
        return plot.GetFillSeryGroup()->GetCurSelFillSery()->GetLabels();
    };
    {
        OpenChartPage<CkelPropListBarPlotLabel> p;
        ExpectPositionEntriesKeepTheirDigits(p, &p.chart().bar, seriesLabels(p.chart().bar),
                                             CkelPropListBarPlotLabel::kXOffsetId, CkelPropListBarPlotLabel::kAngleId);
    }
    {
        OpenChartPage<CkelPropHistLable> p;
        ExpectPositionEntriesKeepTheirDigits(p, &p.chart().histogram, seriesLabels(p.chart().histogram),
                                             CkelPropHistLable::kXOffsetId, CkelPropHistLable::kAngleId);
    }
    {
        OpenChartPage<CPropListTernaryLabel> p;
        CkelTernaryPlot& plot = p.chart().ternaryPlot;
        ExpectPositionEntriesKeepTheirDigits(p, &plot, plot.GetPlotLabels(), kLabelXOffsetId, kLabelAngleId);
    }
}

// ---- class plot ----------------------------------------------------------------------------------------------

using ClassLabel = CkelPropListClassPlotLabelSymbol;

TEST(ClassPlotPage, ClassColumnStoresTheChosenIndex) {
    OpenChartPage<CkelPropListClassPlot> p;
    CkelClassPlot& plot = p.chart().classes;
    p.Show(&plot);
    EXPECT_EQ(p.Options(CkelPropListClassPlot::kClassColumnId), (Texts{"深度", "孔隙度", "岩性"}));
    EXPECT_TRUE(p.Pick(CkelPropListClassPlot::kClassColumnId, "岩性"));
    EXPECT_EQ(plot.GetClassCol(), 2u);
    EXPECT_TRUE(p.Pick(CkelPropListClassPlot::kXColumnId, "孔隙度"));
    EXPECT_EQ(plot.GetAxis1ColumnIndex(), 1);
}

TEST(ClassPlotLabels, UniformSymbolStartsFromThePlots) {
    OpenChartPage<ClassLabel> p;
    CkelClassPlot& plot = p.chart().classes;
    QXLOGPOINT symbol;
    symbol.style = 1003;
    symbol.size = 250;
    symbol.innerColor = RGB(1, 2, 3);
    plot.SetUniSymbol(&symbol);
    p.Show(&plot);
    EXPECT_EQ(p.Value(ClassLabel::kUniformId), "是");
    EXPECT_TRUE(p.Expanded(ClassLabel::kPointGroupId));

    EXPECT_TRUE(p.Type(ClassLabel::kPointSizeId, "abc"));
    QXLOGPOINT stored;
    plot.GetUniSymbol(&stored);
    EXPECT_FLOAT_EQ(stored.size, 250) << "refused size: the uniform symbol stays";
    EXPECT_EQ(p.Value(ClassLabel::kPointSizeId), "2.50") << "and shows again";
    EXPECT_TRUE(p.Color(ClassLabel::kPointBorderId, RGB(9, 9, 9)));
    plot.GetUniSymbol(&stored);
    EXPECT_EQ(stored.borderColor, RGB(9, 9, 9));
    EXPECT_EQ(stored.innerColor, RGB(1, 2, 3));
    EXPECT_EQ(stored.style, 1003u);

    EXPECT_TRUE(p.Pick(ClassLabel::kUniformId, "否"));
    EXPECT_FALSE(plot.GetIsUniSetSymbol());
    p.Show(&plot);
    EXPECT_FALSE(p.Expanded(ClassLabel::kPointGroupId));
    EXPECT_FALSE(p.Enabled(ClassLabel::kPointStyleId));
}

TEST(ClassPlotLabels, LabelEditsNeedTheLabels) {
    OpenChartPage<ClassLabel> p;
    CkelClassPlot& plot = p.chart().classes;
    plot.RemoveLabels();
    p.Show(&plot);
    EXPECT_TRUE(p.Pick(kLabelShowId, "是"));
    EXPECT_TRUE(p.Type(kLabelXOffsetId, "3"));
    EXPECT_TRUE(p.Pick(ClassLabel::kSymbolShowId, "否"));
    EXPECT_FALSE(plot.GetIsShowSymbol()) << "the symbol items work without labels";
}

// ---- pie plot ------------------------------------------------------------------------------------------------

using PiePage = CPropListPiePlot;
using PieLabel = CkelPropListPiePlotLabel;
using PieFill = CkelPropListPiePlotFill;

TEST(PiePlotPage, SplitDistanceAndStartAngle) {
    OpenChartPage<PiePage> p;
    CPiePlot& pie = p.chart().pie;
    p.Show(&pie);
    EXPECT_EQ(p.Options(PiePage::kDataColumnId), (Texts{"深度", "孔隙度"}));
    EXPECT_TRUE(p.Type(PiePage::kSplitId, "0.5"));
    EXPECT_DOUBLE_EQ(pie.GetSplitDist(), 0.5);
    EXPECT_TRUE(p.Type(PiePage::kSplitId, "0.5a"));
    EXPECT_DOUBLE_EQ(pie.GetSplitDist(), 0.5);
    EXPECT_TRUE(p.Type(PiePage::kStartAngleId, "-45"));
    EXPECT_DOUBLE_EQ(pie.GetStartAngle(), -45);
    EXPECT_TRUE(p.Pick(PiePage::kDataColumnId, "孔隙度"));
    EXPECT_EQ(pie.GetDataCol(), 1);
}

TEST(PiePlotLabels, ColumnRowsAndPlace) {
    OpenChartPage<PieLabel> p;
    CPiePlot& pie = p.chart().pie;
    pie.SetDataCol(1);
    pie.SetLabelCol(1);
    p.Show(&pie);
    EXPECT_EQ(p.Value(PieLabel::kDataColumnValueId), "是");
    EXPECT_FALSE(p.Enabled(PieLabel::kColumnId));
    EXPECT_TRUE(p.Pick(PieLabel::kDataColumnValueId, "否"));
    EXPECT_EQ(pie.GetLabelCol(), 0);
    p.Show(&pie);
    EXPECT_TRUE(p.Enabled(PieLabel::kColumnId));
    EXPECT_EQ(p.Value(PieLabel::kColumnId), "深度");

    EXPECT_TRUE(p.Type(PieLabel::kLastRowId, "11"));
    EXPECT_EQ(Boxes(), Texts{"值必须大于等于1,小于等于10"});
    EXPECT_TRUE(p.Type(PieLabel::kLastRowId, "6"));
    EXPECT_EQ(pie.GetLabel()->m_nLastRow, 5u);
    EXPECT_TRUE(p.Type(PieLabel::kStepId, "2"));
    EXPECT_EQ(pie.GetLabelIndices(), (std::vector<unsigned>{0, 2, 4}));
    EXPECT_TRUE(p.Type(PieLabel::kFirstRowId, "0"));
    EXPECT_EQ(Boxes().back(), "值必须大于等于1,小于等于10");
    EXPECT_EQ(p.Value(PieLabel::kFirstRowId), "1");

    EXPECT_FALSE(p.Enabled(PieLabel::kLeaderLineId)) << "labels inside: no leader lines";
    EXPECT_TRUE(p.Pick(PieLabel::kPlaceId, "外部"));
    p.Show(&pie);
    EXPECT_TRUE(p.Enabled(PieLabel::kLeaderLineId));
    EXPECT_TRUE(p.Pick(PieLabel::kLeaderLineId, "是"));
    EXPECT_TRUE(pie.GetIsShowPosLine());
}

TEST(PiePlotLabels, HidingCollapsesOnlyTheFont) {
    OpenChartPage<PieLabel> p;
    CPiePlot& pie = p.chart().pie;
    p.Show(&pie);
    EXPECT_TRUE(p.Pick(PieLabel::kShowId, "否"));
    p.Show(&pie);
    EXPECT_FALSE(p.Expanded(PieLabel::kFontGroupId));
    EXPECT_FALSE(p.Enabled(PieLabel::kFontSizeId));
    EXPECT_TRUE(p.Enabled(PieLabel::kStepId));
}

TEST(PiePlotFill, AnotherSectorRetargetsBorderAndFill) {
    OpenChartPage<PieFill> p;
    CPiePlot& pie = p.chart().pie;
    CPiePiece first, second;
    first.m_strLabel = "砂岩";
    second.m_strLabel = "泥岩";
    second.m_pen.width = 200;
    pie.AddPiece(first);
    pie.AddPiece(second);
    p.Show(&pie);
    EXPECT_EQ(p.Options(PieFill::kPieceId), (Texts{"砂岩", "泥岩"}));
    EXPECT_EQ(p.Value(PieFill::kPieceId), "砂岩");
    EXPECT_TRUE(p.Pick(PieFill::kPieceId, "泥岩"));
    p.Show(&pie);
    EXPECT_EQ(p.Value(PieFill::kBorderWidthId), "2.00");
    EXPECT_TRUE(p.Pick(PieFill::kBorderWidthId, "0.5"));
    EXPECT_TRUE(p.Color(PieFill::kFillColorId, RGB(5, 5, 5)));
    EXPECT_FLOAT_EQ(pie.GetPiece(1)->m_pen.width, 50);
    EXPECT_EQ(pie.GetPiece(1)->m_brush.fillColor, RGB(5, 5, 5));
    EXPECT_FLOAT_EQ(pie.GetPiece(0)->m_pen.width, first.m_pen.width);
}

TEST(PiePlotPages, WithoutOuterDatasetOrPiecesNothingChanges) {
    OpenChartPage<PieFill> fill;
    OpenChartPage<PiePage> page;
    OpenChartPage<PieLabel> label;
    CPiePlot& pie = fill.chart().pie;
    fill.Show(&pie);
    EXPECT_TRUE(fill.Pick(PieFill::kBorderWidthId, "1.0"));
    EXPECT_TRUE(fill.Pick(PieFill::kFillFlagId, "否"));
    EXPECT_TRUE(fill.Color(PieFill::kFillColorId, RGB(5, 5, 5)));

    pie.SetLabelCol(2);
    page.Show(&pie);
    label.Show(&pie);
    pie.SetOuterDataset(nullptr);  // the items still offer the old columns
    EXPECT_TRUE(page.Pick(PiePage::kDataColumnId, "孔隙度"));
    EXPECT_EQ(pie.GetDataCol(), 0);
    EXPECT_TRUE(label.Pick(PieLabel::kColumnId, "深度"));
    EXPECT_EQ(pie.GetLabelCol(), 2);
    label.Reshow(&pie);
    EXPECT_EQ(label.Value(PieLabel::kDataColumnValueId), "否");
}

// ---- ternary plot -----------------------------------------------------------------------------------------------

using TernaryPage = CPropListTernaryPlot;

struct TernaryAxes {
    explicit TernaryAxes(CkelTernaryPlot& plot) {
        for (ShapedAxis* axis : {&a, &b, &c}) {
            axis->SetMin(0);
            axis->SetMax(100);
        }
        plot.AttachXAxis(&a);
        plot.AttachYAxis(&b);
        plot.SetAxis3(&c);
    }
    double Spacing(ShapedAxis& axis) { return axis.GetTickMarks()->GetMajorTickStruct()->GetSpacing(); }
    ShapedAxis a{2}, b{2}, c{2};
};

TEST(TernaryPlotPage, AxisSettingsGoToAllThreeAxes) {
    OpenChartPage<TernaryPage> p;
    CkelTernaryPlot& plot = p.chart().ternaryPlot;
    TernaryAxes axes(plot);
    p.Show(&plot);
    EXPECT_TRUE(p.Type(TernaryPage::kMajorSpacingId, "40"));
    for (ShapedAxis* axis : {&axes.a, &axes.b, &axes.c}) EXPECT_DOUBLE_EQ(axes.Spacing(*axis), 40);
    EXPECT_TRUE(p.Type(TernaryPage::kMajorSpacingId, "0"));
    for (ShapedAxis* axis : {&axes.a, &axes.b, &axes.c}) EXPECT_DOUBLE_EQ(axes.Spacing(*axis), 40);

    axes.c.SetMax(30);
    EXPECT_TRUE(p.Type(TernaryPage::kMajorSpacingId, "35"));
    EXPECT_EQ(Boxes(), Texts{"主刻度间隔必须小于：30.00"});
    EXPECT_DOUBLE_EQ(axes.Spacing(axes.a), 35);
    EXPECT_DOUBLE_EQ(axes.Spacing(axes.b), 35);
    EXPECT_DOUBLE_EQ(axes.Spacing(axes.c), 40);

    EXPECT_TRUE(p.Pick(TernaryPage::kUnitId, "百分比"));
    EXPECT_TRUE(p.Pick(TernaryPage::kDecimalsId, "2"));
    EXPECT_TRUE(p.Pick(TernaryPage::kMinorDivisionId, "7"));
    for (ShapedAxis* axis : {&axes.a, &axes.b, &axes.c}) {
        EXPECT_EQ(axis->GetAxisUnit(), 1);
        EXPECT_EQ(axis->GetTickLabels()->GetMajorTickLabel()->GetDotCount(), 2);
        EXPECT_EQ(axis->GetTickLabels()->GetMinorTickLabel()->GetDotCount(), 2);
        EXPECT_EQ(axis->GetTickMarks()->GetMinorTickStruct()->GetDivision(), 7u);
    }
    p.Reshow(&plot);
    EXPECT_EQ(p.Value(TernaryPage::kMajorSpacingId), "35.00");
    EXPECT_EQ(p.Value(TernaryPage::kUnitId), "百分比");
}

// The unit list offers "无" and "百分比", yet reads every unit text: "千" reported from code is unit 4
// on all three axes, "万" no unit; a unit the refresh shows ("十", "百", "千") reported back is taken.
// A division reported as "12.99" is 12. Each shows the value taken.
TEST(TernaryPlotPage, UnitsAndDivisionsReportedFromCodeAreReadAsTheirListsRead) {
    OpenChartPage<TernaryPage> p;
    CkelTernaryPlot& plot = p.chart().ternaryPlot;
    TernaryAxes axes(plot);
    p.Show(&plot);
    auto expectAll = [&](int unit, unsigned division) {
        for (ShapedAxis* axis : {&axes.a, &axes.b, &axes.c}) {
            EXPECT_EQ(axis->GetAxisUnit(), unit);
            EXPECT_EQ(axis->GetTickMarks()->GetMinorTickStruct()->GetDivision(), division);
        }
    };
    int repaints = p.Repaints();
    p.Report(TernaryPage::kUnitId, _variant_t("千"));
    expectAll(4, 0);
    EXPECT_EQ(p.Value(TernaryPage::kUnitId), "千");
    EXPECT_GT(p.Repaints(), repaints);
    p.Report(TernaryPage::kUnitId, _variant_t("万"));
    expectAll(0, 0);
    EXPECT_EQ(p.Value(TernaryPage::kUnitId), "无");
    const std::pair<const char*, int> units[] = {{"十", 2}, {"百", 3}, {"千", 4}};
    for (const auto& [shown, unit] : units) {
        for (ShapedAxis* axis : {&axes.a, &axes.b, &axes.c}) axis->SetAxisUnit(CkelLabelFormat::KELUnit(0));
        axes.a.SetAxisUnit(CkelLabelFormat::KELUnit(unit));
        p.Reshow(&plot);
        EXPECT_EQ(p.Value(TernaryPage::kUnitId), shown);
        repaints = p.Repaints();
        p.Report(TernaryPage::kUnitId, _variant_t(shown));
        expectAll(unit, 0);
        EXPECT_GT(p.Repaints(), repaints);
    }
    p.Report(TernaryPage::kMinorDivisionId, _variant_t("12.99"));
    expectAll(4, 12);
    EXPECT_EQ(p.Value(TernaryPage::kMinorDivisionId), "12");
    EXPECT_TRUE(Boxes().empty());
}

// The spacing typed is read once: an axis that refuses it keeps its own spacing and never hands it
// on to the axes after it; when no axis takes it, nothing repaints.
TEST(TernaryPlotPage, ASpacingOneAxisRefusesLeavesThatAxisAndTheOthersTakeIt) {
    OpenChartPage<TernaryPage> p;
    CkelTernaryPlot& plot = p.chart().ternaryPlot;
    TernaryAxes axes(plot);
    auto setUp = [&](std::initializer_list<double> maxima, std::initializer_list<double> spacings) {
        auto max = maxima.begin();
        auto spacing = spacings.begin();
        for (ShapedAxis* axis : {&axes.a, &axes.b, &axes.c}) {
            axis->SetMax(*max++);
            axis->GetTickMarks()->GetMajorTickStruct()->SetSpacing(*spacing++);
        }
        p.Reshow(&plot);
    };
    auto spacings = [&] {
        return std::vector<double>{axes.Spacing(axes.a), axes.Spacing(axes.b), axes.Spacing(axes.c)};
    };

    setUp({80, 80, 80}, {30, 10, 10});
    int repaints = p.Repaints();
    EXPECT_TRUE(p.Type(TernaryPage::kMajorSpacingId, "0"));
    EXPECT_EQ(spacings(), (std::vector<double>{30, 10, 10})) << "no axis takes another's spacing";
    EXPECT_TRUE(Boxes().empty()) << "a spacing of 0 is refused without a message";
    EXPECT_EQ(p.Value(TernaryPage::kMajorSpacingId), "30.00");
    EXPECT_EQ(p.Repaints(), repaints);

    setUp({80, 80, 80}, {10, 10, 10});
    EXPECT_TRUE(p.Type(TernaryPage::kMajorSpacingId, "80"));  // no axis takes it: nothing repaints
    EXPECT_EQ(Boxes().size(), 3u);
    EXPECT_EQ(spacings(), (std::vector<double>{10, 10, 10}));
    EXPECT_EQ(p.Repaints(), repaints);

    setUp({25, 80, 80}, {10, 10, 10});
    EXPECT_TRUE(p.Type(TernaryPage::kMajorSpacingId, "30"));
    EXPECT_EQ(Boxes(), Texts{"主刻度间隔必须小于：25.00"});
    EXPECT_EQ(spacings(), (std::vector<double>{10, 30, 30}));
    EXPECT_EQ(p.Value(TernaryPage::kMajorSpacingId), "10.00") << "the first axis's spacing, as a refresh shows";
    EXPECT_GT(p.Repaints(), repaints);

    EXPECT_TRUE(p.Type(TernaryPage::kMajorSpacingId, "20"));
    EXPECT_EQ(spacings(), (std::vector<double>{20, 20, 20}));
    EXPECT_EQ(p.Value(TernaryPage::kMajorSpacingId), "20") << "a value every axis took stays as typed";

    // The division list offers 1 to 19 only; a division of 0 reaching the page changes no axis.
    unsigned division = 3;
    for (ShapedAxis* axis : {&axes.a, &axes.b, &axes.c})
        axis->GetTickMarks()->GetMinorTickStruct()->SetDivision(division++);
    CBCGPProp* item = p.Item(TernaryPage::kMinorDivisionId);
    item->SetValue(_variant_t("0"));
    EXPECT_EQ(ApplyTernaryAxes(item, &plot), Edit::Refused);
    division = 3;
    for (ShapedAxis* axis : {&axes.a, &axes.b, &axes.c})
        EXPECT_EQ(axis->GetTickMarks()->GetMinorTickStruct()->GetDivision(), division++);
    EXPECT_EQ(p.Value(TernaryPage::kMinorDivisionId), "3");
}

// Without its dataset manager the page shows nothing at a refresh, yet a refused spacing or row
// still shows its message and then the stored value, as the edits show it; nothing is written.
TEST(TernaryPlotPage, WithoutItsDatasetManagerARefusalShowsTheStoredValue) {
    OpenChartPage<TernaryPage> p;
    CkelTernaryPlot& plot = p.chart().ternaryPlot;
    TernaryAxes axes(plot);
    for (ShapedAxis* axis : {&axes.a, &axes.b, &axes.c}) axis->GetTickMarks()->GetMajorTickStruct()->SetSpacing(12.5);
    plot.GetDataRange()->SetFirstRow(2);
    p.chart().DropDatasetManager();
    p.Show(&plot);
    EXPECT_EQ(p.Value(TernaryPage::kMajorSpacingId), "") << "the refresh shows nothing";
    const uint64_t stamp = plot.GetTimeStamp();
    const int repaints = p.Repaints();

    EXPECT_TRUE(p.Type(TernaryPage::kMajorSpacingId, "200"));
    EXPECT_EQ(Boxes(), Texts(3, "主刻度间隔必须小于：100.00"));
    EXPECT_EQ(p.Value(TernaryPage::kMajorSpacingId), "12.50");
    for (ShapedAxis* axis : {&axes.a, &axes.b, &axes.c}) EXPECT_DOUBLE_EQ(axes.Spacing(*axis), 12.5);
    platform::Responder::Instance().ClearMessageBoxes();
    EXPECT_TRUE(p.Type(TernaryPage::kFirstRowId, "0"));
    EXPECT_EQ(Boxes(), Texts{"值必须大于等于1,小于等于10"});
    EXPECT_EQ(p.Value(TernaryPage::kFirstRowId), "3");
    EXPECT_EQ(plot.GetDataRange()->GetFirstRow(), 2u);
    EXPECT_TRUE(p.Type(TernaryPage::kFirstRowId, "abc")) << "refused by the item itself";
    EXPECT_EQ(p.Value(TernaryPage::kFirstRowId), "3");
    EXPECT_EQ(plot.GetTimeStamp(), stamp);
    EXPECT_EQ(p.Repaints(), repaints);
}

TEST(TernaryPlotPage, ColumnsOfTheOuterDataset) {
    OpenChartPage<TernaryPage> p;
    CkelTernaryPlot& plot = p.chart().ternaryPlot;
    p.Show(&plot);
    EXPECT_EQ(p.Options(TernaryPage::kZColumnId), (Texts{"深度", "孔隙度"}));
    EXPECT_EQ(p.Options(TernaryPage::kClassColumnId), (Texts{"深度", "孔隙度", "岩性"}));
    EXPECT_TRUE(p.Pick(TernaryPage::kClassColumnId, "岩性"));
    EXPECT_EQ(plot.GetClassCol(), 2);
    EXPECT_TRUE(p.Pick(TernaryPage::kXColumnId, "孔隙度"));
    EXPECT_EQ(plot.GetXCol(), 1);
    EXPECT_EQ(plot.GetAxis1ColumnIndex(), 1);
}

TEST(TernaryLabelPage, OnlyATernaryPlotIsRead) {
    OpenChartPage<CPropListTernaryLabel> p;
    tsltest::SampleChart& s = p.chart();
    s.line.GetLabels()->SetIsShowlabels(true);
    p.Show(&s.line);
    EXPECT_EQ(p.Value(kLabelShowId), "");
    EXPECT_TRUE(p.Pick(kLabelShowId, "否"));
    EXPECT_TRUE(s.line.GetLabels()->GetIsShowlabels());

    p.Show(&s.ternaryPlot);
    EXPECT_EQ(p.Value(kLabelShowId), "否");
    EXPECT_TRUE(p.Pick(kLabelShowId, "是"));
    EXPECT_TRUE(s.ternaryPlot.GetPlotLabels()->GetIsShowlabels());
    EXPECT_FALSE(p.Enabled(CPropListTernaryLabel::kSymbolSettingsId));

    s.ternaryPlot.RemoveLabels();
    p.Reshow(&s.ternaryPlot);
    EXPECT_TRUE(p.Pick(kLabelShowId, "否"));
}

// ---- option items and picks shared by the plot pages ----------------------------------------------------------

// The item shows shown, an option the plot holds as before (read by get); "1e400" is taken as that
// option and shown as it, and typing the other option stores after.
template <class Page, class Get>
void ExpectNoOptionKeeps(OpenChartPage<Page>& p, DWORD_PTR id, const char* shown, const char* other, double before,
                         double after, Get get) {
    SCOPED_TRACE(shown);
    EXPECT_EQ(p.Value(id), shown);
    EXPECT_TRUE(p.Type(id, "1e400"));
    EXPECT_DOUBLE_EQ(get(), before);
    EXPECT_EQ(p.Value(id), shown);
    EXPECT_TRUE(p.Type(id, other));
    EXPECT_DOUBLE_EQ(get(), after);
}

// A text typed into an option item that keeps free text is read as one of its two options: the plot
// gets that option and the item shows it, also when the plot held it already (a setter given the
// stored value marks no change, so no refresh would replace the typed text).
TEST(PlotOptionTexts, ATextThatIsNoOptionIsTakenAsTheOtherOptionAndShownAsIt) {
    OpenChartPage<CkelPropListBarPlot> bars;
    CkelBarPlot& bar = bars.chart().bar;
    bar.GetFillSeryGroup()->AddSery("深度");
    bar.GetFillSeryGroup()->AddSery("孔隙度");
    bar.SetStackMethod(true);
    bars.Show(&bar);
    EXPECT_EQ(bars.Value(CkelPropListBarPlot::kStackId), "上下");
    EXPECT_TRUE(bars.Type(CkelPropListBarPlot::kStackId, "1e400"));
    EXPECT_FALSE(bar.GetIsStack());
    EXPECT_EQ(bars.Value(CkelPropListBarPlot::kStackId), "左右");
    EXPECT_EQ(bars.Value(CkelPropListBarPlot::kDirectionId), "纵向");
    const int repaints = bars.Repaints();
    EXPECT_TRUE(bars.Type(CkelPropListBarPlot::kDirectionId, "-1e400"));
    EXPECT_FALSE(bar.GetIsHorizontal());
    EXPECT_EQ(bars.Value(CkelPropListBarPlot::kDirectionId), "纵向");
    EXPECT_GT(bars.Repaints(), repaints) << "taken, though nothing changed";
    EXPECT_TRUE(bars.Type(CkelPropListBarPlot::kDirectionId, "横向"));
    EXPECT_TRUE(bar.GetIsHorizontal());
    EXPECT_EQ(bars.Value(CkelPropListBarPlot::kDirectionId), "横向");

    OpenChartPage<ClassLabel> classes;
    CkelClassPlot& plot = classes.chart().classes;
    plot.SetIsUniSetSymbol(false);
    classes.Show(&plot);
    ExpectNoOptionKeeps(classes, ClassLabel::kUniformId, "否", "是", 0, 1, [&] { return plot.GetIsUniSetSymbol(); });

    OpenChartPage<PieLabel> pies;
    CPiePlot& pie = pies.chart().pie;
    pie.SetIsLabelsInner(false);
    pies.Show(&pie);
    ExpectNoOptionKeeps(pies, PieLabel::kPlaceId, "外部", "内部", 0, 1, [&] { return pie.GetIsLabelsInner(); });

    OpenChartPage<CkelPropListRosePlot> roses;
    CRosePlot& rose = roses.chart().rose;
    rose.SetRoseType(CRosePlot::ROSE_FLOWER);
    roses.Show(&rose);
    ExpectNoOptionKeeps(roses, CkelPropListRosePlot::kTypeId, "玫瑰花", "扇形", 1, 0,
                        [&] { return rose.GetRoseType(); });
}

// A pick on a page whose plot lacks what the page edits (a pie without sectors, a ternary plot
// without axes; the histogram's series: HistogramLabelAndFill) has nothing to write to; once the
// plot has it, the same picks reach it, each group edit taking the picked field.
TEST(PlotOptionPicks, PicksReachTheSectorsAndAxesOnceThereAreAny) {
    OpenChartPage<PieFill> sectors;
    CPiePlot& pie = sectors.chart().pie;
    sectors.Show(&pie);
    EXPECT_TRUE(sectors.Pick(PieFill::kBorderWidthId, "0.1"));
    CPiePiece piece;
    piece.m_strLabel = "砂岩";
    pie.AddPiece(piece);
    sectors.Reshow(&pie);
    EXPECT_TRUE(sectors.Pick(PieFill::kBorderWidthId, "0.1"));
    EXPECT_FLOAT_EQ(pie.GetPiece(0)->m_pen.width, 10);
    EXPECT_TRUE(sectors.grid().PickDropDownEntry(sectors.Item(PieFill::kStyleId), 1));
    EXPECT_NE(pie.GetPiece(0)->m_brush.style, piece.m_brush.style);

    OpenChartPage<TernaryPage> ternary;
    CkelTernaryPlot& plot = ternary.chart().ternaryPlot;
    ternary.Show(&plot);
    EXPECT_EQ(ternary.Value(TernaryPage::kMinorDivisionId), "") << "no axis to show";
    EXPECT_TRUE(ternary.Pick(TernaryPage::kMinorDivisionId, "1"));
    const int repaints = ternary.Repaints();
    EXPECT_TRUE(ternary.Type(TernaryPage::kMajorSpacingId, "40"));
    EXPECT_GT(ternary.Repaints(), repaints) << "no axis refused it";
    TernaryAxes axes(plot);
    for (ShapedAxis* axis : {&axes.a, &axes.b, &axes.c}) axis->SetAxisUnit(CkelLabelFormat::KELUnit(1));
    ternary.Reshow(&plot);
    EXPECT_TRUE(ternary.Pick(TernaryPage::kMinorDivisionId, "1"));
    EXPECT_TRUE(ternary.Pick(TernaryPage::kUnitId, "无"));
    EXPECT_TRUE(ternary.Pick(TernaryPage::kDecimalsId, "0"));
    for (ShapedAxis* axis : {&axes.a, &axes.b, &axes.c}) {
        EXPECT_EQ(axis->GetTickMarks()->GetMinorTickStruct()->GetDivision(), 1u);
        EXPECT_EQ(axis->GetAxisUnit(), 0);
        EXPECT_EQ(axis->GetTickLabels()->GetMinorTickLabel()->GetDotCount(), 0);
    }
}

// "显示数据列值" "否" sets the label column to 0: with the data column at 0 that is the column the
// labels show already, and the refresh shows "是" again.
TEST(PlotOptionPicks, NoDataColumnValueIsColumnZero) {
    OpenChartPage<PieLabel> p;
    CPiePlot& pie = p.chart().pie;
    p.Show(&pie);
    EXPECT_EQ(p.Value(PieLabel::kDataColumnValueId), "是");
    EXPECT_TRUE(p.Pick(PieLabel::kDataColumnValueId, "否"));
    EXPECT_EQ(pie.GetLabelCol(), 0);
    p.Reshow(&pie);
    EXPECT_EQ(p.Value(PieLabel::kDataColumnValueId), "是");

    pie.SetDataCol(1);
    pie.SetLabelCol(1);
    p.Show(&pie);
    EXPECT_TRUE(p.Pick(PieLabel::kDataColumnValueId, "否"));
    EXPECT_EQ(pie.GetLabelCol(), 0);
    p.Show(&pie);
    EXPECT_EQ(p.Value(PieLabel::kDataColumnValueId), "否");
    EXPECT_TRUE(p.Enabled(PieLabel::kColumnId));
}

}  // namespace
