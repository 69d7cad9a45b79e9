// A number the page refuses although its item took the text, as when a change is reported from
// code with a value the item never judged: the item shows the stored value as the refresh does,
// and nothing is written, called or redrawn.
#include <functional>
#include <string>

#include "WellPlotFixture.h"
#include "framework/PropItems.h"
#include "wellplot/LstGrid.h"
#include "wellplot/LstHead.h"
#include "wellplot/LstOther.h"
#include "wellplot/LstTrack.h"

using wptest::Names;

namespace {

template <class List>
void ExpectShownAgain(wptest::OpenPage<List>& page, CBCGPProp* item, const _variant_t& reported,
                      const std::string& shown, const char* what) {
    ASSERT_NE(item, nullptr) << what;
    item->SetValue(reported);
    parsnip::testing::ClearCallLog();
    const int redraws = page.Redraws();
    page.list().GetPropList().OnPropertyChanged(item);
    EXPECT_EQ(wptest::OpenPage<List>::Value(item), shown) << what;
    EXPECT_EQ(wptest::AllCalls(), Names()) << what;
    EXPECT_EQ(page.Redraws(), redraws) << what;
}

TEST(RefusedFromCode, TheItemShowsTheStoredValueAndNothingElseHappens) {
    wptest::OpenPage<CLstOther> other;
    CWpTrack* track = other.track();
    track->SetWidth(3000);
    QXLOGPEN border = track->GetBorderPen();
    border.width = 25;
    track->SetBorderPen(border);
    other.Show(track);
    ExpectShownAgain(other, other.Item(CLstOther::kWidthId), _variant_t("-1"), "3.00", "kit width");
    ExpectShownAgain(other, other.Item(CLstOther::kLineWidthId), _variant_t(-1.0), "0.25", "border width");

    wptest::OpenPage<CLstHead> head([](zephyr::PlotFixture& plot) { return new CLstHead(plot.Well()); });
    head.well()->SetTitleHeight(1500);
    head.Show(head.well());
    ExpectShownAgain(head, head.Item(CLstHead::kTitleHeightId), _variant_t("1e39"), "1.50", "title height");

    wptest::OpenPage<CLstTrack> content([](zephyr::PlotFixture& plot) { return new CLstTrack(plot.First<CWpTrack>()); });
    CWpTrack* logTrack = content.plot().First<CWpTrack>();
    logTrack->LogScale(1);
    logTrack->SetLeft(2);
    content.Show(logTrack);
    ExpectShownAgain(content, content.Item(CLstTrack::kLeftId), _variant_t(1e39), "2", "left value");

    wptest::OpenPage<CLstGrid> grid;
    CWpTrack* gridTrack = grid.track();
    QXLOGPEN pen = gridTrack->GetMajScalePen();
    pen.width = 30;
    gridTrack->SetMajScalePen(pen);
    gridTrack->SetMidDep(2.5f);
    grid.Show(gridTrack);
    ExpectShownAgain(grid, grid.Path("刻度线/粗线线型/宽度(毫米)"), _variant_t("-1"), "0.30", "grid pen width");
    ExpectShownAgain(grid, grid.Path("深度线/间隔(米)/中线"), _variant_t("0.05"), "2.5", "middle interval");
}

}  // namespace
