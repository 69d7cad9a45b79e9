// Refused texts on the chart pages: every item a number is typed into refuses what its page's
// reader refuses, so the page never sees such a text, writes nothing, repaints nothing, and the
// item shows the stored value again as the page shows it. Texts reported from code into option
// lists: taken as the list maps them, or refused where they name nothing. And no item shows a
// negative zero.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

#include "ChartPageFixture.h"
#include "chart/ChartDataFiles.h"
#include "chart/ChartItems.h"
#include "chart/ChartReaders.h"
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
#include "chart/PropListAxis.h"
#include "chart/PropListAxisTick.h"
#include "chart/PropListPiePlot.h"
#include "chart/PropListTernaryPlot.h"
#include "framework/PropFloat.h"
#include "mfc/FileDialog.h"

using charttest::Boxes;
using charttest::OpenChartPage;
using charttest::ShapedAxis;
using Entity = CkelAxisTickLabels::TickLabelEntity;

namespace {

// One item, the texts its page refuses, and what it then shows.
struct Refusal {
    DWORD_PTR id;
    std::vector<const char*> texts;
    const char* shown;
};

// How a refused text reaches the item: typed (the item refuses it itself) or reported from code (the
// item takes it and the page's reader refuses it).
enum class Entry { Typed, Reported };

// Enters each text: what `state` reads (values and stamps) stays, the view is not repainted, no
// message is shown, and the item shows the stored value (or its text from before).
template <class Page>
void ExpectRefused(OpenChartPage<Page>& p, const std::vector<Refusal>& refusals,
                   const std::function<std::string()>& state, Entry entry = Entry::Typed) {
    for (const Refusal& refusal : refusals) {
        for (const char* text : refusal.texts) {
            SCOPED_TRACE(std::string("item ") + std::to_string(refusal.id) + ", entered \"" + text + "\"");
            const std::string before = state();
            const int repaints = p.Repaints();
            if (entry == Entry::Reported) {
                p.Report(refusal.id, _variant_t(text));
            } else {
                EXPECT_TRUE(p.Type(refusal.id, text));
                EXPECT_TRUE(ItemRefusedText(p.Item(refusal.id))) << "the page never sees the text";
            }
            EXPECT_EQ(p.Value(refusal.id), refusal.shown);
            EXPECT_EQ(state(), before);
            EXPECT_EQ(p.Repaints(), repaints);
            EXPECT_TRUE(Boxes().empty());
        }
    }
}

// What a refusal must leave as it is: the object's stamp.
template <class T>
std::function<std::string()> StampOf(T& object) {
    return [&object] { return std::to_string(object.GetTimeStamp()); };
}

std::string PenState(const QXLOGPEN& pen, uint64_t stamp) {
    return std::to_string(pen.width) + "/" + std::to_string(pen.style) + "/" + std::to_string(stamp);
}

// ---- axis pages ---------------------------------------------------------------------------------------

TEST(ChartRefusedTexts, TickAndGridWidthsTakeOnlyDigitsBlanksAndPoints) {
    const std::vector<const char*> refused = {"-0", "0abc", "5e36", "abc", "-1", "1e39", "1e400"};
    OpenChartPage<CPropListAxisTick> ticks;
    ShapedAxis axis(0);
    CkelAxisTickMarks::MajorTickStruct* major = axis.GetTickMarks()->GetMajorTickStruct();
    QXLOGPEN pen;
    major->GetStyle(&pen);
    pen.width = 125;
    major->SetStyle(&pen);
    ticks.Show(&axis);
    ExpectRefused(ticks, {{CPropListAxisTick::kMajorWidthId, refused, "1.25"}}, [&] {
        QXLOGPEN now;
        major->GetStyle(&now);
        return PenState(now, axis.GetTickMarks()->GetTimeStamp());
    });

    OpenChartPage<CkelPropListAxisGrid> grid;
    axis.GetGrid()->SetShowMajorTicks(true);
    axis.GetGrid()->SetMajorLogPen(&pen);
    grid.Show(&axis);
    ExpectRefused(grid, {{CkelPropListAxisGrid::kMajorWidthId, refused, "1.25"}}, [&] {
        QXLOGPEN now;
        axis.GetGrid()->GetMajorLogPen(&now);
        return PenState(now, axis.GetGrid()->GetTimeStamp());
    });
}

// The axis page shows a refused number with two decimals, as its edits do; the refresh shows one.
TEST(ChartRefusedTexts, AxisPageItemsShowTheStoredValueWithTwoDecimals) {
    OpenChartPage<CPropListAxis> p;
    ShapedAxis axis(0);
    axis.SetAxisLength(850);
    axis.GetTitle()->SetYOffset(1.25);
    p.Show(&axis);
    EXPECT_EQ(p.Value(chart::kLengthId), "8.5");
    ExpectRefused(
        p,
        {{chart::kLengthId, {"abc", "-1", "1e400", "1e307"}, "8.50"},
         {chart::kPosXId, {"-3", "x"}, "0.00"},
         {chart::kTitleYOffsetId, {"abc", "1 ", "-"}, "1.25"},
         {CPropListAxis::kLineWidthId, {"-0", "0abc", "5e36"}, "0.00"}},
        [&] { return std::to_string(axis.GetTimeStamp()) + "/" + std::to_string(axis.GetTitle()->GetTimeStamp()); });

    // An angle axis takes a bound only as GetNumberProp's number; one that is none changes nothing:
    // the item shows its text from before, also after an accepted text the refresh would round.
    OpenChartPage<CPropListAxis> angle;
    CkelAxisAngle turn;
    turn.SetMin(10);
    turn.SetMax(300);
    turn.SetIsRangeAuto(false);
    angle.Show(&turn);
    ExpectRefused(angle, {{chart::kMinId, {"-1", "abc"}, "10.0"}},
                  [&] { return std::to_string(turn.GetTimeStamp()) + "/" + std::to_string(turn.GetMin()); });
    // Reported from code, it shows its text from before as a typed one does.
    ExpectRefused(angle, {{chart::kMinId, {"abc", "-1"}, "10.0"}, {chart::kMaxId, {"abc"}, "300.0"}}, StampOf(turn),
                  Entry::Reported);
    EXPECT_TRUE(angle.Type(chart::kMaxId, "299.125"));
    ExpectRefused(angle, {{chart::kMaxId, {"-5", "x"}, "299.125"}},
                  [&] { return std::to_string(turn.GetTimeStamp()) + "/" + std::to_string(turn.GetMax()); });
}

TEST(ChartRefusedTexts, AxisLabelFontSizeIsReadLikeTheTickWidths) {
    OpenChartPage<CkelPropListAxisLabel> p;
    ShapedAxis axis(0);
    QXLOGFONT font;
    font.size = 900;
    axis.GetTickLabels()->GetMajorTickLabel()->SetLOGFONT(&font);
    p.Show(&axis);
    ExpectRefused(p, {{CkelPropListAxisLabel::kMajorFontSizeId, {"-0", "0abc", "5e36", "abc"}, "9.00"}}, [&] {
        QXLOGFONT now;
        axis.GetTickLabels()->GetMajorTickLabel()->GetLOGFONT(&now);
        return std::to_string(now.size) + "/" + std::to_string(axis.GetTickLabels()->GetTimeStamp());
    });
}

// Where the page's edits show a refused value in a format of their own, a refusal by the item itself
// shows it too, also after an accepted text the refresh would show otherwise; a refusal by the
// page's check (with its message) or of a report from code the same.
TEST(ChartRefusedTexts, BarWidthOverlapAndTickLengthAnswerInTheirEditsFormat) {
    using Bars = CkelPropListBarPlot;
    OpenChartPage<Bars> bars;
    CkelBarPlot& bar = bars.chart().bar;
    bars.Show(&bar);
    EXPECT_TRUE(bars.Type(Bars::kWidthId, "50"));
    EXPECT_TRUE(bars.Type(Bars::kOverlapId, "20"));
    EXPECT_EQ(bars.Value(Bars::kWidthId), "50");
    ExpectRefused(bars, {{Bars::kWidthId, {""}, "50.00"}, {Bars::kOverlapId, {"", "abc"}, "20.00"}}, StampOf(bar));
    EXPECT_TRUE(bars.Type(Bars::kWidthId, "50"));
    EXPECT_TRUE(bars.Type(Bars::kWidthId, "150"));
    EXPECT_EQ(Boxes(), charttest::Texts{"值必须在0-100之间！"});
    EXPECT_EQ(bars.Value(Bars::kWidthId), "50.00");
    bars.Report(Bars::kOverlapId, _variant_t("x"));
    EXPECT_EQ(bars.Value(Bars::kOverlapId), "20.00");
    EXPECT_DOUBLE_EQ(bar.GetOverLapPer(), 0.2);

    OpenChartPage<CPropListAxisTick> ticks;
    ShapedAxis axis(0);
    ticks.Show(&axis);
    EXPECT_TRUE(ticks.Type(CPropListAxisTick::kMajorLengthId, "2.5"));
    ExpectRefused(ticks, {{CPropListAxisTick::kMajorLengthId, {"abc", "-1"}, "2.50"}}, StampOf(*axis.GetTickMarks()));
    // A width the page ignores shows its text from before.
    EXPECT_TRUE(ticks.Type(CPropListAxisTick::kMajorWidthId, "1.125"));
    ExpectRefused(ticks, {{CPropListAxisTick::kMajorWidthId, {"abc"}, "1.125"}}, StampOf(*axis.GetTickMarks()));
}

// ---- legend -------------------------------------------------------------------------------------------------

TEST(ChartRefusedTexts, LegendSizesLinesAndColumns) {
    using Legend = CkelPropListChartLegend;
    OpenChartPage<Legend> p;
    CkelLegend& legend = p.chart().legend;
    QXLOGPEN pen;
    pen.width = 50;
    pen.style = Legend::kDrawnStyle;
    legend.SetInnerBorderLine(&pen);
    legend.SetBorderLine(&pen);
    legend.SetColNum(3);
    legend.SetBorderWidth(300);
    p.Show(&legend);
    ExpectRefused(p,
                  {{Legend::kEntryLineWidthId, {"5e36", "1e38"}, "0.50"},
                   {Legend::kFrameLineWidthId, {"-0", "0abc", "5e36"}, "0.50"},
                   {Legend::kWidthId, {"-5", "-0.001", "1e400"}, "3.00"},
                   {Legend::kColumnsId, {"0", "x", "-2", "4294967296"}, "3"}},
                  StampOf(legend));
    QXLOGFONT font;
    font.size = 1234.5f;
    legend.SetTitleFont(&font);
    p.Reshow(&legend);
    ExpectRefused(p,
                  {{Legend::kWidthId, {"-5"}, "3.00"},
                   {Legend::kColumnsId, {"0", "x"}, "3"},
                   {Legend::kTitleFontSizeId, {"-1", "abc"}, "12.35"},
                   {Legend::kEntryLineWidthId, {"x"}, "0.50"}},
                  StampOf(legend), Entry::Reported);
}

// ---- plot pages ---------------------------------------------------------------------------------------------

TEST(ChartRefusedTexts, PlotPagesShowTheStoredValueAsTheirRefreshShowsIt) {
    OpenChartPage<CkelPropListBarPlotFill> fill;
    CkelBarPlot& bar = fill.chart().bar;
    bar.GetFillSeryGroup()->AddSery("孔隙度");
    fill.Show(&bar);
    ExpectRefused(fill,
                  {{CkelPropListBarPlotFill::kCellSizeId, {"1e39", "5e36"}, "0.00"},
                   {CkelPropListBarPlotFill::kBorderWidthId, {"5e36", "-0"}, "0.00"}},
                  StampOf(bar));

    OpenChartPage<CkelPropHistPlot> hist;
    CHistogramPlot& histogram = hist.chart().histogram;
    hist.Show(&histogram);
    ExpectRefused(hist,
                  {{CkelPropHistPlot::kWidthId, {"1e39", "0", "-3", "abc"}, "80.00"},
                   {CkelPropHistPlot::kZoneCountId, {"1e2", "0.5"}, "10"}},
                  StampOf(histogram));

    OpenChartPage<CPropListPiePlot> pie;
    CPiePlot& piePlot = pie.chart().pie;
    piePlot.SetSplitDist(1.5f);
    pie.Show(&piePlot);
    ExpectRefused(pie,
                  {{CPropListPiePlot::kSplitId, {"1x", "-1", "1e39"}, "1.50"},
                   {CPropListPiePlot::kStartAngleId, {"1e400", "-1e400"}, "0.00"}},
                  StampOf(piePlot));

    OpenChartPage<CkelPropListPiePlotLabel> label;
    label.Show(&piePlot);
    ExpectRefused(label,
                  {{CkelPropListPiePlotLabel::kFirstRowId, {"1e400", "99999999999999999999"}, "1"},
                   {CkelPropListPiePlotLabel::kStepId, {"1e400", "0", "2147483648"}, "1"}},
                  StampOf(piePlot));

    OpenChartPage<CkelPropListRosePlot> rose;
    CRosePlot& rosePlot = rose.chart().rose;
    rose.Show(&rosePlot);
    ExpectRefused(rose, {{CkelPropListRosePlot::kSectorAngleId, {"-10", "10°", "1e39"}, "10.00"}}, StampOf(rosePlot));
}

// A text reported from code that the page's reader refuses is never kept: the item shows the stored
// value as the page shows it (the legend and the angle axis: above).
TEST(ChartRefusedTexts, ReportsThePageRefusesShowTheStoredValue) {
    OpenChartPage<CPropListPiePlot> pie;
    CPiePlot& piePlot = pie.chart().pie;
    piePlot.SetSplitDist(1.5f);
    pie.Show(&piePlot);
    ExpectRefused(pie, {{CPropListPiePlot::kSplitId, {"1x", "-1"}, "1.50"}}, StampOf(piePlot), Entry::Reported);

    OpenChartPage<CkelPropListAxisLabel> label;
    ShapedAxis axis(0);
    axis.GetTickLabels()->GetMajorTickLabel()->SetDotCount(2);
    label.Show(&axis);
    ExpectRefused(label,
                  {{CkelPropListAxisLabel::kMajorXOffsetId, {"1e400"}, "0.00"},
                   {CkelPropListAxisLabel::kMajorDecimalsId, {"-1"}, "2"}},
                  StampOf(*axis.GetTickLabels()), Entry::Reported);
}

// ---- texts reported from code into option lists --------------------------------------------------------------

// A text reported from code that no option of a fixed list holds is read as the list reads any
// text: one its rule maps is taken, the edit runs its steps (the view repaints) and the item shows
// the option taken.
struct Mapped {
    DWORD_PTR id;
    const char* text;
    const char* shown;
};

template <class Page>
void ExpectMapped(OpenChartPage<Page>& p, const std::vector<Mapped>& texts) {
    for (const Mapped& mapped : texts) {
        SCOPED_TRACE(std::string("item ") + std::to_string(mapped.id) + ", reported \"" + mapped.text + "\"");
        const int repaints = p.Repaints();
        p.Report(mapped.id, _variant_t(mapped.text));
        EXPECT_EQ(p.Value(mapped.id), mapped.shown);
        EXPECT_GT(p.Repaints(), repaints);
        EXPECT_TRUE(Boxes().empty());
    }
}

TEST(ChartReportedTexts, TheListsTakeWhatTheirRulesMap) {
    OpenChartPage<CPropListAxis> page;
    ShapedAxis axis(0);
    axis.SetIsRangeAuto(false);
    axis.SetAxisScaleType(2);
    axis.SetAxisUnit(CkelLabelFormat::KELUnit(4));
    page.Show(&axis);
    ExpectMapped(page, {{chart::kScaleTypeId, "abc", "线性"},
                        {chart::kUnitId, "abc", "无"},
                        {chart::kMinorDivisionId, "12.99", "12"},
                        {chart::kDescendId, "", "否"}});
    EXPECT_EQ(axis.GetAxisScaleType(), 1);
    EXPECT_EQ(axis.GetAxisUnit(), 0);
    EXPECT_EQ(axis.GetTickMarks()->GetMinorTickStruct()->GetDivision(), 12u);

    // Texts the conversions map beyond the options an axis offers: a title "上端" on a horizontal
    // axis is position 3, and "对数" where a dataset space offers only "线性" is the logarithmic
    // scale; an axis that offers no title position shows the middle taken for any other text.
    ExpectMapped(page, {{chart::kTitlePosId, "上端", "上端"}, {chart::kMinorDivisionId, "25.7", "25"}});
    EXPECT_EQ(axis.GetTickMarks()->GetMinorTickStruct()->GetDivision(), 25u);
    EXPECT_EQ(axis.GetTitle()->GetTitleRelativePos(), 3);
    OpenChartPage<CPropListAxis> dataset;
    ShapedAxis spaced(0, 2), radius(4);
    dataset.Show(&spaced);
    EXPECT_EQ(dataset.Options(chart::kScaleTypeId), charttest::Texts{"线性"});
    ExpectMapped(dataset, {{chart::kScaleTypeId, "对数", "对数"}});
    EXPECT_EQ(spaced.GetAxisScaleType(), 2);
    dataset.Show(&radius);
    radius.GetTitle()->SetTitleRelativePos(0);
    dataset.Reshow(&radius);
    EXPECT_TRUE(dataset.Options(chart::kTitlePosId).empty());
    ExpectMapped(dataset, {{chart::kTitlePosId, "abc", "中端"}});
    EXPECT_EQ(radius.GetTitle()->GetTitleRelativePos(), 2);

    // Any other tick side is side 1, which a vertical axis names "左部" and an angle axis "内部".
    using Ticks = CPropListAxisTick;
    for (int type : {1, 3}) {
        OpenChartPage<Ticks> ticks;
        ShapedAxis shaped(type);
        shaped.GetTickMarks()->GetMajorTickStruct()->SetSide(2);
        shaped.GetTickMarks()->GetMinorTickStruct()->SetSide(0);
        ticks.Show(&shaped);
        const char* first = type == 1 ? "左部" : "内部";
        ExpectMapped(ticks, {{Ticks::kMajorSideId, "abc", first}, {Ticks::kMinorSideId, "", first}});
        EXPECT_EQ(shaped.GetTickMarks()->GetMajorTickStruct()->GetSide(), 1);
        EXPECT_EQ(shaped.GetTickMarks()->GetMinorTickStruct()->GetSide(), 1);
    }
    // A side text the axis type does not offer names its side all the same: "上部" is the far side,
    // which a vertical axis shows as "右部"; "内部" on a horizontal axis is the far side too.
    OpenChartPage<Ticks> vertical;
    ShapedAxis upright(1), flat(0);
    vertical.Show(&upright);
    ExpectMapped(vertical, {{Ticks::kMajorSideId, "上部", "右部"}});
    EXPECT_EQ(upright.GetTickMarks()->GetMajorTickStruct()->GetSide(), 2);
    vertical.Show(&flat);
    ExpectMapped(vertical, {{Ticks::kMinorSideId, "内部", "上部"}});
    EXPECT_EQ(flat.GetTickMarks()->GetMinorTickStruct()->GetSide(), 2);

    // A date style "dd" is the full date (0), another side the first (0), another arrangement the
    // middle (2), and a yes/no that is not "是" no.
    using Labels = CkelPropListAxisLabel;
    OpenChartPage<Labels> labels;
    ShapedAxis x(0);
    CkelAxisTickLabels* tickLabels = x.GetTickLabels();
    Entity* major = tickLabels->GetMajorTickLabel();
    major->SetDateFormat(2);
    major->SetTickSide(KEL_SIDE_RIGHT_TOP);
    major->SetOn(true);
    tickLabels->SetAlignType(KEL_ALIGN_NEAR);
    labels.Show(&x);
    ExpectMapped(labels, {{Labels::kMajorDateId, "dd", "yyyy-mm-dd"},
                          {Labels::kMajorSideId, "abc", "下部"},
                          {Labels::kAlignId, "", "居中"},
                          {Labels::kMajorShowId, "", "否"}});
    EXPECT_EQ(major->GetDateFormatA(), 0);
    EXPECT_EQ(major->GetTickSide(), 0);
    EXPECT_EQ(tickLabels->GetAlignType(), 2);
    EXPECT_FALSE(major->GetOn());
    // A label side the axis does not offer names its side all the same ("右部" on a horizontal
    // axis is the far side, "上部"), and decimals beyond the options are the number typed.
    ExpectMapped(labels, {{Labels::kMinorSideId, "右部", "上部"}, {Labels::kMajorDecimalsId, "7.9", "7"}});
    EXPECT_EQ(tickLabels->GetMinorTickLabel()->GetTickSide(), 1);
    EXPECT_EQ(major->GetDotCount(), 7);

    // A value-label column no series carries is column 0.
    OpenChartPage<CkelPropListLinePlotLabelSymbol> line;
    CkelPlotLabels* values = line.chart().line.GetLabels();
    values->SetIsShowlabels(true);
    values->SetLabelsColIndex(1);
    line.Show(&line.chart().line);
    EXPECT_EQ(line.Value(chart::kLabelColumnId), "孔隙度");
    ExpectMapped(line, {{chart::kLabelColumnId, "无此选项", "深度"}});
    EXPECT_EQ(values->GetLabelsColIndex(), 0);

    // The uniform-symbol item, a plain item offering "是" and "否": any other text is not uniform,
    // and shows "否".
    using ClassLabels = CkelPropListClassPlotLabelSymbol;
    OpenChartPage<ClassLabels> classes;
    CkelClassPlot& classPlot = classes.chart().classes;
    classPlot.SetIsUniSetSymbol(true);
    classes.Show(&classPlot);
    ASSERT_EQ(FixedListOf(classes.Item(ClassLabels::kUniformId)), nullptr);
    EXPECT_EQ(classes.Options(ClassLabels::kUniformId), (charttest::Texts{"是", "否"}));
    ExpectMapped(classes, {{ClassLabels::kUniformId, "无此选项", "否"}, {ClassLabels::kUniformId, "是", "是"}});
    EXPECT_TRUE(classPlot.GetIsUniSetSymbol());
    ExpectMapped(classes, {{ClassLabels::kUniformId, "", "否"}});
    EXPECT_FALSE(classPlot.GetIsUniSetSymbol());
}

// A choice reported from code that names no axis, dataset, series or sector of the plot, or no
// column where the plot takes no column of -1 (the line, bar and ternary axis columns, and the
// class plot's unsigned class column), writes nothing: it is refused, and the item alone shows its
// text from before.
TEST(ChartReportedTexts, AChoiceThatNamesNothingIsRefused) {
    const std::vector<const char*> nothing = {"", "无此选项"};
    OpenChartPage<CkelPropListLinePlot> line;
    CkelLinePlot& linePlot = line.chart().line;
    linePlot.AttachXAxis(&line.chart().x);
    line.Show(&linePlot);
    using Line = CkelPropListLinePlot;
    ExpectRefused(line,
                  {{Line::kXAxisId, {"无此选项"}, "X轴"},
                   {Line::kXColumnId, nothing, "深度"},
                   {Line::kDataTableId, nothing, "井数据"}},
                  StampOf(linePlot), Entry::Reported);

    OpenChartPage<CkelPropListClassPlot> classes;
    classes.Show(&classes.chart().classes);
    ExpectRefused(classes, {{CkelPropListClassPlot::kClassColumnId, nothing, "深度"}}, StampOf(classes.chart().classes),
                  Entry::Reported);

    using Ternary = CPropListTernaryPlot;
    OpenChartPage<Ternary> ternary;
    CkelTernaryPlot& ternaryPlot = ternary.chart().ternaryPlot;
    ternary.Show(&ternaryPlot);
    ExpectRefused(ternary, {{Ternary::kXColumnId, nothing, "深度"}, {Ternary::kYColumnId, nothing, "孔隙度"}},
                  StampOf(ternaryPlot), Entry::Reported);

    OpenChartPage<CkelPropListBarPlotFill> bars;
    CkelBarPlot& bar = bars.chart().bar;
    bar.GetFillSeryGroup()->AddSery("孔隙度");
    bars.Show(&bar);
    ExpectRefused(bars, {{CkelPropListBarPlotFill::kSeriesId, nothing, "孔隙度"}}, StampOf(bar), Entry::Reported);

    OpenChartPage<CkelPropListPiePlotFill> sectors;
    CPiePlot& pie = sectors.chart().pie;
    CPiePiece piece;
    piece.m_strLabel = "砂岩";
    pie.AddPiece(piece);
    sectors.Show(&pie);
    ExpectRefused(sectors, {{CkelPropListPiePlotFill::kPieceId, nothing, "砂岩"}}, StampOf(pie), Entry::Reported);
}

// Where a page passes the name to the chart library and stores the index it answers, a name no
// series carries is the library's index of a missing series, -1, which the page takes: the rose's
// angle and count columns (-1 is the count column's own "无", which it then shows), the histogram's
// and the pie's data columns, the pie's label column and the ternary class column. The view is
// repainted and the item shows what the refresh shows for -1: "无" for the count column, its text
// for the others (their refresh leaves a column that names no series as it is). A series the list
// does not offer is still a series: its index is taken.
TEST(ChartReportedTexts, AColumnNoSeriesCarriesIsTheLibrarysMissingIndex) {
    using Rose = CkelPropListRosePlot;
    OpenChartPage<Rose> rose;
    CRosePlot& rosePlot = rose.chart().rose;
    rosePlot.SetDataCol(1);
    rosePlot.SetCountCol(1);
    rose.Show(&rosePlot);
    EXPECT_EQ(rose.Options(Rose::kCountColumnId), charttest::Texts{"无"}) << "the sample holds no integer series";
    uint64_t stamp = rosePlot.GetTimeStamp();
    ExpectMapped(rose, {{Rose::kCountColumnId, "无此选项", "无"}, {Rose::kAngleColumnId, "无此选项", "无此选项"}});
    EXPECT_EQ(rosePlot.GetCountCol(), -1);
    EXPECT_EQ(rosePlot.GetDataCol(), -1);
    EXPECT_NE(rosePlot.GetTimeStamp(), stamp);
    rose.Reshow(&rosePlot);
    EXPECT_EQ(rose.Value(Rose::kCountColumnId), "无");
    EXPECT_EQ(rose.Value(Rose::kAngleColumnId), "无此选项") << "the refresh shows no series for -1";
    ExpectMapped(rose, {{Rose::kCountColumnId, "孔隙度", "孔隙度"}, {Rose::kAngleColumnId, "", ""}});
    EXPECT_EQ(rosePlot.GetCountCol(), 1) << "a series not offered is still the chart library's column 1";
    EXPECT_EQ(rosePlot.GetDataCol(), -1);
    rose.Reshow(&rosePlot);
    EXPECT_EQ(rose.Value(Rose::kCountColumnId), "孔隙度") << "the refresh names the series at the column, of any kind";
    ExpectMapped(rose, {{Rose::kCountColumnId, "无", "无"}});
    EXPECT_EQ(rosePlot.GetCountCol(), -1);
    // "无" names no series, so it needs no dataset: without one it still sets no count column.
    rosePlot.SetCountCol(1);
    rosePlot.SetOuterDataset(nullptr);
    rose.Reshow(&rosePlot);
    ExpectMapped(rose, {{Rose::kCountColumnId, "无", "无"}});
    EXPECT_EQ(rosePlot.GetCountCol(), -1);

    OpenChartPage<CkelPropHistPlot> hist;
    CHistogramPlot& histogram = hist.chart().histogram;
    hist.Show(&histogram);
    ExpectMapped(hist, {{CkelPropHistPlot::kDataColumnId, "无此选项", "无此选项"}});
    EXPECT_EQ(histogram.GetDataCol(), -1);
    ExpectMapped(hist, {{CkelPropHistPlot::kDataColumnId, "孔隙度", "孔隙度"}});
    EXPECT_EQ(histogram.GetDataCol(), 1);

    OpenChartPage<CPropListPiePlot> pie;
    CPiePlot& piePlot = pie.chart().pie;
    pie.Show(&piePlot);
    ExpectMapped(pie, {{CPropListPiePlot::kDataColumnId, "", ""}});
    EXPECT_EQ(piePlot.GetDataCol(), -1);

    OpenChartPage<CkelPropListPiePlotLabel> pieLabels;
    piePlot.SetDataCol(0);
    piePlot.SetLabelCol(2);
    pieLabels.Show(&piePlot);
    EXPECT_EQ(pieLabels.Value(CkelPropListPiePlotLabel::kColumnId), "岩性");
    ExpectMapped(pieLabels, {{CkelPropListPiePlotLabel::kColumnId, "无此选项", "无此选项"}});
    EXPECT_EQ(piePlot.GetLabelCol(), -1);

    using Ternary = CPropListTernaryPlot;
    OpenChartPage<Ternary> ternary;
    CkelTernaryPlot& ternaryPlot = ternary.chart().ternaryPlot;
    ternaryPlot.SetClassCol(1);
    ternary.Show(&ternaryPlot);
    stamp = ternaryPlot.GetTimeStamp();
    ExpectMapped(ternary, {{Ternary::kClassColumnId, "无此选项", "无此选项"}});
    EXPECT_EQ(ternaryPlot.GetClassCol(), -1);
    EXPECT_NE(ternaryPlot.GetTimeStamp(), stamp);
    ExpectMapped(ternary, {{Ternary::kClassColumnId, "岩性", "岩性"}});
    EXPECT_EQ(ternaryPlot.GetClassCol(), 2);
}

// Every option list of the chart pages (but the uniform-symbol item, a plain item: see
// TheListsTakeWhatTheirRulesMap) is a fixed list, read by the one reader, and answers a text
// that is none of its options by its page's rule: refused (a name of nothing, a division that is no
// number), or taken as a value: no, side 0 or 1, linear, the middle, up, a polyline, the second of
// two options, "玫瑰花", no unit, 0 decimals (atoi), column 0 (value labels), the bar series' own
// column, or -1 (the chart library's index of a missing series). Reported from code, a refused text
// leaves the item's text and repaints nothing; a taken one runs the edit, which repaints.
struct ListRule {
    DWORD_PTR id;
    bool taken;
    int value;
};
constexpr ListRule Refused(DWORD_PTR id) { return {id, false, 0}; }
constexpr ListRule Takes(DWORD_PTR id, int value) { return {id, true, value}; }

template <class Page>
void ExpectListRules(const std::function<CQXObject*(tsltest::SampleChart&)>& object,
                     const std::vector<ListRule>& rules) {
    OpenChartPage<Page> p;
    p.Show(object(p.chart()));
    for (const ListRule& rule : rules) {
        SCOPED_TRACE("item " + std::to_string(rule.id));
        CFixedListProp* list = FixedListOf(p.Item(rule.id));
        ASSERT_NE(list, nullptr) << "an option list reads through the one reader";
        int value = -99;
        EXPECT_EQ(list->ValueOf("无此选项", &value), rule.taken);
        if (rule.taken) {
            EXPECT_EQ(value, rule.value);
        }
        const std::string before = p.Value(rule.id);
        const int repaints = p.Repaints();
        p.Report(rule.id, _variant_t("无此选项"));
        if (rule.taken) {
            EXPECT_GT(p.Repaints(), repaints);
        } else {
            EXPECT_EQ(p.Value(rule.id), before);
            EXPECT_EQ(p.Repaints(), repaints);
        }
    }
}

TEST(ChartFixedLists, EveryListAnswersAnyOtherTextByItsPagesRule) {
    auto axis = [](tsltest::SampleChart& s) -> CQXObject* {
        s.x.SetIsRangeAuto(false);
        return &s.x;
    };
    ExpectListRules<CPropListAxis>(
        axis, {Takes(chart::kScaleTypeId, 1), Takes(chart::kDescendId, 0), Takes(chart::kAutoRangeId, 0),
               Refused(chart::kMinorDivisionId), Takes(chart::kUnitId, 0), Takes(chart::kTitlePosId, 2)});
    ExpectListRules<CPropListAxisTick>(
        axis, {Takes(CPropListAxisTick::kMajorSideId, 1), Takes(CPropListAxisTick::kMinorSideId, 1)});
    using Labels = CkelPropListAxisLabel;
    ExpectListRules<Labels>(
        axis, {Takes(Labels::kMajorShowId, 0), Takes(Labels::kMajorSideId, 0), Takes(Labels::kMajorDecimalsId, 0),
               Takes(Labels::kMajorDateId, 0), Takes(Labels::kMinorShowId, 0), Takes(Labels::kMinorSideId, 0),
               Takes(Labels::kMinorDecimalsId, 0), Takes(Labels::kMinorDateId, 0), Takes(Labels::kAlignId, 2)});
    ExpectListRules<CkelPropListAxisGrid>(
        axis, {Takes(CkelPropListAxisGrid::kMajorShowId, 0), Takes(CkelPropListAxisGrid::kMinorShowId, 0)});
    using Legend = CkelPropListChartLegend;
    ExpectListRules<Legend>([](tsltest::SampleChart& s) { return &s.legend; },
                            {Takes(Legend::kTransparentId, 0), Takes(Legend::kEntryLineShowId, 0)});

    using Line = CkelPropListLinePlot;
    auto line = [](tsltest::SampleChart& s) -> CQXObject* { return &s.line; };
    ExpectListRules<Line>(line, {Refused(Line::kDataTableId), Refused(Line::kXAxisId), Refused(Line::kYAxisId),
                                 Refused(Line::kXColumnId), Refused(Line::kYColumnId)});
    using LineSet = CkelPropListLinePlotSet;
    ExpectListRules<LineSet>(line, {Takes(chart::kLineFillShowId, 0), Takes(chart::kLineFillTargetId, 0),
                                    Takes(LineSet::kModeId, 0), Takes(LineSet::kReverseId, 0)});
    ExpectListRules<CkelPropListLinePlotLabelSymbol>(
        line, {Takes(chart::kLabelShowId, 0), Takes(chart::kLabelInYColumnId, 0), Takes(chart::kLabelColumnId, 0)});
    auto classes = [](tsltest::SampleChart& s) -> CQXObject* { return &s.classes; };
    ExpectListRules<CkelPropListClassPlot>(classes, {Refused(CkelPropListClassPlot::kClassColumnId)});
    using ClassLabels = CkelPropListClassPlotLabelSymbol;
    ExpectListRules<ClassLabels>(classes, {Takes(ClassLabels::kSymbolShowId, 0)});

    using Bar = CkelPropListBarPlot;
    auto bar = [](tsltest::SampleChart& s) -> CQXObject* {
        s.bar.GetFillSeryGroup()->AddSery("孔隙度");
        return &s.bar;
    };
    ExpectListRules<Bar>(bar, {Refused(Bar::kBaseColumnId), Takes(Bar::kTransferId, 0), Takes(Bar::kStackId, 0),
                               Takes(Bar::kDirectionId, 0)});
    using BarLabels = CkelPropListBarPlotLabel;
    ExpectListRules<BarLabels>(bar, {Refused(BarLabels::kSeriesId), Takes(BarLabels::kShowId, 0),
                                     Takes(BarLabels::kInYColumnId, 0), Takes(BarLabels::kColumnId, 1)});
    using BarFill = CkelPropListBarPlotFill;
    ExpectListRules<BarFill>(bar, {Refused(BarFill::kSeriesId), Takes(BarFill::kFillFlagId, 0)});

    auto histogram = [](tsltest::SampleChart& s) -> CQXObject* { return &s.histogram; };
    ExpectListRules<CkelPropHistPlot>(
        histogram, {Takes(CkelPropHistPlot::kDataColumnId, -1), Takes(CkelPropHistPlot::kStyleId, 0)});
    ExpectListRules<CkelPropHistLable>(histogram, {Takes(CkelPropHistLable::kShowId, 0)});
    ExpectListRules<CkelPropHistFill>(histogram, {Takes(CkelPropHistFill::kFillFlagId, 0)});

    auto pie = [](tsltest::SampleChart& s) -> CQXObject* {
        CPiePiece piece;
        piece.m_strLabel = "砂岩";
        s.pie.AddPiece(piece);
        s.pie.SetLabelCol(1);
        return &s.pie;
    };
    ExpectListRules<CPropListPiePlot>(
        pie, {Refused(CPropListPiePlot::kDataTableId), Takes(CPropListPiePlot::kDataColumnId, -1)});
    using PieLabels = CkelPropListPiePlotLabel;
    ExpectListRules<PieLabels>(
        pie, {Takes(PieLabels::kShowId, 0), Takes(PieLabels::kColumnId, -1), Takes(PieLabels::kDataColumnValueId, 0),
              Takes(PieLabels::kPlaceId, 0), Takes(PieLabels::kLeaderLineId, 0)});
    using PieFill = CkelPropListPiePlotFill;
    ExpectListRules<PieFill>(pie, {Refused(PieFill::kPieceId), Takes(PieFill::kFillFlagId, 0)});

    using Rose = CkelPropListRosePlot;
    auto rose = [](tsltest::SampleChart& s) -> CQXObject* { return &s.rose; };
    ExpectListRules<Rose>(rose, {Refused(Rose::kDataTableId), Takes(Rose::kAngleColumnId, -1),
                                 Takes(Rose::kCountColumnId, -1), Takes(Rose::kTypeId, 1)});
    ExpectListRules<CkelPropListRosePlotFill>(rose, {Takes(CkelPropHistFill::kFillFlagId, 0)});

    using Ternary = CPropListTernaryPlot;
    ExpectListRules<Ternary>(
        [](tsltest::SampleChart& s) { return &s.ternaryPlot; },
        {Refused(Ternary::kDataTableId), Refused(Ternary::kXColumnId), Refused(Ternary::kYColumnId),
         Refused(Ternary::kZColumnId), Takes(Ternary::kClassColumnId, -1), Refused(Ternary::kMinorDivisionId),
         Takes(Ternary::kUnitId, 0), Takes(Ternary::kDecimalsId, 0)});
}

// A file chosen through "选择数据……" that binds nothing (the dialog cancelled, a format no adapter
// reads) is refused like a name of no dataset: the item shows the plot's dataset again, also where
// the data-table step itself leaves the choice, and the view is not repainted.
TEST(ChartReportedTexts, ADataFileThatBindsNothingShowsTheDatasetAgain) {
    OpenChartPage<CkelPropListLinePlot> line;
    CkelLinePlot& plot = line.chart().line;
    line.Show(&plot);
    const int repaints = line.Repaints();
    const std::string unreadable =
        (std::filesystem::temp_directory_path() / ("tessaly-chart-" + std::to_string(::getpid()) + ".bin")).string();
    std::ofstream(unreadable) << "x";
    const std::vector<std::function<void(CDialog&)>> answers = {
        [](CDialog& d) { platform::CancelFileDialog(d); }, [&](CDialog& d) { platform::ChooseFile(d, unreadable); }};
    for (const auto& answer : answers) {
        platform::Responder::Instance().QueueDialogScript(platform::kFileDialogTemplateId, answer);
        EXPECT_TRUE(line.Pick(CkelPropListLinePlot::kDataTableId, "选择数据……"));
        EXPECT_EQ(line.Value(CkelPropListLinePlot::kDataTableId), "井数据");
        EXPECT_EQ(plot.GetDataset(), line.chart().wells);
        EXPECT_EQ(line.Repaints(), repaints);
    }
    EXPECT_EQ(Boxes(), charttest::Texts{"不支持此文件格式！"});
    std::filesystem::remove(unreadable);
}

// ---- negative zero -------------------------------------------------------------------------------------------

// A number too small to show keeps its sign where it is stored, and shows unsigned at the next
// refresh; a zero typed with a minus sign is taken and shown without it.
TEST(ChartNegativeZero, TinyNegativesShowUnsignedAtTheNextRefresh) {
    auto check = [](auto& p, CQXObject* object, DWORD_PTR id, const char* tiny, const char* refreshed,
                    const std::function<double()>& stored) {
        SCOPED_TRACE(tiny);
        EXPECT_TRUE(p.Type(id, "-0"));
        EXPECT_EQ(p.Value(id), "0");
        EXPECT_TRUE(p.Type(id, tiny));
        EXPECT_LT(stored(), 0) << tiny << " keeps its sign";
        p.Reshow(object);
        EXPECT_EQ(p.Value(id), refreshed);
    };

    OpenChartPage<CkelPropListAxisLabel> label;  // the angle axis's "角度"
    CkelAxisAngle angle;
    label.Show(&angle);
    check(label, &angle, CkelPropListAxisLabel::kMajorAngleId, "-9e-96", "0.00",
          [&] { return angle.GetTickLabels()->GetMajorTickLabel()->GetLabelAngel(); });

    OpenChartPage<CPropListPiePlot> pie;  // the pie's "扇区起始角"
    pie.Show(&pie.chart().pie);
    check(pie, &pie.chart().pie, CPropListPiePlot::kStartAngleId, "-6e-50", "0.00",
          [&] { return pie.chart().pie.GetStartAngle(); });

    OpenChartPage<CPropListAxis> axis;  // the X axis's "纵向偏移"
    ShapedAxis x(0);
    axis.Show(&x);
    check(axis, &x, chart::kTitleYOffsetId, "-7e-271", "0.0", [&] { return x.GetTitle()->GetYOffset(); });
}

}  // namespace
