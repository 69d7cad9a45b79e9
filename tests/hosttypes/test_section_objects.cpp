// Section objects: the object interface, Accept dispatch, the well manager's SetValue family,
// the wells' real depths, the update view and the container's singletons.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "hosttypes/Oriel/CContainerSignle.h"
#include "hosttypes/Oriel/CMapProperty.h"
#include "hosttypes/Oriel/CStratumCell.h"
#include "hosttypes/Oriel/CnConnection.h"
#include "hosttypes/Oriel/CrCorrelation.h"
#include "hosttypes/Oriel/CrFaultPoint.h"
#include "hosttypes/Oriel/IkelWellAdapter.h"
#include "hosttypes/Oriel/OrielTesting.h"
#include "hosttypes/Oriel/ScControlerInterface.h"
#include "hosttypes/Oriel/ScDepthRuler.h"
#include "hosttypes/Oriel/ScDisRuler.h"
#include "hosttypes/Oriel/ScDisScale.h"
#include "hosttypes/Oriel/ScLookDownForm.h"
#include "hosttypes/Oriel/ScRulerFrame.h"
#include "hosttypes/Oriel/ScUpdateView.h"
#include "hosttypes/Oriel/ScWellMgr.h"
#include "hosttypes/Oriel/ScWellPositionor.h"
#include "hosttypes/Tinder/TimeStamp.h"

namespace {

class SectionObjects : public ::testing::Test {
protected:
    void SetUp() override { oriel::testing::Reset(); }
    void TearDown() override { oriel::testing::Reset(); }

    static std::vector<std::string> Log() { return oriel::testing::CallLog(); }
};

// Records what Accept hands over, and resolves it the way the property creators do: by the
// class-name text, then a cast.
class RecordingControler : public ScControlerInterface {
public:
    void SetBecontroler(ScObjInterface* obj) override {
        received.push_back(obj);
        if (obj && obj->GetObjName() == "ScDepthScale") asDisScale = dynamic_cast<ScDisScale*>(obj);
        if (obj && obj->GetObjName() == "IkelWellAdapter") asWell = dynamic_cast<IkelWellAdapter*>(obj);
    }
    std::vector<ScObjInterface*> received;
    ScDisScale* asDisScale = nullptr;
    IkelWellAdapter* asWell = nullptr;
};

IkelWellAdapter* MakeWell(const std::string& name) {
    IkelWellAdapter* well = new IkelWellAdapter;
    well->SetName(name);
    return well;
}

TEST_F(SectionObjects, NewObjectIsInactiveUnstampedAndUnnamed) {
    ScObjInterface obj;
    EXPECT_FALSE(obj.IsActive());
    EXPECT_EQ(0u, obj.GetTimeStamp());
    EXPECT_TRUE(obj.GetObjName().IsEmpty());
    EXPECT_TRUE(obj.GetMouseEventName().empty());
    for (const CPoint& pt : {CPoint(0, 0), CPoint(-5, 7), CPoint(100000, -100000)}) EXPECT_FALSE(obj.HitTest(pt));

    // The base Accept shows the object to no controller.
    RecordingControler ctrl;
    obj.Accept(&ctrl);
    EXPECT_TRUE(ctrl.received.empty());
}

TEST_F(SectionObjects, ProChangedTakesTheUtilityClockAndSettersDoNotStamp) {
    tinder::testing::ResetTimeStamp(500);
    IkelWellAdapter well;
    well.SetTopDepth(1000);
    well.SetObjName("renamed");
    well.SetActive(true);
    EXPECT_EQ(0u, well.GetTimeStamp());
    well.ProChanged();
    EXPECT_EQ(500u, well.GetTimeStamp());
    well.ProChanged();
    EXPECT_EQ(501u, well.GetTimeStamp());
    EXPECT_TRUE(well.IsActive());

    CString name = well.GetObjName();
    name += "-changed";
    EXPECT_EQ(CString("renamed"), well.GetObjName());
}

TEST_F(SectionObjects, AcceptHandsEachObjectToTheControler) {
    IkelWellAdapter well;
    ScDepthRuler depthRuler;
    ScDisRuler disRuler;
    ScRulerFrame frame;
    ScDisScale disScale;
    ScDepthScale depthScale;
    ScLookDownForm lookDown;
    CrFaultPoint faultPoint;
    CStratumCell cell("S1");
    CnConnection connection;
    CrCorrelation correlation;
    std::vector<std::pair<ScObjInterface*, const char*>> objects = {
        {&well, "IkelWellAdapter"},    {&depthRuler, "ScDepthRuler"},  {&disRuler, "ScDisRuler"},
        {&frame, "ScRulerFrame"},      {&disScale, "ScDisScale"},      {&depthScale, "ScDepthScale"},
        {&lookDown, "ScLookDownForm"}, {&faultPoint, "CrFaultPoint"},  {&cell, "CStratumCell"},
        {&connection, "CnConnection"}, {&correlation, "CrCorrelation"}};

    RecordingControler ctrl;
    for (auto& entry : objects) {
        EXPECT_EQ(CString(entry.second), entry.first->GetObjName());
        entry.first->Accept(&ctrl);
    }
    ASSERT_EQ(objects.size(), ctrl.received.size());
    for (std::size_t i = 0; i < objects.size(); ++i) EXPECT_EQ(objects[i].first, ctrl.received[i]);
    EXPECT_EQ(&depthScale, ctrl.asDisScale);
    EXPECT_EQ(&well, ctrl.asWell);

    // A container arrives as its object-interface part, which casts back to the whole.
    EXPECT_EQ(&connection, dynamic_cast<CnConnection*>(ctrl.received[9]));
    EXPECT_EQ(&correlation, dynamic_cast<CrCorrelation*>(ctrl.received[10]));

    // No controller: nothing to do, and no crash.
    well.Accept(nullptr);
}

TEST_F(SectionObjects, NameAndRealTypeThatDisagreeCastToNull) {
    ScDisRuler ruler;
    ruler.SetObjName("IkelWellAdapter");
    RecordingControler ctrl;
    ruler.Accept(&ctrl);
    ASSERT_EQ(1u, ctrl.received.size());
    EXPECT_EQ(nullptr, ctrl.asWell);
}

TEST_F(SectionObjects, SetValueOnAManagerWithoutWellsCallsNothing) {
    ScWellMgr mgr;
    EXPECT_TRUE(mgr.empty());
    EXPECT_TRUE(mgr.IsEmpty());
    EXPECT_EQ(0u, mgr.size());
    mgr.SetValue(&IkelWellAdapter::DataTypeChanged);
    mgr.SetValue(&IkelWellAdapter::SetTopDepth, 1.0);
    mgr.SetValue(&IkelWellAdapter::SetTopStratum, std::string("S1"));
    EXPECT_TRUE(Log().empty());
}

TEST_F(SectionObjects, SetValueAppliesTheMemberToEveryWellInListOrder) {
    std::unique_ptr<IkelWellAdapter> a(MakeWell("A")), b(MakeWell("B")), c(MakeWell("C"));
    ScWellMgr mgr;
    mgr.AddWell(b.get());
    mgr.AddWell(a.get());
    mgr.AddWell(c.get());
    EXPECT_EQ(3u, mgr.size());
    EXPECT_FALSE(mgr.empty());

    mgr.SetValue(&IkelWellAdapter::SaveOldWellPosInfo);
    mgr.SetValue(&IkelWellAdapter::SetBottomDepth, 1250.5);
    mgr.SetValue(&IkelWellAdapter::SetBottomStratum, std::string("沙三段"));
    std::vector<std::string> expected = {
        "IkelWellAdapter::SaveOldWellPosInfo[B]()",     "IkelWellAdapter::SaveOldWellPosInfo[A]()",
        "IkelWellAdapter::SaveOldWellPosInfo[C]()",     "IkelWellAdapter::SetBottomDepth[B](1250.5)",
        "IkelWellAdapter::SetBottomDepth[A](1250.5)",   "IkelWellAdapter::SetBottomDepth[C](1250.5)",
        "IkelWellAdapter::SetBottomStratum[B](沙三段)", "IkelWellAdapter::SetBottomStratum[A](沙三段)",
        "IkelWellAdapter::SetBottomStratum[C](沙三段)"};
    EXPECT_EQ(expected, Log());
    for (IkelWellAdapter* w : {a.get(), b.get(), c.get()}) {
        EXPECT_DOUBLE_EQ(1250.5, w->GetBottomDepth());
        EXPECT_EQ("沙三段", w->GetBottomStratum());
    }

    // No member: nothing is called.
    oriel::testing::ClearCallLog();
    mgr.SetValue(static_cast<void (IkelWellAdapter::*)(double)>(nullptr), 1.0);
    EXPECT_TRUE(Log().empty());
}

TEST_F(SectionObjects, RealDepthsSubtractTheAlignmentLengthAtTheTopOnly) {
    IkelWellAdapter well;
    well.SetTopDepth(1000);
    well.SetBottomDepth(1200);
    well.SetTopExtendDepth(10);
    well.SetBottomExtendDepth(20);
    well.SetAlignLength(5);
    EXPECT_DOUBLE_EQ(985.0, well.GetRealTopDepth());
    EXPECT_DOUBLE_EQ(1220.0, well.GetRealBottomDepth());
    EXPECT_DOUBLE_EQ(10.0, well.GetTopExtendDepth());
    EXPECT_DOUBLE_EQ(20.0, well.GetBottomExtendDepth());
    EXPECT_DOUBLE_EQ(5.0, well.GetAlignLength());

    // One edit over all wells moves every well's real top.
    IkelWellAdapter other;
    other.SetTopDepth(2000);
    ScWellMgr mgr;
    mgr.AddWell(&well);
    mgr.AddWell(&other);
    mgr.SetValue(&IkelWellAdapter::SetTopExtendDepth, 50.0);
    EXPECT_DOUBLE_EQ(945.0, well.GetRealTopDepth());
    EXPECT_DOUBLE_EQ(1950.0, other.GetRealTopDepth());
    EXPECT_DOUBLE_EQ(1220.0, well.GetRealBottomDepth());
}

TEST_F(SectionObjects, WellCopiesCarryEveryField) {
    IkelWellAdapter well;
    well.SetName("W1");
    well.SetTemplate("/t/a.tpl", false);
    well.SetTopStratum("S1");
    well.SetRefWell("W0");
    well.SetPosition(FLOATPOINT(3.5, -2), false);
    well.SetEditTemplate(true);
    well.SaveOldWellPosInfo();
    IkelWellAdapter copy(well);
    EXPECT_EQ("W1", copy.GetName());
    EXPECT_EQ("/t/a.tpl", copy.GetTemplate());
    EXPECT_EQ("S1", copy.GetTopStratum());
    EXPECT_EQ("W0", copy.GetRefWell());
    EXPECT_TRUE(copy.GetPosition() == FLOATPOINT(3.5, -2));
    EXPECT_TRUE(copy.GetOldWellPosInfo().position == FLOATPOINT(3.5, -2));
    EXPECT_TRUE(copy.IfEditTemplate());
    EXPECT_EQ(CString("IkelWellAdapter"), copy.GetObjName());
}

TEST_F(SectionObjects, UpdateViewHeldOffUntilEnabled) {
    CnConnection section;
    ScUpdateView view(&section);
    view.DisableUpdate();
    view.Update();
    view.Update();
    EXPECT_EQ(0, section.GetUpdateCount());
    view.EnableUpdate();
    view.Update();
    EXPECT_EQ(1, section.GetUpdateCount());

    ScUpdateView none;
    none.Update();  // no container: nothing happens
}

TEST_F(SectionObjects, ContainerKindsAndFlags) {
    CnConnection connection;
    CrCorrelation correlation;
    EXPECT_EQ(ScControlerClient::CT_CONNECTION, connection.GetType());
    EXPECT_EQ(ScControlerClient::CT_CORRELATION, correlation.GetType());
    ScControlerClient* client = &correlation;
    EXPECT_EQ(1, static_cast<int>(client->GetType()));

    EXPECT_TRUE(connection.AcceptCtrlLButtonDwn());
    EXPECT_TRUE(connection.IsPropertyValid());
    connection.SetPropertyValid(false);
    EXPECT_FALSE(connection.IsPropertyValid());
    EXPECT_FALSE(connection.IsSaveValid());

    connection.SetConMgrTimeStamp(77);
    EXPECT_EQ(77u, connection.GetConMgrTimeStamp());
    EXPECT_NE(nullptr, connection.GetWellMgr());
    EXPECT_NE(nullptr, connection.GetLookDownForm());
    EXPECT_NE(nullptr, connection.GetDisRulerMgr());
    EXPECT_EQ(nullptr, connection.GetDispManager());

    EXPECT_TRUE(correlation.IsShowFaultPoint());
    correlation.ShowFaultPoint(false);
    EXPECT_FALSE(correlation.IsShowFaultPoint());
    ASSERT_TRUE(correlation.GetFaultPointMgr());
    EXPECT_EQ(0u, correlation.GetFaultPointMgr()->GetCount());
}

TEST_F(SectionObjects, ToolBarSignalReachesEverySlotUntilDisconnected) {
    CnConnection section;
    std::vector<int> seen;
    boost::signals2::connection first = section.Connect([&](int v) { seen.push_back(v); });
    section.Connect([&](int v) { seen.push_back(v * 10); });
    section.UpdateToolBar(3);
    first.disconnect();
    section.UpdateToolBar(4);
    EXPECT_EQ((std::vector<int>{3, 30, 40}), seen);
}

TEST_F(SectionObjects, CurrentContainerRecordAndViewAnswerTheSameSection) {
    CnConnection section;
    CContainerSignle::Instance()->SetContainer(&section);
    EXPECT_EQ(&section, CContainerSignle::Instance()->m_pContainer);
    EXPECT_EQ(section.GetProperty().get(), CMapPropertySignle::Instance()->GetProperty().get());
    ScUpdateView::Instance()->Update();
    EXPECT_EQ(1, section.GetUpdateCount());

    oriel::testing::Reset();
    EXPECT_EQ(nullptr, CContainerSignle::Instance()->m_pContainer);
    EXPECT_FALSE(CMapPropertySignle::Instance()->GetProperty());
}

TEST_F(SectionObjects, DisplayRecordCopiesAndStratumSettings) {
    CMapProperty record;
    record.m_strTemplatePath = "/t/well.tpl";
    record.m_nGrade = 3;
    record.m_virStratumPen.color = RGB(1, 2, 3);
    record.SetStratumSetorInfo("S1", 0x05);
    CMapProperty copy(record);
    unsigned char info = 0;
    EXPECT_TRUE(copy.GetStratumSetorInfo("S1", info));
    EXPECT_EQ(0x05, info);
    EXPECT_FALSE(copy.GetStratumSetorInfo("S2", info));
    EXPECT_EQ(0x05, info);  // untouched by a failed lookup
    EXPECT_EQ("/t/well.tpl", copy.m_strTemplatePath);
    EXPECT_EQ(3, copy.m_nGrade);
    EXPECT_EQ(RGB(1, 2, 3), copy.m_virStratumPen.color);

    CMapPropertySignle single;
    boost::shared_ptr<CMapProperty> shared(new CMapProperty(record));
    single.SetProperty(shared);
    EXPECT_EQ(shared.get(), single.GetProperty().get());
}

TEST_F(SectionObjects, CopiedPositionorsKeepTheirOwnShadePoints) {
    std::unique_ptr<ScWellPositionor> original(new ScWellPositionor);
    original->GetShadePoint().GetWellPoint()->push_back({"W1", FLOATPOINT(1, 2)});
    original->GetShadePoint().SetLinePoint(FLOATPOINT(0, 0), FLOATPOINT(10, 0));
    ScWellPositionor copy(*original);
    original.reset();  // must not free the copy's points
    ASSERT_EQ(1u, copy.GetShadePoint().GetWellPoint()->size());
    EXPECT_EQ("W1", copy.GetShadePoint().GetWellPoint()->front().well);
    EXPECT_TRUE(copy.GetShadePoint().GetLineTo() == FLOATPOINT(10, 0));

    CWellShadePoint fresh;
    EXPECT_TRUE(fresh.GetLineFrom() == FLOATPOINT(0, 0));
    EXPECT_TRUE(fresh.GetLineTo() == FLOATPOINT(0, 0));
    EXPECT_TRUE(fresh.GetWellPoint()->empty());
}

}  // namespace
