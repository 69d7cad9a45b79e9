// The ruler pages: which side a depth ruler opens, what each edit stores, which edits stamp the
// ruler, and that the distance ruler writes through its manager only.
#include <gtest/gtest.h>

#include <boost/make_shared.hpp>

#include "framework/BmpPropLst.h"
#include "hostlibs/Oriel/SectionFixture.h"
#include "hosttypes/Oriel/CrCorrelation.h"
#include "hosttypes/Oriel/ScDepthRuler.h"
#include "hosttypes/Oriel/ScDepthRulerMgr.h"
#include "hosttypes/Oriel/ScDisRuler.h"
#include "hosttypes/Oriel/ScDisRulerMgr.h"
#include "hosttypes/Oriel/ScLookDownForm.h"
#include "section/LstDepthRuler.h"
#include "section/LstDisRuler.h"
#include "section/SectionTestFixture.h"

namespace {

using D = CLstDepthRuler;
using R = CLstDisRuler;
using sectiontest::CountLogged;
using sectiontest::Logged;

// A depth ruler of a correlation section, its page open and shown once.
class DepthRulerPage : public ::testing::Test {
protected:
    explicit DepthRulerPage(bool left = true) : manager(&section.Section()) {
        ruler.SetDepRulerMgr(&manager);
        ruler.SetLeftRuler(left);
        ruler.SetTimeStamp(5);
        open = std::make_unique<sectiontest::OpenList<CLstDepthRuler>>(new CLstDepthRuler(&ruler));
        open->Show(&ruler);
        section.Section().SetModifyFlag(0);
        oriel::testing::ClearCallLog();
    }
    bool Expanded(DWORD_PTR id) { return open->Item(id)->IsExpanded() == TRUE; }

    oriel::SectionFixture<CrCorrelation> section;
    ScDepthRulerMgr manager;
    ScDepthRuler ruler;
    std::unique_ptr<sectiontest::OpenList<CLstDepthRuler>> open;
};

class RightDepthRulerPage : public DepthRulerPage {
protected:
    RightDepthRulerPage() : DepthRulerPage(false) {}
};

TEST_F(DepthRulerPage, LeftRulerOpensTheRightSideAndBorder) {
    EXPECT_TRUE(Expanded(D::kRightSideId));
    EXPECT_TRUE(Expanded(D::kMajorId + D::kRightOffset));
    EXPECT_TRUE(Expanded(D::kRightBorderId));
    EXPECT_FALSE(Expanded(D::kLeftSideId));
    EXPECT_FALSE(Expanded(D::kLeftBorderId));
    EXPECT_FALSE(Expanded(D::kTopBorderId));
    EXPECT_FALSE(Expanded(D::kBottomBorderId));
}

TEST_F(RightDepthRulerPage, OtherRulerOpensTheLeftSideAndBorder) {
    EXPECT_TRUE(Expanded(D::kLeftSideId));
    EXPECT_TRUE(Expanded(D::kLabelId));
    EXPECT_TRUE(Expanded(D::kLeftBorderId));
    EXPECT_FALSE(Expanded(D::kRightSideId));
    EXPECT_FALSE(Expanded(D::kRightBorderId));
}

TEST_F(DepthRulerPage, LengthsAndWidthsAreStoredInHundredthsOnTheirSide) {
    const uint64_t stamp = ruler.GetTimeStamp();
    ASSERT_TRUE(open->Type(D::kMajorLengthId, "0.8"));
    EXPECT_DOUBLE_EQ(80, ruler.GetWideMarkLength(true));
    EXPECT_DOUBLE_EQ(300, ruler.GetWideMarkLength(false));
    ASSERT_TRUE(open->Type(D::kMinorWidthId + D::kRightOffset, "0.3"));
    EXPECT_FLOAT_EQ(30, static_cast<float>(ruler.GetMarkLineSize(false)));
    EXPECT_DOUBLE_EQ(0, ruler.GetMarkLineSize(true));
    ASSERT_TRUE(open->Type(D::kMajorTimesId, "7.5"));
    EXPECT_DOUBLE_EQ(7.5, ruler.GetWideTimes(true));
    EXPECT_NE(stamp, ruler.GetTimeStamp());
    EXPECT_EQ(3, CountLogged("ScDepthRuler::Update()"));
    EXPECT_EQ(1, section.Section().GetModifyFlag());
}

TEST_F(DepthRulerPage, TextThatIsNoNumberChangesNothing) {
    const uint64_t stamp = ruler.GetTimeStamp();
    const int modified = section.Section().GetModifyFlag();
    open->Type(D::kIntervalId, "abc");
    EXPECT_DOUBLE_EQ(10, ruler.GetInterval(true));
    EXPECT_EQ("10.00", open->Value(D::kIntervalId));
    EXPECT_EQ(stamp, ruler.GetTimeStamp());
    EXPECT_FALSE(Logged("ScDepthRuler::Update()"));
    EXPECT_EQ(modified, section.Section().GetModifyFlag());
}

TEST_F(DepthRulerPage, FaceNamesCanBeTyped) {
    for (DWORD_PTR id : {DWORD_PTR{D::kTitleFaceId}, DWORD_PTR{D::kLabelFaceId}, D::kLabelFaceId + D::kRightOffset})
        EXPECT_TRUE(open->Item(id)->IsAllowEdit()) << id;
    ASSERT_TRUE(open->Type(D::kTitleFaceId, "方正姚体"));
    QXLOGFONT font;
    ruler.GetNameFont(font);
    EXPECT_EQ("方正姚体", font.GetFaceName().str());
    ASSERT_TRUE(open->Type(D::kLabelFaceId + D::kRightOffset, "华文行楷"));
    ruler.GetMarkFont(false, font);
    EXPECT_EQ("华文行楷", font.GetFaceName().str());
    ruler.GetMarkFont(true, font);
    EXPECT_NE("华文行楷", font.GetFaceName().str());
    ASSERT_TRUE(open->Type(D::kLabelFaceId, "隶书"));
    ruler.GetMarkFont(true, font);
    EXPECT_EQ("隶书", font.GetFaceName().str());
}

TEST_F(DepthRulerPage, UnitsSwitchesAndColoursKeepTheStamp) {
    const uint64_t stamp = ruler.GetTimeStamp();
    ASSERT_TRUE(open->Pick(D::kDepthUnitId, "英尺"));
    EXPECT_EQ(1, ruler.GetLeftDepthMeasure());
    EXPECT_EQ(0, ruler.GetRightDepthMeasure());
    ASSERT_TRUE(open->Pick(D::kBottomBorderId + D::kBorderShownOffset, "否"));
    EXPECT_EQ(0, ruler.GetBottomBorderVisible());
    EXPECT_EQ(1, ruler.GetTopBorderVisible());
    EXPECT_EQ(1, ruler.GetRightBorderVisible());
    EXPECT_EQ(1, ruler.GetRightMarkVisible());
    ASSERT_TRUE(open->ChooseColor(D::kTitleColorId, RGB(200, 0, 0)));
    EXPECT_EQ(RGB(200, 0, 0), ruler.GetNameFontClr());
    EXPECT_EQ(stamp, ruler.GetTimeStamp());
    EXPECT_EQ(3, CountLogged("ScDepthRuler::Update()"));
    // From code, any unit but "米" is feet and any switch text but "是" is off, shown as the option.
    ASSERT_TRUE(open->Pick(D::kDepthUnitId, "米"));
    open->Report(D::kDepthUnitId, "码");
    EXPECT_EQ(1, ruler.GetLeftDepthMeasure());
    EXPECT_EQ("英尺", open->Value(D::kDepthUnitId));
    open->Report(D::kTopBorderId + D::kBorderShownOffset, "显示");
    EXPECT_EQ(0, ruler.GetTopBorderVisible());
    EXPECT_EQ("否", open->Value(D::kTopBorderId + D::kBorderShownOffset));
}

TEST_F(DepthRulerPage, HidingTheRightBorderHidesTheRightMarksToo) {
    ASSERT_TRUE(open->Pick(D::kRightBorderId + D::kBorderShownOffset, "否"));
    EXPECT_EQ(0, ruler.GetRightBorderVisible());
    EXPECT_EQ(0, ruler.GetRightMarkVisible());
    EXPECT_EQ(1, ruler.GetLeftMarkVisible());
}

TEST_F(DepthRulerPage, RefreshShowsUnitsButLeavesAnUnknownUnit) {
    ruler.SetRightDepthMeasure(1);
    ruler.SetLeftDepthMeasure(2);
    ruler.SetRulerTitle("标尺A");
    ruler.SetTimeStamp(9);
    open->Show(&ruler);
    EXPECT_EQ("英尺", open->Value(D::kDepthUnitId + D::kRightOffset));
    EXPECT_EQ("米", open->Value(D::kDepthUnitId));
    EXPECT_EQ("标尺A", open->Value(D::kTitleTextId));
}

// A text no reader takes, reported from code or typed: nothing written, updated, stamped or
// marked, and only that item shows the ruler's value again, whoever refused the text.
TEST_F(DepthRulerPage, ARefusedTextShowsTheStoredValue) {
    const auto store = [this] {
        ruler.SetInterval(true, 25);
        ruler.SetMarkFontSize(false, 900);
        ruler.SetRightFrameLineSize(40);
        ruler.SetNameFontSize(1250);
        ruler.SetTimeStamp(5);
        section.Section().SetModifyFlag(0);
        oriel::testing::ClearCallLog();
    };
    open->Report(D::kTitleTextId, "typed");
    const struct {
        DWORD_PTR id;
        const char* text;
        const char* shown;
    } kCases[] = {{D::kIntervalId, "x", "25.00"},
                  {D::kLabelSizeId + D::kRightOffset, "-3", "9.00"},
                  {D::kRightBorderId + D::kBorderWidthOffset, "abc", "0.40"},
                  {D::kTitleSizeId, "1e39", "12.50"}};
    for (const bool typed : {false, true}) {
        for (const auto& c : kCases) {
            if (typed) {
                ASSERT_TRUE(open->Type(c.id, "1"));
            }
            store();
            if (typed)
                open->Type(c.id, c.text);
            else
                open->Report(c.id, c.text);
            EXPECT_EQ(c.shown, open->Value(c.id)) << c.id << " " << typed;
            EXPECT_TRUE(oriel::testing::CallLog().empty()) << c.id;
            EXPECT_EQ(5u, ruler.GetTimeStamp()) << c.id;
            EXPECT_EQ(0, section.Section().GetModifyFlag()) << c.id;
            EXPECT_EQ("typed", open->Value(D::kTitleTextId)) << "another item is left as it shows";
        }
    }
    EXPECT_DOUBLE_EQ(25, ruler.GetInterval(true));
    EXPECT_DOUBLE_EQ(900, ruler.GetMarkFontSize(false));
    EXPECT_DOUBLE_EQ(40, ruler.GetRightFrameLineSize());
    EXPECT_DOUBLE_EQ(1250, ruler.GetNameFontSize());
}

TEST_F(DepthRulerPage, AnotherKindOfObjectLeavesThePagesRuler) {
    ScLookDownForm map;
    open->Show(&map);
    EXPECT_EQ(&ruler, open->list().GetRuler());
    ScDepthRuler second;
    second.SetRulerTitle("second");
    open->Show(&second);
    EXPECT_EQ(&second, open->list().GetRuler());
    EXPECT_EQ("second", open->Value(D::kTitleTextId));
}

// ---- distance ruler ---------------------------------------------------------------------------------------

class DisRulerPage : public ::testing::Test {
protected:
    DisRulerPage() : ruler(boost::make_shared<ScDisRuler>()) {
        manager().AddDisRuler(ruler);
        manager().GetSelectDisRuler().push_back(ruler.get());
        open = std::make_unique<sectiontest::OpenList<CLstDisRuler>>(new CLstDisRuler(ruler.get()));
        open->Show(ruler.get());
        section.Section().SetModifyFlag(0);
        oriel::testing::ClearCallLog();
    }
    ScDisRulerMgr& manager() { return *section.Section().GetDisRulerMgr(); }

    oriel::SectionFixture<CrCorrelation> section;
    boost::shared_ptr<ScDisRuler> ruler;
    std::unique_ptr<sectiontest::OpenList<CLstDisRuler>> open;
};

TEST_F(DisRulerPage, HeightGoesThroughTheManagerInHundredthsAndStamps) {
    const uint64_t stamp = ruler->GetTimeStamp();
    ASSERT_TRUE(open->Type(R::kLeadHeightId, "1.2"));
    EXPECT_TRUE(Logged("ScDisRulerMgr::SetSelQianHeight(120)"));
    EXPECT_NE(stamp, ruler->GetTimeStamp());
    EXPECT_TRUE(Logged("ScDisRuler::Update()"));
    EXPECT_EQ(1, section.Section().GetModifyFlag());
}

TEST_F(DisRulerPage, UnitsShowTheirTextBothWays) {
    ruler->SetUnit(5);
    ruler->SetTimeStamp(ruler->GetTimeStamp() + 1);
    open->Show(ruler.get());
    EXPECT_EQ("km", open->Value(R::kUnitId));
    ASSERT_TRUE(open->Pick(R::kUnitId, "千米"));
    EXPECT_TRUE(Logged("ScDisRulerMgr::SetSelUnit(2)"));
    EXPECT_EQ(2, ruler->GetUnit());
    // From code, a unit the list shows but does not offer is that unit; any other text is -1, for
    // which the refresh writes no text.
    open->Report(R::kUnitId, "ft");
    EXPECT_EQ(4, ruler->GetUnit());
    EXPECT_EQ("ft", open->Value(R::kUnitId));
    open->Report(R::kUnitId, "公里");
    EXPECT_TRUE(Logged("ScDisRulerMgr::SetSelUnit(-1)"));
    EXPECT_EQ(-1, ruler->GetUnit());
    EXPECT_EQ("公里", open->Value(R::kUnitId));
}

// The image shown picked again is no edit; any other image is, the fifth too although the picker
// is built with the value 4.
TEST_F(DisRulerPage, TheFifthArrowImageStoresStyleFour) {
    auto* arrow = dynamic_cast<CBmpPropLst*>(open->Item(R::kArrowId));
    ASSERT_NE(nullptr, arrow);
    EXPECT_EQ(6u, arrow->m_imageList.size());
    ASSERT_EQ(0, arrow->m_nSelectedIndex);
    ASSERT_TRUE(open->grid().PickDropDownEntry(arrow, 0));
    EXPECT_TRUE(oriel::testing::CallLog().empty());
    ASSERT_TRUE(open->grid().PickDropDownEntry(arrow, 4));
    EXPECT_TRUE(Logged("ScDisRulerMgr::SetSelArrowStyle(4)"));
    EXPECT_EQ(4u, ruler->GetArrowStyle());
    ruler->SetArrowStyle(2);
    ruler->SetTimeStamp(ruler->GetTimeStamp() + 1);
    open->Show(ruler.get());
    oriel::testing::ClearCallLog();
    ASSERT_TRUE(open->grid().PickDropDownEntry(arrow, 4));
    EXPECT_TRUE(Logged("ScDisRulerMgr::SetSelArrowStyle(4)"));
    oriel::testing::ClearCallLog();
    ASSERT_TRUE(open->grid().PickDropDownEntry(arrow, 4));
    EXPECT_TRUE(oriel::testing::CallLog().empty());
}

TEST_F(DisRulerPage, AWidthKeepsTheIndicatorsStyleAndColour) {
    QXLOGPEN pen;
    pen.style = 3;
    pen.color = RGB(0, 128, 0);
    pen.width = 20;
    ruler->SetShowLinePen(pen);
    ASSERT_TRUE(open->Type(R::kIndicatorWidthId, "0.5"));
    const QXLOGPEN stored = ruler->GetShowLinePen();
    EXPECT_EQ(3u, stored.style);
    EXPECT_EQ(RGB(0, 128, 0), stored.color);
    EXPECT_FLOAT_EQ(50, stored.width);
}

// A text reported from code that no reader takes writes nothing and shows the ruler's value.
TEST_F(DisRulerPage, ARefusedTextShowsTheStoredValue) {
    QXLOGPEN pen;
    pen.width = 30;
    ruler->SetShowLinePen(pen);
    ruler->SetQianHeight(250);
    const uint64_t stamp = ruler->GetTimeStamp();
    const std::string size = open->Value(R::kFontSizeId);
    for (const auto& [id, shown] : {std::pair<DWORD_PTR, std::string>{R::kIndicatorWidthId, "0.30"},
                                    {R::kLeadHeightId, "2.50"},
                                    {R::kFontSizeId, size}}) {
        open->Report(id, "x");
        EXPECT_EQ(shown, open->Value(id)) << id;
        EXPECT_TRUE(oriel::testing::CallLog().empty()) << id;
        EXPECT_EQ(stamp, ruler->GetTimeStamp()) << id;
        EXPECT_EQ(0, section.Section().GetModifyFlag()) << id;
    }
}

TEST(DisRulerWithoutManager, WritesNothing) {
    oriel::SectionFixture<CrCorrelation> section;
    ScDisRuler ruler;
    sectiontest::OpenList<CLstDisRuler> open(new CLstDisRuler(&ruler));
    open.Show(&ruler);
    oriel::testing::ClearCallLog();
    const uint64_t stamp = ruler.GetTimeStamp();
    open.Type(R::kLeadHeightId, "3");
    EXPECT_TRUE(oriel::testing::CallLog().empty());
    EXPECT_EQ(stamp, ruler.GetTimeStamp());
    EXPECT_DOUBLE_EQ(0, ruler.GetQianHeight());
}

TEST_F(DisRulerPage, AnotherKindOfObjectLeavesThePagesRuler) {
    ScDepthRuler depth;
    open->Show(&depth);
    EXPECT_EQ(ruler.get(), open->list().GetRuler());
}

}  // namespace
