// The well page: the last selected well shown, every edit applied to all selected wells, the
// group rebuilds it calls for, the depth sign of reservoirs, and GetMaxStratumLevel.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <type_traits>
#include <vector>

#include "hostlibs/Halyard/Testing.h"
#include "hostlibs/Oriel/SectionFixture.h"
#include "hostlibs/Osprey/WellDataTesting.h"
#include "hosttypes/Gondola/Fence.h"
#include "hosttypes/Halyard/Reservoir.h"
#include "hosttypes/Oriel/CnConnection.h"
#include "hosttypes/Oriel/CrCorrelation.h"
#include "section/CnLstWell.h"
#include "section/SectionTestFixture.h"

namespace {

using KelReservoir::Connection::CkelReservoir;
using sectiontest::CountLogged;
using sectiontest::Logged;
using W = CnLstWell;

template <class Container>
class WellPage {
public:
    WellPage() : open(new CnLstWell(CnLstWell::ModeOfKind(section.Section().GetType()))) { Refresh(); }
    void Refresh() { open.Show(&section.Well(section.WellCount() - 1)); }
    std::vector<std::string> Options(DWORD_PTR id) { return platform::GridDriver::Info(open.Item(id)).options; }

    oriel::SectionFixture<Container> section;
    sectiontest::OpenList<CnLstWell> open;
};

TEST(WellPageRefresh, ShowsTheLastSelectedWell) {
    WellPage<CnConnection> page;
    EXPECT_EQ("W3", page.open.Value(W::kWellNameId));
    EXPECT_FALSE(page.open.Item(W::kWellNameId)->IsEnabled());
    EXPECT_EQ("<不使用>", page.open.Value(W::kTemplateId));
    EXPECT_EQ((std::vector<std::string>{"<不使用>", "标准连井[系统]", "连井模板[工区]"}), page.Options(W::kTemplateId));
    EXPECT_EQ("测深", page.open.Value(W::kDepthTypeId));
    EXPECT_EQ("3", page.open.Value(W::kWidthId));
    EXPECT_EQ("深度", page.open.Value(W::kRangeTypeId));
    EXPECT_TRUE(page.open.Shown(W::kTopDepthId));
    EXPECT_FALSE(page.open.Shown(W::kTopStratumId));
    EXPECT_EQ("1200.00", page.open.Value(W::kTopDepthId));
    EXPECT_TRUE(page.open.Shown(W::kMissingStrataId));

    page.section.Record().m_nDepthType = 1;
    page.section.Well(2).SetDepthType(1);
    page.section.Well(2).ProChanged();
    page.Refresh();
    EXPECT_EQ("垂深", page.open.Value(W::kDepthTypeId));
    EXPECT_EQ("分层", page.open.Value(W::kRangeTypeId));
    EXPECT_FALSE(page.open.Shown(W::kTopDepthId));
    EXPECT_TRUE(page.open.Shown(W::kTopStratumId));
    EXPECT_EQ((std::vector<std::string>{"1", "2", "3"}), page.Options(W::kTopStratumId));

    // Tops stop at the section's bottom stratum, bottoms start at its top one.
    page.section.Record().m_strBottomStratum = "2";
    page.section.Record().m_strTopStratum = "2";
    page.section.Well(2).ProChanged();
    page.Refresh();
    EXPECT_EQ((std::vector<std::string>{"1", "2"}), page.Options(W::kTopStratumId));
    EXPECT_EQ((std::vector<std::string>{"2", "3"}), page.Options(W::kBottomStratumId));
}

TEST(WellPageRefresh, OneWellIsNamedAndOnlyConnectionsOfferTheReferenceWell) {
    oriel::SectionFixture<CrCorrelation> section(1);
    sectiontest::OpenList<CnLstWell> open(new CnLstWell(W::kCorrelation));
    open.Show(&section.Well(0));
    EXPECT_TRUE(open.Item(W::kWellNameId)->IsEnabled());
    EXPECT_FALSE(open.Shown(W::kMissingStrataId));
}

TEST(WellPageEdits, WidthGoesToEveryWellNotBelowItsMinimum) {
    WellPage<CnConnection> page;
    EXPECT_TRUE(page.open.Type(W::kWidthId, "2"));
    for (int i = 0; i < 3; ++i) EXPECT_DOUBLE_EQ(200, page.section.Well(i).GetWidth());
    EXPECT_EQ(3, CountLogged("ScContainer::TransformOnScale(W1,1,1)") +
                     CountLogged("ScContainer::TransformOnScale(W2,1,1)") +
                     CountLogged("ScContainer::TransformOnScale(W3,1,1)"));
    EXPECT_NE(0u, page.section.Well(0).GetTimeStamp());
    EXPECT_TRUE(page.open.Type(W::kWidthId, "0.4"));
    for (int i = 0; i < 3; ++i) EXPECT_DOUBLE_EQ(200, page.section.Well(i).GetWidth());
    EXPECT_EQ(2, page.section.Section().GetUpdateCount());
    EXPECT_EQ(1, page.section.Section().GetModifyFlag());
}

TEST(WellPageEdits, TopDepthAddsExtensionAndAlignmentAndReservoirsReverseTheSign) {
    WellPage<CnConnection> connection;
    connection.section.Well(0).SetTopExtendDepth(10);
    connection.section.Well(0).SetAlignLength(5);
    EXPECT_TRUE(connection.open.Type(W::kTopDepthId, "1500"));
    EXPECT_TRUE(Logged("IkelWellAdapter::SetTopDepth[W1](1515)"));
    EXPECT_TRUE(Logged("IkelWellAdapter::SaveOldWellInfo[W3]()"));
    EXPECT_TRUE(Logged("CStratumGroupManager::CreateTop(W1)"));
    EXPECT_TRUE(Logged("ScConGroupMgrVector::CreateTop(W2)"));

    WellPage<CkelReservoir> reservoir;
    reservoir.section.Well(0).SetTopExtendDepth(10);
    reservoir.section.Well(0).SetAlignLength(5);
    EXPECT_TRUE(reservoir.open.Type(W::kTopDepthId, "1500"));
    EXPECT_TRUE(Logged("IkelWellAdapter::SetTopDepth[W1](-1485)"));
    EXPECT_TRUE(reservoir.open.Type(W::kBottomDepthId, "2500"));
    EXPECT_TRUE(Logged("IkelWellAdapter::SetBottomDepth[W2](-2500)"));
}

TEST(WellPageEdits, ACurvedReservoirGoesBackInsteadOfRebuildingGroups) {
    WellPage<CkelReservoir> page;
    page.section.Section().SetCurve(true);
    oriel::testing::ClearCallLog();
    halyard::testing::ClearCallLog();
    EXPECT_TRUE(page.open.Type(W::kTopDepthId, "100"));
    EXPECT_EQ(0, CountLogged("CStratumGroupManager::CreateTop(W1)"));
    const auto& log = halyard::testing::CallLog();
    EXPECT_EQ(1, std::count(log.begin(), log.end(), std::string("CkelReservoir::ReBack")));
}

TEST(WellPageEdits, TemplateRangeTypeAndReferenceWell) {
    WellPage<CnConnection> page;
    EXPECT_TRUE(page.open.Pick(W::kTemplateId, "连井模板[工区]"));
    EXPECT_TRUE(Logged("IkelWellAdapter::SetTemplate[W2](/kel/project/templates/12/连井模板.tpl,false)"));
    EXPECT_TRUE(Logged("CStratumGroupManager::CreateAll(W3)"));
    page.Refresh();
    EXPECT_EQ("连井模板[工区]", page.open.Value(W::kTemplateId));
    EXPECT_TRUE(page.open.Pick(W::kTemplateId, "<不使用>"));
    EXPECT_EQ("", page.section.Well(0).GetTemplate());

    // W1's strata give its top stratum a depth; the others take the section's top.
    oriel::testing::SetWellStrata("W1", {{"1", 1100, 1200}});
    EXPECT_TRUE(page.open.Pick(W::kRangeTypeId, "分层"));
    EXPECT_EQ(1, page.section.Well(1).GetDepthType());
    EXPECT_TRUE(Logged("IkelWellAdapter::SetTopDepth[W3](1000)"));
    EXPECT_FALSE(Logged("IkelWellAdapter::SetTopDepth[W1](1000)"));
    EXPECT_TRUE(Logged("IkelWellAdapter::SetBottomDepth[W1](2000)"));
    // Reported from code, any other text is type -1, shown as the refresh shows it: empty.
    page.open.Report(W::kRangeTypeId, "按层");
    EXPECT_EQ(-1, page.section.Well(1).GetDepthType());
    EXPECT_EQ("", page.open.Value(W::kRangeTypeId));

    page.Refresh();
    EXPECT_TRUE(page.open.Type(W::kRefWellId, "W9"));
    EXPECT_EQ("W9", page.section.Well(0).GetRefWell());
    EXPECT_TRUE(Logged("ScConGroupMgrVector::CreateAll(W1)"));
}

TEST(WellPageEdits, WithoutWellsOnlyTheSectionIsRedrawn) {
    oriel::SectionFixture<CnConnection> section;
    section.Section().SetActiveObj({});
    sectiontest::OpenList<CnLstWell> open(new CnLstWell(W::kConnection));
    open.Show(section.Object());
    EXPECT_EQ("", open.Value(W::kWellNameId));
    EXPECT_TRUE(open.Type(W::kWidthId, "5"));
    EXPECT_DOUBLE_EQ(300, section.Well(0).GetWidth());
    EXPECT_EQ(1, section.Section().GetUpdateCount());
}

// A text the number item refuses writes nothing, in every kind of section: each well keeps its
// own depths, extensions and width (the shown well's are not copied to the others), and the
// section is neither redrawn nor marked modified.
template <class Container>
class WellPageRefusals : public ::testing::Test {
protected:
    struct WellState {
        double top, bottom, width, topExtend, bottomExtend;
        bool operator==(const WellState& o) const {
            return top == o.top && bottom == o.bottom && width == o.width && topExtend == o.topExtend &&
                   bottomExtend == o.bottomExtend;
        }
    };
    std::vector<WellState> Wells() {
        std::vector<WellState> states;
        for (int i = 0; i < page.section.WellCount(); ++i) {
            const IkelWellAdapter& w = page.section.Well(i);
            states.push_back({w.GetTopDepth(), w.GetBottomDepth(), w.GetWidth(), w.GetTopExtendDepth(),
                              w.GetBottomExtendDepth()});
        }
        return states;
    }
    void ExpectRefused(DWORD_PTR id, const char* text) {
        const std::vector<WellState> before = Wells();
        const std::string shown = page.open.Value(id);
        EXPECT_TRUE(page.open.Type(id, text));
        EXPECT_TRUE(before == Wells()) << "item " << id << " took \"" << text << "\"";
        EXPECT_EQ(shown, page.open.Value(id)) << text;
    }
    void ExpectNothingWritten() {
        for (const std::string& entry : oriel::testing::CallLog())
            EXPECT_EQ(std::string::npos, entry.find("::Set")) << entry;
        EXPECT_EQ(0, page.section.Section().GetUpdateCount());
        EXPECT_EQ(0, page.section.Section().GetModifyFlag());
    }

    WellPage<Container> page;
};
using SectionKinds = ::testing::Types<CrCorrelation, CnConnection, CkelReservoir, KelFence::CFence>;
TYPED_TEST_SUITE(WellPageRefusals, SectionKinds);

TYPED_TEST(WellPageRefusals, DepthsAndWidthKeepEachWellsOwnValue) {
    const double sign = std::is_same<TypeParam, CkelReservoir>::value ? -1 : 1;
    EXPECT_EQ(sign > 0 ? "1200.00" : "-1200.00", this->page.open.Value(W::kTopDepthId));
    // Entered and left as it shows: no edit, so the other wells keep their top depths (1000, 1100).
    const auto before = this->Wells();
    EXPECT_TRUE(this->page.open.Type(W::kTopDepthId, this->page.open.Value(W::kTopDepthId)));
    EXPECT_TRUE(before == this->Wells());
    for (const char* text : {"abc", "1e400", "-1e400", "nan", "--5"}) {
        this->ExpectRefused(W::kTopDepthId, text);
        this->ExpectRefused(W::kBottomDepthId, text);
        this->ExpectRefused(W::kWidthId, text);
    }
    this->ExpectRefused(W::kWidthId, "-1");  // a width is never negative
    EXPECT_DOUBLE_EQ(1000, this->page.section.Well(0).GetTopDepth());
    EXPECT_DOUBLE_EQ(1100, this->page.section.Well(1).GetTopDepth());
    EXPECT_DOUBLE_EQ(2000, this->page.section.Well(0).GetBottomDepth());
    EXPECT_DOUBLE_EQ(300, this->page.section.Well(1).GetWidth());
    this->ExpectNothingWritten();
}

TYPED_TEST(WellPageRefusals, ExtensionsByStrataKeepEachWellsOwnValue) {
    this->page.section.Well(0).SetTopExtendDepth(5);
    this->page.section.Well(1).SetBottomExtendDepth(7);
    this->page.section.Well(2).SetDepthType(1);
    this->page.section.Well(2).ProChanged();
    this->page.Refresh();
    oriel::testing::ClearCallLog();
    for (const char* text : {"abc", "-1", "1e400", "nan"}) {
        this->ExpectRefused(W::kTopExtendId, text);
        this->ExpectRefused(W::kBottomExtendId, text);
    }
    EXPECT_DOUBLE_EQ(5, this->page.section.Well(0).GetTopExtendDepth());
    EXPECT_DOUBLE_EQ(7, this->page.section.Well(1).GetBottomExtendDepth());
    this->ExpectNothingWritten();
}

// A change reported from code with a text no reader takes runs no tail either (no well updated, no
// redraw, no mark), and the item alone shows the last selected well's value again.
TYPED_TEST(WellPageRefusals, ATextTheReaderRefusesAfterTheItemTookItShowsTheWellsValue) {
    auto& open = this->page.open;
    const auto before = this->Wells();
    for (DWORD_PTR id : {W::kTopDepthId, W::kBottomDepthId, W::kWidthId, W::kTopExtendId, W::kBottomExtendId}) {
        const std::string shown = open.Value(id);
        open.Report(id, id == W::kWidthId ? "-1" : "x");
        EXPECT_EQ(shown, open.Value(id)) << id;
    }
    EXPECT_TRUE(before == this->Wells());
    EXPECT_TRUE(oriel::testing::CallLog().empty());
    this->ExpectNothingWritten();
}

TEST(MaxStratumLevel, FinestLevelWithStrata) {
    EXPECT_EQ(2, GetMaxStratumLevel());
    osprey::testing::SetStrata({osprey::testing::MakeStratum(0, "A", "a")});
    EXPECT_EQ(0, GetMaxStratumLevel());
    osprey::testing::SetStrata({osprey::testing::MakeStratum(4, "E", "e")});
    EXPECT_EQ(4, GetMaxStratumLevel());
    osprey::testing::SetStrata({});
    EXPECT_EQ(-1, GetMaxStratumLevel());
}

}  // namespace
