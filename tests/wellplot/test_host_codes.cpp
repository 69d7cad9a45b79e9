// Codes beyond the named ones: the host may hand a page any code of a kit enumeration, and each
// page answers such a code with its rule for "any other value" (run under the sanitizers, which
// stop on a code its enumeration cannot hold).
#include "IntervalFixture.h"
#include "hostlibs/Zephyr/WellDataFixture.h"
#include "hosttypes/Zephyr/WpFacies.h"
#include "hosttypes/Zephyr/WpIntegratedCore.h"
#include "hosttypes/Zephyr/WpSandStratum.h"
#include "hosttypes/Zephyr/WpSidewallCore.h"
#include "wellplot/LstCurve.h"
#include "wellplot/LstDepth.h"
#include "wellplot/LstOther.h"
#include "wellplot/LstWell.h"
#include "wellplot/intervals/LstFacies.h"
#include "wellplot/intervals/LstIntegratedCore.h"
#include "wellplot/intervals/LstSandStratum.h"
#include "wellplot/intervals/LstSidewallCore.h"

namespace {

// A kit of a kind no page knows.
class UnknownKindKit : public CWpKit {
public:
    WPKITTYPE GetWpKitType() override { return static_cast<WPKITTYPE>(99); }
};

template <class Kit>
Kit* FirstOf(zephyr::PlotFixture& plot) {
    return plot.First<Kit>();
}

TEST(HostCodeTest, CoringAlignmentAndSourceBeyondTheNamedOnes) {
    wptest::IntervalPage<CLstIntegratedCore> page(
        [](zephyr::PlotFixture& plot) { return new CLstIntegratedCore(FirstOf<CWpIntegratedCore>(plot)); });
    CWpIntegratedCore* kit = page.plot().First<CWpIntegratedCore>();
    kit->SetHorizontalAlign(static_cast<CWpIntegratedCore::HorizontalAlign>(7));
    kit->SetDataSource(static_cast<DATATYPE>(9));
    page.Show(kit);
    EXPECT_EQ(page.Value(CLstIntegratedCore::kAlignId), "居中对齐");
    EXPECT_EQ(page.Value(CLstIntegratedCore::kSourceTypeId), "离散数据");
    EXPECT_TRUE(wptest::OpenPage<CLstIntegratedCore>::Options(page.Item(CLstIntegratedCore::kTableId)).empty());
    EXPECT_EQ(kit->GetHorizontalAlign(), 7);
}

TEST(HostCodeTest, SidewallCoreAndSandStratumSourcesBeyondTheNamedOnes) {
    wptest::IntervalPage<CLstSidewallCore> cores(
        [](zephyr::PlotFixture& plot) { return new CLstSidewallCore(FirstOf<CWpSidewallCore>(plot)); });
    CWpSidewallCore* core = cores.plot().First<CWpSidewallCore>();
    core->m_dataSource = static_cast<DATATYPE>(9);
    cores.Show(core);
    EXPECT_EQ(cores.Value(CLstSidewallCore::kSourceTypeId), "离散数据");

    wptest::IntervalPage<CLstSandStratum> strata;
    CWpSandStratum* stratum = strata.plot().First<CWpSandStratum>();
    stratum->DataType(static_cast<DATATYPE>(9));
    strata.Show(stratum);
    EXPECT_EQ(strata.Value(CLstSandStratum::kSourceTypeId), "图形");
}

TEST(HostCodeTest, FaciesSourceBeyondTheNamedOnesShowsEmpty) {
    wptest::IntervalPage<CLstFacies> page(
        [](zephyr::PlotFixture& plot) { return new CLstFacies(FirstOf<CWpFacies>(plot)); });
    CWpFacies* kit = page.plot().First<CWpFacies>();
    kit->m_faciesSource = static_cast<FACIESSOURCE>(12);
    page.Show(kit);
    EXPECT_EQ(page.Value(CLstFacies::kSourceTypeId), "");
}

TEST(HostCodeTest, FrameStyleAndKitKindBeyondTheNamedOnes) {
    wptest::OpenPage<CLstOther> page;
    CWpWell* well = page.well();
    well->SetStyle(static_cast<CWpKit::BorderStyle>(7), true);
    page.Show(well);
    EXPECT_EQ(page.Value(CLstOther::kStyleId), "");

    // A kind no page knows keeps the client area's side edges.
    auto* odd = page.plot().Add<UnknownKindKit>(page.track(0), "未知");
    page.Show(odd);
    EXPECT_TRUE(page.Enabled(CLstOther::kFirstEdgeId + 5));
    EXPECT_TRUE(page.Enabled(CLstOther::kFirstEdgeId + 6));
}

TEST(HostCodeTest, DepthKindsBeyondTheNamedOnesLeaveTheirItems) {
    wptest::OpenPage<CLstDepth> depthPage;
    CWpDepth* depth = depthPage.depth();
    const std::string shown = depthPage.Value(CLstDepth::kDepthTypeId);
    depth->SetShowDepthType(static_cast<DepthType>(7));
    depthPage.Show(depth);
    EXPECT_EQ(depthPage.Value(CLstDepth::kDepthTypeId), shown);

    wptest::OpenPage<CLstWell> wellPage;
    WDMgrIO* data = zephyr::NewSampleWellData();
    data->SetDepthType(static_cast<DepthType>(7));
    wellPage.well()->SetDataMgr(data);
    const std::string kind = wellPage.Value(CLstWell::kDepthKindId);
    wellPage.Show(wellPage.well());
    EXPECT_EQ(wellPage.Value(CLstWell::kDepthKindId), kind);
}

TEST(HostCodeTest, CurveFormAndScaleVisibilityBeyondTheNamedOnesShowEmpty) {
    wptest::OpenPage<CLstCurve> page([](zephyr::PlotFixture& plot) { return new CLstCurve(FirstOf<CWpCurve>(plot)); });
    CWpCurve* curve = page.plot().First<CWpCurve>();
    curve->SetType(static_cast<CWpCurve::CURVETYPE>(9));
    curve->ShowLimit(static_cast<CWpCurve::ScaleShowWays>(9));
    page.Show(curve);
    EXPECT_EQ(page.Value(CLstCurve::kFormId), "");
    EXPECT_EQ(page.Value(CLstCurve::kLimitShownId), "");
}

}  // namespace
