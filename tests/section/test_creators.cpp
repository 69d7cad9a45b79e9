// The section entries: which object kinds get which pages, the gates, and what a failed
// dispatch or sheet leaves behind.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "hostlibs/Oriel/SectionFixture.h"
#include "hosttypes/Gondola/Fence.h"
#include "hosttypes/Halyard/Reservoir.h"
#include "hosttypes/Oriel/CnConnection.h"
#include "hosttypes/Oriel/CrCorrelation.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "section/CnLstWell.h"
#include "section/FcPropertyWnd.h"
#include "section/ScPropertyWnd.h"
#include "section/SectionTestFixture.h"

namespace {

using KelReservoir::Connection::CkelReservoir;
using sectiontest::HostWindows;
using sectiontest::Owned;
using Captions = std::vector<std::string>;

// A connection whose class keeps the empty Accept of the base: it never calls a controller back.
class SilentConnection : public CnConnection {
public:
    using CnConnection::CnConnection;
    void Accept(ScControlerInterface*) override {}
};

class SectionCreators : public ::testing::Test {
protected:
    HostWindows host;
};

TEST_F(SectionCreators, ConnectionInTheWorkAreaGetsItsPagesOutOfItNothing) {
    oriel::SectionFixture<CnConnection> section;
    Owned sheet(ScPropertyWnd().Create(SectionObjectArg(section.Object()), &host.frame));
    EXPECT_EQ((Captions{"图设置", "层设置", "砂体设置"}), sheet.Tabs());
    Owned direct(ScPropertyWnd().CreateObj(SectionObjectArg(section.Object()), &host.frame));
    EXPECT_EQ((Captions{"图设置", "层设置", "砂体设置"}), direct.Tabs());

    section.Section().m_bSameWorkArea = false;
    EXPECT_EQ(nullptr, ScPropertyWnd().Create(SectionObjectArg(section.Object()), &host.frame));
}

TEST_F(SectionCreators, CorrelationGetsTheGraphAndStratumPages) {
    oriel::SectionFixture<CrCorrelation> section;
    Owned sheet(ScPropertyWnd().Create(SectionObjectArg(section.Object()), &host.frame));
    EXPECT_EQ((Captions{"图设置", "层设置"}), sheet.Tabs());
}

TEST_F(SectionCreators, ReservoirOpensOnlyWhileItsContainerAllowsPropertyWindows) {
    oriel::SectionFixture<CkelReservoir> section;
    Owned sheet(CkelPropertyWnd().Create(SectionObjectArg(section.Object()), &host.frame));
    EXPECT_EQ((Captions{"图设置", "层设置", "砂体设置", "断层线"}), sheet.Tabs());
    section.Section().SetPropertyValid(false);
    EXPECT_EQ(nullptr, CkelPropertyWnd().Create(SectionObjectArg(section.Object()), &host.frame));
    EXPECT_EQ(nullptr, CkelPropertyWnd().CreateObj(SectionObjectArg(section.Object()), &host.frame));
}

TEST_F(SectionCreators, FenceWellGetsOneWellPageWithoutTheMissingStrataGroup) {
    oriel::SectionFixture<KelFence::CFence> section;
    Owned sheet(CFcPropertyWnd().Create(SectionObjectArg(&section.Well(0)), &host.frame));
    EXPECT_EQ(Captions{"井设置"}, sheet.Tabs());
    auto* list = sectiontest::PageList<CnLstWell>(sheet.wnd, 0);
    ASSERT_NE(nullptr, list);
    platform::SendSelectionChanged(*sheet.wnd, &host.view, SectionObjectArg(&section.Well(0)));
    CBCGPProp* missing = list->GetPropList().FindItemByData(CnLstWell::kMissingStrataId, TRUE);
    ASSERT_NE(nullptr, missing);
    EXPECT_FALSE(missing->IsVisible());
    EXPECT_EQ(3u, list->GetWells().size());
}

TEST_F(SectionCreators, ReservoirAndFenceTablesAreTheirOwn) {
    oriel::SectionFixture<CkelReservoir> reservoir;
    EXPECT_EQ(nullptr, CFcPropertyWnd().Create(SectionObjectArg(reservoir.Object()), &host.frame));
    EXPECT_EQ(nullptr, CFcPropertyWnd().CreateObj(SectionObjectArg(reservoir.Object()), &host.frame));
    Owned well(CkelPropertyWnd().Create(SectionObjectArg(&reservoir.Well(1)), &host.frame));
    EXPECT_EQ(Captions{"井设置"}, well.Tabs());
    // A multi-well well while the current section is a reservoir: a sheet without pages.
    Owned empty(ScPropertyWnd().Create(SectionObjectArg(&reservoir.Well(1)), &host.frame));
    ASSERT_NE(nullptr, empty.wnd);
    EXPECT_TRUE(empty.Tabs().empty());

    oriel::SectionFixture<KelFence::CFence> fence;
    EXPECT_EQ(nullptr, CkelPropertyWnd().Create(SectionObjectArg(fence.Object()), &host.frame));
}

TEST_F(SectionCreators, NamesMatchWholeAndCaseSensitive) {
    oriel::SectionFixture<CnConnection> section;
    for (const char* name : {"cnconnection", "CnConnection ", "CnConnectio", ""}) {
        section.Section().SetObjName(name);
        EXPECT_EQ(nullptr, ScPropertyWnd().Create(SectionObjectArg(section.Object()), &host.frame)) << name;
    }
}

TEST_F(SectionCreators, CreateObjReachesObjectsWithoutAnAcceptOfTheirOwn) {
    oriel::SectionFixture<SilentConnection> section;
    EXPECT_EQ(nullptr, ScPropertyWnd().Create(SectionObjectArg(section.Object()), &host.frame));
    Owned sheet(ScPropertyWnd().CreateObj(SectionObjectArg(section.Object()), &host.frame));
    EXPECT_EQ((Captions{"图设置", "层设置", "砂体设置"}), sheet.Tabs());
}

TEST_F(SectionCreators, NoObjectOrAMisnamedObjectBuildsNothing) {
    EXPECT_EQ(nullptr, ScPropertyWnd().Create(0, &host.frame));
    EXPECT_EQ(nullptr, ScPropertyWnd().CreateObj(0, &host.frame));
    EXPECT_EQ(nullptr, CFcPropertyWnd().Create(0, &host.frame));
    EXPECT_EQ(nullptr, CkelPropertyWnd().CreateObj(0, &host.frame));
    EXPECT_EQ(nullptr, CSglPropertyWnd().Create(0, &host.frame));
    oriel::SectionFixture<CrCorrelation> section;
    section.Section().SetObjName("CnConnection");
    EXPECT_EQ(nullptr, ScPropertyWnd().Create(SectionObjectArg(section.Object()), &host.frame));
    EXPECT_EQ(nullptr, ScPropertyWnd().CreateObj(SectionObjectArg(section.Object()), &host.frame));
}

TEST_F(SectionCreators, ASheetThatCannotBeMadeIsNotHandedOut) {
    oriel::SectionFixture<CnConnection> section;
    CWnd noWindow;
    EXPECT_EQ(nullptr, ScPropertyWnd().Create(SectionObjectArg(section.Object()), &noWindow));
    EXPECT_EQ(nullptr, CFcPropertyWnd().Create(SectionObjectArg(&section.Well(0)), &noWindow));
    // The creator keeps the window of its last successful dispatch.
    ScPropertyLstCreator creator(&host.frame);
    creator.SetBecontroler(section.Object());
    Owned first(creator.GetCreatedWnd());
    ASSERT_NE(nullptr, first.wnd);
    creator.SetBecontroler(static_cast<ScObjInterface*>(&section.Well(0)));
    Owned second(creator.GetCreatedWnd());
    EXPECT_NE(first.wnd, second.wnd);
    section.Section().m_bSameWorkArea = false;
    creator.SetBecontroler(section.Object());
    EXPECT_EQ(second.wnd, creator.GetCreatedWnd());
}

TEST_F(SectionCreators, LayerPropertyIsAlwaysTheOneNamePage) {
    parsnip::MapFixture maps;
    Owned sheet(ScPropertyLstCreator::CreateLayerProperty(maps.Layer(), &host.frame));
    EXPECT_EQ(Captions{"图层名"}, sheet.Tabs());
    Owned single(CSglPropertyLstCreator::CreateLayerProperty(nullptr, &host.frame));
    EXPECT_EQ(Captions{"图层名"}, single.Tabs());
    CWnd noWindow;
    Owned windowless(ScPropertyLstCreator::CreateLayerProperty(maps.Layer(), &noWindow));
    ASSERT_NE(nullptr, windowless.wnd);
    EXPECT_EQ(nullptr, windowless.wnd->GetSafeHwnd());
}

}  // namespace
