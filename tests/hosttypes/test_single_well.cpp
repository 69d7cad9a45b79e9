// Single-well sections: the well's real depths, the two-level walk over sand and stratum
// units, the section's parts and back links, the display settings' stratum list and the
// stamp policy of the library's setters.
#include <gtest/gtest.h>

#include <boost/make_shared.hpp>
#include <string>
#include <vector>

#include "hostlibs/Pennant/Testing.h"
#include "hosttypes/Oriel/ScControlerInterface.h"
#include "hosttypes/Pennant/SandUnit.h"
#include "hosttypes/Pennant/SglCtrlLine.h"
#include "hosttypes/Pennant/SglWellAdapter.h"
#include "hosttypes/Pennant/SingleWellSection.h"
#include "hosttypes/Pennant/StratumUnit.h"

namespace {

struct RecordingControler : ScControlerInterface {
    std::vector<ScObjInterface*> seen;
    void SetBecontroler(ScObjInterface* obj) override { seen.push_back(obj); }
};

class SingleWell : public ::testing::Test {
protected:
    void SetUp() override { pennant::testing::Reset(); }
    void TearDown() override { pennant::testing::Reset(); }

    // Names of the sand units in walk order, as the sand pages walk them.
    static std::vector<std::string> WalkSands(const CSingleWellSection& section) {
        std::vector<std::string> names;
        auto vec = section.GetSandUnitMgrVector();
        for (unsigned int i = 0; i < vec->GetNum(); ++i) {
            auto mgr = vec->GetObj(i);
            for (unsigned int j = 0; j < mgr->GetNum(); ++j) names.push_back(mgr->GetObj(j)->GetStratumName());
        }
        return names;
    }
};

TEST_F(SingleWell, RealDepthsAddTheTopExtensionOnly) {
    CSglWellAdapter well;
    well.SetTopDep(1500);
    well.SetBottomDep(1800);
    well.SetTopExtendDep(20);
    well.SetBottomExtendDep(30);
    EXPECT_DOUBLE_EQ(well.GetRealTopDepth(), 1480);
    EXPECT_DOUBLE_EQ(well.GetRealBotDepth(), 1800);
    EXPECT_DOUBLE_EQ(well.GetBottomExtendDep(), 30);
}

TEST_F(SingleWell, LibrarySettersLeaveTheStampAlone) {
    CSglWellAdapter well;
    well.SetTopDep(1000);
    well.SetTopStratum("S1");
    EXPECT_EQ(well.GetTimeStamp(), 0u);
    EXPECT_EQ(well.GetTopStratum(), "S1");
    EXPECT_EQ(pennant::testing::CallLog(), (std::vector<std::string>{"CSglWellAdapter::SetTopDep(1000.000000)",
                                                                     "CSglWellAdapter::SetTopStratum(S1)"}));
}

TEST_F(SingleWell, EmptySandVectorIsWalkedWithoutVisits) {
    CSingleWellSection section;
    ASSERT_TRUE(section.GetSandUnitMgrVector());
    EXPECT_EQ(section.GetSandUnitMgrVector()->GetNum(), 0u);
    EXPECT_TRUE(WalkSands(section).empty());
    EXPECT_FALSE(section.GetSandUnitMgrVector()->GetObj(0));
}

TEST_F(SingleWell, SandUnitsAreWalkedManagerByManager) {
    CSingleWellSection section;
    auto vec = section.GetSandUnitMgrVector();
    const char* stratum[2][2] = {{"S1", "S2"}, {"S3", nullptr}};
    for (auto& row : stratum) {
        auto mgr = vec->CreateObj();
        mgr->SetManager(vec.get());
        for (const char* name : row) {
            if (!name) continue;
            auto unit = mgr->CreateObj();
            std::string s = name;
            unit->SetStratumName(s);
            unit->SetManager(mgr.get());
        }
    }
    EXPECT_EQ(WalkSands(section), (std::vector<std::string>{"S1", "S2", "S3"}));
    auto second = vec->GetObj(1);
    EXPECT_FALSE(second->GetObj(1));  // out of range: empty
    // Back links lead from a unit to its section.
    auto unit = second->GetObj(0);
    EXPECT_EQ(unit->GetManager()->GetManager()->GetSingle(), &section);
}

TEST_F(SingleWell, ManagerCopiesShareTheUnits) {
    Sand::CSandUnitManager mgr;
    auto unit = mgr.CreateObj();
    Sand::CSandUnitManager copy(mgr);
    ASSERT_EQ(copy.GetNum(), 1u);
    EXPECT_EQ(copy.GetObj(0), unit);
    unit->SetTopDep(1234);
    EXPECT_DOUBLE_EQ(copy.GetObj(0)->GetTopDep(), 1234);
}

TEST_F(SingleWell, SandUnitDepthsAreIndependent) {
    Sand::CSandUnit unit;
    unit.SetBottomDep(1600);
    unit.SetTopDep(1550);
    EXPECT_DOUBLE_EQ(unit.GetBottomDep(), 1600);
    unit.SetBottomDep(1650);
    EXPECT_DOUBLE_EQ(unit.GetTopDep(), 1550);
}

TEST_F(SingleWell, SandLineSettersReachBothBoundingLines) {
    Sand::CSandUnit unit;
    unit.SetSandLinePen(QXLOGPEN());  // no lines yet: nothing to reach
    auto top = boost::make_shared<Sand::CSandUnitLine>();
    auto bottom = boost::make_shared<Sand::CSandUnitLine>();
    unit.SetSandLines(top, bottom);
    unit.SetSandLineVisible(false);
    QXLOGPEN pen;
    pen.color = 0xAB;
    unit.SetSandLinePen(pen);
    EXPECT_FALSE(top->IsVisible());
    EXPECT_FALSE(bottom->IsVisible());
    EXPECT_EQ(bottom->GetPen().color, 0xABu);
}

TEST_F(SingleWell, StratumUnitsWalkAndCopyTheirStylesOut) {
    CSingleWellSection section;
    auto vec = section.GetStratumManager();
    ASSERT_TRUE(vec);
    EXPECT_EQ(vec->GetSingle(), &section);
    auto mgr = vec->CreateObj();
    mgr->SetMgrVec(vec.get());
    auto unit = mgr->CreateObj();
    unit->SetManager(mgr.get());
    unit->SetStratumName("S5");
    QXLOGPEN pen;
    pen.width = 35;
    unit->SetLinePen(pen);
    QXLOGPEN out;
    unit->GetLinePen(out);
    EXPECT_FLOAT_EQ(out.width, 35.0f);
    EXPECT_EQ(unit->GetManager()->GetMgrVec()->GetSingle(), &section);
    EXPECT_EQ(vec->GetObj(0)->GetObj(0)->GetStratumName(), "S5");
    EXPECT_EQ(unit->GetTimeStamp(), 0u);
}

TEST_F(SingleWell, SectionPartsAndAcceptDispatch) {
    CSingleWellSection section;
    CSglWellAdapter* well = section.GetWell();
    ASSERT_NE(well, nullptr);
    EXPECT_EQ(well->GetSingle(), &section);
    EXPECT_NE(section.GetProperty(), nullptr);
    EXPECT_TRUE(section.GetControlLineMgr());
    section.SetWellPathStyle(1);
    EXPECT_EQ(section.GetWellPathStyle(), WELLPATH_INCLINED);

    Stratum::CStratumUnit stratum;
    Sand::CSandUnitFill fill;
    ControlLine::CSglCtrlLine line;
    std::vector<ScObjInterface*> objs = {&section, well, &stratum, &fill, &line};
    RecordingControler ctl;
    for (ScObjInterface* obj : objs) obj->Accept(&ctl);
    ASSERT_EQ(ctl.seen, objs);
    std::vector<std::string> names;
    for (ScObjInterface* obj : ctl.seen) names.push_back(obj->GetObjName().str());
    EXPECT_EQ(names, (std::vector<std::string>{"CSingleWellSection", "CSglWellAdapter", "CStratumUnit", "CSandUnitFill",
                                               "CSglCtrlLine"}));
}

TEST_F(SingleWell, WellKeepsTheDisplayChoicesItIsGiven) {
    CSglWellAdapter well;
    well.SetRangeType(DEPTHTYPE_BY_STRATUM);
    well.SetLapJointType(LAPJOINT_WELL_COLUMN);
    well.SetEditTemplate(true);
    EXPECT_EQ(well.GetRangeType(), DEPTHTYPE_BY_STRATUM);
    EXPECT_EQ(well.GetLapJointType(), LAPJOINT_WELL_COLUMN);
    EXPECT_TRUE(well.IfEditTemplate());
    well.AddShootInterval(1510, 1520);
    EXPECT_TRUE(well.IsShooted(1500, 1512));
    EXPECT_FALSE(well.IsShooted(1521, 1530));
}

// ---- display settings ----

TEST_F(SingleWell, StratumListEndsWithItsEndEntry) {
    CSingleProperty prop;
    std::vector<CSingleProperty::STRATUMINFO> list;
    prop.GetStratumInfoVec(list);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].name, "Stratum_End");
    prop.AddStratum("S1", kStratumTopLine);
    prop.AddStratum("S2", 0);
    prop.GetStratumInfoVec(list);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[1].name, "S2");
    EXPECT_EQ(list[2].name, kStratumListEnd);
}

TEST_F(SingleWell, StratumFlagsAreReadAndStoredByName) {
    CSingleProperty prop;
    prop.AddStratum("S1", kStratumTopLine);
    BYTE flags = 0xEE;
    EXPECT_FALSE(prop.GetStratumUnitInfo("S9", flags));
    EXPECT_EQ(flags, 0xEE);  // untouched for a stratum the list lacks
    EXPECT_FALSE(prop.GetStratumUnitInfo(kStratumListEnd, flags));
    prop.SetStratumUnitInfo("S1", kStratumFill | kStratumSand);
    ASSERT_TRUE(prop.GetStratumUnitInfo("S1", flags));
    EXPECT_EQ(flags, kStratumFill | kStratumSand);
    CSingleProperty copy(prop);
    prop.SetStratumUnitInfo("S1", 0);
    ASSERT_TRUE(copy.GetStratumUnitInfo("S1", flags));
    EXPECT_EQ(flags, kStratumFill | kStratumSand);
}

}  // namespace
