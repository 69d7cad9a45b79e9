// The ruler-frame page: conversions between shown and kept values, positions, stamps, the groups
// enabled by their show flags, and that only a selected ruler frame is ever edited.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/PropStyleCombox.h"
#include "hosttypes/Kestrel/StyleCombox.h"

#include "bcg/ColorProp.h"
#include "hostlibs/Oriel/MultiWellFixture.h"
#include "hosttypes/Oriel/CnConnection.h"
#include "section/LstRulerFrame.h"
#include "section/SectionTestFixture.h"

namespace {

using F = CLstRulerFrame;
using sectiontest::CountLogged;

class RulerFramePage : public ::testing::Test {
protected:
    RulerFramePage() {
        Frame().SetStartDepth(-1200);
        Frame().SetGridInterval(kRulerFrameVerticalGrid, 150);
        Frame().SetPos(RF_POS_H, 2);
        Frame().SetPos(RF_POS_INSCRIBE, 1);
        Frame().SetRulerFrameFSize(RF_SIZE_LR_LABEL, 900);
        open = std::make_unique<sectiontest::OpenList<CLstRulerFrame>>(new CLstRulerFrame(&Frame()));
        open->Show(&Frame());
    }
    ScRulerFrame& Frame() { return world.Frame(); }
    sectiontest::OpenList<CLstRulerFrame>& Page() { return *open; }
    // Types into the item and tells whether the frame was stamped.
    bool TypeStamps(DWORD_PTR id, const std::string& text) {
        const uint64_t before = Frame().GetTimeStamp();
        EXPECT_TRUE(Page().Type(id, text));
        return Frame().GetTimeStamp() != before;
    }

    oriel::MultiWellFixture<CnConnection> world;
    std::unique_ptr<sectiontest::OpenList<CLstRulerFrame>> open;
};

TEST_F(RulerFramePage, NumbersShowAndKeepTheirConversions) {
    EXPECT_EQ("1200.00", Page().Value(F::kStartDepthId));
    EXPECT_EQ("15.00", Page().Value(F::kUprightGridIntervalId));
    EXPECT_EQ("9.00", Page().Value(F::kSideLabelSizeId));

    EXPECT_TRUE(Page().Type(F::kEndDepthId, "2500"));
    EXPECT_DOUBLE_EQ(-2500, Frame().GetEndDepth());
    EXPECT_TRUE(Page().Type(F::kStartDepthId, "-100"));
    EXPECT_DOUBLE_EQ(100, Frame().GetStartDepth());
    EXPECT_TRUE(Page().Type(F::kSideMajorLengthId, "0.8"));
    EXPECT_DOUBLE_EQ(80, Frame().GetMarkLength(RF_LENGTH_LR_MAJOR));
    EXPECT_TRUE(Page().Type(F::kLevelMajorTimesId, "3.9"));
    EXPECT_DOUBLE_EQ(3, Frame().GetTimes(RF_TIMES_H_MAJOR));
    EXPECT_TRUE(Page().Type(F::kLevelIntervalId, "50"));
    EXPECT_DOUBLE_EQ(500, Frame().GetLevelMarkInterval());
    EXPECT_TRUE(Page().Type(F::kSideIntervalId, "50"));
    EXPECT_DOUBLE_EQ(50, Frame().GetLRMarkInterval());
    EXPECT_TRUE(Page().Type(F::kUprightGridIntervalId, "20"));
    EXPECT_DOUBLE_EQ(200, Frame().GetGridInterval(kRulerFrameVerticalGrid));
    EXPECT_TRUE(Page().Type(F::kLevelGridIntervalId, "20"));
    EXPECT_DOUBLE_EQ(20, Frame().GetGridInterval(kRulerFrameHorizontalGrid));
    EXPECT_TRUE(Page().Type(F::kLevelMinorWidthId, "0.5"));
    EXPECT_DOUBLE_EQ(50, Frame().GetRulerFrameFSize(RF_WIDTH_H_MINOR));

    // A text that is no number leaves the value.
    EXPECT_TRUE(Page().Type(F::kSideMajorTimesId, "abc"));
    EXPECT_DOUBLE_EQ(0, Frame().GetTimes(RF_TIMES_LR_MAJOR));
}

// The section library's number check is told when it reads one of the two depths, and only then.
TEST_F(RulerFramePage, TheNumberCheckIsToldWhichItemsAreDepths) {
    const DWORD_PTR numbers[] = {F::kStartDepthId,      F::kEndDepthId,         F::kFrameWidthId,
                                 F::kSideIntervalId,    F::kSideMajorTimesId,   F::kSideMajorLengthId,
                                 F::kSideLabelSizeId,   F::kLevelIntervalId,    F::kLevelMinorWidthId,
                                 F::kLevelGridTimesId,  F::kUprightGridIntervalId, F::kTitleOffsetId,
                                 F::kTitleSizeId,       F::kInscribeOffsetId};
    int typed = 10;
    for (DWORD_PTR id : numbers) {
        const std::string text = std::to_string(++typed);
        ASSERT_TRUE(Page().Type(id, text));
        oriel::testing::JudgedText judged;
        ASSERT_TRUE(oriel::testing::LastJudgedText(&judged)) << id;
        EXPECT_EQ(text, judged.text) << id;
        EXPECT_EQ(id == F::kStartDepthId || id == F::kEndDepthId, judged.flag) << id;
    }
}

// The face pickers take a typed face name as well as a picked one.
TEST_F(RulerFramePage, FaceNamesCanBeTyped) {
    ASSERT_TRUE(Page().Type(F::kTitleFaceId, "方正舒体"));
    EXPECT_EQ("方正舒体", Frame().GetRulerFrameFont(RF_FONT_TITLE).GetFaceName().str());
    ASSERT_TRUE(Page().Type(F::kLevelLabelFaceId, "幼圆"));
    EXPECT_EQ("幼圆", Frame().GetRulerFrameFont(RF_FONT_H_LABEL).GetFaceName().str());
}

TEST_F(RulerFramePage, PositionsShowAndStoreTheirValues) {
    EXPECT_EQ("内外侧", Page().Value(F::kLevelPosId));
    EXPECT_EQ("右对齐", Page().Value(F::kInscribePosId));
    EXPECT_TRUE(Page().Pick(F::kInscribePosId, "居中"));
    EXPECT_EQ(0, Frame().GetPos(RF_POS_INSCRIBE));
    EXPECT_TRUE(Page().Pick(F::kInscribePosId, "左对齐"));
    EXPECT_EQ(2, Frame().GetPos(RF_POS_INSCRIBE));
    EXPECT_TRUE(Page().Pick(F::kLevelPosId, "内外侧"));
    EXPECT_EQ(2, Frame().GetPos(RF_POS_H));
    EXPECT_TRUE(Page().Pick(F::kSidePosId, "外侧"));
    EXPECT_EQ(1, Frame().GetPos(RF_POS_LR));
    // Reported from code, a text of no option is the horizontal ticks' "内外侧"; the side ticks and
    // the inscription take none, so it is refused there: no call, no update, the text from before.
    Page().Report(F::kLevelPosId, "无此选项");
    EXPECT_EQ(2, Frame().GetPos(RF_POS_H));
    EXPECT_TRUE(Page().Pick(F::kLevelPosId, "内侧"));
    Page().Report(F::kLevelPosId, "无此选项");
    EXPECT_EQ(2, Frame().GetPos(RF_POS_H));
    EXPECT_EQ("内外侧", Page().Value(F::kLevelPosId));  // the option taken
    world.Section().SetModifyFlag(0);
    for (const auto& [id, shown] :
         {std::pair<DWORD_PTR, const char*>{F::kSidePosId, "外侧"}, {F::kInscribePosId, "左对齐"}}) {
        oriel::testing::ClearCallLog();
        Page().Report(id, "无此选项");
        EXPECT_EQ(shown, Page().Value(id)) << id;
        EXPECT_TRUE(oriel::testing::CallLog().empty()) << id;
    }
    EXPECT_EQ(1, Frame().GetPos(RF_POS_LR));
    EXPECT_EQ(2, Frame().GetPos(RF_POS_INSCRIBE));
    EXPECT_EQ(0, world.Section().GetModifyFlag());
}

TEST_F(RulerFramePage, StampsFollowTheTable) {
    EXPECT_TRUE(TypeStamps(F::kTitleOffsetId, "2"));
    EXPECT_DOUBLE_EQ(200, Frame().GetTitleOffset());
    EXPECT_FALSE(TypeStamps(F::kSideLabelSizeId, "no"));  // a refused number writes nothing, stamp included
    EXPECT_FALSE(TypeStamps(F::kLevelGridWidthId, "1"));
    EXPECT_DOUBLE_EQ(100, Frame().GetRulerFrameFSize(RF_WIDTH_H_GRID));
    EXPECT_FALSE(TypeStamps(F::kUprightGridWidthId, "1"));
    EXPECT_FALSE(TypeStamps(F::kLevelMinorWidthId, "1"));
    EXPECT_FALSE(TypeStamps(F::kTitleTextId, "图头一"));
    EXPECT_EQ("图头一", Frame().GetTitleText().str());
    const uint64_t before = Frame().GetTimeStamp();
    EXPECT_TRUE(Page().grid().PickDropDownEntry(Page().Item(F::kInscribeFaceId), 1));
    EXPECT_EQ(std::string(kestrel::kFontFaces[1]), Frame().GetRulerFrameFont(RF_FONT_INSCRIBE).GetFaceName().str());
    EXPECT_EQ(before, Frame().GetTimeStamp());
}

TEST_F(RulerFramePage, EveryEditUpdatesTheFrameAndMarksTheSection) {
    world.Section().SetModifyFlag(0);
    EXPECT_TRUE(Page().Pick(F::kSideShowId, "否"));
    EXPECT_FALSE(Frame().GetShow(RF_SHOW_LR));
    // A switch is on only for "是": any other text from code is "否", shown as that option.
    Frame().SetShow(RF_SHOW_GRID, true);
    Page().Report(F::kGridShowId, "无此选项");
    EXPECT_FALSE(Frame().GetShow(RF_SHOW_GRID));
    EXPECT_EQ("否", Page().Value(F::kGridShowId));
    EXPECT_TRUE(Page().Type(F::kInscribeTextId, "落款一"));
    EXPECT_EQ("落款一", Frame().GetInscribeText().str());
    EXPECT_EQ(3, CountLogged("ScRulerFrame::Update()"));
    EXPECT_EQ(1, world.Section().GetModifyFlag());
}

// A change reported from code with a text no reader takes: the frame keeps its value and is neither
// stamped, updated nor marked; the item shows the frame's value again in the row's conversion.
TEST_F(RulerFramePage, ATextTheReaderRefusesAfterTheItemTookItShowsTheFramesValue) {
    world.Section().SetModifyFlag(0);
    oriel::testing::ClearCallLog();
    const uint64_t stamp = Frame().GetTimeStamp();
    for (const auto& [id, shown] : {std::pair<DWORD_PTR, const char*>{F::kStartDepthId, "1200.00"},
                                    {F::kUprightGridIntervalId, "15.00"},
                                    {F::kSideLabelSizeId, "9.00"}}) {
        Page().Report(id, "x");
        EXPECT_EQ(shown, Page().Value(id)) << id;
    }
    EXPECT_TRUE(oriel::testing::CallLog().empty());
    EXPECT_EQ(stamp, Frame().GetTimeStamp());
    EXPECT_EQ(0, world.Section().GetModifyFlag());
    EXPECT_DOUBLE_EQ(-1200, Frame().GetStartDepth());

    // A width or size reported negative is refused as the item refuses it typed (only the depths
    // take a sign); the next valid report is taken.
    ASSERT_TRUE(Page().Type(F::kFrameWidthId, "3"));
    ASSERT_TRUE(Page().Type(F::kTitleSizeId, "3"));
    world.Section().SetModifyFlag(0);
    oriel::testing::ClearCallLog();
    const uint64_t typed = Frame().GetTimeStamp();
    for (DWORD_PTR id : {F::kFrameWidthId, F::kTitleSizeId}) Page().ExpectRefusedReportsShow(id, "3.00");
    EXPECT_TRUE(oriel::testing::CallLog().empty());
    EXPECT_EQ(typed, Frame().GetTimeStamp());
    EXPECT_EQ(0, world.Section().GetModifyFlag());
    EXPECT_DOUBLE_EQ(300, Frame().GetFrameLineSize());
    EXPECT_DOUBLE_EQ(300, Frame().GetRulerFrameFSize(RF_SIZE_TITLE));
    Page().Report(F::kFrameWidthId, "7");
    Page().Report(F::kTitleSizeId, "7");
    EXPECT_DOUBLE_EQ(700, Frame().GetFrameLineSize());
    EXPECT_DOUBLE_EQ(700, Frame().GetRulerFrameFSize(RF_SIZE_TITLE));
}

TEST_F(RulerFramePage, TheAutomaticColourPassesBlack) {
    Frame().SetMarkClr(RF_COLOR_TITLE, RGB(9, 9, 9));
    auto* colour = dynamic_cast<CBCGPColorProp*>(Page().Item(F::kTitleColorId));
    ASSERT_NE(nullptr, colour);
    EXPECT_TRUE(Page().grid().ChooseAutomatic(colour));
    EXPECT_EQ(0u, Frame().GetMarkClr(RF_COLOR_TITLE));
}

TEST_F(RulerFramePage, AHiddenInscriptionDisablesItsGroupButTheSwitch) {
    Frame().SetShow(RF_SHOW_INSCRIBE, false);
    Frame().ProChanged();
    Page().Show(&Frame());
    CBCGPProp* group = Page().Item(F::kInscribeGroupId);
    ASSERT_NE(nullptr, group);
    EXPECT_EQ("否", Page().Value(F::kInscribeShowId));
    EXPECT_TRUE(Page().Item(F::kInscribeShowId)->IsEnabled());
    for (DWORD_PTR id = F::kInscribePosId; id <= F::kInscribeColorId; ++id)
        EXPECT_FALSE(Page().Item(id)->IsEnabled()) << id;
    EXPECT_TRUE(Page().Item(F::kTitleTextId)->IsEnabled());

    Frame().SetShow(RF_SHOW_INSCRIBE, true);
    Frame().ProChanged();
    Page().Show(&Frame());
    EXPECT_TRUE(Page().Item(F::kInscribeColorId)->IsEnabled());
}

TEST_F(RulerFramePage, RefreshFollowsTheFrameButNotItsNumbers) {
    Frame().SetTitleText("新图头");
    Frame().SetFrameLineStyle(1005);
    Frame().SetStartDepth(-3000);
    Frame().ProChanged();
    Page().Show(&Frame());
    EXPECT_EQ("新图头", Page().Value(F::kTitleTextId));
    EXPECT_EQ("1200.00", Page().Value(F::kStartDepthId));
    EXPECT_EQ(1005u, dynamic_cast<CPropStyleCombox*>(Page().Item(F::kFrameStyleId))->GetVal());
}

TEST(RulerFrameSelection, EditsWithoutASelectedFrameTouchNoFrame) {
    oriel::MultiWellFixture<CnConnection> world;
    ScRulerFrame& frame = world.Frame();
    sectiontest::OpenList<CLstRulerFrame> open(new CLstRulerFrame(&frame));
    const uint64_t stamp = frame.GetTimeStamp();

    // Before any selection message.
    EXPECT_TRUE(open.Type(F::kEndDepthId, "2500"));
    EXPECT_TRUE(open.Pick(F::kSideShowId, "否"));
    // With a scale bar selected.
    open.Show(&world.Distance());
    EXPECT_TRUE(open.Type(F::kEndDepthId, "2500"));
    EXPECT_TRUE(open.Type(F::kTitleTextId, "x"));

    EXPECT_DOUBLE_EQ(0, frame.GetEndDepth());
    EXPECT_TRUE(frame.GetShow(RF_SHOW_LR));
    EXPECT_EQ("", frame.GetTitleText().str());
    EXPECT_EQ(stamp, frame.GetTimeStamp());
    EXPECT_EQ(0, CountLogged("ScRulerFrame::Update()"));
    EXPECT_EQ(0, world.Section().GetModifyFlag());
    EXPECT_DOUBLE_EQ(0, world.Distance().GetLogSize());
}

}  // namespace
