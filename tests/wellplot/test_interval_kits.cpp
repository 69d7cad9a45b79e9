// The kit library's interval operations the interval pages rely on (refused depths and names, the
// shares, the active run, the data a sand kit follows), and the pages that keep their kit for their
// whole life, whatever the host has selected.
#include <cmath>

#include "IntervalFixture.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/WpCorelith.h"
#include "hosttypes/Zephyr/WpFacies.h"
#include "hosttypes/Zephyr/WpIntegratedCore.h"
#include "hosttypes/Zephyr/WpSand.h"
#include "wellplot/intervals/LstFacies.h"
#include "wellplot/intervals/LstIntegratedCore.h"
#include "wellplot/intervals/LstSand.h"

using wptest::Names;

namespace {

WPSEGMENT Interval(double top, double bottom) {
    WPSEGMENT seg;
    seg.top = top;
    seg.bottom = bottom;
    return seg;
}

TEST(IntervalKitTest, DepthsOutsideTheIntervalOrItsOrderAreRefusedAndLeaveTheStamp) {
    zephyr::PlotFixture plot;
    plot.BuildSample();
    auto* lith = plot.First<CWpCorelith>();
    lith->AddSeg(Interval(10, 20));
    const uint64_t stamp = lith->GetTimeStamp();
    zephyr::testing::ClearCallLog();
    EXPECT_FALSE(lith->SetSegTopDpth(-1, 12));
    EXPECT_FALSE(lith->SetSegTopDpth(1, 12));
    EXPECT_FALSE(lith->SetSegTopDpth(0, 21));
    EXPECT_FALSE(lith->SetSegBottomDpth(0, 9));
    EXPECT_FALSE(lith->SetSegBottomDpth(0, std::nan("")));
    EXPECT_EQ(lith->GetTimeStamp(), stamp);
    EXPECT_EQ(zephyr::testing::CallLog().size(), 5u);
    EXPECT_TRUE(lith->SetSegTopDpth(0, 20));
    EXPECT_GT(lith->GetTimeStamp(), stamp);
    EXPECT_DOUBLE_EQ(lith->GetSegTopDpth(0), 20);
    EXPECT_DOUBLE_EQ(lith->GetSegBottomDpth(3), 0);

    EXPECT_FALSE(lith->SetColthName("砂岩", -1));
    EXPECT_FALSE(lith->SetColorPer(1.5));
    EXPECT_FALSE(lith->SetCtOilPer(-0.1));
    EXPECT_TRUE(lith->SetColorPer(0.25));
    EXPECT_DOUBLE_EQ(lith->GetColorPer(), 0.25);

    // The oil-bearing name goes to the content name when the kit's data give contents.
    WDMgrIO* data = new WDMgrIO();
    plot.Well()->SetDataMgr(data);
    LogCorelithDIO* contents = data->AddCorelith(CORELITH_WELL, "");
    contents->m_record.oilKind = 2;
    EXPECT_TRUE(lith->SetCtOilName("油斑", 0));
    EXPECT_EQ(lith->GetCtOilName(0), "油斑");
    lith->SetData(contents);
    EXPECT_TRUE(lith->SetCtOilName("油迹", 0));
    EXPECT_EQ(lith->GetContentName(0), "油迹");
    EXPECT_EQ(lith->GetCtOilName(0), "油斑");
}

TEST(IntervalKitTest, TheActiveRunTakesItsValuesAndASandKitFollowsItsData) {
    zephyr::PlotFixture plot;
    plot.BuildSample();
    auto* core = plot.First<CWpIntegratedCore>();
    core->SetSelectCoreLen(5);  // no run yet: nothing
    EXPECT_EQ(core->GetSegCount(), 0);
    WPSEGMENT run = Interval(1200, 1209);
    run.data = WpSegDataRef(new WPSEGDATA{2, 7, 8, 0.875});
    core->AddSeg(run);
    core->SetActiveSeg(0);
    core->SetSelectCoreLen(6);
    core->SetSelectCoreTube(1e12);  // no run number holds it
    core->SetSelectCoreTopDep(1201);
    const WPSEGDATA* values = core->GetSeg(0)->data.Get();
    EXPECT_DOUBLE_EQ(values->coreLength, 6);
    EXPECT_DOUBLE_EQ(values->recovery, 0.75);
    EXPECT_EQ(values->runNumber, 2);
    EXPECT_DOUBLE_EQ(core->GetSeg(0)->top, 1201);

    auto* sand = plot.First<CWpSand>();
    WDMgrIO* data = new WDMgrIO();
    plot.Well()->SetDataMgr(data);
    sand->SetDataSource(CLstSand::kDiscreteSource);
    sand->SetData(data->AddSand(13, ""));
    EXPECT_EQ(sand->GetDataSource(), 13);
    sand->SetData(nullptr);
    EXPECT_EQ(sand->GetDataSource(), 0);
    EXPECT_FALSE(sand->SetThkTextPos(1.5));
}

TEST(IntervalKitTest, CodeTablesAnswerEmptyOutsideAndResetToTheirSamples) {
    LogCorelithMgrIO& codes = zephyr::testing::CorelithCodes();
    EXPECT_EQ(codes.GetColorEntryLabel(codes.GetColorCount()), "");
    EXPECT_EQ(codes.GetColthTypeEntryCode(-1), 0);
    codes.m_colors.clear();
    EXPECT_EQ(zephyr::testing::FaciesTypes().GetFaciesTypeName(4), "");
    zephyr::testing::Reset();
    EXPECT_EQ(zephyr::testing::CorelithCodes().GetColorCount(), 4);
}

// The facies and coring pages keep their kit: with a sand kit (or another kind) selected the page
// still shows its own kit, re-read when its stamp changed, and an edit goes to that kit.
TEST(KeptKitPageTest, PagesThatKeepTheirKitShowAndEditItWhileAnotherKindIsSelected) {
    wptest::IntervalPage<CLstFacies> facies(
        [](zephyr::PlotFixture& plot) { return new CLstFacies(plot.First<CWpFacies>()); });
    CWpFacies* kit = facies.plot().First<CWpFacies>();
    CWpSand* sand = facies.plot().First<CWpSand>();
    facies.Show(kit);
    facies.Show(sand);
    EXPECT_EQ(facies.Value(CLstFacies::kTitleNameId), "沉积相");
    ASSERT_TRUE(facies.Type(CLstFacies::kTitleNameId, "改"));
    EXPECT_EQ(kit->GetTitleText(), "改");
    EXPECT_EQ(sand->GetTitleText(), "砂岩");
    ASSERT_TRUE(facies.Pick(CLstFacies::kSourceTypeId, "离散数据"));
    EXPECT_EQ(kit->m_faciesSource, FACIES_DISCRETE);
    facies.Show(sand);  // the stamped kit is read again: the discrete table and field appear
    EXPECT_NE(facies.list().GetPropList().FindItemByData(CLstFacies::kTableId, TRUE), nullptr);

    wptest::IntervalPage<CLstIntegratedCore> core(
        [](zephyr::PlotFixture& plot) { return new CLstIntegratedCore(plot.First<CWpIntegratedCore>()); });
    CWpIntegratedCore* coring = core.plot().First<CWpIntegratedCore>();
    coring->SetTitleText("取芯");
    core.Show(core.plot().First<CWpFacies>());
    EXPECT_EQ(core.Value(CLstIntegratedCore::kTitleNameId), "取芯");
    ASSERT_TRUE(core.Type(CLstIntegratedCore::kTitleNameId, "改"));
    EXPECT_EQ(coring->GetTitleText(), "改");
    EXPECT_EQ(core.plot().First<CWpFacies>()->GetTitleText(), "沉积相");
}

TEST(SandPageTest, APositionTheKitRefusesShowsItsValueAgain) {
    wptest::IntervalPage<CLstSand> page;
    CWpSand* sand = page.plot().First<CWpSand>();
    sand->ShowThkText(true);
    page.Show(sand);
    ASSERT_TRUE(page.Type(CLstSand::kThkPosId, "1.5"));
    EXPECT_DOUBLE_EQ(sand->GetThkTextPos(), 0.5);
    EXPECT_EQ(page.Value(CLstSand::kThkPosId), "0.50");
    ASSERT_TRUE(page.Type(CLstSand::kThkPosId, "0.25"));
    EXPECT_DOUBLE_EQ(sand->GetThkTextPos(), 0.25);
    ASSERT_TRUE(page.Type(CLstSand::kLeftPosId, "abc"));  // no number: ignored
    EXPECT_DOUBLE_EQ(sand->GetSymbleLeftPos(), 0);
}

}  // namespace
