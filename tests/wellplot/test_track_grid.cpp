// The content track page and the grid-line page: the scale type and its values, the title font
// and its scopes, the depth-line intervals, pens told apart by their groups, and the kit guard.
#include "WellPlotFixture.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "wellplot/LstGrid.h"
#include "wellplot/LstTrack.h"
#include "framework/PropItems.h"

using wptest::CallsOn;
using wptest::Names;

namespace {

// The track page of the sample's first track, opened as the creator opens it.
struct FirstTrackPage : wptest::OpenPage<CLstTrack> {
    FirstTrackPage() : OpenPage(wptest::ForFirst<CLstTrack, CWpTrack>()) {}
};

std::string Value(CBCGPProp* item) { return item ? platform::GridDriver::Info(item).value : std::string(); }

TEST(TrackPageTest, LogarithmicScaleShowsItsValuesAfterTheNextRefresh) {
    FirstTrackPage page;
    page.track()->SetLeft(2);
    page.track()->SetRight(2000);
    page.Show(page.track());
    EXPECT_EQ(Value(page.Item(CLstTrack::kScaleTypeId)), "线性");
    EXPECT_EQ(page.list().GetPropList().FindItemByData(CLstTrack::kLeftId), nullptr);

    ASSERT_TRUE(page.grid().PickOption(page.Item(CLstTrack::kScaleTypeId), "对数"));
    EXPECT_EQ(page.track()->IsLogScale(), 1);
    EXPECT_EQ(CallsOn(page.track()), (Names{"CWpTrack::LogScale", "CWpKit::Recalculate", "CWpKit::InvalidSelf"}));
    page.Show(page.track());
    ASSERT_NE(page.Item(CLstTrack::kLeftId), nullptr);
    EXPECT_EQ(page.Item(CLstTrack::kLeftId)->GetName(), "左值");
    EXPECT_EQ(Value(page.Item(CLstTrack::kLeftId)), "2");
    EXPECT_EQ(Value(page.Item(CLstTrack::kRightId)), "2000");

    ASSERT_TRUE(page.grid().TypeText(page.Item(CLstTrack::kRightId), "500"));
    EXPECT_DOUBLE_EQ(page.track()->GetRight(), 500);
    ASSERT_TRUE(page.grid().PickOption(page.Item(CLstTrack::kScaleTypeId), "线性"));
    page.Show(page.track());
    EXPECT_EQ(page.list().GetPropList().FindItemByData(CLstTrack::kLeftId), nullptr);
}

TEST(TrackPageTest, TitleFontReachesTheKitsOfItsScope) {
    FirstTrackPage page;
    CWpTrack* second = nullptr;
    for (CWpKit* kit : page.plot().AllKits())
        if (kit != page.track() && kit->GetRuntimeClass() == RUNTIME_CLASS(CWpTrack)) second = static_cast<CWpTrack*>(kit);
    ASSERT_NE(second, nullptr);
    CWpDepth* depth = page.plot().First<CWpDepth>();

    page.Show(page.track());
    ASSERT_TRUE(page.grid().PickOption(page.Item(CLstTrack::kFontScopeId), "当前图内所有道"));
    EXPECT_EQ(page.track()->GetTtlFtScope(), 2);
    ASSERT_TRUE(page.grid().ChooseColor(dynamic_cast<CBCGPColorProp*>(page.Item(CLstTrack::kFontColorId)),
                                        RGB(200, 0, 0)));
    for (CWpKit* kit : page.plot().AllKits()) {
        const bool reached = kit->IsKindOf(RUNTIME_CLASS(CWpTrack)) ||
                             (kit->GetParent() && kit->GetParent()->IsKindOf(RUNTIME_CLASS(CWpTrack)));
        EXPECT_EQ(wellplot::TitleFontOf(kit).color == RGB(200, 0, 0), reached) << kit->GetTitleText().GetString();
    }
    EXPECT_NE(wellplot::TitleFontOf(depth).color, RGB(200, 0, 0));
    const Names calls = CallsOn(page.track());
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(Names(calls.end() - 2, calls.end()), (Names{"CWpKit::UpdateParent", "CWpKit::InvalidSelf"}));

    ASSERT_TRUE(page.grid().PickOption(page.Item(CLstTrack::kFontScopeId), "当前内容道"));
    ASSERT_TRUE(page.grid().ChooseColor(dynamic_cast<CBCGPColorProp*>(page.Item(CLstTrack::kFontColorId)),
                                        RGB(0, 0, 9)));
    EXPECT_EQ(wellplot::TitleFontOf(page.track()).color, RGB(0, 0, 9));
    EXPECT_EQ(wellplot::TitleFontOf(second).color, RGB(200, 0, 0));

    // A title size of 1234.5 hundredths shows "12.35": entering the item and leaving it keeps it
    // and reaches no kit; "12.350" typed is 12.35.
    wptest::SetTitleSize(page.track(), 1234.5f);
    page.Show(page.track());
    CBCGPProp* size = page.Item(CLstTrack::kFontSizeId);
    ASSERT_EQ(Value(size), "12.35");
    ASSERT_TRUE(page.grid().TypeText(size, "12.35"));
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(page.track()).size, 1234.5f);
    EXPECT_EQ(wptest::AllCalls(), Names());
    ASSERT_TRUE(page.grid().TypeText(size, "12.350"));
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(page.track()).size, 1235);
}

TEST(TrackPageTest, TitleFontScopeOutsideTheTableShowsEmpty) {
    FirstTrackPage page;
    page.track()->SetTtlFtScope(5);
    page.track()->SetTitleText("上\n下");
    page.Show(page.track());
    EXPECT_EQ(Value(page.Item(CLstTrack::kFontScopeId)), "");
    EXPECT_EQ(Value(page.Item(CLstTrack::kTitleTextId)), "上\n下");
}

// Any other text reported from code: a font scope of -1, shown empty as the refresh shows it; a
// linear scale, shown as the option taken.
TEST(TrackPageTest, AnyOtherTextIsTheListsRule) {
    FirstTrackPage page;
    page.track()->SetTtlFtScope(1);
    page.track()->LogScale(1);
    page.Show(page.track());
    page.Report(page.Item(CLstTrack::kFontScopeId), _variant_t("无此选项"));
    EXPECT_EQ(page.track()->GetTtlFtScope(), -1);
    EXPECT_EQ(Value(page.Item(CLstTrack::kFontScopeId)), "");
    page.Report(page.Item(CLstTrack::kScaleTypeId), _variant_t(""));
    EXPECT_EQ(page.track()->IsLogScale(), 0);
    EXPECT_EQ(Value(page.Item(CLstTrack::kScaleTypeId)), "线性");
}

TEST(TrackPageTest, AnotherObjectOrNoneLeavesPageAndKitsAlone) {
    FirstTrackPage page;
    CWpCurve* curve = page.plot().First<CWpCurve>();
    // A tab shown after the last selection has no object: an edit changes nothing.
    ASSERT_TRUE(page.grid().TypeText(page.Item(CLstTrack::kTitleTextId), "新标题"));
    EXPECT_EQ(page.track()->GetTitleText(), "曲线道1");
    EXPECT_TRUE(parsnip::testing::CallLog().empty());

    page.Show(curve);
    EXPECT_EQ(Value(page.Item(CLstTrack::kTitleTextId)), "新标题");  // not read from any kit
    ASSERT_TRUE(page.grid().PickOption(page.Item(CLstTrack::kScaleTypeId), "对数"));
    EXPECT_EQ(page.track()->IsLogScale(), 0);
    EXPECT_TRUE(parsnip::testing::CallLog().empty());
    EXPECT_EQ(page.list().GetView() != nullptr, true);  // the view is stored all the same
}

// ---- grid lines ----------------------------------------------------------------------------------

using GridPage = wptest::OpenPage<CLstGrid>;

TEST(GridPageTest, DepthIntervalsFollowTheirRules) {
    EXPECT_TRUE([] { float v = 0; return ReadDepthInterval("7.9", 0, &v) && v == 7; }());
    EXPECT_TRUE([] { float v = 0; return !ReadDepthInterval("0.9", 0, &v); }());
    EXPECT_TRUE([] { float v = 0; return ReadDepthInterval("0.46", 1, &v) && v == 0.5f; }());
    EXPECT_TRUE([] { float v = 0; return ReadDepthInterval("0.26", 2, &v) && v == 0.3f; }());
    EXPECT_TRUE([] { float v = 0; return !ReadDepthInterval("0.08", 1, &v); }());
    EXPECT_TRUE([] { float v = 0; return !ReadDepthInterval("abc", 2, &v); }());
    EXPECT_TRUE([] { float v = 0; return !ReadDepthInterval("1e300", 0, &v); }());

    GridPage page;
    CWpTrack* track = page.track();
    track->SetMajDep(20);
    page.Show(track);
    CBCGPProp* thick = page.Path("深度线/间隔(米)/粗线");
    ASSERT_TRUE(page.Type(thick, "7.9"));
    EXPECT_FLOAT_EQ(track->GetMajDep(), 7);
    EXPECT_EQ(CallsOn(track), (Names{"CWpTrack::SetMajDep", "CWpKit::InvalidSelf"}));
    ASSERT_TRUE(page.Type(thick, "0.9"));
    EXPECT_FLOAT_EQ(track->GetMajDep(), 7);
    EXPECT_EQ(GridPage::Value(thick), "7");

    CBCGPProp* middle = page.Path("深度线/间隔(米)/中线");
    ASSERT_TRUE(page.Type(middle, "0.46"));
    EXPECT_FLOAT_EQ(track->GetMidDep(), 0.5f);
    ASSERT_TRUE(page.Type(middle, "0.08"));
    EXPECT_FLOAT_EQ(track->GetMidDep(), 0.5f);
    EXPECT_EQ(GridPage::Value(middle), "0.5");

    track->SetDepthScope(2);
    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.Type(page.Path("深度线/间隔(米)/细线"), "2"));
    EXPECT_EQ(CallsOn(track), (Names{"CWpTrack::SetMinDep", "CWpKit::UpdateParent", "CWpKit::InvalidSelf"}));
}

// The value list "间隔(米)" edited as a whole tests and stores thick, middle and thin in turn: a
// refused interval shows the stored one again and stops only itself.
TEST(GridPageTest, TheIntervalListStoresEachIntervalItTakes) {
    GridPage page;
    CWpTrack* track = page.track();
    track->SetMajDep(20);
    track->SetMidDep(2.5f);
    track->SetMinDep(1);
    track->SetDepthScope(2);
    page.Show(track);
    CBCGPProp* list = page.Path("深度线/间隔(米)");
    const auto edit = [&](const char* thick, const char* middle, const char* thin) {
        SetItemText(list->GetSubItem(0), thick);
        SetItemText(list->GetSubItem(1), middle);
        SetItemText(list->GetSubItem(2), thin);
        parsnip::testing::ClearCallLog();
        page.list().GetPropList().OnPropertyChanged(list);
    };

    edit("0.5", "0.26", "0.05");
    EXPECT_FLOAT_EQ(track->GetMajDep(), 20);
    EXPECT_FLOAT_EQ(track->GetMidDep(), 0.3f);
    EXPECT_FLOAT_EQ(track->GetMinDep(), 1);
    EXPECT_EQ(CallsOn(track), (Names{"CWpTrack::SetMidDep", "CWpKit::UpdateParent", "CWpKit::InvalidSelf"}));
    EXPECT_EQ(GridPage::Value(list->GetSubItem(0)), "20");
    EXPECT_EQ(GridPage::Value(list->GetSubItem(1)), "0.26");
    EXPECT_EQ(GridPage::Value(list->GetSubItem(2)), "1.0");

    const int redraws = page.Redraws();
    edit("0.9", "abc", "0.01");  // none taken: nothing written, nothing redrawn
    EXPECT_EQ(CallsOn(track), Names());
    EXPECT_EQ(page.Redraws(), redraws);
    EXPECT_EQ(GridPage::Value(list->GetSubItem(0)), "20");
    EXPECT_EQ(GridPage::Value(list->GetSubItem(1)), "0.3");
    EXPECT_EQ(GridPage::Value(list->GetSubItem(2)), "1.0");
}

TEST(GridPageTest, SameCaptionsInDifferentGroupsEditDifferentPens) {
    GridPage page;
    CWpTrack* track = page.track();
    page.Show(track);
    ASSERT_TRUE(page.grid().PickDropDownEntry(page.Path("刻度线/粗线线型/样式"), 3));
    const UINT scaleStyle = track->GetMajScalePen().style;
    EXPECT_NE(scaleStyle, 0u);
    EXPECT_EQ(track->GetMajDepPen().style, 0u);
    ASSERT_TRUE(page.grid().PickDropDownEntry(page.Path("深度线/粗线线型/样式"), 2));
    EXPECT_NE(track->GetMajDepPen().style, 0u);
    EXPECT_NE(track->GetMajDepPen().style, scaleStyle);
    EXPECT_EQ(track->GetMajScalePen().style, scaleStyle);
    ASSERT_TRUE(page.Type(page.Path("深度线/粗线线型/宽度(毫米)"), "0.3"));
    EXPECT_FLOAT_EQ(track->GetMajDepPen().width, 30);
    EXPECT_FLOAT_EQ(track->GetMajScalePen().width, 0);
    ASSERT_TRUE(page.Color(page.Path("刻度线/细线线型/颜色"), RGB(0, 90, 0)));
    EXPECT_EQ(track->GetMinScalePen().color, RGB(0, 90, 0));
    EXPECT_EQ(track->GetMinDepPen().color, 0u);
}

TEST(GridPageTest, ScaleItemsFollowTheScaleKindAndVisibility) {
    GridPage page;
    CWpTrack* track = page.track();
    track->LogScale(1);
    track->ShowMid(1);
    page.Show(track);
    EXPECT_FALSE(page.Path("刻度线/格数")->IsEnabled());
    EXPECT_FALSE(page.Path("刻度线/显隐中线")->IsEnabled());
    EXPECT_FALSE(page.Path("刻度线/中线线型/样式")->IsEnabled());
    EXPECT_TRUE(page.Path("刻度线/粗线线型/样式")->IsEnabled());

    track->LogScale(0);
    track->ShowScale(0);
    page.Show(track);
    EXPECT_FALSE(page.Path("刻度线/粗线线型/宽度(毫米)")->IsEnabled());
    EXPECT_TRUE(page.Path("刻度线/显隐")->IsEnabled());
    EXPECT_EQ(GridPage::Value(page.Path("刻度线/显隐")), "隐藏");

    // Hiding with the track's own scope recalculates; with a wider scope the parent lays out.
    ASSERT_TRUE(page.Pick(page.Path("刻度线/显隐"), "显示"));
    EXPECT_EQ(CallsOn(track), (Names{"CWpTrack::ShowScale", "CWpKit::Recalculate", "CWpKit::InvalidSelf"}));
    ASSERT_TRUE(page.Pick(page.Path("刻度线/设置应用到"), "当前图内所有内容道"));
    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.Pick(page.Path("刻度线/显隐"), "隐藏"));
    EXPECT_EQ(CallsOn(track), (Names{"CWpTrack::ShowScale", "CWpKit::UpdateParent", "CWpKit::InvalidSelf"}));

    // Any other text reported from code: the track's own scope, lines shown only for "显示".
    page.Report(page.Path("刻度线/设置应用到"), _variant_t("无此选项"));
    EXPECT_EQ(track->GetScaleScope(), 0);
    EXPECT_EQ(GridPage::Value(page.Path("刻度线/设置应用到")), "当前内容道");
    page.Report(page.Path("刻度线/显隐"), _variant_t(""));
    EXPECT_EQ(GridPage::Value(page.Path("刻度线/显隐")), "隐藏");
}

TEST(GridPageTest, AnIntervalCloseToTheShownOneIsNotRewritten) {
    GridPage page;
    CWpTrack* track = page.track();
    page.Show(track);
    CBCGPProp* thin = page.Path("深度线/间隔(米)/细线");
    SetItemText(thin, "1.0005");
    zephyr::testing::Touch(track);
    page.Show(track);
    EXPECT_EQ(GridPage::Value(thin), "1.0005");
}

}  // namespace
