// The connection model: segment geometry, segment managers, parameter defaults, fills and groups.
#include <gtest/gtest.h>

#include <boost/make_shared.hpp>
#include <cfloat>
#include <vector>

#include "hosttypes/Oriel/ConnectionCreators.h"
#include "hosttypes/Oriel/ConnectionGroups.h"
#include "hosttypes/Oriel/ConnectionLines.h"
#include "hosttypes/Oriel/ConnectionParams.h"
#include "hosttypes/Oriel/ConnectionSegments.h"

namespace {

TEST(SegmentTest, MapRectBoundsTheControlPointsWithYUp) {
    CnSand sand;
    EXPECT_TRUE(sand.GetMapRect() == FLOATRECT(0, 0, 0, 0));
    sand.SetControlPoint(0, FLOATPOINT(10, -5));
    sand.SetControlPoint(1, FLOATPOINT(-3, 2));
    sand.SetControlPoint(2, FLOATPOINT(4, 8));
    sand.SetControlPoint(3, FLOATPOINT(1, 1));
    FLOATRECT r = sand.GetMapRect();
    EXPECT_EQ(-3.0, r.left);
    EXPECT_EQ(10.0, r.right);
    EXPECT_EQ(8.0, r.top);
    EXPECT_EQ(-5.0, r.bottom);
}

TEST(SegmentTest, ControlPointIndexBeyondFourIsIgnored) {
    CnShale shale;
    shale.SetControlPoint(4, FLOATPOINT(100, 100));
    shale.SetControlPoint(0xFFFFFFFFu, FLOATPOINT(100, 100));
    EXPECT_TRUE(shale.GetMapRect() == FLOATRECT(0, 0, 0, 0));
}

TEST(SegmentTest, DepthArithmetic) {
    CnSand sand;
    CnSegObj& seg = sand;
    seg.SetTopDepth(1520.5);  // through the virtual slot
    seg.SetBottomDepth(1512.5);
    EXPECT_EQ(8.0, sand.GetThick());
    EXPECT_EQ(1516.5, sand.GetMidDepth());
    seg.SetNormalizedTopDepth(0.25);
    seg.SetNormalizedBottomDepth(0.75);
    EXPECT_EQ(0.5, sand.GetNormalizedMiddleDepth());
    EXPECT_EQ(0.75, sand.GetNormalizedBottomDepth());
}

TEST(SegmentTest, OnlyFaciesStyleTwoIsARiver) {
    CnSand sand;
    for (FACIESSTYLE style : {FACIES_NONE, FACIES_NORMAL, FACIES_RIVER, static_cast<FACIESSTYLE>(3)}) {
        sand.SetFaciesStyle(style);
        EXPECT_EQ(style == 2, sand.GetIsRiverFace()) << style;
    }
}

// Counts destroyed segments, to tell forgetting from deleting.
int g_destroyed = 0;
struct CountedSand : CnSand {
    ~CountedSand() override { ++g_destroyed; }
};

TEST(SegmentManagerTest, IndexRules) {
    CnSandMgr mgr;
    EXPECT_TRUE(mgr.empty());
    EXPECT_EQ(nullptr, mgr.GetObj(0));
    CnSand* a = new CnSand;
    mgr.AddObj(a);
    mgr.AddObj(new CnSand);
    EXPECT_EQ(a, mgr.GetObj(0));
    EXPECT_EQ(nullptr, mgr.GetObj(2));
}

TEST(SegmentManagerTest, RemoveAllForgetsAndClearDeletes) {
    g_destroyed = 0;
    CountedSand kept;
    {
        CnSandMgr mgr;
        mgr.AddObj(&kept);
        mgr.RemoveAll();  // forgets without deleting
        EXPECT_TRUE(mgr.empty());
        mgr.AddObj(new CountedSand);
        mgr.AddObj(new CountedSand);
        mgr.Clear();
        EXPECT_EQ(2, g_destroyed);
        mgr.AddObj(new CountedSand);
    }
    EXPECT_EQ(3, g_destroyed);  // the destructor cleared the rest
}

TEST(SegmentManagerTest, InitForgetsTheWell) {
    CnShaleMgr mgr;
    IkelWellAdapter* well = reinterpret_cast<IkelWellAdapter*>(0x10);
    mgr.SetWellGraph(well);
    EXPECT_EQ(well, mgr.GetWellGraph());
    CnShale shale;
    mgr.AddObj(&shale);
    mgr.Init();
    EXPECT_EQ(nullptr, mgr.GetWellGraph());
    EXPECT_TRUE(mgr.empty());
}

TEST(ParamsTest, Defaults) {
    CnConnectionParams c;
    EXPECT_EQ(1001, c.m_nCode);
    EXPECT_EQ(0, c.m_nOption);
    EXPECT_EQ(0.2, c.m_dRatio);
    EXPECT_EQ(0, c.GetType());
    EXPECT_TRUE(c.m_bConnectSand && c.m_bConnectShale);
    EXPECT_EQ(0.4f, c.m_fThickRatio);
    EXPECT_EQ(2, c.m_nMaxSkip);
    EXPECT_EQ(5, c.m_nSearchUp);
    EXPECT_EQ(5, c.m_nSearchDown);
    EXPECT_EQ(0, c.m_nMode);
    EXPECT_EQ(1, c.m_nStep);
    EXPECT_EQ(1001, c.m_nShaleCode);
    EXPECT_EQ(0, c.m_nShaleOption);
    EXPECT_EQ(0.2, c.m_dShaleRatio);
    EXPECT_TRUE(c.m_bUseFacies && c.m_bUseOil);
    EXPECT_EQ(0.6, c.m_dUpperWeight);
    EXPECT_EQ(0.4, c.m_dLowerWeight);

    CnPinchParams p;
    EXPECT_EQ(1001, p.m_nCode);
    EXPECT_EQ(2, p.m_nPinchStyle);
    EXPECT_EQ(1, p.m_nDirection);
    EXPECT_EQ(0, p.m_nOffset);
    EXPECT_TRUE(p.m_bAuto);
    EXPECT_EQ(4, p.m_nSegments);
    EXPECT_TRUE(p.m_bLimited);
    EXPECT_EQ(DBL_MAX, p.m_dMaxLength);
    EXPECT_EQ(DBL_MAX, p.m_dMaxThick);
    EXPECT_EQ(1, p.m_nMode);

    CnExtendParams e;
    EXPECT_EQ(0.2, e.m_dRatio);
    EXPECT_EQ(1000.0, e.m_dLength);
    EXPECT_EQ(5, e.m_nSegments);
    EXPECT_TRUE(e.m_bLeft);
    EXPECT_FALSE(e.m_bRatio);
    EXPECT_TRUE(e.m_bRight);
}

TEST(CreatorTest, YCreatorDefaultsAndNarrowing) {
    CnConnectionYCreator y;
    EXPECT_EQ(2, y.GetKind());
    EXPECT_EQ(0.7f, y.GetAlignPercent());
    y.SetAlignPercent(0.5);
    EXPECT_EQ(0.5f, y.GetAlignPercent());
    y.SetAlignPercent(0.1);
    EXPECT_EQ(static_cast<float>(0.1), y.GetAlignPercent());
    y.SetAlignPercent(1e39);  // beyond single precision: not taken
    EXPECT_EQ(static_cast<float>(0.1), y.GetAlignPercent());
    EXPECT_TRUE(y.CheckParasValid());
    EXPECT_EQ(0u, y.GetLocalSplitLineCount());
}

TEST(CreatorTest, CopiesShareTheCalculatorAndParameters) {
    boost::shared_ptr<IkelCalculator> calc = boost::make_shared<CnCSCalculator>();
    CnPinchOutCreator pinch;
    pinch.SetConCtr(calc);
    CnPinchOutCreator pinchCopy(pinch);
    EXPECT_EQ(calc.get(), pinchCopy.GetConCtr().get());

    CnConnectionContentCreator content;
    EXPECT_FALSE(content.GetConnectionParams() || content.GetPinchParams() || content.GetExtendParams() ||
                 content.GetCalculator());
    auto c = boost::make_shared<CnConnectionParams>();
    auto p = boost::make_shared<CnPinchParams>();
    auto e = boost::make_shared<CnExtendParams>();
    content.SetPara(c, p, e);
    EXPECT_EQ(c, content.GetConnectionParams());
    EXPECT_EQ(p, content.GetPinchParams());
    EXPECT_EQ(e, content.GetExtendParams());

    EXPECT_EQ(CnExtendCreator::GetInstance(), CnExtendCreator::GetInstance());
}

TEST(SandFillTest, FieldsAndLinks) {
    CnSandFill fill;
    EXPECT_EQ(CString("CnSandFill"), fill.GetObjName());
    fill.SetStyleSet("所有样式");
    EXPECT_EQ("所有样式", fill.GetStyleSet());
    EXPECT_EQ(nullptr, fill.GetSand());
    EXPECT_EQ(nullptr, fill.GetConGroup());

    CnConnectionGroup group;
    CnSandFillMgr* fills = group.GetSandFillMgr();
    fill.SetSandFillMgr(fills);
    fills->AddFill(&fill);
    EXPECT_EQ(&group, fill.GetConGroup());

    CnSand first, second;
    fill.AddSand(&first);
    fill.AddSand(&second);
    std::vector<CnSand*> sands;
    fill.GetSand(sands);
    EXPECT_EQ((std::vector<CnSand*>{&first, &second}), sands);
    EXPECT_EQ(&first, fill.GetSand());
}

TEST(SandFillTest, BoundaryClawRoundTrip) {
    CnSandFillBoundary boundary;
    boundary.SetClawPostion(3, CPoint(12, -4));
    int index = 0;
    CPoint pt;
    boundary.GetClawPostion(index, pt);
    EXPECT_EQ(3, index);
    EXPECT_TRUE(pt == CPoint(12, -4));
}

TEST(ConnectionGroupTest, LeftAndRightVariants) {
    CnConnectionGroup group;
    CnSand s1, s2;
    CnShale left, right;
    group.AddSand(&s1, true);
    group.AddSand(&s2, false);
    group.AddSand(&s1, false);
    group.AddShale(&left, true);
    group.AddShale(&right, false);
    EXPECT_EQ(1u, group.GetSandCount(true));
    EXPECT_EQ(2u, group.GetSandCount(false));
    EXPECT_EQ(&left, group.GetShale(0, true));
    EXPECT_EQ(&right, group.GetShale(0, false));
    EXPECT_EQ(nullptr, group.GetShale(1, true));
    EXPECT_TRUE(group.GetPinchParams());
    EXPECT_TRUE(group.GetConnectionParams());
}

TEST(ConnectionGroupTest, CopyOwnsItsFillManager) {
    CnConnectionGroup group;
    group.SetStratumName("S1");
    CnConnectionGroup copy(group);
    EXPECT_EQ(&copy, copy.GetSandFillMgr()->GetConGroup());
    EXPECT_EQ(&group, group.GetSandFillMgr()->GetConGroup());
    EXPECT_EQ(group.GetPinchParams(), copy.GetPinchParams());
    EXPECT_EQ("S1", copy.GetStratumName());
}

TEST(StratumGroupTest, ManagerFlagsAndGroups) {
    CStratumGroupManager mgr;
    EXPECT_EQ(0, mgr.IsDrawStratumSeg());
    mgr.SetDrawStratumSeg(true);
    EXPECT_EQ(1, mgr.IsDrawStratumSeg());
    boost::shared_ptr<CStratumGroup> g = mgr.CreateObj();
    g->SetLeftWellName("W1");
    g->SetRightWellName("W2");
    EXPECT_EQ(0u, g->GetSize());
    g->AddStratum(boost::shared_ptr<CStratumCell>());
    EXPECT_EQ(1u, g->GetSize());
    g->Clear();
    EXPECT_EQ(0u, g->GetSize());
    EXPECT_EQ("W1", mgr.GetObj(0)->GetLeftWellName());
}

}  // namespace
