// The sand-fill page: the items of each fill type, the symbol chosen and the brush the section
// applies to the fill's sand, the lithology cell size, and the plain fill's style set.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hostlibs/Oriel/MultiWellFixture.h"
#include "hosttypes/Oriel/CnConnection.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "section/LstSandFill.h"
#include "section/SectionTestFixture.h"

namespace {

using P = CLstSandFill;

struct FillPage {
    explicit FillPage(int type) : open(new CLstSandFill(&world.Fill(type), CLstSandFill::kMultiWell)) {
        open.Show(&world.Fill(type));
    }
    std::vector<std::string> Options(DWORD_PTR id) { return platform::GridDriver::Info(open.Item(id)).options; }
    bool Has(DWORD_PTR id) { return open.list().GetPropList().FindItemByData(id, TRUE) != nullptr; }
    oriel::MultiWellFixture<CnConnection> world;
    sectiontest::OpenList<CLstSandFill> open;
};

TEST(SandFillTypes, TextsBothWays) {
    struct Row {
        int type;
        const char* text;
        int read;  // the type the text turns back into
    };
    const Row rows[] = {
        {0, "沉积相填充", 0}, {1, "砂岩填充", 1}, {2, "油气水填充", 2}, {3, "单一填充", 3}, {4, "自定义", 5},
        {5, "无", 5},         {6, "", 5}};
    for (const Row& row : rows) {
        EXPECT_STREQ(row.text, CLstSandFill::FillTypeText(row.type)) << row.type;
        EXPECT_EQ(row.read, CLstSandFill::FillTypeOfText(row.text)) << row.text;
    }
    for (const char* other : {"其他", "无此选项"}) EXPECT_EQ(5, CLstSandFill::FillTypeOfText(other)) << other;
    // The page builds the items of its fill's type: a sandstone fill's lithology group; a custom
    // fill's none.
    EXPECT_TRUE(FillPage(1).Has(P::kLithologyGroupId));
    FillPage custom(4);
    EXPECT_FALSE(custom.Has(P::kSymbolId));
    EXPECT_FALSE(custom.Has(P::kFillGroupId));
}

TEST(SandFillPage, FaciesFillOffersTheCatalogueAndShowsTheSandsSymbol) {
    FillPage page(0);
    EXPECT_EQ("沉积相填充", page.open.Value(P::kTypeId));
    EXPECT_EQ((std::vector<std::string>{"缺省填充", "水下分流河道", "河口坝", "席状砂", "分流间湾"}),
              page.Options(P::kSymbolId));
    EXPECT_EQ("河口坝", page.open.Value(P::kSymbolId));  // the sand's facies code HKB
    EXPECT_EQ("1", page.open.Value(P::kStratumId));
    EXPECT_EQ("", page.open.Value(P::kNumberId));
}

TEST(SandFillPage, ChoosingAFaciesHandsItsBrushWithTheWellAndSandToTheSection) {
    FillPage page(0);
    // A fill that takes no symbols refuses the pick: nothing applied, the sand's symbol shown again.
    page.world.Fill(0).SetFillType(false);
    EXPECT_TRUE(page.open.Pick(P::kSymbolId, "席状砂"));
    EXPECT_FALSE(oriel::testing::LastSandBrush(nullptr));
    EXPECT_EQ("河口坝", page.open.Value(P::kSymbolId));
    page.world.Fill(0).SetFillType(true);
    // The fill type is not changed here: a type reported into "解释结论" is refused, and the pick
    // stays a facies pick.
    page.open.Report(P::kTypeId, "砂岩填充");
    EXPECT_EQ("沉积相填充", page.open.Value(P::kTypeId));

    EXPECT_TRUE(page.open.Pick(P::kSymbolId, "席状砂"));
    oriel::testing::AppliedSandBrush applied{};
    ASSERT_TRUE(oriel::testing::LastSandBrush(&applied));
    EXPECT_EQ(&page.world.World().Well(0), applied.well);
    EXPECT_EQ(page.world.Fill(0).GetSand(), applied.sand);
    CFaciesTypeManager* facies = CWellDataManager::Instance()->GetFaciesTypeManager();
    EXPECT_EQ(facies->GetFaciesLogBrush(2).fillColor, applied.brush.fillColor);
    EXPECT_EQ(facies->GetFaciesLogBrush(2).style, applied.brush.style);
}

TEST(SandFillPage, ALithologyTakesTheCellSizeShown) {
    FillPage page(1);
    EXPECT_EQ("5.00", page.open.Value(P::kCellSizeId));  // the fill object's brush
    EXPECT_EQ((std::vector<std::string>{"缺省填充", "砂岩", "粉砂岩", "泥岩"}), page.Options(P::kSymbolId));
    EXPECT_EQ("砂岩", page.open.Value(P::kSymbolId));
    EXPECT_TRUE(page.open.Type(P::kCellSizeId, "3"));
    oriel::testing::AppliedSandBrush applied{};
    ASSERT_TRUE(oriel::testing::LastSandBrush(&applied));
    EXPECT_FLOAT_EQ(300, applied.brush.size);
    EXPECT_TRUE(page.open.Pick(P::kSymbolId, "泥岩"));
    ASSERT_TRUE(oriel::testing::LastSandBrush(&applied));
    EXPECT_FLOAT_EQ(300, applied.brush.size);
    EXPECT_EQ(RGB(128, 128, 128), applied.brush.fillColor);

    // A size still shown as the refresh showed it ("12.35" for 1234.5) goes on unrounded.
    QXLOGBRUSH brush;
    page.world.Fill(1).GetFillObject()->GetLogBrush(&brush);
    brush.size = 1234.5f;
    page.world.Fill(1).GetFillObject()->SetLogBrush(&brush);
    page.world.Fill(1).ProChanged();
    page.open.Show(&page.world.Fill(1));
    ASSERT_EQ("12.35", page.open.Value(P::kCellSizeId));
    EXPECT_TRUE(page.open.Pick(P::kSymbolId, "粉砂岩"));
    ASSERT_TRUE(oriel::testing::LastSandBrush(&applied));
    EXPECT_EQ(1234.5f, applied.brush.size);

    // "12.35" typed where the item showed another text is the number typed: the section gets 1235,
    // and so does the symbol picked next, although the fill object still holds 1234.5.
    for (const char* shown : {"3", "12.3"}) {
        ASSERT_TRUE(page.open.Type(P::kCellSizeId, shown));
        ASSERT_TRUE(page.open.Type(P::kCellSizeId, "12.35"));
        ASSERT_TRUE(oriel::testing::LastSandBrush(&applied)) << shown;
        EXPECT_EQ(1235.0f, applied.brush.size) << shown;
        EXPECT_TRUE(page.open.Pick(P::kSymbolId, std::string(shown) == "3" ? "泥岩" : "砂岩"));
        ASSERT_TRUE(oriel::testing::LastSandBrush(&applied)) << shown;
        EXPECT_EQ(1235.0f, applied.brush.size) << shown;
    }
    // Shown again by the refresh, the text stands for the stored size once more.
    page.world.Fill(1).ProChanged();
    page.open.Show(&page.world.Fill(1));
    EXPECT_TRUE(page.open.Pick(P::kSymbolId, "泥岩"));
    ASSERT_TRUE(oriel::testing::LastSandBrush(&applied));
    EXPECT_EQ(1234.5f, applied.brush.size);
}

// A cell size the brush cannot hold in hundredths is refused: no brush is applied, the stored size
// shows again, and a symbol chosen next keeps that size.
TEST(SandFillPage, ACellSizeTheBrushCannotHoldWritesNothing) {
    for (int type : {1, 3}) {
        FillPage page(type);
        const DWORD_PTR id = type == 1 ? P::kCellSizeId : P::kFillGroupId + 1 + P::kCellSizePosition;
        const std::string shown = page.open.Value(id);
        for (const char* text : {"1e39", "3.5e38", "9e296"}) {
            EXPECT_TRUE(page.open.Type(id, text));
            EXPECT_FALSE(oriel::testing::LastSandBrush(nullptr)) << type << " " << text;
            EXPECT_EQ(shown, page.open.Value(id)) << type << " " << text;
        }
    }
    FillPage page(1);
    EXPECT_TRUE(page.open.Type(P::kCellSizeId, "1e39"));
    EXPECT_TRUE(page.open.Pick(P::kSymbolId, "泥岩"));
    oriel::testing::AppliedSandBrush applied{};
    ASSERT_TRUE(oriel::testing::LastSandBrush(&applied));
    EXPECT_FLOAT_EQ(500, applied.brush.size);
}

// The same for a change reported from code. The size taken goes to the section, not to the fill
// object the refresh shows (5.00), and a symbol picked next takes the size the item shows: a
// refused size shows the item's text from before, the size last taken.
TEST(SandFillPage, ACellSizeTheReaderRefusesAfterTheItemTookItShowsItsTextFromBefore) {
    for (int type : {1, 3}) {
        FillPage page(type);
        const DWORD_PTR id = type == 1 ? P::kCellSizeId : P::kFillGroupId + 1 + P::kCellSizePosition;
        const std::string shown = page.open.Value(id);
        oriel::testing::ClearCallLog();
        page.open.Report(id, "x");
        EXPECT_TRUE(oriel::testing::CallLog().empty()) << type;
        EXPECT_EQ(shown, page.open.Value(id)) << type;

        ASSERT_TRUE(page.open.Type(id, "3"));
        oriel::testing::AppliedSandBrush applied{};
        ASSERT_TRUE(oriel::testing::LastSandBrush(&applied)) << type;
        EXPECT_FLOAT_EQ(300, applied.brush.size) << type;
        oriel::testing::ClearCallLog();
        page.open.ExpectRefusedReportsShow(id, "3.00");
        EXPECT_TRUE(oriel::testing::CallLog().empty()) << type;
        page.open.Report(id, "7");
        ASSERT_TRUE(oriel::testing::LastSandBrush(&applied)) << type;
        EXPECT_FLOAT_EQ(700, applied.brush.size) << type;
    }
}

TEST(SandFillPage, OilGasWaterOffersTheOilSymbols) {
    FillPage page(2);
    EXPECT_EQ((std::vector<std::string>{"缺省填充", "油层", "气层", "水层", "油水同层", "干层"}), page.Options(P::kSymbolId));
    EXPECT_EQ("水层", page.open.Value(P::kSymbolId));
}

TEST(SandFillPage, PlainFillShowsTheFillGroupAndStoresTheStyleSet) {
    FillPage page(3);
    ASSERT_TRUE(page.Has(P::kFillGroupId));
    const std::vector<std::string> sets = page.Options(P::kFillGroupId + 1);
    ASSERT_GE(sets.size(), 2u);
    const std::string other = sets[1] == page.open.Value(P::kFillGroupId + 1) ? sets[0] : sets[1];
    EXPECT_TRUE(page.open.Pick(P::kFillGroupId + 1, other));
    EXPECT_EQ(other, page.world.Fill(3).GetStyleSet());
    EXPECT_TRUE(oriel::testing::LastSandBrush(nullptr));
}

TEST(SandFillPage, CustomAndNoFillShowOnlyTheirTypeAndOthersAnEmptyOne) {
    for (int type : {4, 5}) {
        FillPage page(type);
        EXPECT_EQ(CLstSandFill::FillTypeText(type), page.open.Value(P::kTypeId));
        EXPECT_FALSE(page.Has(P::kSymbolId));
        EXPECT_FALSE(page.Has(P::kFillGroupId));
    }
    oriel::MultiWellFixture<CnConnection> world;
    world.Fill(0).SetSymFillType(static_cast<SymbolFillType>(9));
    sectiontest::OpenList<CLstSandFill> open(new CLstSandFill(&world.Fill(0), CLstSandFill::kFence));
    EXPECT_EQ("", open.Value(P::kTypeId));
}

TEST(SandFillPage, ASymbolEditOfAFillWithoutSymbolsAppliesNothing) {
    FillPage page(0);
    page.world.Fill(0).SetFillType(false);
    EXPECT_TRUE(page.open.Pick(P::kSymbolId, "席状砂"));
    EXPECT_FALSE(oriel::testing::LastSandBrush(nullptr));
}

}  // namespace
