// Codes beyond the ones the section libraries name, as a host may hand them over: each page takes
// its answer for "any other value" (run under the sanitizers, which stop on a code that is no
// value of its type).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "hosttypes/Halyard/OSWerLine.h"
#include "hosttypes/Halyard/Reservoir.h"
#include "hosttypes/Oriel/CnConnection.h"
#include "hosttypes/Pennant/SglWellAdapter.h"
#include "section/GraphPageFixture.h"
#include "section/LstSingle.h"
#include "section/ScPropertyWnd.h"
#include "section/SglLstWell.h"
#include "section/SingleWellTestFixture.h"

namespace {

using KelReservoir::Connection::CkelReservoir;
using Texts = std::vector<std::string>;

// A section of a kind the module does not know.
class UnknownKindSection : public CnConnection {
public:
    using CnConnection::CnConnection;
    CONTAINERTYPE GetType() const override { return static_cast<CONTAINERTYPE>(9); }
};

TEST(HostCodes, AWellOfAnUnknownKindOfSectionGetsASheetWithoutPages) {
    sectiontest::HostWindows host;
    oriel::SectionFixture<UnknownKindSection> section;
    CWnd* sheet = ScPropertyWnd().Create(SectionObjectArg(&section.Well(0)), &host.frame);
    ASSERT_NE(nullptr, sheet);
    EXPECT_TRUE(platform::TabCaptions(*sheet).empty());
    platform::DestroyAndDelete(sheet);
}

TEST(HostCodes, AReservoirPickedInAnUnknownWayOffersBothSpacings) {
    sectiontest::GraphPage<CkelReservoir> page;
    page.section.Section().SetLineType(static_cast<EnumProfileType>(7));
    page.Refresh();
    EXPECT_EQ((Texts{"实际距离", "投影"}), page.Options(CRsGraphSetor::kSpacingTypeId));
}

TEST(HostCodes, SingleWellPagesKeepTheirTextForUnknownTypes) {
    sectiontest::SingleWorld world;
    sectiontest::SinglePage<CLstSingle> graph(&world.Section());
    graph.Show(world.Object());
    sectiontest::SinglePage<CsglLstWell> well(&world.Well());
    well.Show(&world.Well());
    ASSERT_EQ("井轨迹(中心线)", graph.open.Value(CLstSingle::kLapJointId));
    ASSERT_EQ("测深", well.open.Value(CsglLstWell::kDepthTypeId));

    world.Well().SetLapJointType(static_cast<LapJointType>(7));
    world.Well().SetRangeType(static_cast<EnumDepthType>(5));
    world.Well().SetDepthDataType(static_cast<DepthDataType>(9));
    world.Well().SetTopDep(800);
    world.Section().ProChanged();
    graph.Show(world.Object());
    world.Well().ProChanged();
    well.Show(&world.Well());
    EXPECT_EQ("井轨迹(中心线)", graph.open.Value(CLstSingle::kLapJointId));  // left as it was
    EXPECT_EQ("分层", graph.open.Value(CLstSingle::kRangeTypeId));          // anything but 0
    EXPECT_EQ("800.00", graph.open.Value(CLstSingle::kTopDepthId));         // not an elevation
    EXPECT_EQ("测深", well.open.Value(CsglLstWell::kDepthTypeId));         // left as it was
    EXPECT_EQ(7, world.Well().GetLapJointType());
}

TEST(HostCodes, AnInterfaceLineOfAnUnknownTypeHasOilAboveAndWaterBelow) {
    KelReservoir::SandUnit::CkelOSWerLine line;
    line.SetLineType(static_cast<KelReservoir::SandUnit::OSWLineType>(5));
    EXPECT_EQ(5, line.GetLineType());
    EXPECT_EQ("油", line.GetUpperString());
    EXPECT_EQ("水", line.GetLowerString());
}

}  // namespace
