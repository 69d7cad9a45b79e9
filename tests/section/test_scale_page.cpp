// The scale-bar page: what each edit stores in the bar, which edits stamp it, the digits check, and
// that a depth bar is handled alike.
#include <gtest/gtest.h>

#include <tuple>

#include <string>

#include "driver/Responder.h"
#include "framework/BmpPropLst.h"
#include "hosttypes/Kestrel/StyleCombox.h"
#include "hostlibs/Oriel/MultiWellFixture.h"
#include "hosttypes/Oriel/CnConnection.h"
#include "section/LstRulerScale.h"
#include "section/SectionTestFixture.h"

namespace {

using S = CLstRulerScale;
using sectiontest::CountLogged;

template <class Bar>
class ScalePage : public ::testing::Test {
protected:
    ScalePage() : open(new CLstRulerScale(&Scale())) { open.Show(&Scale()); }
    ScDisScale& Scale() {
        if constexpr (std::is_same_v<Bar, ScDepthScale>)
            return world.Depth();
        else
            return world.Distance();
    }
    int Updates() { return CountLogged("ScDisScale::Update()"); }
    std::vector<std::string> Boxes() {
        std::vector<std::string> texts;
        for (const auto& box : platform::Responder::Instance().MessageBoxes()) texts.push_back(box.text);
        return texts;
    }

    oriel::MultiWellFixture<CnConnection> world;
    sectiontest::OpenList<CLstRulerScale> open;
};

using Bars = ::testing::Types<ScDisScale, ScDepthScale>;
TYPED_TEST_SUITE(ScalePage, Bars);

TYPED_TEST(ScalePage, NumbersAreStoredInTheBarsUnits) {
    EXPECT_TRUE(this->open.Type(S::kContentOffsetId, "1.25"));
    EXPECT_DOUBLE_EQ(125, this->Scale().GetContentOffset());
    EXPECT_TRUE(this->open.Type(S::kStepId, "4.2"));
    EXPECT_EQ(4, this->Scale().GetStep());
    EXPECT_TRUE(this->open.Type(S::kLabelSizeId, "12"));
    EXPECT_DOUBLE_EQ(1200, this->Scale().GetLogSize());
    EXPECT_TRUE(this->open.Type(S::kIntervalId, "2.5"));
    EXPECT_DOUBLE_EQ(25, this->Scale().GetInterval());
    EXPECT_TRUE(this->open.Type(S::kHeightId, "2.5"));
    EXPECT_DOUBLE_EQ(250, this->Scale().GetHeight());
    EXPECT_TRUE(this->open.Type(S::kLineSizeId, "0.3"));
    EXPECT_DOUBLE_EQ(30, this->Scale().GetLineSize());
}

TYPED_TEST(ScalePage, TextsAndListsAreStoredAsChosen) {
    EXPECT_TRUE(this->open.Pick(S::kAlignId, "左对齐"));
    EXPECT_EQ(0, this->Scale().GetAglin());
    // Neither alignment, reported from code: refused, nothing updated, "左对齐" shown again.
    const int updates = this->Updates();
    for (const char* text : {"右对齐", ""}) {
        this->open.Report(S::kAlignId, text);
        EXPECT_EQ("左对齐", this->open.Value(S::kAlignId)) << text;
        EXPECT_EQ(0, this->Scale().GetAglin()) << text;
        EXPECT_EQ(updates, this->Updates()) << text;
    }
    EXPECT_TRUE(this->open.Pick(S::kUnitId, "km"));
    EXPECT_EQ("km", this->Scale().GetWordText().str());
    EXPECT_TRUE(this->open.Type(S::kContentId, "比例尺一"));
    EXPECT_EQ("比例尺一", this->Scale().GetContent().str());
    EXPECT_TRUE(this->open.grid().PickDropDownEntry(this->open.Item(S::kContentFontId), 1));
    EXPECT_EQ(std::string(kestrel::kFontFaces[1]), this->Scale().GetContentFont().GetFaceName().str());
    EXPECT_TRUE(this->open.grid().ChooseAutomatic(dynamic_cast<CBCGPColorProp*>(this->open.Item(S::kLineColorId))));
    EXPECT_EQ(0u, this->Scale().GetLineColor());
    EXPECT_TRUE(this->open.grid().ChooseColor(dynamic_cast<CBCGPColorProp*>(this->open.Item(S::kLabelColorId)), RGB(1, 2, 3)));
    EXPECT_EQ(RGB(1, 2, 3), this->Scale().GetLogColor());
}

TYPED_TEST(ScalePage, DigitsFromZeroToThreeAreStoredOthersBringTheMessage) {
    EXPECT_TRUE(this->open.Type(S::kDigitId, "3"));
    EXPECT_EQ(3, this->Scale().GetDigit());
    EXPECT_TRUE(this->Boxes().empty());
    EXPECT_TRUE(this->open.Type(S::kDigitId, "4"));
    EXPECT_EQ(3, this->Scale().GetDigit());
    EXPECT_EQ((std::vector<std::string>{"请输入大于0，小于3的整数"}), this->Boxes());
    EXPECT_EQ("3", this->open.Value(S::kDigitId));
}

TYPED_TEST(ScalePage, NumberEditsStampTheBarTextEditsAndRefusedNumbersDoNot) {
    const uint64_t before = this->Scale().GetTimeStamp();
    const double offset = this->Scale().GetContentOffset();
    EXPECT_TRUE(this->open.Type(S::kContentOffsetId, "abc"));
    EXPECT_DOUBLE_EQ(offset, this->Scale().GetContentOffset());
    EXPECT_EQ(before, this->Scale().GetTimeStamp());
    EXPECT_TRUE(this->open.Type(S::kContentOffsetId, "1.5"));
    const uint64_t stamped = this->Scale().GetTimeStamp();
    EXPECT_NE(before, stamped);
    EXPECT_TRUE(this->open.Pick(S::kUnitId, "米"));
    EXPECT_EQ(stamped, this->Scale().GetTimeStamp());
}

TYPED_TEST(ScalePage, EveryEditUpdatesTheBarAndMarksTheSectionARefusedNumberNone) {
    this->world.Section().SetModifyFlag(0);
    EXPECT_TRUE(this->open.Type(S::kStepId, "x"));
    EXPECT_EQ(0, this->Updates());
    EXPECT_EQ(0, this->world.Section().GetModifyFlag());
    EXPECT_TRUE(this->open.Type(S::kStepId, "2"));
    EXPECT_TRUE(this->open.Pick(S::kUnitId, "m"));
    EXPECT_EQ(2, this->Updates());
    EXPECT_EQ(1, this->world.Section().GetModifyFlag());
}

// "abc" into "间距(mm)" after "2.5" into "高度(mm)": the bar keeps its interval and nothing is
// updated, redrawn or marked; the item shows what it showed before.
TYPED_TEST(ScalePage, ARefusedIntervalUpdatesNothing) {
    ASSERT_TRUE(this->open.Type(S::kHeightId, "2.5"));
    this->world.Section().SetModifyFlag(0);
    const int updates = this->Updates();
    const int redraws = this->world.Section().GetUpdateCount();
    const uint64_t stamp = this->Scale().GetTimeStamp();
    const std::string shown = this->open.Value(S::kIntervalId);
    this->open.Type(S::kIntervalId, "abc");
    EXPECT_EQ(updates, this->Updates());
    EXPECT_EQ(redraws, this->world.Section().GetUpdateCount());
    EXPECT_EQ(stamp, this->Scale().GetTimeStamp());
    EXPECT_EQ(0, this->world.Section().GetModifyFlag());
    EXPECT_EQ(shown, this->open.Value(S::kIntervalId));
    EXPECT_EQ("2.50", this->open.Value(S::kHeightId));
}

// The same for a change reported from code with a text no reader takes: the item shows the bar's
// number again in the item's decimals.
TYPED_TEST(ScalePage, ATextTheReaderRefusesAfterTheItemTookItShowsTheBarsNumber) {
    ASSERT_TRUE(this->open.Type(S::kHeightId, "2.5"));
    ASSERT_TRUE(this->open.Type(S::kStepId, "4"));
    this->world.Section().SetModifyFlag(0);
    const int updates = this->Updates();
    const uint64_t stamp = this->Scale().GetTimeStamp();
    for (const auto& [id, text, shown] : {std::tuple<DWORD_PTR, const char*, const char*>{S::kHeightId, "x", "2.50"},
                                          {S::kStepId, "-1", "4.00"},
                                          {S::kLineSizeId, "1e39", "0.00"}}) {
        this->open.Report(id, text);
        EXPECT_EQ(shown, this->open.Value(id)) << text;
        EXPECT_EQ(updates, this->Updates()) << text;
        EXPECT_EQ(stamp, this->Scale().GetTimeStamp()) << text;
        EXPECT_EQ(0, this->world.Section().GetModifyFlag()) << text;
    }
    EXPECT_DOUBLE_EQ(250, this->Scale().GetHeight());
    EXPECT_EQ(4, this->Scale().GetStep());
}

TYPED_TEST(ScalePage, RefreshShowsStylePictureAndTextsOfAChangedBar) {
    ScDisScale& scale = this->Scale();
    scale.SetStyle(5);
    scale.SetWordText("公里");
    scale.SetAglin(0);
    scale.SetContentOffset(300);
    scale.ProChanged();
    this->open.Show(&scale);
    auto* style = dynamic_cast<CBmpPropLst*>(this->open.Item(S::kStyleId));
    ASSERT_NE(nullptr, style);
    EXPECT_EQ(5, style->m_nSelectedIndex);
    EXPECT_EQ(50009u, style->m_imageList[5]);
    EXPECT_EQ(50008u, style->m_imageList[3]);
    EXPECT_EQ("公里", this->open.Value(S::kUnitId));
    EXPECT_EQ("左对齐", this->open.Value(S::kAlignId));
    EXPECT_EQ(scale.GetScaleName().str(), this->open.Value(S::kTypeId));
    EXPECT_EQ("0.00", this->open.Value(S::kContentOffsetId));  // numbers keep what they were built with

    scale.SetAglin(7);
    scale.ProChanged();
    this->open.Show(&scale);
    EXPECT_EQ("左对齐", this->open.Value(S::kAlignId));
}

TEST(ScalePageSelection, AnotherObjectSelectedLeavesThePagesBar) {
    oriel::MultiWellFixture<CnConnection> world;
    sectiontest::OpenList<CLstRulerScale> open(new CLstRulerScale(&world.Distance()));
    open.Show(&world.Frame());
    EXPECT_TRUE(open.Type(S::kLabelSizeId, "9"));
    EXPECT_DOUBLE_EQ(900, world.Distance().GetLogSize());
}

}  // namespace
