// The text page: title direction, the text font and its background colour read and written as one
// record, refused sizes, widths and depths, and the guard against objects that are no text kit.
#include <utility>

#include "WellPlotFixture.h"
#include "framework/PropWndMgr.h"
#include "framework/WndPag.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/WpFacies.h"
#include "hosttypes/Zephyr/WpText.h"
#include "wellplot/intervals/LstText.h"
#include "wellplot/intervals/PropWnd.h"

using wptest::AllCalls;
using wptest::CallsOn;
using wptest::Names;
using Txt = CLstText;

namespace {

class TextPage : public wptest::OpenPage<CLstText> {
public:
    TextPage() : OpenPage(wptest::ForFirst<CLstText, CWpText>()) {}
    CWpText* kit() { return plot().First<CWpText>(); }
    // A text font of face "宋体", size 500, red on blue, given to the kit.
    QXLOGFONT GiveFont() {
        QXLOGFONT font = kit()->GetTextFont();
        font.SetFaceName("宋体");
        font.size = 500;
        font.color = RGB(255, 0, 0);
        font.backColor = RGB(0, 0, 255);
        kit()->SetTextFont(font);
        return font;
    }
    // The kit's active segment from 100 to 110 m.
    void GiveSegment() {
        kit()->AppendSegment(100, 110);
        kit()->SetActiveSegIndex(0);
    }
};

TEST(TextSheet, ATextKitGetsItsTextPageThenOther) {
    wptest::HostWindows host;
    zephyr::PlotFixture plot;
    plot.BuildSample();
    CWnd* sheet = CPropWnd::Create(plot.First<CWpText>(), &host.frame);
    EXPECT_EQ(platform::TabCaptions(*sheet), (Names{"文本", "其它"}));
    auto* page = dynamic_cast<CWndPag*>(static_cast<CPropWndMgr*>(sheet)->GetPage(0));
    ASSERT_NE(nullptr, page);
    EXPECT_NE(nullptr, dynamic_cast<CLstText*>(page->GetWndLst()));
    platform::DestroyAndDelete(sheet);
}

TEST(TextPage, TitleDirectionAndTextAreWrittenAndTheParentUpdated) {
    TextPage page;
    page.Show(page.kit());
    EXPECT_EQ(page.Value(Txt::kTitleTextId), "文本");
    for (const auto& [text, direction] :
         std::vector<std::pair<std::string, int>>{{"纵向", 2}, {"横向", 1}, {"自动", 0}}) {
        ASSERT_TRUE(page.Pick(Txt::kTitleDirectionId, text));
        EXPECT_EQ(page.kit()->GetTitleDirection(), direction) << text;
    }
    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.Type(Txt::kTitleTextId, "注释"));
    EXPECT_EQ(page.kit()->GetTitleText(), "注释");
    EXPECT_EQ(CallsOn(page.kit()),
              (Names{"CWpKit::SetTitleText", "CWpKit::UpdateParent", "CWpKit::InvalidSelf", "CWpKit::UpdateParent"}));

    // The title font is shown and read as a whole group, the size with two decimals.
    EXPECT_EQ(page.Value(Txt::kTitleFontId + 2), "4.00");
    ASSERT_TRUE(page.Type(Txt::kTitleFontId + 2, "6"));
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(page.kit()).size, 600);
    EXPECT_EQ(wellplot::TitleFontOf(page.kit()).GetFaceName(), "宋体");
    ASSERT_TRUE(page.Type(Txt::kTitleFontId + 2, "5"));
    EXPECT_EQ(page.Value(Txt::kTitleFontId + 2), "5");
    page.Show(page.kit());
    EXPECT_EQ(page.Value(Txt::kTitleFontId + 2), "5.00");
}

TEST(TextPage, BackgroundTransparencyAndAlignmentsAreTheKitsOwn) {
    TextPage page;
    const QXLOGFONT given = page.GiveFont();
    page.kit()->SetTransparent(true);
    page.kit()->SetTextAlignH("右对齐");
    page.Show(page.kit());
    EXPECT_EQ(dynamic_cast<CBCGPColorProp*>(page.Item(Txt::kBackColorId))->GetColor(), RGB(0, 0, 255));
    EXPECT_EQ(page.Value(Txt::kTransparentId), "是");
    EXPECT_EQ(page.Value(Txt::kAlignHId), "右对齐");
    EXPECT_EQ(page.Value(Txt::kAlignVId), "顶对齐");
    EXPECT_EQ(page.Value(Txt::kTextFontId + 2), "5.00");

    // Only the background word changes; face, size and text colour stay.
    ASSERT_TRUE(page.Color(page.Item(Txt::kBackColorId), RGB(0, 128, 0)));
    QXLOGFONT font = page.kit()->GetTextFont();
    EXPECT_EQ(font.backColor, RGB(0, 128, 0));
    EXPECT_EQ(font.GetFaceName(), given.GetFaceName());
    EXPECT_FLOAT_EQ(font.size, 500);
    EXPECT_EQ(font.color, RGB(255, 0, 0));
    // The automatic choice is the caption text colour.
    ASSERT_TRUE(page.grid().ChooseAutomatic(dynamic_cast<CBCGPColorProp*>(page.Item(Txt::kBackColorId))));
    EXPECT_EQ(page.kit()->GetTextFont().backColor, GetSysColor(COLOR_CAPTIONTEXT));

    ASSERT_TRUE(page.Pick(Txt::kTransparentId, "否"));
    EXPECT_FALSE(page.kit()->IsTransparent());
    ASSERT_TRUE(page.Pick(Txt::kAlignVId, "底对齐"));
    EXPECT_EQ(page.kit()->GetTextAlignV(), "底对齐");
}

TEST(TextPage, ARefusedSizeOrWidthWritesNothingAndTheGroupIsLeftAsItWas) {
    TextPage page;
    QXLOGFONT font = page.GiveFont();
    QXLOGPEN pen;
    pen.style = 3;
    pen.width = 50;
    pen.color = RGB(1, 2, 3);
    page.kit()->SetTextBoundaryPen(&pen);
    page.Show(page.kit());
    // The kit changed elsewhere after the page showed it: a refused text writes none of the page's
    // values back, and the page shows nothing new.
    font.SetFaceName("黑体");
    page.kit()->SetTextFont(font);
    pen.style = 7;
    page.kit()->SetTextBoundaryPen(&pen);

    for (const auto& [id, text] : {std::pair{Txt::kTextFontId + 2, "-5"}, std::pair{Txt::kFramePenId + 2, "w"}}) {
        parsnip::testing::ClearCallLog();
        const int redraws = page.Redraws();
        ASSERT_TRUE(page.Type(id, text));
        EXPECT_EQ(CallsOn(page.kit()), Names()) << text;
        EXPECT_EQ(page.Redraws(), redraws) << text;
    }
    font = page.kit()->GetTextFont();
    EXPECT_EQ(font.GetFaceName(), "黑体");
    EXPECT_FLOAT_EQ(font.size, 500);
    EXPECT_EQ(font.color, RGB(255, 0, 0));
    EXPECT_EQ(page.Value(Txt::kTextFontId + 1), "宋体");
    EXPECT_EQ(page.Value(Txt::kTextFontId + 2), "5.00");
    page.kit()->GetTextBoundaryPen(pen);
    EXPECT_EQ(pen.style, 7u);
    EXPECT_FLOAT_EQ(pen.width, 50);
    EXPECT_EQ(pen.color, RGB(1, 2, 3));
    EXPECT_EQ(page.Value(Txt::kFramePenId + 2), "0.50");

    ASSERT_TRUE(page.Type(Txt::kFramePenId + 2, "1.5"));
    page.kit()->GetTextBoundaryPen(pen);
    EXPECT_FLOAT_EQ(pen.width, 150);
    ASSERT_TRUE(page.Type(Txt::kTextFontId + 2, "12"));
    EXPECT_FLOAT_EQ(page.kit()->GetTextFont().size, 1200);
}

TEST(TextPage, DepthsTheKitOrTheFieldRefusesShowTheKitsDepthAgain) {
    TextPage page;
    page.GiveSegment();
    page.Show(page.kit());
    EXPECT_EQ(page.Value(Txt::kTopDepthId), "100.00");
    EXPECT_EQ(page.Value(Txt::kBottomDepthId), "110.00");

    ASSERT_TRUE(page.Type(Txt::kTopDepthId, "105.5"));
    EXPECT_DOUBLE_EQ(page.kit()->GetActiveSegTopDepth(), 105.5);
    ASSERT_TRUE(page.Type(Txt::kTopDepthId, "120"));  // below the bottom: the kit refuses
    EXPECT_DOUBLE_EQ(page.kit()->GetActiveSegTopDepth(), 105.5);
    EXPECT_EQ(page.Value(Txt::kTopDepthId), "105.5");
    // The depth shown again is still a text: letters typed next are no depth of 0.
    ASSERT_TRUE(page.Type(Txt::kTopDepthId, "abc"));
    EXPECT_DOUBLE_EQ(page.kit()->GetActiveSegTopDepth(), 105.5);

    for (const char* text : {"abc", "1e39", ""}) {  // no number a float holds: the kit is not even asked
        parsnip::testing::ClearCallLog();
        const int redraws = page.Redraws();
        ASSERT_TRUE(page.Type(Txt::kBottomDepthId, text));
        EXPECT_EQ(CallsOn(page.kit()), Names()) << text;
        EXPECT_EQ(page.Redraws(), redraws) << text;
        EXPECT_EQ(page.Value(Txt::kBottomDepthId), "110") << text;
    }
    EXPECT_DOUBLE_EQ(page.kit()->GetActiveSegBotDepth(), 110);
}

TEST(TextPage, OnlyATextKitIsShownOrEdited) {
    // An edit before any selection writes nothing.
    {
        TextPage page;
        parsnip::testing::ClearCallLog();
        ASSERT_TRUE(page.Pick(Txt::kTitleDirectionId, "纵向"));
        EXPECT_EQ(AllCalls(), Names());
        EXPECT_EQ(page.kit()->GetTitleDirection(), 0);
    }
    // Another kind of kit selected: nothing is read from it or written to it, the page keeps its kit.
    TextPage page;
    page.Show(page.kit());
    auto* facies = page.plot().First<CWpFacies>();
    page.ShowKeepingLog(facies);
    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.Type(Txt::kTitleTextId, "改"));
    ASSERT_TRUE(page.Pick(Txt::kTitleDirectionId, "纵向"));
    EXPECT_EQ(AllCalls(), Names());
    EXPECT_EQ(page.list().GetKit(), page.kit());
    EXPECT_EQ(facies->GetTitleText(), "沉积相");
    EXPECT_EQ(facies->GetTitleDirection(), 0);
    // Back on the text kit the page shows it again.
    page.Show(page.kit());
    EXPECT_EQ(page.Value(Txt::kTitleTextId), "文本");
}

TEST(TextPage, APageMadeAtRunTimeHasNoKitAndShowsNothing) {
    wptest::HostWindows host;
    zephyr::PlotFixture plot;
    plot.BuildSample();
    auto* list = static_cast<CLstText*>(RUNTIME_CLASS(CLstText)->CreateObject());
    ASSERT_NE(nullptr, list);
    ASSERT_TRUE(list->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 600), &host.frame, 2));
    parsnip::testing::ClearCallLog();
    platform::SendSelectionChanged(*list, &host.view, reinterpret_cast<LPARAM>(plot.First<CWpText>()));
    EXPECT_EQ(list->GetPropList().GetPropertyCount(), 0);
    EXPECT_EQ(list->GetKit(), nullptr);
    EXPECT_EQ(AllCalls(), Names());
    platform::DestroyAndDelete(list);
}

}  // namespace
