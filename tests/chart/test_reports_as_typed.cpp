// A number reported from code into a chart page gets the answer the same text typed gets, whatever
// the item held before: a zero with a minus sign is kept without it, "3x" is read as the page reads
// it typed.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "ChartPageFixture.h"
#include "chart/KelPropListChartLegend.h"
#include "support/ReportsAsTyped.h"

namespace {

using charttest::OpenChartPage;
using LegendPage = CkelPropListChartLegend;

struct LegendWorld {
    OpenChartPage<LegendPage> open;
    int repaints = 0;  // when the trace began
    LegendWorld() {
        CkelLegend& legend = open.chart().legend;
        legend.SetBorderWidth(300);
        legend.SetBorderHeight(200);
        legend.SetIntervalSpace(50);
        open.Show(&legend);
    }
};

tsltest::DrivenPage OpenLegend() {
    auto world = std::make_shared<LegendWorld>();
    return tsltest::Drive(
        world->open, world, [](LegendWorld& w) { w.repaints = w.open.Repaints(); },
        [](LegendWorld& w) {
            const CkelLegend& legend = w.open.chart().legend;
            std::ostringstream out;
            out << legend.GetBorderWidth() << ' ' << legend.GetBorderHeight() << ' ' << legend.GetIntervalSpace() << ' '
                << w.open.Repaints() - w.repaints;
            return out.str();
        });
}

TEST(ChartReportsAsTyped, LegendSizesAnswerAReportAsTheSameTextTyped) {
    for (DWORD_PTR id : {LegendPage::kWidthId, LegendPage::kHeightId, LegendPage::kSpacingId})
        tsltest::ExpectReportsAnswerAsTyped("legend " + std::to_string(id), id, OpenLegend,
                                            {"-0", "-0.00", "3x", "", "1:2"});
}

// A zero reported with a minus sign is stored as 0 and shown without the sign, as typed.
TEST(ChartReportsAsTyped, ANegativeZeroReportedShowsNoSign) {
    LegendWorld w;
    w.open.Report(LegendPage::kHeightId, "-0");
    EXPECT_EQ(0, w.open.chart().legend.GetBorderHeight());
    EXPECT_EQ("0", w.open.Value(LegendPage::kHeightId));
}

}  // namespace
