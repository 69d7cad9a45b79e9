// The integrated-coring, sand and facies pages, and the kit-class guard on the interval pages.
#include <algorithm>
#include <cfloat>

#include "IntervalFixture.h"
#include "hostlibs/Osprey/WellDataTesting.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/WpFacies.h"
#include "hosttypes/Zephyr/WpIntegratedCore.h"
#include "hosttypes/Zephyr/WpSand.h"
#include "wellplot/intervals/LstFacies.h"
#include "wellplot/intervals/LstIntegratedCore.h"
#include "wellplot/intervals/LstSand.h"

using wptest::CallsOn;
using wptest::Names;

namespace {

struct CorePage : wptest::IntervalPage<CLstIntegratedCore> {
    CorePage()
        : IntervalPage([](zephyr::PlotFixture& plot) {
              return new CLstIntegratedCore(plot.First<CWpIntegratedCore>());
          }) {}
    CWpIntegratedCore* kit() { return plot().First<CWpIntegratedCore>(); }
};

struct FaciesPage : wptest::IntervalPage<CLstFacies> {
    FaciesPage()
        : IntervalPage([](zephyr::PlotFixture& plot) { return new CLstFacies(plot.First<CWpFacies>()); }) {}
    CWpFacies* kit() { return plot().First<CWpFacies>(); }
};

using SandPage = wptest::IntervalPage<CLstSand>;

// ---- integrated coring ------------------------------------------------------------------------
TEST(CoringPageTest, CoringTableGivesTheDefaultFieldsWithoutOptions) {
    CorePage page;
    page.kit()->SetDataSource(DATA_WELL);
    page.kit()->SetTable("取芯综合数据");
    page.Show(page.kit());
    EXPECT_EQ(page.kit()->GetCoreTubeField(), "取芯筒次");
    EXPECT_EQ(page.kit()->GetCoreFootageField(), "取芯进尺");
    EXPECT_EQ(page.Value(CLstIntegratedCore::kLengthFieldId), "取芯长度");
    for (DWORD_PTR id : {CLstIntegratedCore::kTubeFieldId, CLstIntegratedCore::kLengthFieldId,
                         CLstIntegratedCore::kFootageFieldId})
        EXPECT_EQ(page.Options(page.Item(id)), Names()) << id;
    EXPECT_EQ(page.Options(page.Item(CLstIntegratedCore::kTableId)),
              (Names{"取芯综合数据", "段数据1", "段数据2", "段数据3"}));

    // A segment-data table keeps its short name; its columns come from the full one.
    page.kit()->SetTable("段数据2");
    zephyr::testing::Touch(page.kit());
    page.Show(page.kit());
    EXPECT_EQ(page.Options(page.Item(CLstIntegratedCore::kTubeFieldId)).size(), 5u);
    EXPECT_EQ(page.kit()->GetTable(), "段数据2");

    // Discrete data offer every data set, segment data or not; any typed source is discrete.
    ASSERT_TRUE(page.Type(CLstIntegratedCore::kSourceTypeId, "其它"));
    EXPECT_EQ(page.kit()->GetDataSource(), DATA_DISCRETE);
    EXPECT_EQ(page.kit()->GetCoreTubeField(), "");
    zephyr::testing::Touch(page.kit());
    page.Show(page.kit());
    EXPECT_EQ(page.Options(page.Item(CLstIntegratedCore::kTableId)), (Names{"孔隙度", "试油成果"}));
}

TEST(CoringPageTest, ActiveRunShowsItsValuesAndTheLargestFloatAsZero) {
    CorePage page;
    WPSEGMENT run;
    run.top = FLT_MAX;
    run.bottom = 1210.5;
    run.data = WpSegDataRef(new WPSEGDATA{3, 8.5, 9.0, 0.94});
    page.kit()->AddSeg(run);
    page.kit()->SetActiveSeg(0);
    page.Show(page.kit());
    EXPECT_EQ(page.Value(CLstIntegratedCore::kRunTopId), "0.00");
    EXPECT_EQ(page.Value(CLstIntegratedCore::kRunBottomId), "1210.50");
    EXPECT_EQ(page.Value(CLstIntegratedCore::kRunTubeId), "3");
    EXPECT_EQ(page.Value(CLstIntegratedCore::kRunRecoveryId), "0.94");
    EXPECT_EQ(page.kit()->GetSeg(0)->data.UseCount(), 2);  // the page let go of its reference

    // Without an active run the six items are disabled and keep their values.
    page.kit()->SetActiveSeg(-1);
    zephyr::testing::Touch(page.kit());
    page.Show(page.kit());
    for (DWORD_PTR id = CLstIntegratedCore::kRunTopId; id <= CLstIntegratedCore::kRunRecoveryId; ++id)
        EXPECT_FALSE(page.Enabled(id)) << id;
    EXPECT_EQ(page.Value(CLstIntegratedCore::kRunBottomId), "1210.50");
}

TEST(CoringPageTest, EditsReachTheKitAndEndWithTheRedrawCalls) {
    CorePage page;
    page.kit()->SetHorizontalAlign(CWpIntegratedCore::ALIGN_CENTER);
    page.Show(page.kit());
    EXPECT_EQ(page.Value(CLstIntegratedCore::kAlignId), "居中对齐");
    ASSERT_TRUE(page.Type(CLstIntegratedCore::kLinePenId + 2, "0.6"));
    EXPECT_FLOAT_EQ(page.kit()->GetLinePen().width, 60);
    EXPECT_EQ(CallsOn(page.kit()),
              (Names{"CWpKit::InvalidSelf", "CQXObject::SetModifyFlag", "CWpKit::UpdateParent"}));
    ASSERT_TRUE(page.Pick(CLstIntegratedCore::kAlignId, "右对齐"));
    EXPECT_EQ(page.kit()->GetHorizontalAlign(), CWpIntegratedCore::ALIGN_RIGHT);
    ASSERT_TRUE(page.Pick(CLstIntegratedCore::kAlignId, "居中"));
    EXPECT_EQ(page.kit()->GetHorizontalAlign(), CWpIntegratedCore::ALIGN_CENTER);

    // The same unchanged kit is not read again; after another object it is.
    page.kit()->SetShowCore(true);
    page.Show(page.kit());
    EXPECT_EQ(page.Value(CLstIntegratedCore::kShowCoreId), "否");
    page.Show(page.plot().First<CWpSand>());
    page.Show(page.kit());
    EXPECT_EQ(page.Value(CLstIntegratedCore::kShowCoreId), "是");
}

// ---- sand -------------------------------------------------------------------------------------
TEST(SandPageTest, DiscreteSourceAndSandTypesShowTheirTexts) {
    SandPage page;
    CWpSand* sand = page.plot().First<CWpSand>();
    sand->SetDataSource(CLstSand::kDiscreteSource);
    sand->SetDataName("试油成果");
    page.Show(sand);
    EXPECT_EQ(page.Value(page.Path("数据源/类型")), "离散数据");
    EXPECT_EQ(page.Value(page.Path("数据源/离散表")), "试油成果");
    EXPECT_TRUE(page.Path("数据源/离散表")->IsEnabled());

    LogSandDIO* set = page.data()->AddSand(27, "");
    set->m_records.push_back(LOGSAND{1, "砂1", 27, 0});
    sand->SetData(set);
    page.Show(sand);
    EXPECT_EQ(page.Value(page.Path("数据源/类型")), "段数据2");
    EXPECT_FALSE(page.Path("数据源/离散表")->IsEnabled());

    // Choosing a type asks the well for that set; the kit follows it, or falls back to graphic data.
    ASSERT_TRUE(page.Pick(page.Path("数据源/类型"), "夹层数据"));
    EXPECT_EQ(sand->GetData(), nullptr);
    page.Show(sand);
    EXPECT_EQ(page.Value(page.Path("数据源/类型")), "图形");
}

TEST(SandPageTest, DecimalsAreCutAndRefusedOutsideZeroToEight) {
    SandPage page;
    CWpSand* sand = page.plot().First<CWpSand>();
    sand->ShowThkText(true);
    page.Show(sand);
    ASSERT_TRUE(page.Type(CLstSand::kThkPrecisionId, "5.9"));
    EXPECT_EQ(sand->GetThkTextPrecision(), 5);
    ASSERT_TRUE(page.Type(CLstSand::kThkPrecisionId, "9"));
    EXPECT_EQ(sand->GetThkTextPrecision(), 5);
    EXPECT_EQ(page.Value(CLstSand::kThkPrecisionId), "5");
    ASSERT_TRUE(page.Type(CLstSand::kThkPrecisionId, "-1"));
    EXPECT_EQ(page.Value(CLstSand::kThkPrecisionId), "5");
}

TEST(SandPageTest, ColourSegmentDisablesTheLinePositionAndTheBoundaryLine) {
    SandPage page;
    CWpSand* sand = page.plot().First<CWpSand>();
    sand->SetSymbleType(1);
    sand->SetVLinePos(2);
    page.Show(sand);
    EXPECT_EQ(page.Value(CLstSand::kVLinePosId), "两边");
    ASSERT_TRUE(page.Pick(CLstSand::kSymbolTypeId, "颜色段"));
    EXPECT_EQ(sand->GetSymbleType(), 0);
    EXPECT_FALSE(page.Enabled(CLstSand::kVLinePosId));
    EXPECT_EQ(page.Value(CLstSand::kVLinePosId), "");
    for (DWORD_PTR id = CLstSand::kDividePenId + 1; id <= CLstSand::kDividePenId + 3; ++id)
        EXPECT_FALSE(page.Enabled(id)) << id;
    ASSERT_TRUE(page.Pick(CLstSand::kSymbolTypeId, "工字型"));
    EXPECT_TRUE(page.Enabled(CLstSand::kVLinePosId));
    EXPECT_TRUE(page.Enabled(CLstSand::kDividePenId + 1));
}

TEST(SandPageTest, ANewerStratumTableRefreshesAnUnchangedKitButOtherWellDataChangesDoNot) {
    SandPage page;
    CWpSand* sand = page.plot().First<CWpSand>();
    page.Show(sand);
    const Names before = page.Options(page.Path("数据源/类型"));
    EXPECT_NE(std::find(before.begin(), before.end(), "二级分层一类"), before.end());
    EXPECT_EQ(std::find(before.begin(), before.end(), "四级分层一类"), before.end());

    sand->SetFill(true);  // no new stamp
    osprey::testing::TouchWellData();
    page.Show(sand);
    EXPECT_EQ(page.Value(CLstSand::kFillId), "否");
    osprey::testing::SetStrata({osprey::testing::MakeStratum(3, "1", "四级1")});
    page.Show(sand);
    EXPECT_EQ(page.Value(CLstSand::kFillId), "是");
    const Names after = page.Options(page.Path("数据源/类型"));
    EXPECT_EQ(Names(after.begin(), after.begin() + 8),
              (Names{"砂层数据一类", "砂层数据二类", "砂层数据视有效", "砂层数据纯有效", "四级分层一类",
                     "四级分层二类", "四级分层视有效", "四级分层纯有效"}));
    EXPECT_EQ(after.back(), "图形");
}

TEST(SandPageTest, AFaciesKitSentToTheSandPageChangesNothing) {
    SandPage page;
    CWpSand* sand = page.plot().First<CWpSand>();
    CWpFacies* facies = page.plot().First<CWpFacies>();
    page.Show(sand);
    page.Show(facies);
    const uint64_t sandStamp = sand->GetTimeStamp();
    const uint64_t faciesStamp = facies->GetTimeStamp();
    ASSERT_TRUE(page.Pick(CLstSand::kSymbolTypeId, "工字型"));
    ASSERT_TRUE(page.Type(CLstContent::kTitleNameId, "改"));
    EXPECT_EQ(wptest::AllCalls(), Names());
    EXPECT_EQ(sand->GetTimeStamp(), sandStamp);
    EXPECT_EQ(facies->GetTimeStamp(), faciesStamp);
    EXPECT_EQ(sand->GetTitleText(), "砂岩");
    EXPECT_EQ(facies->GetTitleText(), "沉积相");
}

// ---- facies -----------------------------------------------------------------------------------
TEST(FaciesPageTest, SourceOptionsFollowTheStratumLevelsHeld) {
    osprey::testing::SetStrata({osprey::testing::MakeStratum(1, "1", "砂组1")});
    FaciesPage page;
    page.Show(page.kit());
    EXPECT_EQ(page.Options(page.Item(CLstFacies::kSourceTypeId)),
              (Names{"二级分层界限", "二级分层数据", "离散数据", "图形"}));
}

TEST(FaciesPageTest, DiscreteDataStoresSourceElevenStampsTheKitAndAddsTheTableItems) {
    FaciesPage page;
    page.Show(page.kit());
    EXPECT_EQ(page.list().GetPropList().FindItemByData(CLstFacies::kTableId), nullptr);
    const uint64_t stamp = page.kit()->GetTimeStamp();
    ASSERT_TRUE(page.Pick(CLstFacies::kSourceTypeId, "离散数据"));
    EXPECT_EQ(page.kit()->m_faciesSource, FACIES_DISCRETE);
    EXPECT_GT(page.kit()->GetTimeStamp(), stamp);

    page.Show(page.kit());
    ASSERT_NE(page.list().GetPropList().FindItemByData(CLstFacies::kTableId), nullptr);
    EXPECT_EQ(page.Options(page.Item(CLstFacies::kTableId)), (Names{"试油成果"}));
    LogFaciesDIO* set = page.data()->AddFacies(11, "试油成果 结论");
    ASSERT_TRUE(page.Pick(CLstFacies::kTableId, "试油成果"));
    EXPECT_EQ(page.Options(page.Item(CLstFacies::kFieldId)), (Names{"结论"}));
    ASSERT_TRUE(page.Pick(CLstFacies::kFieldId, "结论"));
    EXPECT_EQ(page.kit()->GetData(), set);
    EXPECT_EQ(CallsOn(page.kit()).back(), "CWpKit::UpdateSelf");

    page.kit()->m_faciesSource = static_cast<FACIESSOURCE>(12);
    zephyr::testing::Touch(page.kit());
    page.Show(page.kit());
    EXPECT_EQ(page.Value(CLstFacies::kSourceTypeId), "");
    EXPECT_EQ(page.list().GetPropList().FindItemByData(CLstFacies::kTableId), nullptr);
}

TEST(FaciesPageTest, RenamingTheActiveIntervalRedrawsNothing) {
    FaciesPage page;
    CWpFacies* facies = page.KitWithInterval<CWpFacies>(100, 105.5);
    page.Show(facies);
    EXPECT_EQ(page.Value(CLstFacies::kBottomId), "105.50");
    EXPECT_EQ(page.Options(page.Item(CLstFacies::kFaciesNameId)),
              (Names{"水下分流河道", "河口坝", "席状砂", "分流间湾"}));
    const int redraws = page.Redraws();
    ASSERT_TRUE(page.Pick(CLstFacies::kFaciesNameId, "河口坝"));
    EXPECT_EQ(facies->GetFaciesName(0), "河口坝");
    EXPECT_EQ(CallsOn(facies), (Names{"CWpFacies::SetFaciesName"}));
    EXPECT_EQ(page.Redraws(), redraws);

    ASSERT_TRUE(page.Type(CLstFacies::kTitleNameId, "相"));
    EXPECT_GT(page.Redraws(), redraws);
    EXPECT_EQ(CallsOn(facies).back(), "CWpKit::SetTitleText");
}

}  // namespace
