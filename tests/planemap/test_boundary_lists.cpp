// The distribution boundary lists: oil-water and region boundaries and zones (standard fills kept
// with the line layer), sand bodies (standard pens and fills by body number), scattered-attribute
// boundaries, areas and virtual wells (the scattered-type catalogue, absent or present) and
// well-net lines and areas.
#include <gtest/gtest.h>

#include <vector>

#include "PlaneListFixture.h"
#include "framework/ItemGroupsFill.h"
#include "hostlibs/Moraine/MoraineTesting.h"
#include "hostlibs/Osprey/WellDataTesting.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "hosttypes/Parsnip/QXObjectPoint.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "planemap/PropListOilWaterFill.h"
#include "planemap/PropListOilWaterLine.h"
#include "planemap/PropListRegionFill.h"
#include "planemap/PropListRegionLine.h"
#include "planemap/PropListSandFill.h"
#include "planemap/PropListSandLine.h"
#include "planemap/PropListScatteredAppendControlPoint.h"
#include "planemap/PropListScatteredFill.h"
#include "planemap/PropListScatteredLine.h"
#include "planemap/PropListWellNetFill.h"
#include "planemap/PropListWellNetLine.h"
#include "planemap/ZoneList.h"

namespace {

using planetest::AddLine;
using planetest::BrushOf;
using planetest::MakePen;
using planetest::PenOf;
using planetest::PointOf;

using parsnip::MapFixture;
using parsnip::testing::ClearCallLog;
using parsnip::testing::CountCalls;

QXLOGBRUSH MakeBrush(UINT style, COLORREF fill, COLORREF line) {
    QXLOGBRUSH brush;
    brush.style = style;
    brush.fillColor = fill;
    brush.lineColor = line;
    brush.size = 250;
    return brush;
}

CQXObjectFill* AddArea(MapFixture& map, const char* typeName, CQXLayer* layer = nullptr) {
    return map.AddFill(typeName, {{0, 0}, {2, 0}, {2, 3}, {0, 3}}, layer);
}

std::vector<std::string> Options(CBCGPProp* item) {
    std::vector<std::string> options;
    for (int i = 0; i < item->GetOptionCount(); ++i) options.emplace_back(item->GetOption(i));
    return options;
}

// An oil-water distribution: the zone layer "沙二1油水", its line layer "沙二1油水边界线" with
// two types and the standard fill of "油区".
struct Distribution {
    CQXLayer* zones;
    CQXLayer* lines;
    explicit Distribution(MapFixture& map) {
        zones = map.AddLayer("沙二1油水");
        lines = map.AddLayer("沙二1油水边界线", "油水边界");
        moraine::testing::SetDistributionTypes(lines, {"油区", "水区"});
        QXLOGBRUSH oil = MakeBrush(1001, RGB(200, 0, 0), RGB(1, 2, 3));
        lines->GetPropertyManager()->SetBrushProperty("LOGBRUSH_油区", &oil);
    }
};

}  // namespace

// ---- oil-water and region boundaries and zones ----------------------------------------------------

TEST(OilWaterBoundaryList, PenEditsKeepEachBoundarysOwnPenAndReachOnlyItsTypeName) {
    MapFixture map;
    CQXObjectPolyline* a = AddLine(map, "油水边界线", MakePen(3, RGB(1, 1, 1), 50));
    CQXObjectPolyline* b = AddLine(map, "油水边界线", MakePen(7, RGB(2, 2, 2), 120));
    CQXObjectPolyline* other = AddLine(map, "区域边界线", MakePen(1, RGB(3, 3, 3), 10));
    a->SetName("油水过渡带");
    planetest::OpenList<CPropListOWLine> open(map, {a, b, other});
    EXPECT_EQ("油水边界线", open.Value(CPropListOWLine::kTypeId));
    EXPECT_EQ("油水过渡带", open.Value(CPropListOWLine::kDistributionTypeId));
    EXPECT_EQ("0.50", open.Value(boundarypen::kWidthId));

    ASSERT_TRUE(open.Color(boundarypen::kColorId, RGB(0, 200, 0)));
    EXPECT_EQ(RGB(0, 200, 0), PenOf(a).color);
    EXPECT_EQ(RGB(0, 200, 0), PenOf(b).color);
    EXPECT_EQ(7u, PenOf(b).style);
    EXPECT_FLOAT_EQ(120.0f, PenOf(b).width);
    EXPECT_EQ(RGB(3, 3, 3), PenOf(other).color);

    for (const char* ignored : {"0", "-1", "abc", "1e39"}) open.Type(boundarypen::kWidthId, ignored);
    EXPECT_FLOAT_EQ(50.0f, PenOf(a).width);
    EXPECT_FLOAT_EQ(120.0f, PenOf(b).width);
    ASSERT_TRUE(open.Type(boundarypen::kWidthId, "2"));
    EXPECT_FLOAT_EQ(200.0f, PenOf(b).width);
    EXPECT_EQ(7u, PenOf(b).style);

    const UINT first = GetFirstFillStyleID("岩性填充");
    ASSERT_NE(0u, first);
    ASSERT_TRUE(open.Pick(kPlaneFillStyleSetId, "岩性填充"));
    EXPECT_EQ(first, BrushOf(a).style);
    EXPECT_EQ(first, BrushOf(b).style);
    EXPECT_NE(first, BrushOf(other).style);
}

TEST(RegionBoundaryList, EditsChangeOnlyTheShownBoundary) {
    MapFixture map;
    CQXObjectPolyline* a = AddLine(map, "区域边界线", MakePen(3, RGB(1, 1, 1), 50));
    CQXObjectPolyline* b = AddLine(map, "区域边界线", MakePen(3, RGB(2, 2, 2), 50));
    planetest::OpenList<CPropListRegionLine> open(map, {a, b});
    ASSERT_TRUE(open.Color(boundarypen::kColorId, RGB(0, 0, 200)));
    EXPECT_EQ(RGB(0, 0, 200), PenOf(a).color);
    EXPECT_EQ(RGB(2, 2, 2), PenOf(b).color);
    open.Type(boundarypen::kWidthId, "-3");
    EXPECT_FLOAT_EQ(50.0f, PenOf(a).width);
    ASSERT_TRUE(open.Type(boundarypen::kWidthId, "1.5"));
    EXPECT_FLOAT_EQ(150.0f, PenOf(a).width);
}

TEST(OilWaterZoneList, OffersTheDistributionsTypesAndTakesTheirStandardFills) {
    MapFixture map;
    Distribution distribution(map);
    CQXObjectFill* zone = AddArea(map, "油水填充", distribution.zones);
    planetest::OpenList<CPropListOWFill> open(map, {zone});
    EXPECT_EQ("油水填充", open.Value(zonelist::kTypeId));
    EXPECT_EQ((std::vector<std::string>{"油区", "水区"}), Options(open.Item(zonelist::kZoneTypeId)));

    ASSERT_TRUE(open.Pick(zonelist::kZoneTypeId, "油区"));
    EXPECT_EQ("油区", zone->GetName());
    EXPECT_EQ(RGB(200, 0, 0), BrushOf(zone).fillColor);
    EXPECT_EQ(1001u, BrushOf(zone).style);

    // A type without a stored fill gives the default fill.
    ASSERT_TRUE(open.Pick(zonelist::kZoneTypeId, "水区"));
    EXPECT_EQ("水区", zone->GetName());
    EXPECT_EQ(0u, BrushOf(zone).style);

    moraine::testing::SetDistributionTypes(distribution.lines, {"油区", "油水同层", "水区"});
    osprey::testing::TouchWellData();  // something makes the list read again
    open.Show(zone);
    EXPECT_EQ((std::vector<std::string>{"油区", "油水同层", "水区"}), Options(open.Item(zonelist::kZoneTypeId)));
}

TEST(RegionZoneList, WithoutALineLayerOffersNothingAndOnlyRenames) {
    MapFixture map;
    CQXObjectFill* zone = AddArea(map, "区域填充", map.AddLayer("无边界"));
    QXLOGBRUSH own = MakeBrush(1002, RGB(9, 9, 9), 0);
    zone->SetLogBrush(&own);
    planetest::OpenList<CPropListRegionFill> open(map, {zone});
    EXPECT_EQ(0, open.Item(zonelist::kZoneTypeId)->GetOptionCount());
    open.Report(zonelist::kZoneTypeId, "一区");
    EXPECT_EQ("一区", zone->GetName());
    EXPECT_EQ(RGB(9, 9, 9), BrushOf(zone).fillColor);

    // A zone outside any layer has no line layer either.
    CQXObjectFill loose;
    loose.SetTypeName("区域填充");
    open.Show(&loose);
    EXPECT_EQ(0, open.Item(zonelist::kZoneTypeId)->GetOptionCount());
}

TEST(RegionZoneList, OffersTheRegionTypesOfItsLineLayer) {
    MapFixture map;
    CQXLayer* zones = map.AddLayer("分区");
    CQXLayer* lines = map.AddLayer("分区边界线");
    moraine::testing::SetDistributionTypes(lines, {"一区", "二区"});
    QXLOGBRUSH second = MakeBrush(1003, RGB(0, 0, 90), 0);
    lines->GetPropertyManager()->SetBrushProperty("LOGBRUSH_二区", &second);
    CQXObjectFill* zone = AddArea(map, "区域填充", zones);
    planetest::OpenList<CPropListRegionFill> open(map, {zone});
    EXPECT_EQ((std::vector<std::string>{"一区", "二区"}), Options(open.Item(zonelist::kZoneTypeId)));
    ASSERT_TRUE(open.Pick(zonelist::kZoneTypeId, "二区"));
    EXPECT_EQ(RGB(0, 0, 90), BrushOf(zone).fillColor);
}

// ---- sand bodies ------------------------------------------------------------------------------------

TEST(SandLists, BodyNumbersRunUpToTheFirstMissingFill) {
    MapFixture map;
    CQXLayer* layer = map.Layer();
    QXLOGBRUSH brush;
    for (const char* key : {"LOGBRUSH_1", "LOGBRUSH_2", "LOGBRUSH_4"})
        layer->GetPropertyManager()->SetBrushProperty(key, &brush);
    CQXObjectFill* area = AddArea(map, "砂体填充");
    CQXObjectPolyline* line = AddLine(map, "有效实线边界", QXLOGPEN());
    planetest::OpenList<CPropListSandFill> fills(map, {area});
    EXPECT_EQ((std::vector<std::string>{"1", "2"}), Options(fills.Item(CPropListSandFill::kBodyNumberId)));

    map.ClearSelection();
    planetest::OpenList<CPropListSandLine> lines(map, {line});
    EXPECT_EQ((std::vector<std::string>{"1", "2"}), Options(lines.Item(CPropListSandLine::kBodyNumberId)));
    EXPECT_EQ("有效砂体线", lines.Value(CPropListSandLine::kTypeId));
    EXPECT_EQ("有效实线边界", lines.Value(CPropListSandLine::kLineClassId));

    MapFixture bare;
    CQXObjectFill* lone = AddArea(bare, "砂体填充");
    fills.ShowSelected(bare, {lone});
    EXPECT_EQ(0, fills.Item(CPropListSandFill::kBodyNumberId)->GetOptionCount());
}

TEST(SandLineList, ABodyNumberTakesTheStandardPenOfTheLineClass) {
    MapFixture map;
    CQXLayer* layer = map.Layer();
    QXLOGBRUSH brush;
    for (const char* key : {"LOGBRUSH_1", "LOGBRUSH_2"}) layer->GetPropertyManager()->SetBrushProperty(key, &brush);
    QXLOGPEN dashedValid = MakePen(12, RGB(0, 90, 0), 80);
    QXLOGPEN solid = MakePen(2, RGB(90, 0, 0), 40);
    layer->GetPropertyManager()->SetPenProperty("DOTVALIDLOGPEN_2", &dashedValid);
    layer->GetPropertyManager()->SetPenProperty("LOGPEN_2", &solid);
    CQXObjectPolyline* line = AddLine(map, "有效虚线边界", MakePen(1, RGB(5, 5, 5), 10));
    CQXObjectPolyline* sibling = AddLine(map, "有效虚线边界", MakePen(1, RGB(5, 5, 5), 10));
    planetest::OpenList<CPropListSandLine> open(map, {line, sibling});
    EXPECT_EQ("有效砂体线", open.Value(CPropListSandLine::kTypeId));
    ASSERT_TRUE(open.Pick(CPropListSandLine::kBodyNumberId, "2"));
    EXPECT_EQ("2", line->GetName());
    EXPECT_EQ(12u, PenOf(line).style);
    EXPECT_EQ(RGB(0, 90, 0), PenOf(line).color);
    EXPECT_EQ(RGB(5, 5, 5), PenOf(sibling).color);  // the shown line only

    // A body without a stored pen for the class keeps the pen.
    ASSERT_TRUE(open.Pick(CPropListSandLine::kBodyNumberId, "1"));
    EXPECT_EQ("1", line->GetName());
    EXPECT_EQ(12u, PenOf(line).style);
    ASSERT_TRUE(open.Type(boundarypen::kWidthId, "0.8"));
    EXPECT_FLOAT_EQ(80.0f, PenOf(line).width);
    open.Type(boundarypen::kWidthId, "0");
    EXPECT_FLOAT_EQ(80.0f, PenOf(line).width);

    CQXObjectPolyline* body = AddLine(map, "砂体实线边界", QXLOGPEN());
    open.ShowAlone(map, body);
    EXPECT_EQ("砂体线", open.Value(CPropListSandLine::kTypeId));
    ASSERT_TRUE(open.Pick(CPropListSandLine::kBodyNumberId, "2"));
    EXPECT_EQ(RGB(90, 0, 0), PenOf(body).color);
    EXPECT_FLOAT_EQ(40.0f, PenOf(body).width);
}

TEST(SandFillList, ABodyNumberCopiesOnlyTheFillColourOfAStoredFill) {
    MapFixture map;
    CQXLayer* layer = map.Layer();
    for (int i = 1; i <= 3; ++i) {
        QXLOGBRUSH stored = MakeBrush(1005, RGB(0, 0, 10 * i), RGB(70, 70, 70));
        layer->GetPropertyManager()->SetBrushProperty(("LOGBRUSH_" + std::to_string(i)).c_str(), &stored);
    }
    CQXObjectFill* body = AddArea(map, "砂体填充");
    CQXObjectFill* valid = AddArea(map, "有效区域");
    CQXObjectFill* other = AddArea(map, "砂体填充");
    for (CQXObjectFill* area : {body, valid, other}) {
        QXLOGBRUSH own = MakeBrush(1001, RGB(200, 200, 0), RGB(1, 1, 1));
        area->SetLogBrush(&own);
    }
    planetest::OpenList<CPropListSandFill> open(map, {body, other});
    ASSERT_TRUE(open.Pick(CPropListSandFill::kBodyNumberId, "3"));
    EXPECT_EQ("3", body->GetName());
    EXPECT_EQ(RGB(0, 0, 30), BrushOf(body).fillColor);
    EXPECT_EQ(1001u, BrushOf(body).style);
    EXPECT_EQ(RGB(1, 1, 1), BrushOf(body).lineColor);
    EXPECT_FLOAT_EQ(250.0f, BrushOf(body).size);
    EXPECT_EQ(RGB(200, 200, 0), BrushOf(other).fillColor);

    // An effective area whose body has no stored fill keeps its colour rather than turning black.
    QXLOGBRUSH validTwo = MakeBrush(1005, RGB(0, 60, 0), 0);
    layer->GetPropertyManager()->SetBrushProperty("VALIDLOGBRUSH_2", &validTwo);
    open.ShowAlone(map, valid);
    ASSERT_TRUE(open.Pick(CPropListSandFill::kBodyNumberId, "1"));
    EXPECT_EQ("1", valid->GetName());
    EXPECT_EQ(RGB(200, 200, 0), BrushOf(valid).fillColor);
    ASSERT_TRUE(open.Pick(CPropListSandFill::kBodyNumberId, "2"));
    EXPECT_EQ(RGB(0, 60, 0), BrushOf(valid).fillColor);
}

// ---- scattered attributes ------------------------------------------------------------------------------

TEST(ScatteredFillList, ACodeGivesTheTypesNameFillAndCode) {
    MapFixture map;
    const QXLOGBRUSH two = MakeBrush(1001, RGB(0, 128, 0), 0);
    osprey::testing::SetScatteredTypes({osprey::testing::MakeScatteredType("1", "一类储层", QXLOGBRUSH()),
                                        osprey::testing::MakeScatteredType("2", "二类储层", two)});
    CQXObjectFill* area = AddArea(map, "离散属性填充");
    area->SetName("3");
    planetest::OpenList<CPropListScatteredFill> open(map, {area});
    EXPECT_EQ((std::vector<std::string>{"1", "2"}), Options(open.Item(CPropListScatteredFill::kCodeId)));
    EXPECT_EQ("3", open.Value(CPropListScatteredFill::kCodeId));  // no code kept: the name stands for it
    EXPECT_EQ("6.00", open.Value(CPropListScatteredFill::kAreaId));

    ClearCallLog();
    ASSERT_TRUE(open.Pick(CPropListScatteredFill::kCodeId, "2"));
    EXPECT_EQ("二类储层", area->GetName());
    EXPECT_EQ(RGB(0, 128, 0), BrushOf(area).fillColor);
    CString code;
    area->GetPropertyManager()->GetStringProperty("数据库代码", code);
    EXPECT_EQ("2", code);
    EXPECT_EQ(1, CountCalls("CQXObject::OnChanged", area));
    open.Show(area);
    EXPECT_EQ("2", open.Value(CPropListScatteredFill::kCodeId));

    const int redraws = open.Redraws();
    ASSERT_TRUE(open.Type(CPropListScatteredFill::kCodeId, "9"));  // not in the catalogue: refused
    EXPECT_EQ("二类储层", area->GetName());
    EXPECT_EQ(redraws, open.Redraws());
    EXPECT_EQ("2", open.Value(CPropListScatteredFill::kCodeId));

    map.Select(AddArea(map, "离散属性填充"));
    open.Show(area);
    EXPECT_EQ("", open.Value(CPropListScatteredFill::kCodeId));
    EXPECT_FALSE(open.Enabled(CPropListScatteredFill::kCodeId));
    EXPECT_EQ("", open.Value(CPropListScatteredFill::kAreaId));
}

TEST(ScatteredLineList, ACodeRenamesTheLinesOfTheTypeNameAndIsOneLinesOwn) {
    MapFixture map;
    CQXObjectPolyline* a = AddLine(map, "离散属性边界线", QXLOGPEN());
    CQXObjectPolyline* b = AddLine(map, "离散属性边界线", QXLOGPEN());
    CQXObjectPolyline* other = AddLine(map, "断层", QXLOGPEN());
    a->SetName("1");
    planetest::OpenList<CPropListScatteredLine> open(map, {a});
    EXPECT_EQ("1", open.Value(CPropListScatteredLine::kCodeId));
    EXPECT_TRUE(open.Enabled(CPropListScatteredLine::kCodeId));
    EXPECT_EQ((std::vector<std::string>{"1", "2", "3"}), Options(open.Item(CPropListScatteredLine::kCodeId)));

    map.Select({b, other});
    open.Show(a);
    EXPECT_EQ("", open.Value(CPropListScatteredLine::kCodeId));
    EXPECT_FALSE(open.Enabled(CPropListScatteredLine::kCodeId));

    map.ClearSelection();
    open.ShowSelected(map, {a, b, other});
    ClearCallLog();
    open.Report(CPropListScatteredLine::kCodeId, "3");
    EXPECT_EQ("3", a->GetName());
    EXPECT_EQ("3", b->GetName());
    EXPECT_EQ("", other->GetName());
    EXPECT_EQ(1, CountCalls("CQXObject::OnChanged", b));
    EXPECT_EQ(0, CountCalls("CQXObject::OnChanged", other));
}

TEST(ScatteredLists, WithoutACatalogueOfferNoCodesAndChangeNothing) {
    MapFixture map;
    osprey::testing::RemoveScatteredTypeManager();
    CQXObjectPolyline* line = AddLine(map, "离散属性边界线", QXLOGPEN());
    CQXObjectFill* area = AddArea(map, "离散属性填充");
    CQXObjectPoint* well = map.AddPoint("虚拟井", {1, 1});
    area->SetName("原名");
    planetest::OpenList<CPropListScatteredLine> lines(map, {line});
    EXPECT_EQ(0, lines.Item(CPropListScatteredLine::kCodeId)->GetOptionCount());

    map.ClearSelection();
    planetest::OpenList<CPropListScatteredFill> areas(map, {area});
    EXPECT_EQ(0, areas.Item(CPropListScatteredFill::kCodeId)->GetOptionCount());
    ASSERT_TRUE(areas.Type(CPropListScatteredFill::kCodeId, "1"));
    EXPECT_EQ("原名", area->GetName());
    EXPECT_FALSE(area->GetPropertyManager()->HasProperty("数据库代码"));

    map.ClearSelection();
    planetest::OpenList<CPropListScatteredAppendControlPoint> wells(map, {well});
    EXPECT_EQ(0, wells.Item(CPropListScatteredAppendControlPoint::kCodeId)->GetOptionCount());
}

TEST(ScatteredControlPointList, SymbolsReachEverySelectedPointAndCodesAreAnnounced) {
    MapFixture map;
    CQXObjectPoint* well = map.AddPoint("虚拟井", {1, 1});
    CQXObjectPoint* twin = map.AddPoint("虚拟井", {2, 1});
    CQXObjectPoint* stranger = map.AddPoint("井位", {3, 1});
    QXLOGPOINT symbol;
    symbol.size = 300;
    well->SetLogPoint(&symbol);
    planetest::OpenList<CPropListScatteredAppendControlPoint> open(map, {well, stranger});
    EXPECT_EQ("3.00", open.Value(CPropListScatteredAppendControlPoint::kSizeId));
    EXPECT_EQ("", open.Value(CPropListScatteredAppendControlPoint::kCodeId));
    EXPECT_FALSE(open.Enabled(CPropListScatteredAppendControlPoint::kCodeId));

    ASSERT_TRUE(open.Color(CPropListScatteredAppendControlPoint::kBorderColorId, RGB(10, 20, 30)));
    EXPECT_EQ(RGB(10, 20, 30), PointOf(well).borderColor);
    EXPECT_EQ(RGB(10, 20, 30), PointOf(stranger).borderColor);
    EXPECT_FLOAT_EQ(300.0f, PointOf(stranger).size);  // the shown point's whole symbol

    for (const char* ignored : {"0", "-2", "x"}) open.Type(CPropListScatteredAppendControlPoint::kSizeId, ignored);
    EXPECT_FLOAT_EQ(300.0f, PointOf(well).size);
    ASSERT_TRUE(open.Type(CPropListScatteredAppendControlPoint::kSizeId, "1.5"));
    EXPECT_FLOAT_EQ(150.0f, PointOf(well).size);

    map.Select(twin);
    open.Show(well);
    parsnip::testing::ClearNotifications();
    open.Report(CPropListScatteredAppendControlPoint::kCodeId, "2");
    EXPECT_EQ("2", well->GetName());
    EXPECT_EQ("2", twin->GetName());
    EXPECT_EQ("", stranger->GetName());
    const auto& sent = parsnip::testing::Notifications();
    ASSERT_EQ(1u, sent.size());
    EXPECT_EQ(2u, sent[0].code);
    EXPECT_EQ(well, sent[0].object);
    EXPECT_EQ(map.Layer(), sent[0].layer);
    EXPECT_EQ(map.Map(), sent[0].map);
    EXPECT_EQ(map.MapFile(), sent[0].mapFile);
}

TEST(ScatteredControlPointList, APointOutsideAnyMapIsRenamedWithoutAnnouncement) {
    CQXObjectPoint loose;
    loose.SetTypeName("虚拟井");
    planetest::OpenList<CPropListScatteredAppendControlPoint> open(&loose);
    open.Report(CPropListScatteredAppendControlPoint::kCodeId, "1");
    EXPECT_TRUE(parsnip::testing::Notifications().empty());
}

// ---- well nets ---------------------------------------------------------------------------------------------

TEST(WellNetLineList, PenEditsGiveEveryLineOfTheTypeNameTheShownPen) {
    MapFixture map;
    CQXObjectPolyline* a = AddLine(map, "连通井网线", MakePen(4, RGB(1, 0, 0), 30));
    CQXObjectPolyline* b = AddLine(map, "连通井网线", MakePen(9, RGB(0, 1, 0), 70));
    CQXObjectPolyline* other = AddLine(map, "井网", MakePen(9, RGB(0, 1, 0), 70));
    planetest::OpenList<CPropListWellNetLine> open(map, {a, b, other});
    EXPECT_EQ("连通井网线", open.Value(CPropListWellNetLine::kTypeId));
    EXPECT_EQ("0.30", open.Value(CPropListWellNetLine::kPenWidthId));

    ASSERT_TRUE(open.Type(CPropListWellNetLine::kPenWidthId, "1.2"));
    EXPECT_FLOAT_EQ(120.0f, PenOf(b).width);
    EXPECT_EQ(4u, PenOf(b).style);
    EXPECT_EQ(RGB(1, 0, 0), PenOf(b).color);
    EXPECT_FLOAT_EQ(70.0f, PenOf(other).width);

    ASSERT_TRUE(open.Type(CPropListWellNetLine::kPenWidthId, "abc"));  // not checked: no number is 0
    EXPECT_FLOAT_EQ(0.0f, PenOf(a).width);
    ASSERT_TRUE(open.Type(CPropListWellNetLine::kPenWidthId, "1.1"));
    open.Type(CPropListWellNetLine::kPenWidthId, "1e39");  // beyond the pen record: nothing written
    open.Type(CPropListWellNetLine::kPenWidthId, "-0.3");
    EXPECT_FLOAT_EQ(110.0f, PenOf(a).width);
    EXPECT_EQ("1.1", open.Value(CPropListWellNetLine::kPenWidthId));
}

TEST(WellNetFillList, FillColourReachesEveryWellNetArea) {
    MapFixture map;
    CQXObjectFill* a = AddArea(map, "连通井网区");
    CQXObjectFill* b = AddArea(map, "连通井网区");
    CQXObjectFill* other = AddArea(map, "填充");
    planetest::OpenList<CPropListWellNetFill> open(map, {a, b, other});
    ASSERT_TRUE(open.Color(CPropListWellNetFill::kFillColorId, RGB(0, 0, 255)));
    EXPECT_EQ(RGB(0, 0, 255), BrushOf(b).fillColor);
    EXPECT_EQ(0u, BrushOf(other).fillColor);
    ASSERT_TRUE(
        open.grid().ChooseAutomatic(dynamic_cast<CBCGPColorProp*>(open.Item(CPropListWellNetFill::kFillColorId))));
    EXPECT_EQ(static_cast<COLORREF>(-1), BrushOf(a).fillColor);
}
