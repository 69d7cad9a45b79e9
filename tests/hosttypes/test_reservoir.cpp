// Reservoir sections: the flow-unit searches, the container's curve and virtual-well flags,
// the interface lines' stamps and signal, the fault lines and their manager's signal, designed
// wells and the fence container.
#include <gtest/gtest.h>

#include <boost/make_shared.hpp>
#include <boost/weak_ptr.hpp>
#include <string>
#include <vector>

#include "hostlibs/Halyard/Testing.h"
#include "hosttypes/Gondola/Fence.h"
#include "hosttypes/Halyard/ControlLine.h"
#include "hosttypes/Halyard/DesignerWell.h"
#include "hosttypes/Halyard/FaultLine.h"
#include "hosttypes/Halyard/FlowUnit.h"
#include "hosttypes/Halyard/OSWerLine.h"
#include "hosttypes/Halyard/Reservoir.h"
#include "hosttypes/Oriel/ConnectionLines.h"
#include "hosttypes/Oriel/ConnectionSegments.h"
#include "hosttypes/Oriel/IkelWellAdapter.h"
#include "hosttypes/Oriel/ScControlerInterface.h"
#include "hosttypes/Tinder/TimeStamp.h"

using KelReservoir::Connection::CDesignerWellAdapter;
using KelReservoir::Connection::CkelReservoir;
using KelReservoir::Fault::CkelFaultLine;
using KelReservoir::Fault::CkelFaultLineManager;
using KelReservoir::Fault::CkelFaultStratumPoint;
using KelReservoir::SandUnit::CkelFlowUnit;
using KelReservoir::SandUnit::CkelFlowUnitManager;
using KelReservoir::SandUnit::CkelOSWerLine;
using KelReservoir::SandUnit::CkelOSWerLineManager;

namespace {

struct RecordingControler : ScControlerInterface {
    std::vector<ScObjInterface*> seen;
    void SetBecontroler(ScObjInterface* obj) override { seen.push_back(obj); }
};

class Reservoir : public ::testing::Test {
protected:
    void SetUp() override { halyard::testing::Reset(); }
    void TearDown() override { halyard::testing::Reset(); }
};

// ---- flow-unit searches ----

class FlowUnitSearch : public Reservoir {
protected:
    // Three units: u0 holds a and the fill f0; u1 holds b, c and the fill f1; u2 holds a and c.
    void SetUp() override {
        Reservoir::SetUp();
        u0 = mgr.CreateObj();
        u1 = mgr.CreateObj();
        u2 = mgr.CreateObj();
        u0->GetSandManger().AddObj(&a);
        u0->GetFillManager().AddObj(&f0);
        u1->GetSandManger().AddObj(&b);
        u1->GetSandManger().AddObj(&c);
        u1->GetFillManager().AddObj(&f1);
        u2->GetSandManger().AddObj(&a);
        u2->GetSandManger().AddObj(&c);
    }

    CkelFlowUnitManager mgr;
    CkelFlowUnitManager::FlowUnitPtr u0, u1, u2;
    CnSand a, b, c, outsider;
    CnSandFill f0, f1, strayFill;
};

TEST_F(FlowUnitSearch, OneSandFindsTheFirstUnitHoldingIt) {
    EXPECT_EQ(mgr.FindFlowUnit(&a), u0);  // u2 holds a too, but u0 comes first
    EXPECT_EQ(mgr.FindFlowUnit(&b), u1);
    EXPECT_EQ(mgr.FindFlowUnit(&c), u1);
    EXPECT_FALSE(mgr.FindFlowUnit(&outsider));
    EXPECT_TRUE(mgr.IsHave(&a));
    EXPECT_FALSE(mgr.IsHave(&outsider));
}

TEST_F(FlowUnitSearch, TwoSandsNeedOneUnitHoldingBoth) {
    EXPECT_FALSE(mgr.FindFlowUnit(&a, &b));  // in different units
    EXPECT_EQ(mgr.FindFlowUnit(&b, &c), u1);
    EXPECT_EQ(mgr.FindFlowUnit(&a, &c), u2);  // u0 holds a only, u1 c only
    EXPECT_EQ(mgr.FindFlowUnit(&c, &a), u2);  // the order of the pair does not matter
    EXPECT_FALSE(mgr.FindFlowUnit(&a, &outsider));
}

TEST_F(FlowUnitSearch, FillsAreSearchedInTheFillLists) {
    EXPECT_EQ(mgr.FindFlowUnit(&f1), u1);
    EXPECT_TRUE(mgr.IsHave(&f0));
    EXPECT_FALSE(mgr.IsHave(&strayFill));
    EXPECT_FALSE(mgr.FindFlowUnit(&strayFill));
}

TEST_F(FlowUnitSearch, ClearRemovesEveryUnitButLeavesHeldOnesAlive) {
    mgr.Clear();
    EXPECT_EQ(mgr.GetNum(), 0u);
    EXPECT_FALSE(mgr.IsHave(&a));
    EXPECT_FALSE(mgr.FindFlowUnit(&f0));
    EXPECT_TRUE(u1->GetSandManger().FindObj(&b));  // still held here
}

TEST_F(Reservoir, EmptyManagerFindsNothing) {
    CkelFlowUnitManager mgr;
    CnSand s;
    CnSandFill f;
    EXPECT_FALSE(mgr.IsHave(&s));
    EXPECT_FALSE(mgr.IsHave(&f));
    EXPECT_FALSE(mgr.FindFlowUnit(&s));
    EXPECT_FALSE(mgr.FindFlowUnit(&s, &s));
    EXPECT_FALSE(mgr.FindFlowUnit(&f));
}

// The sand page's path: the selected sand's unit, then its brush and interface lines.
TEST_F(Reservoir, SandPageReadsBrushAndInterfaceLinesOfTheFoundUnit) {
    CkelReservoir reservoir;
    CkelFlowUnitManager& mgr = reservoir.GetFlowUnitManager();
    EXPECT_EQ(mgr.GetReservoir(), &reservoir);
    CnSand sand;
    auto unit = mgr.CreateObj();
    unit->GetSandManger().AddObj(&sand);
    QXLOGBRUSH brush;
    brush.fillColor = 0x00FF00;
    brush.style = 1001;
    unit->SetBrush(brush);
    auto lines = boost::make_shared<CkelOSWerLineManager>();
    auto upper = boost::make_shared<CkelOSWerLine>();
    lines->SetUpperLine(upper);
    unit->SetOswLineManager(lines);

    auto found = reservoir.GetFlowUnitManager().FindFlowUnit(&sand);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->GetBrush().fillColor, 0x00FF00u);
    EXPECT_EQ(found->GetOswLineManager()->GetUpperLine(), upper);
    EXPECT_FALSE(found->GetOswLineManager()->GetLowerLine());
    EXPECT_EQ(upper->GetManager(), lines.get());
}

TEST_F(Reservoir, SandListIsReplacedWhole) {
    CkelFlowUnit unit;
    CnSand a, b;
    unit.GetSandManger().AddObj(&a);
    CManagerWithoutCreate<CnSand> other;
    other.AddObj(&b);
    unit.SandManger(other);
    EXPECT_FALSE(unit.GetSandManger().FindObj(&a));
    EXPECT_TRUE(unit.GetSandManger().FindObj(&b));
    other.RemoveAll();
    EXPECT_EQ(unit.GetSandManger().GetNum(), 1u);  // a copy, not a view
}

// ---- container ----

TEST_F(Reservoir, ContainerKindsAnswerThroughTheClientPart) {
    CkelReservoir reservoir;
    KelFence::CFence fence;
    ScControlerClient* r = &reservoir;
    ScControlerClient* f = &fence;
    EXPECT_EQ(r->GetType(), ScControlerClient::CT_RESERVOIR);
    EXPECT_EQ(f->GetType(), ScControlerClient::CT_FENCE);
    EXPECT_EQ(static_cast<int>(r->GetType()), 3);
    EXPECT_EQ(static_cast<int>(f->GetType()), 4);
    EXPECT_EQ(reservoir.GetObjName(), "CkelReservoir");
    EXPECT_EQ(fence.GetObjName(), "CFence");
    EXPECT_EQ(&fence.GetWellPosSetter(), &fence.GetWellPosSetter());
}

TEST_F(Reservoir, CurveSwitchesVirtualWellsAndDisableLeavesTheCurve) {
    CkelReservoir reservoir;
    reservoir.SetCurve(true);
    EXPECT_TRUE(reservoir.GetCurve());
    EXPECT_TRUE(reservoir.GetEnableVirtualWell());
    reservoir.DisableVirtulWell();
    EXPECT_FALSE(reservoir.GetEnableVirtualWell());
    EXPECT_TRUE(reservoir.IfCurve());
    reservoir.SetCurve(false);
    EXPECT_FALSE(reservoir.GetEnableVirtualWell());
    EXPECT_FALSE(reservoir.GetCurve());
    reservoir.SetCurve(true);
    EXPECT_TRUE(reservoir.GetEnableVirtualWell());
}

TEST_F(Reservoir, AcceptHandsEachObjectToTheControler) {
    CkelReservoir reservoir;
    KelFence::CFence fence;
    CkelFlowUnit unit;
    CkelOSWerLine line;
    CkelFaultLine fault;
    CDesignerWellAdapter designed;
    KelReservoir::VirtualWell::CkelControlLine control;
    std::vector<ScObjInterface*> objs = {&reservoir, &fence, &unit, &line, &fault, &designed, &control};
    RecordingControler ctl;
    for (ScObjInterface* obj : objs) obj->Accept(&ctl);
    ASSERT_EQ(ctl.seen, objs);
    std::vector<std::string> names;
    for (ScObjInterface* obj : ctl.seen) names.push_back(obj->GetObjName().str());
    EXPECT_EQ(names, (std::vector<std::string>{"CkelReservoir", "CFence", "CkelFlowUnit", "CkelOSWerLine",
                                               "CkelFaultLine", "CDesignerWellAdapter", "CkelControlLine"}));
    EXPECT_EQ(dynamic_cast<CkelOSWerLine*>(ctl.seen[3]), &line);
    unit.Accept(nullptr);  // no controller: nothing happens
}

TEST_F(Reservoir, ContainerOperationsAreLoggedInOrder) {
    CkelReservoir reservoir;
    reservoir.GetFlowUnitManager().Rebuild();
    reservoir.FlowUnitPenChanged();
    reservoir.UpdateSandFill();
    EXPECT_EQ(halyard::testing::CallLog(),
              (std::vector<std::string>{"CkelFlowUnitManager::Rebuild", "CkelReservoir::FlowUnitPenChanged",
                                        "CkelReservoir::UpdateSandFill"}));
}

// ---- interface lines ----

TEST_F(Reservoir, PenAndTypeSettersStampTheLineButShowDoesNot) {
    tinder::testing::ResetTimeStamp(100);
    CkelOSWerLine line;
    EXPECT_EQ(line.GetTimeStamp(), 0u);
    line.SetShow(false);
    EXPECT_FALSE(line.GetShow());
    EXPECT_EQ(line.GetTimeStamp(), 0u);
    QXLOGPEN pen;
    pen.color = 0xFF;
    line.SetLogPen(pen);
    EXPECT_EQ(line.GetLogPen().color, 0xFFu);
    EXPECT_EQ(line.GetTimeStamp(), 100u);
    line.SetLineType(KelReservoir::SandUnit::OSW_GAS_WATER);
    EXPECT_EQ(line.GetTimeStamp(), 101u);
    line.SetShow(true);
    EXPECT_EQ(line.GetTimeStamp(), 101u);
}

TEST_F(Reservoir, InterfaceLineSignalReachesConnectedSlotsOnly) {
    CkelOSWerLine line;
    std::vector<std::string> calls;
    auto first = line.connect([&](bool v) { calls.push_back(v ? "first:1" : "first:0"); });
    line.connect([&](bool v) { calls.push_back("second"); });
    line.update();
    EXPECT_EQ(calls, (std::vector<std::string>{"first:1", "second"}));
    line.disconnect(first);
    calls.clear();
    line.update();
    EXPECT_EQ(calls, (std::vector<std::string>{"second"}));
}

TEST_F(Reservoir, InterfaceLineManagerCountsItsLines) {
    CkelOSWerLineManager mgr;
    EXPECT_EQ(mgr.GetNum(), 0);
    EXPECT_EQ(mgr.GetOSWerUnitNum(), 0u);
    EXPECT_EQ(mgr.GetSelObj(), nullptr);
    mgr.SetLowerLine(boost::make_shared<CkelOSWerLine>());
    EXPECT_EQ(mgr.GetNum(), 1);
    mgr.AddOSWerUnit(boost::make_shared<CkelFlowUnit>());
    EXPECT_EQ(mgr.GetOSWerUnitNum(), 1u);
}

// ---- faults ----

TEST_F(Reservoir, RemoveWellsForgetsTheWellsWithoutDeletingThem) {
    IkelWellAdapter w1, w2;
    w1.SetName("W1");
    CkelFaultLine fault;
    fault.AddWells(&w1);
    fault.AddWells(&w2);
    ASSERT_EQ(fault.GetWells(), (std::vector<IkelWellAdapter*>{&w1, &w2}));
    fault.RemoveWells();
    EXPECT_TRUE(fault.GetWells().empty());
    EXPECT_EQ(w1.GetName(), "W1");  // the wells themselves are untouched
    EXPECT_FALSE(fault.HitTest(CPoint(0, 0)));
}

TEST_F(Reservoir, StratumPointsAreStoredAsCopies) {
    CkelFaultLine fault;
    CkelFaultStratumPoint point;
    point.SetIndex(7);
    fault.AddStratumPoint(point);
    point.SetIndex(9);
    ASSERT_EQ(fault.GetStratumPointManager().GetNum(), 1u);
    EXPECT_EQ(fault.GetStratumPointManager().GetObj(0).GetIndex(), 7u);
}

TEST_F(Reservoir, FaultLineSettersStoreWithoutStamping) {
    CkelFaultLine fault;
    fault.SetName("F1");
    fault.SetAngle(0.5);
    fault.SetNoraml(false);
    EXPECT_EQ(fault.GetName(), "F1");
    EXPECT_DOUBLE_EQ(fault.GetAngle(), 0.5);
    EXPECT_FALSE(fault.GetNoraml());
    EXPECT_EQ(fault.GetTimeStamp(), 0u);
}

TEST_F(Reservoir, FaultSignalPassesBothArgumentsAndKeepsTheLineAlive) {
    CkelFaultLineManager mgr;
    auto line = boost::make_shared<CkelFaultLine>();
    line->SetName("F2");
    mgr.AddLine(line);
    EXPECT_EQ(line->GetManager(), &mgr);
    boost::weak_ptr<CkelFaultLine> watch = line;
    line.reset();  // only the manager's list holds it now

    std::vector<std::string> seen;
    mgr.connect([&](unsigned char kind, boost::shared_ptr<CkelFaultLine> changed) {
        mgr.RemoveAll();  // a slot that drops the line from the list
        seen.push_back(std::to_string(kind) + ":" + (watch.expired() ? "gone" : changed->GetName()));
    });
    mgr.update(2, mgr.GetObj(0));
    EXPECT_EQ(seen, (std::vector<std::string>{"2:F2"}));
    EXPECT_TRUE(watch.expired());  // released once the call is over
}

TEST_F(Reservoir, FaultSignalStopsAfterDisconnect) {
    CkelFaultLineManager mgr;
    int calls = 0;
    auto c = mgr.connect([&](unsigned char, boost::shared_ptr<CkelFaultLine>) { ++calls; });
    mgr.update(1, boost::shared_ptr<CkelFaultLine>());
    mgr.disconnect(c);
    mgr.update(1, boost::shared_ptr<CkelFaultLine>());
    EXPECT_EQ(calls, 1);
}

// ---- designed wells and selections ----

TEST_F(Reservoir, DesignedWellCopiesAreIndependent) {
    CDesignerWellAdapter well;
    well.SetWellNames("V1", "W1", "W2");
    well.SetBottomDepth(-1800.0);
    CDesignerWellAdapter copy(well);
    EXPECT_EQ(copy.GetWellName(), "V1");
    EXPECT_EQ(copy.GetLeftWellName(), "W1");
    EXPECT_EQ(copy.GetRightWellName(), "W2");
    EXPECT_DOUBLE_EQ(copy.GetBottomDepth(), -1800.0);
    well.SetWellNames("V9", "", "");
    EXPECT_EQ(copy.GetWellName(), "V1");
    CDesignerWellAdapter assigned;
    assigned = copy;
    EXPECT_EQ(assigned.GetRightWellName(), "W2");
    EXPECT_EQ(assigned.GetObjName(), "CDesignerWellAdapter");
}

TEST_F(Reservoir, DesignerWellManagerAppliesToEveryWell) {
    CkelReservoir reservoir;
    auto* mgr = reservoir.GetDesignerWellMgr();
    ASSERT_NE(mgr, nullptr);
    auto w1 = boost::make_shared<CDesignerWellAdapter>();
    auto w2 = boost::make_shared<CDesignerWellAdapter>();
    mgr->AddWell(w1);
    mgr->AddWell(w2);
    mgr->SetWellWidth(250.0);
    mgr->SetTopDepth(-1200.0);
    EXPECT_DOUBLE_EQ(w2->m_dMinWidth, 250.0);
    EXPECT_DOUBLE_EQ(w1->GetTopDepth(), -1200.0);
    EXPECT_FALSE(mgr->GetObj(2));
}

TEST_F(Reservoir, SelectedWellRecordStartsEmptyAndCopies) {
    CRsSelectWells sel;
    EXPECT_TRUE(sel.m_strWellName.IsEmpty());
    sel.m_strWellName = "W3";
    sel.m_dFirst = 1.5;
    CRsSelectWells copy(sel);
    sel.m_strWellName = "W4";
    EXPECT_EQ(copy.m_strWellName, "W3");
    EXPECT_DOUBLE_EQ(copy.m_dFirst, 1.5);
}

TEST_F(Reservoir, ControlLinesLeadBackToTheReservoir) {
    CkelReservoir reservoir;
    auto line = boost::make_shared<KelReservoir::VirtualWell::CkelControlLine>();
    reservoir.GetControlLineMgr()->AddLine(line);
    ASSERT_NE(line->GetManager(), nullptr);
    EXPECT_EQ(line->GetManager()->GetReservoir(), &reservoir);
    EXPECT_EQ(reservoir.GetFaultLineMgr()->GetReservoir(), &reservoir);
}

}  // namespace
