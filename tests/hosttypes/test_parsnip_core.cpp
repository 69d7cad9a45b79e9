// Map-object library core: maps and map files, layers' selections, the kinds the plane-map lists
// edit, point-series identifiers, value-record copies and the fixture the lists' tests build on.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <vector>

#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/MapFunc.h"
#include "hosttypes/Parsnip/PointSeries.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXMap.h"
#include "hosttypes/Parsnip/QXMapFile.h"
#include "hosttypes/Parsnip/QXObjectBitmap.h"
#include "hosttypes/Parsnip/QXObjectBlock.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "hosttypes/Parsnip/QXObjectHint.h"
#include "hosttypes/Parsnip/QXObjectMultiText.h"
#include "hosttypes/Parsnip/QXObjectPoint.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "hosttypes/Parsnip/QXObjectQXM.h"
#include "hosttypes/Parsnip/QXObjectText.h"
#include "hosttypes/Parsnip/QXSegment.h"
#include "hosttypes/Parsnip/ValueRecords.h"

namespace {

using parsnip::MapFixture;
using parsnip::testing::CallLog;
using parsnip::testing::CountCalls;

// ---- maps and map files ----------------------------------------------------------------------

TEST(ParsnipMap, IsRotateUsesFloatEpsilonEitherWay) {
    CQXMap map;
    map.SetAngle(1e-8);
    EXPECT_EQ(map.IsRotate(), 0);
    map.SetAngle(1e-6);
    EXPECT_EQ(map.IsRotate(), 1);
    map.SetAngle(-1e-6);
    EXPECT_EQ(map.IsRotate(), 1);
    map.SetAngle(std::nan(""));
    EXPECT_EQ(map.IsRotate(), 0);
}

TEST(ParsnipMap, SetAngleRebuildsTheMapAndMovesItsStamp) {
    CQXMap map;
    const uint64_t before = map.GetTimeStamp();
    map.SetAngle(0.5);
    EXPECT_DOUBLE_EQ(map.GetAngle(), 0.5);
    EXPECT_EQ(CountCalls("CQXMap::BuildMapRect", &map), 1);
    EXPECT_GT(map.GetTimeStamp(), before);
}

TEST(ParsnipMap, LayersByIndexAndNameAnswerNullWhenMissing) {
    MapFixture world;
    CQXLayer* second = world.AddLayer("断层");
    CQXMap* map = world.Map();
    EXPECT_EQ(map->GetLayerCount(), 2);
    EXPECT_EQ(map->GetLayer(1), second);
    EXPECT_EQ(map->GetLayer(2), nullptr);
    EXPECT_EQ(map->GetLayer(-1), nullptr);
    EXPECT_EQ(map->GetLayer("断层"), second);
    EXPECT_EQ(map->GetLayer("无此图层"), nullptr);
    EXPECT_EQ(map->GetLayer(static_cast<const char*>(nullptr)), nullptr);
    EXPECT_EQ(second->GetMap(), map);
    EXPECT_EQ(map->GetMapFile(), world.MapFile());
}

TEST(ParsnipMap, ModifyFlagsOfMapAndObjectAreLogged) {
    MapFixture world;
    CQXObjectText* text = world.AddText("文本", "a", FLOATPOINT(0, 0));
    world.Map()->SetModifyFlag(1);
    text->SetModifyFlag(1);
    EXPECT_EQ(world.Map()->GetModifyFlag(), 1);
    EXPECT_EQ(CountCalls("CQXMap::SetModifyFlag", world.Map()), 1);
    EXPECT_EQ(CountCalls("CQXObject::SetModifyFlag", text), 1);
}

TEST(ParsnipMapFile, BothSpellingsOfTheNotificationAreOneLoggedOperation) {
    MapFixture world;
    CQXObjectPoint* point = world.AddPoint("井位", FLOATPOINT(1, 2));
    world.MapFile()->SendNotifyMessage(world.Map(), world.Layer(), point, 2);
    world.MapFile()->SendNotifyMessageA(world.Map(), world.Layer(), point, 2);
    ASSERT_EQ(CountCalls("CQXMapFile::SendNotifyMessageA", world.MapFile()), 2);
    EXPECT_EQ(CallLog().back().arguments, "2");
    const auto& sent = parsnip::testing::Notifications();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].object, point);
    EXPECT_EQ(sent[0].layer, world.Layer());
    EXPECT_EQ(sent[0].code, 2u);
}

TEST(ParsnipMapFile, IndexedReadsOutsideAnswerNothingAndTheMaskIsShared) {
    CQXMapFile file;
    file.AddMenu(7, "属性");
    EXPECT_EQ(file.GetMenuID(0), 7u);
    EXPECT_EQ(file.GetMenuStringA(0), CString("属性"));
    EXPECT_EQ(file.GetMenuID(1), 0u);
    EXPECT_EQ(file.GetMenuStringA(1), CString(""));
    EXPECT_EQ(file.GetMap(0u), nullptr);

    EXPECT_FALSE(file.GetMask());
    file.SetMask(boost::shared_ptr<CMask>(new CMask));
    boost::shared_ptr<CMask> owner = file.GetMask();
    EXPECT_EQ(owner.use_count(), 2);
}

TEST(ParsnipMapFunc, StratumIsWhatTheMapWasGivenAndOutputsStayOtherwise) {
    CQXMap map;
    int grade = -7;
    CString name("预设");
    EXPECT_FALSE(CMapFunc::GetStratum(&map, grade, name));
    EXPECT_FALSE(CMapFunc::GetStratum(nullptr, grade, name));
    EXPECT_EQ(grade, -7);
    EXPECT_EQ(name, CString("预设"));
    map.SetStratum(3, "S1");
    EXPECT_TRUE(CMapFunc::GetStratum(&map, grade, name));
    EXPECT_EQ(grade, 3);
    EXPECT_EQ(name, CString("S1"));
}

TEST(ParsnipMapFunc, FillLayerNameReplacesATrailingLine) {
    EXPECT_EQ(CMapFunc::LineFILL_2_Fill_Layer("等值线"), CString("等值填充"));
    EXPECT_EQ(CMapFunc::LineFILL_2_Fill_Layer("孔隙度"), CString("孔隙度填充"));
    EXPECT_EQ(CMapFunc::LineFILL_2_Fill_Layer("线"), CString("填充"));
    EXPECT_EQ(CMapFunc::LineFILL_2_Fill_Layer(""), CString(""));
}

// ---- layers and the fixture ------------------------------------------------------------------

TEST(ParsnipLayer, EmptySelectionCountsZeroAndNeverReadsPastIt) {
    CQXLayer layer;
    EXPECT_EQ(layer.GetSelectedObjectCount(), 0);
    EXPECT_EQ(layer.GetSelectedObject(0), nullptr);
    EXPECT_EQ(layer.GetObjectG(0), nullptr);
}

TEST(ParsnipFixture, BuildingLeavesTheLogAloneAndSelectionKeepsOrder) {
    parsnip::testing::ClearCallLog();
    MapFixture world;
    CQXObjectText* a = world.AddText("文本", "a", FLOATPOINT(0, 0));
    CQXObjectPoint* b = world.AddPoint("井位", FLOATPOINT(0, 0));
    CQXObjectHint* c = world.Add<CQXObjectHint>("注释");
    EXPECT_TRUE(CallLog().empty());
    EXPECT_EQ(world.Layer()->GetObjectCount(), 3);
    EXPECT_EQ(c->GetTypeName(), CString("注释"));

    world.Select({c, a, a});
    ASSERT_EQ(world.Layer()->GetSelectedObjectCount(), 2);
    EXPECT_EQ(world.Layer()->GetSelectedObject(0), c);
    EXPECT_EQ(world.Layer()->GetSelectedObject(1), a);
    world.ClearSelection();
    world.Select(b);
    EXPECT_EQ(world.Layer()->GetSelectedObject(0), b);
}

// The call counters go on where the bounded log lets its older calls go, and count with the log off.
TEST(ParsnipFixture, CallCountersAreNotTrimmedByTheLogsBound) {
    parsnip::testing::Reset();
    CQXObjectPoint point;
    QXLOGPOINT style;
    constexpr int kCalls = 10000;
    parsnip::testing::EnableCallCounts(true);
    for (int i = 0; i < kCalls; ++i) point.SetLogPoint(&style);
    EXPECT_LT(CountCalls("CQXObjectPoint::SetLogPoint"), kCalls);
    EXPECT_EQ(parsnip::testing::CountedCalls("CQXObjectPoint::SetLogPoint"), kCalls);
    parsnip::testing::EnableCallLog(false);
    point.SetLogPoint(&style);
    point.SetLogPoint(nullptr);  // refused before the library acts: not a call
    EXPECT_EQ(parsnip::testing::CountedCalls("CQXObjectPoint::SetLogPoint"), kCalls + 1);
    EXPECT_EQ(parsnip::testing::CountedCalls(), kCalls + 1);
    EXPECT_EQ(parsnip::testing::CountedCalls("CQXObjectPoint::GetLogPoint"), 0);

    parsnip::testing::EnableCallCounts(true);  // from zero again
    EXPECT_EQ(parsnip::testing::CountedCalls(), 0);
    parsnip::testing::Reset();  // counting off
    point.SetLogPoint(&style);
    EXPECT_EQ(parsnip::testing::CountedCalls(), 0);
    parsnip::testing::Reset();
}

// ---- object base ------------------------------------------------------------------------------

TEST(ParsnipObject, ControlNodesWithoutAnArrayWriteNothing) {
    CQXObject object;
    POINT device{11, 12};
    FLOATPOINT map(3, 4);
    EXPECT_FALSE(object.GetControlNodePoint(0, device));
    EXPECT_FALSE(object.GetControlNodePoint(0, map));
    EXPECT_EQ(device.x, 11);
    EXPECT_EQ(map.x, 3);
    EXPECT_TRUE(object.IsValidSegment());
}

TEST(ParsnipObject, PropertyManagerLeavesOutputOnAbsentOrOtherKindKey) {
    CQXObject object;
    CQXPropertyManager* props = object.GetPropertyManager();
    props->SetStringProperty("数据库代码", "X");
    int flag = 1;
    QXLOGPEN pen;
    pen.width = 42;
    EXPECT_EQ(props->GetBoolProperty("NAME_ISCREATED", flag), 0);
    EXPECT_EQ(props->GetBoolProperty("数据库代码", flag), 0);
    EXPECT_EQ(props->GetPenProperty("FAULT_UP_PEN", &pen), 0);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(pen.width, 42.0f);
}

// ---- kinds ------------------------------------------------------------------------------------

TEST(ParsnipKinds, ClassTreeAndClassNames) {
    CQXObjectMultiText multi;
    CQXObjectPolyline line;
    CQXObjectQXM qxm;
    EXPECT_FALSE(multi.IsKindOf(RUNTIME_CLASS(CQXObjectText)));
    EXPECT_TRUE(line.IsKindOf(RUNTIME_CLASS(CQXObjectLine)));
    EXPECT_FALSE(qxm.IsKindOf(RUNTIME_CLASS(CQXObjectBitmap)));
    EXPECT_EQ(multi.GetClassNameG(), CString("CQXObjectMultiText"));
    EXPECT_EQ(qxm.GetClassNameG(), CString("CQXObjectQXM"));
}

TEST(ParsnipKinds, SettersRenewTheStampAndLogButNullStylesAreIgnored) {
    CQXObjectText text;
    QXLOGFONT font;
    font.size = 1200;
    const uint64_t before = text.GetTimeStamp();
    text.SetLogFont(&font);
    EXPECT_GT(text.GetTimeStamp(), before);
    EXPECT_EQ(CountCalls("CQXObjectText::SetLogFont", &text), 1);
    EXPECT_EQ(CountCalls("CQXObject::OnChanged", &text), 0);

    const uint64_t after = text.GetTimeStamp();
    text.SetLogFont(nullptr);
    EXPECT_EQ(text.GetTimeStamp(), after);
    QXLOGFONT out;
    text.GetLogFont(&out);
    EXPECT_EQ(out.size, 1200.0f);
}

TEST(ParsnipKinds, PositionOfTextPointAndPictureIsTheAnchor) {
    CQXObjectText text;
    CQXObjectPoint point;
    CQXObjectBitmap picture;
    text.MoveAnchor(QXPOINT(100.5, 200.25, 3));
    point.MoveAnchor(FLOATPOINT(-1, 2));
    picture.MoveAnchor(QXPOINT(5, 6, 1));
    QXPOINT p;
    text.GetAnchor(&p);
    EXPECT_EQ(p.x, 100.5);
    EXPECT_EQ(p.y, 200.25);
    EXPECT_EQ(p.flag, 3);
    FLOATPOINT f;
    point.GetAnchor(&f);
    EXPECT_EQ(f, FLOATPOINT(-1, 2));
    picture.GetAnchor(&p);
    EXPECT_EQ(p.flag, 1);
}

TEST(ParsnipKinds, HintAlignmentAcceptsZeroToThreeOnly) {
    CQXObjectHint hint;
    hint.SetHorizontalAlign(3);
    hint.SetHorizontalAlign(4);
    hint.SetHorizontalAlign(-1);
    EXPECT_EQ(hint.GetHorizontalAlign(), 3);
    hint.SetVerticalAlign(0);
    hint.SetVerticalAlign(-1);
    EXPECT_EQ(hint.GetVerticalAlign(), 0);
}

TEST(ParsnipKinds, PolylineAzimuthAndTurningATwoPointLine) {
    MapFixture world;
    CQXObjectPolyline* line = world.AddPolyline("线", {FLOATPOINT(0, 0), FLOATPOINT(3, 4)});
    EXPECT_NEAR(line->CaculateAngle(), 36.8698976, 1e-6);
    line->SetAngle(90);
    FLOATPOINT end;
    ASSERT_TRUE(line->GetPoint(1, end));
    EXPECT_NEAR(end.x, 5, 1e-9);
    EXPECT_NEAR(end.y, 0, 1e-9);
    EXPECT_DOUBLE_EQ(line->GetAngle(), 90);

    CQXObjectPolyline* bent = world.AddPolyline("线", {FLOATPOINT(0, 0), FLOATPOINT(0, 1), FLOATPOINT(1, 1)});
    bent->SetAngle(180);
    ASSERT_TRUE(bent->GetPoint(1, end));
    EXPECT_EQ(end, FLOATPOINT(0, 1));
}

TEST(ParsnipKinds, FillAreaIsOuterRingLessHoles) {
    MapFixture world;
    // Outer ring clockwise, hole counter-clockwise: winding does not matter.
    CQXObjectFill* fill =
        world.AddFill("填充", {FLOATPOINT(0, 0), FLOATPOINT(0, 10), FLOATPOINT(10, 10), FLOATPOINT(10, 0)});
    EXPECT_DOUBLE_EQ(fill->GetArea(), 100.0);
    fill->AddSegment(new CQXSegment({FLOATPOINT(1, 1), FLOATPOINT(3, 1), FLOATPOINT(3, 3), FLOATPOINT(1, 3)}));
    EXPECT_DOUBLE_EQ(fill->GetArea(), 96.0);
    CQXObjectFill empty;
    EXPECT_EQ(empty.GetArea(), 0.0);
}

TEST(ParsnipKinds, BlockFindsMembersByTypeName) {
    MapFixture world;
    CQXObjectBlock* block = world.Add<CQXObjectBlock>("断层");
    CQXObject* up = block->AddObject(new CQXObjectPolyline);
    up->SetTypeName("上盘");
    EXPECT_EQ(block->GetObjectByTypeName("上盘"), up);
    EXPECT_EQ(block->GetObjectByTypeName("下盘"), nullptr);
    EXPECT_EQ(up->GetLayer(), world.Layer());
}

TEST(ParsnipKinds, PictureHolderRefusesUnusableSizes) {
    CQXObjectBitmap picture;
    EXPECT_EQ(picture.GetDIBSize(), CSize(0, 0));
    EXPECT_FALSE(picture.GetDIB()->Create(-1, 10, 24));
    EXPECT_FALSE(picture.GetDIB()->Create(10, 10, 7));
    EXPECT_FALSE(picture.GetDIB()->Create(1 << 30, 1 << 30, 32));
    EXPECT_TRUE(picture.GetDIB()->IsEmpty());
    ASSERT_TRUE(picture.GetDIB()->Create(3, 2, 24));
    EXPECT_EQ(picture.GetDIBSize(), CSize(3, 2));
    EXPECT_EQ(picture.GetDIBBitCount(), 24);
    EXPECT_EQ(picture.GetDIB()->GetBits().size(), 24u);  // rows of 9 bytes padded to 12
}

// ---- point series and value records --------------------------------------------------------

TEST(ParsnipPointSeries, IdsCompareAllThreeNumbersAndNullAssignmentKeeps) {
    POINTSERIESID a(1, 2, 3);
    EXPECT_TRUE(a == POINTSERIESID(1, 2, 3));
    EXPECT_TRUE(a != POINTSERIESID(1, 2, 4));
    EXPECT_TRUE(a != POINTSERIESID(0, 2, 3));
    a = static_cast<const POINTSERIESID*>(nullptr);
    EXPECT_TRUE(a == POINTSERIESID(1, 2, 3));

    POINTINDEX blank;
    EXPECT_EQ(blank.nIndex, 0);
    EXPECT_TRUE(blank.id == POINTSERIESID());
    EXPECT_FALSE(POINTINDEX(a, 1) == POINTINDEX(a, 2));
    EXPECT_TRUE(POINTINDEX(a, 2) == POINTINDEX(a, 2));
}

TEST(ParsnipPointSeries, MapPointsAreTheMiddleEntriesAndReadsOutsideWriteNothing) {
    CQXPointSeries series;
    series.SetPoints({QXPOINT(1, 2, 0x05), QXPOINT(3, 4, 0x02)});
    EXPECT_EQ(series.GetMapPoint(1), FLOATPOINT(3, 4));
    EXPECT_EQ(series.GetPointAttribute(0, 0x04), 0x04);
    EXPECT_EQ(series.GetPointAttribute(2, 0xFF), 0);
    QXPOINT q(9, 9, 9);
    EXPECT_FALSE(series.GetPoint(2, q));
    EXPECT_EQ(q.x, 9);
    EXPECT_EQ(series.GetReference(0), nullptr);
    EXPECT_EQ(series.GetRelative(-1), nullptr);
}

TEST(ParsnipValueRecords, CopiesShareNothingWithTheOriginal) {
    CLegend legend;
    legend.m_strText = "砂岩";
    legend.m_pen.width = 10;
    CLegend legendCopy(legend);
    legendCopy.m_strText = "泥岩";
    legendCopy.m_pen.width = 20;
    EXPECT_EQ(legend.m_strText, CString("砂岩"));
    EXPECT_EQ(legend.m_pen.width, 10.0f);

    CGraphEditUndoManager undo;
    undo.m_undoSteps.push_back("移动");
    CGraphEditUndoManager undoCopy;
    undoCopy = undo;
    undoCopy.m_undoSteps.push_back("删除");
    EXPECT_EQ(undo.m_undoSteps.size(), 1u);

    CPointSegmentArray runs;
    runs.m_segments.emplace_back();
    CPointSegmentArray runsCopy(runs);
    runsCopy.m_segments.front().m_points.emplace_back(1, 1);
    EXPECT_EQ(runs.m_segments.front().GetPointCount(), 0);
    EXPECT_EQ(runs.m_segments.front().GetDirection(), 1);

    CQXObjectFactory factory;
    CQXObjectFactory factoryCopy(factory);
    factoryCopy.m_registries[5]["CQXObjectText"] = RUNTIME_CLASS(CQXObjectText);
    EXPECT_TRUE(factory.m_registries[5].empty());

    CPolygonCreatorObject creator;
    EXPECT_EQ(creator.m_pLine, nullptr);
    EXPECT_EQ(creator.m_dStart, -1.0);
    EXPECT_EQ(creator.m_first.x, 3.4028234663852886e+38);
}

}  // namespace
