// The fixed lists of the layer pages and their object lists, each read through the one reader: a
// text the list maps (an option, or any other text its rule takes) runs the edit and the item shows
// the option standing for the value taken; a text the list gives no value writes nothing, redraws
// nothing, and only the item shows its text from before.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "CodeReport.h"
#include "ConversionRows.h"
#include "PieFixture.h"
#include "PlaneListFixture.h"
#include "WellFixture.h"
#include "driver/GridDriver.h"
#include "framework/FixedList.h"
#include "framework/ItemGroupsFill.h"
#include "hostlibs/Osprey/WellStrataTesting.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Moraine/ContourLayer.h"
#include "hosttypes/Moraine/LineLayer.h"
#include "hosttypes/Moraine/PieLayer.h"
#include "hosttypes/Moraine/StratumLayer.h"
#include "hosttypes/Moraine/WellLayer.h"
#include "hosttypes/Parsnip/QXObjectCoordinate.h"
#include "hosttypes/Parsnip/QXObjectPie.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "planemap/PropListBorderGrid.h"
#include "planemap/layers/PropListAttributeLayerPages.h"
#include "planemap/layers/PropListContourLayerFill.h"
#include "planemap/layers/PropListContourLayerLine.h"
#include "planemap/layers/PropListCoordinate.h"
#include "planemap/layers/PropListCtrlLineLayerLine.h"
#include "planemap/layers/PropListFaultLayerLine.h"
#include "planemap/layers/PropListLineLayerLine.h"
#include "planemap/layers/PropListPie.h"
#include "planemap/layers/PropListPieLayerData.h"
#include "planemap/layers/PropListPieLayerObj.h"
#include "planemap/layers/PropListPointLayerPoint.h"
#include "planemap/layers/PropListSandLayerData.h"
#include "planemap/layers/PropListSandLayerLine.h"
#include "planemap/layers/PropListStratumLayerConnection.h"
#include "planemap/layers/PropListStratumLayerStratum.h"
#include "planemap/layers/PropListStratumMapLayerFill.h"
#include "planemap/layers/PropListStratumMapLayerLine.h"
#include "planemap/layers/PropListStratumMapLines.h"
#include "planemap/layers/PropListWellLayerAbsence.h"
#include "planemap/layers/PropListWellLayerBaseLine.h"
#include "planemap/layers/PropListWellLayerName.h"
#include "planemap/layers/PropListWellLayerSymbol.h"
#include "planemap/layers/PropListWellNetLayerFill.h"
#include "planemap/layers/PropListWellNetLayerLine.h"
#include "planemap/layers/PropListWellPath.h"

namespace {

using kel::plane::CPieLayer;
using planetest::ExpectCodeReportRefused;
using planetest::OpenList;
using D = CPropListPieLayerData;
using O = CPropListPieLayerObj;

constexpr const char* kNoOption = "无此选项";

using pietest::PieWorld;
using welltest::WellWorld;

// Reports text for item id from code: the edit runs (one redraw) and the item shows shown.
template <class List>
void ExpectReportShows(OpenList<List>& page, DWORD_PTR id, const char* text, const std::string& shown) {
    const int redraws = page.Redraws();
    page.Report(id, text);
    EXPECT_EQ(shown, page.Value(id)) << id << " " << text;
    EXPECT_EQ(redraws + 1, page.Redraws()) << id << " " << text;
}

// Every fixed list of the page, reported a text that is none of its options: a list that takes any
// other text runs the edit and shows the option its rule gives; a list that gives it no value
// writes nothing, redraws nothing, and only the item shows its text from before.
template <class List>
void ExpectEveryListRead(OpenList<List>& page) {
    // The lists that refuse come first: a switch taken may grey them.
    std::vector<DWORD_PTR> ids;
    for (bool refusing : {true, false})
        for (CBCGPProp* item : platform::GridDriver(&page.list().GetPropList()).AllItems())
            if (CFixedListProp* list = FixedListOf(item); list && list->GetOther().taken != refusing)
                ids.push_back(item->GetData());
    ASSERT_FALSE(ids.empty());
    for (DWORD_PTR id : ids) {
        CFixedListProp* list = FixedListOf(page.Item(id));
        if (!list || !list->IsEnabled()) continue;  // greyed by a switch reported before
        if (!list->GetOther().taken) {
            ExpectCodeReportRefused(page, id, kNoOption, page.Value(id));
        } else if (const char* taken = list->TextOf(list->GetOther().value)) {
            ExpectReportShows(page, id, kNoOption, taken);
        }
    }
}

// A pie layer of three records on the stratum table, beside a well layer.
struct StratumPie {
    parsnip::MapFixture map;
    CQXLayer* layer = (map.AddLayer("井位层", "井位"), map.AddLayer("饼图1", "饼图"));
    CPieLayer pie{layer};
    StratumPie() {
        pie.SetShapeType(0);
        pie.SetRecordCount(3);
        pie.SetTableName("小层数据表");
    }
};

template <class List>
void ExpectEveryListOfLayerRead(CQXLayer* layer) {
    OpenList<List> page(layer);
    ExpectEveryListRead(page);
}

}  // namespace

// ---- the pie layer's data page ---------------------------------------------------------------------

TEST(LayerFixedLists, ASourceThatIsNoSourceDeletesNothingAndWritesNoDataType) {
    PieWorld w(3, 3);
    w.pie.SetDataType(1);
    w.pie.SetTableName("离散属性表");
    w.map.Add<CQXObjectPie>("饼图", w.layer);
    w.map.Add<CQXObjectPie>("饼图", w.layer);
    OpenList<D> page(w.layer);
    ASSERT_EQ("散点数据", page.Value(D::kSourceId));
    for (const char* text : {kNoOption, "", "井数据 "}) {
        ExpectCodeReportRefused(page, D::kSourceId, text, "散点数据");
        EXPECT_EQ(2, w.layer->GetObjectCount()) << text;
        EXPECT_EQ(1, w.pie.GetDataType()) << text;
        EXPECT_EQ("离散属性表", std::string(w.pie.GetTableName().GetString())) << text;
    }
    // A source's name is the source's also where the shape does not offer it: dynamic data for a
    // single-column bar chart is data type 2.
    ASSERT_EQ((std::vector<std::string>{"井数据", "散点数据"}), pietest::Options(page.Item(D::kSourceId)));
    page.Report(D::kSourceId, "动态数据");
    EXPECT_EQ(2, w.pie.GetDataType());
    EXPECT_EQ(0, w.layer->GetObjectCount());
}

TEST(LayerFixedLists, AStratumTheTableDoesNotHoldIsNoStratum) {
    StratumPie w;
    CQXLayer* layer = w.layer;
    CPieLayer& pie = w.pie;
    pie.SetDataLayer(2);
    OpenList<D> page(layer);
    ASSERT_EQ("沙三段", page.Value(D::kStratumId));
    for (const char* text : {"无此层", ""}) {
        pie.SetDataLayer(2);
        const int redraws = page.Redraws();
        page.Report(D::kStratumId, text);
        EXPECT_EQ(-1, pie.GetDataLayer()) << text;
        EXPECT_EQ("", page.Value(D::kStratumId)) << text;  // as the refresh shows no stratum
        EXPECT_EQ(redraws + 1, page.Redraws()) << text;
    }
    ASSERT_TRUE(page.Pick(D::kStratumId, "沙二段"));
    EXPECT_EQ(1, pie.GetDataLayer());
}

// The conversions from text the pages name, each row of its table and a text no row names.
TEST(LayerFixedLists, NamedConversionsGiveTheValueOfEachRowAndOfAnyOtherText) {
    StratumPie w;
    OpenList<D> data(w.layer);
    const struct {
        std::function<int(const CString&)> convert;
        std::vector<std::pair<const char*, int>> rows;
    } conversions[] = {
        {[](const CString& text) { return static_cast<int>(GridLineStyleFromName(text)); },
         planetest::kGridLineStyleRows},
        {&O::TextShowStyleFromName, planetest::kLabelContentRows},
        {[&data](const CString& text) { return data.list().GetDataLayerIndex(text); },
         {{"沙一段", 0}, {"沙二段", 1}, {"沙三段", 2}, {"无此层", -1}}},
    };
    for (const auto& conversion : conversions)
        for (const auto& [text, value] : conversion.rows) EXPECT_EQ(value, conversion.convert(text)) << text;
}

TEST(LayerFixedLists, AShapeNameIsTakenOutsideItsFamilyAndAnyOtherTextIsNoShape) {
    PieWorld w(0, 3);
    OpenList<D> page(w.layer);
    page.Report(D::kShapeId, "现状图(多列)");
    EXPECT_EQ(5, w.pie.GetShapeType());
    EXPECT_EQ("现状图(多列)", page.Value(D::kShapeId));
    page.Report(D::kShapeId, kNoOption);
    EXPECT_EQ(-1, w.pie.GetShapeType());
    EXPECT_EQ("", page.Value(D::kShapeId));  // as the refresh shows no shape
}

TEST(LayerFixedLists, AColourControlRowReadsItsSwitchEvenWhereItOffersNoOption) {
    PieWorld w(0, 3);
    OpenList<D> page(w.layer);
    CBCGPProp* last = page.Item(D::kFirstControlId + 2);
    ASSERT_EQ(0, last->GetOptionCount());
    page.Report(D::kFirstControlId + 2, "否");
    EXPECT_EQ(0, w.pie.GetColorControl(2));
    page.Report(D::kFirstControlId + 2, "是");
    EXPECT_EQ(1, w.pie.GetColorControl(2));
    page.Report(D::kFirstControlId + 1, kNoOption);
    EXPECT_EQ(0, w.pie.GetColorControl(1));
    EXPECT_EQ("否", page.Value(D::kFirstControlId + 1));
}

// ---- the pie w.layer's display page ------------------------------------------------------------------

TEST(LayerFixedLists, AContentTextShowsTheContentTakenForTheShape) {
    PieWorld w(0, 3);
    w.pie.SetTextShowStyle(1, 2);
    OpenList<O> page(w.layer);
    ASSERT_EQ("属性名", page.Value(O::kFirstContentId));
    ExpectReportShows(page, O::kFirstContentId, kNoOption, "不显示");
    EXPECT_EQ(0, w.pie.GetTextShowStyle(1));
    // The vertical percentage of multi-column bars is taken on a pie too, and a pie shows it as
    // "不显示".
    ExpectReportShows(page, O::kFirstContentId + 1, "纵向百分比", "不显示");
    EXPECT_EQ(4, w.pie.GetTextShowStyle(2));

    w.pie.SetShapeType(2);
    page.Show(w.layer);
    ExpectReportShows(page, O::kFirstContentId + 2, "百分比", "横向百分比");
    EXPECT_EQ(1, w.pie.GetTextShowStyle(3));
    ExpectReportShows(page, O::kTextPosId, kNoOption, "中部");
    EXPECT_EQ(2, w.pie.GetTextPos());
}

TEST(LayerFixedLists, ThePieDisplayPagesSwitchesAndModesShowWhatTheyTake) {
    PieWorld w(2, 3);
    w.pie.SetFixRadius(1);
    w.pie.SetDrawOrgLine(1);
    OpenList<O> page(w.layer);
    ASSERT_EQ("固定", page.Value(O::kRadiusModeId));
    ExpectReportShows(page, O::kRadiusModeId, kNoOption, "比例");
    EXPECT_EQ(0, w.pie.GetFixRadius());
    ExpectReportShows(page, O::kIndicatorDrawId, kNoOption, "否");
    EXPECT_EQ(0, w.pie.GetDrawOrgLine());
    EXPECT_FALSE(page.Enabled(O::kIndicatorStyleId));
    ExpectEveryListRead(page);
}

// ---- line w.layer: the fill group's style set ---------------------------------------------------------

TEST(LayerFixedLists, AnEmptyStyleSetOnALineLayerWritesNoPenAndRedrawsNothing) {
    parsnip::MapFixture map;
    CQXLayer* lines = map.AddLayer("线", "线");
    auto* river = map.AddPolyline("河流", {{0, 0}, {1, 1}}, lines);
    OpenList<CPropListLineLayerLine> page(lines);
    ASSERT_TRUE(page.Pick(CPropListLineLayerLine::kStyleSetId, "岩性填充"));
    const UINT style = planetest::BrushOf(river).style;
    ExpectCodeReportRefused(page, CPropListLineLayerLine::kStyleSetId, "", "岩性填充");
    EXPECT_EQ(style, planetest::BrushOf(river).style);
}

// ---- well trajectories ---------------------------------------------------------------------------

TEST(LayerFixedLists, AnyTrajectoryModeButTheRealTrackIsTheStraightLine) {
    WELLPOSITION inclined;
    inclined.wellName = "S1";
    inclined.type = 1;
    osprey::testing::SetWellPositions({inclined});
    for (const char* text : {kNoOption, ""}) {
        parsnip::MapFixture map;
        CQXLayer* wells = map.AddLayer("井位层", "井位");
        CQXObjectPolyline* line = map.AddPolyline("上部井斜线", {{0, 0}, {5, 5}}, wells);
        line->SetName("S1");
        OpenList<CPropListWellPath> open(map, {line});
        ASSERT_EQ("实际轨迹", open.Value(CPropListWellPath::kTrackModeId));
        ExpectReportShows(open, CPropListWellPath::kTrackModeId, text, "直线");
        auto* rebuilt = dynamic_cast<CQXObjectPolyline*>(wells->GetSelectedObject(0));
        ASSERT_NE(nullptr, rebuilt) << text;
        EXPECT_NE(line, rebuilt) << text;
        EXPECT_EQ(2, rebuilt->GetShapeType()) << text;
    }

    // On the well layer's symbol page the same rule holds for the layer's way of drawing.
    parsnip::MapFixture map;
    CQXLayer* wells = map.AddLayer("井位层", "井位");
    kel::plane::CWellLayer layer(wells);
    layer.SetSymbolLineShowTrack(1);
    layer.SetWellTopLineVisible(1);
    OpenList<CPropListWellLayerSymbol> page(wells);
    ExpectReportShows(page, CPropListWellLayerSymbol::kTrackModeId, kNoOption, "直线");
    EXPECT_EQ(0, layer.GetSymbolLineShowTrack());
    EXPECT_EQ(1, layer.GetWellBottomLineVisible());
}

// ---- the stratum section page ---------------------------------------------------------------------

TEST(LayerFixedLists, TheSectionsReferencesAndAlignmentShowTheOptionTaken) {
    WellWorld w;
    w.AddBaseLine();
    CQXLayer* sections = w.map.AddLayer("剖面", "剖面");
    kel::plane::CStratumLayer layer(sections);
    layer.SetStratumVerticalType(0);
    layer.SetStratumTopAlign(3);
    layer.SetStratumHorizontalType(0);
    using S = CPropListStratumLayerStratum;
    OpenList<S> page(sections);
    ASSERT_EQ("井排基线", page.Value(S::kVerticalReferId));
    ASSERT_TRUE(page.Enabled(S::kVerticalReferId));
    parsnip::testing::ClearCallLog();
    ExpectReportShows(page, S::kVerticalReferId, kNoOption, "井位");
    EXPECT_EQ(1, layer.GetStratumVerticalType());
    EXPECT_FALSE(page.Enabled(S::kTopAlignId));
    EXPECT_TRUE(page.Enabled(S::kDistanceId));
    EXPECT_EQ(1, parsnip::testing::CountCalls("kel::plane::CStratumLayer::ReCreateStratum"));

    ExpectReportShows(page, S::kHorizontalReferId, "", "井名");
    EXPECT_EQ(1, layer.GetStratumHorizontalType());
    ExpectReportShows(page, S::kTopAlignId, kNoOption, "实际起伏");
    EXPECT_EQ(0, layer.GetStratumTopAlign());
}

// ---- the well layer's pages --------------------------------------------------------------------------

TEST(LayerFixedLists, TheWellLayersReferencesPlacesAndOffsetTypesRefuseAnyOtherText) {
    WellWorld w;
    w.AddBaseLine();
    kel::plane::CWellLayer layer(w.wells);
    layer.SetAbsenceReferType(1);
    layer.SetAbsenceAlign(5);
    layer.SetBaseLineOffsetType(2);

    OpenList<CPropListWellLayerAbsence> absence(w.wells);
    ASSERT_EQ("井", absence.Value(CPropListWellLayerAbsence::kReferId));
    ASSERT_EQ("右", absence.Value(CPropListWellLayerAbsence::kAlignId));
    for (const char* text : {kNoOption, ""}) {
        ExpectCodeReportRefused(absence, CPropListWellLayerAbsence::kReferId, text, "井");
        ExpectCodeReportRefused(absence, CPropListWellLayerAbsence::kAlignId, text, "右");
    }
    EXPECT_EQ(1, layer.GetAbsenceReferType());
    EXPECT_EQ(5, layer.GetAbsenceAlign());
    ExpectReportShows(absence, CPropListWellLayerAbsence::kShowId, kNoOption, "否");
    EXPECT_EQ(0, layer.GetAbsenceVisible());

    OpenList<CPropListWellLayerBaseLine> baseLine(w.wells);
    ExpectCodeReportRefused(baseLine, CPropListWellLayerBaseLine::kOffsetTypeId, kNoOption, "偏下侧");
    EXPECT_EQ(2, layer.GetBaseLineOffsetType());
    ExpectEveryListRead(baseLine);
    EXPECT_EQ(0, layer.GetBaseLineVisible());
    EXPECT_EQ(0, layer.GetWellQueueVisible());
}

// ---- the contour layer's pages and the coordinate system ----------------------------------------------

TEST(LayerFixedLists, TheContourModesRefuseAnyOtherTextAndItsSwitchesReadItAsNo) {
    parsnip::MapFixture map;
    CQXLayer* contours = map.AddLayer("等值线", "等值线");
    kel::plane::CContourLayer layer(contours);
    layer.SetLineVisible(1);
    layer.SetLineMode(1);
    layer.SetLineColorType(1);
    layer.SetLabelFontTransParent(1);
    OpenList<CPropListContourLayerLine> page(contours);
    ASSERT_EQ("自定义", page.Value(CPropListContourLayerLine::kModeId));
    ExpectCodeReportRefused(page, CPropListContourLayerLine::kModeId, kNoOption, "自定义");
    ExpectCodeReportRefused(page, CPropListContourLayerLine::kColorTypeId, "", "统一");
    EXPECT_EQ(1, layer.GetLineMode());
    EXPECT_EQ(1, layer.GetLineColorType());
    ExpectReportShows(page, CPropListContourLayerLine::kTransparentId, kNoOption, "否");
    EXPECT_EQ(0, layer.GetLabelFontTransParent());
    EXPECT_TRUE(page.Enabled(CPropListContourLayerLine::kBackColorId));

    // The colour template takes any text as the template's name.
    OpenList<CPropListContourLayerFill> fill(contours);
    fill.Report(CPropListContourLayerFill::kTemplateId, kNoOption);
    EXPECT_EQ(kNoOption, std::string(layer.GetFillColorTemplate().GetString()));
}

TEST(LayerFixedLists, ACoordinateSystemsLabelSideIsItsOwnSideOnlyForItsOwnText) {
    parsnip::MapFixture map;
    CQXLayer* layer = map.AddLayer("图框", "通用");
    auto* axes = map.Add<CQXObjectCoordinate>("坐标系", layer);
    axes->m_dHeight = 10;
    axes->m_nXLabelSide = 1;
    axes->m_nYLabelSide = 1;
    OpenList<CPropListCoordinate> list(axes);
    ASSERT_EQ("上", list.Value(CPropListCoordinate::kXLabelSideId));
    ExpectReportShows(list, CPropListCoordinate::kXLabelSideId, kNoOption, "下");
    EXPECT_EQ(0, axes->m_nXLabelSide);
    ExpectReportShows(list, CPropListCoordinate::kYLabelSideId, "", "左");
    EXPECT_EQ(0, axes->m_nYLabelSide);
}

// ---- every list of the pages ----------------------------------------------------------------------

TEST(LayerFixedLists, EveryListOfTheLayerPagesReadsAnyOtherTextByItsRule) {
    WellWorld w;
    w.AddBaseLine();
    ExpectEveryListOfLayerRead<CPropListWellLayerName>(w.wells);
    ExpectEveryListOfLayerRead<CPropListWellLayerSymbol>(w.wells);
    ExpectEveryListOfLayerRead<CPropListWellLayerAbsence>(w.map.AddLayer("井位2", "井位"));
    ExpectEveryListOfLayerRead<CPropListStratumLayerConnection>(w.map.AddLayer("剖面", "剖面"));
    ExpectEveryListOfLayerRead<CPropListFaciesLayerData>(w.map.AddLayer("相", "沉积相线"));
    ExpectEveryListOfLayerRead<CPropListFaciesLayerLine>(w.map.AddLayer("相2", "沉积相线"));
    ExpectEveryListOfLayerRead<CPropListScatteredLayerData>(w.map.AddLayer("离散", "离散属性边界线"));
    ExpectEveryListOfLayerRead<CPropListOilWaterLayerLine>(w.map.AddLayer("油水", "油水边界"));
    ExpectEveryListOfLayerRead<CPropListSandLayerData>(w.map.AddLayer("砂体", "砂体"));
    ExpectEveryListOfLayerRead<CPropListSandLayerLine>(w.map.AddLayer("砂体2", "砂体"));
    ExpectEveryListOfLayerRead<CPropListContourLayerFill>(w.map.AddLayer("等值", "等值线"));
    ExpectEveryListOfLayerRead<CPropListCtrlLineLayerLine>(w.map.AddLayer("控制线", "控制线"));
    ExpectEveryListOfLayerRead<CPropListFaultLayerLine>(w.map.AddLayer("断层", "断层"));
    ExpectEveryListOfLayerRead<CPropListPointLayerPoint>(w.map.AddLayer("点", "点"));
    ExpectEveryListOfLayerRead<CPropListWellNetLayerLine>(w.map.AddLayer("井网", "连通井网"));
    ExpectEveryListOfLayerRead<CPropListWellNetLayerFill>(w.map.AddLayer("井网2", "连通井网"));
    CQXLayer* stratumMap = w.map.AddLayer("小层", "小层平面图");
    w.map.AddPolyline("砂岩尖灭线", {{0, 0}, {1, 1}}, stratumMap);
    ExpectEveryListOfLayerRead<CPropListStratumMapLayerLine>(stratumMap);
    ExpectEveryListOfLayerRead<CPropListStratumMapLayerFill>(stratumMap);
}

TEST(LayerFixedLists, EveryListOfTheChartSymbolAndBoundaryLineListsReadsAnyOtherTextByItsRule) {
    parsnip::MapFixture map;
    CQXLayer* layer = map.AddLayer("饼图1", "饼图");
    auto* symbol = map.Add<CQXObjectPie>("饼图", layer);
    symbol->SetShapeType(2);
    symbol->SetDrawBotLine(1);
    {
        OpenList<CPropListPie> list(map, {symbol});
        ExpectEveryListRead(list);
        EXPECT_EQ(0, symbol->GetDrawBotLine());
    }

    CQXLayer* stratumMap = map.AddLayer("小层", "小层平面图");
    CQXObjectPolyline* line = map.AddPolyline("砂岩尖灭线", {{0, 0}, {1, 1}}, stratumMap);
    map.ClearSelection();
    OpenList<CPropListPinchOutLine> lines(map, {line});
    ASSERT_EQ("正向", lines.Value(CPropListPinchOutLine::kDirectionId));
    parsnip::testing::ClearCallLog();
    ExpectEveryListRead(lines);
    EXPECT_EQ("反向", lines.Value(CPropListPinchOutLine::kDirectionId));
    EXPECT_EQ(1, parsnip::testing::CountCalls("CQXObjectPolyline::ReverseDirection"));
}
