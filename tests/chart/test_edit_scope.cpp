// What an edit touches on the chart pages: a text the page's reader refuses after the item took it
// shows the stored value in that item and nothing else changes; a group edit is decided by the
// field edited; entries a group applies again keep their checks and messages.
#include <gtest/gtest.h>

#include "ChartPageFixture.h"
#include "chart/AxisGroups.h"
#include "chart/ChartDataFiles.h"
#include "chart/KelPropHistPlot.h"
#include "chart/KelPropListAxisLabel.h"
#include "chart/KelPropListBarPlotFill.h"
#include "chart/KelPropListLinePlotLabelSymbol.h"
#include "chart/KelPropListLinePlotSet.h"
#include "chart/PropListAxis.h"
#include "framework/PropStyleCombox.h"

using charttest::Boxes;
using charttest::OpenChartPage;
using charttest::ShapedAxis;
using charttest::Texts;

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

// The stored value is looked up on a fresh copy of the page's items: showing it touches no item of
// the page itself, not even those the copy's refresh fills level by level.
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
