// The contour layer pages: the mode rule and the "显示" switch over the line items, the number and
// whole-number rules, the "..." button of the line mode and of the colour template, and the data
// page that writes and redraws only for the layer's name.
#include <gtest/gtest.h>

#include <string>

#include "CodeReport.h"
#include "PlaneListFixture.h"
#include "driver/Responder.h"
#include "hostlibs/Moraine/MoraineTesting.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Moraine/ContourLayer.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "planemap/layers/PlanePropWndCreator.h"
#include "planemap/layers/PropListContourLayerData.h"
#include "planemap/layers/PropListContourLayerFill.h"
#include "planemap/layers/PropListContourLayerLine.h"

namespace {

using kel::plane::CContourLayer;
using parsnip::testing::CountCalls;
using planetest::OpenList;
using Line = CPropListContourLayerLine;
using Fill = CPropListContourLayerFill;

struct ContourWorld {
    parsnip::MapFixture map;
    CQXLayer* layer;
    CQXLayer* fillLayer;
    ContourWorld() {
        moraine::testing::Reset();
        layer = map.AddLayer("等值线", "等值线");
        fillLayer = map.AddLayer("等值填充", "等值填充");
        CContourLayer contour(layer);
        contour.SetLineVisible(1);
        contour.SetLineMode(0);
        contour.SetLineColorType(1);
    }
    ~ContourWorld() { moraine::testing::Reset(); }
};

TEST(ContourLinePage, TheModeRuleAndTheShowSwitchGreyTheLineItems) {
    ContourWorld world;
    OpenList<Line> page(world.layer);
    for (DWORD_PTR id : {Line::kColorTypeId, Line::kColorId, Line::kStyleId, Line::kWidthId})
        EXPECT_TRUE(page.Enabled(id)) << id;

    ASSERT_TRUE(page.Type(Line::kModeId, "自定义"));
    EXPECT_EQ(1, CContourLayer(world.layer).GetLineMode());
    for (DWORD_PTR id : {Line::kColorTypeId, Line::kColorId, Line::kStyleId, Line::kWidthId})
        EXPECT_FALSE(page.Enabled(id)) << id;

    EXPECT_FALSE(page.Pick(Line::kColorTypeId, "色标颜色"));  // greyed items take no edit
    ASSERT_TRUE(page.Type(Line::kModeId, "统一"));
    EXPECT_TRUE(page.Enabled(Line::kStyleId));
    EXPECT_TRUE(page.Enabled(Line::kColorId));  // the colouring is still "统一"
    ASSERT_TRUE(page.Pick(Line::kColorTypeId, "色标颜色"));
    EXPECT_FALSE(page.Enabled(Line::kColorId));
    ASSERT_TRUE(page.Type(Line::kModeId, "自定义"));
    ASSERT_TRUE(page.Type(Line::kModeId, "统一"));
    EXPECT_FALSE(page.Enabled(Line::kColorId));  // back on "统一" with "色标颜色": stays grey

    ASSERT_TRUE(page.Pick(Line::kVisibleId, "否"));
    EXPECT_FALSE(page.Enabled(Line::kFontSizeId));
    ASSERT_TRUE(page.Pick(Line::kVisibleId, "是"));
    for (DWORD_PTR id : {Line::kColorId, Line::kStyleId, Line::kFontSizeId, Line::kBackColorId})
        EXPECT_TRUE(page.Enabled(id)) << id;  // until the next refresh applies the mode rule
    ASSERT_TRUE(page.Type(Line::kWidthId, "1"));
    page.Show(world.layer);
    EXPECT_FALSE(page.Enabled(Line::kColorId));
}

TEST(ContourLinePage, NumbersAndWholeNumbersAreTakenOrTheStoredValueShownAgain) {
    ContourWorld world;
    OpenList<Line> page(world.layer);
    ASSERT_TRUE(page.Type(Line::kWidthId, "0.8"));
    EXPECT_DOUBLE_EQ(80.0, CContourLayer(world.layer).GetLineSize());
    ASSERT_TRUE(page.Type(Line::kWidthId, "-1"));
    EXPECT_DOUBLE_EQ(80.0, CContourLayer(world.layer).GetLineSize());
    EXPECT_EQ("0.80", page.Value(Line::kWidthId));  // the stored width, as the page shows it

    ASSERT_TRUE(page.Type(Line::kDecimalsId, "9"));
    EXPECT_EQ(9, CContourLayer(world.layer).GetLabelDotCount());
    ASSERT_TRUE(page.Type(Line::kDecimalsId, "-1"));
    EXPECT_EQ(9, CContourLayer(world.layer).GetLabelDotCount());
    EXPECT_EQ("9", page.Value(Line::kDecimalsId));

    ASSERT_TRUE(page.Type(Line::kBeginPosId, "4"));
    ASSERT_TRUE(page.Type(Line::kBeginPosId, "0"));
    EXPECT_EQ(0, CContourLayer(world.layer).GetLabelBeginPos());
    ASSERT_TRUE(page.Type(Line::kBeginPosId, "5"));
    ASSERT_TRUE(page.Type(Line::kBeginPosId, "a"));
    EXPECT_EQ(5, CContourLayer(world.layer).GetLabelBeginPos());
    EXPECT_EQ("5", page.Value(Line::kBeginPosId));

    ASSERT_TRUE(page.Pick(Line::kTransparentId, "是"));
    EXPECT_FALSE(page.Enabled(Line::kBackColorId));
}

// A text that is none of the options writes nothing and shows the stored choice again; the user can
// type into the mode, the colour setting changes from code only.
TEST(ContourLinePage, ATextThatIsNoModeOrColourSettingChangesOnlyItsItem) {
    ContourWorld world;
    OpenList<Line> page(world.layer);
    for (const char* text : {"1e400", "", "统一 ", "1"})
        planetest::ExpectTypedRefused(page, Line::kModeId, text, "统一");
    planetest::ExpectCodeReportRefused(page, Line::kColorTypeId, "x", "统一");

    ASSERT_TRUE(page.Type(Line::kModeId, "自定义"));
    EXPECT_EQ(1, CContourLayer(world.layer).GetLineMode());
    planetest::ExpectTypedRefused(page, Line::kModeId, "abc", "自定义");
}

TEST(ContourPages, TheMoreButtonOpensTheLibrarysEditorOnlyForCustom) {
    ContourWorld world;
    OpenList<Line> line(world.layer);
    const int before = line.Redraws();
    ASSERT_TRUE(line.grid().ClickSecondButton(line.Item(Line::kModeId)));  // "统一": only redraws
    EXPECT_EQ(0, CountCalls("CQXLayer::ChangeContourLineOption"));
    EXPECT_GT(line.Redraws(), before);
    ASSERT_TRUE(line.Type(Line::kModeId, "自定义"));
    ASSERT_TRUE(line.grid().ClickSecondButton(line.Item(Line::kModeId)));
    EXPECT_EQ(1, CountCalls("CQXLayer::ChangeContourLineOption", world.layer));

    OpenList<Fill> fill(world.layer);
    EXPECT_EQ("自定义", platform::GridDriver::Info(fill.Item(Fill::kTemplateId)).options.back());
    ASSERT_TRUE(fill.Type(Fill::kTemplateId, "自定义"));
    EXPECT_EQ("自定义", std::string(CContourLayer(world.layer).GetFillColorTemplate().GetString()));
    ASSERT_TRUE(fill.grid().ClickSecondButton(fill.Item(Fill::kTemplateId)));
    EXPECT_EQ(1, CountCalls("CQXLayer::ChangeContourFillOption", world.fillLayer));
    EXPECT_EQ(0, CountCalls("CQXLayer::ChangeContourFillOption", world.layer));

    ASSERT_TRUE(fill.Pick(Fill::kVisibleId, "否"));
    EXPECT_FALSE(fill.Enabled(Fill::kTemplateId));
    EXPECT_FALSE(fill.Enabled(Fill::kScaleVisibleId));
}

TEST(ContourDataPage, WritesAndRedrawsOnlyForTheLayerName) {
    ContourWorld world;
    moraine::testing::SetLayerText(world.layer, "TableName", "井点数据");
    OpenList<CPropListContourLayerData> page(world.layer);
    EXPECT_EQ("井点数据", page.Value(CPropListContourLayerData::kTableNameId));
    const int before = page.Redraws();
    page.list().GetPropList().OnPropertyChanged(page.Item(CPropListContourLayerData::kTableNameId));
    EXPECT_EQ(before, page.Redraws());
    ASSERT_TRUE(page.Type(CPropListContourLayerData::kLayerNameId, "等值线2"));
    EXPECT_EQ("等值线2", std::string(world.layer->GetName().GetString()));
    EXPECT_GT(page.Redraws(), before);
}

}  // namespace
