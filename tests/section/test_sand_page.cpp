// The sand-body page: what each edit stores in the section's display record, what it has the
// section library rebuild, which edits renew the section's stamp, and the kinds' item sets.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "framework/BmpPropLst.h"
#include "framework/ItemGroupsFill.h"
#include "hostlibs/Halyard/Testing.h"
#include "hostlibs/Oriel/SectionFixture.h"
#include "hosttypes/Gondola/Fence.h"
#include "hosttypes/Halyard/Reservoir.h"
#include "hosttypes/Oriel/CnConnection.h"
#include "section/SandDisplayMode.h"
#include "section/SandSetor.h"
#include "section/SectionTestFixture.h"

namespace {

using KelReservoir::Connection::CkelReservoir;
using sectiontest::Logged;
using S = CSandSetor;

bool HalyardLogged(const std::string& entry) {
    const auto& log = halyard::testing::CallLog();
    return std::find(log.begin(), log.end(), entry) != log.end();
}

template <class Container>
class SandPage {
public:
    SandPage() : open(new CSandSetor(&section.Section())) { Refresh(); }
    void Refresh() { open.Show(section.Object()); }
    CMapProperty& Record() { return section.Record(); }
    std::vector<std::string> Options(DWORD_PTR id) { return platform::GridDriver::Info(open.Item(id)).options; }

    oriel::SectionFixture<Container> section;
    sectiontest::OpenList<CSandSetor> open;
};

TEST(SandDisplayModes, ConvertBothWays) {
    for (const auto& [mode, text] : {std::pair<int, const char*>{0, "全部"}, {1, "射开"}, {2, "连通"}, {3, ""}})
        EXPECT_EQ(text, SandDisplayModeText(mode).str()) << mode;
    // The conversion leaves "全部" to its callers; the "显示" list reads it as 0 and every other
    // text as the conversion does: any other text is -1, every sand unit shown.
    std::unique_ptr<CFixedListProp> list(NewSandDisplayList("显示", "", 1));
    EXPECT_EQ((std::vector<std::string>{"全部", "射开", "连通"}), platform::GridDriver::Info(list.get()).options);
    struct Row {
        const char* text;
        int converted;
        int listed;
    };
    for (const Row& row : {Row{"射开", 1, 1}, Row{"连通", 2, 2}, Row{"全部", -1, 0}, Row{"other", -1, -1},
                           Row{"无此选项", -1, -1}}) {
        EXPECT_EQ(row.converted, SandDisplayModeFromText(row.text)) << row.text;
        int value = -99;
        EXPECT_TRUE(list->ValueOf(row.text, &value)) << row.text;
        EXPECT_EQ(row.listed, value) << row.text;
    }
}

TEST(SandPageKinds, ConnectionShowsTheContactInterfaceAndFourFillTypes) {
    SandPage<CnConnection> page;
    EXPECT_EQ((std::vector<std::string>{"沉积相模式", "岩性符号", "油气水", "单一填充"}), page.Options(S::kFillTypeId));
    EXPECT_TRUE(page.open.Shown(S::kFaciesContactId));
    EXPECT_FALSE(page.open.Shown(S::kSeepageGroupId));
    EXPECT_FALSE(page.open.Shown(S::kOswId));
    EXPECT_FALSE(page.open.Shown(S::kPinchoutShowId));
    EXPECT_EQ("默认", page.open.Value(S::kPinchoutLengthId));
    EXPECT_EQ((std::vector<std::string>{"1/2井距", "1/4井距", "Lh/(h+1)", "Lh/H"}), page.Options(S::kPinchoutLengthId));
}

TEST(SandPageKinds, ReservoirShowsSeepageAndOilGasWaterAndLocksPinchoutWhileCurved) {
    SandPage<CkelReservoir> page;
    EXPECT_EQ((std::vector<std::string>{"油气水", "沉积相模式"}), page.Options(S::kFillTypeId));
    EXPECT_FALSE(page.open.Shown(S::kFaciesContactId));
    EXPECT_TRUE(page.open.Shown(S::kSeepageGroupId));
    EXPECT_TRUE(page.open.Shown(S::kOswId));
    EXPECT_TRUE(page.open.Item(S::kPinchoutLengthId)->IsEnabled());

    page.section.Section().SetCurve(true);
    page.section.Section().ProChanged();
    page.Refresh();
    EXPECT_FALSE(page.open.Item(S::kPinchoutLengthId)->IsEnabled());
    EXPECT_FALSE(page.open.Item(S::kPinchoutGroupId)->IsExpanded());
}

TEST(SandPageKinds, FenceOffersThePinchoutSwitch) {
    SandPage<KelFence::CFence> page;
    EXPECT_TRUE(page.open.Shown(S::kPinchoutShowId));
    EXPECT_TRUE(page.open.Pick(S::kPinchoutShowId, "是"));
    EXPECT_TRUE(page.Record().m_bShowPinchout);
}

TEST(SandPageEdits, SingleFillStoresThreeAndShowsItsGroupAtTheNextRefresh) {
    SandPage<CnConnection> page;
    EXPECT_FALSE(page.open.Shown(S::kSingleFillId));
    const uint64_t before = page.section.Section().GetTimeStamp();
    EXPECT_TRUE(page.open.Pick(S::kFillTypeId, "单一填充"));
    EXPECT_EQ(3, page.Record().m_nFillType);
    EXPECT_NE(before, page.section.Section().GetTimeStamp());
    EXPECT_TRUE(Logged("CMapProperty::UpdateSandFill()"));
    EXPECT_FALSE(page.open.Shown(S::kSingleFillId));
    page.Refresh();
    EXPECT_TRUE(page.open.Shown(S::kSingleFillId));

    // A style set picked is written: the set, its first style, the sand fill made again, a new stamp.
    const std::vector<std::string> sets = page.Options(S::kSingleFillId + 1);
    ASSERT_GE(sets.size(), 2u);
    oriel::testing::ClearCallLog();
    const uint64_t shown = page.section.Section().GetTimeStamp();
    EXPECT_TRUE(page.open.Pick(S::kSingleFillId + 1, sets[1]));
    EXPECT_EQ(sets[1], page.Record().m_strFillStyleSet);
    EXPECT_EQ(GetFirstFillStyleID(sets[1].c_str()), page.Record().m_singleFill.style);
    EXPECT_TRUE(Logged("CMapProperty::UpdateSandFill()"));
    EXPECT_NE(shown, page.section.Section().GetTimeStamp());
}

TEST(SandPageEdits, CellSizeIsStoredInHundredths) {
    SandPage<CnConnection> page;
    page.Record().m_nFillType = 1;
    page.Record().m_dCellSize = 120;
    page.section.Section().ProChanged();
    page.Refresh();
    ASSERT_TRUE(page.open.Shown(S::kCellSizeId));
    EXPECT_EQ("1.20", page.open.Value(S::kCellSizeId));
    EXPECT_TRUE(page.open.Type(S::kCellSizeId, "2.5"));
    EXPECT_DOUBLE_EQ(250, page.Record().m_dCellSize);
    EXPECT_TRUE(page.open.Type(S::kCellSizeId, "1e400"));
    EXPECT_DOUBLE_EQ(250, page.Record().m_dCellSize);
}

// A change reported from code with a text no reader takes: the record keeps its value, no fill or
// group takes it, nothing is redrawn or marked, and the item shows the stored value again.
TEST(SandPageEdits, ATextTheReaderRefusesAfterTheItemTookItShowsTheRecordsValue) {
    SandPage<CnConnection> page;
    page.Record().m_nFillType = 1;
    page.Record().m_dCellSize = 120;
    page.Record().m_bShowEnvelope = true;
    page.Record().m_envelopePen.width = 35;
    page.section.Section().ProChanged();
    page.Refresh();
    page.section.Section().SetModifyFlag(0);
    oriel::testing::ClearCallLog();
    const int updates = page.section.Section().GetUpdateCount();
    for (const auto& [id, shown] :
         {std::pair<DWORD_PTR, const char*>{S::kCellSizeId, "1.20"}, {S::kEnvelopeId + 3, "0.35"}}) {
        page.open.Report(id, "x");
        EXPECT_EQ(shown, page.open.Value(id)) << id;
    }
    EXPECT_TRUE(oriel::testing::CallLog().empty());
    EXPECT_EQ(updates, page.section.Section().GetUpdateCount());
    EXPECT_EQ(0, page.section.Section().GetModifyFlag());
    EXPECT_DOUBLE_EQ(120, page.Record().m_dCellSize);
    EXPECT_FLOAT_EQ(35, page.Record().m_envelopePen.width);
}

TEST(SandPageEdits, PinchoutLengthRebuildsPinchouts) {
    SandPage<CnConnection> page;
    EXPECT_TRUE(page.open.Pick(S::kPinchoutLengthId, "Lh/(h+1)"));
    EXPECT_EQ(2, page.Record().m_nPinchoutLength);
    EXPECT_TRUE(Logged("CMapProperty::ReCreatePinchout()"));

    SandPage<CkelReservoir> reservoir;
    EXPECT_TRUE(reservoir.open.Pick(S::kPinchoutLengthId, "1/4井距"));
    EXPECT_EQ(5, reservoir.Record().m_nPinchoutLength);
    EXPECT_TRUE(HalyardLogged("CkelFlowUnitManager::ReBuildWithOSWInfo"));
}

TEST(SandPageEdits, ShapePicturesStoreTheirCodes) {
    SandPage<CnConnection> page;
    auto* river = dynamic_cast<CBmpPropLst*>(page.open.Item(S::kRiverShapeId));
    ASSERT_NE(nullptr, river);
    EXPECT_EQ(1, river->m_nSelectedIndex);  // a river shape other than 5
    // The picture shown picked again is no edit; the other picture and then this one are.
    EXPECT_TRUE(page.open.grid().PickDropDownEntry(river, 1));
    EXPECT_EQ(-1, page.Record().m_nRiverShape);
    EXPECT_FALSE(Logged("CMapProperty::ReCreateRiver()"));
    EXPECT_TRUE(page.open.grid().PickDropDownEntry(river, 0));
    EXPECT_EQ(5, page.Record().m_nRiverShape);
    oriel::testing::ClearCallLog();
    EXPECT_TRUE(page.open.grid().PickDropDownEntry(river, 1));
    EXPECT_EQ(7, page.Record().m_nRiverShape);
    EXPECT_TRUE(Logged("CMapProperty::ReCreateRiver()"));
    EXPECT_TRUE(page.open.grid().PickDropDownEntry(page.open.Item(S::kSandDamShapeId), 0));
    EXPECT_EQ(8, page.Record().m_nSandDamShape);
    auto* dam = dynamic_cast<CBmpPropLst*>(page.open.Item(S::kSandDamShapeId));
    page.Record().m_nSandDamShape = 9;
    page.section.Section().ProChanged();
    page.Refresh();
    EXPECT_EQ(-1, dam->m_nSelectedIndex);
}

TEST(SandPageEdits, SandDisplayFiltersTheGroups) {
    SandPage<CnConnection> page;
    EXPECT_TRUE(page.open.Pick(S::kSandDisplayId, "连通"));
    EXPECT_EQ(2, page.Record().m_nSandDisplay);
    EXPECT_TRUE(Logged("CMapProperty::FliterGroup()"));
    EXPECT_TRUE(page.open.Pick(S::kSandDisplayId, "全部"));
    EXPECT_EQ(0, page.Record().m_nSandDisplay);
}

TEST(SandPageEdits, EnvelopePenGoesToEveryConnectionGroupWithoutANewStamp) {
    SandPage<CnConnection> page;
    EXPECT_FALSE(page.open.Item(S::kEnvelopeId + 3)->IsEnabled());  // line items follow the show flag
    EXPECT_TRUE(page.open.Pick(S::kEnvelopeId + 1, "是"));
    EXPECT_TRUE(page.Record().m_bShowEnvelope);
    page.Refresh();
    const uint64_t before = page.section.Section().GetTimeStamp();
    EXPECT_TRUE(page.open.Type(S::kEnvelopeId + 3, "0.5"));
    EXPECT_FLOAT_EQ(50, page.Record().m_envelopePen.width);
    EXPECT_EQ(2, sectiontest::CountLogged("CnConnectionGroupMgr::SetConLinePen()"));
    for (unsigned int i = 0; i < 2; ++i)
        EXPECT_FLOAT_EQ(50, page.section.Section().GetConMgrVector().GetObj(i)->GetConLinePen().width);
    EXPECT_EQ(before, page.section.Section().GetTimeStamp());
    EXPECT_TRUE(page.open.Pick(S::kEnvelopeId + 1, "否"));
    EXPECT_NE(before, page.section.Section().GetTimeStamp());
}

// A pen width or cell size the records cannot hold in hundredths is handed to no connection group
// and no sand: each keeps its own pen and fill.
TEST(SandPageEdits, ARefusedWidthOrCellSizeReachesNoGroupAndNoSand) {
    SandPage<CnConnection> page;
    EXPECT_TRUE(page.open.Pick(S::kEnvelopeId + 1, "是"));
    page.Record().m_nFillType = 3;
    page.section.Section().ProChanged();
    page.Refresh();
    ASSERT_TRUE(page.open.Shown(S::kSingleFillId));
    oriel::testing::ClearCallLog();
    const uint64_t before = page.section.Section().GetTimeStamp();
    for (const char* text : {"1e39", "3.5e38", "9e296"}) {
        EXPECT_TRUE(page.open.Type(S::kEnvelopeId + 3, text));
        EXPECT_TRUE(page.open.Type(S::kSingleFillId + 5, text));
        EXPECT_EQ("0.00", page.open.Value(S::kEnvelopeId + 3)) << text;
    }
    EXPECT_EQ(0, sectiontest::CountLogged("CnConnectionGroupMgr::SetConLinePen()"));
    EXPECT_FALSE(Logged("CMapProperty::UpdateSandFill()"));
    EXPECT_FLOAT_EQ(0, page.Record().m_envelopePen.width);
    EXPECT_EQ(before, page.section.Section().GetTimeStamp());
}

TEST(SandPageEdits, ContactAndSeepageEditTheSameInterface) {
    SandPage<CkelReservoir> page;
    EXPECT_FALSE(page.open.Item(S::kSeepageWidthId)->IsEnabled());
    EXPECT_TRUE(page.open.Pick(S::kSeepageShowId, "是"));
    EXPECT_TRUE(page.Record().m_bShowInterfaceLine);
    page.Refresh();
    EXPECT_TRUE(page.open.Type(S::kSeepageWidthId, "0.3"));
    EXPECT_FLOAT_EQ(30, page.Record().m_interfacePen.width);
    EXPECT_EQ(2, sectiontest::CountLogged("CnConnectionGroupMgr::SetSplitLinePen()"));
    EXPECT_TRUE(HalyardLogged("CkelReservoir::SplitCurvePenChanged"));
    EXPECT_TRUE(page.open.Pick(S::kOswId + 1, "是"));
    page.Refresh();
    EXPECT_TRUE(page.open.Type(S::kOswId + 3, "0.7"));
    EXPECT_FLOAT_EQ(70, page.Record().m_oswPen.width);
    EXPECT_TRUE(HalyardLogged("CkelReservoir::FlowUnitPenChanged"));

    // The seepage pen follows the switch and the interface form: a colour picked there is the
    // pen's colour, and a stored width that does not read (-100) does not block it.
    page.Record().m_interfacePen.width = -100;
    page.section.Section().ProChanged();
    page.Refresh();
    ASSERT_TRUE(page.open.ChooseColor(S::kSeepageColorId, RGB(0, 0, 200)));
    EXPECT_EQ(RGB(0, 0, 200), page.Record().m_interfacePen.color);
    EXPECT_FLOAT_EQ(-100, page.Record().m_interfacePen.width);
}

// Each report is judged by its own text: after a typed width and two refused reports, a valid one
// is stored and handed to the section's groups.
TEST(SandPageEdits, AValidReportAfterRefusedOnesIsTaken) {
    SandPage<CkelReservoir> page;
    for (DWORD_PTR shown : {DWORD_PTR{S::kEnvelopeId + 1}, DWORD_PTR{S::kOswId + 1}, DWORD_PTR{S::kSeepageShowId}})
        EXPECT_TRUE(page.open.Pick(shown, "是"));
    page.Refresh();
    const DWORD_PTR widths[] = {S::kEnvelopeId + 3, S::kOswId + 3, S::kSeepageWidthId};
    for (DWORD_PTR id : widths) ASSERT_TRUE(page.open.Type(id, "3"));
    oriel::testing::ClearCallLog();
    page.section.Section().SetModifyFlag(0);
    for (DWORD_PTR id : widths) page.open.ExpectRefusedReportsShow(id, "3.00");
    EXPECT_TRUE(oriel::testing::CallLog().empty());
    EXPECT_EQ(0, page.section.Section().GetModifyFlag());
    for (DWORD_PTR id : widths) page.open.Report(id, "7");
    EXPECT_FLOAT_EQ(700, page.Record().m_envelopePen.width);
    EXPECT_FLOAT_EQ(700, page.Record().m_oswPen.width);
    EXPECT_FLOAT_EQ(700, page.Record().m_interfacePen.width);
    EXPECT_TRUE(Logged("CnConnectionGroupMgr::SetConLinePen()"));
    EXPECT_TRUE(Logged("CnConnectionGroupMgr::SetSplitLinePen()"));

    SandPage<CnConnection> connection;
    EXPECT_TRUE(connection.open.Pick(S::kFaciesContactId + 1, "是"));
    connection.Refresh();
    ASSERT_TRUE(connection.open.Type(S::kFaciesContactId + 3, "3"));
    for (const char* text : {"-1", "1e39"}) connection.open.Report(S::kFaciesContactId + 3, text);
    EXPECT_EQ("3.00", connection.open.Value(S::kFaciesContactId + 3));
    connection.open.Report(S::kFaciesContactId + 3, "7");
    EXPECT_FLOAT_EQ(700, connection.Record().m_interfacePen.width);
}

// Texts reported from code into the lists: the sand display and pinch-out length keep -1 for any
// other text and take the texts they show but do not offer; the switches are on only for "是" or
// "允许"; the fill type has no value for any other text, so it is refused: nothing written, no stamp,
// no redraw, and only that item shows its text from before. An accepted text shows what the refresh
// shows for the value.
TEST(SandPageEdits, ListsReadReportedTextsByTheRecordsConversions) {
    SandPage<KelFence::CFence> page;
    CMapProperty& r = page.Record();
    r.m_bShowPinchout = true;
    r.m_bLocalPinchout = true;
    r.m_nPinchoutLength = 2;
    page.section.Section().ProChanged();
    page.Refresh();
    page.open.Report(S::kPinchoutLengthId, "默认");
    EXPECT_EQ(0, r.m_nPinchoutLength);
    EXPECT_EQ("默认", page.open.Value(S::kPinchoutLengthId));
    page.open.Report(S::kPinchoutLengthId, "无此选项");
    EXPECT_EQ(-1, r.m_nPinchoutLength);
    EXPECT_EQ("", page.open.Value(S::kPinchoutLengthId));
    page.open.Report(S::kSandDisplayId, "无此选项");
    EXPECT_EQ(-1, r.m_nSandDisplay);
    EXPECT_EQ("", page.open.Value(S::kSandDisplayId));
    page.open.Report(S::kLocalPinchoutId, "无此选项");
    EXPECT_FALSE(r.m_bLocalPinchout);
    EXPECT_EQ("不允许", page.open.Value(S::kLocalPinchoutId));
    page.open.Report(S::kPinchoutShowId, "无此选项");
    EXPECT_FALSE(r.m_bShowPinchout);
    EXPECT_EQ("否", page.open.Value(S::kPinchoutShowId));

    ASSERT_TRUE(page.open.Pick(S::kFillTypeId, "油气水"));
    page.section.Section().SetModifyFlag(0);
    oriel::testing::ClearCallLog();
    const uint64_t stamp = page.section.Section().GetTimeStamp();
    const int updates = page.section.Section().GetUpdateCount();
    page.open.Report(S::kFillTypeId, "无此选项");
    EXPECT_EQ(2, r.m_nFillType);
    EXPECT_EQ("油气水", page.open.Value(S::kFillTypeId));
    EXPECT_TRUE(oriel::testing::CallLog().empty());
    EXPECT_EQ(stamp, page.section.Section().GetTimeStamp());
    EXPECT_EQ(updates, page.section.Section().GetUpdateCount());
    EXPECT_EQ(0, page.section.Section().GetModifyFlag());
}

TEST(SandPageEdits, EveryEditRedrawsAndMarksTheSectionModified) {
    SandPage<CnConnection> page;
    const int updates = page.section.Section().GetUpdateCount();
    EXPECT_TRUE(page.open.Pick(S::kLocalPinchoutId, "允许"));
    EXPECT_TRUE(page.Record().m_bLocalPinchout);
    EXPECT_TRUE(page.open.Pick(S::kSandDisplayId, "射开"));
    EXPECT_EQ(updates + 2, page.section.Section().GetUpdateCount());
    EXPECT_EQ(1, page.section.Section().GetModifyFlag());
}

}  // namespace
