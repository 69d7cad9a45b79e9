// Codes the map libraries may hand the plane pages beyond the values their enumerations name: each
// page shows its "any other value" text, and reading such a code is defined behaviour (the
// sanitizers stop on a code an enumeration cannot hold).
#include <gtest/gtest.h>

#include <initializer_list>

#include "PieFixture.h"
#include "PlaneListFixture.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hosttypes/Moraine/PieLayer.h"
#include "hosttypes/Parsnip/QXObjectBorder.h"
#include "hosttypes/Parsnip/QXObjectCircle.h"
#include "planemap/PropListBorderGrid.h"
#include "planemap/PropListEllipse.h"
#include "planemap/layers/PropListPieLayerObj.h"

using planetest::OpenList;

// Parsnip: a grid drawing code beyond "无" / "网格线" / "十字标记" shows "无" and leaves the
// grid's line items disabled, for the graticule and the kilometre grid alike.
TEST(HostCodes, BorderGridDrawTypeBeyondTheNamedOnesShowsNone) {
    parsnip::MapFixture map;
    auto* border = map.Add<CQXObjectBorder>("边框");
    border->SetDrawGraticule(1);
    border->SetDrawKilometerGrid(1);
    border->SetGGridDrawType(static_cast<CQXObjectBorder::GridDrawType>(7));
    border->SetKGridDrawType(static_cast<CQXObjectBorder::GridDrawType>(-1));
    OpenList<CPropListBorderGrid> open(map, {border});
    for (DWORD_PTR id : {CPropListBorderGrid::kGLineStyleId, CPropListBorderGrid::kKLineStyleId})
        EXPECT_EQ("无", open.Value(id)) << id;
    for (DWORD_PTR id : {CPropListBorderGrid::kGLinePenId, CPropListBorderGrid::kGCrossLengthId,
                         CPropListBorderGrid::kKLinePenId, CPropListBorderGrid::kKCrossLengthId})
        EXPECT_FALSE(open.Enabled(id)) << id;
    EXPECT_EQ(7, border->GetGGridDrawType());
}

// Parsnip: an ellipse drawn in a direction other than 1 shows "反向".
TEST(HostCodes, EllipseDirectionBeyondTheNamedOnesShowsBackward) {
    parsnip::MapFixture map;
    auto* ellipse = map.Add<CQXObjectCircle>("椭圆");
    map.Select(ellipse);
    OpenList<CPropListEllipse> open;
    for (int code : {7, -2}) {
        ellipse->SetDirection(static_cast<SEGMENTDIRECTION>(code));
        open.Show(ellipse);
        EXPECT_EQ("反向", open.Value(CPropListEllipse::kDirectionId)) << code;
    }
}

// Moraine: a dynamic multi-bar draw type other than 0 shows "折线图".
TEST(HostCodes, PieDrawTypeBeyondTheNamedOnesShowsLineChart) {
    pietest::PieWorld w(2, 2);
    w.pie.SetDataType(2);
    w.pie.SetDynamicMultiBarDrawType(1, static_cast<kel::plane::DynamicMultiBarDrawType>(5));
    w.pie.SetDynamicMultiBarDrawType(2, static_cast<kel::plane::DynamicMultiBarDrawType>(-3));
    OpenList<CPropListPieLayerObj> page(w.layer);
    EXPECT_EQ("折线图", page.Value(CPropListPieLayerObj::kDrawType1Id));
    EXPECT_EQ("折线图", page.Value(CPropListPieLayerObj::kDrawType2Id));
}
