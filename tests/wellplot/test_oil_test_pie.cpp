// The oil-test pie page: the attribute lists sized from their count items (and never beyond the
// items the page has ids for), the pie's switch over its groups, the colour captions, the radius
// and the font sizes.
#include "OilTestFixture.h"

using wptest::CallsOn;
using wptest::Names;
using Pie = CLstOilTestPie;
using wptest::PiePage;

namespace {

std::vector<CString> Entries(int n) {
    std::vector<CString> entries;
    for (int i = 0; i < n; ++i) entries.push_back(FormatString("字段%d", i + 1));
    return entries;
}

TEST(OilTestPie, TheFirstRefreshSizesTheCountFromTheKitsList) {
    PiePage page;
    page.kit()->m_pieUpper = Entries(4);
    page.Show(page.kit());
    EXPECT_EQ(page.Value(Pie::kUpperCountId), "4");
    CBCGPProp* upper = page.Item(Pie::kUpperGroupId);
    ASSERT_EQ(upper->GetSubItemsCount(), 4);
    EXPECT_EQ(upper->GetSubItem(0)->GetName(), "属性1");
    EXPECT_EQ(upper->GetSubItem(3)->GetName(), "属性4");
    EXPECT_EQ(PiePage::Value(upper->GetSubItem(3)), "字段4");
    EXPECT_EQ(PiePage::Options(upper->GetSubItem(0)), (Names{"日产油", "日产气", "日产水", "含水"}));
    EXPECT_EQ(page.Value(Pie::kLowerCountId), "0");
}

TEST(OilTestPie, ACountResizesTheKitsListAndTheSameCountOnlyReloadsTexts) {
    PiePage page;
    page.kit()->m_pieUpper = Entries(4);
    page.Show(page.kit());
    ASSERT_TRUE(page.Pick(Pie::kUpperCountId, "6"));
    EXPECT_EQ(page.kit()->m_pieUpper.size(), 6u);
    EXPECT_EQ(page.kit()->m_pieUpper[5], "");
    EXPECT_EQ(page.Item(Pie::kUpperGroupId)->GetSubItemsCount(), 6);
    CBCGPProp* first = page.Item(Pie::kFirstUpperId);
    page.kit()->m_pieUpper[0] = "含水";
    // The count shown is no pick; reported from code it reloads the texts.
    page.Report(page.Item(Pie::kUpperCountId), _variant_t("6"));
    EXPECT_EQ(page.Item(Pie::kFirstUpperId), first);  // not rebuilt
    EXPECT_EQ(page.Value(Pie::kFirstUpperId), "含水");
    ASSERT_TRUE(page.Pick(Pie::kFirstUpperId + 1, "日产气"));
    EXPECT_EQ(page.kit()->m_pieUpper[1], "日产气");
    ASSERT_TRUE(page.Pick(Pie::kUpperCountId, "1"));
    EXPECT_EQ(page.kit()->m_pieUpper, (std::vector<CString>{"含水"}));
}

TEST(OilTestPie, AListLongerThanNineShowsNineAndKeepsTheRest) {
    PiePage page;
    page.kit()->m_pieUpper = Entries(12);
    page.kit()->m_pieLower = Entries(2);
    page.Show(page.kit());
    EXPECT_EQ(page.Value(Pie::kUpperCountId), "9");
    EXPECT_EQ(page.Item(Pie::kUpperGroupId)->GetSubItemsCount(), 9);
    EXPECT_EQ(page.kit()->m_pieUpper, Entries(12));
    EXPECT_EQ(page.Item(Pie::kLowerGroupId)->GetName(), "下部属性");
    EXPECT_EQ(page.Value(Pie::kFirstLowerId), "字段1");
    zephyr::testing::Touch(page.kit());
    page.Show(page.kit());
    EXPECT_EQ(page.kit()->m_pieUpper, Entries(12));
}

TEST(OilTestPie, HidingThePieDisablesTheGroupsSubItemsOnly) {
    PiePage page;
    page.Show(page.kit());
    ASSERT_TRUE(page.Pick(Pie::kShownId, "否"));
    EXPECT_EQ(page.kit()->m_nPieShow, 0);
    EXPECT_TRUE(page.Enabled(Pie::kShownId));
    for (DWORD_PTR id :
         std::initializer_list<DWORD_PTR>{Pie::kDataChoiceId, Pie::kOilColorId, Pie::kValueLabelId, Pie::kOutlineId + 1,
                                          Pie::kLeaderDrawnId, Pie::kRadiusId, Pie::kSideShownId, Pie::kUpperCountId})
        EXPECT_FALSE(page.Enabled(id)) << id;
    EXPECT_TRUE(page.Enabled(Pie::kSideGroupId));
    EXPECT_TRUE(page.Enabled(Pie::kLabelFontId + 1));  // nested groups keep their items
    ASSERT_TRUE(page.Pick(Pie::kShownId, "是"));
    EXPECT_TRUE(page.Enabled(Pie::kRadiusId));
}

TEST(OilTestPie, RadiusAndFontSizesAreStoredInHundredths) {
    PiePage page;
    page.Show(page.kit());
    ASSERT_TRUE(page.Type(Pie::kRadiusId, "7.5"));
    EXPECT_DOUBLE_EQ(page.kit()->m_dPieRadius, 750);
    EXPECT_EQ(CallsOn(page.kit()), (Names{"CWpKit::InvalidSelf"}));
    zephyr::testing::Touch(page.kit());
    page.Show(page.kit());
    EXPECT_EQ(page.Value(Pie::kRadiusId), "7.50");
    ASSERT_TRUE(page.Type(Pie::kRadiusId, "1e400"));
    EXPECT_DOUBLE_EQ(page.kit()->m_dPieRadius, 750);
    EXPECT_EQ(page.Value(Pie::kRadiusId), "7.50");

    page.kit()->m_pieLabelFont.size = 300;
    ASSERT_TRUE(page.Type(Pie::kLabelFontId + 2, "0"));
    EXPECT_FLOAT_EQ(page.kit()->m_pieLabelFont.size, 300);
    ASSERT_TRUE(page.Type(Pie::kSideFontId + 2, "12"));
    EXPECT_FLOAT_EQ(page.kit()->m_pieSideFont.size, 1200);
}

TEST(OilTestPie, ColourCaptionsFollowTheDataChoiceFromTheFirstRefresh) {
    PiePage page;
    page.kit()->m_nPieDataChoice = 1;
    page.Show(page.kit());
    EXPECT_EQ(page.Item(Pie::kOilColorId)->GetName(), "累产油");
    ASSERT_TRUE(page.Pick(Pie::kDataChoiceId, "日产"));
    EXPECT_EQ(page.kit()->m_nPieDataChoice, 0);
    EXPECT_EQ(page.Item(Pie::kGasColorId)->GetName(), "日产气");
    ASSERT_TRUE(page.Pick(Pie::kNullValuesId, "不绘制"));
    EXPECT_EQ(page.kit()->m_nPieDrawNull, 0);
    ASSERT_TRUE(page.Pick(Pie::kPercentLabelId, "不显示"));
    EXPECT_EQ(page.kit()->m_nPieShowPercent, 0);
    // Each colour picked is stored in its own field.
    ASSERT_TRUE(page.Color(page.Item(Pie::kOilColorId), RGB(1, 2, 3)));
    ASSERT_TRUE(page.Color(page.Item(Pie::kGasColorId), RGB(4, 5, 6)));
    ASSERT_TRUE(page.Color(page.Item(Pie::kWaterColorId), RGB(7, 8, 9)));
    EXPECT_EQ(page.kit()->m_clrPieOil, RGB(1, 2, 3));
    EXPECT_EQ(page.kit()->m_clrPieGas, RGB(4, 5, 6));
    EXPECT_EQ(page.kit()->m_clrPieWater, RGB(7, 8, 9));
}

// A text reported from code into each list: the value the page's rule gives is stored and the
// list shows the option standing for it, also after the host announces the kit again (the page
// does not change the kit's stamp, so the announce refreshes nothing); a count that is no unsigned
// integer up to 9 is refused and moves nothing.
TEST(OilTestPie, AnyOtherTextIsTheListsValueAndShowsItsOptionAcrossAnnounces) {
    PiePage page;
    page.kit()->m_nPieShow = 0;
    page.kit()->m_nPieDataChoice = 0;
    page.kit()->m_nPieShowValue = 1;
    page.kit()->m_nPieShowPercent = 1;
    page.kit()->m_nPieLeader = 1;
    page.kit()->m_nPieRadiusMode = 0;
    page.kit()->m_nPieDrawNull = 0;
    page.kit()->m_nPieSideShow = 1;
    page.kit()->m_pieUpper = Entries(2);
    page.Show(page.kit());
    const struct {
        DWORD_PTR id;
        int CWpOilTest::*field;
        int stored;
        const char* shown;
    } lists[] = {
        {Pie::kShownId, &CWpOilTest::m_nPieShow, 0, "否"},
        {Pie::kDataChoiceId, &CWpOilTest::m_nPieDataChoice, 1, "累产"},
        {Pie::kValueLabelId, &CWpOilTest::m_nPieShowValue, 0, "不显示"},
        {Pie::kPercentLabelId, &CWpOilTest::m_nPieShowPercent, 0, "不显示"},
        {Pie::kLeaderDrawnId, &CWpOilTest::m_nPieLeader, 0, "否"},
        {Pie::kRadiusModeId, &CWpOilTest::m_nPieRadiusMode, 1, "比例"},
        {Pie::kNullValuesId, &CWpOilTest::m_nPieDrawNull, 1, "绘制"},
        {Pie::kSideShownId, &CWpOilTest::m_nPieSideShow, 0, "否"},
    };
    for (const auto& list : lists) {
        for (const char* text : {"无此选项", ""}) {
            page.kit()->*list.field = 1 - list.stored;
            parsnip::testing::ClearCallLog();
            page.Report(page.Item(list.id), _variant_t(text));
            EXPECT_EQ(page.kit()->*list.field, list.stored) << list.id << " " << text;
            EXPECT_EQ(CallsOn(page.kit()), (Names{"CWpKit::InvalidSelf"})) << list.id;
            EXPECT_EQ(page.Value(list.id), list.shown) << list.id << " " << text;
            for (int announce = 0; announce < 3; ++announce) page.Show(page.kit());
            EXPECT_EQ(page.Value(list.id), list.shown) << list.id << " " << text;
        }
    }
    EXPECT_EQ(page.Item(Pie::kOilColorId)->GetName(), "累产油");

    for (const char* refused : {"无此选项", "", "10", "-1", "2.5"})
        wptest::ExpectShownAgain(page, Pie::kUpperCountId, _variant_t(refused), "2", refused);
    EXPECT_EQ(page.kit()->m_pieUpper, Entries(2));
    EXPECT_EQ(page.Item(Pie::kUpperGroupId)->GetSubItemsCount(), 2);
    // A count is read as an unsigned integer: "03" and " 3" are 3 entries, as "3" is.
    for (const auto& [id, entries] : {std::make_pair(Pie::kUpperCountId, &CWpOilTest::m_pieUpper),
                                      std::make_pair(Pie::kLowerCountId, &CWpOilTest::m_pieLower)})
        for (const char* three : {"3", "03", " 3"}) {
            page.kit()->*entries = Entries(1);
            page.Report(page.Item(id), _variant_t(three));
            EXPECT_EQ((page.kit()->*entries).size(), 3u) << id << " '" << three << "'";
            EXPECT_EQ(page.Value(id), "3") << id << " '" << three << "'";
        }
}

}  // namespace
