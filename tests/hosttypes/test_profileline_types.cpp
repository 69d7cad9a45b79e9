// Profile-line objects: the object base and its defaults, Accept dispatch, the document's
// reference information and managers, the well parts with their two bases, and the layer
// settings holder.
#include <gtest/gtest.h>

#include <boost/make_shared.hpp>
#include <memory>
#include <string>
#include <vector>

#include "hostlibs/Lodestar/Testing.h"
#include "hosttypes/Lodestar/LayerProperty.h"
#include "hosttypes/Lodestar/PlContainer.h"
#include "hosttypes/Lodestar/PlManagers.h"
#include "hosttypes/Lodestar/PlProfileline.h"
#include "hosttypes/Lodestar/PlWell.h"
#include "hosttypes/Tinder/TimeStamp.h"

using namespace KelProfileline;

namespace {

const char* const kWellLayer = "井位";
const char* const kFaultLayer = "断层";
const char* const kMissingLayer = "无此层";
const char* const kMapFile = "井位图";
const char* const kFace = "宋体";

struct RecordingControler : CPlControlerInterface {
    std::vector<CPlObjInterface*> seen;
    void SetBecontroler(CPlObjInterface* obj) override { seen.push_back(obj); }
};

class ProfileLine : public ::testing::Test {
protected:
    void SetUp() override { lodestar::testing::Reset(); }
    void TearDown() override { lodestar::testing::Reset(); }
};

struct PlainObject : CPlObjInterface {};

TEST_F(ProfileLine, NewObjectIsInactiveUnstampedAndUnnamed) {
    PlainObject obj;
    EXPECT_FALSE(obj.IsActive());
    EXPECT_EQ(obj.GetObjTimeStamp(), 0u);
    EXPECT_TRUE(obj.GetObjName().IsEmpty());
    EXPECT_EQ(obj.GetObjType(), OBJ_NONE);
    EXPECT_EQ(obj.GetMouseEventName(), "");
    obj.SetObjType(OBJ_WELL_TRACK);  // the base keeps no type
    EXPECT_EQ(obj.GetObjType(), OBJ_NONE);
    RecordingControler ctl;
    obj.Accept(&ctl);  // the base hands nothing over
    EXPECT_TRUE(ctl.seen.empty());
}

TEST_F(ProfileLine, ProChangedTakesTheCurrentStamp) {
    tinder::testing::ResetTimeStamp(42);
    CPlProfileline line;
    line.ProChanged();
    EXPECT_EQ(line.GetObjTimeStamp(), 42u);
    line.ProChanged();
    EXPECT_EQ(line.GetObjTimeStamp(), 43u);
}

TEST_F(ProfileLine, LibrarySettersLeaveTheStampAlone) {
    CPlProfileline line;
    QXLOGPEN pen;
    pen.width = 50;
    line.SetLinePen(pen);
    line.SetAngle(30.0);
    EXPECT_EQ(line.GetObjTimeStamp(), 0u);
    EXPECT_FLOAT_EQ(line.GetLinePen().width, 50.0f);
    EXPECT_EQ(lodestar::testing::CallLog(),
              (std::vector<std::string>{"CPlProfileline::SetLinePen", "CPlProfileline::SetAngle(30.000000)"}));
}

TEST_F(ProfileLine, AcceptHandsEachConcreteObjectToTheControler) {
    CPlProfileline line;
    CPlCnEntity entity;
    CWellLabel label;
    CWellSymbol symbol;
    CWellTrack track;
    std::vector<CPlObjInterface*> objs = {&line, &entity, &label, &symbol, &track};
    RecordingControler ctl;
    for (CPlObjInterface* obj : objs) obj->Accept(&ctl);
    ASSERT_EQ(ctl.seen, objs);
    std::vector<std::string> names;
    for (CPlObjInterface* obj : ctl.seen) names.push_back(obj->GetObjName().str());
    EXPECT_EQ(names,
              (std::vector<std::string>{"CPlProfileline", "CPlCnEntity", "CWellLabel", "CWellSymbol", "CWellTrack"}));
    // The creator reaches the container part of the entity by a cast.
    CPlContainer* container = dynamic_cast<CPlContainer*>(ctl.seen[1]);
    EXPECT_EQ(container, static_cast<CPlContainer*>(&entity));
    EXPECT_EQ(dynamic_cast<CPlContainer*>(ctl.seen[0]), nullptr);
}

TEST_F(ProfileLine, ReferenceInformationIsSharedAndLayersCopiedOut) {
    CPlCnEntity entity;
    EXPECT_FALSE(entity.GetRefrenceInfo());
    EXPECT_EQ(entity.m_nStratumGrade, -1);
    EXPECT_EQ(entity.GetStratumGrade(), -1);
    auto info = boost::make_shared<CPlRefrenceInfo>();
    CQXLayer* l1 = reinterpret_cast<CQXLayer*>(0x10);
    CQXLayer* l2 = reinterpret_cast<CQXLayer*>(0x20);
    info->SetLayerVec({l1, l2});
    entity.SetRefrenceInfo(info);
    EXPECT_EQ(entity.GetRefrenceInfo(), info);

    std::vector<CQXLayer*> out = {reinterpret_cast<CQXLayer*>(0x99)};
    entity.GetRefrenceInfo()->GetLayerVec(out);
    EXPECT_EQ(out, (std::vector<CQXLayer*>{l1, l2}));  // replaced, not appended
    out.clear();
    info->GetLayerVec(out);
    EXPECT_EQ(out.size(), 2u);
}

TEST_F(ProfileLine, ShownLayersAnswerByPosition) {
    CPlRefrenceInfo info;
    info.AddShowLayer(kWellLayer, true);
    info.AddShowLayer(kFaultLayer, false);
    info.SetLayerVisible(kFaultLayer, true);
    info.SetLayerVisible(kMissingLayer, true);
    std::vector<std::string> names;
    info.GetShowLayer(names);
    EXPECT_EQ(names, (std::vector<std::string>{kWellLayer, kFaultLayer}));
    EXPECT_EQ(info.GetShowLayerVisible(1), 1);
    EXPECT_EQ(info.GetShowLayerVisible(2), 0);
    EXPECT_EQ(info.GetShowLayerVisible(-1), 0);
}

TEST_F(ProfileLine, EmptyManagersAndCopiedWellLists) {
    CPlProfilelineMgr lines;
    EXPECT_EQ(lines.GetLineCount(), 0);
    EXPECT_TRUE(lines.GetProfileVector().empty());

    CPlWellMgr wells;
    auto w1 = boost::make_shared<CPlWell>();
    wells.AddWell(w1);
    EXPECT_EQ(w1->GetWellMgr(), &wells);
    auto copy = wells.GetWellVector();
    copy.clear();
    copy.push_back(boost::make_shared<CPlWell>());
    ASSERT_EQ(wells.GetWellVector().size(), 1u);
    EXPECT_EQ(wells.GetWellVector()[0], w1);
}

TEST_F(ProfileLine, WellManagerSettersReachEveryWellOfTheKind) {
    CPlWellMgr wells;
    std::vector<boost::shared_ptr<CWellTrack>> upper;
    for (int i = 0; i < 2; ++i) {
        auto well = boost::make_shared<CPlWell>();
        auto track = boost::make_shared<CWellTrack>();
        well->SetTrack(PL_TRACK_UPPER, track);
        well->SetTrack(PL_TRACK_LOWER, boost::make_shared<CWellTrack>());
        upper.push_back(track);
        wells.AddWell(well);
    }
    QXLOGPEN pen;
    pen.color = 0x123456;
    wells.SetTrackPen(PL_TRACK_UPPER, pen);
    for (const auto& track : upper) EXPECT_EQ(track->GetLogPen().color, 0x123456u);
    EXPECT_EQ(wells.GetWellVector()[0]->GetTrack(PL_TRACK_LOWER)->GetLogPen().color, 0u);
    EXPECT_EQ(upper[0]->GetTrackType(), PL_TRACK_UPPER);
}

// ---- well parts ----

TEST_F(ProfileLine, PartsAnswerTheirComponentTypeThroughEitherBase) {
    CWellLabel label;
    CPlObjInterface* asObject = &label;
    CWellComponent* asComponent = &label;
    EXPECT_EQ(asObject->GetObjType(), OBJ_WELL_LABEL);
    asObject->SetObjType(OBJ_WELL_SYMBOL);
    EXPECT_EQ(asComponent->GetObjType(), OBJ_WELL_SYMBOL);
}

TEST_F(ProfileLine, TrackCopiesCarryBothBases) {
    CWellTrack track;
    track.SetPosition(FLOATPOINT(3.0, 4.0));
    track.SetSize(2.5);
    track.SetShowStyle(false);
    track.SetActive(true);
    track.m_byStraightLine = 1;
    CWellTrack copy(track);
    EXPECT_EQ(copy.GetPosition(), FLOATPOINT(3.0, 4.0));
    EXPECT_DOUBLE_EQ(copy.GetSize(), 2.5);
    EXPECT_FALSE(copy.GetShowStyle());
    EXPECT_TRUE(copy.IsActive());
    EXPECT_EQ(copy.GetObjName(), "CWellTrack");
    EXPECT_EQ(copy.m_byStraightLine, 1);
    CWellTrack assigned;
    assigned = track;
    EXPECT_EQ(assigned.GetPosition(), FLOATPOINT(3.0, 4.0));
}

TEST_F(ProfileLine, PartsAreDestroyedThroughTheComponentBase) {
    std::unique_ptr<CWellComponent> part(new CWellSymbol);
    part->SetZoomFactor(2.0);
    EXPECT_DOUBLE_EQ(part->GetZoomFactor(), 2.0);
    part.reset();  // the whole symbol goes, object part included
    SUCCEED();
}

TEST_F(ProfileLine, LabelNamesItsParentWell) {
    auto well = boost::make_shared<CPlWell>();
    well->SetName("W7");
    auto label = boost::make_shared<CWellLabel>();
    EXPECT_TRUE(label->GetWellName().IsEmpty());
    well->SetWellLabel(label);
    EXPECT_EQ(well->GetWellLabel(), label);
    EXPECT_EQ(label->GetParent(), well.get());
    EXPECT_EQ(label->GetWellName(), "W7");
}

// ---- control ----

TEST_F(ProfileLine, ControlHandsOutItsEmbeddedAdapter) {
    struct FixedManager : IDispManager {
        void GetActiveObj(long& object) override { object = 77; }
    } host;
    CPlControl control;
    IDispManager* adapter = control.GetDispManager();
    EXPECT_EQ(adapter, control.GetDispManager());
    long active = -1;
    adapter->GetActiveObj(active);
    EXPECT_EQ(active, 0);  // no host manager yet
    static_cast<CPlPropWndDispMgrAdapter*>(adapter)->SetTarget(&host);
    CPlControl copy(control);
    copy.GetDispManager()->GetActiveObj(active);
    EXPECT_EQ(active, 77);  // the copy's adapter wraps the same manager
    EXPECT_NE(copy.GetDispManager(), control.GetDispManager());
}

// ---- layer settings ----

TEST_F(ProfileLine, PropertyHolderSharesItsRecordUntilReplaced) {
    CPropertySignle* holder = CPropertySignle::Instance();
    auto prop = holder->GetProperty();
    ASSERT_TRUE(prop);
    EXPECT_EQ(holder->GetProperty(), prop);
    prop->m_bShowReferenceMap = true;
    EXPECT_TRUE(holder->GetProperty()->m_bShowReferenceMap);
    auto other = boost::make_shared<CLayerProperty>();
    holder->SetProperty(other);
    EXPECT_EQ(holder->GetProperty(), other);
    lodestar::testing::Reset();
    EXPECT_NE(holder->GetProperty(), other);
    EXPECT_FALSE(holder->GetProperty()->m_bShowReferenceMap);
}

TEST_F(ProfileLine, LayerPropertyCopiesEveryField) {
    CLayerProperty prop;
    prop.m_strPlaneMapFile = kMapFile;
    prop.m_nameFont.SetFaceName(kFace);
    QXLOGPOINT head;
    head.size = 300;
    prop.SetSymbolPoint(PL_SYMBOL_HEAD, head);
    prop.SetWellTrackVisible(false, PL_TRACK_LOWER);
    CLayerProperty copy(prop);
    prop.m_strPlaneMapFile.clear();
    EXPECT_EQ(copy.m_strPlaneMapFile, kMapFile);
    EXPECT_EQ(copy.m_nameFont.GetFaceName(), kFace);
    EXPECT_FLOAT_EQ(copy.GetSymbolPoint(PL_SYMBOL_HEAD).size, 300.0f);
    EXPECT_FALSE(copy.GetWellTrackVisible(PL_TRACK_LOWER));
    EXPECT_TRUE(copy.GetWellTrackVisible(PL_TRACK_UPPER));
}

TEST_F(ProfileLine, LayerPropertyIgnoresUnknownKinds) {
    CLayerProperty prop;
    QXLOGPEN pen;
    pen.color = 7;
    prop.SetWellTrackPen(PL_SYMBOL_HEAD, pen);  // a symbol kind, not a track kind
    prop.SetSymbolVisible(false, 9);
    EXPECT_EQ(prop.GetWellTrackPen(PL_TRACK_UPPER).color, 0u);
    EXPECT_FALSE(prop.GetSymbolVisible(9));
    EXPECT_TRUE(prop.GetSymbolVisible(PL_SYMBOL_CURRENT));
}

}  // namespace
