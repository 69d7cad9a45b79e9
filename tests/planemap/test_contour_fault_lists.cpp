// The geology lists: contour lines (refused sizes and distances, same-type label edits), contour
// bands (information only), fault lines (kinds opening and closing lines, standard pens) and fault
// combinations (wall and zone edits across blocks, blocks lacking a part).
#include <gtest/gtest.h>

#include "PlaneListFixture.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Moraine/FaultLayer.h"
#include "hosttypes/Parsnip/QXObjectBlock.h"
#include "hosttypes/Parsnip/QXObjectContour.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "planemap/PropListContour.h"
#include "planemap/PropListContourFill.h"
#include "planemap/PropListFaultBlock.h"
#include "planemap/PropListFaultLine.h"

namespace {

using planetest::FontOf;
using planetest::PenOf;

using parsnip::MapFixture;
using parsnip::testing::ClearCallLog;
using parsnip::testing::CountCalls;

CQXObjectContour* AddContour(MapFixture& map, const char* label, const char* type = "等值线") {
    auto* contour = map.Add<CQXObjectContour>(type);
    contour->SetLabel(label);
    QXLOGPEN pen;
    pen.width = 50;
    contour->SetLogPen(&pen);
    QXLOGFONT font;
    font.size = 1200;
    font.transparent = 1;
    contour->SetLogFont(&font);
    return contour;
}

// A fault combination with its hanging wall, footwall (unless left out) and fault-zone polygon.
CQXObjectBlock* AddBlock(MapFixture& map, bool withFootwall = true) {
    auto* block = map.Add<CQXObjectBlock>("断层组合");
    for (const char* part : {"上盘", "下盘"}) {
        if (!withFootwall && part == std::string("下盘")) continue;
        auto* wall = new CQXObjectLine;
        wall->SetTypeName(part);
        block->AddObject(wall);
    }
    auto* zone = new CQXObjectFill;
    zone->SetTypeName("断层多边形");
    QXLOGBRUSH brush;
    brush.style = kBrushStyleSolid;
    zone->SetLogBrush(&brush);
    block->AddObject(zone);
    return block;
}

CQXObjectLine* Wall(CQXObjectBlock* block, const char* part) {
    return dynamic_cast<CQXObjectLine*>(block->GetObjectByTypeName(part));
}

}  // namespace

// ---- contour lines --------------------------------------------------------------------------------

TEST(ContourList, ShowsOneContourAndEmptiesItsValueForSeveral) {
    MapFixture map;
    CQXObjectContour* a = AddContour(map, "1250");
    a->SetStartDistance(1000);
    a->SetLabelDistance(5070);
    planetest::OpenList<CPropListContour> open(map, {a});
    EXPECT_EQ("等值线", open.Value(CPropListContour::kTypeId));
    EXPECT_EQ("1250", open.Value(CPropListContour::kValueId));
    EXPECT_TRUE(open.Enabled(CPropListContour::kValueId));
    EXPECT_EQ("0.50", open.Value(CPropListContour::kPenWidthId));
    EXPECT_EQ("12.00", open.Value(CPropListContour::kFontSizeId));
    EXPECT_EQ("10", open.Value(CPropListContour::kLabelStartId));
    EXPECT_EQ("50", open.Value(CPropListContour::kLabelSpacingId));  // integer part of 50.7
    EXPECT_EQ("是", open.Value(CPropListContour::kBackTransparentId));
    EXPECT_FALSE(open.Enabled(CPropListContour::kBackColorId));

    map.Select(AddContour(map, "1300"));
    open.Show(a);
    EXPECT_EQ("", open.Value(CPropListContour::kValueId));
    EXPECT_FALSE(open.Enabled(CPropListContour::kValueId));
}

TEST(ContourList, RefusedWidthsSizesAndDistancesShowTheStoredValueAgain) {
    MapFixture map;
    CQXObjectContour* a = AddContour(map, "10");
    planetest::OpenList<CPropListContour> open(map, {a});

    ASSERT_TRUE(open.Type(CPropListContour::kPenWidthId, "0"));  // a typed 0 is a width
    EXPECT_FLOAT_EQ(0.0f, PenOf(a).width);
    ASSERT_TRUE(open.Type(CPropListContour::kPenWidthId, "1.5"));
    ClearCallLog();
    const int redraws = open.Redraws();
    open.Type(CPropListContour::kPenWidthId, "abc");  // reads as 0 but is no number
    EXPECT_EQ("1.50", open.Value(CPropListContour::kPenWidthId));
    open.Type(CPropListContour::kPenWidthId, "-1");
    EXPECT_EQ("1.50", open.Value(CPropListContour::kPenWidthId));
    open.Type(CPropListContour::kPenWidthId, "1e39");  // beyond what the pen record holds
    EXPECT_EQ("1.50", open.Value(CPropListContour::kPenWidthId));
    EXPECT_EQ(0, CountCalls("CQXObjectLine::SetLogPen"));
    EXPECT_EQ(0, CountCalls("CQXObject::OnChanged"));  // a refused text tells nobody
    EXPECT_EQ(redraws, open.Redraws());

    open.Type(CPropListContour::kFontSizeId, "x");
    EXPECT_EQ("12.00", open.Value(CPropListContour::kFontSizeId));
    ASSERT_TRUE(open.Type(CPropListContour::kFontSizeId, "9"));
    EXPECT_FLOAT_EQ(900.0f, FontOf(a).size);

    for (const char* refused : {"0", "-3", "abc"}) {
        open.Type(CPropListContour::kLabelStartId, refused);
        EXPECT_EQ("10", open.Value(CPropListContour::kLabelStartId)) << refused;
    }
    ASSERT_TRUE(open.Type(CPropListContour::kLabelStartId, "2.7"));
    EXPECT_DOUBLE_EQ(200.0, a->GetStartDistance());
    ASSERT_TRUE(open.Type(CPropListContour::kLabelSpacingId, "99999999"));  // x100 leaves 32 bits: no wrap
    EXPECT_DOUBLE_EQ(9999999900.0, a->GetLabelDistance());
}

// A value is formatted again at the contour's decimals; one that rounds to zero reads without a
// sign.
TEST(ContourList, AValueThatRoundsToZeroIsLabelledWithoutASign) {
    MapFixture map;
    CQXObjectContour* a = AddContour(map, "10");
    planetest::OpenList<CPropListContour> open(map, {a});
    ASSERT_TRUE(open.Type(CPropListContour::kValueId, "-1e-315"));
    EXPECT_EQ(CString("0"), a->GetLabel());
    a->SetDecimal(2);
    ASSERT_TRUE(open.Type(CPropListContour::kValueId, "-0.004"));
    EXPECT_EQ(CString("0.00"), a->GetLabel());
    ASSERT_TRUE(open.Type(CPropListContour::kValueId, "-0.006"));
    EXPECT_EQ(CString("-0.01"), a->GetLabel());
}

TEST(ContourList, EditsReachContoursOfTheTypeNameAndRecomputeThem) {
    MapFixture map;
    CQXObjectContour* a = AddContour(map, "10");
    CQXObjectContour* b = AddContour(map, "20");
    CQXObjectContour* other = AddContour(map, "30", "断层");
    planetest::OpenList<CPropListContour> open(map, {a, b, other});
    ClearCallLog();
    const int before = open.Redraws();
    ASSERT_TRUE(open.Color(CPropListContour::kPenColorId, RGB(200, 0, 0)));
    EXPECT_EQ(RGB(200, 0, 0), PenOf(b).color);
    EXPECT_EQ(0u, PenOf(other).color);
    EXPECT_EQ(1, CountCalls("CQXObject::OnChanged", b));
    EXPECT_EQ(0, CountCalls("CQXObject::OnChanged", other));
    EXPECT_EQ(before + 1, open.Redraws());

    ASSERT_TRUE(open.Pick(CPropListContour::kBackTransparentId, "否"));
    EXPECT_EQ(0u, FontOf(b).transparent);
    EXPECT_TRUE(open.Enabled(CPropListContour::kBackColorId));
    ASSERT_TRUE(open.Pick(CPropListContour::kDecimalsId, "2"));
    EXPECT_EQ(2, b->GetDecimal());
    EXPECT_EQ("20.00", b->GetLabel());
    EXPECT_EQ(0, other->GetDecimal());
}

TEST(ContourList, ValueEditRenamesAndFormatsTheLabelWithItsDecimals) {
    MapFixture map;
    CQXObjectContour* a = AddContour(map, "10");
    a->SetDecimal(1);
    planetest::OpenList<CPropListContour> open(map, {a});
    ASSERT_TRUE(open.Type(CPropListContour::kValueId, "12"));
    EXPECT_EQ("12", a->GetName());
    EXPECT_EQ("12.0", a->GetLabel());
}

// ---- contour bands ----------------------------------------------------------------------------------

TEST(ContourFillList, AreaAndIntervalBelongToOneFillOnly) {
    MapFixture map;
    CQXObjectFill* band = map.AddFill("等值线填充", {{0, 0}, {1234.5678, 0}, {1234.5678, 1}, {0, 1}});
    band->SetName("10-20");
    CQXObjectFill* second = map.AddFill("等值线填充", {{0, 0}, {1, 0}, {1, 1}});
    planetest::OpenList<CPropListContourFill> open(map, {band});
    EXPECT_EQ("等值线填充", open.Value(CPropListContourFill::kTypeId));
    EXPECT_EQ("10-20", open.Value(CPropListContourFill::kIntervalId));
    EXPECT_EQ("1234.57", open.Value(CPropListContourFill::kAreaId));

    map.Select(second);
    open.Show(band);
    EXPECT_EQ("", open.Value(CPropListContourFill::kIntervalId));
    EXPECT_EQ("", open.Value(CPropListContourFill::kAreaId));

    // A single object that is no fill has no area to show: the item is left as it stands.
    open.ShowAlone(map, band);
    CQXObjectContour* line = AddContour(map, "5");
    open.ShowAlone(map, line);
    EXPECT_EQ("1234.57", open.Value(CPropListContourFill::kAreaId));
}

// ---- fault lines ------------------------------------------------------------------------------------

TEST(FaultLineList, KindChangesOpenAndCloseTheLinesOfTheOldKind) {
    MapFixture map;
    CQXObjectPolyline* up1 = map.AddPolyline("上盘", {{0, 0}, {1, 0}, {1, 1}});
    CQXObjectPolyline* up2 = map.AddPolyline("上盘", {{0, 2}, {1, 2}});
    CQXObjectPolyline* down = map.AddPolyline("下盘", {{0, 3}, {1, 3}});
    planetest::OpenList<CPropListFaultLine> open(map, {up1, up2, down});
    EXPECT_FALSE(open.Enabled(CPropListFaultLine::kFillId));

    ASSERT_TRUE(open.Pick(CPropListFaultLine::kKindId, "断层多边形"));
    EXPECT_EQ("断层多边形", up1->GetTypeName());
    EXPECT_EQ("断层多边形", up2->GetTypeName());
    EXPECT_EQ("下盘", down->GetTypeName());
    EXPECT_EQ(1, up1->IsClosed());
    EXPECT_EQ(1, up2->IsClosed());
    EXPECT_EQ(0, down->IsClosed());
    EXPECT_TRUE(open.Enabled(CPropListFaultLine::kFillId));
    EXPECT_TRUE(open.Enabled(CPropListFaultLine::kFillColorId));

    ASSERT_TRUE(open.Pick(CPropListFaultLine::kKindId, "断层中线"));
    EXPECT_EQ("断层中线", up2->GetTypeName());
    EXPECT_EQ(0, up1->IsClosed());
    EXPECT_EQ(0, up2->IsClosed());
    EXPECT_FALSE(open.Enabled(CPropListFaultLine::kFillId));
    open.Show(up1);
    EXPECT_EQ("断层中线", open.Value(CPropListFaultLine::kKindId));
    EXPECT_FALSE(open.Enabled(CPropListFaultLine::kFillId));

    // A cut character reported from code as the name is no text: nothing is named, the item shows
    // the stored name, and the next kind pick stores no such name either.
    up1->SetName("F1");
    up2->SetName("F2");
    open.Show(up1);
    parsnip::testing::ClearCallLog();
    const int redraws = open.Redraws();
    open.Report(CPropListFaultLine::kNameId, "\xE4\xB8");
    EXPECT_EQ("F1", open.Value(CPropListFaultLine::kNameId));
    EXPECT_EQ(0, parsnip::testing::CountCalls("CQXObject::SetName"));
    EXPECT_EQ(redraws, open.Redraws());
    ASSERT_TRUE(open.Pick(CPropListFaultLine::kKindId, "上盘"));
    EXPECT_EQ("F1", up1->GetName());
    EXPECT_EQ("F2", up2->GetName());
    EXPECT_EQ("F1", open.Value(CPropListFaultLine::kNameId));
}

TEST(FaultLineList, RememberedPenShowsAsTheLayersStandardPenOfTheKind) {
    MapFixture map;
    QXLOGPEN standard;
    standard.width = 120;
    kel::plane::CFaultLayer(map.Layer()).SetUpPen(standard);
    CQXObjectPolyline* up = map.AddPolyline("上盘", {{0, 0}, {1, 0}});
    planetest::OpenList<CPropListFaultLine> open(map, {up});
    EXPECT_EQ("1.2", open.Value(CPropListFaultLine::kPenWidthId));  // the line carries the remembered (initial) pen

    ASSERT_TRUE(open.Type(CPropListFaultLine::kPenWidthId, "0.5"));
    EXPECT_FLOAT_EQ(50.0f, PenOf(up).width);
    open.Show(up);
    EXPECT_EQ("0.5", open.Value(CPropListFaultLine::kPenWidthId));

    ASSERT_TRUE(open.Type(CPropListFaultLine::kPenWidthId, "abc"));  // no number: stored as 0
    EXPECT_FLOAT_EQ(0.0f, PenOf(up).width);
    open.Show(up);
    EXPECT_EQ("0.0", open.Value(CPropListFaultLine::kPenWidthId));
    ASSERT_TRUE(open.Type(CPropListFaultLine::kPenWidthId, "1e39"));  // beyond the pen record: nothing written
    EXPECT_FLOAT_EQ(0.0f, PenOf(up).width);

    // A kind without a standard pen in the layer shows the line's own pen.
    CQXObjectPolyline* down = map.AddPolyline("下盘", {{0, 1}, {1, 1}});
    open.ShowAlone(map, down);
    EXPECT_EQ("0.0", open.Value(CPropListFaultLine::kPenWidthId));
}

TEST(FaultLineList, FillItemsFollowTheFillAndALineOutsideALayerIsHarmless) {
    MapFixture map;
    CQXObjectPolyline* polygon = map.AddPolyline("断层多边形", {{0, 0}, {1, 0}, {1, 1}});
    CQXObjectPolyline* other = map.AddPolyline("断层多边形", {{0, 2}, {1, 2}, {1, 3}});
    QXLOGBRUSH none;
    none.style = kBrushStyleNone;
    polygon->SetLogBrush(&none);
    planetest::OpenList<CPropListFaultLine> open(map, {polygon, other});
    EXPECT_EQ("否", open.Value(CPropListFaultLine::kFillId));
    EXPECT_FALSE(open.Enabled(CPropListFaultLine::kFillColorId));
    ASSERT_TRUE(open.Pick(CPropListFaultLine::kFillId, "是"));
    EXPECT_TRUE(open.Enabled(CPropListFaultLine::kFillColorId));
    ASSERT_TRUE(open.Color(CPropListFaultLine::kFillColorId, RGB(0, 0, 200)));
    QXLOGBRUSH brush;
    other->GetLogBrush(&brush);
    EXPECT_EQ(kBrushStyleSolid, brush.style);
    EXPECT_EQ(RGB(0, 0, 200), brush.fillColor);

    CQXObjectPolyline loose;
    loose.SetTypeName("上盘");
    planetest::OpenList<CPropListFaultLine> lone(&loose);
    ASSERT_TRUE(lone.Pick(CPropListFaultLine::kKindId, "断层多边形"));
    EXPECT_EQ("断层多边形", loose.GetTypeName());
    EXPECT_EQ(1, loose.IsClosed());
    EXPECT_TRUE(lone.Type(CPropListFaultLine::kPenWidthId, "2"));
}

// ---- fault combinations -----------------------------------------------------------------------------

TEST(FaultBlockList, WallAndZoneEditsReachTheSamePartOfEverySelectedBlock) {
    MapFixture map;
    CQXObjectBlock* a = AddBlock(map);
    CQXObjectBlock* b = AddBlock(map);
    CQXObjectPolyline* line = map.AddPolyline("上盘", {{0, 0}, {1, 0}});
    planetest::OpenList<CPropListFaultBlock> open(map, {a, b, line});
    EXPECT_EQ("断层组合", open.Value(CPropListFaultBlock::kTypeId));
    EXPECT_EQ("逆断层", open.Value(CPropListFaultBlock::kSenseId));

    ASSERT_TRUE(open.Color(CPropListFaultBlock::kHangingWallColorId, RGB(1, 2, 3)));
    EXPECT_EQ(RGB(1, 2, 3), PenOf(Wall(b, "上盘")).color);
    EXPECT_EQ(0u, PenOf(Wall(b, "下盘")).color);
    EXPECT_EQ(0u, PenOf(line).color);

    ASSERT_TRUE(open.Type(CPropListFaultBlock::kFootwallWidthId, "2.5"));
    EXPECT_FLOAT_EQ(250.0f, PenOf(Wall(b, "下盘")).width);
    EXPECT_EQ(RGB(1, 2, 3), PenOf(Wall(a, "上盘")).color);
    ASSERT_TRUE(open.Type(CPropListFaultBlock::kFootwallWidthId, "1e39"));  // beyond the pen record: nothing written
    EXPECT_FLOAT_EQ(250.0f, PenOf(Wall(b, "下盘")).width);
    ASSERT_TRUE(open.Type(CPropListFaultBlock::kFootwallWidthId, "abc"));  // no number: stored as 0
    EXPECT_FLOAT_EQ(0.0f, PenOf(Wall(a, "下盘")).width);
    EXPECT_FLOAT_EQ(0.0f, PenOf(Wall(b, "下盘")).width);

    ASSERT_TRUE(open.Pick(CPropListFaultBlock::kZoneFillId, "否"));
    EXPECT_FALSE(open.Enabled(CPropListFaultBlock::kZoneColorId));
    QXLOGBRUSH brush;
    dynamic_cast<CQXObjectFill*>(b->GetObjectByTypeName("断层多边形"))->GetLogBrush(&brush);
    EXPECT_EQ(kBrushStyleNone, brush.style);

    ASSERT_TRUE(open.Type(CPropListFaultBlock::kNameId, "F1"));
    EXPECT_EQ("F1", b->GetName());
    EXPECT_EQ("", line->GetName());
}

TEST(FaultBlockList, SenseChangesTheShownBlockOnly) {
    MapFixture map;
    CQXObjectBlock* a = AddBlock(map);
    CQXObjectBlock* b = AddBlock(map);
    planetest::OpenList<CPropListFaultBlock> open(map, {a, b});
    ASSERT_TRUE(open.Pick(CPropListFaultBlock::kSenseId, "正断层"));
    int normal = 0;
    EXPECT_TRUE(a->GetPropertyManager()->GetBoolProperty("正断层", normal));
    EXPECT_EQ(1, normal);
    EXPECT_FALSE(b->GetPropertyManager()->HasProperty("正断层"));
    // Any other text reported from code is a reverse fault, which the item shows.
    open.Report(CPropListFaultBlock::kSenseId, "无此选项");
    EXPECT_TRUE(a->GetPropertyManager()->GetBoolProperty("正断层", normal));
    EXPECT_EQ(0, normal);
    EXPECT_EQ("逆断层", open.Value(CPropListFaultBlock::kSenseId));
}

TEST(FaultBlockList, BlockLackingAPartIsNotReadTakesNoEditAndIsNotRepainted) {
    MapFixture map;
    CQXObjectBlock* whole = AddBlock(map);
    whole->SetName("F1");
    CQXObjectBlock* broken = AddBlock(map, false);
    broken->SetName("F2");
    planetest::OpenList<CPropListFaultBlock> open(map, {whole});
    EXPECT_EQ("F1", open.Value(CPropListFaultBlock::kNameId));

    // The refresh stops at the missing part: the items stay as they stand.
    map.ClearSelection();
    open.ShowSelected(map, {broken, whole});
    EXPECT_EQ("F1", open.Value(CPropListFaultBlock::kNameId));
    EXPECT_TRUE(open.Enabled(CPropListFaultBlock::kHangingWallColorId));

    ClearCallLog();
    const int before = open.Redraws();
    ASSERT_TRUE(open.Color(CPropListFaultBlock::kHangingWallColorId, RGB(9, 9, 9)));
    ASSERT_TRUE(open.Type(CPropListFaultBlock::kNameId, "F9"));
    ASSERT_TRUE(open.Type(CPropListFaultBlock::kHangingWallWidthId, "2"));
    EXPECT_EQ(0u, PenOf(Wall(whole, "上盘")).color);
    EXPECT_EQ("F1", whole->GetName());
    EXPECT_EQ("F2", broken->GetName());
    EXPECT_EQ(before, open.Redraws());
    EXPECT_TRUE(parsnip::testing::CallLog().empty());
}
