// The fault layer's line page: its fills by brush style, and the pens and fill it also writes into
// the plane options.
#include <gtest/gtest.h>

#include "PlaneListFixture.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hosttypes/Moraine/FaultLayer.h"
#include "hosttypes/Moraine/PlaneOption.h"
#include "planemap/layers/PropListFaultLayerLine.h"

namespace {

using Page = CPropListFaultLayerLine;
using kel::plane::CFaultLayer;
using kel::plane::CPlaneOption;

struct FaultWorld {
    parsnip::MapFixture map;
    CQXLayer* layer = map.AddLayer("断层1", "断层");
    FaultWorld() { CPlaneOption::Instance()->Reset(); }
    ~FaultWorld() { CPlaneOption::Instance()->Reset(); }
    QXLOGBRUSH Zone() {
        QXLOGBRUSH brush;
        CFaultLayer(layer).GetBrush(brush);
        return brush;
    }
    QXLOGPEN Dn() {
        QXLOGPEN pen;
        CFaultLayer(layer).GetDnPen(pen);
        return pen;
    }
};

TEST(FaultLayerLinePage, FillSwitchesWriteOnOrOffAndGreyTheirColour) {
    FaultWorld world;
    QXLOGBRUSH polygon;
    polygon.style = 1002;
    polygon.fillColor = RGB(5, 5, 5);
    CFaultLayer(world.layer).SetPolygonBrush(polygon);
    QXLOGBRUSH zone;
    zone.style = 1001;
    zone.fillColor = RGB(7, 7, 7);
    CFaultLayer(world.layer).SetBrush(zone);
    planetest::OpenList<Page> page(world.layer);
    EXPECT_EQ("是", page.Value(Page::kPolygonFillId));
    EXPECT_TRUE(page.Enabled(Page::kPolygonFillColorId));

    ASSERT_TRUE(page.Pick(Page::kZoneFillId, "否"));
    EXPECT_EQ(1000u, world.Zone().style);
    EXPECT_EQ(RGB(7, 7, 7), world.Zone().fillColor);
    EXPECT_EQ(1000u, CPlaneOption::Instance()->m_FaultBrush.style);
    EXPECT_FALSE(page.Enabled(Page::kZoneColorId));
    QXLOGBRUSH stillPolygon;
    CFaultLayer(world.layer).GetPolygonBrush(stillPolygon);
    EXPECT_EQ(1002u, stillPolygon.style);  // replaced only when its own switch is edited

    ASSERT_TRUE(page.Pick(Page::kPolygonFillId, "否"));
    CFaultLayer(world.layer).GetPolygonBrush(stillPolygon);
    EXPECT_EQ(1000u, stillPolygon.style);
    EXPECT_EQ(1000u, CPlaneOption::Instance()->m_FaultBrush.style);
}

TEST(FaultLayerLinePage, AFootwallWidthReachesLayerAndOptionsAndARefusedOneNeither) {
    FaultWorld world;
    planetest::OpenList<Page> page(world.layer);
    ASSERT_TRUE(page.Type(Page::kDnWidthId, "0.25"));
    EXPECT_FLOAT_EQ(25.0f, world.Dn().width);
    EXPECT_FLOAT_EQ(25.0f, CPlaneOption::Instance()->m_DnPen.width);
    EXPECT_FLOAT_EQ(0.0f, CPlaneOption::Instance()->m_UpPen.width);

    for (const char* refused : {"x", "-1"}) {
        ASSERT_TRUE(page.Type(Page::kDnWidthId, refused));
        EXPECT_FLOAT_EQ(25.0f, world.Dn().width) << refused;
        EXPECT_FLOAT_EQ(25.0f, CPlaneOption::Instance()->m_DnPen.width) << refused;
        EXPECT_EQ("0.25", page.Value(Page::kDnWidthId)) << refused;
    }
    ASSERT_TRUE(page.Color(Page::kMidColorId, RGB(0, 0, 9)));
    QXLOGPEN mid;
    CFaultLayer(world.layer).GetMidPen(mid);
    EXPECT_EQ(RGB(0, 0, 9), mid.color);
    EXPECT_EQ(0u, CPlaneOption::Instance()->m_DnPen.color);
}

}  // namespace
