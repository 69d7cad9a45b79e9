// The interval-list base (refresh rule, title group, data-source fillers), the lithology page and
// the rock-sample page.
#include <algorithm>
#include <cmath>

#include "IntervalFixture.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/LogCodeMgrIO.h"
#include "hosttypes/Zephyr/WpCorelith.h"
#include "hosttypes/Zephyr/WpLthSample.h"
#include "hosttypes/Zephyr/WpSand.h"
#include "wellplot/intervals/DataSourceItems.h"
#include "wellplot/intervals/LstColth.h"
#include "wellplot/intervals/LstLthSample.h"
#include "wellplot/intervals/LstSand.h"

using wptest::CallsOn;
using wptest::Names;

namespace {

using SandPage = wptest::IntervalPage<CLstSand>;
using LithPage = wptest::IntervalPage<CLstColth>;
using SamplePage = wptest::IntervalPage<CLstLthSample>;

// ---- base -------------------------------------------------------------------------------------
TEST(IntervalBaseTest, ReReadsAKitTouchedElsewhereOrAnotherKitButNotTheSameUntouchedKit) {
    SandPage page;
    CWpSand* sand = page.plot().First<CWpSand>();
    auto* other = page.plot().Add<CWpSand>(page.track(2), "砂岩2");
    page.Show(sand);
    EXPECT_EQ(page.Value(CLstSand::kFillId), "否");

    sand->SetFill(true);  // stored without a new stamp
    page.Show(sand);
    EXPECT_EQ(page.Value(CLstSand::kFillId), "否");
    zephyr::testing::Touch(sand);
    page.Show(sand);
    EXPECT_EQ(page.Value(CLstSand::kFillId), "是");

    // Another kit is read although its stamp is older than the page's.
    EXPECT_LT(other->GetTimeStamp(), page.list().GetTimeStamp());
    page.Show(other);
    EXPECT_EQ(page.Value(CLstSand::kFillId), "否");
    // An object that is not the page's current one is ignored.
    sand->SetTitleText("不显示");
    platform::SendSelectionChanged(page.list(), nullptr, 0);
    EXPECT_EQ(page.Value(CLstContent::kTitleNameId), "砂岩2");
}

TEST(IntervalBaseTest, TitleShowsBreaksAsBackslashNAndDirectionsAboveTwoAsVertical) {
    SandPage page;
    CWpSand* sand = page.plot().First<CWpSand>();
    sand->SetTitleText("砂\n岩");
    sand->SetTitleDirection(7);
    page.Show(sand);
    EXPECT_EQ(page.Value(CLstContent::kTitleNameId), "砂\\n岩");
    EXPECT_EQ(page.Value(CLstContent::kTitleDirectionId), "纵向");

    ASSERT_TRUE(page.Type(CLstContent::kTitleNameId, "上\\n下"));
    EXPECT_EQ(sand->GetTitleText(), "上\n下");
    const Names calls = CallsOn(sand);
    ASSERT_GE(calls.size(), 4u);
    EXPECT_EQ(Names(calls.begin(), calls.begin() + 4),
              (Names{"CQXObject::SetModifyFlag", "CWpKit::SetTitleText", "CWpKit::UpdateParent", "CWpKit::InvalidSelf"}));
}

TEST(IntervalBaseTest, FillersAppendUniqueNamesAndReplaceValueNames) {
    SandPage page;
    CBCGPProp item("x", _variant_t(""));
    item.AddOption("已有");
    AddSegmentDataOptions(&item);
    AddSegmentDataOptions(&item);
    EXPECT_EQ(wptest::OpenPage<CLstSand>::Options(&item), (Names{"已有", "试油成果"}));
    FillValueNameOptions(&item, "试油成果", 1);
    EXPECT_EQ(wptest::OpenPage<CLstSand>::Options(&item), (Names{"日产油", "日产水"}));
    FillValueNameOptions(&item, "无此数据", 0);
    EXPECT_EQ(item.GetOptionCount(), 0);
    AddTableFieldOptions("无此表", &item);
    AddTableFieldOptions("段数据.段数据2", &item);
    EXPECT_EQ(item.GetOptionCount(), 5);
    rivet::testing::RemoveColPtDataManager();
    AddSegmentDataOptions(&item);
    FillValueNameOptions(&item, "试油成果", 1);
    EXPECT_EQ(item.GetOptionCount(), 0);
}

// ---- lithology --------------------------------------------------------------------------------
TEST(LithologyPageTest, WellDataOnTheLithologyTableStoresTheDefaultFieldsAtRefresh) {
    LithPage page;
    auto* lith = page.plot().First<CWpCorelith>();
    lith->SetDataSource(1);
    lith->SetTableName("岩性数据");
    page.Show(lith);
    EXPECT_EQ(lith->GetCorelithField(), "岩性名称");
    EXPECT_EQ(lith->GetColorField(), "颜色");
    EXPECT_EQ(lith->GetOilCodeField(), "含油性");
    EXPECT_EQ(lith->GetCorelithCodeField(), "岩性");
    EXPECT_EQ(page.Value(CLstColth::kCorelithFieldId), "岩性名称");
    EXPECT_TRUE(page.Enabled(CLstColth::kTableId));
    EXPECT_EQ(page.Options(page.Item(CLstColth::kTableId)), (Names{"岩性数据", "段数据1", "段数据2", "段数据3"}));
    for (DWORD_PTR id = CLstColth::kCorelithFieldId; id <= CLstColth::kCorelithCodeFieldId; ++id)
        EXPECT_FALSE(page.Enabled(id)) << id;
}

TEST(LithologyPageTest, ShowingAKitWhoseTableIsAppliedAlreadyLeavesItUntouched) {
    LithPage page;
    auto* lith = page.plot().First<CWpCorelith>();
    lith->SetDataSource(1);
    lith->SetTableName("岩性数据");
    page.Show(lith);  // stores the default fields once
    const uint64_t stamp = lith->GetTimeStamp();
    zephyr::testing::ClearCallLog();
    for (int i = 0; i < 3; ++i) page.Show(lith);
    EXPECT_EQ(stamp, lith->GetTimeStamp());
    EXPECT_TRUE(zephyr::testing::CallLog().empty());
    EXPECT_EQ(lith->GetCorelithField(), "岩性名称");
}

TEST(LithologyPageTest, SegmentTableIsStoredUnderItsFullNameAndTheLithologyTableRestoresDefaults) {
    LithPage page;
    auto* lith = page.KitWithInterval<CWpCorelith>();
    lith->SetDataSource(1);
    lith->SetTableName("岩性数据");
    page.Show(lith);

    ASSERT_TRUE(page.Pick(CLstColth::kTableId, "段数据1"));
    EXPECT_EQ(lith->GetTableName(), "段数据.段数据1");
    EXPECT_EQ(lith->GetActiveSeg(), -1);
    for (DWORD_PTR id = CLstColth::kCorelithFieldId; id <= CLstColth::kCorelithCodeFieldId; ++id) {
        EXPECT_EQ(page.Value(id), "") << id;
        EXPECT_TRUE(page.Enabled(id)) << id;
        EXPECT_EQ(page.Options(page.Item(id)).front(), "顶深") << id;
    }
    EXPECT_EQ(lith->GetCorelithField(), "");
    const Names calls = CallsOn(lith);
    EXPECT_EQ(Names(calls.end() - 3, calls.end()),
              (Names{"CQXObject::SetModifyFlag", "CWpKit::InvalidSelf", "CWpKit::UpdateSelf"}));

    ASSERT_TRUE(page.Pick(CLstColth::kTableId, "岩性数据"));
    EXPECT_EQ(lith->GetColorField(), "颜色");
    EXPECT_TRUE(page.Enabled(CLstColth::kTableId));
    EXPECT_FALSE(page.Enabled(CLstColth::kColorFieldId));
}

TEST(LithologyPageTest, SourcesLayOutTheirItemsAndFields) {
    LithPage page;
    auto* lith = page.plot().First<CWpCorelith>();
    page.Show(lith);
    EXPECT_EQ(page.Value(CLstColth::kSourceTypeId), "图形");
    EXPECT_FALSE(page.Enabled(CLstColth::kTableId));

    ASSERT_TRUE(page.Pick(CLstColth::kSourceTypeId, "离散数据"));
    EXPECT_EQ(lith->GetDataSource(), 2);
    page.Show(lith);  // the host announces the changed kit
    EXPECT_TRUE(page.Enabled(CLstColth::kTableId));
    EXPECT_EQ(page.Options(page.Item(CLstColth::kTableId)), (Names{"试油成果"}));
    ASSERT_TRUE(page.Pick(CLstColth::kTableId, "试油成果"));
    EXPECT_EQ(lith->GetTableName(), "试油成果");
    EXPECT_EQ(page.Options(page.Item(CLstColth::kColorFieldId)), (Names{"结论"}));

    LogCorelithDIO* graphic = page.data()->AddCorelith(CORELITH_GRAPHIC, "");
    ASSERT_TRUE(page.Pick(CLstColth::kSourceTypeId, "图形"));
    EXPECT_EQ(lith->GetData(), graphic);
    EXPECT_EQ(lith->GetTableName(), "");
    EXPECT_FALSE(page.Enabled(CLstColth::kTableId));
}

TEST(LithologyPageTest, CodeLabelsReachTheKitAsNamesAndHiddenTypesStillShowTheirLabel) {
    LithPage page;
    zephyr::testing::CorelithCodes().m_colors.push_back({9, "砂岩", "砂岩(细)"});
    auto* lith = page.KitWithInterval<CWpCorelith>();
    ASSERT_TRUE(lith->SetColthTypeName("未知", 0));
    ASSERT_TRUE(lith->SetColorName("绿", 0));
    page.Show(lith);
    const Names types = page.Options(page.Item(CLstColth::kColthTypeId));
    EXPECT_EQ(types, (Names{"", "砂岩(细)", "泥岩", "灰岩"}));
    EXPECT_EQ(page.Value(CLstColth::kColthTypeId), "未知(不绘制)");
    EXPECT_EQ(page.Value(CLstColth::kColorNameId), "绿");

    ASSERT_TRUE(page.Pick(CLstColth::kColorNameId, "砂岩(细)"));
    EXPECT_EQ(lith->GetColorName(0), "砂岩");
    EXPECT_EQ(CallsOn(lith).back(), "CWpKit::UpdateSelf");
    EXPECT_NE(wptest::AllCalls(), Names());
    const Names all = wptest::AllCalls();
    EXPECT_NE(std::find(all.begin(), all.end(), "Observer::NotifyObservee"), all.end());
    ASSERT_TRUE(page.Pick(CLstColth::kColorNameId, "绿"));
    EXPECT_EQ(lith->GetColorName(0), "绿");

    // Oil-bearing levels are offered only when the kit's data say which column it has.
    EXPECT_EQ(page.Options(page.Item(CLstColth::kCtOilNameId)), Names());
    LogCorelithDIO* data = page.data()->AddCorelith(CORELITH_WELL, "");
    data->m_record.oilKind = 2;
    lith->SetData(data);
    page.Show(lith);
    ASSERT_TRUE(page.Pick(CLstColth::kCtOilNameId, "油浸(3级)"));
    EXPECT_EQ(lith->GetContentName(0), "油浸");
}

TEST(LithologyPageTest, RefusedDepthsAndSharesShowTheKitsValuesAgain) {
    LithPage page;
    auto* lith = page.KitWithInterval<CWpCorelith>(10, 20);
    page.Show(lith);
    EXPECT_EQ(page.Value(CLstColth::kTopId), "10.00");
    ASSERT_TRUE(page.Type(CLstColth::kTopId, "25"));
    EXPECT_DOUBLE_EQ(lith->GetSegTopDpth(0), 10);
    EXPECT_EQ(page.Value(CLstColth::kTopId), "10.00");
    ASSERT_TRUE(page.Type(CLstColth::kTopId, "12.5"));
    EXPECT_DOUBLE_EQ(lith->GetSegTopDpth(0), 12.5);
    ASSERT_TRUE(page.Type(CLstColth::kTopId, "1e999"));  // no double holds it
    EXPECT_DOUBLE_EQ(lith->GetSegTopDpth(0), 12.5);

    ASSERT_TRUE(page.Type(CLstColth::kColorWidthId, "宽"));
    EXPECT_DOUBLE_EQ(lith->GetColorPer(), 0);
    EXPECT_EQ(page.Value(CLstColth::kColorWidthId), "0.00");
    ASSERT_TRUE(page.Type(CLstColth::kCtOilWidthId, "3"));
    EXPECT_EQ(page.Value(CLstColth::kCtOilWidthId), "0.20");
}

TEST(LithologyPageTest, ARefusedDividerWidthOrSizeShowsTheKitsValueAgain) {
    LithPage page;
    auto* lith = page.KitWithInterval<CWpCorelith>(10, 20);
    lith->GetDivideLogPen().width = 40;
    lith->GetDivideLogPoint().size = 250;
    page.Show(lith);
    const DWORD_PTR width = CLstColth::kDivideLinePenId + 2;
    const DWORD_PTR size = CLstColth::kDividePointStyleId + 2;
    EXPECT_EQ(page.Value(width), "0.40");
    EXPECT_EQ(page.Value(size), "2.50");
    for (const char* refused : {"nan", "inf", "abc", "-1", "1e400", "-1e308", "1e39"}) {
        ASSERT_TRUE(page.Type(width, refused)) << refused;
        EXPECT_FLOAT_EQ(lith->GetDivideLogPen().width, 40) << refused;
        EXPECT_EQ(page.Value(width), "0.40") << refused;
    }
    for (const char* refused : {"-1", "1e400", "-1e308", "1e39"}) {
        ASSERT_TRUE(page.Type(size, refused)) << refused;
        EXPECT_FLOAT_EQ(lith->GetDivideLogPoint().size, 250) << refused;
        EXPECT_EQ(page.Value(size), "2.50") << refused;
    }
    // The point group reads a text with no number, a negative zero or a number too small for the
    // record ("1e-310"), as a size of 0, and shows the size taken; a size typed as a number keeps
    // its text.
    for (const char* zero : {"abc", "nan", "-0", "1e-310"}) {
        lith->GetDivideLogPoint().size = 250;
        ASSERT_TRUE(page.Type(size, zero)) << zero;
        EXPECT_EQ(lith->GetDivideLogPoint().size, 0) << zero;
        EXPECT_FALSE(std::signbit(lith->GetDivideLogPoint().size)) << zero;
        EXPECT_EQ(page.Value(size), "0.00") << zero;
    }
    ASSERT_TRUE(page.Type(size, "2.5"));
    EXPECT_FLOAT_EQ(lith->GetDivideLogPoint().size, 250);
    EXPECT_EQ(page.Value(size), "2.5");
    ASSERT_TRUE(page.Type(width, "1.5"));
    EXPECT_FLOAT_EQ(lith->GetDivideLogPen().width, 150);
}

TEST(LithologyPageTest, WithoutAnActiveIntervalTheSixItemsAreEmpty) {
    LithPage page;
    auto* lith = page.KitWithInterval<CWpCorelith>();
    page.Show(lith);
    EXPECT_EQ(page.Value(CLstColth::kTopId), "10.00");
    lith->SetActiveSeg(-1);
    zephyr::testing::Touch(lith);
    page.Show(lith);
    for (DWORD_PTR id = CLstColth::kTopId; id <= CLstColth::kColthTypeId; ++id) EXPECT_EQ(page.Value(id), "") << id;
    // The lists keep the options of the last interval, yet a pick (or a name typed) has no
    // interval to go to: refused, the kit is not asked with interval -1 and nothing is marked
    // modified or redrawn; the item shows "" again.
    EXPECT_EQ(page.Options(page.Item(CLstColth::kColorNameId)).size() > 1, true);
    for (DWORD_PTR id : {CLstColth::kColorNameId, CLstColth::kColthTypeId}) {
        const std::string pick = page.Options(page.Item(id)).back();
        parsnip::testing::ClearCallLog();
        const int redraws = page.Redraws();
        ASSERT_TRUE(page.Pick(id, pick.c_str())) << pick;
        EXPECT_EQ(wptest::AllCalls(), Names()) << pick;
        EXPECT_EQ(page.Redraws(), redraws) << pick;
        EXPECT_EQ(page.Value(id), "") << pick;
    }
    wptest::ExpectShownAgain(page, CLstColth::kColthNameId, _variant_t("细砂岩"), "", "a name without an interval");
    EXPECT_EQ(lith->GetColorName(0), "");
}

// ---- rock samples -----------------------------------------------------------------------------
TEST(RockSamplePageTest, WellDataTakesTheWellsNameAndTheDefaultFields) {
    SamplePage page;
    auto* sample = page.plot().First<CWpLthSample>();
    page.Show(sample);
    ASSERT_TRUE(page.Pick(CLstLthSample::kSourceTypeId, "井数据"));
    EXPECT_EQ(sample->GetDataSource(), 1);
    EXPECT_EQ(sample->GetTableName(), "井1");
    EXPECT_EQ(sample->GetDepthFiledName(), "距顶");
    EXPECT_EQ(sample->GetNumberFiledName(), "样品号");
    EXPECT_FALSE(page.Enabled(CLstLthSample::kTableId));
    EXPECT_EQ(page.Value(CLstLthSample::kDepthFieldId), "距顶");
    EXPECT_EQ(page.Value(CLstLthSample::kNumberFieldId), "样品号");
    EXPECT_EQ(CallsOn(sample).back(), "CWpKit::UpdateSelf");
}

TEST(RockSamplePageTest, DiscreteSetsAreListedOnceHoweverOftenRefreshed) {
    SamplePage page;
    auto* sample = page.plot().First<CWpLthSample>();
    rivet::testing::SetColPtData({rivet::testing::MakeColPtData("岩样分析", {"距顶", "样品号", "描述"}, {1, 1, 0}, true),
                                  rivet::testing::MakeColPtData("物性", {"POR"}, {1}, false)});
    sample->SetDataSource(2);
    for (int i = 0; i < 3; ++i) {
        zephyr::testing::Touch(sample);
        page.Show(sample);
    }
    EXPECT_EQ(page.Options(page.Item(CLstLthSample::kTableId)), (Names{"岩样分析"}));
    ASSERT_TRUE(page.Pick(CLstLthSample::kTableId, "岩样分析"));
    EXPECT_EQ(page.Options(page.Item(CLstLthSample::kNumberFieldId)), (Names{"距顶", "样品号"}));
    ASSERT_TRUE(page.Pick(CLstLthSample::kNumberFieldId, "样品号"));
    EXPECT_EQ(sample->GetNumberFiledName(), "样品号");

    ASSERT_TRUE(page.Pick(CLstLthSample::kSourceTypeId, "图形"));
    EXPECT_EQ(sample->GetData(), nullptr);
    for (DWORD_PTR id : {CLstLthSample::kTableId, CLstLthSample::kDepthFieldId, CLstLthSample::kNumberFieldId}) {
        EXPECT_FALSE(page.Enabled(id));
        EXPECT_EQ(page.Value(id), "");
    }
}

TEST(RockSamplePageTest, MarkSettingsShowTheKitsValuesBeyondTheOptions) {
    SamplePage page;
    auto* sample = page.plot().First<CWpLthSample>();
    sample->SetMarkInterval(42);
    sample->SetMarkTextVisible(2);
    sample->SetMarkTextAlign(3);
    page.Show(sample);
    EXPECT_EQ(page.Value(CLstLthSample::kMarkIntervalId), "42");
    EXPECT_EQ(page.Value(CLstLthSample::kMarkTextId), "否");
    EXPECT_EQ(page.Value(CLstLthSample::kMarkAlignId), "竖排");
    // An interval no int holds, reported from code, writes nothing, not even the modify flag.
    wptest::ExpectShownAgain(page, page.Item(CLstLthSample::kMarkIntervalId), "1e20", "42", "mark interval");
    ASSERT_TRUE(page.Pick(CLstLthSample::kMarkIntervalId, "5"));
    EXPECT_EQ(sample->GetMarkInterval(), 5);
    ASSERT_TRUE(page.Pick(CLstLthSample::kMarkAlignId, "横排"));
    EXPECT_EQ(sample->GetMarkTextAlign(), 0);
}

}  // namespace
