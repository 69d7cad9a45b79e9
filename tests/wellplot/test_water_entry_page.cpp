// The production and injection profile page: its parameter groups, the rebuild from inside its own
// edit handler, the numbers it takes or refuses, its source switches and its kit guard.
#include <utility>

#include "IntervalFixture.h"
#include "framework/PropWndMgr.h"
#include "hostlibs/Rivet/RivetTesting.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/WpText.h"
#include "hosttypes/Zephyr/WpWaterEntry.h"
#include "wellplot/intervals/LstWaterEntry.h"
#include "wellplot/intervals/PropWnd.h"

using wptest::Names;

namespace {

using L = CLstWaterEntry;

// A profile page over the sample plot's production profile, given count parameters first.
class ProfilePage : public wptest::IntervalPage<L> {
public:
    explicit ProfilePage(int count = 0)
        : wptest::IntervalPage<L>([count](zephyr::PlotFixture& plot) {
              auto* kit = plot.First<CWpWaterEntry>();
              kit->SetParamMaxNum(100);
              kit->SetParamNumber(count);
              return new L(kit);
          }) {
        Show(kit());
    }
    CWpWaterEntry* kit() { return plot().First<CWpWaterEntry>(); }
    // The top-level rows' captions.
    Names TopRows() {
        Names rows;
        for (int i = 0; i < list().GetPropList().GetPropertyCount(); ++i)
            rows.push_back(list().GetPropList().GetProperty(i)->GetName().str());
        return rows;
    }
    // The host announces the kit again after a change made elsewhere.
    void Reannounce() {
        zephyr::testing::Touch(kit());
        Show(kit());
    }
};

const Names kFixedRows = {"数据源", "标题字体", "宽度", "顶底线", "参数个数"};

TEST(WaterEntryPageTest, ParameterGroupsFollowTheCountAndCarryTheirOwnIds) {
    ProfilePage page;
    EXPECT_EQ(page.TopRows(), kFixedRows);  // no parameters, no group
    EXPECT_EQ(page.Value(L::kParamCountId), "0");

    ASSERT_TRUE(page.Pick(L::kParamCountId, "4"));  // rebuilt from inside the handler
    EXPECT_EQ(page.kit()->GetParamNumber(), 4);
    Names rows = kFixedRows;
    for (const char* group : {"参数1", "参数2", "参数3", "参数4"}) rows.push_back(group);
    EXPECT_EQ(page.TopRows(), rows);
    CBCGPProp* fourth = page.Item(L::ParamItemId(3, L::kParamGroup));
    ASSERT_NE(fourth, nullptr);
    EXPECT_EQ(fourth->GetData(), 3301u);
    EXPECT_EQ(fourth->GetName(), "参数4");
    for (DWORD_PTR place = L::kParamField; place <= L::kLabelAlign; ++place)
        EXPECT_NE(page.list().GetPropList().FindItemByData(3301u + place, TRUE), nullptr) << place;
    EXPECT_EQ(L::ParamItemId(3, L::kLabelAlign), 3312u);

    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.Type(L::ParamItemId(3, L::kParamRight), "75.5"));
    EXPECT_EQ(wptest::CallsOn(page.kit()),
              (Names{"CWpWaterEntry::SetParamRight", "CWpKit::InvalidSelf", "CWpKit::UpdateParent"}));
    EXPECT_DOUBLE_EQ(page.kit()->GetParamRight(3), 75.5);
    EXPECT_DOUBLE_EQ(page.kit()->GetParamRight(2), 100);

    // Back to none: every group goes, the count's own item included, and is made anew.
    ASSERT_TRUE(page.Pick(L::kParamCountId, "0"));
    EXPECT_EQ(page.TopRows(), kFixedRows);
    EXPECT_EQ(page.Value(L::kParamCountId), "0");
}

TEST(WaterEntryPageTest, AKitReportingMoreThanAHundredParametersIsNeitherWrittenNorRead) {
    ProfilePage page(2);
    page.kit()->SetParamMaxNum(120);
    page.Reannounce();
    EXPECT_EQ(page.Options(page.Item(L::kParamCountId)).size(), 121u);
    ASSERT_TRUE(page.Pick(L::kParamCountId, "101"));  // refused: nothing written or redrawn
    EXPECT_EQ(page.kit()->GetParamNumber(), 2);
    EXPECT_EQ(wptest::CallsOn(page.kit()), Names());
    EXPECT_EQ(page.Value(L::kParamCountId), "2");

    page.kit()->SetParamNumber(101);
    page.kit()->SetDrawWidth(7);
    page.Show(page.kit());
    EXPECT_EQ(page.TopRows().size(), kFixedRows.size() + 2);
    EXPECT_EQ(page.Value(L::kDrawWidthId), "1.00");
}

TEST(WaterEntryPageTest, TitleSizesAndWidthsAreScaledCappedOrRefused) {
    ProfilePage page(1);
    CWpWaterEntry* kit = page.kit();
    ASSERT_TRUE(page.Type(L::kTitleSizeId, "120"));
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(kit).size, 10000);
    EXPECT_EQ(page.Value(L::kTitleSizeId), "100.00");
    const uint64_t stamp = kit->GetTimeStamp();
    ASSERT_TRUE(page.Type(L::kTitleSizeId, "9e296"));  // capped to the size stored: still written
    EXPECT_GT(kit->GetTimeStamp(), stamp);
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(kit).size, 10000);
    EXPECT_EQ(page.Value(L::kTitleSizeId), "100.00");
    // A size not above 0, or below 0.001 (which counts as 0), is no size: nothing is written, not even 0.
    for (const char* refused : {"0", "abc", "-3", "1e999", "1e-310", "0.0009"}) {
        const uint64_t before = kit->GetTimeStamp();
        ASSERT_TRUE(page.Type(L::kTitleSizeId, refused));
        EXPECT_EQ(kit->GetTimeStamp(), before) << refused;
        EXPECT_FLOAT_EQ(wellplot::TitleFontOf(kit).size, 10000) << refused;
        EXPECT_EQ(page.Value(L::kTitleSizeId), "100.00") << refused;
    }
    // From 0.001 on a size is kept, also one that shows as "0.00": its item keeps the text typed,
    // as "0.00" reads as no size.
    for (const auto& [typed, kept] : {std::pair{"0.001", 0.1f}, std::pair{"0.003", 0.3f}, std::pair{"0.0049", 0.49f}}) {
        const uint64_t before = kit->GetTimeStamp();
        ASSERT_TRUE(page.Type(L::kTitleSizeId, typed));
        EXPECT_GT(kit->GetTimeStamp(), before) << typed;
        EXPECT_FLOAT_EQ(wellplot::TitleFontOf(kit).size, kept) << typed;
        EXPECT_EQ(page.Value(L::kTitleSizeId), typed);
    }
    ASSERT_TRUE(page.Type(L::kTitleSizeId, "12.5"));
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(kit).size, 1250);

    ASSERT_TRUE(page.Type(L::kDepthLineWidthId, "0.25"));
    EXPECT_DOUBLE_EQ(kit->GetDepthLineWidth(), 25);
    // Not above 0 in hundredths kept in single precision ("1e-310" is 0 there), or beyond it.
    for (const char* refused : {"0", "-1", "1e39", "1e999", "x", "1e-310"}) {
        ASSERT_TRUE(page.Type(L::kDepthLineWidthId, refused));
        EXPECT_DOUBLE_EQ(kit->GetDepthLineWidth(), 25) << refused;
    }
    page.Reannounce();
    EXPECT_EQ(page.Value(L::kDepthLineWidthId), "0.25");  // the refused text gives way to the kit's
    ASSERT_TRUE(page.Type(L::kDepthLineWidthId, "0.003"));
    EXPECT_FLOAT_EQ(kit->GetDepthLineWidth(), 0.3f);

    ASSERT_TRUE(page.Type(L::kDrawWidthId, "2.5"));
    EXPECT_DOUBLE_EQ(kit->GetDrawWidth(), 2.5);
    for (const char* refused : {"1e999", "0", "-0.001"}) {
        ASSERT_TRUE(page.Type(L::kDrawWidthId, refused));
        EXPECT_DOUBLE_EQ(kit->GetDrawWidth(), 2.5) << refused;
    }
    // Every positive width is kept as typed.
    for (const auto& [typed, kept] : {std::pair{"0.003", 0.003}, std::pair{"1e-310", 1e-310}}) {
        ASSERT_TRUE(page.Type(L::kDrawWidthId, typed));
        EXPECT_EQ(kit->GetDrawWidth(), kept) << typed;
    }

    // A value-label height is shown truncated and stored in hundredths; 0 is not written.
    kit->SetParamFontHeight(0, 980);
    page.Show(kit);
    EXPECT_EQ(page.Value(L::ParamItemId(0, L::kLabelSize)), "9");
    ASSERT_TRUE(page.Type(L::ParamItemId(0, L::kLabelSize), "12"));
    EXPECT_FLOAT_EQ(kit->GetParamFontHeight(0), 1200);
    ASSERT_TRUE(page.Type(L::ParamItemId(0, L::kLabelSize), "0"));
    EXPECT_FLOAT_EQ(kit->GetParamFontHeight(0), 1200);
    ASSERT_TRUE(page.Type(L::ParamItemId(0, L::kParamLeft), "1e999"));
    EXPECT_DOUBLE_EQ(kit->GetParamLeft(0), 0);

    // A face picked for the title is stored whole.
    ASSERT_TRUE(page.grid().PickDropDownEntry(page.Item(L::kTitleFaceId), 1));
    EXPECT_EQ(wellplot::TitleFontOf(kit).GetFaceName(), page.Value(L::kTitleFaceId).c_str());
    EXPECT_NE(page.Value(L::kTitleFaceId), "宋体");
}

TEST(WaterEntryPageTest, ValueLabelItemsReachTheirParameter) {
    ProfilePage page(3);
    CWpWaterEntry* kit = page.kit();
    ASSERT_TRUE(page.Pick(L::ParamItemId(1, L::kLabelShow), "是"));
    ASSERT_TRUE(page.Pick(L::ParamItemId(1, L::kLabelAlign), "右对齐"));
    ASSERT_TRUE(page.Color(page.Item(L::ParamItemId(1, L::kLabelColor)), RGB(1, 2, 3)));
    ASSERT_TRUE(page.Pick(L::ParamItemId(2, L::kParamDigits), "3"));
    ASSERT_TRUE(page.Pick(L::ParamItemId(2, L::kParamField), "含水率"));
    EXPECT_TRUE(kit->GetParamDraw(1));
    EXPECT_EQ(kit->GetParamFontHAlign(1), 2);
    EXPECT_EQ(kit->GetParamFontColor(1), RGB(1, 2, 3));
    EXPECT_FALSE(kit->GetParamDraw(0));
    EXPECT_EQ(kit->GetParamDigits(2), 3);
    EXPECT_EQ(kit->GetParamName(2), "含水率");

    kit->SetParamFontHAlign(0, 0);
    kit->SetParamColor(0, RGB(9, 9, 9));
    page.Show(kit);
    EXPECT_EQ(page.Value(L::ParamItemId(0, L::kLabelAlign)), "左对齐");
    EXPECT_EQ(dynamic_cast<CBCGPColorProp*>(page.Item(L::ParamItemId(0, L::kParamColor)))->GetColor(), RGB(9, 9, 9));
}

TEST(WaterEntryPageTest, SourceSwitchesResetTheKitAndRefillTheirOptions) {
    ProfilePage page(2);
    CWpWaterEntry* kit = page.kit();
    EXPECT_EQ(page.Value(L::kSourceTypeId), "当前井");
    EXPECT_FALSE(page.Enabled(L::kTableId));
    EXPECT_EQ(page.Options(page.Item(L::kStartDateId)).size(), 4u);

    // The same type again: nothing at all, no redraw either.
    const int redraws = page.Redraws();
    ASSERT_TRUE(page.Pick(L::kSourceTypeId, "当前井"));
    EXPECT_EQ(wptest::AllCalls(), Names());
    EXPECT_EQ(page.Redraws(), redraws);

    ASSERT_TRUE(page.Pick(L::kStartDateId, "2019-06-30"));
    ASSERT_TRUE(page.Pick(L::kSourceTypeId, "离散数据"));
    EXPECT_EQ(kit->GetSourceType(), "离散数据");
    EXPECT_EQ(kit->GetStartDate(), "");
    EXPECT_EQ(kit->GetParamNumber(), 0);
    EXPECT_EQ(page.TopRows(), kFixedRows);
    EXPECT_TRUE(page.Enabled(L::kTableId));
    EXPECT_EQ(page.Options(page.Item(L::kTableId)), (Names{"试油成果"}));
    EXPECT_EQ(page.Options(page.Item(L::kStartDateId)), (Names{"2021-03-15", "2021-09-15"}));
    EXPECT_EQ(page.Options(page.Item(L::kParamCountId)), (Names{"0", "1", "2", "3"}));

    ASSERT_TRUE(page.Pick(L::kTableId, "试油成果"));
    EXPECT_EQ(kit->GetScattTable(), "试油成果");
    EXPECT_EQ(kit->GetScattTimeField(), "");
    EXPECT_EQ(page.Options(page.Item(L::kTimeFieldId)), (Names{"结论"}));
    ASSERT_TRUE(page.Pick(L::kTimeFieldId, "结论"));
    EXPECT_EQ(kit->GetScattTimeField(), "结论");

    ASSERT_TRUE(page.Pick(L::kParamCountId, "2"));
    ASSERT_TRUE(page.Pick(L::kSourceTypeId, "图形"));  // rebuilt from inside the handler once more
    EXPECT_EQ(kit->GetParamNumber(), 0);
    EXPECT_EQ(page.TopRows(), kFixedRows);
    EXPECT_FALSE(page.Enabled(L::kTableId));
    EXPECT_EQ(page.Options(page.Item(L::kStartDateId)), Names());
    EXPECT_EQ(page.Options(page.Item(L::kParamCountId)), Names());
}

TEST(WaterEntryPageTest, AnotherKitClassOrAnEditBeforeAnySelectionChangesNothing) {
    // Before any selection message.
    wptest::IntervalPage<L> fresh(wptest::ForFirst<L, CWpWaterEntry>());
    auto* kit = fresh.plot().First<CWpWaterEntry>();
    const uint64_t stamp = kit->GetTimeStamp();
    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(fresh.Type(L::kDrawWidthId, "3"));
    ASSERT_TRUE(fresh.Pick(L::kSourceTypeId, "图形"));
    EXPECT_EQ(wptest::AllCalls(), Names());
    EXPECT_EQ(kit->GetTimeStamp(), stamp);
    EXPECT_EQ(kit->GetSourceType(), "当前井");

    // Another kind of kit selected: neither read nor written.
    CWpText* text = fresh.plot().First<CWpText>();
    fresh.Show(text);
    ASSERT_TRUE(fresh.Type(L::kDrawWidthId, "3"));
    ASSERT_TRUE(fresh.Pick(L::kParamCountId, "2"));
    EXPECT_EQ(wptest::AllCalls(), Names());
    EXPECT_DOUBLE_EQ(kit->GetDrawWidth(), 1);

    // A page made at run time has no kit: it shows nothing, whatever is selected.
    wptest::IntervalPage<L> bare(
        [](zephyr::PlotFixture&) { return static_cast<L*>(RUNTIME_CLASS(CLstWaterEntry)->CreateObject()); });
    bare.Show(bare.plot().First<CWpWaterEntry>());
    EXPECT_EQ(bare.list().GetPropList().GetPropertyCount(), 0);
}

TEST(WaterEntryPageTest, TheSheetIsCaptionedByTheKindOfProfile) {
    zephyr::PlotFixture plot;
    plot.BuildSample();
    wptest::HostWindows host;
    auto* produced = plot.First<CWpWaterEntry>();
    auto* injected = plot.Add<CWpWaterEntry>(produced->GetParent(), "吸水剖面");
    injected->SetProductedFluid(false);
    for (const auto& [kit, caption] : {std::make_pair(produced, "产液"), std::make_pair(injected, "吸水")}) {
        CWnd* sheet = CPropWnd::Create(kit, &host.frame);
        ASSERT_NE(sheet, nullptr);
        EXPECT_EQ(platform::TabCaptions(*sheet), (Names{caption, "其它"}));
        platform::DestroyAndDelete(sheet);
    }
}

}  // namespace
