// The oil-test page: the title with its line breaks, the two item trees of the display styles,
// the track widths, the fill mode, the captions that follow the data choice, the selection
// message the page answers itself, and the layout of its list and grid.
#include "OilTestFixture.h"
#include "hosttypes/Zephyr/WpContent.h"

using wptest::CallsOn;
using wptest::Names;
using Page = COilTestPage;

namespace {

class OilTestPage : public wptest::OilTestSheet {};

TEST_F(OilTestPage, TitleLineBreaksShowAsBackslashNAndTypedOnesAreStored) {
    kit->SetTitleText("试油\n成果");
    Open();
    Show(kit);
    EXPECT_EQ(Value(Page::kTitleTextId), "试油\\n成果");
    ASSERT_TRUE(Type(Page::kTitleTextId, "第一行\\n第二行"));
    EXPECT_EQ(kit->GetTitleText(), "第一行\n第二行");
    EXPECT_EQ(CallsOn(kit), (Names{"CWpKit::SetTitleText", "CWpKit::InvalidSelf", "CWpKit::UpdateParent"}));
}

TEST_F(OilTestPage, TrackWidthsSplitTheKitAndOnlySharesInsideZeroToOneAreTaken) {
    kit->m_nDisplayStyle = 0;
    Open();
    Show(kit);
    ASSERT_TRUE(Type(Page::kTextTrackWidthId, "0.65"));
    EXPECT_NEAR(kit->m_dBarWidth, 0.35, 1e-12);
    ShowChanged();
    EXPECT_EQ(Value(Page::kTextTrackWidthId), "0.65");
    EXPECT_EQ(Value(Page::kBarTrackWidthId), "0.35");
    for (const char* refused : {"1", "0", "abc", "-0.5", "1e400"}) {  // nothing written, the share shown again
        parsnip::testing::ClearCallLog();
        ASSERT_TRUE(Type(Page::kTextTrackWidthId, refused));
        EXPECT_NEAR(kit->m_dBarWidth, 0.35, 1e-12) << refused;
        EXPECT_EQ(CallsOn(kit), Names()) << refused;
        EXPECT_EQ(Value(Page::kTextTrackWidthId), "0.65") << refused;
    }
    ASSERT_TRUE(Type(Page::kBarTrackWidthId, "0.2"));
    EXPECT_NEAR(kit->m_dBarWidth, 0.2, 1e-12);
}

// The page is no pane of the framework: it answers a refused text itself, and the item shows its
// text from before the edit, also a text it took as a number ("5x" is 5).
TEST_F(OilTestPage, ARefusedTitleSizeWritesNothingAndTheTextTakenShowsAgain) {
    Open();
    Show(kit);
    ASSERT_TRUE(Type(Page::kTitleFontId + 2, "5x"));
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(kit).size, 500);
    EXPECT_EQ(Value(Page::kTitleFontId + 2), "5x");
    for (const char* refused : {"-3", "abc", "1e39"}) {
        parsnip::testing::ClearCallLog();
        ASSERT_TRUE(Type(Page::kTitleFontId + 2, refused));
        EXPECT_FLOAT_EQ(wellplot::TitleFontOf(kit).size, 500) << refused;
        EXPECT_EQ(CallsOn(kit), Names()) << refused;
        EXPECT_EQ(Value(Page::kTitleFontId + 2), "5x") << refused;
    }
}

// A value reported from code that the page refuses writes nothing and redraws nothing; the item
// alone shows the stored value as the refresh shows it. A table count is one its spin gives, 1 to
// 10 (the kit keeps texts for at most 100 cells a side): "482.1" is no 482 columns, and a cell
// typed afterwards still lands in the kit's texts.
TEST_F(OilTestPage, AReportThePageRefusesShowsTheStoredValueAndRedrawsNothing) {
    kit->m_nDisplayStyle = 0;
    kit->m_dBarWidth = 0.35;
    kit->m_dividerPen.width = 300;
    kit->m_nDecimals = 2;
    wptest::SetTitleSize(kit, 450);
    Open();
    Show(kit);
    const struct {
        DWORD_PTR id;
        _variant_t reported;
        const char* shown;
    } cases[] = {
        {Page::kTextTrackWidthId, _variant_t("1"), "0.65"}, {Page::kBarTrackWidthId, _variant_t("-1"), "0.35"},
        {Page::kDividerWidthId, _variant_t("-1"), "3.00"},  {Page::kTitleFontId + 2, _variant_t("-1"), "4.50"},
        {Page::kDecimalsId, _variant_t("-1"), "2"},         {Page::kColumnsId, _variant_t(-1), "4"},
        {Page::kColumnsId, _variant_t("482.1"), "4"},       {Page::kColumnsId, _variant_t(0), "4"},
        {Page::kColumnsId, _variant_t(11), "4"},            {Page::kRowsId, _variant_t("482.1"), "3"},
        {Page::kRowsId, _variant_t(0), "3"},                {Page::kRowsId, _variant_t("11"), "3"},
    };
    for (const auto& c : cases) {
        parsnip::testing::ClearCallLog();
        const int redraws = Redraws();
        Report(c.id, c.reported);
        EXPECT_EQ(Value(c.id), c.shown) << c.id;
        EXPECT_EQ(CallsOn(kit), Names()) << c.id;
        EXPECT_EQ(Redraws(), redraws) << c.id;
    }
    EXPECT_FLOAT_EQ(kit->m_dividerPen.width, 300);
    EXPECT_EQ(kit->m_nColNumber, 4);
    EXPECT_EQ(kit->m_nRowNumber, 3);
    // The counts take no typing: "0" and "11" typed never reach them.
    for (const char* typed : {"0", "11"}) {
        EXPECT_FALSE(Type(Page::kColumnsId, typed)) << typed;
        EXPECT_FALSE(Type(Page::kRowsId, typed)) << typed;
    }
    EXPECT_EQ(cells().GetColumnCount(), 4);
    ASSERT_TRUE(EditCell(1, 2, "日产气"));
    EXPECT_EQ(Cell(1, 2), "日产气");
    EXPECT_EQ(kit->m_cellTexts.at(1 * 4 + 2), "日产气");
}

// Each list reads any other text as its rule says; the list then shows the option standing for the
// value taken, however often the host announces the kit again (its stamp unchanged, no refresh).
TEST_F(OilTestPage, AnyOtherTextFromCodeTakesTheValueThePageGivesIt) {
    kit->m_nDisplayStyle = 0;
    kit->m_nFillMode = 1;
    kit->m_nTableAlignH = 2;
    kit->m_nTableAlignV = 0;
    kit->m_nLabelAlignH = 2;
    kit->m_nLabelAlignV = 0;
    kit->m_nShowDivider = 1;
    kit->m_nShowLabel = 1;
    kit->m_nShowText = 1;
    Open();
    Show(kit);
    const struct {
        DWORD_PTR id;
        const char* reported;
        const int* field;
        int stored;
        const char* shown;
    } cases[] = {
        {Page::kFillModeId, "无此选项", &kit->m_nFillMode, 2, "无"},
        {Page::kShowTextId, "", &kit->m_nShowText, 0, "否"},
        {Page::kTableAlignHId, "", &kit->m_nTableAlignH, 0, "左对齐"},
        {Page::kTableAlignVId, "", &kit->m_nTableAlignV, 1, "居中"},
        {Page::kLabelAlignHId, "无此选项", &kit->m_nLabelAlignH, 0, "左对齐"},
        {Page::kLabelAlignVId, "无此选项", &kit->m_nLabelAlignV, 1, "居中"},
        {Page::kDividerShownId, "无此选项", &kit->m_nShowDivider, 0, "否"},
        {Page::kLabelsShownId, "", &kit->m_nShowLabel, 0, "否"},
        {Page::kDataChoiceId, "", &kit->m_nDataChoice, 1, "累产"},
        {Page::kDisplayStyleId, "无此选项", &kit->m_nDisplayStyle, 1, "表格"},
    };
    for (const auto& c : cases) {
        parsnip::testing::ClearCallLog();
        const int redraws = Redraws();
        Report(c.id, _variant_t(c.reported));
        EXPECT_EQ(*c.field, c.stored) << c.id;
        EXPECT_EQ(CallsOn(kit), (Names{"CWpKit::InvalidSelf", "CWpKit::UpdateParent"})) << c.id;
        EXPECT_GT(Redraws(), redraws) << c.id;
        EXPECT_EQ(Value(c.id), c.shown) << c.id;
        for (int announce = 0; announce < 3; ++announce) Show(kit);
        EXPECT_EQ(Value(c.id), c.shown) << c.id;
    }
    EXPECT_FALSE(Item(Page::kFillColorId)->IsEnabled());
    EXPECT_EQ(Item(Page::kOilColorId)->GetName(), "累产油");
    EXPECT_EQ(kit->m_gridPen.style, 1001u);
}

// Each text is judged by its own rule: after a refused report (a number the item refuses, a cut
// character), the next text typed is taken.
TEST_F(OilTestPage, ARefusedReportDecidesNothingAboutTheNextText) {
    wptest::SetTitleSize(kit, 450);
    Open();
    Show(kit);
    Report(Page::kTitleFontId + 2, _variant_t("-1"));
    EXPECT_EQ(Value(Page::kTitleFontId + 2), "4.50");
    ASSERT_TRUE(Type(Page::kTitleFontId + 2, "5"));
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(kit).size, 500);
    parsnip::testing::ClearCallLog();
    Report(Page::kTitleTextId, _variant_t("\xE4\xB8"));
    EXPECT_EQ(Value(Page::kTitleTextId), "试油");
    EXPECT_EQ(CallsOn(kit), Names());
    ASSERT_TRUE(Type(Page::kTitleTextId, "新文本"));
    EXPECT_EQ(kit->GetTitleText(), "新文本");
}

// A colour or face picked in the title font reads only that field: a size of 1234.5 hundredths
// (shown "12.35") stays as stored, and a stored size that does not read (-100) keeps the colour
// picked from being lost.
TEST_F(OilTestPage, APickInTheTitleFontKeepsTheStoredSize) {
    Open();
    for (const float size : {1234.5f, -100.0f}) {
        wptest::SetTitleSize(kit, size);
        ShowChanged();
        const COLORREF color = size > 0 ? RGB(255, 0, 0) : RGB(0, 0, 255);
        ASSERT_TRUE(Color(Page::kTitleFontId + 3, color)) << size;
        EXPECT_EQ(wellplot::TitleFontOf(kit).color, color) << size;
        EXPECT_FLOAT_EQ(wellplot::TitleFontOf(kit).size, size) << size;
        ASSERT_TRUE(list().PickDropDownEntry(Item(Page::kTitleFontId + 1), 1)) << size;
        EXPECT_FLOAT_EQ(wellplot::TitleFontOf(kit).size, size) << size;
    }
}

TEST_F(OilTestPage, FillColourIsOpenOnlyForOneColourFill) {
    Open();
    Show(kit);
    EXPECT_FALSE(Item(Page::kFillColorId)->IsEnabled());
    ASSERT_TRUE(Pick(Page::kFillModeId, "单一风格"));
    EXPECT_EQ(kit->m_nFillMode, 1);
    EXPECT_TRUE(Item(Page::kFillColorId)->IsEnabled());
    ASSERT_TRUE(Pick(Page::kFillModeId, "无"));
    EXPECT_EQ(kit->m_nFillMode, 2);
    EXPECT_FALSE(Item(Page::kFillColorId)->IsEnabled());
    kit->m_nFillMode = 1;
    ShowChanged();
    EXPECT_TRUE(Item(Page::kFillColorId)->IsEnabled());
}

TEST_F(OilTestPage, DisplayStyleSetsTheGridLineStyleAndItsItemsComeWithTheNextRefresh) {
    Open();
    Show(kit);
    EXPECT_EQ(Value(Page::kDisplayStyleId), "表格");
    EXPECT_EQ(page->GetPropList().FindItemByData(Page::kTextTrackWidthId), nullptr);
    ASSERT_TRUE(Pick(Page::kDisplayStyleId, "图文"));
    EXPECT_EQ(kit->m_nDisplayStyle, 0);
    EXPECT_EQ(kit->m_gridPen.style, 0u);
    EXPECT_EQ(page->GetPropList().FindItemByData(Page::kTextTrackWidthId), nullptr);
    ShowChanged();
    EXPECT_EQ(Value(Page::kTextTrackWidthId), "0.50");
    EXPECT_EQ(Item(Page::kTableGroupId)->GetName(), "文本道设置");
    ASSERT_TRUE(Pick(Page::kDisplayStyleId, "表格"));
    EXPECT_EQ(kit->m_nDisplayStyle, 1);
    EXPECT_EQ(kit->m_gridPen.style, 1001u);
}

TEST_F(OilTestPage, ColourCaptionsFollowTheDataChoiceAlsoAfterARebuild) {
    kit->m_nDisplayStyle = 0;
    kit->m_nDataChoice = 1;
    Open();
    Show(kit);
    EXPECT_EQ(Item(Page::kOilColorId)->GetName(), "累产油");
    ASSERT_TRUE(Pick(Page::kDataChoiceId, "日产"));
    EXPECT_EQ(kit->m_nDataChoice, 0);
    EXPECT_EQ(Item(Page::kWaterColorId)->GetName(), "日产水");
    ASSERT_TRUE(Pick(Page::kDataChoiceId, "累产"));
    ShowChanged();
    EXPECT_EQ(Value(Page::kDataChoiceId), "累产");
    EXPECT_EQ(Item(Page::kOilColorId)->GetName(), "累产油");
    EXPECT_EQ(Item(Page::kGasColorId)->GetName(), "累产气");
    EXPECT_EQ(Item(Page::kWaterColorId)->GetName(), "累产水");
}

TEST_F(OilTestPage, SizesAlignmentsAndCountsReachTheKit) {
    kit->m_nDisplayStyle = 0;
    Open();
    Show(kit);
    ASSERT_TRUE(Pick(Page::kDividerWidthId, "4"));
    EXPECT_FLOAT_EQ(kit->m_dividerPen.width, 400);
    ASSERT_TRUE(Pick(Page::kLabelAlignVId, "底对齐"));
    EXPECT_EQ(kit->m_nLabelAlignV, 2);
    ASSERT_TRUE(Pick(Page::kTableAlignHId, "居中"));
    EXPECT_EQ(kit->m_nTableAlignH, 1);
    ASSERT_TRUE(Pick(Page::kDecimalsId, "5"));
    EXPECT_EQ(kit->m_nDecimals, 5);
    Spin(Page::kColumnsId, 2);
    EXPECT_EQ(kit->m_nColNumber, 2);
    EXPECT_EQ(cells().GetColumnCount(), 2);
    parsnip::testing::ClearCallLog();
    Spin(Page::kColumnsId, 2);
    EXPECT_EQ(parsnip::testing::CountCalls("CWpOilTest::SetColNumber", kit), 0);
}

TEST_F(OilTestPage, TheSameKitWithAnUnchangedStampChangesOnlyTheView) {
    Open();
    Show(kit);
    kit->m_nRowNumber = 7;  // no stamp: nothing to re-read
    Show(kit, &host.frame);
    EXPECT_EQ(page->GetView(), &host.frame);
    EXPECT_EQ(Value(Page::kRowsId), "3");
    EXPECT_TRUE(CallsOn(kit).empty());
}

TEST_F(OilTestPage, AnObjectThatIsNoOilTestLeavesThePageAsItWas) {
    Open();
    Show(kit);
    auto* curve = plot.First<CWpCurve>();
    zephyr::testing::Touch(curve);
    Show(curve, &host.frame);
    EXPECT_EQ(page->GetKit(), kit);
    EXPECT_EQ(page->GetView(), &host.frame);
    EXPECT_EQ(Value(Page::kTitleTextId), "试油");
    ASSERT_TRUE(Type(Page::kTitleTextId, "新标题"));
    EXPECT_EQ(kit->GetTitleText(), "新标题");
}

TEST_F(OilTestPage, ListTakesTheUpperHalfAndTheGridTheLowerHalf) {
    Open();
    platform::ResizeWindow(*page, 300, 401);
    CRect list, grid;
    page->GetPropList().GetWindowRect(list);
    page->ScreenToClient(list);
    cells().GetWindowRect(grid);
    page->ScreenToClient(grid);
    EXPECT_EQ(list, CRect(-1, -1, 301, 402 - 200));  // half = 200
    EXPECT_EQ(grid, CRect(-1, 203, 301, 402));       // t = 204
}

}  // namespace
