// The single-well "图设置" page: what it shows of the section and its well, the scale, grade,
// depth-range and width edits, and the steps every edit ends with.
#include <gtest/gtest.h>

#include <cmath>

#include "driver/Responder.h"
#include "hostlibs/Osprey/WellDataTesting.h"
#include "hosttypes/Pennant/SglWellAdapter.h"
#include "hosttypes/Pennant/StratumUnit.h"
#include "section/LstSingle.h"
#include "section/SingleWellTestFixture.h"
#include "win32/Win32.h"

namespace {

using sectiontest::SinglePage;
using sectiontest::SingleTrace;
using sectiontest::SingleWorld;

class SingleGraphPage : public ::testing::Test {
protected:
    SingleGraphPage() : page(&world.Section()), trace(world.Section()) { Refresh(); }
    // The section changed elsewhere; the host announces the selection again.
    void Refresh() {
        world.Section().ProChanged();
        page.Show(world.Object());
        trace.Clear();
    }
    std::string Value(DWORD_PTR id) { return page.open.Value(id); }
    bool Logged(const std::string& entry) { return trace.Has(entry); }

    SingleWorld world;
    SinglePage<CLstSingle> page;
    SingleTrace trace;
};

TEST_F(SingleGraphPage, ShowsTheSectionAndItsWell) {
    EXPECT_EQ("单井剖面[系统]", Value(CLstSingle::kTemplateId));
    EXPECT_EQ((std::vector<std::string>{"<不使用>", "单井剖面[系统]"}), page.Options(CLstSingle::kTemplateId));
    EXPECT_EQ("1:1000", Value(CLstSingle::kXScaleId));
    EXPECT_EQ("1:500", Value(CLstSingle::kYScaleId));
    EXPECT_EQ("井轨迹(中心线)", Value(CLstSingle::kLapJointId));
    EXPECT_EQ("二级", Value(CLstSingle::kGradeId));
    // The sample well data hold strata of grades one to three.
    EXPECT_EQ((std::vector<std::string>{"一级", "二级", "三级"}), page.Options(CLstSingle::kGradeId));
    EXPECT_EQ("深度", Value(CLstSingle::kRangeTypeId));
    EXPECT_TRUE(page.open.Shown(CLstSingle::kTopDepthId));
    EXPECT_FALSE(page.open.Shown(CLstSingle::kTopStratumId));
    EXPECT_EQ("1000.00", Value(CLstSingle::kTopDepthId));
    EXPECT_EQ("3.00", Value(CLstSingle::kWellWidthId));
    EXPECT_EQ("岩样道", Value(CLstSingle::kLeftTrackId));
    EXPECT_FALSE(page.open.Item(CLstSingle::kRightTrackId)->IsEnabled());

    world.Record().m_strTemplatePath.clear();
    world.Well().SetDepthDataType(DEPTHDATA_ELEVATION);
    world.Well().SetRangeType(DEPTHTYPE_BY_STRATUM);
    Refresh();
    EXPECT_EQ("<不使用>", Value(CLstSingle::kTemplateId));
    EXPECT_EQ("-1000.00", Value(CLstSingle::kTopDepthId));
    EXPECT_EQ("分层", Value(CLstSingle::kRangeTypeId));
    EXPECT_TRUE(page.open.Shown(CLstSingle::kTopStratumId));
    EXPECT_FALSE(page.open.Shown(CLstSingle::kBottomDepthId));
    // The top list ends at the bottom stratum, the bottom list starts at the top one.
    world.Well().SetTopStratum("2");
    world.Well().SetBottomStratum("2");
    Refresh();
    EXPECT_EQ((std::vector<std::string>{"1", "2"}), page.Options(CLstSingle::kTopStratumId));
    EXPECT_EQ((std::vector<std::string>{"2", "3"}), page.Options(CLstSingle::kBottomStratumId));
}

TEST_F(SingleGraphPage, ReadsAgainOnlyWhenTheSectionWasStamped) {
    world.Well().SetWidth(800);
    page.Show(world.Object());
    EXPECT_EQ("3.00", Value(CLstSingle::kWellWidthId));
    Refresh();
    EXPECT_EQ("8.00", Value(CLstSingle::kWellWidthId));
}

TEST_F(SingleGraphPage, ScaleTexts) {
    EXPECT_TRUE(page.open.Type(CLstSingle::kYScaleId, "1:50"));
    EXPECT_DOUBLE_EQ(50, world.Record().m_dYScale);
    EXPECT_EQ(0u,
              trace.Text().find("CSingleWellSection::SetYScale(50.000000) | CSingleWellSection::UpdateStratumSand"));
    // A text that is no scale is refused: nothing is laid out again, stamped or redrawn, and the
    // item shows the stored scale.
    trace.Clear();
    const uint64_t stamp = world.Object()->GetTimeStamp();
    for (const char* text : {"1:abc", "1:0", "1e400"}) {
        page.open.Type(CLstSingle::kXScaleId, text);
        EXPECT_EQ("1:1000", Value(CLstSingle::kXScaleId)) << text;
    }
    EXPECT_DOUBLE_EQ(1000, world.Record().m_dXScale);
    EXPECT_EQ("", trace.Text());
    EXPECT_EQ(stamp, world.Object()->GetTimeStamp());
    EXPECT_TRUE(page.open.Type(CLstSingle::kXScaleId, "250"));
    EXPECT_DOUBLE_EQ(250, world.Record().m_dXScale);
    double scale = 0;
    EXPECT_FALSE(single::ReadSingleScale("1:1e-8", &scale));
}

TEST_F(SingleGraphPage, TemplateAndLapJoint) {
    EXPECT_TRUE(page.open.Pick(CLstSingle::kTemplateId, "<不使用>"));
    EXPECT_EQ(0u,
              trace.Text().find("CSingleWellSection::SetTemplate(<不使用>) | CSingleWellSection::UpdateStratumSand"));
    EXPECT_TRUE(page.open.Pick(CLstSingle::kLapJointId, "井柱"));
    EXPECT_EQ(LAPJOINT_WELL_COLUMN, world.Well().GetLapJointType());
    EXPECT_TRUE(page.open.Pick(CLstSingle::kRangeTypeId, "分层"));
    EXPECT_EQ(DEPTHTYPE_BY_STRATUM, world.Well().GetRangeType());
    // A text of neither option, reported from code, is refused: nothing written, no tail, only
    // that item shows its text from before.
    for (const auto& [id, shown] :
         {std::make_pair(CLstSingle::kLapJointId, "井柱"), std::make_pair(CLstSingle::kRangeTypeId, "分层")}) {
        trace.Clear();
        page.open.Report(id, "无此选项");
        EXPECT_EQ("", trace.Text()) << id;
        EXPECT_EQ(shown, Value(id)) << id;
    }
    EXPECT_EQ(LAPJOINT_WELL_COLUMN, world.Well().GetLapJointType());
    EXPECT_EQ(DEPTHTYPE_BY_STRATUM, world.Well().GetRangeType());
}

TEST_F(SingleGraphPage, GradeChangeAsksFirst) {
    world.Record().m_nGrade = 0;
    Refresh();
    platform::Responder::Instance().QueueAnswer(IDNO);
    EXPECT_TRUE(page.open.Pick(CLstSingle::kGradeId, "二级"));
    ASSERT_EQ(1u, platform::Responder::Instance().MessageBoxes().size());
    EXPECT_EQ("分层等级改变，现有关系将会被删除，请确定是否改变。",
              platform::Responder::Instance().MessageBoxes()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO), platform::Responder::Instance().MessageBoxes()[0].type);
    EXPECT_EQ(0, world.Record().m_nGrade);
    EXPECT_EQ(1u, world.Section().GetStratumManager()->GetNum());
    EXPECT_FALSE(Logged("CSglWellAdapter::UpdateStratumAndDep"));
    // "否" still ends like every edit.
    EXPECT_TRUE(Logged("stamp"));
    EXPECT_TRUE(Logged("CSingleWellSection::UpdateWnd"));

    Refresh();
    EXPECT_EQ("一级", Value(CLstSingle::kGradeId));
    platform::Responder::Instance().QueueAnswer(IDYES);
    EXPECT_TRUE(page.open.Pick(CLstSingle::kGradeId, "二级"));
    EXPECT_EQ(1, world.Record().m_nGrade);
    EXPECT_EQ(0u, trace.Text().find("CSglWellAdapter::UpdateStratumAndDep | CSglWellAdapter::CalStratumProperty"));
    EXPECT_EQ(0u, world.Section().GetStratumManager()->GetNum());
    EXPECT_EQ(0u, world.Section().GetSandUnitMgrVector()->GetNum());
    // Measured depths keep their strata.
    EXPECT_EQ("1", world.Well().GetTopStratum());

    // Any other grade name, reported from code, is the fifth grade, shown as its option.
    platform::Responder::Instance().QueueAnswer(IDYES);
    page.open.Report(CLstSingle::kGradeId, "六级");
    EXPECT_EQ(4, world.Record().m_nGrade);
    EXPECT_EQ("五级", Value(CLstSingle::kGradeId));
}

TEST_F(SingleGraphPage, GradeChangeOfVerticalDepthsResetsTheRange) {
    world.Well().SetDepthDataType(DEPTHDATA_VERTICAL);
    Refresh();
    platform::Responder::Instance().QueueAnswer(IDYES);
    EXPECT_TRUE(page.open.Pick(CLstSingle::kGradeId, "一级"));
    EXPECT_EQ(0, world.Record().m_nGrade);
    EXPECT_EQ("沙一段", world.Well().GetTopStratum());
    EXPECT_EQ("沙二段", world.Well().GetBottomStratum());
    EXPECT_EQ("沙二段", Value(CLstSingle::kBottomStratumId));
    EXPECT_EQ((std::vector<std::string>{"沙一段", "沙二段"}), page.Options(CLstSingle::kTopStratumId));
}

TEST_F(SingleGraphPage, DepthsAreClampedToTheOtherBound) {
    EXPECT_TRUE(page.open.Type(CLstSingle::kBottomDepthId, "900"));
    EXPECT_DOUBLE_EQ(1000, world.Well().GetBottomDep());
    EXPECT_TRUE(page.open.Type(CLstSingle::kTopDepthId, "950"));
    EXPECT_DOUBLE_EQ(950, world.Well().GetTopDep());

    // Elevations are typed with their sign reversed.
    world.Well().SetDepthDataType(DEPTHDATA_ELEVATION);
    world.Well().SetBottomDep(1500);
    Refresh();
    EXPECT_TRUE(page.open.Type(CLstSingle::kTopDepthId, "-1600"));
    EXPECT_DOUBLE_EQ(1500, world.Well().GetTopDep());
    EXPECT_TRUE(page.open.Type(CLstSingle::kTopDepthId, "-1200"));
    EXPECT_DOUBLE_EQ(1200, world.Well().GetTopDep());

    // A stored bound of plus or minus FLT_MAX stops the edit.
    world.Well().SetBottomDep(-kFltMax);
    trace.Clear();
    EXPECT_TRUE(page.open.Type(CLstSingle::kTopDepthId, "-1100"));
    EXPECT_DOUBLE_EQ(1200, world.Well().GetTopDep());
    // An elevation of 0 is stored as +0.
    world.Well().SetBottomDep(1500);
    EXPECT_TRUE(page.open.Type(CLstSingle::kTopDepthId, "0"));
    EXPECT_EQ(0, world.Well().GetTopDep());
    EXPECT_FALSE(std::signbit(world.Well().GetTopDep()));
    double depth = 0;
    EXPECT_FALSE(single::ClampDepth(kFltMax, 100, true, 0, &depth));
    EXPECT_TRUE(single::ClampDepth(100, 50, false, 0, &depth));
    EXPECT_DOUBLE_EQ(100, depth);
}

// A depth typed again in another text, or kept to the bound it already has, is stored and ends as every edit
// ends: recalculated, stamped, redrawn, marked modified.
TEST_F(SingleGraphPage, ADepthEqualToTheStoredOneRunsTheWholeEdit) {
    const std::string tail =
        "CSglWellAdapter::RecalculateDrawing | OnChanged(0) | stamp | CSingleWellSection::UpdateWnd | modify";
    ASSERT_TRUE(page.open.Type(CLstSingle::kBottomDepthId, "900"));
    ASSERT_DOUBLE_EQ(1000, world.Well().GetBottomDep());
    for (const char* text : {"1000.0", "1000", "5000", "1e38"}) {
        trace.Clear();
        ASSERT_TRUE(page.open.Type(CLstSingle::kTopDepthId, text));
        EXPECT_DOUBLE_EQ(1000, world.Well().GetTopDep()) << text;
        EXPECT_NE(std::string::npos, trace.Text().find(tail)) << text << ": " << trace.Text();
        Refresh();
        EXPECT_EQ("1000.00", Value(CLstSingle::kTopDepthId)) << text;
    }
}

// A change reported from code with a text no reader takes: no write, no tail, and only that item
// shows the stored value again.
TEST_F(SingleGraphPage, ATextTheReaderRefusesAfterTheItemTookItShowsTheStoredValue) {
    page.open.Item(CLstSingle::kTopExtendId)->SetValue(_variant_t("typed"));
    const struct {
        DWORD_PTR id;
        std::string shown;
    } kCases[] = {{CLstSingle::kTopDepthId, "1000.00"},
                  {CLstSingle::kBottomExtendId, Value(CLstSingle::kBottomExtendId)},
                  {CLstSingle::kWellWidthId, Value(CLstSingle::kWellWidthId)},
                  {CLstSingle::kYScaleId, Value(CLstSingle::kYScaleId)}};
    for (const auto& c : kCases) {
        page.open.Report(c.id, "x");
        EXPECT_EQ("", trace.Text()) << c.id;
        EXPECT_EQ(c.shown, Value(c.id)) << c.id;
        EXPECT_EQ("typed", Value(CLstSingle::kTopExtendId)) << "another item is left as it shows";
    }
}

TEST_F(SingleGraphPage, WidthChangesOnlyWhenItDiffers) {
    EXPECT_TRUE(page.open.Type(CLstSingle::kWellWidthId, "2.5"));
    EXPECT_DOUBLE_EQ(250, world.Well().GetWidth());
    EXPECT_EQ(0u, trace.Text().find("CSglWellAdapter::SetWidth(250.000000) | CSglWellAdapter::RecalculateDrawing | "
                                    "CSglWellAdapter::RecalculateLayout | CSingleWellSection::UpdateStratumSand"));
    trace.Clear();
    EXPECT_TRUE(page.open.Type(CLstSingle::kWellWidthId, "2.5"));
    EXPECT_FALSE(Logged("CSglWellAdapter::SetWidth(250.000000)"));
    EXPECT_TRUE(Logged("CSingleWellSection::UpdateStratumSand"));
}

TEST_F(SingleGraphPage, EveryEditEndsTheSameWay) {
    const std::string tail =
        "CSglWellAdapter::RecalculateDrawing | OnChanged(0) | stamp | CSingleWellSection::UpdateWnd | modify";
    EXPECT_TRUE(page.open.Pick(CLstSingle::kLapJointId, "井柱"));
    EXPECT_EQ("CSingleWellSection::UpdateStratumSand | " + tail, trace.Text());
    trace.Clear();
    page.open.list().GetPropList().OnPropertyChanged(page.open.Item(CLstSingle::kLayoutId));
    EXPECT_EQ(tail, trace.Text());
    // The stamp makes the page read everything again at the next selection.
    world.Well().SetWidth(700);
    page.Show(world.Object());
    EXPECT_EQ("7.00", Value(CLstSingle::kWellWidthId));
}

TEST(SingleGraphPageGrades, NoStrataNoGrades) {
    osprey::testing::SetStrata({});
    SingleWorld world;
    SinglePage<CLstSingle> page(&world.Section());
    page.Show(world.Object());
    EXPECT_TRUE(page.Options(CLstSingle::kGradeId).empty());
}

}  // namespace
