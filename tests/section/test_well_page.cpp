// The well page: the last selected well shown, every edit applied to all selected wells, the
// group rebuilds it calls for, the depth sign of reservoirs, and GetMaxStratumLevel.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "hostlibs/Halyard/Testing.h"
#include "hostlibs/Oriel/SectionFixture.h"
#include "hostlibs/Osprey/WellDataTesting.h"
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
