// The facies and scattered-attribute layer pages: the "统一..." switches grey their items on the
// edit and on every refresh, the virtual-well symbol also goes into the plane options, and the
// scattered layer's managed attribute.
#include <gtest/gtest.h>

#include "CodeReport.h"
#include "PlaneListFixture.h"
#include "framework/PropStyleCombox.h"
#include "hostlibs/Moraine/MoraineTesting.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hosttypes/Moraine/FaciesLayer.h"
#include "hosttypes/Moraine/PlaneOption.h"
#include "hosttypes/Moraine/ScatteredLayer.h"
#include "hosttypes/Moraine/RegionLayer.h"
#include "hosttypes/Moraine/SandLayer.h"
#include "planemap/layers/PropListAttributeLayerPages.h"
#include "planemap/layers/PropListSandLayerData.h"
#include "planemap/layers/PropListSandLayerLine.h"

namespace {

using kel::plane::CFaciesLayer;
using kel::plane::CPlaneOption;
using kel::plane::CRegionLayer;
using kel::plane::CSandLayer;
using kel::plane::CScatteredLayer;
using planetest::OpenList;

struct Reset {
    Reset() { moraine::testing::Reset(); }
    ~Reset() { moraine::testing::Reset(); }
};

TEST(AttributeLayerLinePage, ASameColourSwitchOffGreysTheColourAndARefreshKeepsItGrey) {
    Reset reset;
    parsnip::MapFixture map;
    CQXLayer* layer = map.AddLayer("相1", "沉积相线");
    CFaciesLayer(layer).SetLineSameColor(1);
    CFaciesLayer(layer).SetLineSameStyle(1);
    CFaciesLayer(layer).SetLineSameSize(1);
    using Page = CPropListFaciesLayerLine;
    OpenList<Page> page(layer);
    EXPECT_TRUE(page.Enabled(Page::kColorId));

    ASSERT_TRUE(page.Pick(Page::kSameColorId, "否"));
    EXPECT_EQ(0, CFaciesLayer(layer).GetLineSameColor());
    EXPECT_FALSE(page.Enabled(Page::kColorId));
    EXPECT_TRUE(page.Enabled(Page::kStyleId));
    EXPECT_TRUE(page.Enabled(Page::kWidthId));

    ASSERT_TRUE(page.Type(Page::kWidthId, "1.5"));  // a change of the layer: the next selection re-reads
    EXPECT_FLOAT_EQ(150.0f, CFaciesLayer(layer).GetLineSize());
    page.Show(layer);
    EXPECT_EQ("1.50", page.Value(Page::kWidthId));
    EXPECT_FALSE(page.Enabled(Page::kColorId));
    for (const char* refused : {"-1", "abc"}) {
        ASSERT_TRUE(page.Type(Page::kWidthId, refused));
        EXPECT_FLOAT_EQ(150.0f, CFaciesLayer(layer).GetLineSize()) << refused;
        EXPECT_EQ("1.50", page.Value(Page::kWidthId)) << refused;
    }
}

TEST(AttributeLayerPointPage, TheVirtualWellSymbolGoesToTheLayerAndThePlaneOptions) {
    Reset reset;
    parsnip::MapFixture map;
    CQXLayer* layer = map.AddLayer("离散1", "离散属性边界线");
    CScatteredLayer(layer).SetAppendControlPointInnerColor(RGB(9, 9, 9));
    CScatteredLayer(layer).SetAppendControlPointStyle(4);
    CPlaneOption::Instance()->m_VirtualWellPoint.innerColor = RGB(8, 8, 8);
    CPlaneOption::Instance()->m_VirtualWellPoint.style = 3;
    using Page = CPropListScatteredLayerAppendControlPoint;
    OpenList<Page> page(layer);

    ASSERT_TRUE(page.Type(Page::kSizeId, "1.25"));
    EXPECT_FLOAT_EQ(125.0f, CScatteredLayer(layer).GetAppendControlPointSize());
    EXPECT_FLOAT_EQ(125.0f, CPlaneOption::Instance()->m_VirtualWellPoint.size);
    ASSERT_TRUE(page.Type(Page::kSizeId, "-3"));
    EXPECT_FLOAT_EQ(125.0f, CPlaneOption::Instance()->m_VirtualWellPoint.size);
    EXPECT_EQ("1.25", page.Value(Page::kSizeId));

    ASSERT_TRUE(page.Color(Page::kBorderColorId, RGB(0, 90, 0)));
    QXLOGPOINT symbol;
    CScatteredLayer(layer).GetAppendControlPoint(&symbol);
    EXPECT_EQ(RGB(0, 90, 0), symbol.borderColor);
    EXPECT_EQ(RGB(9, 9, 9), symbol.innerColor);
    EXPECT_EQ(4u, symbol.style);
    const QXLOGPOINT& option = CPlaneOption::Instance()->m_VirtualWellPoint;
    EXPECT_EQ(RGB(0, 90, 0), option.borderColor);
    EXPECT_EQ(RGB(8, 8, 8), option.innerColor);
    EXPECT_EQ(3u, option.style);
}

TEST(AttributeLayerDataPage, TheManagedAttributeIsTheDataNameAfterItsFirstDot) {
    Reset reset;
    parsnip::MapFixture map;
    CQXLayer* layer = map.AddLayer("离散1", "离散属性边界线");
    using Page = CPropListScatteredLayerData;
    for (auto [dataName, shown] : {std::pair{"t.a.b", "a.b"}, {"t.", ""}, {"plain", "plain"}}) {
        moraine::testing::SetLayerText(layer, "DataName", dataName);
        OpenList<Page> page(layer);
        EXPECT_EQ(shown, page.Value(Page::kDataNameId)) << dataName;
        EXPECT_FALSE(page.Item(Page::kStratumId)->IsAllowEdit());
    }
    OpenList<Page> page(layer);
    ASSERT_TRUE(page.Pick(Page::kFillSwitchId, "否"));
    EXPECT_EQ(0, CScatteredLayer(layer).GetFillVisible());

    CQXLayer* facies = map.AddLayer("相1", "沉积相线");
    OpenList<CPropListFaciesLayerData> faciesPage(facies);
    EXPECT_TRUE(faciesPage.Item(CPropListFaciesLayerData::kStratumId)->IsAllowEdit());
    ASSERT_TRUE(faciesPage.Pick(CPropListFaciesLayerData::kVirtualWellSwitchId, "是"));
    EXPECT_EQ(1, CFaciesLayer(facies).GetAppendControlPointVisible());
}

// The stratum is the layer's own: a text typed into the facies page's "层名", or reported from code
// on the other pages, is not taken, and the item shows the layer's stratum again.
TEST(AttributeLayerDataPage, TheStratumNameTakesNoText) {
    Reset reset;
    parsnip::MapFixture map;
    CQXLayer* facies = map.AddLayer("相1", "沉积相线");
    moraine::testing::SetLayerStratum(facies, 2, "沙二1", "");
    OpenList<CPropListFaciesLayerData> page(facies);
    for (const char* text : {"1e400", "沙三1", ""})
        planetest::ExpectTypedRefused(page, CPropListFaciesLayerData::kStratumId, text, "沙二1");

    CQXLayer* region = map.AddLayer("区域1", "区域边界");
    moraine::testing::SetLayerStratum(region, 2, "沙二2", "");
    OpenList<CPropListRegionLayerData> other(region);
    planetest::ExpectCodeReportRefused(other, CPropListRegionLayerData::kStratumId, "x", "沙二2");
}

TEST(DistributionLayerPages, TheRegionPagesSwitchAndGreyAsTheOilWaterPages) {
    Reset reset;
    parsnip::MapFixture map;
    CQXLayer* layer = map.AddLayer("区域1", "区域边界");
    CRegionLayer(layer).SetLineSameStyle(1);
    CRegionLayer(layer).SetLineStyle(5);
    using Line = CPropListRegionLayerLine;
    OpenList<Line> page(layer);
    EXPECT_TRUE(page.Enabled(Line::kStyleId));
    ASSERT_TRUE(page.Pick(Line::kSameStyleId, "否"));
    EXPECT_FALSE(page.Enabled(Line::kStyleId));
    ASSERT_TRUE(page.Type(Line::kWidthId, "0"));
    EXPECT_FLOAT_EQ(0.0f, CRegionLayer(layer).GetLineSize());
    page.Show(layer);
    EXPECT_FALSE(page.Enabled(Line::kStyleId));
    EXPECT_EQ(5u, dynamic_cast<CPropStyleCombox*>(page.Item(Line::kStyleId))->GetVal());

    using Data = CPropListRegionLayerData;
    OpenList<Data> data(layer);
    EXPECT_EQ("区划线", platform::GridDriver::Info(data.Item(Data::kLineSwitchId)).name);
    EXPECT_EQ("区划带", platform::GridDriver::Info(data.Item(Data::kFillSwitchId)).name);
    EXPECT_EQ(nullptr, data.list().GetPropList().FindItemByData(2004, TRUE));  // no virtual wells
    ASSERT_TRUE(data.Pick(Data::kFillSwitchId, "否"));
    EXPECT_EQ(0, CRegionLayer(layer).GetFillVisible());
}

TEST(SandLayerPages, EachSwitchAndEachGroupActsOnItsOwnFamily) {
    Reset reset;
    parsnip::MapFixture map;
    CQXLayer* layer = map.AddLayer("砂体1", "砂体");
    CSandLayer sand(layer);
    sand.SetLineVisible(1);
    sand.SetLineValidVisible(1);
    sand.SetFillVisible(1);
    sand.SetFillValidVisible(1);
    OpenList<CPropListSandLayerData> data(layer);
    ASSERT_TRUE(data.Pick(CPropListSandLayerData::kValidFillSwitchId, "否"));
    EXPECT_EQ(0, CSandLayer(layer).GetFillValidVisible());
    EXPECT_EQ(1, CSandLayer(layer).GetFillVisible());
    EXPECT_EQ(1, CSandLayer(layer).GetLineVisible());
    EXPECT_EQ(1, CSandLayer(layer).GetLineValidVisible());

    sand.SetLineSameColor(1);
    sand.SetLineValidSameColor(1);
    sand.SetLineValidSize(40);
    using Line = CPropListSandLayerLine;
    OpenList<Line> page(layer);
    EXPECT_EQ("0.40", page.Value(Line::kValidWidthId));
    ASSERT_TRUE(page.Pick(Line::kValidSameColorId, "否"));
    EXPECT_EQ(0, CSandLayer(layer).GetLineValidSameColor());
    EXPECT_EQ(1, CSandLayer(layer).GetLineSameColor());
    EXPECT_FALSE(page.Enabled(Line::kValidColorId));
    EXPECT_TRUE(page.Enabled(Line::kColorId));
    ASSERT_TRUE(page.Type(Line::kValidWidthId, "0.8"));
    EXPECT_FLOAT_EQ(80.0f, CSandLayer(layer).GetLineValidSize());
    ASSERT_TRUE(page.Type(Line::kValidWidthId, "x"));
    EXPECT_EQ("0.80", page.Value(Line::kValidWidthId));  // the stored width, as the page shows it
    EXPECT_FLOAT_EQ(80.0f, CSandLayer(layer).GetLineValidSize());
}

}  // namespace
