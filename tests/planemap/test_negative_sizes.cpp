// Lengths, widths, sizes and heights typed into the plane lists are never negative: a negative
// one writes nothing to any selected object, and the item shows the stored value again.
#include <gtest/gtest.h>

#include "PieFixture.h"
#include "PlaneListFixture.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hosttypes/Moraine/PieLayer.h"
#include "hosttypes/Parsnip/QXObjectArrow.h"
#include "hosttypes/Parsnip/QXObjectBitmap.h"
#include "hosttypes/Parsnip/QXObjectCircle.h"
#include "hosttypes/Parsnip/QXObjectLegend.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "hosttypes/Parsnip/QXObjectRect.h"
#include "planemap/PropListArrow.h"
#include "planemap/PropListEllipse.h"
#include "planemap/PropListLegend.h"
#include "planemap/PropListLine.h"
#include "planemap/PropListPicture.h"
#include "planemap/PropListRect.h"
#include "planemap/layers/PropListPieLayerObj.h"

using parsnip::MapFixture;
using planetest::OpenList;
using planetest::PenOf;

TEST(NegativeSizes, LinePenWidthsAreRefusedForEverySelectedLine) {
    MapFixture map;
    CQXObjectPolyline* a = map.AddPolyline("线", {{0, 0}, {1, 1}});
    CQXObjectPolyline* b = map.AddPolyline("线", {{2, 2}, {3, 3}});
    OpenList<CPropListLine> open(map, {a, b});
    ASSERT_TRUE(open.Type(CPropListLine::kPenWidthId, "0.4"));
    ASSERT_TRUE(open.Type(CPropListLine::kPenWidthId, "-1"));
    EXPECT_FLOAT_EQ(40.0f, PenOf(a).width);
    EXPECT_FLOAT_EQ(40.0f, PenOf(b).width);
    EXPECT_EQ("0.4", open.Value(CPropListLine::kPenWidthId));  // the text from before the refused edit
}

// A size or width text the lists refuse (no number, a negative, one no record holds) closes the
// edit, writes nothing, and the item shows the stored value again, not what was typed.
TEST(NegativeSizes, RefusedArrowSizeAndOutlineWidthShowTheStoredValueAgain) {
    MapFixture map;
    CQXObjectPolyline* road = map.AddPolyline("公路", {{0, 0}, {1, 1}});
    road->GetBegArrow()->SetArrowLength(2.5);
    OpenList<CPropListLine> lines(map, {road});
    EXPECT_EQ("2.50", lines.Value(CPropListLine::kArrowSizeId));
    for (const char* refused : {"nan", "inf", "abc", "0", "-1", "1e400", "-1e308"}) {
        ASSERT_TRUE(lines.Type(CPropListLine::kArrowSizeId, refused)) << refused;
        EXPECT_EQ(2.5, road->GetBegArrow()->GetArrowLength()) << refused;
        EXPECT_EQ("2.50", lines.Value(CPropListLine::kArrowSizeId)) << refused;
    }

    auto* ellipse = map.Add<CQXObjectCircle>("椭圆");
    QXLOGPEN pen = PenOf(ellipse);
    pen.width = 30;
    ellipse->SetLogPen(&pen);
    map.ClearSelection();
    OpenList<CPropListEllipse> ellipses(map, {ellipse});
    const std::string stored = ellipses.Value(CPropListEllipse::kPenWidthId);
    EXPECT_EQ("0.30", stored);
    for (const char* refused : {"nan", "abc", "0", "-1", "1e39", "-1e308"}) {
        ASSERT_TRUE(ellipses.Type(CPropListEllipse::kPenWidthId, refused)) << refused;
        EXPECT_FLOAT_EQ(30.0f, PenOf(ellipse).width) << refused;
        EXPECT_EQ(stored, ellipses.Value(CPropListEllipse::kPenWidthId)) << refused;
    }
    ASSERT_TRUE(ellipses.Type(CPropListEllipse::kPenWidthId, "0.8"));
    EXPECT_FLOAT_EQ(80.0f, PenOf(ellipse).width);
}

TEST(NegativeSizes, ArrowHeightAndRectangleSizes) {
    MapFixture map;
    auto* arrow = map.Add<CQXObjectArrow>("箭头");  // the size items are for one selected arrow
    OpenList<CPropListArrow> arrows(map, {arrow});
    ASSERT_TRUE(arrows.Type(CPropListArrow::kHeightId, "3"));
    ASSERT_TRUE(arrows.Type(CPropListArrow::kHeightId, "-3"));
    EXPECT_EQ(3.0, arrow->GetHeight());
    EXPECT_EQ("3", arrows.Value(CPropListArrow::kHeightId));

    auto* rect = map.Add<CQXObjectRect>("矩形");
    map.ClearSelection();
    OpenList<CPropListRect> rects(map, {rect});
    ASSERT_TRUE(rects.Type(CPropListRect::kLengthId, "8"));
    ASSERT_TRUE(rects.Type(CPropListRect::kWidthId, "6"));
    ASSERT_TRUE(rects.Type(CPropListRect::kCornerAId, "1"));
    ASSERT_TRUE(rects.Type(CPropListRect::kLengthId, "-8"));
    ASSERT_TRUE(rects.Type(CPropListRect::kWidthId, "-1e308"));
    ASSERT_TRUE(rects.Type(CPropListRect::kCornerAId, "-1"));
    EXPECT_EQ(4.0, rect->GetRadiusA());
    EXPECT_EQ(3.0, rect->GetRadiusB());
    EXPECT_EQ(1.0, rect->GetRoundSize().cx);
    EXPECT_EQ("8", rects.Value(CPropListRect::kLengthId));
    EXPECT_EQ("6", rects.Value(CPropListRect::kWidthId));
    EXPECT_EQ("1", rects.Value(CPropListRect::kCornerAId));
}

TEST(NegativeSizes, LegendEntrySizeAndPictureSize) {
    MapFixture map;
    auto* legend = map.Add<CQXObjectLegend>("图例");
    OpenList<CPropListLegend> legends(map, {legend});
    ASSERT_TRUE(legends.Type(CPropListLegend::kEntryWidthId, "2"));
    ASSERT_TRUE(legends.Type(CPropListLegend::kEntryWidthId, "-5"));
    ASSERT_TRUE(legends.Type(CPropListLegend::kEntryHeightId, "-5"));
    EXPECT_EQ(200.0, legend->m_dLegendWidth);
    EXPECT_EQ(500.0, legend->m_dLegendHeight);
    EXPECT_EQ("2", legends.Value(CPropListLegend::kEntryWidthId));
    EXPECT_EQ("5.00", legends.Value(CPropListLegend::kEntryHeightId));

    auto* picture = map.Add<CQXObjectBitmap>("图片");
    picture->SetRadiusA(12.5);
    map.ClearSelection();
    OpenList<CPropListPicture> pictures(map, {picture});
    ASSERT_TRUE(pictures.Type(CPropListPicture::kLengthId, "-12.5"));
    EXPECT_EQ(12.5, picture->GetRadiusA());
    EXPECT_EQ("12.50", pictures.Value(CPropListPicture::kLengthId));
}

TEST(NegativeSizes, PieBarSizes) {
    pietest::PieWorld w(7, 2);
    w.pie.SetBarWidth(4);
    OpenList<CPropListPieLayerObj> page(w.layer);
    const std::string shown = page.Value(CPropListPieLayerObj::kBarWidthId);
    page.Type(CPropListPieLayerObj::kBarWidthId, "-4");
    EXPECT_EQ(4.0, w.pie.GetBarWidth());
    EXPECT_EQ(shown, page.Value(CPropListPieLayerObj::kBarWidthId));
}
