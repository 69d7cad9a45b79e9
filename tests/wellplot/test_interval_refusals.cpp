// Texts the interval pages do not take change the edited item's text and nothing else: no call on
// the kit but getters, no redraw, no other item, no change of the list's selection, the item still
// there. Texts they take run every step, also when the value is the one stored; the base write-back
// of an interval page runs before an active interval's depth is set; and in a font, line or point
// group the edited field alone decides and is read.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <typeinfo>

#include "IntervalFixture.h"
#include "OilTestFixture.h"
#include "PaneState.h"
#include "framework/PropFloat.h"
#include "hostlibs/Zephyr/WellDataFixture.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/DIOilTest.h"
#include "hosttypes/Zephyr/WpCorelith.h"
#include "hosttypes/Zephyr/WpFacies.h"
#include "hosttypes/Zephyr/WpIntegratedCore.h"
#include "hosttypes/Zephyr/WpLthSample.h"
#include "hosttypes/Zephyr/WpOilTest.h"
#include "hosttypes/Zephyr/WpResult.h"
#include "hosttypes/Zephyr/WpSand.h"
#include "hosttypes/Zephyr/WpSandStratum.h"
#include "hosttypes/Zephyr/WpShoot.h"
#include "hosttypes/Zephyr/WpSidewallCore.h"
#include "hosttypes/Zephyr/WpStratum.h"
#include "hosttypes/Zephyr/WpSymble.h"
#include "hosttypes/Zephyr/WpText.h"
#include "hosttypes/Zephyr/WpWaterEntry.h"
#include "wellplot/intervals/LstColth.h"
#include "wellplot/intervals/LstFacies.h"
#include "wellplot/intervals/LstIntegratedCore.h"
#include "wellplot/intervals/LstLthSample.h"
#include "wellplot/intervals/LstOilTestPie.h"
#include "wellplot/intervals/LstProgram.h"
#include "wellplot/intervals/LstResult.h"
#include "wellplot/intervals/LstSand.h"
#include "wellplot/intervals/LstSandStratum.h"
#include "wellplot/intervals/LstShoot.h"
#include "wellplot/intervals/LstSidewallCore.h"
#include "wellplot/intervals/LstStratum.h"
#include "wellplot/intervals/LstSymble.h"
#include "wellplot/intervals/LstText.h"
#include "wellplot/intervals/LstWaterEntry.h"
#include "wellplot/intervals/OilTestPage.h"

using wptest::AllCalls;
using wptest::CallsOn;
using wptest::Names;
using wptest::PaneState;

namespace {

// Runs edit with each text on the item, selected first as the user's click leaves it, and expects
// nothing to follow but the item's own text and the calls given (the kit's setter that refused a
// value).
template <class Page, class Edit>
void ExpectOnlyTheItemShows(Page& page, CBCGPProp* item, std::initializer_list<const char*> texts,
                            const std::string& shownAgain, const Names& calls, Edit edit) {
    ASSERT_NE(item, nullptr);
    ASSERT_TRUE(page.grid().Select(item));
    for (const char* text : texts) {
        const std::string before = PaneState(page.list().GetPropList(), item);
        const int redraws = page.Redraws();
        parsnip::testing::ClearCallLog();
        ASSERT_TRUE(edit(text)) << text;
        EXPECT_EQ(AllCalls(), calls) << text;
        EXPECT_EQ(page.Redraws(), redraws) << text;
        EXPECT_EQ(PaneState(page.list().GetPropList(), item), before) << text;
        EXPECT_EQ(Page::Value(item), shownAgain) << text;
    }
}

// Types each text into item id (or picks it from a fixed list).
template <class Page>
void ExpectNothingFollows(Page& page, DWORD_PTR id, std::initializer_list<const char*> texts,
                          const std::string& shownAgain, const Names& calls = Names()) {
    CBCGPProp* item = page.Item(id);
    ExpectOnlyTheItemShows(page, item, texts, shownAgain, calls, [&](const char* text) {
        return item->IsAllowEdit() ? page.Type(item, text) : page.Pick(item, text);
    });
}

TEST(IntervalRefusalTest, ARockSampleOfWellDataKeepsItsNameAndStamp) {
    wptest::IntervalPage<CLstLthSample> page;
    page.well()->SetDataMgr(zephyr::NewSampleWellData());
    auto* kit = page.plot().First<CWpLthSample>();
    kit->SetDataSource(CORELITH_WELL);
    page.Show(kit);
    const uint64_t stamp = kit->GetTimeStamp();
    ExpectNothingFollows(page, CLstLthSample::kSegPenId + 2, {"-1"}, page.Value(CLstLthSample::kSegPenId + 2));
    EXPECT_EQ(kit->GetTimeStamp(), stamp);
}

TEST(IntervalRefusalTest, CoringPagesComposeNoNameAndWriteNoFields) {
    {
        wptest::IntervalPage<CLstIntegratedCore> page(wptest::ForFirst<CLstIntegratedCore, CWpIntegratedCore>());
        auto* kit = page.plot().First<CWpIntegratedCore>();
        wptest::AddActiveRun(kit);
        page.Show(kit);
        ExpectNothingFollows(page, CLstIntegratedCore::kTextFontId + 2, {"1e39"},
                             page.Value(CLstIntegratedCore::kTextFontId + 2));
        ExpectNothingFollows(page, CLstIntegratedCore::kRunTubeId, {"-35.041"}, "2");
        EXPECT_EQ(kit->GetCoreTubeField(), "");
    }
    {
        wptest::IntervalPage<CLstSidewallCore> page(wptest::ForFirst<CLstSidewallCore, CWpSidewallCore>());
        auto* kit = page.plot().First<CWpSidewallCore>();
        page.Show(kit);
        ASSERT_TRUE(page.Pick(CLstSidewallCore::kTableId, "井壁取芯数据"));
        page.Show(kit);
        ExpectNothingFollows(page, CLstSidewallCore::kLinePenId + 2, {"1e39"},
                             page.Value(CLstSidewallCore::kLinePenId + 2));
        ExpectNothingFollows(page, CLstSidewallCore::kWidthRateId, {"1e400"},
                             page.Value(CLstSidewallCore::kWidthRateId));
        ExpectNothingFollows(page, CLstSidewallCore::kTitleFontId + 2, {"-1e22"},
                             page.Value(CLstSidewallCore::kTitleFontId + 2));
    }
}

// A value the kit refuses after the page read it: the base write-back's modify flag and the
// refusing setter are all that run; the item alone shows the kit's value again, as the refresh
// shows it, and the rest of the refresh (the lithology table's default field names) does not run.
TEST(IntervalRefusalTest, ValuesTheKitRefusesShowOnlyTheItemAgain) {
    auto refused = [](const char* setter) { return Names{"CQXObject::SetModifyFlag", setter}; };
    {
        wptest::IntervalPage<CLstColth> page;
        auto* kit = page.KitWithInterval<CWpCorelith>();
        kit->SetDataSource(CORELITH_WELL);
        kit->SetTableName("岩性数据");
        page.Show(kit);  // offers the code labels of interval 0
        kit->SetActiveSeg(-1);
        kit->SetColorPer(0.3);
        page.Show(kit);                     // no interval takes a name now; the labels stay offered
        kit->SetCorelithField("岩性全称");  // changed elsewhere, not announced yet
        const std::string colour = page.Options(page.Item(CLstColth::kColorNameId)).at(1);
        const std::string type = page.Options(page.Item(CLstColth::kColthTypeId)).at(1);
        // A name or code with no interval to take it is refused before the kit is asked: nothing runs.
        ExpectNothingFollows(page, CLstColth::kColthNameId, {"砂岩"}, "");
        ExpectNothingFollows(page, CLstColth::kColorNameId, {colour.c_str()}, "");
        ExpectNothingFollows(page, CLstColth::kColthTypeId, {type.c_str()}, "");
        ExpectNothingFollows(page, CLstColth::kColorWidthId, {"2", "-0.5"}, "0.30",
                             refused("CWpCorelith::SetColorPer"));
        EXPECT_EQ(kit->GetCorelithField(), "岩性全称");
        EXPECT_DOUBLE_EQ(kit->GetColorPer(), 0.3);
    }
    {
        wptest::IntervalPage<CLstShoot> page;
        auto* kit = page.plot().First<CWpShoot>();
        page.Show(kit);  // no active interval
        ExpectNothingFollows(page, CLstShoot::kSegTypeId, {"补孔"}, "", refused("CWpShoot::SetSegType"));
    }
    {
        wptest::IntervalPage<CLstSymbleTexture> page;
        auto* kit = page.plot().First<CWpSymbleTexture>();
        kit->SetFitRect(false);
        page.Show(kit);
        ExpectNothingFollows(page, CLstSymbleTexture::kWidthId, {"0", "-3"}, page.Value(CLstSymbleTexture::kWidthId),
                             refused("CWpSymbleTexture::SetSymbleWidth"));
        ExpectNothingFollows(page, CLstSymbleTexture::kHeightId, {"-1"}, "2.00",
                             refused("CWpSymbleTexture::SetSymbleHeight"));
    }
    {
        wptest::IntervalPage<CLstSand> page;
        auto* kit = page.plot().First<CWpSand>();
        kit->ShowThkText(true);
        ASSERT_TRUE(kit->SetThkTextPos(0.25));
        page.Show(kit);
        ExpectNothingFollows(page, CLstSand::kThkPosId, {"1.5"}, "0.25", refused("CWpSand::SetThkTextPos"));
        EXPECT_DOUBLE_EQ(kit->GetThkTextPos(), 0.25);
    }
}

// A value no item judged (reported from code) that the item's own rule refuses writes nothing at
// all, not even the modify flag: the cycle margin shows the kit's margin again.
TEST(IntervalRefusalTest, AMarginReportedFromCodeThatTheRuleRefusesWritesNothing) {
    wptest::IntervalPage<CLstSymbleCycle> page;
    auto* kit = page.plot().First<CWpSymbleCycle>();
    page.Show(kit);
    CBCGPProp* margin = page.Item(CLstSymbleCycle::kMarginId);
    ExpectOnlyTheItemShows(page, margin, {"0.5", "-0.1"}, "0.10", Names(), [&](const char* reported) {
        page.Report(margin, reported);
        return true;
    });
    EXPECT_DOUBLE_EQ(kit->GetEdgeOffL(), 0.1);
}

// A font, line or point group of an interval page: its id (size or width at + 2, colour at + 3) and
// the kit's record.
struct StyleGroup {
    const char* what;
    DWORD_PTR id;
    std::function<float()> size;
    std::function<void(float)> setSize;
    std::function<COLORREF()> colour;
};

StyleGroup TitleFontOf(CWpKit* kit, DWORD_PTR id) {
    return {"title font", id, [kit] { return wellplot::TitleFontOf(kit).size; },
            [kit](float size) { wptest::SetTitleSize(kit, size); }, [kit] { return wellplot::TitleFontOf(kit).color; }};
}
float& SizeOf(QXLOGFONT& font) { return font.size; }
float& SizeOf(QXLOGPEN& pen) { return pen.width; }
float& SizeOf(QXLOGPOINT& point) { return point.size; }
COLORREF ColourOf(const QXLOGFONT& font) { return font.color; }
COLORREF ColourOf(const QXLOGPEN& pen) { return pen.color; }
COLORREF ColourOf(const QXLOGPOINT& point) { return point.borderColor; }
// A group over a record the kit hands out by reference.
template <class Record>
StyleGroup GroupOf(const char* what, DWORD_PTR id, Record& record) {
    return {what, id, [&record] { return SizeOf(record); }, [&record](float size) { SizeOf(record) = size; },
            [&record] { return ColourOf(record); }};
}

// Runs check on a page of class Page made from make, whose only group is the title font titleId of
// the first kit of class Kit.
template <class Page, class Kit, class Check, class... Make>
void CheckTitleFontOnly(DWORD_PTR titleId, Check& check, Make... make) {
    Page page(make...);
    auto* kit = page.plot().template First<Kit>();
    check(page, kit, {TitleFontOf(kit, titleId)});
}

// Runs check(page, kit, groups) on the font, line and point groups of every page of this family
// that has such groups: the title font of each, the lithology name font, divide pen and point, the
// stratum name font, divide pen, divide and break point, the sand thickness font, the result divide
// point and the facies name font.
template <class Check>
void ForEachStyleGroupPage(Check check) {
    {
        wptest::IntervalPage<CLstColth> page;
        auto* kit = page.plot().First<CWpCorelith>();
        check(page, kit,
              {TitleFontOf(kit, CLstContent::kTitleFontId),
               GroupOf("name font", CLstColth::kNameFontId, kit->GetNameFont()),
               GroupOf("divide pen", CLstColth::kDivideLinePenId, kit->GetDivideLogPen()),
               GroupOf("divide point", CLstColth::kDividePointStyleId, kit->GetDivideLogPoint())});
    }
    {
        wptest::IntervalPage<CLstStratum> page;
        auto* kit = page.plot().First<CWpStratum>();
        check(page, kit,
              {TitleFontOf(kit, CLstContent::kTitleFontId),
               GroupOf("name font", CLstStratum::kNameFontId, kit->GetSNFont()),
               GroupOf("divide pen", CLstStratum::kLinePenId, kit->GetDivideLogPen()),
               GroupOf("divide point", CLstStratum::kPointStyleId, kit->GetDivideLogPoint()),
               GroupOf("break point", CLstStratum::kBreakStyleId, kit->GetFaultLogPoint())});
    }
    {
        wptest::IntervalPage<CLstSand> page;
        auto* kit = page.plot().First<CWpSand>();
        kit->ShowThkText(true);
        check(page, kit,
              {TitleFontOf(kit, CLstContent::kTitleFontId),
               GroupOf("thickness font", CLstSand::kThkFontId, kit->GetThkTextFont())});
    }
    CheckTitleFontOnly<wptest::IntervalPage<CLstLthSample>, CWpLthSample>(CLstContent::kTitleFontId, check);
    CheckTitleFontOnly<wptest::IntervalPage<CLstSymbleCycle>, CWpSymbleCycle>(CLstContent::kTitleFontId, check);
    {
        wptest::OpenPage<CLstResult> page(wptest::ForFirst<CLstResult, CWpResult>());
        auto* kit = page.plot().First<CWpResult>();
        kit->SetDividePointVisible(true);
        check(page, kit,
              {TitleFontOf(kit, CLstResult::kTitleFontId),
               GroupOf("divide point", CLstResult::kPointStyleId, kit->GetDivideLogPoint())});
    }
    {
        wptest::OpenPage<CLstFacies> page(wptest::ForFirst<CLstFacies, CWpFacies>());
        auto* kit = page.plot().First<CWpFacies>();
        kit->ShowFaciesName(true);
        check(page, kit,
              {TitleFontOf(kit, CLstFacies::kTitleFontId),
               StyleGroup{"name font", CLstFacies::kNameFontId, [kit] { return kit->GetFaciesNameFont().size; },
                          [kit](float size) {
                              QXLOGFONT font = kit->GetFaciesNameFont();
                              font.size = size;
                              kit->SetFaciesNameFont(font);
                          },
                          [kit] { return kit->GetFaciesNameFont().color; }}});
    }
    CheckTitleFontOnly<wptest::OpenPage<CLstProgram>, CWpProgram>(CLstProgram::kFontGroupId, check,
                                                                  wptest::ForFirst<CLstProgram, CWpProgram>());
    CheckTitleFontOnly<wptest::OpenPage<CLstText>, CWpText>(CLstText::kTitleFontId, check,
                                                            wptest::ForFirst<CLstText, CWpText>());
    CheckTitleFontOnly<wptest::OpenPage<CLstSandStratum>, CWpSandStratum>(CLstSandStratum::kTitleFontId, check);
}

// "-1" reported from code as a size or width (a float item's -1): the group's reader refuses it, so
// nothing is written or redrawn, not even the modify flag the interval pages' base write-back sets,
// and the item shows the stored value as the refresh does.
TEST(IntervalRefusalTest, AGroupSizeReportedFromCodeThatItsReaderRefusesShowsTheStoredSize) {
    ForEachStyleGroupPage([](auto& page, CWpKit* kit, std::initializer_list<StyleGroup> groups) {
        for (const StyleGroup& group : groups) {
            group.setSize(250);
            zephyr::testing::Touch(kit);
            page.Show(kit);
            CBCGPProp* size = page.Item(group.id + 2);
            const _variant_t reported = dynamic_cast<CBCGPropFloat*>(size) ? _variant_t(-1.0) : _variant_t("-1");
            wptest::ExpectShownAgain(page, size, reported, "2.50", group.what);
            EXPECT_EQ(group.size(), 250) << group.what;
        }
    });
}

// A colour picked in a group decides alone: a stored size that does not read (-100, shown "-1.00")
// no longer drops it, and a stored size of 1234.5 hundredths, shown rounded as "12.35", is kept
// exactly; neither is written back from its text.
TEST(IntervalAcceptedTest, APickedColourIsStoredAndTheStoredSizeKept) {
    ForEachStyleGroupPage([](auto& page, CWpKit* kit, std::initializer_list<StyleGroup> groups) {
        for (const StyleGroup& group : groups)
            for (const float stored : {-100.0f, 1234.5f}) {
                group.setSize(stored);
                zephyr::testing::Touch(kit);
                page.Show(kit);
                const COLORREF picked = stored < 0 ? RGB(255, 0, 0) : RGB(0, 0, 255);
                ASSERT_TRUE(page.Color(page.Item(group.id + 3), picked)) << group.what << ' ' << stored;
                EXPECT_EQ(group.colour(), picked) << group.what << ' ' << stored;
                EXPECT_EQ(group.size(), stored) << group.what << ' ' << stored;
            }
    });
}

// A size item entered and left as it shows is no edit: 1234.5 hundredths shown "12.35" stays, and
// nothing runs. Another text of the number shown ("12.350") is the number typed: 1235.
TEST(IntervalAcceptedTest, ASizeEnteredAndLeftStaysAndTheNumberTypedIsStored) {
    ForEachStyleGroupPage([](auto& page, CWpKit* kit, std::initializer_list<StyleGroup> groups) {
        for (const StyleGroup& group : groups) {
            group.setSize(1234.5f);
            zephyr::testing::Touch(kit);
            page.Show(kit);
            CBCGPProp* size = page.Item(group.id + 2);
            const std::string shown = page.Value(size);
            ASSERT_EQ(shown, "12.35") << group.what;
            const int redraws = page.Redraws();
            ASSERT_TRUE(page.Type(size, shown)) << group.what;
            EXPECT_EQ(AllCalls(), Names()) << group.what;
            EXPECT_EQ(page.Redraws(), redraws) << group.what;
            EXPECT_EQ(group.size(), 1234.5f) << group.what;
            ASSERT_TRUE(page.Type(size, shown + "0")) << group.what;
            EXPECT_EQ(group.size(), 1235.0f) << group.what;
        }
    });
}

TEST(IntervalRefusalTest, ARefusedPieRadiusRedrawsNothing) {
    wptest::PiePage page;
    auto* kit = page.kit();
    kit->m_dPieRadius = 300;
    page.Show(kit);
    // Reported from code, as a host would set it: the radius item's rule refuses it on the page.
    CBCGPProp* radius = page.Item(CLstOilTestPie::kRadiusId);
    ExpectOnlyTheItemShows(page, radius, {"-1", "1e400", "-0.5"}, "3.00", Names(), [&](const char* text) {
        page.Report(radius, _variant_t(text));
        return true;
    });
    EXPECT_DOUBLE_EQ(kit->m_dPieRadius, 300);
    // The refusal decides nothing about the next text.
    ASSERT_TRUE(page.Type(radius, "7.5"));
    EXPECT_DOUBLE_EQ(kit->m_dPieRadius, 750);
}

class OilTestRefusal : public wptest::OilTestSheet {};

// The page's own refresh rebuilds its display items: a refusal must not run it.
TEST_F(OilTestRefusal, TheEditedDisplayItemStaysWithTheSelection) {
    kit->m_nDisplayStyle = 0;
    Open();
    Show(kit);
    CBCGPProp* item = Item(COilTestPage::kTextTrackWidthId);
    ASSERT_TRUE(list().Select(item));
    const std::string shown = Value(COilTestPage::kTextTrackWidthId);
    for (const char* refused : {"1", "abc"}) {
        const std::string before = PaneState(page->GetPropList(), item);
        ASSERT_TRUE(Type(COilTestPage::kTextTrackWidthId, refused));
        EXPECT_EQ(PaneState(page->GetPropList(), item), before) << refused;
        EXPECT_EQ(page->GetPropList().GetCurSel(), item) << refused;
        EXPECT_EQ(Value(COilTestPage::kTextTrackWidthId), shown) << refused;
        EXPECT_EQ(CallsOn(kit), Names()) << refused;
    }
}

// The title size taken again, also when it is the size stored, writes the font again.
TEST(IntervalAcceptedTest, AProfileTitleSizeTypedTwiceIsWrittenTwice) {
    wptest::OpenPage<CLstWaterEntry> page(wptest::ForFirst<CLstWaterEntry, CWpWaterEntry>());
    auto* kit = page.plot().First<CWpWaterEntry>();
    page.Show(kit);
    const Names written{"CWpKit::SetTitleFont", "CWpKit::InvalidSelf", "CWpKit::UpdateParent"};
    for (int i = 0; i < 2; ++i) {
        parsnip::testing::ClearCallLog();
        ASSERT_TRUE(page.Type(CLstWaterEntry::kTitleSizeId, "4"));
        EXPECT_EQ(CallsOn(kit), written) << i;
        EXPECT_FLOAT_EQ(wellplot::TitleFontOf(kit).size, 400) << i;
    }
}

// The base write-back (the modify flag) comes first, then the depth; a depth the kit refuses still
// follows it, and a text that is no depth reaches neither.
template <class List, class Kit>
void ExpectTheBaseWriteBackBeforeTheDepth() {
    SCOPED_TRACE(typeid(List).name());
    wptest::IntervalPage<List> page;
    Kit* kit = page.template KitWithInterval<Kit>();
    page.Show(kit);
    CBCGPProp* top = page.Path("当前段/顶深");
    ASSERT_TRUE(page.Type(top, "12"));
    const Names calls = CallsOn(kit);
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(Names(calls.begin(), calls.begin() + 2),
              (Names{"CQXObject::SetModifyFlag", "CWpSegment::SetSegTopDpth"}));
    EXPECT_DOUBLE_EQ(kit->GetSegTopDpth(0), 12);

    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.Type(top, "25"));  // below the bottom
    EXPECT_EQ(CallsOn(kit), (Names{"CQXObject::SetModifyFlag", "CWpSegment::SetSegTopDpth"}));
    EXPECT_EQ(page.Value(top), "12.00");

    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.Type(top, "1e400"));
    EXPECT_EQ(CallsOn(kit), Names());
    EXPECT_EQ(page.Value(top), "12.00");
}

TEST(IntervalAcceptedTest, TheBaseWriteBackRunsBeforeTheDepth) {
    ExpectTheBaseWriteBackBeforeTheDepth<CLstColth, CWpCorelith>();
    ExpectTheBaseWriteBackBeforeTheDepth<CLstSand, CWpSand>();
    ExpectTheBaseWriteBackBeforeTheDepth<CLstSymbleShoot, CWpSymbleShoot>();
}

// A text reported from code that a list refuses (its page gives it no value) changes nothing but the
// item's text, which shows its text from before.
template <class Page>
void ExpectListRefuses(Page& page, DWORD_PTR id) {
    CBCGPProp* item = page.Item(id);
    ASSERT_NE(item, nullptr) << id;
    ExpectOnlyTheItemShows(page, item, {"无此选项", ""}, Page::Value(item), Names(), [&](const char* text) {
        page.Report(item, _variant_t(text));
        return true;
    });
}

// The same for lists of a page showing the plot's first kit of its kind.
template <class Page, class Kit>
void ExpectListsRefuse(std::initializer_list<DWORD_PTR> ids) {
    wptest::IntervalPage<Page> page;
    page.Show(page.plot().template First<Kit>());
    for (DWORD_PTR id : ids) ExpectListRefuses(page, id);
}

TEST(IntervalRefusalTest, ATextNoOptionNamesIsRefusedWhereThePageGivesItNoValue) {
    {
        wptest::IntervalPage<CLstSand> page;
        auto* kit = page.plot().First<CWpSand>();
        page.Show(kit);
        ExpectListRefuses(page, CLstSand::kSymbolTypeId);
        kit->SetSymbleType(1);
        zephyr::testing::Touch(kit);
        page.Show(kit);
        ExpectListRefuses(page, CLstSand::kVLinePosId);
    }
    ExpectListsRefuse<CLstColth, CWpCorelith>({CLstColth::kSourceTypeId});
    ExpectListsRefuse<CLstLthSample, CWpLthSample>({CLstLthSample::kSourceTypeId, CLstLthSample::kMarkAlignId});
    ExpectListsRefuse<CLstShoot, CWpShoot>({CLstShoot::kSourceTypeId});
    ExpectListsRefuse<CLstSymbleTexture, CWpSymbleTexture>(
        {CLstSymbleTexture::kSourceTypeId, CLstSymbleTexture::kFitId});
}

// A text reported from code that a list maps is stored as its page's rule gives it, and the list
// shows what the refresh shows for the value taken.
TEST(IntervalAcceptedTest, ATextNoOptionNamesTakesTheValueItsRuleGives) {
    {
        wptest::IntervalPage<CLstIntegratedCore> page(wptest::ForFirst<CLstIntegratedCore, CWpIntegratedCore>());
        auto* kit = page.plot().First<CWpIntegratedCore>();
        kit->SetDataSource(DATA_WELL);
        zephyr::testing::Touch(kit);
        page.Show(kit);
        page.Report(page.Item(CLstIntegratedCore::kSourceTypeId), _variant_t("无此选项"));
        EXPECT_EQ(kit->GetDataSource(), DATA_DISCRETE);
        EXPECT_EQ(page.Value(CLstIntegratedCore::kSourceTypeId), "离散数据");
        // Any other alignment is centred and shows as the refresh shows centring; "居中" picked shows
        // itself, and the refresh's own texts read as the values they show.
        const struct {
            const char* text;
            CWpIntegratedCore::HorizontalAlign align;
            const char* shown;
        } aligns[] = {{"", CWpIntegratedCore::ALIGN_CENTER, "居中对齐"},
                      {"左对齐", CWpIntegratedCore::ALIGN_LEFT, "左对齐"},
                      {"无此选项", CWpIntegratedCore::ALIGN_CENTER, "居中对齐"},
                      {"右对齐", CWpIntegratedCore::ALIGN_RIGHT, "右对齐"},
                      {"居中对齐", CWpIntegratedCore::ALIGN_CENTER, "居中对齐"},
                      {"左对齐", CWpIntegratedCore::ALIGN_LEFT, "左对齐"},
                      {"居中", CWpIntegratedCore::ALIGN_CENTER, "居中"}};
        for (const auto& align : aligns) {
            page.Report(page.Item(CLstIntegratedCore::kAlignId), _variant_t(align.text));
            EXPECT_EQ(kit->GetHorizontalAlign(), align.align) << align.text;
            EXPECT_EQ(page.Value(CLstIntegratedCore::kAlignId), align.shown) << align.text;
        }
        EXPECT_EQ(page.Options(page.Item(CLstIntegratedCore::kAlignId)), (Names{"左对齐", "居中", "右对齐"}));
        page.Report(page.Item(CLstIntegratedCore::kBackOpenId), _variant_t("无此选项"));
        EXPECT_FALSE(kit->GetBackColorOpen());
        EXPECT_EQ(page.Value(CLstIntegratedCore::kBackOpenId), "否");
    }
    {
        wptest::IntervalPage<CLstSidewallCore> page(wptest::ForFirst<CLstSidewallCore, CWpSidewallCore>());
        auto* kit = page.plot().First<CWpSidewallCore>();
        kit->m_nLeft = 1;
        kit->m_nLithUp = 1;
        page.Show(kit);
        page.Report(page.Item(CLstSidewallCore::kSymbolSideId), _variant_t("无此选项"));
        EXPECT_EQ(kit->m_nLeft, -1);
        EXPECT_EQ(page.Value(CLstSidewallCore::kSymbolSideId), "右边");
        page.Report(page.Item(CLstSidewallCore::kLithUpId), _variant_t(""));
        EXPECT_EQ(kit->m_nLithUp, -1);
        EXPECT_EQ(page.Value(CLstSidewallCore::kLithUpId), "否");
    }
    {
        wptest::IntervalPage<CLstShoot> page;
        auto* kit = page.KitWithInterval<CWpShoot>();
        page.Show(kit);
        ASSERT_TRUE(page.Pick(CLstShoot::kSegTypeId, "补孔"));
        page.Report(page.Item(CLstShoot::kSegTypeId), _variant_t("无此选项"));
        EXPECT_EQ(kit->GetSegType(0), SHOOT_TYPE_OTHER);
        EXPECT_EQ(page.Value(CLstShoot::kSegTypeId), "");
    }
}

}  // namespace
