// What an edit touches on the chart pages: a text the page's reader refuses after the item took it
// shows the stored value in that item and nothing else changes; a group edit is decided by the
// field edited; entries a group applies again keep their checks and messages.
#include <gtest/gtest.h>

#include "ChartPageFixture.h"
#include "chart/AxisGroups.h"
#include "chart/ChartDataFiles.h"
#include "chart/ChartGraphProp.h"
#include "chart/KelPropHistPlot.h"
#include "chart/KelPropListAxisLabel.h"
#include "chart/KelPropListBarPlotFill.h"
#include "chart/KelPropListChartLegend.h"
#include "chart/KelPropListLinePlotLabelSymbol.h"
#include "chart/KelPropListLinePlotSet.h"
#include "chart/PropListAxis.h"
#include "framework/PropStyleCombox.h"

using namespace charttest;

namespace {

// Every item's shown text, state and options, but that of one item.
template <class Page>
std::string OtherItems(OpenChartPage<Page>& p, DWORD_PTR except) {
    std::string dump;
    for (CBCGPProp* item : p.grid().AllItems())
        if (item->GetData() != except) dump += platform::GridDriver::DumpLine(item) + "\n";
    return dump;
}

TEST(ChartEditScope, AReaderRefusalShowsTheStoredValueInThatItemOnly) {
    OpenChartPage<CPropListAxis> p;
    ShapedAxis axis(0);
    axis.SetIsRangeAuto(false);
    axis.GetTickMarks()->GetMinorTickStruct()->SetDivision(12);
    p.Show(&axis);
    const uint64_t stamp = axis.GetTimeStamp();
    const int repaints = p.Repaints();
    const std::string others = OtherItems(p, chart::kMinorDivisionId);
    p.Report(chart::kMinorDivisionId, "x");
    EXPECT_EQ(p.Value(chart::kMinorDivisionId), "12");
    EXPECT_EQ(axis.GetTickMarks()->GetMinorTickStruct()->GetDivision(), 12u);
    EXPECT_EQ(axis.GetTimeStamp(), stamp);
    EXPECT_EQ(p.Repaints(), repaints);
    EXPECT_EQ(OtherItems(p, chart::kMinorDivisionId), others);
    EXPECT_TRUE(Boxes().empty());

    // A page without a format of its own shows the value as its refresh does; the texts other items
    // took since the refresh stay.
    OpenChartPage<CkelPropHistPlot> hist;
    CHistogramPlot& plot = hist.chart().histogram;
    hist.Show(&plot);
    EXPECT_TRUE(hist.Type(CkelPropHistPlot::kRightValueId, "55.9"));
    const std::string before = OtherItems(hist, CkelPropHistPlot::kLeftValueId);
    const int histRepaints = hist.Repaints();
    hist.Report(CkelPropHistPlot::kLeftValueId, "abc");
    EXPECT_EQ(hist.Value(CkelPropHistPlot::kLeftValueId), "0.00");
    EXPECT_EQ(hist.Value(CkelPropHistPlot::kRightValueId), "55.9");
    EXPECT_EQ(OtherItems(hist, CkelPropHistPlot::kLeftValueId), before);
    EXPECT_EQ(hist.Repaints(), histRepaints);
}

// The stored value is shown for the refused item alone: no other item of the page is touched, not
// even those of the other label level.
TEST(ChartEditScope, TheAxisLabelLevelsOfThePageStayWhileARefusedOffsetShowsAgain) {
    OpenChartPage<CkelPropListAxisLabel> p;
    ShapedAxis axis(0);
    p.Show(&axis);
    ASSERT_TRUE(p.Type(CkelPropListAxisLabel::kMajorXOffsetId, "3x"));
    ASSERT_TRUE(p.Type(CkelPropListAxisLabel::kMinorXOffsetId, "4x"));
    const std::string others = OtherItems(p, CkelPropListAxisLabel::kMajorYOffsetId);
    const int repaints = p.Repaints();
    p.Report(CkelPropListAxisLabel::kMajorYOffsetId, "1e400");
    EXPECT_EQ(p.Value(CkelPropListAxisLabel::kMajorXOffsetId), "3x");
    EXPECT_EQ(p.Value(CkelPropListAxisLabel::kMinorXOffsetId), "4x");
    EXPECT_EQ(OtherItems(p, CkelPropListAxisLabel::kMajorYOffsetId), others);
    EXPECT_EQ(p.Repaints(), repaints);
}

void ExpectFont(const QXLOGFONT& font, COLORREF color, float size) {
    EXPECT_EQ(font.color, color);
    EXPECT_FLOAT_EQ(font.size, size);
}

QXLOGPEN PenOf(CkelLinePlot& line) {
    QXLOGPEN pen;
    line.GetLogPen(&pen);
    return pen;
}

// A stored width the group reader refuses keeps its value while a picked style is written; the
// width itself, refused, writes nothing.
TEST(ChartEditScope, APenGroupEditIsDecidedByTheEditedField) {
    using LineSet = CkelPropListLinePlotSet;
    OpenChartPage<LineSet> p;
    CkelLinePlot& line = p.chart().line;
    QXLOGPEN pen = PenOf(line);
    pen.width = -50;
    pen.style = 1;
    line.SetLogPen(&pen);
    p.Show(&line);
    EXPECT_EQ(p.Value(LineSet::kLineWidthId), "-0.50");
    int repaints = p.Repaints();
    ASSERT_TRUE(p.grid().PickDropDownEntry(p.Item(LineSet::kLineStyleId), 2));
    const UINT picked = dynamic_cast<CPropStyleCombox*>(p.Item(LineSet::kLineStyleId))->GetVal();
    EXPECT_NE(picked, 1u);
    EXPECT_EQ(PenOf(line).style, picked);
    EXPECT_FLOAT_EQ(PenOf(line).width, -50);
    EXPECT_EQ(p.Repaints(), repaints + 1);

    const uint64_t stamp = line.GetTimeStamp();
    repaints = p.Repaints();
    p.Report(LineSet::kLineWidthId, "x");
    EXPECT_EQ(p.Value(LineSet::kLineWidthId), "-0.50");
    EXPECT_EQ(line.GetTimeStamp(), stamp);
    EXPECT_EQ(p.Repaints(), repaints);

    // The fill pages' border pens alike.
    OpenChartPage<CkelPropListBarPlotFill> fill;
    CkelBarPlot& bar = fill.chart().bar;
    bar.GetFillSeryGroup()->AddSery("孔隙度");
    CBarFillSery* sery = bar.GetFillSeryGroup()->GetCurSelFillSery();
    ASSERT_NE(nullptr, sery);
    sery->GetLogPen(&pen);
    pen.width = -50;
    pen.style = 1;
    sery->SetLogPen(&pen);
    fill.Show(&bar);
    ASSERT_TRUE(fill.grid().PickDropDownEntry(fill.Item(CkelPropListBarPlotFill::kBorderStyleId), 2));
    sery->GetLogPen(&pen);
    EXPECT_NE(pen.style, 1u);
    EXPECT_FLOAT_EQ(pen.width, -50);
    fill.Report(CkelPropListBarPlotFill::kBorderWidthId, "-1");
    sery->GetLogPen(&pen);
    EXPECT_FLOAT_EQ(pen.width, -50);
    EXPECT_EQ(fill.Value(CkelPropListBarPlotFill::kBorderWidthId), "-0.50");
}

// A font or pen whose stored size or width does not read (-100) still takes a picked colour or style;
// the size or width stays as stored, and a pick never rewrites a width from its rounded text (99.96
// shown "1.00" stays 99.96).
TEST(ChartEditScope, APickIsTakenWhateverTheStoredSizeOrWidthShows) {
    const COLORREF red = RGB(200, 0, 0);
    QXLOGFONT font;
    font.size = -100;
    QXLOGPEN pen;
    pen.width = -100;
    pen.style = 1;

    OpenChartPage<CChartGraphProp> frame;
    CkelChartTitle* title = frame.chart().chart.GetTitle();
    title->SetLogFont(font);
    frame.Show(&frame.chart().chart);
    EXPECT_TRUE(frame.Color(CChartGraphProp::kFontColorId, red));
    QXLOGFONT stored;
    title->GetLogFont(stored);
    ExpectFont(stored, red, -100);

    using Legend = CkelPropListChartLegend;
    OpenChartPage<Legend> legendPage;
    CkelLegend& legend = legendPage.chart().legend;
    legend.SetTitleFont(&font);
    legend.SetLegendFont(&font);
    legend.SetBorderLine(&pen);
    legendPage.Show(&legend);
    EXPECT_TRUE(legendPage.Color(Legend::kTitleFontColorId, red));
    EXPECT_TRUE(legendPage.Color(Legend::kEntryFontColorId, red));
    ASSERT_TRUE(legendPage.grid().PickDropDownEntry(legendPage.Item(Legend::kFrameLineStyleId), 2));
    legend.GetTitleFont(&stored);
    ExpectFont(stored, red, -100);
    legend.GetLegendFont(&stored);
    EXPECT_EQ(stored.color, red);
    QXLOGPEN border;
    legend.GetBorderLine(&border);
    EXPECT_NE(border.style, 1u);
    EXPECT_FLOAT_EQ(border.width, -100);
    // A change reported for a group row writes nothing and still repaints.
    const uint64_t stamp = legend.GetTimeStamp();
    const int repaints = legendPage.Repaints();
    legendPage.Report(Legend::kTitleFontId, _variant_t(""));
    EXPECT_EQ(legend.GetTimeStamp(), stamp);
    EXPECT_EQ(legendPage.Repaints(), repaints + 1);
    // A stored width with more digits than shown stays on a pick.
    border.width = 99.96f;
    legend.SetBorderLine(&border);
    font.size = 1234.5f;
    legend.SetTitleFont(&font);
    legendPage.Reshow(&legend);
    EXPECT_TRUE(legendPage.Color(Legend::kFrameLineColorId, red));
    EXPECT_TRUE(legendPage.Color(Legend::kTitleFontColorId, RGB(0, 0, 200)));
    legend.GetBorderLine(&border);
    EXPECT_FLOAT_EQ(border.width, 99.96f);
    legend.GetTitleFont(&stored);
    EXPECT_FLOAT_EQ(stored.size, 1234.5f);

    OpenChartPage<CPropListAxis> axisPage;
    ShapedAxis axis(0);
    axis.SetLogPen(&pen);
    font.size = -100;
    axis.GetTitle()->SetFont(&font);
    axisPage.Show(&axis);
    EXPECT_TRUE(axisPage.Color(chart::kTitleFontColorId, red));
    ASSERT_TRUE(axisPage.grid().PickDropDownEntry(axisPage.Item(CPropListAxis::kLineStyleId), 2));
    axis.GetTitle()->GetFont(&stored);
    ExpectFont(stored, red, -100);
    QXLOGPEN line;
    axis.GetLogPen(&line);
    EXPECT_NE(line.style, 1u);
    EXPECT_FLOAT_EQ(line.width, -100);
    line.width = 99.96f;
    axis.SetLogPen(&line);
    axisPage.Reshow(&axis);
    EXPECT_TRUE(axisPage.Color(CPropListAxis::kLineColorId, red));
    axis.GetLogPen(&line);
    EXPECT_EQ(line.color, red);
    EXPECT_FLOAT_EQ(line.width, 99.96f);

    using LineSet = CkelPropListLinePlotSet;
    OpenChartPage<LineSet> lineSet;
    CkelLinePlot& plot = lineSet.chart().line;
    QXLOGPEN plotPen = PenOf(plot);
    plotPen.width = 99.96f;
    plot.SetLogPen(&plotPen);
    lineSet.Show(&plot);
    EXPECT_TRUE(lineSet.Color(LineSet::kLineColorId, red));
    EXPECT_EQ(PenOf(plot).color, red);
    EXPECT_FLOAT_EQ(PenOf(plot).width, 99.96f);
}

// An edit of the step applies the rows again, each with its check: a first row the plot's rows no
// longer hold keeps its value, with the bounds message.
TEST(ChartEditScope, ValueLabelRowsAreCheckedAgainOnAStepEdit) {
    OpenChartPage<CkelPropListLinePlotLabelSymbol> p;
    CkelLinePlot& line = p.chart().line;
    CkelPlotLabels* labels = line.GetLabels();
    labels->SetIsShowlabels(true);
    labels->SetFirstlabelRow(8);
    p.Show(&line);
    line.GetDataRange()->SetLastRow(4);
    EXPECT_TRUE(p.Type(chart::kLabelStepId, "2"));
    EXPECT_EQ(labels->GetStep(), 2u);
    EXPECT_EQ(labels->GetFirstlabelRow(), 8u);
    EXPECT_EQ(Boxes(), Texts{"值必须大于等于1,小于等于5"});
    EXPECT_EQ(p.Value(chart::kLabelFirstRowId), "9");
}

}  // namespace
