// The navigation-map pages: the geometry each edit passes, the proportion rule, the groups of
// correlation and reservoir sections, the align rule, and a map without a font.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "hostlibs/Oriel/SectionFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Halyard/Reservoir.h"
#include "hosttypes/Oriel/CnConnection.h"
#include "hosttypes/Oriel/CrCorrelation.h"
#include "hosttypes/Oriel/ScDepthRuler.h"
#include "hosttypes/Oriel/ScLookDownForm.h"
#include "hosttypes/Oriel/ScWellPositionor.h"
#include "section/LstLookDownForm.h"
#include "section/RsLstLookDownForm.h"
#include "section/SectionTestFixture.h"

namespace {

using L = CLstLookDownForm;
using Rs = CRsLstLookDownForm;
using sectiontest::Logged;

template <class Page, class Container = CnConnection>
class MapPage {
public:
    explicit MapPage(FLOATRECT rect = FLOATRECT(10, 80, 60, 20), bool withFont = true) {
        map().SetMapRect(rect);
        if (!withFont) map().SetLogFont(nullptr);
        map().SetTimeStamp(3);
        open = std::make_unique<sectiontest::OpenList<Page>>(new Page(&map()));
        open->Show(&map());
        oriel::testing::ClearCallLog();
    }
    ScLookDownForm& map() { return *section.Section().GetLookDownForm(); }
    void Refresh() {
        map().SetTimeStamp(map().GetTimeStamp() + 1);
        open->Show(&map());
    }
    int Groups() { return open->list().GetPropList().GetPropertyCount(); }

    oriel::SectionFixture<Container> section;
    std::unique_ptr<sectiontest::OpenList<Page>> open;
};

TEST(LookDownPage, PositionMovesTheRectangleKeepingItsSize) {
    MapPage<CLstLookDownForm> page;
    ASSERT_TRUE(page.open->Type(L::kYId, "100"));
    EXPECT_TRUE(Logged("ScLookDownForm::SetPosition(35,70,50,60,0)"));
    EXPECT_TRUE(Logged("ScLookDownForm::UpdateWnd()"));
    EXPECT_EQ(1, page.section.Section().GetModifyFlag());
    page.Refresh();
    EXPECT_EQ("100.00", page.open->Value(L::kYId));
}

// A change reported from code with a text no reader takes: the map is neither moved, resized nor
// redrawn, the section is not marked, and the item alone shows its value from before again (the
// frame width, which no refresh shows, keeps the value filled in, not the map's 0.35).
TEST(LookDownPage, ATextTheReaderRefusesAfterTheItemTookItKeepsTheItemsValue) {
    MapPage<CLstLookDownForm> page;
    QXLOGPEN frame = page.map().GetFrameLine();
    const std::string filled = page.open->Value(L::kFrameWidthId);
    frame.width = 35;
    page.map().SetFrameLine(frame);
    page.open->Item(L::kYId)->SetValue(_variant_t("typed"));
    for (const auto& [id, text, shown] : {std::tuple<DWORD_PTR, const char*, std::string>{L::kXId, "x", "10.00"},
                                          {L::kWidthId, "-5", "50.00"},
                                          {L::kFrameWidthId, "abc", filled},
                                          {L::kShadeWidthId, "1e39", "0.00"}}) {
        page.open->Report(id, text);
        EXPECT_EQ(shown, page.open->Value(id)) << text;
        EXPECT_TRUE(oriel::testing::CallLog().empty()) << text;
        EXPECT_EQ(0, page.section.Section().GetModifyFlag()) << text;
        EXPECT_EQ("typed", page.open->Value(L::kYId)) << "another item is left as it shows";
    }
    EXPECT_FLOAT_EQ(35, page.map().GetFrameLine().width);
}

// A size or position the page took and the map then changed through another edit (the kept
// proportion, or a rectangle whose top lies below its bottom): a refused report shows the item's
// value from before, and a valid report after it is taken.
TEST(LookDownPage, ARefusedReportAfterTheMapChangedTheValueShowsTheItemsValue) {
    MapPage<CLstLookDownForm> page(FLOATRECT(10, 20, 60, 80));
    page.open->Report(L::kYId, "-1");  // taken; the map keeps its top above its bottom
    ASSERT_NE(-1, page.map().GetMapRect().top);
    ASSERT_TRUE(page.open->Type(L::kWidthId, "3"));
    page.map().SetMaintainScale(true);
    ASSERT_TRUE(page.open->Type(L::kHeightId, "1"));  // the width follows
    ASSERT_NE(3, page.map().GetMapRect().GetWidth());
    oriel::testing::ClearCallLog();
    page.section.Section().SetModifyFlag(0);
    page.open->ExpectRefusedReportsShow(L::kWidthId, "3.00");
    page.open->Report(L::kYId, "1e39");
    EXPECT_EQ("-1.00", page.open->Value(L::kYId));  // held as the same text typed
    EXPECT_TRUE(oriel::testing::CallLog().empty());
    EXPECT_EQ(0, page.section.Section().GetModifyFlag());
    page.map().SetMaintainScale(false);
    page.open->Report(L::kWidthId, "7");
    EXPECT_DOUBLE_EQ(7, page.map().GetMapRect().GetWidth());
    EXPECT_EQ(1, page.section.Section().GetModifyFlag());

    // The frame width and the well symbol's size likewise.
    for (DWORD_PTR id : {L::kFrameWidthId, L::kSymbolSizeId}) {
        ASSERT_TRUE(page.open->Type(id, "3"));
        oriel::testing::ClearCallLog();
        page.open->ExpectRefusedReportsShow(id, "3.00");
        EXPECT_TRUE(oriel::testing::CallLog().empty()) << id;
        page.open->Report(id, "7");
    }
    EXPECT_FLOAT_EQ(700, page.map().GetFrameLine().width);
    EXPECT_FLOAT_EQ(700, page.map().GetLogPoint(0).size);
}

TEST(LookDownPage, KeptProportionMakesTheOtherDimensionFollow) {
    MapPage<CLstLookDownForm> page;
    page.map().SetMaintainScale(true);
    ASSERT_TRUE(page.open->Type(L::kWidthId, "100"));
    EXPECT_TRUE(Logged("ScLookDownForm::SetPosition(60,50,100,120,0)"));
}

// The proportion is the ratio of the extents: one a double cannot hold (a map 1e-307 wide and 60
// high, 6e308), or an edge moved beyond a double, is refused whole; the map is neither moved nor
// redrawn and the item shows its text from before.
TEST(LookDownPage, AProportionOrEdgeNoDoubleHoldsIsRefused) {
    struct Case {
        FLOATRECT rect;
        DWORD_PTR id;
        const char* text;
    };
    const Case kCases[] = {{FLOATRECT(0, 80, 1e-307, 20), L::kWidthId, "50"},
                           {FLOATRECT(0, 1e-300, 1e30, 0), L::kHeightId, "5"},
                           {FLOATRECT(-1.7e308, 80, 1e308, 20), L::kXId, "1e38"}};
    for (const Case& c : kCases) {
        MapPage<CLstLookDownForm> page(c.rect);
        page.map().SetMaintainScale(true);
        const std::string shown = page.open->Value(c.id);
        page.open->Type(c.id, c.text);
        EXPECT_EQ(shown, page.open->Value(c.id)) << c.text;
        EXPECT_TRUE(oriel::testing::CallLog().empty()) << c.text;
        EXPECT_TRUE(page.map().GetMapRect() == c.rect) << c.text;
        EXPECT_EQ(0, page.section.Section().GetModifyFlag()) << c.text;
    }
}

TEST(LookDownPage, HeightMovesTheBottomEdgeToTheTypedHeight) {
    MapPage<CLstLookDownForm> page;
    ASSERT_TRUE(page.open->Type(L::kHeightId, "30"));
    // The bottom edge (below the top in map coordinates) moves up; a height edit passes 1.
    EXPECT_TRUE(Logged("ScLookDownForm::SetPosition(35,65,50,30,1)"));
    oriel::testing::ClearCallLog();
    page.map().SetMaintainScale(true);
    ASSERT_TRUE(page.open->Type(L::kHeightId, "60"));
    EXPECT_TRUE(Logged("ScLookDownForm::SetPosition(35,50,100,60,1)"));
}

TEST(LookDownPage, KeepingTheProportionOfAZeroWideMapLeavesTheHeight) {
    MapPage<CLstLookDownForm> page(FLOATRECT(10, 80, 10, 20));
    page.map().SetMaintainScale(true);
    ASSERT_TRUE(page.open->Type(L::kWidthId, "50"));
    EXPECT_TRUE(Logged("ScLookDownForm::SetPosition(35,50,50,60,0)"));
}

TEST(LookDownPage, CorrelationShowsSixGroupsItsReservoirTwinEight) {
    MapPage<CLstLookDownForm, CrCorrelation> multi;
    multi.map().SetInCorrelation(true);
    sectiontest::OpenList<CLstLookDownForm> correlation(new CLstLookDownForm(&multi.map()));
    EXPECT_EQ(6, correlation.list().GetPropList().GetPropertyCount());
    EXPECT_EQ(nullptr, correlation.list().GetPropList().FindItemByData(L::kShadeId, TRUE));

    sectiontest::OpenList<CRsLstLookDownForm> reservoir(new CRsLstLookDownForm(&multi.map()));
    EXPECT_EQ(8, reservoir.list().GetPropList().GetPropertyCount());
    for (DWORD_PTR id = Rs::kPositionId; id <= Rs::kShadeWidthId; ++id)
        EXPECT_NE(nullptr, reservoir.list().GetPropList().FindItemByData(id, TRUE)) << id;
    EXPECT_EQ("大小", platform::GridDriver::Info(reservoir.Item(Rs::kSizeId)).name);
    EXPECT_EQ("粗细", platform::GridDriver::Info(reservoir.Item(Rs::kShadeWidthId)).name);
}

TEST(LookDownPage, AlignStyleDecidesWhetherTheProjectionsCanBeEdited) {
    MapPage<CLstLookDownForm> page;
    page.section.Section().GetWellPositionor()->SetAlignStyle(2);
    page.Refresh();
    EXPECT_TRUE(page.open->Item(L::kProjectionStyleId)->IsEnabled());
    EXPECT_TRUE(page.open->Item(L::kShadeWidthId)->IsEnabled());
    page.section.Section().GetWellPositionor()->SetAlignStyle(7);
    page.Refresh();
    EXPECT_FALSE(page.open->Item(L::kProjectionStyleId)->IsEnabled());
    EXPECT_FALSE(page.open->Item(L::kShadeShownId)->IsEnabled());
}

TEST(LookDownPage, SwitchesEnableTheirGroupsItems) {
    MapPage<CLstLookDownForm> page;
    ASSERT_TRUE(page.open->Pick(L::kNameShownId, "否"));
    EXPECT_FALSE(page.map().IsWellNameShowing());
    EXPECT_FALSE(page.open->Item(L::kNameFaceId)->IsEnabled());
    EXPECT_TRUE(page.open->Item(L::kNameShownId)->IsEnabled());
    ASSERT_TRUE(page.open->Pick(L::kNameShownId, "是"));
    EXPECT_TRUE(page.open->Item(L::kNameColorId)->IsEnabled());
    // From code, any text but "是" is "否", taken and shown as that option.
    page.open->Report(L::kNameShownId, "显示");
    EXPECT_FALSE(page.map().IsWellNameShowing());
    EXPECT_FALSE(page.open->Item(L::kNameFaceId)->IsEnabled());
    EXPECT_EQ("否", page.open->Value(L::kNameShownId));
}

TEST(LookDownPage, PointEditsChangeOneFieldOfTheSymbol) {
    MapPage<CLstLookDownForm> page;
    QXLOGPOINT point;
    point.style = 4;
    point.borderColor = RGB(1, 2, 3);
    page.map().SetLogPoint(point, 0);
    ASSERT_TRUE(page.open->Type(L::kSymbolSizeId, "2.5"));
    EXPECT_FLOAT_EQ(250, page.map().GetLogPoint(0).size);
    EXPECT_EQ(4u, page.map().GetLogPoint(0).style);
    EXPECT_EQ(RGB(1, 2, 3), page.map().GetLogPoint(0).borderColor);
}

// A number the section library's check or the map's single-precision fields refuse: the map is not
// touched, redrawn or notified, the section neither stamped nor marked, and the item keeps its value.
TEST(LookDownPage, ARefusedNumberWritesAndNotifiesNothing) {
    MapPage<CLstLookDownForm> page;
    auto notified = [&page] {
        return parsnip::testing::CountCalls("CQXObject::OnChanged", static_cast<CQXObject*>(&page.section.Section()));
    };
    const int notifications = notified();
    const struct {
        DWORD_PTR id;
        const char* text;
        const char* shown;
    } kCases[] = {{L::kXId, "1e39", "10.00"},
                  {L::kWidthId, "5e38", "50.00"},
                  {L::kFrameWidthId, "1e37", "0.00"},
                  {L::kSymbolSizeId, "3.5e37", "0.00"}};
    for (const auto& c : kCases) {
        page.open->Type(c.id, c.text);
        EXPECT_EQ(c.shown, page.open->Value(c.id)) << c.text;
    }
    EXPECT_TRUE(oriel::testing::CallLog().empty());
    EXPECT_EQ(notifications, notified());
    EXPECT_EQ(0, page.section.Section().GetModifyFlag());
}

TEST(LookDownPage, AMapWithoutAFontShowsNoSizeAndTakesNoFontEdit) {
    MapPage<CLstLookDownForm> page(FLOATRECT(10, 80, 60, 20), false);
    EXPECT_EQ("", page.open->Value(L::kNameSizeId));
    page.open->Type(L::kNameSizeId, "12");
    QXLOGFONT* font = nullptr;
    page.map().GetLogFont(font);
    EXPECT_EQ(nullptr, font);
    EXPECT_TRUE(Logged("ScLookDownForm::UpdateWnd()"));
    // Nor a colour: a change of nothing that still ends as every edit does.
    oriel::testing::ClearCallLog();
    ASSERT_TRUE(page.open->ChooseColor(L::kNameColorId, RGB(1, 2, 3)));
    page.map().GetLogFont(font);
    EXPECT_EQ(nullptr, font);
    EXPECT_TRUE(Logged("ScLookDownForm::UpdateWnd()"));
    // A size reported from code that is no number is refused: nothing runs, the item shows 12 again
    // (typed over the empty text the refresh wrote, it stays the text typed).
    oriel::testing::ClearCallLog();
    page.open->Report(L::kNameSizeId, "x");
    page.map().GetLogFont(font);
    EXPECT_EQ(nullptr, font);
    EXPECT_TRUE(oriel::testing::CallLog().empty());
    EXPECT_EQ("12", page.open->Value(L::kNameSizeId));
}

TEST(ReservoirLookDownPage, SwitchesStampTheMapAndTheRefreshEnables) {
    MapPage<CRsLstLookDownForm, KelReservoir::Connection::CkelReservoir> page;
    const uint64_t stamp = page.map().GetTimeStamp();
    ASSERT_TRUE(page.open->Pick(Rs::kNameShownId, "否"));
    EXPECT_NE(stamp, page.map().GetTimeStamp());
    EXPECT_TRUE(page.open->Item(Rs::kNameFaceId)->IsEnabled());
    page.open->Show(&page.map());
    EXPECT_FALSE(page.open->Item(Rs::kNameFaceId)->IsEnabled());
}

TEST(ReservoirLookDownPage, AnotherKindOfObjectLeavesThePagesMap) {
    MapPage<CRsLstLookDownForm, KelReservoir::Connection::CkelReservoir> page;
    ScDepthRuler ruler;
    page.open->Show(&ruler);
    EXPECT_EQ(&page.map(), page.open->list().GetMap());
    // An edit while a ruler is selected changes no map.
    page.open->Type(Rs::kXId, "5");
    EXPECT_FALSE(Logged("ScLookDownForm::UpdateWnd()"));
}

}  // namespace
