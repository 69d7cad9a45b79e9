// The layer pages: the layer-name rule with its three ways of writing, the data pages, the width
// rule, the boundary, control-line and line pages, and the edits that arrive before a page knows
// its layer.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>

#include "CodeReport.h"
#include "PlaneListFixture.h"
#include "driver/Responder.h"
#include "framework/ItemGroupsFill.h"
#include "hostlibs/Moraine/MoraineTesting.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Moraine/BoundLayer.h"
#include "hosttypes/Moraine/ContourLayer.h"
#include "hosttypes/Moraine/CtrlLineLayer.h"
#include "hosttypes/Moraine/LineLayer.h"
#include "hosttypes/Moraine/PlaneOption.h"
#include "hosttypes/Moraine/PointLayer.h"
#include "hosttypes/Moraine/WellNetLayer.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectLine.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "hosttypes/Parsnip/QXObjectText.h"
#include "hosttypes/Tinder/CommonUtility.h"
#include "planemap/PlaneReaders.h"
#include "planemap/layers/LayerDataPages.h"
#include "planemap/layers/PropListAttributeLayerPages.h"
#include "planemap/layers/PropListBoundLayerBound.h"
#include "planemap/layers/PropListContourLayerData.h"
#include "planemap/layers/PropListContourLayerLine.h"
#include "planemap/layers/PropListCtrlLineLayerData.h"
#include "planemap/layers/PropListCtrlLineLayerLine.h"
#include "planemap/layers/PropListLineLayerLine.h"
#include "planemap/layers/PropListPieLayerObj.h"
#include "planemap/layers/PropListPointLayerPoint.h"
#include "planemap/layers/PropListSandLayerData.h"
#include "planemap/layers/PropListSandLayerLine.h"
#include "planemap/layers/PropListStratumMapLayerData.h"
#include "planemap/layers/PropListStratumMapLayerFill.h"
#include "planemap/layers/PropListWellNetLayerLine.h"
#include "planemap/layers/StratumDataPages.h"

namespace {

using planetest::OpenList;

std::string NameOf(CQXLayer* layer) { return layer->GetName().GetString(); }
size_t Warnings() { return platform::Responder::Instance().MessageBoxes().size(); }

QXLOGPEN PenOfLine(CQXLayer* layer) {
    QXLOGPEN pen;
    kel::plane::CLineLayer(layer).GetPen(pen);
    return pen;
}

struct Refusal {
    const char* text;
    std::string shown;  // the stored value as the page shows it after a refusal
};

// Each refused text writes nothing through the setter, redraws nothing and shows the stored value.
template <class Page>
void ExpectRefused(CQXLayer* layer, DWORD_PTR id, const char* setter, std::initializer_list<Refusal> refusals) {
    OpenList<Page> page(layer);
    const int redraws = page.Redraws();
    parsnip::testing::ClearCallLog();
    for (const Refusal& r : refusals) {
        ASSERT_TRUE(page.Type(id, r.text));
        EXPECT_EQ(r.shown, page.Value(id)) << r.text;
    }
    EXPECT_EQ(0, parsnip::testing::CountCalls(setter)) << setter;
    EXPECT_EQ(redraws, page.Redraws()) << setter;
}

}  // namespace

// ---- the layer name ----------------------------------------------------------------------------------

TEST(LayerName, RenamingAFaultLayerCarriesTheNameToTheLayersRelatedToIt) {
    parsnip::MapFixture map;
    CQXLayer* fault = map.AddLayer("断层A", "断层");
    CQXLayer* ctrl = map.AddLayer("控制线1", "控制线");
    kel::plane::CCtrlLineLayer(ctrl).SetFaultName("断层A");

    OpenList<CPropListFaultLayerData> page(fault);
    EXPECT_EQ("断层A", page.Value(CPropListFaultLayerData::kLayerNameId));
    page.Type(CPropListFaultLayerData::kLayerNameId, "断层B");
    EXPECT_EQ("断层B", NameOf(fault));
    EXPECT_EQ(1, parsnip::testing::CountCalls("kel::plane::CPlaneFunc::UpdateRelateLayerName", fault));

    OpenList<CPropListCtrlLineLayerData> related(ctrl);
    EXPECT_EQ("断层B", related.Value(CPropListCtrlLineLayerData::kFaultLayerId));
    CBCGPProp* faults = related.Item(CPropListCtrlLineLayerData::kFaultLayerId);
    ASSERT_EQ(1, faults->GetOptionCount());
    EXPECT_STREQ("断层B", faults->GetOption(0));
}

// A cut character reported from code first is refused without a word and decides nothing about
// the name typed next.
TEST(LayerName, LineAndPointLayersAreRenamedAloneAndOnlyATakenNameRedraws) {
    parsnip::MapFixture map;
    CQXLayer* lines = map.AddLayer("线1", "线");
    OpenList<CPropListLineLayerData> page(lines);
    const int redraws = page.Redraws();
    platform::Responder::Instance().ClearMessageBoxes();
    page.Report(CPropListLineLayerData::kLayerNameId, "\xE4\xB8");
    EXPECT_EQ("线1", page.Value(CPropListLineLayerData::kLayerNameId));
    EXPECT_EQ(redraws, page.Redraws());
    EXPECT_EQ(0u, Warnings());
    page.Type(CPropListLineLayerData::kLayerNameId, "线2");
    EXPECT_EQ("线2", NameOf(lines));
    EXPECT_EQ(0, parsnip::testing::CountCalls("kel::plane::CPlaneFunc::UpdateRelateLayerName"));
    EXPECT_EQ(redraws + 1, page.Redraws());

    page.Type(CPropListLineLayerData::kLayerNameId, "线/3");
    page.Type(CPropListLineLayerData::kLayerNameId, "线2");
    EXPECT_EQ(redraws + 1, page.Redraws());
    EXPECT_EQ(1, parsnip::testing::CountCalls("CQXLayer::SetName", lines));
}

// A name refused with the warning (no file name) or silently (held by a layer of the map, the
// renamed one included) changes only the name item, back to the layer's name, on every page that
// carries one.
template <class Page>
void ExpectNamesRefused(const char* typeName) {
    SCOPED_TRACE(typeName);
    parsnip::MapFixture map;
    CQXLayer* layer = map.AddLayer("旧名", typeName);
    map.AddLayer("别名", typeName);
    OpenList<Page> page(layer);
    platform::Responder::Instance().ClearMessageBoxes();
    for (const char* refused : {"", "a|b", "别名", "旧名"})
        planetest::ExpectTypedRefused(page, Page::kLayerNameId, refused, "旧名");
    EXPECT_EQ(2u, Warnings());
    EXPECT_EQ("旧名", NameOf(layer));
}

TEST(LayerName, ARefusedNameChangesOnlyItsItemOnEveryPage) {
    ExpectNamesRefused<CPropListBoundLayerData>("边界");
    ExpectNamesRefused<CPropListFaultLayerData>("断层");
    ExpectNamesRefused<CPropListCtrlLineLayerData>("控制线");
    ExpectNamesRefused<CPropListLineLayerData>("线");
    ExpectNamesRefused<CPropListPointLayerData>("点");
    ExpectNamesRefused<CPropListWellNetLayerData>("连通井网");
    ExpectNamesRefused<CPropListGeneralLayerData>("通用");
    ExpectNamesRefused<CPropListContourLayerData>("等值线");
    ExpectNamesRefused<CPropListFaciesLayerData>("沉积相线");
    ExpectNamesRefused<CPropListScatteredLayerData>("离散属性边界线");
    ExpectNamesRefused<CPropListOilWaterLayerData>("油水边界");
    ExpectNamesRefused<CPropListRegionLayerData>("区域边界");
    ExpectNamesRefused<CPropListSandLayerData>("砂体");
    ExpectNamesRefused<CPropListStratumMapLayerData>("小层平面图");
    ExpectNamesRefused<CPropListWellLayerData>("井位");
    ExpectNamesRefused<CPropListStratumLayerData>("剖面");
}

TEST(LayerName, AnInvalidNameWarnsOnceAndTheOwnOrAnotherLayersNameIsRefusedSilently) {
    parsnip::MapFixture map;
    CQXLayer* bound = map.AddLayer("边界1", "边界");
    map.AddLayer("边界2", "边界");
    OpenList<CPropListBoundLayerData> page(bound);
    EXPECT_EQ("当前图层的图层名",
              platform::GridDriver::Info(page.Item(CPropListBoundLayerData::kLayerNameId)).description);

    page.Type(CPropListBoundLayerData::kLayerNameId, "a:b");
    ASSERT_EQ(1u, Warnings());
    EXPECT_EQ(tinder::kLayerNameWarning, platform::Responder::Instance().MessageBoxes()[0].text);
    EXPECT_EQ("边界1", page.Value(CPropListBoundLayerData::kLayerNameId));

    for (const char* taken : {"边界1", "边界2", ""}) {
        page.Type(CPropListBoundLayerData::kLayerNameId, taken);
        EXPECT_EQ("边界1", page.Value(CPropListBoundLayerData::kLayerNameId)) << taken;
    }
    EXPECT_EQ(2u, Warnings());  // the empty name is no file name either
    EXPECT_EQ("边界1", NameOf(bound));
    EXPECT_EQ(0, parsnip::testing::CountCalls("CQXLayer::SetName"));
}

TEST(LayerName, AnEditBeforeThePageKnowsItsLayerWritesNothing) {
    parsnip::MapFixture map;
    CQXLayer* general = map.AddLayer("图层", "通用");
    OpenList<CPropListGeneralLayerData> page;  // shown after the host's last selection message
    parsnip::testing::ClearCallLog();
    page.Type(CPropListGeneralLayerData::kLayerNameId, "新图层");
    EXPECT_TRUE(parsnip::testing::CallLog().empty());
    EXPECT_EQ("图层", NameOf(general));

    OpenList<CPropListLineLayerLine> line;
    line.Type(CPropListLineLayerLine::kWidthId, "2");
    line.Color(CPropListLineLayerLine::kFillColorId, RGB(1, 2, 3));
    EXPECT_TRUE(parsnip::testing::CallLog().empty());
}

// ---- the well and stratum data pages ----------------------------------------------------------------------

TEST(StratumDataPages, ShowTheStratumTheLayerWasMadeFor) {
    parsnip::MapFixture map;
    CQXLayer* wells = map.AddLayer("井位图层", "井位");
    moraine::testing::SetLayerStratum(wells, 2, "沙二1-1", "一井组");
    OpenList<CPropListWellLayerData> page(wells);
    EXPECT_EQ("井位图层", page.Value(CPropListWellLayerData::kLayerNameId));
    EXPECT_EQ(CWellDataManager::ConvertStratumGradeToStratumType(2).GetString(),
              page.Value(CPropListWellLayerData::kGradeId));
    EXPECT_EQ("沙二1-1", page.Value(CPropListWellLayerData::kStratumNameId));
    EXPECT_EQ("一井组", page.Value(CPropListWellLayerData::kWellGroupId));
    EXPECT_FALSE(page.Item(CPropListWellLayerData::kGradeId)->IsAllowEdit());

    CQXLayer* section = map.AddLayer("剖面图层", "剖面");
    moraine::testing::SetLayerStratum(section, -1, "", "");
    OpenList<CPropListStratumLayerData> other(section);
    EXPECT_EQ("", other.Value(CPropListStratumLayerData::kGradeId));
    other.Type(CPropListStratumLayerData::kLayerNameId, "剖面2");
    EXPECT_EQ("剖面2", NameOf(section));
    EXPECT_EQ(0, parsnip::testing::CountCalls("kel::plane::CPlaneFunc::UpdateRelateLayerName"));
}

// ---- the width rule ---------------------------------------------------------------------------------------

TEST(WidthRule, TakesNumbersAboveZeroAndATypedZeroOnly) {
    struct Case {
        const char* text;
        bool taken;
        float width;
    };
    for (const Case& c : {Case{"2.25", true, 225}, Case{"0.0", true, 0}, Case{"0", true, 0}, Case{"-0", true, 0},
                          Case{"-0.5", false, 7}, Case{"x1", false, 7}, Case{"", false, 7}, Case{"1e39", false, 7},
                          Case{"1e999", false, 7}, Case{"3abc", true, 300}}) {
        float width = 7;
        EXPECT_EQ(c.taken, planemap::ReadWidth(c.text, &width)) << c.text;
        EXPECT_EQ(c.width, width) << c.text;
        EXPECT_FALSE(std::signbit(width)) << c.text;
    }
}

// ---- the boundary page --------------------------------------------------------------------------------------

TEST(BoundLayerBound, PenEditsReachTheLayerAndThePlaneOptions) {
    parsnip::MapFixture map;
    CQXLayer* bound = map.AddLayer("边界", "边界");
    OpenList<CPropListBoundLayerBound> page(bound);
    EXPECT_TRUE(page.Type(CPropListBoundLayerBound::kWidthId, "1.5"));
    page.Color(CPropListBoundLayerBound::kColorId, RGB(0, 0, 255));
    QXLOGPEN pen;
    kel::plane::CBoundLayer(bound).GetPen(pen);
    const QXLOGPEN& option = kel::plane::CPlaneOption::Instance()->m_BoundPen;
    EXPECT_EQ(150, pen.width);
    EXPECT_EQ(150, option.width);
    EXPECT_EQ(RGB(0, 0, 255), pen.color);
    EXPECT_EQ(RGB(0, 0, 255), option.color);
    page.Show(bound);
    EXPECT_EQ("1.50", page.Value(CPropListBoundLayerBound::kWidthId));

    // Refused widths show the stored one and write nothing.
    const int writes = parsnip::testing::CountCalls("kel::plane::CBoundLayer::SetPen");
    for (const char* refused : {"-0.5", "x1"}) {
        page.Type(CPropListBoundLayerBound::kWidthId, refused);
        EXPECT_EQ("1.50", page.Value(CPropListBoundLayerBound::kWidthId)) << refused;
    }
    EXPECT_EQ(writes, parsnip::testing::CountCalls("kel::plane::CBoundLayer::SetPen"));
    page.Type(CPropListBoundLayerBound::kWidthId, "0.0");
    kel::plane::CBoundLayer(bound).GetPen(pen);
    EXPECT_EQ(0, pen.width);
}

// ---- the control-line page ------------------------------------------------------------------------------------

TEST(CtrlLineLayerLine, HiddenLinesGreyThePenAndAnOddVisibleValueShowsNo) {
    parsnip::MapFixture map;
    CQXLayer* ctrl = map.AddLayer("控制线", "控制线");
    OpenList<CPropListCtrlLineLayerLine> page(ctrl);
    EXPECT_EQ("是", page.Value(CPropListCtrlLineLayerLine::kVisibleId));
    page.Pick(CPropListCtrlLineLayerLine::kVisibleId, "否");
    EXPECT_EQ(0, kel::plane::CCtrlLineLayer(ctrl).GetVisible());
    EXPECT_FALSE(page.Enabled(CPropListCtrlLineLayerLine::kWidthId));

    kel::plane::CCtrlLineLayer(ctrl).SetVisible(2);
    page.Show(ctrl);
    EXPECT_EQ("否", page.Value(CPropListCtrlLineLayerLine::kVisibleId));
    EXPECT_TRUE(page.Enabled(CPropListCtrlLineLayerLine::kWidthId));

    page.Type(CPropListCtrlLineLayerLine::kWidthId, "2.25");
    EXPECT_EQ(225, kel::plane::CCtrlLineLayer(ctrl).GetLineSize());
    page.Type(CPropListCtrlLineLayerLine::kWidthId, "-1");
    EXPECT_EQ("2.25", page.Value(CPropListCtrlLineLayerLine::kWidthId));
}

// ---- the line page ------------------------------------------------------------------------------------------

TEST(LineLayerLine, WidthsDropTrailingZerosOnRefreshButARefusalShowsTwoDecimals) {
    parsnip::MapFixture map;
    CQXLayer* lines = map.AddLayer("线", "线");
    QXLOGPEN pen;
    pen.width = 250;
    kel::plane::CLineLayer(lines).SetPen(pen);
    ExpectRefused<CPropListLineLayerLine>(lines, CPropListLineLayerLine::kWidthId, "kel::plane::CLineLayer::SetPen",
                                          {{"-1", "2.50"}, {"abc", "2.50"}, {"1e38", "2.50"}, {"1e39", "2.50"}});
    OpenList<CPropListLineLayerLine> page(lines);
    EXPECT_EQ("2.5", page.Value(CPropListLineLayerLine::kWidthId));
    page.Type(CPropListLineLayerLine::kWidthId, "2");
    EXPECT_EQ(200, PenOfLine(lines).width);

    // A colour picked in the group keeps the stored width, unrounded (249.96, shown "2.5") or one
    // that does not read (-100).
    for (float stored : {249.96f, -100.0f}) {
        pen.width = stored;
        kel::plane::CLineLayer(lines).SetPen(pen);
        page.Show(lines);
        ASSERT_TRUE(page.Color(CPropListLineLayerLine::kColorId, RGB(0, 128, 0)));
        EXPECT_FLOAT_EQ(stored, PenOfLine(lines).width);
        EXPECT_EQ(RGB(0, 128, 0), PenOfLine(lines).color);
        pen.color = 0;
    }
}

TEST(LineLayerLine, AFillEditReachesEveryLineOfTheLayerAndWritesThePenBack) {
    parsnip::MapFixture map;
    CQXLayer* lines = map.AddLayer("线", "线");
    auto* a = map.AddPolyline("河流", {{0, 0}, {1, 1}}, lines);
    auto* b = map.AddPolyline("道路", {{0, 0}, {2, 2}}, lines);
    auto* text = map.AddText("标注", "x", {0, 0}, lines);
    QXLOGBRUSH own;
    own.fillColor = RGB(9, 9, 9);
    own.size = 321;
    b->SetLogBrush(&own);
    map.Select(a);  // not only the selected lines

    OpenList<CPropListLineLayerLine> page(lines);
    parsnip::testing::ClearCallLog();
    page.Color(CPropListLineLayerLine::kFillColorId, RGB(10, 20, 30));
    EXPECT_EQ(RGB(10, 20, 30), planetest::BrushOf(a).fillColor);
    EXPECT_EQ(RGB(10, 20, 30), planetest::BrushOf(b).fillColor);
    EXPECT_EQ(321, planetest::BrushOf(b).size);  // the rest of each line's fill stays
    // The layer answers its lines' fill, so the page shows the colour taken.
    QXLOGBRUSH layerBrush;
    kel::plane::CLineLayer(lines).GetLogBrush(layerBrush);
    EXPECT_EQ(RGB(10, 20, 30), layerBrush.fillColor);
    EXPECT_EQ(1, parsnip::testing::CountCalls("kel::plane::CLineLayer::SetPen"));
    EXPECT_EQ(0, parsnip::testing::CountCalls("CQXObjectText::SetLogFont", text));

    // A cell size typed in millimetres reaches every line too.
    page.Type(CPropListLineLayerLine::kCellSizeId, "1.5");
    EXPECT_EQ(150, planetest::BrushOf(a).size);
    EXPECT_EQ(150, planetest::BrushOf(b).size);
    EXPECT_EQ(RGB(10, 20, 30), planetest::BrushOf(b).fillColor);
}

// ---- the point page -----------------------------------------------------------------------------------------

namespace {
// A point layer with its "点" page open on it.
struct PointPage {
    parsnip::MapFixture map;
    CQXLayer* points = map.AddLayer("点", "点");
    kel::plane::CPointLayer wrapper{points};
    OpenList<CPropListPointLayerPoint> page;
    PointPage() { page.Show(points); }
    QXLOGFONT Font() {
        QXLOGFONT font;
        wrapper.GetFont(&font);
        return font;
    }
};
}  // namespace

TEST(PointLayerPoint, AnglesInDegreesPlacesByTheirAlignmentPair) {
    PointPage w;
    auto& page = w.page;
    auto& wrapper = w.wrapper;
    wrapper.SetAlign("右上");
    page.Show(w.points);
    EXPECT_EQ("右上", page.Value(CPropListPointLayerPoint::kPlaceId));

    page.Type(CPropListPointLayerPoint::kAngleId, "45");
    EXPECT_NEAR(0.7854, wrapper.GetAngle(), 1e-4);
    page.Pick(CPropListPointLayerPoint::kPlaceId, "左下");
    EXPECT_EQ(0, wrapper.GetVAlign());
    EXPECT_EQ(2, wrapper.GetHAlign());
    page.Type(CPropListPointLayerPoint::kAngleId, "1e999");
    EXPECT_NEAR(0.7854, wrapper.GetAngle(), 1e-4);
    page.Show(w.points);
    EXPECT_EQ("45.00", page.Value(CPropListPointLayerPoint::kAngleId));
    EXPECT_EQ("左下", page.Value(CPropListPointLayerPoint::kPlaceId));

    wrapper.SetAlign("中");
    page.Show(w.points);
    EXPECT_EQ("中", page.Value(CPropListPointLayerPoint::kPlaceId));
}

TEST(PointLayerPoint, SizesFollowTheWidthRuleAndEveryEditWritesSymbolAndFont) {
    PointPage w;
    auto& page = w.page;
    auto& wrapper = w.wrapper;
    page.Type(CPropListPointLayerPoint::kSymbolSizeId, "2.25");
    page.Type(CPropListPointLayerPoint::kFontSizeId, "3");
    QXLOGPOINT symbol;
    wrapper.GetSymbolPoint(&symbol);
    EXPECT_EQ(225, symbol.size);
    EXPECT_EQ(300, w.Font().size);
    page.Type(CPropListPointLayerPoint::kSymbolSizeId, "x1");
    EXPECT_EQ("2.25", page.Value(CPropListPointLayerPoint::kSymbolSizeId));

    parsnip::testing::ClearCallLog();
    page.Pick(CPropListPointLayerPoint::kDecimalsId, "3");
    EXPECT_EQ(3, wrapper.GetDecimal());
    EXPECT_EQ(1, parsnip::testing::CountCalls("kel::plane::CPointLayer::SetSymbolPoint"));
    EXPECT_EQ(1, parsnip::testing::CountCalls("kel::plane::CPointLayer::SetFont"));
}

// In the point and font groups only the edited field decides: a colour picked never rewrites the
// size from its rounded text, and a stored size that does not read never blocks the pick; a size
// typed is read as typed.
TEST(PointLayerPoint, AGroupEditReadsOnlyTheEditedField) {
    PointPage w;
    auto& page = w.page;
    using P = CPropListPointLayerPoint;
    ASSERT_TRUE(page.Type(P::kSymbolSizeId, "2.4996"));
    page.Show(w.points);
    EXPECT_EQ("2.50", page.Value(P::kSymbolSizeId));
    ASSERT_TRUE(page.Color(P::kBorderColorId, RGB(255, 0, 0)));
    QXLOGPOINT symbol;
    w.wrapper.GetSymbolPoint(&symbol);
    EXPECT_FLOAT_EQ(249.96f, symbol.size);
    EXPECT_EQ(RGB(255, 0, 0), symbol.borderColor);
    ASSERT_TRUE(page.Type(P::kSymbolSizeId, "2"));
    w.wrapper.GetSymbolPoint(&symbol);
    EXPECT_FLOAT_EQ(200.0f, symbol.size);

    // A stored negative size (-100) does not block a picked colour, and stays as stored.
    symbol.size = -100;
    w.wrapper.SetSymbolPoint(&symbol);
    QXLOGFONT font = w.Font();
    font.size = -100;
    w.wrapper.SetFont(&font);
    page.Show(w.points);
    ASSERT_TRUE(page.Color(P::kInnerColorId, RGB(0, 0, 255)));
    ASSERT_TRUE(page.Color(P::kFontColorId, RGB(0, 0, 255)));
    w.wrapper.GetSymbolPoint(&symbol);
    EXPECT_EQ(RGB(0, 0, 255), symbol.innerColor);
    EXPECT_FLOAT_EQ(-100.0f, symbol.size);
    EXPECT_EQ(RGB(0, 0, 255), w.Font().color);
    EXPECT_FLOAT_EQ(-100.0f, w.Font().size);
}

TEST(PointLayerPoint, ATransparentBackgroundGreysItsColourAndKeepsIt) {
    PointPage w;
    auto& page = w.page;
    page.Color(CPropListPointLayerPoint::kBackColorId, RGB(1, 2, 3));
    page.Pick(CPropListPointLayerPoint::kTransparentId, "是");
    EXPECT_FALSE(page.Enabled(CPropListPointLayerPoint::kBackColorId));
    EXPECT_EQ(1u, w.Font().transparent);
    EXPECT_EQ(RGB(1, 2, 3), w.Font().backColor);
    page.Pick(CPropListPointLayerPoint::kTransparentId, "否");
    EXPECT_TRUE(page.Enabled(CPropListPointLayerPoint::kBackColorId));
}

TEST(LineLayerLine, AStyleSetGivesEveryLineItsFirstStyleAndAnEmptyLayerStillWritesThePen) {
    parsnip::MapFixture map;
    CQXLayer* lines = map.AddLayer("线", "线");
    auto* a = map.AddPolyline("河流", {{0, 0}, {1, 1}}, lines);
    OpenList<CPropListLineLayerLine> page(lines);
    page.Pick(CPropListLineLayerLine::kStyleSetId, "岩性填充");
    ASSERT_NE(0u, GetFirstFillStyleID("岩性填充"));
    EXPECT_EQ(GetFirstFillStyleID("岩性填充"), planetest::BrushOf(a).style);

    CQXLayer* empty = map.AddLayer("空线", "线");
    OpenList<CPropListLineLayerLine> other(empty);
    const int redraws = other.Redraws();
    parsnip::testing::ClearCallLog();
    other.Color(CPropListLineLayerLine::kFillColorId, RGB(1, 1, 1));
    EXPECT_EQ(1, parsnip::testing::CountCalls("kel::plane::CLineLayer::SetPen", empty));
    EXPECT_EQ(0, parsnip::testing::CountCalls("CQXObjectLine::SetLogBrush"));
    EXPECT_EQ(redraws + 1, other.Redraws());
}

// ---- refused widths and sizes on the layer pages ----------------------------------------------------------

// The line page's width: LineLayerLine.WidthsDropTrailingZerosOnRefreshButARefusalShowsTwoDecimals.
TEST(LayerPageRefusals, AWidthOrSizeTheReaderRefusesShowsTheStoredValueAndWritesNothing) {
    parsnip::MapFixture map;
    CQXLayer* points = map.AddLayer("点", "点");
    kel::plane::CPointLayer wrapper(points);
    QXLOGPOINT symbol;
    symbol.size = 160;
    wrapper.SetSymbolPoint(&symbol);
    QXLOGFONT font;
    font.size = 0;
    wrapper.SetFont(&font);
    for (DWORD_PTR id : {CPropListPointLayerPoint::kSymbolSizeId, CPropListPointLayerPoint::kFontSizeId}) {
        const std::string stored = id == CPropListPointLayerPoint::kSymbolSizeId ? "1.60" : "0.00";
        for (const char* setter : {"kel::plane::CPointLayer::SetSymbolPoint", "kel::plane::CPointLayer::SetFont"})
            ExpectRefused<CPropListPointLayerPoint>(points, id, setter,
                                                    {{"-1", stored}, {"-3", stored}, {"x", stored}, {"-0.5", stored}});
    }

    CQXLayer* net = map.AddLayer("井网", "连通井网");
    QXLOGPEN pen;
    pen.width = 110;
    kel::plane::CWellNetLayer(net).SetPen(pen);
    ExpectRefused<CPropListWellNetLayerLine>(net, CPropListWellNetLayerLine::kWidthId,
                                             "kel::plane::CWellNetLayer::SetPen", {{"-0.3", "1.10"}, {"x", "1.10"}});
}

namespace {

// After an accepted text, a refused one shows the stored value with two decimals, made for that
// item alone: another item typed into (other, 0 for none) keeps its text, nothing is redrawn.
template <class Page>
void ExpectStoredAfterAccepted(CQXLayer* layer, DWORD_PTR id, DWORD_PTR other, const std::string& stored) {
    OpenList<Page> page(layer);
    if (other) {
        ASSERT_TRUE(page.Type(other, "0.7"));
    }
    const std::string otherText = other ? page.Value(other) : "";
    ASSERT_TRUE(page.Type(id, "1.5"));
    const int redraws = page.Redraws();
    for (const char* refused : {"-1", "x"}) {
        ASSERT_TRUE(page.Type(id, refused));
        EXPECT_EQ(stored, page.Value(id)) << id << " " << refused;
        if (other) {
            EXPECT_EQ(otherText, page.Value(other)) << id << " " << refused;
        }
    }
    EXPECT_EQ(redraws, page.Redraws()) << id;
}

}  // namespace

TEST(LayerPageRefusals, ARefusedWidthOrSizeShowsTheStoredValueInTheItemsOwnFormatOnly) {
    struct Case {
        void (*expect)(CQXLayer*, DWORD_PTR, DWORD_PTR, const std::string&);
        const char* kind;  // the layer's type name
        DWORD_PTR id, other;
        const char* stored = "1.50";
    };
    using Bound = CPropListBoundLayerBound;
    using Lines = CPropListLineLayerLine;
    using Points = CPropListPointLayerPoint;
    using Sand = CPropListSandLayerLine;
    using Contour = CPropListContourLayerLine;
    using Wells = CPropListFaciesLayerAppendControlPoint;
    const Case cases[] = {
        {ExpectStoredAfterAccepted<Bound>, "边界", Bound::kWidthId, 0},
        {ExpectStoredAfterAccepted<CPropListCtrlLineLayerLine>, "控制线", CPropListCtrlLineLayerLine::kWidthId, 0},
        {ExpectStoredAfterAccepted<Lines>, "线", Lines::kWidthId, Lines::kCellSizeId},
        // The cell size goes to the layer's lines; a refusal shows the layer brush's, here 0.
        {ExpectStoredAfterAccepted<Lines>, "线", Lines::kCellSizeId, Lines::kWidthId, "0.00"},
        {ExpectStoredAfterAccepted<Points>, "点", Points::kSymbolSizeId, Points::kFontSizeId},
        {ExpectStoredAfterAccepted<Points>, "点", Points::kFontSizeId, Points::kSymbolSizeId},
        {ExpectStoredAfterAccepted<CPropListWellNetLayerLine>, "连通井网", CPropListWellNetLayerLine::kWidthId, 0},
        // The line settings of the facies, scattered, oil-water, region and sand layers, the virtual
        // wells, the contour line's width and label "大小", the pie display's "大小".
        {ExpectStoredAfterAccepted<CPropListFaciesLayerLine>, "沉积相线", CPropListFaciesLayerLine::kWidthId, 0},
        {ExpectStoredAfterAccepted<Wells>, "沉积相线", Wells::kSizeId, 0},
        {ExpectStoredAfterAccepted<CPropListScatteredLayerLine>, "离散属性边界线",
         CPropListScatteredLayerLine::kWidthId, 0},
        {ExpectStoredAfterAccepted<CPropListOilWaterLayerLine>, "油水边界", CPropListOilWaterLayerLine::kWidthId, 0},
        {ExpectStoredAfterAccepted<CPropListRegionLayerLine>, "区域边界", CPropListRegionLayerLine::kWidthId, 0},
        {ExpectStoredAfterAccepted<Sand>, "砂体", Sand::kWidthId, Sand::kValidWidthId},
        {ExpectStoredAfterAccepted<Sand>, "砂体", Sand::kValidWidthId, Sand::kWidthId},
        {ExpectStoredAfterAccepted<Contour>, "等值线", Contour::kWidthId, Contour::kFontSizeId},
        {ExpectStoredAfterAccepted<Contour>, "等值线", Contour::kFontSizeId, Contour::kWidthId},
        {ExpectStoredAfterAccepted<CPropListPieLayerObj>, "饼图", CPropListPieLayerObj::kFontSizeId, 0},
    };
    parsnip::MapFixture map;
    for (const Case& c : cases) c.expect(map.AddLayer(c.kind, c.kind), c.id, c.other, c.stored);
}

// The fill's cell size is a number item: a refusal shows the stored size through the item itself,
// so a size taken after it still shows in the item's own format.
TEST(LayerPageRefusals, ACellSizeTakenAfterARefusalKeepsItsNumberFormat) {
    parsnip::MapFixture map;
    CQXLayer* lines = map.AddLayer("线", "线");
    map.AddPolyline("河流", {{0, 0}, {1, 1}}, lines);  // the layer answers its lines' fill
    CQXLayer* stratumMap = map.AddLayer("小层", "小层平面图");
    auto check = [](auto& page, DWORD_PTR id) {
        ASSERT_TRUE(page.Type(id, "1.5"));
        ASSERT_TRUE(page.Type(id, "-1"));
        EXPECT_EQ("1.50", page.Value(id)) << id;
        ASSERT_TRUE(page.Type(id, "3"));
        EXPECT_EQ("3.00", page.Value(id)) << id;
        planetest::ExpectCodeReportRefused(page, id, "-2", "3.00");
    };
    OpenList<CPropListLineLayerLine> linePage(lines);
    check(linePage, CPropListLineLayerLine::kCellSizeId);
    OpenList<CPropListStratumMapLayerFill> fillPage(stratumMap);
    for (DWORD_PTR id : {CPropListStratumMapLayerFill::kStoreCellSizeId, CPropListStratumMapLayerFill::kOilCellSizeId})
        check(fillPage, id);
}

// Whole numbers show "%d": the contour label's "间隔" typed "07" is taken as 7, then a refused
// "-1" shows "7", not the text typed before.
TEST(LayerPageRefusals, ARefusedWholeNumberShowsTheStoredNumberAsTheRefreshShowsIt) {
    parsnip::MapFixture map;
    CQXLayer* contour = map.AddLayer("等值线", "等值线");
    OpenList<CPropListContourLayerLine> page(contour);
    for (DWORD_PTR id : {CPropListContourLayerLine::kIntervalId, CPropListContourLayerLine::kBeginPosId,
                         CPropListContourLayerLine::kDecimalsId}) {
        ASSERT_TRUE(page.Type(id, "07"));
        const int redraws = page.Redraws();
        for (const char* refused : {"-1", "x"}) {
            ASSERT_TRUE(page.Type(id, refused));
            EXPECT_EQ("7", page.Value(id)) << id << " " << refused;
            planetest::ExpectCodeReportRefused(page, id, refused, "7");
        }
        EXPECT_EQ(redraws, page.Redraws()) << id;
        // A valid report from code after a typed refusal is taken.
        ASSERT_TRUE(page.Type(id, "-1"));
        page.Report(id, "3");
        EXPECT_EQ("3", page.Value(id)) << id;
        EXPECT_EQ(redraws + 1, page.Redraws()) << id;
    }
    EXPECT_EQ(3, kel::plane::CContourLayer(contour).GetLabelInterval());
}

// A change reported from code with a text the page's reader refuses writes nothing and redraws
// nothing; that one item shows the stored value as the refresh shows it.
TEST(LayerPageRefusals, ATextTheReaderRefusesAfterTheItemTookItShowsTheStoredValue) {
    parsnip::MapFixture map;
    CQXLayer* points = map.AddLayer("点", "点");
    OpenList<CPropListPointLayerPoint> page(points);
    ASSERT_TRUE(page.Type(CPropListPointLayerPoint::kFontSizeId, "1.2"));
    ASSERT_TRUE(page.Type(CPropListPointLayerPoint::kAngleId, "30"));
    const int redraws = page.Redraws();
    parsnip::testing::ClearCallLog();
    for (DWORD_PTR id : {CPropListPointLayerPoint::kSymbolSizeId, CPropListPointLayerPoint::kFontSizeId}) {
        CBCGPProp* item = page.Item(id);
        page.Report(id, "-7");
        EXPECT_EQ(page.Item(id), item) << id;
    }
    EXPECT_EQ("0.00", page.Value(CPropListPointLayerPoint::kSymbolSizeId));
    EXPECT_EQ("1.20", page.Value(CPropListPointLayerPoint::kFontSizeId));
    EXPECT_EQ("30", page.Value(CPropListPointLayerPoint::kAngleId));
    EXPECT_EQ(0, parsnip::testing::CountCalls("kel::plane::CPointLayer::SetSymbolPoint"));
    EXPECT_EQ(0, parsnip::testing::CountCalls("kel::plane::CPointLayer::SetFont"));
    EXPECT_EQ(redraws, page.Redraws());

    // The angle and the decimals the item or the reader refuses show as the refresh shows them.
    ASSERT_TRUE(page.Type(CPropListPointLayerPoint::kAngleId, "30.0"));
    ASSERT_TRUE(page.Pick(CPropListPointLayerPoint::kDecimalsId, "2"));
    for (const char* refused : {"1e999", "-1e999"}) {
        ASSERT_TRUE(page.Type(CPropListPointLayerPoint::kAngleId, refused));
        EXPECT_EQ("30.00", page.Value(CPropListPointLayerPoint::kAngleId)) << refused;
        page.Report(CPropListPointLayerPoint::kDecimalsId, refused);
        EXPECT_EQ("2", page.Value(CPropListPointLayerPoint::kDecimalsId)) << refused;
    }
    EXPECT_EQ(redraws + 2, page.Redraws());
}
