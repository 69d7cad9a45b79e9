// A chart-symbol coordinate system divides its range, the maximum less the minimum, into divisions
// and label intervals: a bound whose range a double cannot hold is refused, the object is neither
// written nor marked, and the item shows its text from before.
#include <gtest/gtest.h>

#include <vector>

#include "PlaneListFixture.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXObjectCoordinate.h"
#include "hosttypes/Parsnip/QXSegment.h"
#include "planemap/layers/PropListCoordinate.h"

namespace {

using C = CPropListCoordinate;

TEST(CoordinateRangeRatio, ARangeBeyondADoubleIsRefused) {
    parsnip::MapFixture map;
    auto* axes = map.Add<CQXObjectCoordinate>("坐标系");
    axes->AddSegment(new CQXSegment(std::vector<FLOATPOINT>{{5, 6}}));
    axes->m_dHeight = 50;
    axes->m_dXMin = 0;
    axes->m_dXMax = 1.7e308;
    axes->m_dXDivision = 20;
    axes->m_dYMin = -1e308;
    axes->m_dYMax = 50;
    axes->m_dYDivision = 10;
    planetest::OpenList<C> list(map, {axes});
    // 1.7e308 - -1.7e308, 1.7e308 - -1e308 and 1e308 - -1e308 are beyond a double.
    const struct {
        DWORD_PTR id;
        const char* text;
    } kCases[] = {{C::kXMinId, "-1.7e308"}, {C::kXMinId, "-1e308"}, {C::kYMaxId, "1e308"}};
    for (const auto& c : kCases) {
        const std::string shown = list.Value(c.id);
        list.Type(c.id, c.text);
        EXPECT_EQ(shown, list.Value(c.id)) << c.text;
    }
    EXPECT_EQ(0, axes->m_dXMin);
    EXPECT_EQ(50, axes->m_dYMax);
    EXPECT_EQ(0, parsnip::testing::CountCalls("CQXObject::UpdateAfterEdit", axes));
    EXPECT_EQ(0, axes->GetModifyFlag());

    // Ranges a double holds are taken as before.
    list.Type(C::kXMinId, "-1e306");
    EXPECT_EQ(-1e306, axes->m_dXMin);
    list.Type(C::kYMaxId, "7e307");
    EXPECT_EQ(7e307, axes->m_dYMax);
}

}  // namespace
