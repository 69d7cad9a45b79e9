// The range of a chart axis, its maximum less its minimum, divides the axis length and is divided by
// the major spacing: bounds whose range a double cannot hold are refused with a message, and the
// axis keeps its range.
#include <gtest/gtest.h>

#include "ChartPageFixture.h"
#include "chart/PropListAxis.h"

using namespace charttest;
using namespace chart;

namespace {

TEST(AxisRangeRatio, ARangeBeyondADoubleIsRefused) {
    OpenChartPage<CPropListAxis> p;
    ShapedAxis axis(0);
    axis.SetMin(0);
    axis.SetMax(100);
    axis.SetIsRangeAuto(false);
    p.Show(&axis);

    // 1.7e308 - 0 is a double: taken.
    EXPECT_TRUE(p.Type(kMaxId, "1.7e308"));
    EXPECT_EQ(1.7e308, axis.GetMax());
    EXPECT_TRUE(Boxes().empty());
    // -1.7e308 below it would make a range of 3.4e308.
    EXPECT_TRUE(p.Type(kMinId, "-1.7e308"));
    EXPECT_EQ(Boxes(), Texts{"最大值与最小值之差超出数值范围"});
    EXPECT_EQ(0, axis.GetMin());
    EXPECT_EQ(1.7e308, axis.GetMax());
    // The refused bound shows the stored one again, as the other bound refusals do.
    EXPECT_EQ("0.00", p.Value(kMinId));
    // The same minimum under a maximum of 1e308 leaves 2.7e308: still no double.
    EXPECT_TRUE(p.Type(kMaxId, "1e308"));
    EXPECT_TRUE(p.Type(kMinId, "-1.7e308"));
    EXPECT_EQ(Boxes().back(), "最大值与最小值之差超出数值范围");
    EXPECT_EQ(0, axis.GetMin());
    // A minimum whose range fits is taken, and then a maximum that would widen it too far is not.
    EXPECT_TRUE(p.Type(kMinId, "-7e307"));
    EXPECT_EQ(-7e307, axis.GetMin());
    EXPECT_TRUE(p.Type(kMaxId, "1.7e308"));
    EXPECT_EQ(Boxes().back(), "最大值与最小值之差超出数值范围");
    EXPECT_EQ(1e308, axis.GetMax());
    // Every spacing below the finite range is checked against it.
    EXPECT_TRUE(p.Type(kMajorSpacingId, "1e300"));
    EXPECT_EQ(1e300, axis.GetTickMarks()->GetMajorTickStruct()->GetSpacing());
}

}  // namespace
