// The well-net layer's line and fill pages: arrows reach every polyline of the layer, selected or
// not; the fill switch greys the colour.
#include <gtest/gtest.h>

#include <vector>

#include "PlaneListFixture.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Moraine/WellNetLayer.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "planemap/layers/PropListWellNetLayerFill.h"
#include "planemap/layers/PropListWellNetLayerLine.h"

namespace {

using Line = CPropListWellNetLayerLine;
using Fill = CPropListWellNetLayerFill;
const std::vector<FLOATPOINT> kPath{FLOATPOINT(0, 0), FLOATPOINT(3, 4)};

TEST(WellNetLayerLinePage, ArrowsReachEveryPolylineAndALengthOfZeroNothing) {
    parsnip::MapFixture map;
    CQXLayer* layer = map.AddLayer("井网", "连通井网");
    CQXObjectPolyline* a = map.AddPolyline("连通井网线", kPath, layer);
    CQXObjectPolyline* b = map.AddPolyline("连通井网线", kPath, layer);
    map.Select(a);
    b->GetBegArrow()->SetArrowLength(1.5);
    b->GetEndArrow()->SetArrowLength(1.5);
    a->GetBegArrow()->SetArrowLength(1.5);
    a->GetEndArrow()->SetArrowLength(1.5);
    planetest::OpenList<Line> page(layer);

    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.Pick(Line::kEndArrowId, "简单样式"));
    EXPECT_EQ(1, a->GetEndArrow()->GetArrowType());
    EXPECT_EQ(1, b->GetEndArrow()->GetArrowType());
    EXPECT_EQ(0, b->GetBegArrow()->GetArrowType());
    EXPECT_EQ(1, parsnip::testing::CountCalls("CQXObject::OnChanged", b));

    for (const char* nothing : {"0", "-2", "abc"}) {
        ASSERT_TRUE(page.Type(Line::kArrowLengthId, nothing));
        EXPECT_DOUBLE_EQ(1.5, b->GetBegArrow()->GetArrowLength()) << nothing;
    }
    ASSERT_TRUE(page.Type(Line::kArrowLengthId, "2.5"));
    EXPECT_DOUBLE_EQ(2.5, a->GetBegArrow()->GetArrowLength());
    EXPECT_DOUBLE_EQ(2.5, b->GetEndArrow()->GetArrowLength());

    ASSERT_TRUE(page.Type(Line::kWidthId, "0.5"));
    QXLOGPEN pen;
    layer->GetLogPen(&pen);
    EXPECT_FLOAT_EQ(50.0f, pen.width);
    ASSERT_TRUE(page.Type(Line::kWidthId, "-1"));
    layer->GetLogPen(&pen);
    EXPECT_FLOAT_EQ(50.0f, pen.width);
    EXPECT_EQ("0.50", page.Value(Line::kWidthId));  // the stored width, as a refresh shows it

    // A style or colour picked changes its own field alone: a width with more digits than shown
    // (249.96, "2.50") stays, and so does one that does not read (-100).
    for (float stored : {249.96f, -100.0f}) {
        QXLOGPEN wide = pen;
        wide.width = stored;
        kel::plane::CWellNetLayer(layer).SetPen(wide);
        page.Show(layer);
        ASSERT_TRUE(page.Color(Line::kColorId, RGB(9, 9, 9)));
        ASSERT_TRUE(page.PickEntry(Line::kStyleId, 2));
        layer->GetLogPen(&pen);
        EXPECT_EQ(RGB(9, 9, 9), pen.color) << stored;
        EXPECT_EQ(stored, pen.width);
    }

    ASSERT_TRUE(page.Pick(Line::kVisibleId, "否"));
    EXPECT_EQ(0, kel::plane::CWellNetLayer(layer).GetLineVisible());
    EXPECT_FALSE(page.Enabled(Line::kStyleId));
    EXPECT_FALSE(page.Enabled(Line::kArrowLengthId));
}

TEST(WellNetLayerFillPage, SwitchingTheFillOffGreysTheColour) {
    parsnip::MapFixture map;
    CQXLayer* layer = map.AddLayer("井网", "连通井网");
    kel::plane::CWellNetLayer(layer).SetFillVisible(1);
    planetest::OpenList<Fill> page(layer);
    EXPECT_TRUE(page.Enabled(Fill::kColorId));
    ASSERT_TRUE(page.Pick(Fill::kVisibleId, "否"));
    EXPECT_EQ(0, kel::plane::CWellNetLayer(layer).GetFillVisible());
    EXPECT_FALSE(page.Enabled(Fill::kColorId));
    ASSERT_TRUE(page.Pick(Fill::kVisibleId, "是"));
    EXPECT_TRUE(page.Enabled(Fill::kColorId));
    ASSERT_TRUE(page.Color(Fill::kColorId, RGB(3, 4, 5)));
    QXLOGBRUSH brush;
    layer->GetLogBrush(&brush);
    EXPECT_EQ(RGB(3, 4, 5), brush.fillColor);
}

}  // namespace
