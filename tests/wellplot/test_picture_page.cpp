// The picture page: the first tab named after the kit's type, the title font in its units, the
// active segment's items (disabled without one, zoom and offsets only for graphics), refused
// depths and sizes, and the scale-lock check box that always tells the page.
#include <cmath>

#include "WellPlotFixture.h"
#include "bcg/VisualManager.h"
#include "framework/PropWndMgr.h"
#include "hosttypes/Zephyr/WpPicture.h"
#include "wellplot/intervals/CheckBoxProp.h"
#include "wellplot/intervals/LstPicture.h"
#include "wellplot/intervals/PropWnd.h"

using wptest::CallsOn;
using wptest::Names;
using Pic = CLstPicture;

namespace {

class PicturePage : public wptest::OpenPage<CLstPicture> {
public:
    PicturePage() : OpenPage([](zephyr::PlotFixture& plot) { return new CLstPicture(plot.First<CWpPicture>()); }) {}
    CWpPicture* kit() { return plot().First<CWpPicture>(); }
    // An active segment from depth 100 to 110, 20 wide.
    CgPicSegment* AddActiveSegment() {
        CgPicSegment seg;
        seg.SetRect(0, -100, 20, -110);
        seg.SetPictureName("岩心.bmp");
        CgPicSegment* added = kit()->AppendSegment(seg);
        kit()->SetActiveSegIndex(kit()->GetSegCount() - 1);
        return added;
    }
    CCheckBoxProp* Lock() { return dynamic_cast<CCheckBoxProp*>(Item(Pic::kScaleLockId)); }
};

TEST(PictureSheet, TheFirstTabIsNamedAfterTheKitsType) {
    wptest::HostWindows host;
    zephyr::PlotFixture plot;
    plot.BuildSample();
    auto* picture = plot.First<CWpPicture>();
    picture->SetType(1);
    CWnd* sheet = CPropWnd::Create(picture, &host.frame);
    platform::SendSelectionChanged(*sheet, &host.view, reinterpret_cast<LPARAM>(picture));
    EXPECT_EQ(platform::TabCaptions(*sheet), (Names{"图形", "其它"}));
    picture->SetType(0);
    platform::SendSelectionChanged(*sheet, &host.view, reinterpret_cast<LPARAM>(picture));
    EXPECT_EQ(platform::TabCaptions(*sheet), (Names{"图片", "其它"}));
    platform::DestroyAndDelete(sheet);
}

TEST(PicturePage, TitleFontSizeIsShownWholeAndStoredInHundredths) {
    PicturePage page;
    QXLOGFONT font = wellplot::TitleFontOf(page.kit());
    font.size = 1250;
    page.kit()->SetTitleFont(&font);
    page.kit()->SetTitleText("图\n片");
    page.Show(page.kit());
    EXPECT_EQ(page.Value(Pic::kFontSizeId), "12");
    EXPECT_EQ(page.Value(Pic::kTitleTextId), "图\\n片");
    ASSERT_TRUE(page.Type(Pic::kFontSizeId, "14"));
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(page.kit()).size, 1400);
    EXPECT_EQ(CallsOn(page.kit()), (Names{"CWpKit::SetTitleFont", "CWpKit::UpdateParent", "CWpKit::InvalidSelf"}));
    ASSERT_TRUE(page.Type(Pic::kFontSizeId, "大号"));
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(page.kit()).size, 1400);
    EXPECT_EQ(page.Value(Pic::kFontSizeId), "14");
    ASSERT_TRUE(page.Type(Pic::kTitleTextId, "新\\n标题"));
    EXPECT_EQ(page.kit()->GetTitleText(), "新\n标题");
}

TEST(PicturePage, WithoutAnActiveSegmentItsItemsAreDisabled) {
    PicturePage page;
    page.Show(page.kit());
    for (DWORD_PTR id : {Pic::kScaleLockId, Pic::kTopDepthId, Pic::kOffsetYId}) EXPECT_FALSE(page.Enabled(id)) << id;
    EXPECT_TRUE(page.Enabled(Pic::kFontSizeId));
}

TEST(PicturePage, ZoomAndOffsetsAreForGraphicsOnly) {
    PicturePage page;
    CgPicSegment* seg = page.AddActiveSegment();
    seg->SetDetaX(1.5);
    page.Show(page.kit());
    EXPECT_EQ(page.Value(Pic::kTopDepthId), "100.00");
    EXPECT_EQ(page.Value(Pic::kBottomDepthId), "110.00");
    for (DWORD_PTR id : {Pic::kZoomId, Pic::kOffsetXId, Pic::kOffsetYId}) {
        EXPECT_FALSE(page.Enabled(id)) << id;
        EXPECT_EQ(page.Value(id), "") << id;
    }
    page.kit()->SetType(1);
    page.Show(page.kit());
    EXPECT_TRUE(page.Enabled(Pic::kOffsetXId));
    EXPECT_EQ(page.Value(Pic::kOffsetXId), "1.50");
    ASSERT_TRUE(page.Type(Pic::kOffsetYId, "-2.5"));
    EXPECT_DOUBLE_EQ(seg->GetDetaY(), -2.5);
    // An offset no double holds, reported from code, is refused by the item: the offset stays.
    page.Report(page.Item(Pic::kOffsetXId), _variant_t("1e999"));
    EXPECT_DOUBLE_EQ(seg->GetDetaX(), 1.5);
    EXPECT_EQ(page.Value(Pic::kOffsetXId), "1.50");
}

TEST(PicturePage, ARefusedDepthShowsTheKitsDepthAgain) {
    PicturePage page;
    page.AddActiveSegment();
    page.Show(page.kit());
    ASSERT_TRUE(page.Type(Pic::kBottomDepthId, "90"));
    EXPECT_DOUBLE_EQ(page.kit()->GetActiveSegBotDepth(), 110);
    EXPECT_EQ(page.Value(Pic::kBottomDepthId), "110.00");
    ASSERT_TRUE(page.Type(Pic::kTopDepthId, "95.5"));
    EXPECT_DOUBLE_EQ(page.kit()->GetActiveSegTopDepth(), 95.5);

    // "1e-310" is a depth above the top: the kit is asked with that very number and refuses it.
    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.Type(Pic::kBottomDepthId, "1e-310"));
    const auto& log = parsnip::testing::CallLog();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front().operation, "CWpPicture::SetActiveSegBotDepth");
    EXPECT_EQ(log.front().arguments, "1e-310");
    EXPECT_DOUBLE_EQ(page.kit()->GetActiveSegBotDepth(), 110);
    EXPECT_EQ(page.Value(Pic::kBottomDepthId), "110.00");
    // "nan" is no number: a top of 0, kept as +0 (the segment keeps depths downward as negatives).
    ASSERT_TRUE(page.Type(Pic::kTopDepthId, "nan"));
    EXPECT_EQ(page.kit()->GetActiveSegTopDepth(), 0);
    EXPECT_FALSE(std::signbit(page.kit()->GetActiveSegTopDepth()));
    EXPECT_FALSE(std::signbit(page.kit()->GetActiveSeg()->GetTop()));
}

TEST(PicturePage, TheSpaceBarAndTheBoxToggleTheLockAndTheKitAlwaysHears) {
    PicturePage page;
    CgPicSegment* seg = page.AddActiveSegment();
    page.Show(page.kit());
    auto grid = page.grid();
    ASSERT_TRUE(grid.TypeChar(page.Lock(), ' '));
    EXPECT_TRUE(seg->IsScaleLock());
    EXPECT_TRUE(page.Lock()->IsChecked());
    ASSERT_TRUE(grid.TypeChar(page.Lock(), ' '));
    EXPECT_FALSE(seg->IsScaleLock());
    EXPECT_FALSE(page.Lock()->IsChecked());

    // A click on the name text beside the box does nothing; a double-click there toggles.
    page.list().GetPropList().RedrawWindow();
    ASSERT_FALSE(page.Lock()->GetBoxRect().IsRectEmpty());
    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(grid.ClickName(page.Lock()));
    EXPECT_FALSE(page.Lock()->IsChecked());
    EXPECT_TRUE(CallsOn(page.kit()).empty());
    ASSERT_TRUE(grid.DoubleClickName(page.Lock()));
    EXPECT_TRUE(seg->IsScaleLock());
    EXPECT_TRUE(page.Lock()->IsChecked());

    // A click on the box.
    ASSERT_TRUE(grid.ClickNameAt(page.Lock(), CPoint(4, 8)));
    EXPECT_FALSE(seg->IsScaleLock());
    EXPECT_FALSE(page.Lock()->IsChecked());
    EXPECT_FALSE(CBCGPVisualManager::GetInstance()->GetCheckBoxCalls().empty());
}

}  // namespace
