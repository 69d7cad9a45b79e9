// The sidewall-core page: its source items, symbol side and the active core.
#include <gtest/gtest.h>

#include "IntervalFixture.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/LogCodeMgrIO.h"
#include "hosttypes/Zephyr/WpFacies.h"
#include "hosttypes/Zephyr/WpSidewallCore.h"
#include "wellplot/intervals/LstSidewallCore.h"

using wptest::Names;

namespace {

using Page = wptest::IntervalPage<CLstSidewallCore>;

CLstSidewallCore* MakeWithCodes(zephyr::PlotFixture& plot) {
    auto* kit = plot.First<CWpSidewallCore>();
    kit->SetCorelithMgr(&zephyr::testing::CorelithCodes());
    return new CLstSidewallCore(kit);
}

TEST(SidewallCorePageTest, TheCoreTableShowsAndStoresItsFieldsAndPointTablesOfferTheirColumns) {
    Page page([](zephyr::PlotFixture& plot) { return new CLstSidewallCore(plot.First<CWpSidewallCore>()); });
    auto* kit = page.plot().First<CWpSidewallCore>();
    page.Show(kit);
    EXPECT_EQ(page.Options(page.Item(CLstSidewallCore::kTableId)),
              (Names{"井壁取芯数据", "点数据1", "点数据2", "点数据3"}));
    ASSERT_TRUE(page.Pick(CLstSidewallCore::kTableId, "井壁取芯数据"));
    page.Show(kit);
    EXPECT_EQ(page.Value(CLstSidewallCore::kLithFieldId), "岩性");
    EXPECT_EQ(page.Value(CLstSidewallCore::kOilFieldId), "含油性");
    EXPECT_EQ(kit->GetLithologyField(), "岩性");
    EXPECT_EQ(kit->GetOilField(), "含油性");
    EXPECT_EQ(kit->GetDataName(), "井壁取芯数据 岩性 含油性");

    ASSERT_TRUE(page.Pick(CLstSidewallCore::kTableId, "点数据3"));
    EXPECT_EQ(kit->GetLithologyField(), "");
    page.Show(kit);
    EXPECT_EQ(page.Options(page.Item(CLstSidewallCore::kOilFieldId)), (Names{"深度", "名称"}));
    ASSERT_TRUE(page.Pick(CLstSidewallCore::kOilFieldId, "名称"));
    EXPECT_EQ(kit->GetOilField(), "名称");

    // Discrete data empties table and fields and leaves segment editing.
    kit->SetActiveCore(0);
    kit->m_bDrawActive = true;
    ASSERT_TRUE(page.Pick(CLstSidewallCore::kSourceTypeId, "离散数据"));
    EXPECT_EQ(kit->m_dataSource, DATA_DISCRETE);
    EXPECT_EQ(kit->GetDataTable(), "");
    EXPECT_EQ(kit->GetOilField(), "");
    page.Show(kit);
    EXPECT_FALSE(page.Enabled(CLstSidewallCore::kCoreDepthId));
}

TEST(SidewallCorePageTest, SymbolSideAndFlagsReadAnyPositiveValueAsSet) {
    Page page([](zephyr::PlotFixture& plot) { return new CLstSidewallCore(plot.First<CWpSidewallCore>()); });
    auto* kit = page.plot().First<CWpSidewallCore>();
    for (const auto& [left, shown] : std::vector<std::pair<int, std::string>>{{2, "左边"}, {0, "右边"}, {-1, "右边"}}) {
        kit->m_nLeft = left;
        page.Show(page.plot().First<CWpFacies>());  // a field written directly leaves the stamp
        page.Show(kit);
        EXPECT_EQ(page.Value(CLstSidewallCore::kSymbolSideId), shown) << left;
    }
    ASSERT_TRUE(page.Pick(CLstSidewallCore::kSymbolSideId, "左边"));
    EXPECT_EQ(kit->m_nLeft, 1);
    // 0 shows "否" already, so the same text is reported from code: it stores the page's -1.
    page.Report(page.Item(CLstSidewallCore::kLithUpId), _variant_t("否"));
    EXPECT_EQ(kit->m_nLithUp, -1);
    ASSERT_TRUE(page.Type(CLstSidewallCore::kWidthRateId, "0.6"));
    EXPECT_DOUBLE_EQ(kit->m_dWidthRate, 0.6);
    ASSERT_TRUE(page.Type(CLstSidewallCore::kWidthRateId, "-3"));  // refused: the ratio stays
    EXPECT_DOUBLE_EQ(kit->m_dWidthRate, 0.6);

    // Reports from code after a refusal are judged by their own texts: a ratio a double holds and
    // a line width are written; a width no pen holds shows the stored one.
    const DWORD_PTR width = CLstSidewallCore::kLinePenId + 2;
    kit->m_linePen.width = 300;
    page.Show(page.plot().First<CWpFacies>());
    page.Show(kit);
    int redraws = page.Redraws();
    page.Report(page.Item(CLstSidewallCore::kWidthRateId), _variant_t("1e39"));
    EXPECT_DOUBLE_EQ(kit->m_dWidthRate, 1e39);
    EXPECT_GT(page.Redraws(), redraws);
    ASSERT_TRUE(page.Type(width, "-1"));
    wptest::ExpectShownAgain(page, page.Item(width), _variant_t("1e39"), "3.00", "line width");
    redraws = page.Redraws();
    page.Report(page.Item(width), _variant_t("7"));
    EXPECT_FLOAT_EQ(kit->m_linePen.width, 700);
    EXPECT_GT(page.Redraws(), redraws);
}

TEST(SidewallCorePageTest, TheActiveCoreIsEditedOnlyWhileItExistsAndAnotherKindWritesNothing) {
    Page page(MakeWithCodes);
    auto* kit = page.plot().First<CWpSidewallCore>();
    EXPECT_EQ(page.Options(page.Item(CLstSidewallCore::kCoreLithId)).size(),
              static_cast<size_t>(zephyr::testing::CorelithCodes().GetColthTypeCount()));
    page.Show(kit);
    EXPECT_FALSE(page.Enabled(CLstSidewallCore::kCoreLithId));  // no active core

    kit->SetActiveCore(0);
    kit->m_bDrawActive = true;
    page.Show(page.plot().First<CWpFacies>());
    page.Show(kit);
    EXPECT_TRUE(page.Enabled(CLstSidewallCore::kCoreDepthId));
    ASSERT_TRUE(page.Type(CLstSidewallCore::kCoreDepthId, "1234.5"));
    ASSERT_TRUE(page.Type(CLstSidewallCore::kCoreLithId, "泥岩"));
    EXPECT_DOUBLE_EQ(kit->GetActiveCoreSeg()->depth, 1234.5);
    EXPECT_EQ(kit->GetActiveCoreSeg()->lithology, "泥岩");
    // A depth reported from code that no double holds: the core's depth shows again, nothing runs.
    wptest::ExpectShownAgain(page, page.Item(CLstSidewallCore::kCoreDepthId), _variant_t("1e400"), "1234.50",
                             "core depth");

    page.Show(page.plot().First<CWpFacies>());
    zephyr::testing::ClearCallLog();
    ASSERT_TRUE(page.Type(CLstSidewallCore::kTitleNameId, "改"));
    EXPECT_EQ(wptest::AllCalls(), Names());
    EXPECT_EQ(kit->GetActiveCoreSeg()->lithology, "泥岩");
}

}  // namespace
