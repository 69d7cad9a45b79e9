// The symbol pages of perforation-symbol, cycle and bedding kits: sources and their notices, the
// discrete binding, the display items, the active interval, the kit-class guard, their sheet tabs,
// and the kit library's symbol operations they rely on.
#include <algorithm>

#include "IntervalFixture.h"
#include "framework/PropWndMgr.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/WpSymble.h"
#include "hosttypes/Zephyr/WpText.h"
#include "wellplot/intervals/LstSymble.h"
#include "wellplot/intervals/PropWnd.h"

using wptest::AllCalls;
using wptest::CallsOn;
using wptest::Names;

namespace {

template <class List, class Kit>
struct SymbolPage : wptest::IntervalPage<List> {
    Kit* kit() { return this->plot().template First<Kit>(); }
};
using ShootPage = SymbolPage<CLstSymbleShoot, CWpSymbleShoot>;
using CyclePage = SymbolPage<CLstSymbleCycle, CWpSymbleCycle>;
using BeddingPage = SymbolPage<CLstSymbleTexture, CWpSymbleTexture>;

TEST(SymbolKitTest, CataloguesPerCodeDataSetsOnceAndRefusedIntervalWrites) {
    zephyr::PlotFixture plot;
    plot.BuildSample();
    WDMgrIO data;
    EXPECT_EQ(data.GetSymbleMgr(SYMBLE_CYCLE_LONG), data.GetSymbleMgr(SYMBLE_CYCLE_LONG));
    EXPECT_EQ(data.GetSymbleMgr(SYMBLE_CYCLE_LONG)->GetSymbleName(1), "反旋回");
    EXPECT_EQ(data.GetSymbleMgr(SYMBLE_CYCLE_LONG)->GetSymbleName(3), "");
    EXPECT_EQ(data.GetSymbleMgr(99), nullptr);
    EXPECT_EQ(data.GetSymbleData(2, ""), data.GetSymbleData(2, ""));
    EXPECT_NE(data.GetSymbleData(2, ""), data.GetSymbleData(3, ""));

    CWpSymbleCycle* kit = plot.First<CWpSymbleCycle>();
    WPSEGMENT seg;
    seg.top = 10;
    seg.bottom = 20;
    kit->AddSeg(seg);
    kit->SetSymbleMgr(data.GetSymbleMgr(SYMBLE_CYCLE_LONG));
    EXPECT_FALSE(kit->SetSymbleName(-1, "正旋回"));
    EXPECT_FALSE(kit->SetSymbleName(1, "正旋回"));
    EXPECT_FALSE(kit->SetSymbleName(0, "水平层理"));  // not in the kit's catalogue
    EXPECT_TRUE(kit->SetSymbleName(0, "正旋回"));
    EXPECT_EQ(kit->GetSymbleName(0), "正旋回");
    EXPECT_FALSE(kit->SetEdgeOffL(0.5));
    EXPECT_FALSE(kit->SetEdgeOffR(-0.01));
    EXPECT_FALSE(plot.First<CWpSymbleTexture>()->SetSymbleWidth(0));
}

TEST(SymbolPageTest, CycleMarginsRefuseHalfAndNegativesAndTakeOtherValuesForBoth) {
    CyclePage page;
    CWpSymbleCycle* kit = page.kit();
    page.Show(kit);
    EXPECT_EQ(page.Value(CLstSymbleCycle::kMarginId), "0.10");

    for (const char* refused : {"0.5", "-0.1"}) {
        ASSERT_TRUE(page.Type(CLstSymbleCycle::kMarginId, refused));
        EXPECT_EQ(page.Value(CLstSymbleCycle::kMarginId), "0.10") << refused;
        EXPECT_DOUBLE_EQ(kit->GetEdgeOffL(), 0.1);
        EXPECT_DOUBLE_EQ(kit->GetEdgeOffR(), 0.1);
    }
    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.Type(CLstSymbleCycle::kMarginId, "0.3"));
    EXPECT_DOUBLE_EQ(kit->GetEdgeOffL(), 0.3);
    EXPECT_DOUBLE_EQ(kit->GetEdgeOffR(), 0.3);
    EXPECT_EQ(CallsOn(kit), (Names{"CQXObject::SetModifyFlag", "CWpSymble::SetEdgeOffL", "CWpSymble::SetEdgeOffR",
                                   "CWpKit::OnDataChanged"}));
    ASSERT_TRUE(page.Type(CLstSymbleCycle::kMarginId, "abc"));
    EXPECT_DOUBLE_EQ(kit->GetEdgeOffL(), 0);
    EXPECT_DOUBLE_EQ(kit->GetEdgeOffR(), 0);
    ASSERT_TRUE(page.Type(CLstSymbleCycle::kMarginId, "1e999"));  // no number a double holds
    EXPECT_DOUBLE_EQ(kit->GetEdgeOffL(), 0);
    EXPECT_EQ(page.Value(CLstSymbleCycle::kMarginId), "abc");  // its text from before the edit
}

TEST(SymbolPageTest, CycleSourcesBindCatalogueOfTheirCodeGraphicsNotifiesAndAnActiveIntervalLocksTheSource) {
    CyclePage page;
    CWpSymbleCycle* kit = page.kit();
    page.Show(kit);
    EXPECT_EQ(page.Options(page.Item(CLstSymble::kSourceTypeId)),
              (Names{"长期旋回", "中期旋回", "短期旋回", "离散数据", "图形"}));
    ASSERT_TRUE(page.Pick(CLstSymble::kSourceTypeId, "中期旋回"));
    EXPECT_EQ(kit->m_nDataSource, SYMBLE_CYCLE_MIDDLE);
    EXPECT_EQ(kit->GetSymbleMgr(), page.data()->GetSymbleMgr(SYMBLE_CYCLE_MIDDLE));
    EXPECT_EQ(kit->GetData(), page.data()->GetSymbleData(SYMBLE_CYCLE_MIDDLE, ""));

    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.Pick(CLstSymble::kSourceTypeId, "图形"));
    const Names calls = AllCalls();
    EXPECT_EQ(kit->m_nDataSource, SYMBLE_CYCLE_GRAPHIC);
    EXPECT_EQ(kit->GetSymbleMgr(), page.data()->GetSymbleMgr(SYMBLE_CYCLE_GRAPHIC));
    EXPECT_EQ(calls.back(), "Observee::Notify");
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "CWpKit::OnDataChanged"), 0);

    page.KitWithInterval<CWpSymbleCycle>(1200, 1210);
    page.Show(kit);
    EXPECT_FALSE(page.Enabled(CLstSymble::kSourceTypeId));
    kit->SetActiveSeg(-1);
    zephyr::testing::Touch(kit);
    page.Show(kit);
    EXPECT_TRUE(page.Enabled(CLstSymble::kSourceTypeId));

    ASSERT_TRUE(page.Color(page.Item(CLstSymbleCycle::kColorId), RGB(0, 0, 255)));
    EXPECT_EQ(kit->GetSegColor(), RGB(0, 0, 255));
    EXPECT_EQ(CallsOn(kit).back(), "CWpKit::OnDataChanged");
}

TEST(SymbolPageTest, DiscreteDataChangesOnlyTheCodeThenTableAndFieldAreChosen) {
    ShootPage page;
    CWpSymbleShoot* kit = page.kit();
    page.Show(kit);
    ASSERT_TRUE(page.Pick(CLstSymble::kSourceTypeId, "井数据"));
    ISymbleData* bound = kit->GetData();
    ASSERT_NE(bound, nullptr);
    EXPECT_FALSE(page.Enabled(CLstSymble::kTableId));

    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.Pick(CLstSymble::kSourceTypeId, "离散数据"));
    EXPECT_EQ(kit->m_nDataSource, SYMBLE_SHOOT_DISCRETE);
    EXPECT_EQ(kit->GetData(), bound);
    EXPECT_EQ(CallsOn(kit), (Names{"CQXObject::SetModifyFlag"}));
    EXPECT_TRUE(page.Enabled(CLstSymble::kTableId));
    EXPECT_TRUE(page.Enabled(CLstSymble::kFieldId));

    ASSERT_TRUE(page.Pick(CLstSymble::kTableId, "试油成果"));
    EXPECT_EQ(kit->GetTableName(), "试油成果");
    EXPECT_EQ(page.Options(page.Item(CLstSymble::kFieldId)), (Names{"结论"}));
    ASSERT_TRUE(page.Pick(CLstSymble::kFieldId, "结论"));
    EXPECT_EQ(kit->GetFiledName(), "结论");
    EXPECT_EQ(CallsOn(kit).back(), "CWpKit::OnSettingChanged");
    EXPECT_EQ(kit->GetData(), bound);

    page.Show(kit);
    EXPECT_EQ(page.Value(CLstSymble::kSourceTypeId), "离散数据");
    EXPECT_EQ(page.Value(CLstSymble::kTableId), "试油成果");
    EXPECT_EQ(page.Value(CLstSymble::kFieldId), "结论");

    // A source with data forgets table and field.
    ASSERT_TRUE(page.Pick(CLstSymble::kSourceTypeId, "井数据"));
    EXPECT_EQ(kit->GetTableName(), "");
    EXPECT_EQ(kit->GetFiledName(), "");
    EXPECT_FALSE(page.Enabled(CLstSymble::kTableId));
    EXPECT_EQ(page.Value(CLstSymble::kTableId), "");
}

TEST(SymbolPageTest, PerforationGraphicsDisablesFilterAndDatesAndWellDataEnablesThem) {
    ShootPage page;
    CWpSymbleShoot* kit = page.kit();
    kit->GetAllDateTime() = {"2001-01-01", "2002-02-02"};
    kit->m_nDataSource = SYMBLE_SHOOT_WELL;
    kit->IsFilter(true);
    kit->SetStartDateTime("2001-01-01");
    page.Show(kit);
    EXPECT_EQ(page.Value(CLstSymbleShoot::kFilterId), "是");
    EXPECT_EQ(page.Value(CLstSymbleShoot::kStartDateId), "2001-01-01");
    EXPECT_EQ(page.Options(page.Item(CLstSymbleShoot::kEndDateId)), (Names{"2001-01-01", "2002-02-02"}));
    EXPECT_TRUE(page.Enabled(CLstSymbleShoot::kStartDateId));

    ASSERT_TRUE(page.Pick(CLstSymble::kSourceTypeId, "图形"));
    EXPECT_EQ(kit->m_nDataSource, SYMBLE_SHOOT_GRAPHIC);
    // The perforation catalogue is asked for by code 1 whatever the source.
    EXPECT_EQ(kit->GetSymbleMgr(), page.data()->GetSymbleMgr(SYMBLE_SHOOT_WELL));
    EXPECT_EQ(CallsOn(kit).back(), "CWpKit::OnDataChanged");
    for (DWORD_PTR id : {CLstSymbleShoot::kFilterId, CLstSymbleShoot::kStartDateId, CLstSymbleShoot::kEndDateId})
        EXPECT_FALSE(page.Enabled(id)) << id;
    EXPECT_EQ(page.Value(CLstSymbleShoot::kStartDateId), "");
    EXPECT_EQ(page.Value(CLstSymbleShoot::kEndDateId), "");

    ASSERT_TRUE(page.Pick(CLstSymble::kSourceTypeId, "井数据"));
    for (DWORD_PTR id : {CLstSymbleShoot::kFilterId, CLstSymbleShoot::kStartDateId, CLstSymbleShoot::kEndDateId})
        EXPECT_TRUE(page.Enabled(id)) << id;
    ASSERT_TRUE(page.Pick(CLstSymbleShoot::kEndDateId, "2002-02-02"));
    EXPECT_EQ(kit->GetEndDateTime(), "2002-02-02");
    ASSERT_TRUE(page.Pick(CLstSymbleShoot::kFilterId, "否"));
    EXPECT_FALSE(kit->IsFilter());
    EXPECT_EQ(CallsOn(kit).back(), "CWpKit::OnSettingChanged");
    page.Show(kit);
    EXPECT_TRUE(page.Enabled(CLstSymbleShoot::kFilterId));
    EXPECT_FALSE(page.Enabled(CLstSymbleShoot::kEndDateId));
}

TEST(SymbolPageTest, BeddingFitDisablesTheSizeAtTheRefreshAndSizesMustBePositive) {
    BeddingPage page;
    CWpSymbleTexture* kit = page.kit();
    page.Show(kit);
    EXPECT_EQ(page.Value(CLstSymbleTexture::kFitId), "是");
    EXPECT_FALSE(page.Enabled(CLstSymbleTexture::kWidthId));
    EXPECT_FALSE(page.Enabled(CLstSymbleTexture::kColorId));

    ASSERT_TRUE(page.Pick(CLstSymbleTexture::kFitId, "否"));
    EXPECT_FALSE(kit->IsFitRect());
    EXPECT_TRUE(page.Enabled(CLstSymbleTexture::kWidthId));
    EXPECT_TRUE(page.Enabled(CLstSymbleTexture::kHeightId));
    ASSERT_TRUE(page.Type(CLstSymbleTexture::kWidthId, "7.5"));
    EXPECT_DOUBLE_EQ(kit->GetSymbleWidth(), 7.5);
    EXPECT_EQ(CallsOn(kit).back(), "CWpKit::OnDataChanged");
    ASSERT_TRUE(page.Type(CLstSymbleTexture::kHeightId, "-1"));
    EXPECT_DOUBLE_EQ(kit->GetSymbleHeight(), 2);
    EXPECT_EQ(page.Value(CLstSymbleTexture::kHeightId), "2.00");
    ASSERT_TRUE(page.Pick(CLstSymbleTexture::kFitId, "是"));
    EXPECT_FALSE(page.Enabled(CLstSymbleTexture::kHeightId));

    // Bedding tells its data changed also for discrete data.
    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.Pick(CLstSymble::kSourceTypeId, "离散数据"));
    EXPECT_EQ(kit->m_nDataSource, SYMBLE_TEXTURE_DISCRETE);
    EXPECT_EQ(CallsOn(kit), (Names{"CQXObject::SetModifyFlag", "CWpKit::OnDataChanged"}));
}

TEST(SymbolPageTest, TheActiveIntervalShowsItsDepthsAndTheCatalogueAndRefusedEditsShowTheKitAgain) {
    BeddingPage page;
    CWpSymbleTexture* kit = page.kit();
    page.Show(kit);
    for (DWORD_PTR id : {CLstSymbleTexture::kTopId, CLstSymbleTexture::kBottomId, CLstSymbleTexture::kSegTypeId})
        EXPECT_EQ(page.Value(id), "") << id;
    ASSERT_TRUE(page.Type(CLstSymbleTexture::kTopId, "5"));
    EXPECT_EQ(page.Value(CLstSymbleTexture::kTopId), "");
    EXPECT_EQ(kit->GetSegCount(), 0);

    page.KitWithInterval<CWpSymbleTexture>(1200, 1210);
    ASSERT_TRUE(page.Pick(CLstSymble::kSourceTypeId, "井数据"));
    page.Show(kit);
    EXPECT_EQ(page.Value(CLstSymbleTexture::kTopId), "1200.00");
    EXPECT_EQ(page.Options(page.Item(CLstSymbleTexture::kSegTypeId)),
              (Names{"水平层理", "交错层理", "波状层理", "块状层理"}));
    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.Pick(CLstSymbleTexture::kSegTypeId, "交错层理"));
    EXPECT_EQ(kit->GetSymbleName(0), "交错层理");
    EXPECT_EQ(CallsOn(kit), (Names{"CQXObject::SetModifyFlag", "CWpSymble::SetSymbleName", "CWpKit::OnDataChanged"}));
    ASSERT_TRUE(page.Type(CLstSymbleTexture::kBottomId, "1190"));  // above the top
    EXPECT_DOUBLE_EQ(kit->GetSegBottomDpth(0), 1210);
    EXPECT_EQ(page.Value(CLstSymbleTexture::kBottomId), "1210.00");
    ASSERT_TRUE(page.Type(CLstSymbleTexture::kBottomId, "1215.5"));
    EXPECT_DOUBLE_EQ(kit->GetSegBottomDpth(0), 1215.5);
}

TEST(SymbolPageTest, ATextKitOrAnEditBeforeAnySelectionChangesNothing) {
    CyclePage page;
    CWpSymbleCycle* kit = page.kit();
    CWpText* text = page.plot().First<CWpText>();
    const uint64_t cycleStamp = kit->GetTimeStamp();
    const uint64_t textStamp = text->GetTimeStamp();
    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.Pick(CLstSymble::kSourceTypeId, "长期旋回"));
    page.Show(text);
    EXPECT_EQ(page.Value(CLstSymble::kSourceTypeId), "长期旋回");  // not read from the text kit
    ASSERT_TRUE(page.Pick(CLstSymble::kSourceTypeId, "图形"));
    ASSERT_TRUE(page.Type(CLstSymbleCycle::kMarginId, "0.2"));
    ASSERT_TRUE(page.Type(CLstContent::kTitleNameId, "改"));
    EXPECT_EQ(AllCalls(), Names());
    EXPECT_EQ(kit->GetTimeStamp(), cycleStamp);
    EXPECT_EQ(text->GetTimeStamp(), textStamp);
    EXPECT_EQ(kit->m_nDataSource, 0);
    EXPECT_EQ(kit->GetSymbleMgr(), nullptr);

    // Another kind of symbol kit is no cycle kit either.
    CWpSymbleShoot* shoot = page.plot().First<CWpSymbleShoot>();
    page.Show(shoot);
    ASSERT_TRUE(page.Type(CLstSymbleCycle::kMarginId, "0.2"));
    ASSERT_TRUE(page.Pick(CLstSymble::kSourceTypeId, "图形"));
    EXPECT_EQ(AllCalls(), Names());
    EXPECT_DOUBLE_EQ(shoot->GetEdgeOffL(), 0.1);
    EXPECT_EQ(shoot->m_nDataSource, 0);
}

TEST(SymbolPageTest, EachSymbolKitGetsItsOwnPageThenOther) {
    wptest::HostWindows host;
    zephyr::PlotFixture plot;
    plot.BuildSample();
    auto tabs = [&host](CWpKit* kit) {
        CWnd* wnd = CPropWnd::Create(kit, &host.frame);
        auto* sheet = dynamic_cast<CPropWndMgr*>(wnd);
        const Names names = sheet ? platform::TabCaptions(*sheet) : Names();
        platform::DestroyAndDelete(wnd);
        return names;
    };
    EXPECT_EQ(tabs(plot.First<CWpSymbleShoot>()), (Names{"射孔", "其它"}));
    EXPECT_EQ(tabs(plot.First<CWpSymbleCycle>()), (Names{"旋回", "其它"}));
    EXPECT_EQ(tabs(plot.First<CWpSymbleTexture>()), (Names{"层理", "其它"}));
    EXPECT_EQ(tabs(plot.First<CWpSymble>()), (Names{"其它"}));
}

}  // namespace
