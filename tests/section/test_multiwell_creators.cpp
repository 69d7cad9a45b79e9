// The section entries' rows of scale bars, ruler frames, stratum cells and sand fills: the page each
// opens, in multi-well, fence and reservoir sections, and the section kind a sand-fill page is for.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hostlibs/Oriel/MultiWellFixture.h"
#include "hosttypes/Gondola/Fence.h"
#include "hosttypes/Halyard/Reservoir.h"
#include "hosttypes/Oriel/CnConnection.h"
#include "section/FcPropertyWnd.h"
#include "section/LstRulerScale.h"
#include "section/ScPropertyWnd.h"
#include "section/SectionTestFixture.h"

namespace {

using KelReservoir::Connection::CkelReservoir;
using Captions = std::vector<std::string>;
using sectiontest::Owned;

template <class Entry>
Captions TabsOf(Entry entry, ScObjInterface* object, CWnd* parent) {
    return Owned(entry.Create(SectionObjectArg(object), parent)).Tabs();
}

TEST(MultiWellCreators, EachObjectOpensItsPage) {
    sectiontest::HostWindows host;
    oriel::MultiWellFixture<CnConnection> world;
    CStratumCell& cell = world.AddCell("1");
    world.Select({&cell});
    EXPECT_EQ(Captions{"比例尺"}, TabsOf(ScPropertyWnd(), &world.Distance(), &host.frame));
    EXPECT_EQ(Captions{"比例尺"}, TabsOf(ScPropertyWnd(), &world.Depth(), &host.frame));
    EXPECT_EQ(Captions{"图框"}, TabsOf(ScPropertyWnd(), &world.Frame(), &host.frame));
    EXPECT_EQ(Captions{"地层线设置"}, TabsOf(ScPropertyWnd(), &cell, &host.frame));
    EXPECT_EQ(Captions{"砂体填充"}, TabsOf(ScPropertyWnd(), &world.Fill(0), &host.frame));
}

TEST(MultiWellCreators, ADepthScaleBarIsShownAsAScaleBar) {
    sectiontest::HostWindows host;
    oriel::MultiWellFixture<CnConnection> world;
    Owned sheet(ScPropertyWnd().Create(SectionObjectArg(&world.Depth()), &host.frame));
    auto* page = sectiontest::PageList<CLstRulerScale>(sheet.wnd, 0);
    ASSERT_NE(nullptr, page);
    platform::SendSelectionChanged(*page, nullptr, SectionObjectArg(&world.Depth()));
    EXPECT_EQ("ScDepthScale", platform::GridDriver::Info(page->GetPropList().FindItemByData(CLstRulerScale::kTypeId, TRUE)).value);
}

TEST(MultiWellCreators, FenceAndReservoirRows) {
    sectiontest::HostWindows host;
    oriel::MultiWellFixture<CkelReservoir> reservoir;
    CStratumCell& cell = reservoir.AddCell("1");
    reservoir.Fill(2).SetObjName("CkelFaultSandFill");
    cell.SetObjName("CrStratum");
    EXPECT_EQ(Captions{"砂体设置"}, TabsOf(CkelPropertyWnd(), &reservoir.Fill(0), &host.frame));
    EXPECT_EQ(Captions{"砂体设置"}, TabsOf(CkelPropertyWnd(), &reservoir.Fill(2), &host.frame));
    EXPECT_EQ(Captions{"地层线设置"}, TabsOf(CkelPropertyWnd(), &cell, &host.frame));
    EXPECT_EQ(Captions{"图框"}, TabsOf(CkelPropertyWnd(), &reservoir.Frame(), &host.frame));
    EXPECT_EQ(Captions{"比例尺"}, TabsOf(CkelPropertyWnd(), &reservoir.Depth(), &host.frame));

    oriel::MultiWellFixture<KelFence::CFence> fence;
    CStratumCell& fenceCell = fence.AddCell("1");
    EXPECT_EQ(Captions{"砂体设置"}, TabsOf(CFcPropertyWnd(), &fence.Fill(0), &host.frame));
    EXPECT_EQ(Captions{"地层线设置"}, TabsOf(CFcPropertyWnd(), &fenceCell, &host.frame));
    EXPECT_EQ(Captions{"<none>"}, TabsOf(CFcPropertyWnd(), &fence.Frame(), &host.frame));
    // The reservoir's names open nothing elsewhere.
    EXPECT_EQ(Captions{"<none>"}, TabsOf(ScPropertyWnd(), &cell, &host.frame));
    EXPECT_EQ(Captions{"<none>"}, TabsOf(CFcPropertyWnd(), &reservoir.Fill(2), &host.frame));
}

}  // namespace
