// The well column page: the depth range with its checks, units picked by depth, by choice and by a
// change of level, the scale and thickness items, the break items, the depth kind and the endings.
#include "WellPlotFixture.h"
#include "driver/Responder.h"
#include "framework/PropItems.h"
#include "hostlibs/Osprey/WellPlotServicesTesting.h"
#include "hostlibs/Zephyr/WellDataFixture.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/WDMgrIO.h"
#include "wellplot/KitPage.h"
#include "wellplot/LstWell.h"

using wptest::CallsOn;
using wptest::Names;

namespace {

class WellColumn : public ::testing::Test {
protected:
    using Page = wptest::OpenPage<CLstWell>;
    WellColumn() {
        well()->SetDataMgr(zephyr::NewSampleWellData());
        well()->SetUnitClass(0);
        well()->SetTopUnit("沙一段");
        well()->SetBottomUnit("沙二段");
        well()->SetTopDepth(1000);
        well()->SetBottomDepth(1500);
        page.Show(well());
    }
    CWpWell* well() { return page.well(); }
    std::vector<std::string> Boxes() {
        std::vector<std::string> texts;
        for (const auto& box : platform::Responder::Instance().MessageBoxes()) texts.push_back(box.text);
        return texts;
    }

    Page page;
};

TEST_F(WellColumn, DepthsEqualToTheOtherEndPassAndATopBelowTheBottomIsRefused) {
    EXPECT_EQ(page.Value(CLstWell::kTopDepthId), "1000.00");
    ASSERT_TRUE(page.Type(CLstWell::kBottomDepthId, "1500"));
    ASSERT_TRUE(page.Type(CLstWell::kTopDepthId, "1500"));
    EXPECT_FLOAT_EQ(well()->GetTopDepth(), 1500);
    EXPECT_TRUE(Boxes().empty());
    ASSERT_TRUE(page.Type(CLstWell::kTopDepthId, "1600"));
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"深度范围不合法！"}));
    EXPECT_FLOAT_EQ(well()->GetTopDepth(), 1500);
    EXPECT_EQ(page.Value(CLstWell::kTopDepthId), "1500.00");
    // A depth no float holds is no legal range either.
    ASSERT_TRUE(page.Type(CLstWell::kBottomDepthId, "1e40"));
    EXPECT_FLOAT_EQ(well()->GetBottomDepth(), 1500);
    EXPECT_EQ(Boxes().size(), 2u);
}

TEST_F(WellColumn, ATypedDepthPicksTheUnitHoldingItWithTheExtensionOrUnknown) {
    ASSERT_TRUE(page.Pick(CLstWell::kLevelId, "二级"));
    ASSERT_TRUE(page.Type(CLstWell::kExtendId, "10"));
    EXPECT_FLOAT_EQ(well()->GetTopExtendDepth(), 10);
    ASSERT_TRUE(page.Type(CLstWell::kTopDepthId, "1095"));  // 1105 lies in 沙一2
    EXPECT_EQ(well()->GetTopUnit(), "沙一2");
    ASSERT_TRUE(page.Type(CLstWell::kBottomDepthId, "1370"));  // 1360 lies in 沙二2
    EXPECT_EQ(well()->GetBottomUnit(), "沙二2");
    ASSERT_TRUE(page.Type(CLstWell::kTopDepthId, "50"));
    EXPECT_EQ(well()->GetTopUnit(), "未知");
}

// A refused extension, scale or thickness writes nothing and shows the stored one as the page
// shows it, also over a text taken earlier as its leading number ("2.5x" is 2.5).
TEST_F(WellColumn, ARefusedExtensionScaleOrThicknessShowsTheStoredOne) {
    ASSERT_TRUE(page.Pick(CLstWell::kLevelId, "二级"));
    ASSERT_TRUE(page.Type(CLstWell::kExtendId, "2.5x"));
    EXPECT_FLOAT_EQ(well()->GetTopExtendDepth(), 2.5);
    well()->SetDepthScale(200);
    well()->SetSandThick(3);
    page.Show(well());
    const struct {
        DWORD_PTR id;
        const char* refused;
        const char* shown;
    } cases[] = {
        {CLstWell::kExtendId, "-1", "2.50"},
        {CLstWell::kScaleId, "1e39", "1:200"},  // no int holds it: not a scale of 1
        {CLstWell::kScaleId, "1:-5", "1:200"},
        {CLstWell::kSandThickId, "1e39", "3.00"},
    };
    for (const auto& c : cases) {
        const uint64_t stamp = well()->GetTimeStamp();
        ASSERT_TRUE(page.Type(c.id, c.refused)) << c.refused;
        EXPECT_EQ(CallsOn(well()), Names()) << c.refused;
        EXPECT_EQ(well()->GetTimeStamp(), stamp) << c.refused;
        EXPECT_EQ(page.Value(c.id), c.shown) << c.refused;
    }
    EXPECT_FLOAT_EQ(well()->GetTopExtendDepth(), 2.5);
    EXPECT_EQ(well()->GetDepthScale(), 200);
    EXPECT_FLOAT_EQ(well()->GetSandThick(), 3);
}

TEST_F(WellColumn, UnitChoicesSkipUnusableTopsAndRefuseACrossedRange) {
    zephyr::SetLayering(well()->GetDataMgr(), 3, {{"A", 0, 10}, {"B", 1200, 100}, {"C", 1300, 100}, {"D", 2e5, 5}});
    zephyr::testing::Touch(well());
    page.Show(well());
    ASSERT_TRUE(page.Pick(CLstWell::kLevelId, "四级"));
    page.Show(well());
    // Both units show "未知" after the level change: chosen again, they are reported from code.
    page.Report(page.Item(CLstWell::kTopUnitId), _variant_t("未知"));
    EXPECT_EQ(well()->GetTopUnit(), "B");
    EXPECT_FLOAT_EQ(well()->GetTopDepth(), 1200);
    page.Report(page.Item(CLstWell::kBottomUnitId), _variant_t("未知"));
    EXPECT_EQ(well()->GetBottomUnit(), "C");
    EXPECT_FLOAT_EQ(well()->GetBottomDepth(), 1400);
    ASSERT_TRUE(page.Pick(CLstWell::kTopUnitId, "C"));
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"顶层单元不合法！"}));
    EXPECT_EQ(well()->GetTopUnit(), "B");
    EXPECT_EQ(page.Value(CLstWell::kTopUnitId), "B");
    ASSERT_TRUE(page.Pick(CLstWell::kBottomUnitId, "B"));
    EXPECT_EQ(Boxes().back(), "底层单元不合法！");
    EXPECT_EQ(well()->GetBottomUnit(), "C");
}

TEST_F(WellColumn, ALevelOneStepFinerMapsToTheSubUnitsAndAnyOtherStepToUnknown) {
    ASSERT_TRUE(page.Pick(CLstWell::kLevelId, "二级"));
    EXPECT_EQ(well()->GetUnitClass(), 1);
    EXPECT_EQ(well()->GetTopUnit(), "沙一1");
    EXPECT_EQ(well()->GetBottomUnit(), "沙二2");
    EXPECT_FLOAT_EQ(well()->GetTopDepth(), 1000);
    EXPECT_FLOAT_EQ(well()->GetBottomDepth(), 1500);

    well()->SetUnitClass(0);
    well()->SetTopUnit("沙一段");
    well()->SetBottomUnit("沙二段");
    well()->SetTopDepth(1010);
    ASSERT_TRUE(page.Pick(CLstWell::kLevelId, "三级"));
    EXPECT_EQ(well()->GetTopUnit(), "未知");
    EXPECT_EQ(well()->GetBottomUnit(), "未知");
    EXPECT_FLOAT_EQ(well()->GetTopDepth(), 1010);
}

TEST_F(WellColumn, TheLevelItemOffersOnlyLevelsWithUnits) {
    EXPECT_EQ(Page::Options(page.Item(CLstWell::kLevelId)), (Names{"一级", "二级", "三级"}));
    EXPECT_TRUE(page.Enabled(CLstWell::kLevelId));
    EXPECT_EQ(Page::Options(page.Item(CLstWell::kTopUnitId)), (Names{"未知", "沙一段", "沙二段"}));

    // A well whose data hold no layering: nothing to offer.
    well()->SetDataMgr(new WDMgrIO());
    page.Show(well());
    EXPECT_TRUE(Page::Options(page.Item(CLstWell::kLevelId)).empty());
    EXPECT_FALSE(page.Enabled(CLstWell::kLevelId));
    EXPECT_FALSE(page.Enabled(CLstWell::kExtendId));
}

// A level's text names its level though the well has no units of it; any other text is no level
// (-1), shown "未知" as the refresh shows it. Any other depth kind is measured depth, any other
// choice for the depth lines keeps them.
TEST_F(WellColumn, AnyOtherTextIsTheListsRule) {
    page.Report(page.Item(CLstWell::kLevelId), _variant_t("五级"));
    EXPECT_EQ(well()->GetUnitClass(), 4);
    EXPECT_EQ(page.Value(CLstWell::kLevelId), "五级");
    page.Report(page.Item(CLstWell::kLevelId), _variant_t("无此选项"));
    EXPECT_EQ(well()->GetUnitClass(), -1);
    EXPECT_EQ(page.Value(CLstWell::kLevelId), "未知");
    well()->SetAutoDepth(1);
    page.Report(page.Item(CLstWell::kAutoDepthId), _variant_t(""));
    EXPECT_EQ(well()->GetAutoDepth(), 0);
    EXPECT_EQ(page.Value(CLstWell::kAutoDepthId), "保持当前值");
    page.Report(page.Item(CLstWell::kBlankId), _variant_t("无此选项"));
    EXPECT_FALSE(well()->IsBlankSpace());
    EXPECT_EQ(page.Value(CLstWell::kBlankId), "否");
}

TEST_F(WellColumn, AUnitChoiceWithoutUnitsStoresUnknownAndKeepsTheRange) {
    zephyr::SetLayering(well()->GetDataMgr(), 4, {});
    well()->SetUnitClass(4);
    page.Show(well());
    ASSERT_TRUE(page.Pick(CLstWell::kTopUnitId, "未知"));
    ASSERT_TRUE(page.Pick(CLstWell::kBottomUnitId, "未知"));
    EXPECT_EQ(well()->GetTopUnit(), "未知");
    EXPECT_EQ(well()->GetBottomUnit(), "未知");
    EXPECT_FLOAT_EQ(well()->GetTopDepth(), 1000);
    EXPECT_FLOAT_EQ(well()->GetBottomDepth(), 1500);
}

TEST_F(WellColumn, TheScaleTakesAnyOfItsSpellingsAndRefusesNoPositiveNumber) {
    for (const char* text : {"1:250", "250", ":250"}) {
        well()->SetDepthScale(200);
        ASSERT_TRUE(page.Type(CLstWell::kScaleId, text));
        EXPECT_EQ(well()->GetDepthScale(), 250) << text;
    }
    for (const char* text : {"abc", "0", "1:-5", "1:99999999999"}) {
        ASSERT_TRUE(page.Type(CLstWell::kScaleId, text));
        EXPECT_EQ(well()->GetDepthScale(), 250) << text;
        EXPECT_EQ(page.Value(CLstWell::kScaleId), "1:250") << text;
    }
    // The group "深度比例" reported from code is found by its caption as a scale: nothing reaches
    // the shale thickness or the blank-at-break switch.
    well()->SetShaleThick(2);
    parsnip::testing::ClearCallLog();
    page.Report(page.Item(CLstWell::kScaleGroupId), _variant_t("1:500"));
    EXPECT_EQ(well()->GetDepthScale(), 500);
    EXPECT_FLOAT_EQ(well()->GetShaleThick(), 2);
    EXPECT_EQ(CallsOn(well()), (Names{"CWpKit::SetDepthScale", "CWpKit::Recalculate",
                                      "CWpWell::ComputeValidTopAndBottom", "CWpKit::InvalidSelf"}));
    EXPECT_EQ(ScaleOptions().size(), 16u);
    EXPECT_EQ(ScaleOptions().back(), "1:100000");
    EXPECT_EQ(ExtendOptions().size(), 21u);
    EXPECT_EQ(ThicknessOptions().back(), "10");
}

// A refused scale shows the kit's scale again as "1:%d", whatever the item showed: ":625" was
// taken as typed. A scale is a whole number as typed: "1:1e3" and "2.5e2" are none.
TEST_F(WellColumn, ARefusedScaleShowsTheKitsScaleAndChangesNothingElse) {
    ASSERT_TRUE(page.Type(CLstWell::kScaleId, ":625"));
    EXPECT_EQ(well()->GetDepthScale(), 625);
    EXPECT_EQ(page.Value(CLstWell::kScaleId), ":625");
    for (const char* text : {"比例", "0", "1:-8", "1:1e3", "2.5e2"}) {
        parsnip::testing::ClearCallLog();
        const std::string others = page.grid().Dump();
        const uint64_t stamp = well()->GetTimeStamp();
        const int redraws = page.Redraws();
        ASSERT_TRUE(page.Type(CLstWell::kScaleId, text));
        EXPECT_EQ(well()->GetDepthScale(), 625) << text;
        EXPECT_EQ(page.Value(CLstWell::kScaleId), "1:625") << text;
        EXPECT_EQ(wptest::AllCalls(), Names()) << text;
        EXPECT_EQ(well()->GetTimeStamp(), stamp) << text;
        EXPECT_EQ(page.Redraws(), redraws) << text;
        SetItemText(page.Item(CLstWell::kScaleId), ":625");  // only the scale's row may differ
        EXPECT_EQ(page.grid().Dump(), others) << text;
    }
    int scale = 0;
    EXPECT_TRUE(ReadDepthScale("1:1000", &scale));
    EXPECT_EQ(scale, 1000);
    EXPECT_TRUE(ReadDepthScale("250.7", &scale));  // the whole number typed, its fraction cut
    EXPECT_EQ(scale, 250);
}

// A number the page refuses after its item took the text (a change reported from code) shows the
// stored value as the refresh does; a refused unit choice shows the stored unit. Neither writes
// nor redraws.
TEST_F(WellColumn, ANumberOrUnitThePageRefusesShowsTheStoredValueAndRedrawsNothing) {
    ASSERT_TRUE(page.Pick(CLstWell::kLevelId, "二级"));
    ASSERT_TRUE(page.Type(CLstWell::kSandThickId, "3"));
    ASSERT_TRUE(page.Type(CLstWell::kScaleId, "500"));
    ASSERT_TRUE(page.Type(CLstWell::kExtendId, "2"));
    const struct {
        DWORD_PTR id;
        const char* text;
        const char* shown;
    } cases[] = {
        {CLstWell::kSandThickId, "1e39", "3.00"},
        {CLstWell::kShaleThickId, "1e39", "不设置"},
        {CLstWell::kScaleId, "1:0", "1:500"},
        {CLstWell::kExtendId, "-2", "2.00"},
    };
    for (const auto& c : cases) wptest::ExpectShownAgain(page, page.Item(c.id), c.text, c.shown, c.text);

    zephyr::SetLayering(well()->GetDataMgr(), 3, {{"B", 1200, 100}, {"C", 1300, 100}});
    zephyr::testing::Touch(well());
    page.Show(well());
    ASSERT_TRUE(page.Pick(CLstWell::kLevelId, "四级"));
    page.Show(well());
    ASSERT_TRUE(page.Pick(CLstWell::kTopUnitId, "B"));
    ASSERT_TRUE(page.Pick(CLstWell::kBottomUnitId, "C"));
    parsnip::testing::ClearCallLog();
    const int redraws = page.Redraws();
    ASSERT_TRUE(page.Pick(CLstWell::kTopUnitId, "C"));
    ASSERT_TRUE(page.Pick(CLstWell::kBottomUnitId, "B"));
    EXPECT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(page.Value(CLstWell::kTopUnitId), "B");
    EXPECT_EQ(page.Value(CLstWell::kBottomUnitId), "C");
    EXPECT_EQ(wptest::AllCalls(), Names());
    EXPECT_EQ(page.Redraws(), redraws);
}

TEST_F(WellColumn, ThicknessesAndBlankAtBreakExcludeEachOther) {
    EXPECT_TRUE(page.Enabled(CLstWell::kShaleThickId));
    well()->IsBlankSpace(true);
    ASSERT_TRUE(page.Type(CLstWell::kShaleThickId, "3"));
    EXPECT_FLOAT_EQ(well()->GetShaleThick(), 3);
    EXPECT_FALSE(well()->IsBlankSpace());
    ASSERT_TRUE(page.Type(CLstWell::kSandThickId, "不设置"));
    EXPECT_FLOAT_EQ(well()->GetSandThick(), 0);

    ASSERT_TRUE(page.Pick(CLstWell::kBlankId, "是"));
    EXPECT_TRUE(well()->IsBlankSpace());
    EXPECT_FLOAT_EQ(well()->GetShaleThick(), 0);
    EXPECT_TRUE(page.Enabled(CLstWell::kLostLineShownId));
    EXPECT_FALSE(page.Enabled(CLstWell::kLostLineId));
    ASSERT_TRUE(page.Pick(CLstWell::kLostLineShownId, "是"));
    EXPECT_TRUE(well()->IsFaultPointLine());
    EXPECT_TRUE(page.Enabled(CLstWell::kLostLineId));
    ASSERT_TRUE(page.Pick(CLstWell::kBlankId, "否"));
    EXPECT_FALSE(page.Enabled(CLstWell::kLostLineShownId));
    EXPECT_FALSE(page.Enabled(CLstWell::kLostLineId));
}

// The line is read back whole; a stored width the group reader refuses does not stop a colour picked.
TEST_F(WellColumn, ALostLineColourIsTakenWhenTheStoredWidthDoesNotRead) {
    well()->IsBlankSpace(true);
    well()->IsFaultPointLine(true);
    QXLOGPEN pen = well()->GetFaultPointLine();
    pen.width = -100;
    well()->SetFaultPointLine(pen);
    SetKitTimeStamp(well());
    page.Show(well());
    ASSERT_TRUE(page.Color(page.Item(CLstWell::kLostLineId + 3), RGB(255, 0, 0)));
    EXPECT_EQ(well()->GetFaultPointLine().color, RGB(255, 0, 0));
    EXPECT_FLOAT_EQ(well()->GetFaultPointLine().width, -100);
    EXPECT_EQ(parsnip::testing::CountCalls("CWpKit::InvalidSelf", well()), 1);
}

TEST_F(WellColumn, ADepthKindChangeConvertsTheRangeBeforeStoringTheKind) {
    ASSERT_TRUE(osprey::testing::SetDepthFactor("井1", 2));
    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.Pick(CLstWell::kDepthKindId, "垂深"));
    EXPECT_FLOAT_EQ(well()->GetTopDepth(), 500);
    EXPECT_FLOAT_EQ(well()->GetBottomDepth(), 750);
    EXPECT_EQ(CallsOn(well()),
              (Names{"CWpKit::SetTopDepth", "CWpKit::SetBottomDepth", "CWpWell::SetDepthType", "CWpKit::Recalculate",
                     "CWpWell::ComputeValidTopAndBottom", "CWpKit::InvalidSelf"}));
    EXPECT_EQ(well()->GetDataMgr()->GetDepthType(), DEPTH_VERTICAL);
    // The kind in use again (the option shown, so reported from code): only the common ending.
    parsnip::testing::ClearCallLog();
    page.Report(page.Item(CLstWell::kDepthKindId), _variant_t("垂深"));
    EXPECT_EQ(CallsOn(well()), (Names{"CWpWell::ComputeValidTopAndBottom", "CWpKit::InvalidSelf"}));
}

TEST_F(WellColumn, EveryEditEndsWithTheRangeCheckARepaintAndTheView) {
    const int redraws = page.Redraws();
    ASSERT_TRUE(page.Pick(CLstWell::kAutoDepthId, "自动调整"));
    EXPECT_EQ(well()->GetAutoDepth(), 1);
    EXPECT_EQ(CallsOn(well()), (Names{"CWpKit::SetAutoDepth", "CWpKit::Recalculate",
                                      "CWpWell::ComputeValidTopAndBottom", "CWpKit::InvalidSelf"}));
    EXPECT_GT(page.Redraws(), redraws);
    // Another kind of kit selected: edits reach no kit.
    page.Show(page.depth());
    parsnip::testing::ClearCallLog();
    page.Pick(CLstWell::kAutoDepthId, "保持当前值");
    EXPECT_TRUE(wptest::AllCalls().empty());
}

}  // namespace
