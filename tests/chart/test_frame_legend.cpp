// The chart frame pages ("图设置", "图案") and the legend page, and the library calls they rest on.
#include <gtest/gtest.h>

#include "ChartPageFixture.h"
#include "chart/ChartGraphProp.h"
#include "chart/ChartGraphPropFill.h"
#include "chart/KelPropListChartLegend.h"
#include "hosttypes/Tinder/CommonUtility.h"

using charttest::Boxes;
using charttest::OpenChartPage;
using charttest::Texts;

namespace {

TEST(UtilityNumberTest, AgreesWithLexicalCast) {
    for (const char* text : {"12", "-3.5", "1e3", "0", ".5"}) EXPECT_TRUE(CCommonUtility::IsDigit(text)) << text;
    for (const char* text : {"", " 1", "1 ", "1x", "abc", "0x10", "nan", "inf", "1e999", "--1"})
        EXPECT_FALSE(CCommonUtility::IsDigit(text)) << text;
}

// ---- 图设置 --------------------------------------------------------------------------------------------

using Frame = CChartGraphProp;

TEST(ChartFramePage, ShowsTheTitleAndTakesItsEdits) {
    OpenChartPage<Frame> p;
    CkelChartTitle* title = p.chart().chart.GetTitle();
    title->SetText("孔隙度分布");
    title->SetXOffset(2.5);
    p.Show(&p.chart().chart);
    EXPECT_EQ(p.Value(Frame::kTitleTextId), "孔隙度分布");
    EXPECT_EQ(p.Value(Frame::kXOffsetId), "2.5") << "one decimal after a refresh";
    EXPECT_EQ(p.Value(Frame::kYOffsetId), "0.0");

    EXPECT_TRUE(p.Type(Frame::kTitleTextId, "渗透率"));
    EXPECT_EQ(title->GetText(), "渗透率");
    EXPECT_TRUE(p.Type(Frame::kXOffsetId, "abc"));
    EXPECT_EQ(p.Value(Frame::kXOffsetId), "2.50") << "refused: two decimals, no message";
    EXPECT_EQ(title->GetXOffset(), 2.5);
    EXPECT_TRUE(p.Type(Frame::kYOffsetId, "-4"));
    EXPECT_EQ(title->GetYOffset(), 0) << "negative offsets are no numbers here";
    EXPECT_TRUE(p.Type(Frame::kXOffsetId, "0"));
    EXPECT_EQ(title->GetXOffset(), 0);
    EXPECT_TRUE(Boxes().empty());
    p.Reshow(&p.chart().chart);
    EXPECT_EQ(p.Value(Frame::kXOffsetId), "0.0");
    EXPECT_GT(p.Repaints(), 0);
}

TEST(ChartFramePage, AFontColourEditWritesTheWholeFont) {
    OpenChartPage<Frame> p;
    QXLOGFONT font;
    font.SetFaceName("黑体");
    font.size = 1200;
    font.color = RGB(1, 2, 3);
    p.chart().chart.GetTitle()->SetLogFont(font);
    p.Show(&p.chart().chart);
    EXPECT_TRUE(p.Item(Frame::kFontGroupId)->IsExpanded());
    EXPECT_TRUE(p.Color(Frame::kFontColorId, RGB(200, 0, 0)));
    QXLOGFONT stored;
    p.chart().chart.GetTitle()->GetLogFont(stored);
    EXPECT_STREQ(stored.GetFaceName(), "黑体");
    EXPECT_FLOAT_EQ(stored.size, 1200);
    EXPECT_EQ(stored.color, RGB(200, 0, 0));
}

TEST(ChartFramePage, NoTargetNoWrite) {
    OpenChartPage<Frame> p;
    p.Show(&p.chart().legend);  // not a chart: the page shows and writes nothing
    EXPECT_TRUE(p.Type(Frame::kTitleTextId, "x"));
    EXPECT_EQ(p.chart().chart.GetTitle()->GetText(), "");
}

// ---- 图案 ----------------------------------------------------------------------------------------------

TEST(ChartFillPage, BackgroundColourKeepsTheRestOfTheBrush) {
    OpenChartPage<CChartGraphPropFill> p;
    QXLOGBRUSH brush;
    brush.style = 1001;
    brush.fillColor = RGB(10, 20, 30);
    brush.lineColor = RGB(4, 5, 6);
    p.chart().chart.SetLogBrush(&brush);
    p.Show(&p.chart().chart);
    auto* colour = dynamic_cast<CBCGPColorProp*>(p.Item(CChartGraphPropFill::kFillColorId));
    ASSERT_NE(colour, nullptr);
    EXPECT_EQ(colour->GetColor(), RGB(10, 20, 30));
    EXPECT_TRUE(p.Color(CChartGraphPropFill::kFillColorId, RGB(0, 128, 0)));
    QXLOGBRUSH stored;
    p.chart().chart.GetLogBrush(&stored);
    EXPECT_EQ(stored.fillColor, RGB(0, 128, 0));
    EXPECT_EQ(stored.style, 1001u);
    EXPECT_EQ(stored.lineColor, RGB(4, 5, 6));
    EXPECT_TRUE(p.Automatic(CChartGraphPropFill::kFillColorId));
    p.chart().chart.GetLogBrush(&stored);
    EXPECT_EQ(stored.fillColor, GetSysColor(COLOR_WINDOWTEXT)) << "the automatic colour, never -1";
}

// ---- 图例 ----------------------------------------------------------------------------------------------

using LegendPage = CkelPropListChartLegend;

TEST(LegendPage, BackgroundColourFollowsTransparency) {
    OpenChartPage<LegendPage> p;
    CkelLegend& legend = p.chart().legend;
    QXLOGBRUSH fill;
    fill.style = 1001;
    fill.fillColor = RGB(9, 9, 9);
    legend.SetBorderFill(&fill);
    p.Show(&legend);
    EXPECT_EQ(p.Value(LegendPage::kTransparentId), "否");
    EXPECT_TRUE(p.Enabled(LegendPage::kBackColorId));

    EXPECT_TRUE(p.Pick(LegendPage::kTransparentId, "是"));
    EXPECT_FALSE(p.Enabled(LegendPage::kBackColorId)) << "at once, without a refresh";
    legend.GetBorderFill(&fill);
    EXPECT_EQ(fill.style, 1000u);
    EXPECT_EQ(fill.fillColor, RGB(9, 9, 9)) << "the colour is kept";
    EXPECT_TRUE(p.Pick(LegendPage::kTransparentId, "否"));
    EXPECT_TRUE(p.Enabled(LegendPage::kBackColorId));
    legend.GetBorderFill(&fill);
    EXPECT_EQ(fill.style, 1001u);
}

TEST(LegendPage, EntryLineShowStoresItsStyleWord) {
    OpenChartPage<LegendPage> p;
    CkelLegend& legend = p.chart().legend;
    QXLOGPEN pen;
    pen.style = 1000;
    pen.width = 30;
    pen.color = RGB(1, 1, 1);
    legend.SetInnerBorderLine(&pen);
    p.Show(&legend);
    EXPECT_EQ(p.Value(LegendPage::kEntryLineShowId), "否");
    EXPECT_FALSE(p.Enabled(LegendPage::kEntryLineWidthId));
    EXPECT_TRUE(p.Pick(LegendPage::kEntryLineShowId, "是"));
    legend.GetInnerBorderLine(&pen);
    EXPECT_EQ(pen.style, 1001u);
    EXPECT_FLOAT_EQ(pen.width, 30);
    EXPECT_TRUE(p.Pick(LegendPage::kEntryLineShowId, "否"));
    legend.GetInnerBorderLine(&pen);
    EXPECT_EQ(pen.style, 1000u);
    EXPECT_EQ(pen.color, RGB(1, 1, 1));
}

TEST(LegendPage, SizesInHundredthsAndTheColumnCount) {
    OpenChartPage<LegendPage> p;
    CkelLegend& legend = p.chart().legend;
    legend.SetColNum(2);
    p.Show(&legend);
    EXPECT_EQ(p.Value(LegendPage::kColumnsId), "2");
    EXPECT_TRUE(p.Type(LegendPage::kSpacingId, "0.75"));
    EXPECT_EQ(legend.GetIntervalSpace(), 75);
    EXPECT_TRUE(p.Type(LegendPage::kWidthId, "1.5"));
    EXPECT_EQ(legend.GetBorderWidth(), 150);
    EXPECT_TRUE(p.Type(LegendPage::kHeightId, "1e999"));
    EXPECT_EQ(p.Value(LegendPage::kHeightId), "0.00") << "a size no double holds is refused";
    EXPECT_TRUE(p.Type(LegendPage::kColumnsId, "3"));
    EXPECT_EQ(legend.GetColNum(), 3u);
    for (const char* refused : {"x", "0", "-2", "4294967296"}) {
        EXPECT_TRUE(p.Type(LegendPage::kColumnsId, refused));
        EXPECT_EQ(legend.GetColNum(), 3u) << refused;
        EXPECT_EQ(p.Value(LegendPage::kColumnsId), "3") << refused;
    }
    EXPECT_TRUE(Boxes().empty());
    p.Reshow(&legend);
    EXPECT_EQ(p.Value(LegendPage::kWidthId), "1.50");
}

TEST(LegendPage, ASizeIsNeverNegativeAMarginMayBe) {
    OpenChartPage<LegendPage> p;
    CkelLegend& legend = p.chart().legend;
    legend.SetBorderWidth(300);
    legend.SetBorderHeight(200);
    legend.SetIntervalSpace(50);
    p.Show(&legend);
    for (const char* refused : {"-5", "-0.001", "-1e400"}) {
        EXPECT_TRUE(p.Type(LegendPage::kWidthId, refused));
        EXPECT_TRUE(p.Type(LegendPage::kHeightId, refused));
        EXPECT_TRUE(p.Type(LegendPage::kSpacingId, refused));
        EXPECT_EQ(legend.GetBorderWidth(), 300) << refused;
        EXPECT_EQ(legend.GetBorderHeight(), 200) << refused;
        EXPECT_EQ(legend.GetIntervalSpace(), 50) << refused;
        EXPECT_EQ(p.Value(LegendPage::kWidthId), "3.00") << refused;
        EXPECT_EQ(p.Value(LegendPage::kHeightId), "2.00") << refused;
        EXPECT_EQ(p.Value(LegendPage::kSpacingId), "0.50") << refused;
    }
    EXPECT_TRUE(p.Type(LegendPage::kHeightId, "-0"));
    EXPECT_EQ(legend.GetBorderHeight(), 0);
    p.Reshow(&legend);
    EXPECT_EQ(p.Value(LegendPage::kHeightId), "0.00") << "never \"-0.00\"";
    EXPECT_TRUE(p.Type(LegendPage::kLeftMarginId, "-1"));
    EXPECT_EQ(legend.GetLMarginSpace(), -100) << "a margin moves the entries either way";
    EXPECT_TRUE(Boxes().empty());
}

TEST(LegendPage, TitleFontAndFrameLine) {
    OpenChartPage<LegendPage> p;
    CkelLegend& legend = p.chart().legend;
    p.Show(&legend);
    EXPECT_FALSE(p.Expanded(LegendPage::kFrameGroupId)) << "the frame group starts collapsed";
    EXPECT_TRUE(p.Type(LegendPage::kTitleTextId, "图例一"));
    EXPECT_EQ(legend.GetTitleText(), "图例一");
    EXPECT_TRUE(p.Pick(LegendPage::kTitleFontSizeId, "12"));
    QXLOGFONT font;
    legend.GetTitleFont(&font);
    EXPECT_FLOAT_EQ(font.size, 1200);
    EXPECT_TRUE(p.Pick(LegendPage::kFrameLineWidthId, "0.5"));
    QXLOGPEN pen;
    legend.GetBorderLine(&pen);
    EXPECT_FLOAT_EQ(pen.width, 50);
}

}  // namespace
