// The stratum-map pages and the lists of its boundary lines: which lines and fills an edit reaches,
// what a switch greys, and the direction of pinch-out lines.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "CodeReport.h"
#include "framework/PropStyleCombox.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Moraine/StratumMapLayer.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "hosttypes/Parsnip/QXPropertyManager.h"
#include "planemap/layers/PropListStratumMapLayerData.h"
#include "planemap/layers/PropListStratumMapLayerFill.h"
#include "planemap/layers/PropListStratumMapLayerLine.h"
#include "planemap/layers/PropListStratumMapLines.h"

namespace {

using parsnip::MapFixture;
using parsnip::testing::CountCalls;
using planetest::BrushOf;
using planetest::MakePen;
using planetest::OpenList;
using planetest::PenOf;
using Line = CPropListStratumMapLayerLine;
using Fill = CPropListStratumMapLayerFill;

const std::vector<FLOATPOINT> kPath{FLOATPOINT(0, 0), FLOATPOINT(10, 5), FLOATPOINT(20, 0)};

QXLOGPEN LayerPen(CQXLayer* layer, const char* key) {
    QXLOGPEN pen;
    layer->GetPropertyManager()->GetPenProperty(key, &pen);
    return pen;
}

bool SamePen(const QXLOGPEN& a, const QXLOGPEN& b) {
    return a.style == b.style && a.color == b.color && a.width == b.width;
}

// A stratum map with its three pens stored and a few lines of each kind.
struct StratumMap {
    MapFixture map;
    CQXLayer* layer = map.AddLayer("小层1", "小层平面图");
    const QXLOGPEN pinchPen = MakePen(2, RGB(1, 2, 3), 50);
    const QXLOGPEN thickPen = MakePen(3, RGB(4, 5, 6), 70);
    const QXLOGPEN borderPen = MakePen(4, RGB(7, 8, 9), 90);

    StratumMap() {
        layer->GetPropertyManager()->SetPenProperty("PINCHOUTLINE_PEN", &pinchPen);
        layer->GetPropertyManager()->SetPenProperty("VALIDTHICKLINE_PEN", &thickPen);
        layer->GetPropertyManager()->SetPenProperty("OILWATERBORDERLINE_PEN", &borderPen);
    }
    CQXObjectPolyline* Line(const char* type, const QXLOGPEN& pen) {
        CQXObjectPolyline* line = map.AddPolyline(type, kPath, layer);
        QXLOGPEN own = pen;
        line->SetLogPen(&own);
        return line;
    }
    CQXObjectFill* Area(const char* type) {
        return map.AddFill(type, {FLOATPOINT(0, 0), FLOATPOINT(5, 0), FLOATPOINT(5, 5)}, layer);
    }
};

int DirectionOf(CQXObject* line) {
    int direction = 1;
    line->GetPropertyManager()->GetBoolProperty("PINCHOUT_DIRECTION", direction);
    return direction;
}

// ---- line page -----------------------------------------------------------------------------------------

TEST(StratumMapLinePage, HidingAKindHidesEveryLineOfItAndGreysOnlyItsGroup) {
    StratumMap world;
    CQXObjectPolyline* selected = world.Line("砂岩尖灭线", world.pinchPen);
    CQXObjectPolyline* unselected = world.Line("砂岩尖灭线", world.pinchPen);
    CQXObjectPolyline* thick = world.Line("有效厚度零线", world.thickPen);
    CQXObjectFill* notALine = world.Area("砂岩尖灭线");
    world.map.Select(selected);
    OpenList<Line> page(world.layer);
    EXPECT_EQ("是", page.Value(Line::kPinchOutShowId));
    EXPECT_EQ("0.50", page.Value(Line::kPinchOutWidthId));

    ASSERT_TRUE(page.Pick(Line::kPinchOutShowId, "否"));
    EXPECT_EQ(0, selected->GetVisible());
    EXPECT_EQ(0, unselected->GetVisible());
    EXPECT_EQ(1, thick->GetVisible());
    EXPECT_EQ(1, notALine->GetVisible());
    for (DWORD_PTR id : {Line::kPinchOutStyleId, Line::kPinchOutWidthId, Line::kPinchOutColorId})
        EXPECT_FALSE(page.Enabled(id)) << id;
    EXPECT_TRUE(page.Enabled(Line::kPinchOutShowId));
    EXPECT_TRUE(page.Enabled(Line::kValidThickWidthId));
    EXPECT_TRUE(SamePen(world.pinchPen, PenOf(selected)));
    EXPECT_TRUE(SamePen(world.pinchPen, LayerPen(world.layer, "PINCHOUTLINE_PEN")));
    EXPECT_TRUE(SamePen(world.thickPen, LayerPen(world.layer, "VALIDTHICKLINE_PEN")));

    // Any text but "是" reported from code hides the kind: taken as "否", which the item shows.
    const int redraws = page.Redraws();
    page.Report(Line::kValidThickShowId, "");
    EXPECT_EQ(0, thick->GetVisible());
    EXPECT_EQ("否", page.Value(Line::kValidThickShowId));
    EXPECT_FALSE(page.Enabled(Line::kValidThickWidthId));
    EXPECT_EQ(redraws + 1, page.Redraws());
}

TEST(StratumMapLinePage, AWidthReachesTheLayerPenAndEveryLineOfTheKindOnly) {
    StratumMap world;
    CQXObjectPolyline* a = world.Line("砂岩尖灭线", world.pinchPen);
    CQXObjectPolyline* b = world.Line("砂岩尖灭线", MakePen(9, RGB(9, 9, 9), 10));
    CQXObjectPolyline* border = world.Line("油水边界线", world.borderPen);
    OpenList<Line> page(world.layer);

    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.Type(Line::kPinchOutWidthId, "0.6"));
    EXPECT_FLOAT_EQ(60.0f, LayerPen(world.layer, "PINCHOUTLINE_PEN").width);
    EXPECT_FLOAT_EQ(60.0f, PenOf(a).width);
    EXPECT_FLOAT_EQ(60.0f, PenOf(b).width);
    EXPECT_EQ(9u, PenOf(b).style);  // each line keeps the rest of its own pen
    EXPECT_EQ(1, CountCalls("CQXObject::OnChanged", a));
    EXPECT_TRUE(SamePen(world.borderPen, PenOf(border)));

    for (const char* refused : {"-1", "abc"}) {
        ASSERT_TRUE(page.Type(Line::kPinchOutWidthId, refused));
        EXPECT_FLOAT_EQ(60.0f, PenOf(a).width) << refused;
        EXPECT_FLOAT_EQ(60.0f, LayerPen(world.layer, "PINCHOUTLINE_PEN").width) << refused;
        EXPECT_EQ("0.60", page.Value(Line::kPinchOutWidthId)) << refused;  // the stored width, as shown
    }
    ASSERT_TRUE(page.Type(Line::kPinchOutWidthId, "0"));
    EXPECT_FLOAT_EQ(0.0f, PenOf(a).width);
    ASSERT_TRUE(page.Type(Line::kPinchOutWidthId, "-0"));  // zero, shown and stored unsigned
    EXPECT_EQ("0.00", page.Value(Line::kPinchOutWidthId));
    EXPECT_FALSE(std::signbit(LayerPen(world.layer, "PINCHOUTLINE_PEN").width));
}

// A width the width rule refuses, in any of the three groups, writes no pen at all: no layer
// attribute is added or changed and no line is touched.
TEST(StratumMapLinePage, ARefusedWidthWritesNoPenIntoTheLayerAttributes) {
    MapFixture map;
    CQXLayer* layer = map.AddLayer("小层1", "小层平面图");
    const QXLOGPEN pinch = MakePen(2, RGB(1, 2, 3), 50);
    layer->GetPropertyManager()->SetPenProperty("PINCHOUTLINE_PEN", &pinch);
    CQXObjectPolyline* line = map.AddPolyline("有效厚度零线", kPath, layer);
    const QXLOGPEN own = PenOf(line);
    OpenList<Line> page(layer);
    ASSERT_EQ(1, layer->GetPropertyManager()->GetPropertyCount());
    const int redraws = page.Redraws();

    struct Case {
        DWORD_PTR id;
        const char* shown;
    };
    for (const Case& c : {Case{Line::kPinchOutWidthId, "0.50"}, Case{Line::kValidThickWidthId, "0.00"},
                          Case{Line::kOilWaterWidthId, "0.00"}}) {
        for (const char* refused : {"1e400", "1e38", "-2e120"}) {
            ASSERT_TRUE(page.Type(c.id, refused));
            EXPECT_EQ(c.shown, page.Value(c.id)) << c.id << " " << refused;
        }
    }
    EXPECT_EQ(1, layer->GetPropertyManager()->GetPropertyCount());
    EXPECT_TRUE(SamePen(pinch, LayerPen(layer, "PINCHOUTLINE_PEN")));
    EXPECT_TRUE(SamePen(own, PenOf(line)));
    EXPECT_EQ(redraws, page.Redraws());
}

// ---- boundary-line lists --------------------------------------------------------------------------------

TEST(PinchOutLineList, PenEditsReachEverySelectedPolylineOfTheTypeAndNothingElse) {
    StratumMap world;
    CQXObjectPolyline* a = world.Line("砂岩尖灭线", world.pinchPen);
    CQXObjectPolyline* b = world.Line("砂岩尖灭线", world.pinchPen);
    CQXObjectPolyline* unselected = world.Line("砂岩尖灭线", world.pinchPen);
    CQXObjectFill* fill = world.Area("砂岩尖灭线");
    const QXLOGBRUSH fillBrush = BrushOf(fill);
    OpenList<CPropListPinchOutLine> list(world.map, {a, fill, b});
    EXPECT_EQ("0.50", list.Value(CPropListPinchOutLine::kWidthId));
    EXPECT_EQ("正向", list.Value(CPropListPinchOutLine::kDirectionId));

    ASSERT_TRUE(list.Color(CPropListPinchOutLine::kColorId, RGB(200, 0, 0)));
    EXPECT_EQ(RGB(200, 0, 0), PenOf(a).color);
    EXPECT_EQ(RGB(200, 0, 0), PenOf(b).color);
    EXPECT_EQ(RGB(1, 2, 3), PenOf(unselected).color);
    EXPECT_EQ(0, CountCalls("CQXObject::OnChanged", a));  // this list sends no change notice
    const QXLOGBRUSH after = BrushOf(fill);
    EXPECT_EQ(fillBrush.fillColor, after.fillColor);
    EXPECT_EQ(0, CountCalls("CQXObjectPolyline::ReverseDirection"));

    ASSERT_TRUE(list.Type(CPropListPinchOutLine::kWidthId, "-0.5"));
    EXPECT_FLOAT_EQ(50.0f, PenOf(a).width);
    EXPECT_EQ("0.50", list.Value(CPropListPinchOutLine::kWidthId));
}

TEST(PinchOutLineList, ADirectionReversesOnlyTheLinesRunningTheOtherWay) {
    StratumMap world;
    CQXObjectPolyline* forward = world.Line("砂岩尖灭线", world.pinchPen);
    CQXObjectPolyline* backward = world.Line("砂岩尖灭线", world.pinchPen);
    backward->GetPropertyManager()->SetBoolProperty("PINCHOUT_DIRECTION", 0);
    OpenList<CPropListPinchOutLine> list(world.map, {forward, backward});
    parsnip::testing::ClearNotifications();

    ASSERT_TRUE(list.Pick(CPropListPinchOutLine::kDirectionId, "反向"));
    EXPECT_EQ(1, CountCalls("CQXObjectPolyline::ReverseDirection", forward));
    EXPECT_EQ(0, CountCalls("CQXObjectPolyline::ReverseDirection", backward));
    EXPECT_EQ(0, DirectionOf(forward));
    EXPECT_EQ(0, DirectionOf(backward));
    const auto& sent = parsnip::testing::Notifications();
    ASSERT_EQ(1u, sent.size());
    EXPECT_EQ(forward, sent[0].object);
    EXPECT_EQ(world.layer, sent[0].layer);
    EXPECT_EQ(2u, sent[0].code);

    ASSERT_TRUE(list.Pick(CPropListPinchOutLine::kDirectionId, "反向"));  // already so: nothing
    EXPECT_EQ(1u, parsnip::testing::Notifications().size());
    // Any text but "正向" reported from code is the reverse direction, which the item shows.
    list.Report(CPropListPinchOutLine::kDirectionId, "");
    EXPECT_EQ("反向", list.Value(CPropListPinchOutLine::kDirectionId));
    EXPECT_EQ(1u, parsnip::testing::Notifications().size());
}

TEST(BoundaryLineLists, ValidThicknessAndOilWaterBorderWriteTheShownLineOnly) {
    StratumMap world;
    CQXObjectPolyline* shown = world.Line("有效厚度零线", world.thickPen);
    CQXObjectPolyline* other = world.Line("有效厚度零线", world.thickPen);
    OpenList<CPropListValidThickLine> thick(world.map, {shown, other});
    ASSERT_TRUE(thick.Color(CPropListValidThickLine::kColorId, RGB(0, 0, 200)));
    EXPECT_EQ(RGB(0, 0, 200), PenOf(shown).color);
    EXPECT_EQ(RGB(4, 5, 6), PenOf(other).color);
    EXPECT_EQ(1, CountCalls("CQXObject::OnChanged", shown));
    EXPECT_EQ(nullptr, thick.list().GetPropList().FindItemByData(2006, TRUE));  // no direction item

    CQXObjectPolyline* border = world.Line("油水边界线", world.borderPen);
    CQXObjectPolyline* border2 = world.Line("油水边界线", world.borderPen);
    world.map.ClearSelection(world.layer);
    OpenList<CPropListOilWaterBorderLine> list(world.map, {border, border2});
    EXPECT_EQ("0.90", list.Value(CPropListOilWaterBorderLine::kWidthId));
    ASSERT_TRUE(list.Pick(CPropListOilWaterBorderLine::kDirectionId, "反向"));
    EXPECT_EQ(1, CountCalls("CQXObjectPolyline::ReverseDirection", border));
    EXPECT_EQ(0, CountCalls("CQXObjectPolyline::ReverseDirection", border2));
}

// ---- data and fill pages --------------------------------------------------------------------------------

TEST(StratumMapDataPage, ShowsTheLinkedLayersReadOnlyAndRenamesTheLayer) {
    StratumMap world;
    kel::plane::CStratumMapLayer(world.layer).SetBoundaryName("边界1");
    OpenList<CPropListStratumMapLayerData> page(world.layer);
    EXPECT_EQ("小层1", page.Value(CPropListStratumMapLayerData::kLayerNameId));
    EXPECT_EQ("边界1", page.Value(CPropListStratumMapLayerData::kBoundLayerId));
    EXPECT_FALSE(page.Item(CPropListStratumMapLayerData::kBoundLayerId)->IsAllowEdit());
    const int redraws = page.Redraws();
    ASSERT_TRUE(page.Type(CPropListStratumMapLayerData::kLayerNameId, "小层2"));
    EXPECT_EQ("小层2", std::string(world.layer->GetName().GetString()));
    EXPECT_GT(page.Redraws(), redraws);
}

TEST(StratumMapFillPage, AStoreAreaColourReachesTheReservoirFillsAndNotifiesEach) {
    StratumMap world;
    CQXObjectFill* a = world.Area("储层面积");
    CQXObjectFill* b = world.Area("储层面积");
    CQXObjectFill* oil = world.Area("含油面积");
    CQXObjectFill* label = world.Area("储量面积");
    OpenList<Fill> page(world.layer);
    EXPECT_EQ("是", page.Value(Fill::kStoreShowId));

    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.Color(Fill::kStoreFillColorId, RGB(0, 120, 0)));
    EXPECT_EQ(RGB(0, 120, 0), BrushOf(a).fillColor);
    EXPECT_EQ(RGB(0, 120, 0), BrushOf(b).fillColor);
    EXPECT_NE(RGB(0, 120, 0), BrushOf(oil).fillColor);
    EXPECT_NE(RGB(0, 120, 0), BrushOf(label).fillColor);
    EXPECT_EQ(1, CountCalls("CQXObject::OnChanged", a));
    EXPECT_EQ(1, CountCalls("CQXObject::OnChanged", b));
    QXLOGBRUSH store;
    kel::plane::CStratumMapLayer(world.layer).GetStoreAreaBrush(store);
    EXPECT_EQ(RGB(0, 120, 0), store.fillColor);

    ASSERT_TRUE(page.Pick(Fill::kOilTransparentId, "是"));
    EXPECT_EQ(100u, static_cast<unsigned>(BrushOf(oil).backMode));
    ASSERT_TRUE(page.Pick(Fill::kOilTransparentId, "否"));
    EXPECT_EQ(13u, static_cast<unsigned>(BrushOf(oil).backMode));
    ASSERT_TRUE(page.Type(Fill::kOilCellSizeId, "-2"));
    EXPECT_NE(-200.0f, BrushOf(oil).size);
}

TEST(StratumMapFillPage, HidingTheBeltsHidesBothKindsAndGreysTheirColours) {
    StratumMap world;
    CQXObjectFill* oilBelt = world.Area("含油带");
    CQXObjectFill* waterBelt = world.Area("含水带");
    OpenList<Fill> page(world.layer);
    ASSERT_TRUE(page.Pick(Fill::kBeltShowId, "否"));
    EXPECT_EQ(0, oilBelt->GetVisible());
    EXPECT_EQ(0, waterBelt->GetVisible());
    EXPECT_FALSE(page.Enabled(Fill::kOilBeltColorId));
    EXPECT_FALSE(page.Enabled(Fill::kWaterBeltColorId));
    ASSERT_TRUE(page.Pick(Fill::kBeltShowId, "是"));
    EXPECT_EQ(1, oilBelt->GetVisible());
    EXPECT_TRUE(page.Enabled(Fill::kOilBeltColorId));
}

// The four brushes of the layer as its wrapper reads them, each as "style/fill/line/size/back".
std::vector<std::string> LayerBrushes(CQXLayer* layer) {
    kel::plane::CStratumMapLayer wrapper(layer);
    QXLOGBRUSH brushes[4];
    wrapper.GetStoreAreaBrush(brushes[0]);
    wrapper.GetOilAreaBrush(brushes[1]);
    wrapper.GetOilRegionBrush(brushes[2]);
    wrapper.GetWaterRegionBrush(brushes[3]);
    std::vector<std::string> texts;
    for (const QXLOGBRUSH& b : brushes)
        texts.push_back(std::to_string(b.style) + "/" + std::to_string(b.fillColor) + "/" +
                        std::to_string(b.lineColor) + "/" + std::to_string(b.size) + "/" + std::to_string(b.backMode));
    return texts;
}

// A style set picked narrows the styles offered and changes no brush, yet the page takes it as
// every edit: the four brushes are written back unchanged, in their order, and the view is
// redrawn. A refused cell size then leaves the set shown and offered; an empty set reported from
// code names no set and is refused.
TEST(StratumMapFillPage, AStyleSetWritesTheFourBrushesBackUnchangedAndAnEmptyOneIsRefused) {
    StratumMap world;
    CQXObjectFill* oil = world.Area("含油面积");
    CQXObjectFill* store = world.Area("储层面积");
    OpenList<Fill> page(world.layer);
    ASSERT_TRUE(page.Type(Fill::kOilCellSizeId, "2"));
    const std::string cellText = page.Value(Fill::kOilCellSizeId);
    const std::vector<std::string> brushes = LayerBrushes(world.layer);
    const uint64_t storeStamp = store->GetTimeStamp();
    int redraws = page.Redraws();
    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.Pick(Fill::kOilStyleSetId, "岩性填充"));
    EXPECT_EQ("岩性填充", page.Value(Fill::kOilStyleSetId));
    std::vector<std::string> written;
    for (const parsnip::testing::Call& call : parsnip::testing::CallLog())
        if (call.operation.find("CStratumMapLayer::Set") != std::string::npos) written.push_back(call.operation);
    const std::string wrapper = "kel::plane::CStratumMapLayer::";
    EXPECT_EQ((std::vector<std::string>{wrapper + "SetStoreAreaBrush", wrapper + "SetOilAreaBrush",
                                        wrapper + "SetOilRegionBrush", wrapper + "SetWaterRegionBrush"}),
              written);
    EXPECT_EQ(brushes, LayerBrushes(world.layer));
    EXPECT_EQ(0, CountCalls("CQXObjectFill::SetLogBrush"));
    EXPECT_EQ(storeStamp, store->GetTimeStamp());
    EXPECT_EQ(redraws + 1, page.Redraws());
    auto* picker = dynamic_cast<CPropStyleCombox*>(page.Item(Fill::kOilStyleId));
    ASSERT_NE(nullptr, picker);
    const auto groups = picker->GetStyleGroups();
    ASSERT_EQ(1u, groups.size());
    EXPECT_EQ("岩性填充", std::string(groups.front().second.GetString()));

    redraws = page.Redraws();
    parsnip::testing::ClearCallLog();
    for (const char* refused : {"-1", "x"}) {
        ASSERT_TRUE(page.Type(Fill::kOilCellSizeId, refused));
        EXPECT_EQ("岩性填充", page.Value(Fill::kOilStyleSetId)) << refused;
        EXPECT_EQ(cellText, page.Value(Fill::kOilCellSizeId)) << refused;
    }
    EXPECT_EQ(groups, picker->GetStyleGroups());
    EXPECT_EQ(200.0f, BrushOf(oil).size);
    EXPECT_EQ(0, CountCalls("CQXObjectFill::SetLogBrush"));
    EXPECT_EQ(redraws, page.Redraws());

    planetest::ExpectCodeReportRefused(page, Fill::kOilStyleSetId, "", "岩性填充");
    EXPECT_EQ(groups, picker->GetStyleGroups());
}

}  // namespace
