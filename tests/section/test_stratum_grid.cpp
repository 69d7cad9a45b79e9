// The stratum settings grid: columns per section kind, the cells read from the strata's settings
// bytes, the user's cell edits, switch clicks and header clicks written back, and the rebuild.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/CellGridDriver.h"
#include "hostlibs/Oriel/SectionFixture.h"
#include "hostlibs/Spindle/Testing.h"
#include "hosttypes/Gondola/Fence.h"
#include "hosttypes/Oriel/CnConnection.h"
#include "hosttypes/Oriel/CrCorrelation.h"
#include "hosttypes/Parsnip/QXMap.h"
#include "hosttypes/Spindle/GridCtrl.h"
#include "section/LstStratumSetor.h"
#include "section/SectionTestFixture.h"

namespace {

// Connection columns: 0 "地层", 1 "顶界限", 2 "底界限", 3 "填充", 4 "砂体", 5 "层名".
enum : int { kTop = 1, kBottom = 2, kFill = 3, kSand = 4 };

template <class Container>
class StratumGrid {
public:
    StratumGrid() : open(new CLstStratumSetor(&section.Section(), section.Section().GetType())) {}
    CGridCtrl& Grid() { return *open.list().GetGrid(); }
    std::string Cell(int row, int col) { return Grid().GetItemText(row, col).str(); }
    std::vector<std::string> Headers() {
        std::vector<std::string> headers;
        for (int c = 0; c < Grid().GetColumnCount(); ++c) headers.push_back(Cell(0, c));
        return headers;
    }
    unsigned char Byte(const std::string& stratum) {
        unsigned char byte = 0xEE;
        section.Record().GetStratumSetorInfo(stratum, byte);
        return byte;
    }

    oriel::SectionFixture<Container> section;
    sectiontest::OpenList<CLstStratumSetor> open;
};

TEST(StratumGridColumns, ByKind) {
    StratumGrid<CnConnection> connection;
    EXPECT_EQ((std::vector<std::string>{"地层", "顶界限", "底界限", "填充", "砂体", "层名"}), connection.Headers());
    StratumGrid<CrCorrelation> correlation;
    EXPECT_EQ((std::vector<std::string>{"地层", "顶界限", "底界限", "填充", "层名"}), correlation.Headers());
    StratumGrid<KelFence::CFence> fence;
    EXPECT_EQ((std::vector<std::string>{"地层", "顶界限", "底界限", "填充", "砂体"}), fence.Headers());
    EXPECT_EQ(GVCT_SWITCH, fence.Grid().GetColumnType(1));
    EXPECT_EQ(52, fence.Grid().GetColumnWidth(4));
    EXPECT_FALSE(fence.Grid().GetColumnResize());
    EXPECT_TRUE(CLstStratumSetor::FeaturesOfKind(7).empty());
}

TEST(StratumGridCells, ReadFromTheSettingsBytes) {
    StratumGrid<CnConnection> page;
    ASSERT_EQ(4, page.Grid().GetRowCount());
    EXPECT_EQ("1", page.Cell(1, 0));
    EXPECT_EQ("TRUE", page.Cell(1, kTop));  // 0x05
    EXPECT_EQ("FALSE", page.Cell(1, kBottom));
    EXPECT_EQ("TRUE", page.Cell(1, kFill));
    EXPECT_EQ("FALSE", page.Cell(1, kSand));
    EXPECT_EQ("TRUE", page.Cell(3, 5));  // 0x1F
    // Only the first stratum's bottom boundary can be set.
    EXPECT_EQ("", page.Cell(2, kBottom));
    EXPECT_FALSE(page.Grid().IsCellChangable(2, kBottom));
    EXPECT_EQ(RGB(180, 180, 180), page.Grid().GetItemBkColour(3, kBottom));
    EXPECT_TRUE(page.Grid().IsCellChangable(1, kBottom));
    EXPECT_FALSE(page.Grid().IsCellChangable(1, 0));
}

TEST(StratumGridEdits, CellEditsAndSwitchClicksWriteOneBit) {
    StratumGrid<CnConnection> page;
    EXPECT_TRUE(platform::EditGridCell(page.Grid(), 1, kFill, "FALSE"));
    EXPECT_EQ(0x01, page.Byte("1"));
    EXPECT_TRUE(platform::EditGridCell(page.Grid(), 3, kTop, "true"));  // anything but "TRUE" clears
    EXPECT_EQ(0x1E, page.Byte("3"));
    EXPECT_TRUE(platform::ClickGridCell(page.Grid(), 2, kSand));
    EXPECT_EQ("TRUE", page.Cell(2, kSand));
    EXPECT_EQ(0x08, page.Byte("2"));
    EXPECT_FALSE(platform::EditGridCell(page.Grid(), 2, kBottom, "TRUE"));
    EXPECT_FALSE(platform::EditGridCell(page.Grid(), 1, 0, "x"));
    EXPECT_EQ(3, page.section.Section().GetUpdateCount());
    EXPECT_EQ(1, page.section.Map()->GetModifyFlag());
}

// A stratum the record no longer holds takes no edit: nothing redrawn or marked modified, and its
// cell shows "FALSE" again, as a refresh shows such a stratum; a header click that reaches no
// stratum the record holds changes nothing either.
TEST(StratumGridEdits, AStratumTheRecordLostDropsTheEdit) {
    StratumGrid<CnConnection> page;
    auto& strata = page.section.Record().m_content.strata;
    strata.erase(strata.begin() + 1);  // stratum "2"
    EXPECT_TRUE(platform::EditGridCell(page.Grid(), 2, kTop, "TRUE"));
    EXPECT_EQ("FALSE", page.Cell(2, kTop));
    EXPECT_TRUE(platform::ClickGridCell(page.Grid(), 2, kSand));
    EXPECT_EQ("FALSE", page.Cell(2, kSand));
    EXPECT_EQ(0xEE, page.Byte("2"));
    EXPECT_EQ(0, page.section.Section().GetUpdateCount());
    EXPECT_EQ(0, page.section.Map()->GetModifyFlag());
    strata.clear();
    EXPECT_TRUE(platform::ClickGridHeader(page.Grid(), kTop));
    EXPECT_EQ(0, page.section.Section().GetUpdateCount());
    EXPECT_EQ(0, page.section.Map()->GetModifyFlag());
}

TEST(StratumGridEdits, HeaderClickCopiesTheFirstChangeableCell) {
    StratumGrid<CnConnection> page;
    EXPECT_TRUE(platform::ClickGridHeader(page.Grid(), kTop));  // row 1 shows "TRUE"
    EXPECT_EQ(0x05, page.Byte("1"));
    EXPECT_EQ(0x01, page.Byte("2"));
    EXPECT_EQ(0x1F, page.Byte("3"));
    EXPECT_TRUE(platform::ClickGridHeader(page.Grid(), kBottom));  // row 1 "FALSE", rows 2 and 3 locked
    EXPECT_EQ(0x1D, page.Byte("3"));
    EXPECT_EQ(1, page.section.Map()->GetModifyFlag());
    EXPECT_TRUE(platform::ClickGridHeader(page.Grid(), 0));  // the name column changes nothing
    EXPECT_EQ(2, page.section.Section().GetUpdateCount());
}

TEST(StratumGridRefresh, RowsAreRebuiltOnlyForANewLevelOrBottomStratum) {
    StratumGrid<CnConnection> page;
    page.section.Record().m_content.strata.emplace_back("4", 0x08);
    page.open.Show(page.section.Object());
    EXPECT_EQ(4, page.Grid().GetRowCount());
    page.section.Record().m_strBottomStratum = "4";
    page.open.Show(page.section.Object());
    ASSERT_EQ(5, page.Grid().GetRowCount());
    EXPECT_EQ("4", page.Cell(4, 0));
    EXPECT_EQ("TRUE", page.Cell(4, kSand));
    EXPECT_FALSE(page.Grid().IsCellChangable(4, 0));
}

TEST(StratumGridFailure, NoGridNoPage) {
    oriel::SectionFixture<CnConnection> section;
    spindle::testing::SetCreateRefusal(true);
    sectiontest::OpenList<CLstStratumSetor> open(new CLstStratumSetor(&section.Section(), 2));
    EXPECT_FALSE(open.Created());
    EXPECT_EQ(nullptr, open.list().GetSafeHwnd());
}

}  // namespace
