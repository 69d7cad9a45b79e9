// The stratum page: its source types and discrete binding, the refresh on new strata, the
// display items and the kit-class guard.
#include "IntervalFixture.h"
#include "hostlibs/Osprey/WellDataTesting.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Tinder/ParseString.h"
#include "hosttypes/Zephyr/WpSand.h"
#include "hosttypes/Zephyr/WpStratum.h"
#include "wellplot/intervals/LstStratum.h"

using wptest::CallsOn;
using wptest::Names;

namespace {

struct StratumPage : wptest::IntervalPage<CLstStratum> {
    CWpStratum* kit() { return plot().First<CWpStratum>(); }
};

TEST(ParseStringTest, WordsAtBlanksAndTabsAndEmptyPastTheEnd) {
    CParseString words;
    EXPECT_EQ(words.Parse("  表A \t字段B  "), 2);
    EXPECT_EQ(words[0], "表A");
    EXPECT_EQ(words[1], "字段B");
    EXPECT_EQ(words[2], "");
    EXPECT_EQ(words[-1], "");
    EXPECT_EQ(words.Parse(""), 0);
    EXPECT_EQ(words[0], "");
}

TEST(StratumPageTest, TypeOptionsFollowTheLevelsHeldAndNewStrataRefreshTheOpenPage) {
    osprey::testing::SetStrata({osprey::testing::MakeStratum(1, "1", "二级1"), osprey::testing::MakeStratum(3, "2", "四级1")});
    StratumPage page;
    page.Show(page.kit());
    EXPECT_EQ(page.Options(page.Path("数据源/类型")), (Names{"二级分层界限", "四级分层界限", "离散数据", "图形"}));
    EXPECT_EQ(page.Value(page.Path("数据源/类型")), "图形");

    // A kit changed elsewhere without a newer stamp is not read again, until the well's strata change.
    page.kit()->ShowStratumName(true);
    page.kit()->SetTimeStamp(0);
    page.Show(page.kit());
    EXPECT_EQ(page.Value(CLstStratum::kNameShowId), "否");
    osprey::testing::SetStrata({osprey::testing::MakeStratum(0, "1", "一级1")});
    page.Show(page.kit());
    EXPECT_EQ(page.Value(CLstStratum::kNameShowId), "是");
    EXPECT_EQ(page.Options(page.Path("数据源/类型")), (Names{"一级分层界限", "离散数据", "图形"}));
}

TEST(StratumPageTest, DiscreteDataBindsTableThenFieldAndLevelsUnbindIt) {
    osprey::testing::SetStrata({osprey::testing::MakeStratum(1, "1", "二级1")});
    StratumPage page;
    CWpStratum* kit = page.kit();
    page.Show(kit);
    EXPECT_FALSE(page.Path("数据源/离散表")->IsEnabled());

    ASSERT_TRUE(page.Pick(page.Path("数据源/类型"), "离散数据"));
    EXPECT_EQ(kit->m_nDataSource, CLstStratum::kDiscreteSource);
    EXPECT_TRUE(page.Path("数据源/离散表")->IsEnabled());
    EXPECT_TRUE(page.Path("数据源/层名字段")->IsEnabled());
    EXPECT_EQ(kit->GetTableName(), "");
    EXPECT_EQ(CallsOn(kit), (Names{"CQXObject::SetModifyFlag", "CQXObject::SetModifyFlag"}));

    ASSERT_TRUE(page.Pick(page.Path("数据源/离散表"), "试油成果"));
    EXPECT_EQ(kit->GetTableName(), "试油成果");
    EXPECT_EQ(page.Value(page.Path("数据源/层名字段")), "");
    EXPECT_EQ(page.Options(page.Path("数据源/层名字段")), (Names{"结论"}));
    ASSERT_TRUE(page.Pick(page.Path("数据源/层名字段"), "结论"));
    EXPECT_EQ(kit->GetFiledName(), "结论");

    // A level binds the well's set of that level and empties the table items.
    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.Pick(page.Path("数据源/类型"), "二级分层界限"));
    LOGSTRATUM2 record;
    ASSERT_TRUE(page.data()->FindData(kit->GetData(), record));
    EXPECT_EQ(record.type, 1);
    EXPECT_EQ(CallsOn(kit), (Names{"CQXObject::SetModifyFlag", "CWpStratum::SetData", "CWpKit::OnDataChanged",
                                   "CQXObject::SetModifyFlag"}));
    EXPECT_FALSE(page.Path("数据源/离散表")->IsEnabled());
    EXPECT_EQ(page.Options(page.Path("数据源/离散表")), Names());
}

TEST(StratumPageTest, ARecordOfTypeFiveShowsItsTableAndFieldAndAnUnknownSetShowsGraphic) {
    StratumPage page;
    CWpStratum* kit = page.kit();
    kit->SetData(page.data()->AddStratum2(5, "表A\t字段B"));
    page.Show(kit);
    EXPECT_EQ(page.Value(page.Path("数据源/类型")), "离散数据");
    EXPECT_EQ(page.Value(page.Path("数据源/离散表")), "表A");
    EXPECT_EQ(page.Value(page.Path("数据源/层名字段")), "字段B");
    EXPECT_TRUE(page.Path("数据源/层名字段")->IsEnabled());

    // A set of another well is unknown to this one.
    WDMgrIO other;
    kit->SetData(other.AddStratum2(2, ""));
    page.Show(kit);
    EXPECT_EQ(page.Value(page.Path("数据源/类型")), "图形");
    EXPECT_EQ(page.Value(page.Path("数据源/离散表")), "");
    kit->SetData(nullptr);
}

TEST(StratumPageTest, ActiveIntervalDepthsAndNameAndRefusedDepth) {
    StratumPage page;
    page.Show(page.kit());
    EXPECT_EQ(page.Value(page.Path("当前段/顶深")), "");
    EXPECT_EQ(page.Value(page.Path("当前段/层名")), "");
    CWpStratum* kit = page.KitWithInterval<CWpStratum>(10, 20);
    kit->SetStratumName(0, "沙一段");
    page.Show(kit);
    EXPECT_EQ(page.Value(page.Path("当前段/顶深")), "10.00");
    EXPECT_EQ(page.Value(page.Path("当前段/层名")), "沙一段");
    ASSERT_TRUE(page.Type(page.Path("当前段/顶深"), "30"));  // below the bottom: refused
    EXPECT_EQ(kit->GetSegTopDpth(0), 10);
    EXPECT_EQ(page.Value(page.Path("当前段/顶深")), "10.00");
    ASSERT_TRUE(page.Type(page.Path("当前段/顶深"), "12.5"));
    EXPECT_EQ(kit->GetSegTopDpth(0), 12.5);
}

TEST(StratumPageTest, DisplayItemsWriteTheirFields) {
    StratumPage page;
    CWpStratum* kit = page.kit();
    page.Show(kit);
    ASSERT_TRUE(page.Pick(CLstStratum::kBreakShowId, "是"));
    EXPECT_EQ(kit->IsFaultPointVisible(), 1);
    ASSERT_TRUE(page.Pick(CLstStratum::kBreakShowId, "否"));
    EXPECT_EQ(kit->IsFaultPointVisible(), 0);
    ASSERT_TRUE(page.Pick(CLstStratum::kPointShowId, "是"));
    EXPECT_TRUE(kit->IsDividePointVisible());
    ASSERT_TRUE(page.Type(CLstStratum::kLinePenId + 2, "0.5"));
    EXPECT_FLOAT_EQ(kit->GetDivideLogPen().width, 50.f);
    ASSERT_TRUE(page.Type(CLstStratum::kBreakFontId + 2, "12"));
    EXPECT_FLOAT_EQ(kit->GetFontFault().size, 1200.f);
    ASSERT_TRUE(page.Type(CLstStratum::kNameFontId + 2, "x"));  // no number: the size stays
    EXPECT_FLOAT_EQ(kit->GetSNFont().size, 0.f);
}

TEST(StratumPageTest, AnotherKitOrAnEditBeforeAnySelectionChangesNothing) {
    StratumPage page;
    CWpStratum* kit = page.kit();
    const uint64_t stamp = kit->GetTimeStamp();
    ASSERT_TRUE(page.Pick(CLstStratum::kBkColorId, "是"));
    CWpSand* sand = page.plot().First<CWpSand>();
    page.Show(sand);
    ASSERT_TRUE(page.Pick(CLstStratum::kBkColorId, "是"));
    ASSERT_TRUE(page.Pick(page.Path("数据源/类型"), "离散数据"));
    EXPECT_EQ(wptest::AllCalls(), Names());
    EXPECT_EQ(kit->GetTimeStamp(), stamp);
    EXPECT_FALSE(kit->IsBkColorUsed());
    EXPECT_EQ(sand->m_nDataSource, 0);
}

}  // namespace
