// The depth track, header and program pages: titles with line breaks, the depth scale in the title
// options, sizes shown and typed in their units, the header's visibility and what it governs, and
// the endings each page gives its edits.
#include "WellPlotFixture.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "wellplot/LstDepth.h"
#include "wellplot/LstHead.h"
#include "wellplot/intervals/LstProgram.h"

using wptest::CallsOn;
using wptest::Names;

namespace {

using DepthPage = wptest::OpenPage<CLstDepth>;

TEST(DepthPage, TitleLineBreaksShowAsBackslashNAndAreStoredBack) {
    DepthPage page;
    CWpDepth* depth = page.depth();
    page.well()->SetDepthScale(200);
    depth->SetTitleText("顶部\nTOP");
    page.Show(depth);
    EXPECT_EQ(page.Value(CLstDepth::kTitleTextId), "顶部\\nTOP");
    EXPECT_EQ(DepthPage::Options(page.Item(CLstDepth::kTitleTextId)),
              (Names{"深度", "DEP", "深度(1:200)", "DEP(1:200)"}));
    ASSERT_TRUE(page.Type(CLstDepth::kTitleTextId, "底部\\nBOTTOM"));
    EXPECT_EQ(depth->GetTitleText(), "底部\nBOTTOM");
    EXPECT_EQ(CallsOn(depth), (Names{"CWpKit::SetTitleText", "CWpKit::InvalidSelf", "CQXObject::SetModifyFlag"}));
}

TEST(DepthPage, TitleHeightAndTickSpacingRefuseNegatives) {
    DepthPage page;
    CWpDepth* depth = page.depth();
    QXLOGFONT font;
    font.size = 350;
    depth->SetTitleFont(&font);
    page.Show(depth);
    EXPECT_EQ(page.Value(CLstDepth::kFontHeightId), "3.50");
    ASSERT_TRUE(page.Type(CLstDepth::kFontHeightId, "-0.5"));
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(depth).size, 350);
    EXPECT_EQ(page.Value(CLstDepth::kFontHeightId), "3.50");
    ASSERT_TRUE(page.Type(CLstDepth::kFontHeightId, "0"));
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(depth).size, 0);
    // A refused height shows the stored one in "%.2f", not the text typed before.
    ASSERT_TRUE(page.Type(CLstDepth::kFontHeightId, "-1"));
    EXPECT_EQ(page.Value(CLstDepth::kFontHeightId), "0.00");
    ASSERT_TRUE(page.Type(CLstDepth::kTickSpaceId, "2"));
    EXPECT_DOUBLE_EQ(depth->GetTickSpace(), 2);
    ASSERT_TRUE(page.Type(CLstDepth::kTickSpaceId, "-5"));
    EXPECT_DOUBLE_EQ(depth->GetTickSpace(), 2);
}

TEST(DepthPage, TitleFontGoesToTheWellsTracksOfTheScopeAfterEveryEdit) {
    DepthPage page;
    CWpDepth* depth = page.depth();
    page.Show(depth);
    ASSERT_TRUE(page.Pick(CLstDepth::kFontScopeId, "当前图内所有道"));
    EXPECT_EQ(depth->GetTtlFtScope(), 2);
    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.Pick(CLstDepth::kLabelAlignId, "270°纵向"));
    EXPECT_EQ(depth->GetDepthAlign(), 2);
    EXPECT_EQ(parsnip::testing::CountCalls("CWpWell::SetChildTitleFont", page.well()), 1);
    ASSERT_TRUE(page.Pick(CLstDepth::kFontScopeId, "当前图内所有深度道"));
    EXPECT_EQ(parsnip::testing::CountCalls("CWpWell::SetDepChildTitleFont", page.well()), 1);
}

TEST(DepthPage, TickSidesGovernTheTickItemsAfterTheNextRefresh) {
    DepthPage page;
    CWpDepth* depth = page.depth();
    page.Show(depth);
    EXPECT_TRUE(page.Enabled(CLstDepth::kTickSpaceId));
    ASSERT_TRUE(page.Pick(CLstDepth::kTickAlignId, "隐藏"));
    EXPECT_EQ(depth->GetTickAlign(), -1);
    EXPECT_EQ(CallsOn(depth), (Names{"CWpDepth::SetTickAlign", "CWpKit::Recalculate", "CWpKit::InvalidSelf",
                                     "CQXObject::SetModifyFlag"}));
    page.Show(depth);
    EXPECT_FALSE(page.Enabled(CLstDepth::kTickSpaceId));
    EXPECT_FALSE(page.Enabled(CLstDepth::kTickNumId));
    depth->SetTickAlign(9);
    page.Show(depth);
    EXPECT_EQ(page.Value(CLstDepth::kTickAlignId), "两侧粗刻度");
    ASSERT_TRUE(page.Pick(CLstDepth::kDepthTypeId, "海拔深"));
    EXPECT_EQ(depth->GetShowDepthType(), DEPTH_ALTITUDE);
    ASSERT_TRUE(page.Type(CLstDepth::kLabelSpaceId, "50"));
    EXPECT_DOUBLE_EQ(depth->GetDepthSpace(), 50);
}

// ---- header ----------------------------------------------------------------------------------------

// A header page over the sample plot, as the creator makes it: the well kept as it is.
struct KeptHead : wptest::OpenPage<CLstHead> {
    KeptHead() : OpenPage([](zephyr::PlotFixture& plot) { return new CLstHead(plot.Well()); }) {}
    void Show() { OpenPage::Show(well()); }
};

// The label font and the tick line are read back whole; a stored size or width the group reader
// refuses does not stop a colour picked, and keeps its value.
TEST(DepthPage, AGroupEditStopsOnlyOnTheEditedField) {
    DepthPage page;
    CWpDepth* depth = page.depth();
    QXLOGFONT labels = depth->GetDepthFont();
    labels.size = -100;
    depth->SetDepthFont(labels);
    QXLOGPEN ticks = depth->GetTickPen();
    ticks.width = -100;
    depth->SetTickPen(ticks);
    page.Show(depth);
    EXPECT_EQ(page.Value(CLstDepth::kTickLineGroupId + 2), "-1.00");

    ASSERT_TRUE(page.Color(page.Item(CLstDepth::kLabelFontGroupId + 3), RGB(0, 128, 0)));
    EXPECT_EQ(depth->GetDepthFont().color, RGB(0, 128, 0));
    EXPECT_FLOAT_EQ(depth->GetDepthFont().size, -100);
    EXPECT_EQ(CallsOn(depth), (Names{"CWpDepth::SetDepthFont", "CWpKit::InvalidSelf", "CQXObject::SetModifyFlag"}));

    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.Color(page.Item(CLstDepth::kTickLineGroupId + 3), RGB(0, 0, 255)));
    EXPECT_EQ(depth->GetTickPen().color, RGB(0, 0, 255));
    EXPECT_FLOAT_EQ(depth->GetTickPen().width, -100);
    EXPECT_EQ(CallsOn(depth), (Names{"CWpDepth::SetTickPen", "CWpKit::Recalculate", "CWpKit::InvalidSelf",
                                     "CQXObject::SetModifyFlag"}));
    EXPECT_EQ(page.Value(CLstDepth::kTickLineGroupId + 2), "-1.00");
}

TEST(HeadPageTest, HeaderVisibilityIsReadFromTheKitAtEveryRefresh) {
    KeptHead page;
    page.well()->SetHeadAlign(1);
    page.Show();
    EXPECT_EQ(page.Value(CLstHead::kHeadAlignId), "顶底显示");
    page.well()->SetHeadAlign(-1);
    page.Show();
    EXPECT_EQ(page.Value(CLstHead::kHeadAlignId), "隐藏");
}

TEST(HeadPageTest, HeightsInCentimetresAndTheirEndings) {
    KeptHead page;
    page.Show();
    ASSERT_TRUE(page.grid().TypeText(page.Item(CLstHead::kTitleHeightId), "2.25"));
    EXPECT_FLOAT_EQ(page.well()->GetTitleHeight(), 2250);
    EXPECT_EQ(CallsOn(page.well()), (Names{"CWpKit::SetTitleHeight", "CWpKit::Recalculate", "CWpKit::InvalidSelf"}));
    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.grid().TypeText(page.Item(CLstHead::kClientHeightId), "12"));
    EXPECT_EQ(CallsOn(page.well()),
              (Names{"CWpKit::SetClientHeight", "CWpKit::UpdateClient", "CWpKit::Recalculate", "CWpKit::InvalidSelf"}));
    page.Show();
    EXPECT_EQ(page.Value(CLstHead::kClientHeightId), "12.00");
}

TEST(HeadPageTest, HidingTheHeaderDisablesWhatItGoverns) {
    KeptHead page;
    QXLOGPOINT point;
    point.size = 375;
    page.well()->SetTypePoint(point);
    page.Show();
    EXPECT_EQ(page.Value(CLstHead::kSizeId), "3.75");
    EXPECT_TRUE(page.Item(CLstHead::kTitleTextId)->IsEnabled());
    ASSERT_TRUE(page.grid().PickOption(page.Item(CLstHead::kHeadAlignId), "隐藏"));
    EXPECT_EQ(page.well()->GetHeadAlign(), -1);
    page.Show();
    for (DWORD_PTR id :
         {CLstHead::kTitleAlignId, CLstHead::kTitleTextId, CLstHead::kFontFaceId, CLstHead::kSymbolAlignId,
          CLstHead::kPointTemplateId, CLstHead::kPointStyleId, CLstHead::kSizeId, CLstHead::kInnerColorId})
        EXPECT_FALSE(page.Item(id)->IsEnabled()) << id;
}

TEST(HeadPageTest, PositionsAndTemplates) {
    EXPECT_STREQ(TitleAlignText(12), "隐藏");

    KeptHead page;
    page.Show();
    // Any other text reported hides the header or the title, and the list shows "隐藏" taken.
    page.Report(page.Item(CLstHead::kTitleAlignId), _variant_t("无此选项"));
    EXPECT_EQ(page.well()->GetTitleAlign(), -1);
    EXPECT_EQ(page.Value(CLstHead::kTitleAlignId), "隐藏");
    page.Report(page.Item(CLstHead::kHeadAlignId), _variant_t(""));
    EXPECT_EQ(page.well()->GetHeadAlign(), -1);
    EXPECT_EQ(page.Value(CLstHead::kHeadAlignId), "隐藏");
    page.well()->SetHeadAlign(0);
    page.well()->SetTitleAlign(0);
    zephyr::testing::Touch(page.well());
    page.Show();
    ASSERT_TRUE(page.grid().PickOption(page.Item(CLstHead::kSymbolAlignId), "标题左"));
    EXPECT_EQ(page.well()->GetTypeAlign(), 3);
    page.Report(page.Item(CLstHead::kSymbolAlignId), _variant_t("别处"));
    EXPECT_EQ(page.well()->GetTypeAlign(), -1);
    EXPECT_EQ(page.Value(CLstHead::kSymbolAlignId), "隐藏");
    ASSERT_TRUE(page.grid().PickOption(page.Item(CLstHead::kSymbolAlignId), "标题左"));
    page.well()->SetSizeTemplate("大号");
    page.Show();
    EXPECT_FALSE(page.Item(CLstHead::kSizeId)->IsEnabled());
    EXPECT_TRUE(page.Item(CLstHead::kPointStyleId)->IsEnabled());
    // Changing the title text neither stamps nor recalculates.
    ASSERT_TRUE(page.grid().TypeText(page.Item(CLstHead::kTitleTextId), "新井"));
    EXPECT_EQ(CallsOn(page.well()), (Names{"CWpKit::SetTitleText", "CWpKit::InvalidSelf"}));
}

// ---- program ---------------------------------------------------------------------------------------

using ProgramPage = wptest::OpenPage<CLstProgram>;

TEST(ProgramPageTest, TitleEditsStampNothingAndOnlyRedrawTheView) {
    ProgramPage page;
    auto* program = page.plot().First<CWpProgram>();
    program->SetTitleDirection(7);
    page.Show(program);
    EXPECT_EQ(page.Value(CLstProgram::kDirectionId), "纵向");
    EXPECT_EQ(page.list().GetKit(), program);
    const int redraws = page.Redraws();
    ASSERT_TRUE(page.Type(CLstProgram::kNameId, "新程序"));
    EXPECT_EQ(program->GetTitleText(), "新程序");
    EXPECT_EQ(CallsOn(program), (Names{"CWpKit::SetTitleText"}));
    EXPECT_GT(page.Redraws(), redraws);
    // The option shown is no pick; the same text reported from code stores its own code.
    page.Report(page.Item(CLstProgram::kDirectionId), _variant_t("纵向"));
    EXPECT_EQ(program->GetTitleDirection(), 2);

    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.Color(page.Item(CLstProgram::kFontGroupId + 3), RGB(5, 6, 7)));
    EXPECT_EQ(wellplot::TitleFontOf(program).color, RGB(5, 6, 7));
    EXPECT_EQ(CallsOn(program), (Names{"CWpKit::SetTitleFont"}));

    page.Show(page.track());  // not a program: nothing is taken
    EXPECT_EQ(page.list().GetKit(), program);
}

}  // namespace
