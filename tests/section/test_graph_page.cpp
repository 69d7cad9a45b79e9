// The "图设置" page: what the refresh shows for each section kind, what an edit stores in the
// display record, and what each kind's page then has the section library do, in order.
#include <gtest/gtest.h>

#include <tuple>

#include <string>
#include <vector>

#include "hosttypes/Halyard/DesignerWell.h"
#include "hosttypes/Halyard/FaultLine.h"
#include "hosttypes/Oriel/CrFaultPoint.h"
#include "hosttypes/Oriel/ScScaler.h"
#include "hosttypes/Oriel/ScWellPositionor.h"
#include "section/GraphPageFixture.h"

namespace {

using KelReservoir::Connection::CDesignerWellAdapter;
using KelReservoir::Connection::CkelReservoir;
using sectiontest::CallTrace;
using sectiontest::GraphPage;
using G = CGraphSetor;
using Texts = std::vector<std::string>;

// The entries of the trace from the first one equal to first on, count of them.
Texts From(CallTrace& trace, const std::string& first, std::size_t count) {
    const Texts& all = trace.Entries();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i] == first) return Texts(all.begin() + i, all.begin() + std::min(all.size(), i + count));
    return {};
}

// ---- refresh -------------------------------------------------------------------------------------------------

TEST(GraphPageRefresh, ShowsTheRecord) {
    GraphPage<CnConnection> page;
    EXPECT_EQ("<不使用>", page.open.Value(G::kTemplateId));
    EXPECT_EQ("测深", page.open.Value(G::kDepthTypeId));
    EXPECT_EQ("等间隔", page.open.Value(G::kSpacingTypeId));
    EXPECT_EQ((Texts{"实际距离", "等间隔", "投影"}), page.Options(G::kSpacingTypeId));
    EXPECT_EQ("1:1000", page.open.Value(G::kXScaleId));
    EXPECT_EQ("1:500", page.open.Value(G::kYScaleId));
    EXPECT_EQ("井轨迹(中心线)", page.open.Value(G::kConnectPosId));
    EXPECT_FALSE(page.open.Shown(G::kLeftJointId));
    // The sample well data hold strata of the first three levels.
    EXPECT_EQ((Texts{"一级", "二级", "三级"}), page.Options(G::kGradeId));
    EXPECT_EQ("二级", page.open.Value(G::kGradeId));

    page.Record().m_nWellSpacingType = 1;
    page.Record().m_dXScale = 250.5;
    page.Refresh();
    EXPECT_TRUE(page.open.Shown(G::kSpacingLayerId));
    EXPECT_EQ((Texts{"井口", "1", "2", "3", "井底"}), page.Options(G::kSpacingLayerId));
    EXPECT_EQ("1:250.5", page.open.Value(G::kXScaleId));
    // An inclined version has no reference layer.
    page.section.Section().GetWellMgr()->SetInclined(true);
    page.Refresh();
    EXPECT_FALSE(page.open.Shown(G::kSpacingLayerId));
}

TEST(GraphPageRefresh, TemplateChosenAndShownBack) {
    GraphPage<CnConnection> page;
    ASSERT_TRUE(page.open.Pick(G::kTemplateId, "连井模板[工区]"));
    EXPECT_FALSE(page.Record().m_strTemplatePath.empty());
    EXPECT_TRUE(sectiontest::Logged("CMapProperty::ChangeTemplate(" + page.Record().m_strTemplatePath + ")"));
    page.Refresh();
    EXPECT_EQ("连井模板[工区]", page.open.Value(G::kTemplateId));
    page.Record().m_strTemplatePath.clear();
    page.Refresh();
    EXPECT_EQ("<不使用>", page.open.Value(G::kTemplateId));
}

TEST(GraphPageRefresh, ItemsShownByKindSpacingAndRange) {
    {
        GraphPage<CkelReservoir> page;
        EXPECT_TRUE(page.open.Shown(G::kShowVirtualWellId));
        EXPECT_FALSE(page.open.Shown(G::kDepthTypeId));
        EXPECT_TRUE(page.open.Shown(G::kSpacingTypeId));
        EXPECT_EQ((Texts{"实际距离", "投影"}), page.Options(G::kSpacingTypeId));
        EXPECT_FALSE(page.open.Shown(G::kMissingId));
        EXPECT_TRUE(page.open.Shown(G::kNameFontId));
        // A reservoir's depths are elevations.
        page.Record().m_dTopDepth = -1500;
        page.Refresh();
        EXPECT_EQ("1500.00", page.open.Value(G::kTopDepthId));
        page.section.Section().SetLineType(static_cast<EnumProfileType>(2));
        page.Refresh();
        EXPECT_EQ(Texts{"实际距离"}, page.Options(G::kSpacingTypeId));
    }
    {
        GraphPage<CrCorrelation> page;
        EXPECT_FALSE(page.open.Shown(G::kShowVirtualWellId));
        EXPECT_FALSE(page.open.Shown(G::kSpacingTypeId));
        EXPECT_FALSE(page.open.Shown(G::kExtendFormId));
        EXPECT_TRUE(page.open.Shown(G::kMissingId));
        page.Record().m_dTopDepth = 1000;
        page.Refresh();
        EXPECT_EQ("1000.00", page.open.Value(G::kTopDepthId));
    }
    {
        GraphPage<KelFence::CFence> page;
        EXPECT_FALSE(page.open.Shown(G::kSpacingTypeId));
        EXPECT_FALSE(page.open.Shown(G::kNameFontId));
        EXPECT_EQ(nullptr, page.open.list().GetPropList().FindItemByData(G::kNamePlaceId, TRUE));
        EXPECT_FALSE(page.open.Shown(G::kLeftExtendId));
        // Spacing 2 to 4 shows the projection, 0 the interval.
        EXPECT_FALSE(page.open.Shown(G::kProjectionId));
        EXPECT_TRUE(page.open.Shown(G::kIntervalId));
        page.Record().m_nWellSpacingType = 3;
        page.Record().m_nRangeType = 1;
        page.Refresh();
        EXPECT_TRUE(page.open.Shown(G::kProjectionId));
        EXPECT_EQ("Y方向", page.open.Value(G::kProjectionId));
        EXPECT_FALSE(page.open.Shown(G::kIntervalId));
        EXPECT_TRUE(page.open.Shown(G::kTopStratumId));
        EXPECT_FALSE(page.open.Shown(G::kTopDepthId));
        page.Record().m_nWellSpacingType = 5;
        page.Refresh();
        EXPECT_FALSE(page.open.Shown(G::kProjectionId));
    }
}

// ---- record writes ---------------------------------------------------------------------------------------------

// A text that is no scale is refused: nothing is stored, stamped, redrawn or marked modified, and
// the item shows the stored scale again.
TEST(GraphPageRecord, ScalesAreTakenOnlyAsPositiveNumbers) {
    GraphPage<CrCorrelation> page;
    CallTrace trace(page.section.Section());
    ASSERT_TRUE(page.open.Type(G::kYScaleId, "1:250"));
    EXPECT_DOUBLE_EQ(250, page.Record().m_dYScale);
    EXPECT_DOUBLE_EQ(500, page.open.list().GetOldYScale());
    EXPECT_EQ((Texts{"ScScaler::SetYScale(250)", "ScContainer::OnScaleChanged(1,2)", "stamp"}),
              From(trace, "ScScaler::SetYScale(250)", 3));
    page.Refresh();
    for (const char* text : {"1:-5", "abc", "1:0", "1e400"}) {
        trace.Clear();
        page.open.Type(G::kYScaleId, text);
        EXPECT_DOUBLE_EQ(250, page.Record().m_dYScale) << text;
        EXPECT_EQ(Texts{}, trace.Entries()) << text;
        EXPECT_EQ("1:250", page.open.Value(G::kYScaleId)) << text;
    }
    // "1:" is taken off wherever it stands.
    ASSERT_TRUE(page.open.Type(G::kXScaleId, "1:1:800"));
    EXPECT_DOUBLE_EQ(800, page.Record().m_dXScale);
    ASSERT_TRUE(page.open.Type(G::kXScaleId, " 600 "));
    EXPECT_DOUBLE_EQ(600, page.Record().m_dXScale);
    EXPECT_DOUBLE_EQ(800, page.open.list().GetOldXScale());
    // A number the single-precision check cannot tell from "no number" is none.
    page.open.Type(G::kXScaleId, "1e39");
    EXPECT_DOUBLE_EQ(600, page.Record().m_dXScale);

    GraphPage<KelFence::CFence> fence;
    CallTrace fenceTrace(fence.section.Section());
    fence.open.Type(G::kXScaleId, "abc");
    EXPECT_DOUBLE_EQ(1000, fence.Record().m_dXScale);
    EXPECT_EQ(Texts{}, fenceTrace.Entries());
    EXPECT_EQ("1:1000", fence.open.Value(G::kXScaleId));
}

TEST(GraphPageRecord, LevelWidthExtensionsAndJoints) {
    GraphPage<CnConnection> page;
    page.Record().m_strSpacingLayer = "2";
    ASSERT_TRUE(page.open.Pick(G::kGradeId, "三级"));
    EXPECT_EQ(2, page.Record().m_nGrade);
    EXPECT_EQ("", page.Record().m_strSpacingLayer);

    // Never narrower than the wells' minimum.
    ASSERT_TRUE(page.open.Type(G::kWellWidthId, "0.5"));
    EXPECT_DOUBLE_EQ(100, page.Record().m_dWellWidth);
    ASSERT_TRUE(page.open.Type(G::kWellWidthId, "3"));
    EXPECT_DOUBLE_EQ(300, page.Record().m_dWellWidth);

    ASSERT_TRUE(page.open.Type(G::kLeftExtendId, "0.02"));
    EXPECT_DOUBLE_EQ(2000, page.Record().m_dLeftExtend);
    ASSERT_TRUE(page.open.Pick(G::kExtendFormId, "外推处理"));
    EXPECT_EQ(1, page.Record().m_nExtendForm);

    ASSERT_TRUE(page.open.Pick(G::kConnectPosId, "左右搭接位置"));
    EXPECT_EQ(4, page.Record().m_nConnectPos);
    page.Refresh();
    EXPECT_TRUE(page.open.Shown(G::kLeftJointId));
    EXPECT_TRUE(page.open.Shown(G::kRightJointId));
    ASSERT_TRUE(page.open.Type(G::kLeftJointId, "1.5"));
    EXPECT_DOUBLE_EQ(150, page.Record().m_dLeftJoint);
    // Every well took the offset, after saving its place.
    for (int i = 0; i < 3; ++i) EXPECT_DOUBLE_EQ(150, page.section.Well(i).GetLeftJoint());
}

TEST(GraphPageRecord, DepthsAreClampedAndElevationsNegated) {
    GraphPage<CnConnection> page;
    page.Record().m_dBottomDepth = 2500;
    ASSERT_TRUE(page.open.Type(G::kTopDepthId, "2600"));
    EXPECT_DOUBLE_EQ(2500, page.Record().m_dTopDepth);
    ASSERT_TRUE(page.open.Type(G::kBottomDepthId, "1000"));
    EXPECT_DOUBLE_EQ(2500, page.Record().m_dBottomDepth);

    page.Record().m_nDepthType = 2;
    page.Record().m_dBottomDepth = -500;
    ASSERT_TRUE(page.open.Type(G::kTopDepthId, "1000"));
    EXPECT_DOUBLE_EQ(-1000, page.Record().m_dTopDepth);
}

// The designed wells of a reservoir take a new bottom as their bottom and keep their tops.
TEST(GraphPageRecord, ReservoirBottomDepthGoesToTheDesignedWellsBottoms) {
    GraphPage<CkelReservoir> page;
    auto designed = boost::shared_ptr<CDesignerWellAdapter>(new CDesignerWellAdapter);
    designed->SetTopDepth(-1000);
    page.section.Section().GetDesignerWellMgr()->AddWell(designed);
    page.Record().m_nDepthType = 2;
    page.Record().m_dTopDepth = -2000;
    page.Record().m_dBottomDepth = -2500;
    halyard::testing::ClearCallLog();
    ASSERT_TRUE(page.open.Type(G::kBottomDepthId, "1800"));
    EXPECT_DOUBLE_EQ(-1800, page.Record().m_dBottomDepth);
    EXPECT_DOUBLE_EQ(-1800, designed->GetBottomDepth());
    EXPECT_DOUBLE_EQ(-1000, designed->GetTopDepth());
    for (int i = 0; i < 3; ++i) EXPECT_DOUBLE_EQ(-1800, page.section.Well(i).GetBottomDepth());
    for (const std::string& entry : halyard::testing::CallLog())
        EXPECT_EQ(std::string::npos, entry.find("SetTopDepth")) << entry;
}

// ---- what the pages have the libraries do ------------------------------------------------------------------------

TEST(GraphPageSteps, ConnectionSpacingAndProjection) {
    GraphPage<CnConnection> page(1);
    CallTrace trace(page.section.Section());
    ASSERT_TRUE(page.open.Pick(G::kSpacingTypeId, "实际距离"));
    EXPECT_EQ((Texts{"ScWellPositionor::SetSpacingType(1)", "ScWellPositionor::ArrangeWellByRealDis()",
                     "ScLookDownForm::ClearShadow()", "ScContainer::Refresh()", "ScContainer::OnScaleChanged(1,1)",
                     "stamp", "ScContainer::UpdateWnd()", "modify"}),
              From(trace, "ScWellPositionor::SetSpacingType(1)", 9));

    page.Record().m_nWellSpacingType = 2;
    page.Refresh();
    trace.Clear();
    ASSERT_TRUE(page.open.Pick(G::kProjectionId, "按首尾连线"));
    EXPECT_EQ(4, page.Record().m_nWellSpacingType);
    EXPECT_TRUE(sectiontest::Logged("ScLookDownForm::ByBeginTOendShadow()"));
    ASSERT_TRUE(page.open.Pick(G::kProjectionId, "Y方向"));
    EXPECT_TRUE(sectiontest::Logged("ScLookDownForm::ByXorYAxisShadow(0)"));
}

// Texts reported from code into the fixed lists are read by the record's conversions: a text a
// list takes beyond its options is that value, any other text the value the record keeps for it;
// the edit then runs its steps and the item shows what the refresh shows for the value.
TEST(GraphPageRecord, ListsTakeEveryTextTheRecordsConversionMaps) {
    GraphPage<CnConnection> page;
    CMapProperty& r = page.Record();
    r.m_bShowJointLine = true;
    r.m_bCalVirtualStratum = true;
    page.section.Section().ProChanged();
    page.Refresh();
    ASSERT_EQ((Texts{"测深", "垂深"}), page.Options(G::kDepthTypeId));
    struct Case {
        DWORD_PTR id;
        const char* text;
        int stored;
        const char* shown;
    };
    const Case cases[] = {
        {G::kDepthTypeId, "海拔深", 2, "海拔深"},        // not offered, yet the record's
        {G::kDepthTypeId, "无此选项", -1, ""},           //
        {G::kSpacingTypeId, "X方向", 2, "投影"},         // the projection items' texts too
        {G::kSpacingTypeId, "无此选项", 7, ""},          //
        {G::kProjectionId, "Y方向", 3, "Y方向"},         //
        {G::kProjectionId, "实际距离", 1, ""},           // the spacing items' texts too
        {G::kConnectPosId, "内容道", 2, "内容道"},       //
        {G::kConnectPosId, "无此选项", -1, ""},          //
        {G::kGradeId, "五级", 4, "五级"},                //
        {G::kGradeId, "无此选项", -1, ""},               //
        {G::kRangeTypeId, "无此选项", -1, ""},           //
        {G::kExtendFormId, "无此选项", -1, "外推处理"},  // every form but 0 shows as extrapolated
        {G::kNamePlaceId, "无此选项", -1, ""},           //
        {G::kShowJointId, "无此选项", 0, "否"},          // yes only for "是"
        {G::kCalVirtualId, "无此选项", 0, "否"},         //
    };
    auto stored = [&r](DWORD_PTR id) {
        switch (id) {
            case G::kDepthTypeId:
                return r.m_nDepthType;
            case G::kSpacingTypeId:
            case G::kProjectionId:
                return r.m_nWellSpacingType;
            case G::kConnectPosId:
                return r.m_nConnectPos;
            case G::kGradeId:
                return r.m_nGrade;
            case G::kRangeTypeId:
                return r.m_nRangeType;
            case G::kExtendFormId:
                return r.m_nExtendForm;
            case G::kNamePlaceId:
                return r.m_nStratumNamePos;
            case G::kShowJointId:
                return r.m_bShowJointLine ? 1 : 0;
            default:
                return r.m_bCalVirtualStratum ? 1 : 0;
        }
    };
    for (const Case& c : cases) {
        CallTrace trace(page.section.Section());
        page.open.Report(c.id, c.text);
        EXPECT_EQ(c.stored, stored(c.id)) << c.id << " " << c.text;
        EXPECT_EQ(c.shown, page.open.Value(c.id)) << c.id << " " << c.text;
        EXPECT_FALSE(trace.Entries().empty()) << c.id << " " << c.text << ": the edit runs";
    }
    // The steps take the values the record took.
    CallTrace trace(page.section.Section());
    page.open.Report(G::kConnectPosId, "无此选项");
    EXPECT_TRUE(sectiontest::Logged("IkelWellAdapter::SetConnectPos[W1](-1)")) << trace.Text();
    page.open.Report(G::kSpacingTypeId, "等间隔");
    EXPECT_TRUE(sectiontest::Logged("ScWellPositionor::SetSpacingType(0)"));
    page.open.Report(G::kCalVirtualId, "是");
    EXPECT_TRUE(sectiontest::Logged("CMapProperty::ShowVirStratum(true)"));
    page.open.Report(G::kCalVirtualId, "否否");
    EXPECT_TRUE(sectiontest::Logged("CMapProperty::ShowVirStratum(false)"));
}

TEST(GraphPageSteps, AlignedCorrelationTopExtension) {
    GraphPage<CrCorrelation> page;
    page.section.Section().GetWellPositionor()->SetAligned(true);
    page.Record().m_nRangeType = 1;
    page.Refresh();
    CallTrace trace(page.section.Section());
    // The fault points are made again before alignment returns.
    unsigned int pointsAtRestore = 99;
    trace.onEntry = [&](const std::string& entry) {
        if (entry == "ScWellPositionor::AlignHeadImp(true)")
            pointsAtRestore = page.section.Section().GetFaultPointMgr()->GetCount();
    };
    ASSERT_TRUE(page.open.Type(G::kTopExtendId, "20"));
    EXPECT_EQ(1u, pointsAtRestore);
    EXPECT_EQ((Texts{"modify", "ScWellPositionor::AlignHeadImp(false)", "IkelWellAdapter::SetTopExtendDepth[W1](20)",
                     "IkelWellAdapter::SetTopExtendDepth[W2](20)", "IkelWellAdapter::SetTopExtendDepth[W3](20)",
                     "ScWellPositionor::AlignHeadImp(true)", "ScContainer::UpdateWnd()", "modify"}),
              trace.Entries());
    EXPECT_EQ(1u, page.section.Section().GetFaultPointMgr()->GetCount());
}

TEST(GraphPageSteps, ReservoirWithAStartedEngineGoesBack) {
    GraphPage<CkelReservoir> page;
    page.section.Section().StartEngine();
    CallTrace trace(page.section.Section());
    ASSERT_TRUE(page.open.Pick(G::kGradeId, "三级"));
    const Texts& entries = trace.Entries();
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ((Texts{"modify", "CMapProperty::ChangeGrade(2)", "CkelReservoir::ReBack", "ScWellMgr::UpdateWell()",
                     "CMapProperty::UpdateProperty()", "stamp", "ScContainer::UpdateWnd()"}),
              entries);
}

// An inclined well or curved connections: the reservoir goes back to its stored state instead of
// being rescaled or having its range taken again.
TEST(GraphPageSteps, ReservoirWithAnInclinedWellOrCurvesGoesBack) {
    GraphPage<CkelReservoir> page(1);
    page.section.Well(0).SetInclinedWell(true);
    CallTrace trace(page.section.Section());
    ASSERT_TRUE(page.open.Type(G::kXScaleId, "1:2000"));
    EXPECT_DOUBLE_EQ(2000, page.section.Section().GetScaler()->GetXScale());
    EXPECT_EQ((Texts{"ScScaler::SetXScale(2000)", "CkelReservoir::ReBack", "ScDisRulerMgr::RefurbishDisRuler()",
                     "stamp", "ScContainer::UpdateWnd()"}),
              From(trace, "ScScaler::SetXScale(2000)", 5));

    page.section.Well(0).SetInclinedWell(false);
    page.section.Section().SetCurve(true);
    trace.Clear();
    ASSERT_TRUE(page.open.Pick(G::kRangeTypeId, "分层"));
    EXPECT_EQ((Texts{"modify", "CkelReservoir::ReBack", "ScDisRulerMgr::RefurbishDisRuler()",
                     "ScRulerFrame::UpdateRulerFrameRect()", "stamp", "ScContainer::UpdateWnd()"}),
              trace.Entries());
}

TEST(GraphPageSteps, ReservoirProjectionDropsTheFaultLinesFirst) {
    GraphPage<CkelReservoir> page(1);
    auto faults = page.section.Section().GetFaultLineMgr();
    faults->AddLine(boost::shared_ptr<KelReservoir::Fault::CkelFaultLine>(new KelReservoir::Fault::CkelFaultLine));
    std::size_t linesAtShadow = 99;
    CallTrace trace(page.section.Section());
    trace.onEntry = [&](const std::string& entry) {
        if (entry == "ScLookDownForm::ByXorYAxisShadow(1)") linesAtShadow = faults->GetNum();
    };
    ASSERT_TRUE(page.open.Pick(G::kSpacingTypeId, "投影"));
    EXPECT_EQ(0u, linesAtShadow);
    EXPECT_EQ(2, page.Record().m_nWellSpacingType);
}

TEST(GraphPageSteps, FenceXScaleMovesEveryWell) {
    GraphPage<KelFence::CFence> page(2);
    page.section.Well(0).SetPosition(FLOATPOINT(100, 40), false);
    page.section.Well(1).SetPosition(FLOATPOINT(300, -60), false);
    CallTrace trace(page.section.Section());
    ASSERT_TRUE(page.open.Type(G::kXScaleId, "1:2000"));
    EXPECT_EQ((Texts{"IkelWellAdapter::SetPosition[W1](50,20,true)", "CSectionTransform::TransformWell(W1)",
                     "IkelWellAdapter::SaveOldWellInfo[W1]()", "IkelWellAdapter::SetPosition[W2](150,-30,true)",
                     "CSectionTransform::TransformWell(W2)", "IkelWellAdapter::SaveOldWellInfo[W2]()",
                     "ScContainer::PrepareRefresh(0)", "stamp", "ScContainer::UpdateWnd()", "modify"}),
              From(trace, "IkelWellAdapter::SetPosition[W1](50,20,true)", 10));
}

// A virtual-stratum pen width or name-font size the record cannot hold in hundredths changes
// nothing: the record keeps its pen and font, no stratum group or virtual stratum takes them
// again, and the section is neither stamped, redrawn nor marked modified.
TEST(GraphPageSteps, ARefusedWidthOrSizeRunsNoStep) {
    GraphPage<CnConnection> page;
    page.Record().m_bCalVirtualStratum = true;
    page.Record().m_bConnectVirtualStratum = true;
    page.Record().m_virStratumPen.width = 30;
    page.Record().m_stratumNameFont.size = 900;
    page.section.Section().ProChanged();
    page.Refresh();
    CallTrace trace(page.section.Section());
    for (const char* text : {"1e39", "3.5e38", "9e296"}) {
        ASSERT_TRUE(page.open.Type(G::kVirPenWidthId, text));
        ASSERT_TRUE(page.open.Type(G::kNameSizeId, text));
        EXPECT_EQ("9.00", page.open.Value(G::kNameSizeId)) << text;
    }
    EXPECT_FLOAT_EQ(30, page.Record().m_virStratumPen.width);
    EXPECT_FLOAT_EQ(900, page.Record().m_stratumNameFont.size);
    EXPECT_EQ(Texts{}, trace.Entries());

    // Only the edited field decides: a stored width that does not read (-100) never blocks a picked
    // colour, and a size shown rounded ("12.35" for 1234.5) stays as stored; "自动" reads black.
    page.Record().m_virStratumPen.width = -100;
    page.Record().m_stratumNameFont.size = 1234.5f;
    page.Refresh();
    ASSERT_EQ("12.35", page.open.Value(G::kNameSizeId));
    ASSERT_TRUE(page.open.ChooseColor(G::kVirPenColorId, RGB(200, 0, 0)));
    EXPECT_EQ(RGB(200, 0, 0), page.Record().m_virStratumPen.color);
    EXPECT_EQ(-100, page.Record().m_virStratumPen.width);
    ASSERT_TRUE(page.open.ChooseAutomatic(G::kVirPenColorId));
    EXPECT_EQ(0u, page.Record().m_virStratumPen.color);
    ASSERT_TRUE(page.open.ChooseColor(G::kNameColorId, RGB(0, 0, 200)));
    EXPECT_EQ(RGB(0, 0, 200), page.Record().m_stratumNameFont.color);
    EXPECT_EQ(1234.5f, page.Record().m_stratumNameFont.size);
}

// A change reported from code with a text no reader takes, in every number and scale item: the
// record keeps its value, no step, stamp, redraw or mark follows, and the item alone shows the
// record's value again as the refresh shows it.
TEST(GraphPageSteps, ATextTheReaderRefusesAfterTheItemTookItShowsTheRecordsValue) {
    GraphPage<CnConnection> page;
    page.Record().m_dEqualInterval = 40;
    page.Record().m_dLeftJoint = 125;
    page.Record().m_dTopDepth = 1500;
    page.Record().m_dWellWidth = 300;
    page.section.Section().ProChanged();
    page.Refresh();
    page.open.Item(G::kRightJointId)->SetValue(_variant_t("typed"));
    const std::string scale = page.open.Value(G::kXScaleId);
    CallTrace trace(page.section.Section());
    for (const auto& [id, text, shown] :
         {std::tuple<DWORD_PTR, const char*, std::string>{G::kIntervalId, "x", "40"},
          {G::kIntervalId, "-5", "40"},
          {G::kLeftJointId, "abc", "1.25"},
          {G::kTopDepthId, "x", "1500.00"},
          {G::kWellWidthId, "-1", "3.00"},
          {G::kTopExtendId, "-2", page.open.Value(G::kTopExtendId)},
          {G::kLeftExtendId, "x", page.open.Value(G::kLeftExtendId)},
          {G::kXScaleId, "比例", scale}}) {
        page.open.Report(id, text);
        EXPECT_EQ(shown, page.open.Value(id)) << id << " " << text;
        EXPECT_EQ("typed", page.open.Value(G::kRightJointId)) << "another item is left as it shows";
    }
    EXPECT_EQ(Texts{}, trace.Entries());
    EXPECT_DOUBLE_EQ(40, page.Record().m_dEqualInterval);
    EXPECT_DOUBLE_EQ(125, page.Record().m_dLeftJoint);
    EXPECT_DOUBLE_EQ(1500, page.Record().m_dTopDepth);
    EXPECT_DOUBLE_EQ(300, page.Record().m_dWellWidth);
    EXPECT_DOUBLE_EQ(1000, page.Record().m_dXScale);
}

// Each report is judged by its own text: after a typed width or size and two refused reports, a
// valid one is written and applied (no stamp: the item keeps the text reported).
TEST(GraphPageSteps, AValidReportAfterRefusedOnesIsTaken) {
    GraphPage<CnConnection> page;
    page.Record().m_bCalVirtualStratum = true;
    page.Record().m_bConnectVirtualStratum = true;
    page.section.Section().ProChanged();
    page.Refresh();
    for (DWORD_PTR id : {G::kVirPenWidthId, G::kNameSizeId}) ASSERT_TRUE(page.open.Type(id, "3"));
    CallTrace trace(page.section.Section());
    for (DWORD_PTR id : {G::kVirPenWidthId, G::kNameSizeId})
        page.open.ExpectRefusedReportsShow(id, "3.00");
    EXPECT_EQ(Texts{}, trace.Entries());
    for (DWORD_PTR id : {G::kVirPenWidthId, G::kNameSizeId}) page.open.Report(id, "7");
    EXPECT_FLOAT_EQ(700, page.Record().m_virStratumPen.width);
    EXPECT_FLOAT_EQ(700, page.Record().m_stratumNameFont.size);
    const std::string calls = trace.Text();
    EXPECT_NE(std::string::npos, calls.find("CMapProperty::SetVirPen()")) << calls;
    EXPECT_NE(std::string::npos, calls.find("CMapProperty::ChangeStratumNameFont()")) << calls;
}

}  // namespace
