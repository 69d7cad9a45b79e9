// The curve page: data-source lists, the scale direction, scale and font scopes over the plot, the
// fill list and the current fill's target, the endings, and the walks of a curve outside a plot.
#include <cfloat>
#include <cmath>

#include "PaneState.h"
#include "WellPlotFixture.h"
#include "hostlibs/Rivet/RivetTesting.h"
#include "hostlibs/Zephyr/WellDataFixture.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/WpText.h"
#include "wellplot/KitPage.h"
#include "wellplot/LstCurve.h"
#include "wellplot/LstTrack.h"
#include "win32/Text.h"

using wptest::CallsOn;
using wptest::Names;

namespace {

std::vector<CWpCurve*> Curves(zephyr::PlotFixture& plot) {
    std::vector<CWpCurve*> curves;
    for (CWpKit* kit : plot.AllKits())
        if (kit->IsKindOf(RUNTIME_CLASS(CWpCurve))) curves.push_back(static_cast<CWpCurve*>(kit));
    return curves;
}

class CurvePage : public ::testing::Test {
protected:
    using Page = wptest::OpenPage<CLstCurve>;
    CurvePage()
        : page([](zephyr::PlotFixture& plot) { return new CLstCurve(Curves(plot).front()); }),
          curves(Curves(page.plot())) {
        rivet::testing::Reset();
        page.well()->SetDataMgr(zephyr::NewSampleWellData());
        page.Show(gr());
    }
    CWpCurve* gr() { return curves[0]; }  // 曲线道1: GR, SP; 曲线道2: AC, RT
    void Refresh() {
        SetKitTimeStamp(gr());
        page.Show(gr());
    }
    // Adds a fill to GR through the list and shows it.
    void AddFill() {
        ASSERT_TRUE(page.Pick(CLstCurve::kFillListId, "添加新填充"));
        page.Show(gr());
    }

    Page page;
    std::vector<CWpCurve*> curves;
};

TEST_F(CurvePage, SourcesFillTheTableAndCurveChoices) {
    EXPECT_EQ(page.Value(CLstCurve::kSourceId), "井数据");
    EXPECT_FALSE(page.Enabled(CLstCurve::kTableId));
    EXPECT_EQ(Page::Options(page.Item(CLstCurve::kCurveId)), (Names{"未指定", "GR", "SP", "AC", "RT", "CAL"}));

    ASSERT_TRUE(page.Pick(CLstCurve::kSourceId, "岩心分析"));
    page.Show(gr());
    EXPECT_EQ(Page::Options(page.Item(CLstCurve::kCurveId)), (Names{"未指定", "深度", "孔隙度", "渗透率", "含油饱和度"}));

    ASSERT_TRUE(page.Pick(CLstCurve::kSourceId, "离散数据"));
    page.Show(gr());
    EXPECT_TRUE(page.Enabled(CLstCurve::kTableId));
    EXPECT_EQ(Page::Options(page.Item(CLstCurve::kTableId)), (Names{"孔隙度", "试油成果"}));
    ASSERT_TRUE(page.Pick(CLstCurve::kTableId, "孔隙度"));
    page.Show(gr());
    EXPECT_EQ(Page::Options(page.Item(CLstCurve::kCurveId)), (Names{"未指定", "POR", "PERM", "解释"}));

    // "图形": table and curve are disabled and the curve keeps its choices.
    ASSERT_TRUE(page.Pick(CLstCurve::kSourceId, "图形"));
    page.Show(gr());
    EXPECT_FALSE(page.Enabled(CLstCurve::kTableId));
    EXPECT_FALSE(page.Enabled(CLstCurve::kCurveId));
    EXPECT_EQ(Page::Options(page.Item(CLstCurve::kCurveId)), (Names{"未指定", "POR", "PERM", "解释"}));
}

TEST_F(CurvePage, AnUnboundCurveShowsUnassignedAndDirectionFollowsTheValues) {
    gr()->SetName("WpCve");
    gr()->SetLeft(20, 0);
    gr()->SetRight(5, 0);
    gr()->SetScaleDecimalDigit(-1);
    Refresh();
    EXPECT_EQ(page.Value(CLstCurve::kCurveId), "未指定");
    EXPECT_EQ(page.Value(CLstCurve::kDirectionId), "从右到左");
    EXPECT_EQ(page.Value(CLstCurve::kLeftId), "20");
    gr()->SetValueRangeType(1);
    Refresh();
    EXPECT_FALSE(page.Enabled(CLstCurve::kLeftId));
    EXPECT_FALSE(page.Enabled(CLstCurve::kSecondScaleId));
}

TEST_F(CurvePage, AnotherSourceCurveRetitlesRebindsAndDropsEveryFill) {
    AddFill();
    AddFill();
    ASSERT_EQ(gr()->FillCount(), 2);
    ASSERT_TRUE(page.Pick(CLstCurve::kCurveId, "AC"));
    EXPECT_EQ(gr()->GetName(), "AC");
    EXPECT_EQ(gr()->GetTitleText(), "AC");
    EXPECT_EQ(gr()->FillCount(), 0);
}

TEST_F(CurvePage, TheScaleScopeActsOnlyWhenAScaleItemIsEdited) {
    ASSERT_TRUE(page.Pick(CLstCurve::kScaleScopeId, "同道内所有曲线"));
    EXPECT_EQ(gr()->GetLmtScope(), 1);
    EXPECT_TRUE(CallsOn(curves[1]).empty());
    gr()->SetRight(80, 0);
    gr()->SetScaleDecimalDigit(3);
    ASSERT_TRUE(page.Type(CLstCurve::kLeftId, "12"));
    // The whole scale reaches the track's other curve, and only that one.
    EXPECT_EQ(CallsOn(curves[1]),
              (Names{"CWpCurve::SetLimitFont", "CWpCurve::SetMultiples", "CWpCurve::ShowScale", "CWpCurve::SetRight",
                     "CWpCurve::SetLeft", "CWpCurve::SetLeftAlignText", "CWpCurve::SetScaleDecimalDigit",
                     "CWpCurve::SetValueRangeType", "CWpCurve::LogScale", "CWpCurve::ShowLimit",
                     "CWpCurve::SetLimitAlign"}));
    EXPECT_FLOAT_EQ(curves[1]->GetLeft(), 12);
    EXPECT_FLOAT_EQ(curves[1]->GetRight(), 80);
    EXPECT_EQ(curves[1]->GetScaleDecimalDigit(), 3);
    EXPECT_TRUE(CallsOn(curves[2]).empty());
}

TEST_F(CurvePage, ThePlotScopeReachesTheCurvesOfEveryTrackButNotLooseOnes) {
    auto* loose = page.plot().Add<CWpCurve>(page.well(), "悬空曲线");
    ASSERT_TRUE(page.Pick(CLstCurve::kScaleScopeId, "当前图内所有曲线"));
    ASSERT_TRUE(page.Pick(CLstCurve::kScaleTypeId, "对数"));
    for (CWpCurve* other : {curves[1], curves[2], curves[3]}) EXPECT_EQ(other->IsLogScale(), 1);
    EXPECT_EQ(loose->IsLogScale(), 0);

    // Unit fonts with the curve's own scope stay on the curve.
    ASSERT_TRUE(page.Type(CLstCurve::kUnitFontId + 2, "5"));
    EXPECT_FLOAT_EQ(gr()->GetUnitFont().size, 500);
    EXPECT_FLOAT_EQ(curves[1]->GetUnitFont().size, 0);
}

TEST_F(CurvePage, TitleFontScopesReachKitsTracksAndCurvesAsNamed) {
    CWpKit* firstTrack = gr()->GetParent();
    CWpKit* program = nullptr;
    for (CWpKit* kit : page.plot().AllKits())
        if (kit->IsKindOf(RUNTIME_CLASS(CWpProgram))) program = kit;
    ASSERT_NE(program, nullptr);
    gr()->SetTitleFontScope(4);
    QXLOGFONT font;
    font.size = 777;
    page.list().ApplyTitleFontToScope(font);
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(firstTrack).size, 777);
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(program).size, 777);
    EXPECT_NE(wellplot::TitleFontOf(page.depth()).size, 777);
    font.size = 555;
    gr()->SetTitleFontScope(3);
    page.list().ApplyTitleFontToScope(font);
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(curves[3]).size, 555);
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(program).size, 777);

    // In the curve's own track: its curves, or every kit of it.
    auto* text = page.plot().Add<CWpText>(firstTrack, "注释");
    font.size = 333;
    gr()->SetTitleFontScope(1);
    page.list().ApplyTitleFontToScope(font);
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(curves[1]).size, 333);
    EXPECT_NE(wellplot::TitleFontOf(text).size, 333);
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(curves[2]).size, 555);
    gr()->SetTitleFontScope(2);
    page.list().ApplyTitleFontToScope(font);
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(text).size, 333);
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(firstTrack).size, 777);
}

TEST_F(CurvePage, FillTargetsStoreTheirValuesAndTargetValuesStayInsideTheScale) {
    gr()->SetLeft(10, 0);
    gr()->SetRight(30, 0);
    AddFill();
    ASSERT_TRUE(page.Pick(CLstCurve::kFillTargetId, "边框"));
    EXPECT_EQ(gr()->FillAt(0).targetValue, FLT_MAX);
    ASSERT_TRUE(page.Pick(CLstCurve::kFillTargetId, "中线"));
    EXPECT_FLOAT_EQ(gr()->FillAt(0).targetValue, 20);

    gr()->SetLeft(0, 0);
    gr()->SetRight(50, 0);
    // A value line whose value lies inside the scale is put at -999.9 (outside it) until a value is typed.
    ASSERT_TRUE(page.Pick(CLstCurve::kFillTargetId, "指定值线"));
    EXPECT_FLOAT_EQ(gr()->FillAt(0).targetValue, -999.9f);
    page.Show(gr());
    for (const char* refused : {"0", "50"}) {
        ASSERT_TRUE(page.Type(CLstCurve::kFillValueId, refused));
        EXPECT_FLOAT_EQ(gr()->FillAt(0).targetValue, -999.9f) << refused;
    }
    ASSERT_TRUE(page.Type(CLstCurve::kFillValueId, "25"));
    EXPECT_FLOAT_EQ(gr()->FillAt(0).targetValue, 25);

    // A sibling curve as target is stored by its object name, cut at a character boundary.
    curves[1]->SetName("长长长长长长长长长长长长长长长长");  // 48 bytes
    page.Show(gr());
    ASSERT_TRUE(page.Pick(CLstCurve::kFillTargetId, "SP"));
    EXPECT_EQ(std::string(gr()->FillAt(0).target), "长长长长长长长长长长");
}

// The middle of two large scale values is worked out in double: 2e38 and 3e38 typed give 2.5e38, for
// "中线" and for "指定值线" after "边框". A middle no float holds (a value set elsewhere beyond the
// float range) refuses the pick, which changes nothing but the item.
TEST_F(CurvePage, TheMiddleOfLargeScaleValuesIsStoredAndOneNoFloatHoldsIsRefused) {
    AddFill();
    ASSERT_TRUE(page.Type(CLstCurve::kLeftId, "2e38"));
    ASSERT_TRUE(page.Type(CLstCurve::kRightId, "3e38"));
    ASSERT_EQ(gr()->GetLeft(), 2e38f);
    ASSERT_EQ(gr()->GetRight(), 3e38f);
    for (const char* target : {"中线", "边框", "指定值线"}) {
        ASSERT_TRUE(page.Pick(CLstCurve::kFillTargetId, target));
        EXPECT_EQ(std::string(gr()->FillAt(0).target), target);
    }
    EXPECT_FLOAT_EQ(gr()->FillAt(0).targetValue, 2.5e38f);
    Refresh();
    EXPECT_EQ(page.Value(CLstCurve::kFillValueId).find("inf"), std::string::npos);

    ASSERT_TRUE(page.Pick(CLstCurve::kFillTargetId, "边框"));
    gr()->SetLeft(-HUGE_VALF, 0);
    for (const char* target : {"中线", "指定值线"}) {
        parsnip::testing::ClearCallLog();
        const int redraws = page.Redraws();
        ASSERT_TRUE(page.Pick(CLstCurve::kFillTargetId, target));
        EXPECT_EQ(page.Value(CLstCurve::kFillTargetId), "边框") << target;
        EXPECT_EQ(gr()->FillAt(0).targetValue, FLT_MAX) << target;
        EXPECT_EQ(std::string(gr()->FillAt(0).target), "边框") << target;
        EXPECT_EQ(CallsOn(gr()), Names()) << target;
        EXPECT_EQ(page.Redraws(), redraws) << target;
    }
}

TEST_F(CurvePage, TheFillListCountsFillsByCharactersAndDeletedFillsTakeNoEdits) {
    EXPECT_EQ(FillOperationOfText("填充2"), 9);
    EXPECT_EQ(FillOperationOfText("填充12"), 19);
    EXPECT_EQ(FillOperationOfText("全部删除"), 6);
    AddFill();
    AddFill();
    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.Pick(CLstCurve::kFillListId, "填充1"));
    const auto& log = parsnip::testing::CallLog();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front().operation, "CWpCurve::Operation");
    EXPECT_EQ(log.front().arguments, "8");
    EXPECT_EQ(gr()->FillAt(), 1);
    EXPECT_EQ(page.Value(CLstCurve::kFillListId), "填充1");
    // A numbered fill reported from code is chosen by its number; a text too short to hold one is
    // refused: nothing written, nothing redrawn, the list shows its text from before.
    parsnip::testing::ClearCallLog();
    page.Report(page.Item(CLstCurve::kFillListId), _variant_t("填充2"));
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front().arguments, "9");
    EXPECT_EQ(gr()->FillAt(), 2);
    for (const char* refused : {"", "填"})
        wptest::ExpectShownAgain(page, CLstCurve::kFillListId, _variant_t(refused), "填充2", refused);
    // Any other text is "填充" followed by its number: "无此选项" holds none, so it is 0 + 7, a fill
    // the curve does not have; the current fill stays and the list shows it as the refresh does.
    // "填充02" chooses fill 2 and shows as "填充2".
    page.Report(page.Item(CLstCurve::kFillListId), _variant_t("填充1"));
    parsnip::testing::ClearCallLog();
    page.Report(page.Item(CLstCurve::kFillListId), _variant_t("无此选项"));
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front().arguments, "7");
    EXPECT_EQ(gr()->FillAt(), 1);
    EXPECT_EQ(page.Value(CLstCurve::kFillListId), "填充1");
    Refresh();
    EXPECT_EQ(page.Value(CLstCurve::kFillListId), "填充1");
    page.Report(page.Item(CLstCurve::kFillListId), _variant_t("填充02"));
    EXPECT_EQ(gr()->FillAt(), 2);
    EXPECT_EQ(page.Value(CLstCurve::kFillListId), "填充2");

    ASSERT_TRUE(page.Pick(CLstCurve::kLeftFillId + 1, "是"));
    page.Show(gr());
    CBCGPProp* colour = page.Item(CLstCurve::kLeftFillId + 5);
    ASSERT_TRUE(page.Pick(CLstCurve::kFillListId, "全部删除"));
    EXPECT_EQ(gr()->FillCount(), 0);
    // The fill items stay until the next refresh; an edit on them writes nothing.
    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.Color(colour, RGB(255, 0, 0)));
    EXPECT_EQ(CallsOn(gr()),
              (Names{"CWpKit::InvalidSelf", "CQXObject::SetModifyFlag", "CWpKit::UpdateParent"}));
}

TEST_F(CurvePage, FillSidesSetTheirBitBrushAndStyleSet) {
    AddFill();
    ASSERT_TRUE(page.Pick(CLstCurve::kLeftFillId + 1, "是"));
    EXPECT_EQ(gr()->FillAt(0).sides, 2);
    ASSERT_TRUE(page.Pick(CLstCurve::kRightFillId + 1, "是"));
    EXPECT_EQ(gr()->FillAt(0).sides, 3);
    Refresh();  // a fill's sub-items follow its flag at the next refresh
    ASSERT_TRUE(page.Color(page.Item(CLstCurve::kRightFillId + 5), RGB(0, 0, 255)));
    EXPECT_EQ(gr()->FillAt(0).rightBrush.fillColor, RGB(0, 0, 255));
    ASSERT_TRUE(page.Pick(CLstCurve::kLeftFillId + 1, "否"));
    EXPECT_EQ(gr()->FillAt(0).sides, 1);
}

TEST_F(CurvePage, FormsBuildTheirDrawingGroupsAndOnlyLineFormsFill) {
    EXPECT_NE(page.grid().FindByData(CLstCurve::kLine2Id), nullptr);
    ASSERT_TRUE(page.Pick(CLstCurve::kFormId, "杆棒"));
    page.Show(gr());
    EXPECT_EQ(page.grid().FindByData(CLstCurve::kLineId), nullptr);
    EXPECT_NE(page.grid().FindByData(CLstCurve::kStickStepId), nullptr);
    EXPECT_FALSE(page.Enabled(CLstCurve::kFillListId));
    ASSERT_TRUE(page.Type(CLstCurve::kStickStepId, "4"));
    EXPECT_EQ(gr()->GetScanted(), 4);
}

TEST_F(CurvePage, EveryEditEndsWithRepaintModifiedParentAndView) {
    const int redraws = page.Redraws();
    ASSERT_TRUE(page.Type(CLstCurve::kTitleTextId, "伽马"));
    EXPECT_EQ(CallsOn(gr()), (Names{"CWpKit::SetTitleText", "CWpKit::InvalidSelf", "CQXObject::SetModifyFlag",
                                    "CWpKit::UpdateParent"}));
    EXPECT_GT(page.Redraws(), redraws);
}

// Text typed into the item after a taken "2" (which leaves it selected) is refused: the selection
// stays on the edited item, which stays alive, every item stays as it was (the pane's state names
// each item, so one a refresh built anew shows), and nothing is written or redrawn.
template <class List>
void ExpectRefusalKeepsThePane(wptest::OpenPage<List>& page, DWORD_PTR id, const char* text, const char* what) {
    CBCGPProp* item = page.Item(id);
    ASSERT_NE(item, nullptr) << what;
    ASSERT_TRUE(page.Type(id, "2")) << what;
    ASSERT_EQ(page.list().GetPropList().GetCurSel(), item) << what;
    const std::string before = wptest::PaneState(page.list().GetPropList());
    const int redraws = page.Redraws();
    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.Type(id, text)) << what;
    EXPECT_EQ(page.Item(id), item) << what;
    EXPECT_EQ(wptest::PaneState(page.list().GetPropList()), before) << what;
    EXPECT_EQ(wptest::AllCalls(), Names()) << what;
    EXPECT_EQ(page.Redraws(), redraws) << what;
}

// A refused title-font size on the curve page and a refused logarithmic left value on the content
// track page: a group the user collapsed stays collapsed with the rest.
TEST(RefusedOnScopePages, TheSelectionTheGroupsAndTheEditedItemStay) {
    wptest::OpenPage<CLstCurve> curvePage([](zephyr::PlotFixture& plot) { return new CLstCurve(Curves(plot).front()); });
    CWpCurve* curve = Curves(curvePage.plot()).front();
    curvePage.Show(curve);
    curvePage.Item(CLstCurve::kUnitGroupId)->Expand(FALSE);

    wptest::OpenPage<CLstTrack> trackPage(wptest::ForFirst<CLstTrack, CWpTrack>());
    CWpTrack* kit = trackPage.plot().First<CWpTrack>();
    kit->LogScale(1);
    trackPage.Show(kit);
    trackPage.Item(CLstTrack::kTitleGroupId)->Expand(FALSE);

    ExpectRefusalKeepsThePane(curvePage, CLstCurve::kTitleFontId + 2, "1e39", "curve title size");
    ExpectRefusalKeepsThePane(trackPage, CLstTrack::kLeftId, "1e39", "track left value");
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(curve).size, 200);
    EXPECT_FLOAT_EQ(kit->GetLeft(), 2);
}

TEST(CurveWalks, ACurveOutsideAPlotWalksNowhere) {
    CWpCurve loose;
    CLstCurve page(&loose);
    QXLOGFONT font;
    for (int scope = 0; scope < 5; ++scope) {
        loose.SetLmtScope(scope);
        loose.SetTitleFontScope(scope);
        parsnip::testing::ClearCallLog();
        page.ApplyScaleToScope();
        page.ApplyToScopeCurves(scope, &CWpCurve::SetUnitFont, font);
        page.ApplyToScopeCurves(scope, &CWpCurve::SetMultiples, 2.0f);
        page.ApplyToScopeCurves(scope, &CWpCurve::SetLeft, 2.0f);
        EXPECT_EQ(wptest::AllCalls(), Names()) << scope;
        page.ApplyTitleFontToScope(font);
    }
}

// Any other text reported from code is what each list's rule gives: -1 for a setting (shown empty,
// as the refresh shows it), the second option for a switch; each runs the page's steps.
TEST_F(CurvePage, AnyOtherTextIsMinusOneForASettingAndTheSecondOptionForASwitch) {
    const struct {
        DWORD_PTR id;
        int (CWpCurve::*get)();
        int stored;
        const char* shown;
    } lists[] = {
        {CLstCurve::kSourceId, &CWpCurve::GetSource, -1, ""},
        {CLstCurve::kTitleScopeId, &CWpCurve::GetTtlFtScope, -1, ""},
        {CLstCurve::kUnitScopeId, &CWpCurve::GetUntScope, -1, ""},
        {CLstCurve::kUnitShownId, &CWpCurve::IsShowUnit, 0, "否"},
    };
    for (const auto& list : lists) {
        for (const char* text : {"无此选项", ""}) {
            parsnip::testing::ClearCallLog();
            page.Report(page.Item(list.id), _variant_t(text));
            EXPECT_EQ((gr()->*list.get)(), list.stored) << list.id << " " << text;
            EXPECT_EQ(page.Value(list.id), list.shown) << list.id << " " << text;
            EXPECT_FALSE(CallsOn(gr()).empty()) << list.id;
        }
    }
    page.Report(page.Item(CLstCurve::kFormId), _variant_t("无此选项"));
    EXPECT_EQ(static_cast<int>(gr()->GetType()), -1);
    EXPECT_EQ(page.Value(CLstCurve::kFormId), "");
    Refresh();
    EXPECT_EQ(page.Value(CLstCurve::kSourceId), "");
}

}  // namespace
