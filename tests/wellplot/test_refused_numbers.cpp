// Numbers a well-plot page refuses: a refused text writes no kit, not the edited one nor any kit a
// scope reaches; widths and sizes take no negatives, depths and heights keep their sign; depths,
// sizes and counts take nothing their field cannot hold, and a page never shows "inf".
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "IntervalFixture.h"
#include "OpenedItem.h"
#include "PaneState.h"
#include "driver/Responder.h"
#include "hostlibs/Rivet/RivetTesting.h"
#include "hostlibs/Zephyr/WellDataFixture.h"
#include "hosttypes/Zephyr/PicSegment.h"
#include "hosttypes/Zephyr/WpCorelith.h"
#include "hosttypes/Zephyr/WpIntegratedCore.h"
#include "hosttypes/Zephyr/WpLthSample.h"
#include "hosttypes/Zephyr/WpOilTest.h"
#include "hosttypes/Zephyr/WpParam.h"
#include "hosttypes/Zephyr/WpPicture.h"
#include "hosttypes/Zephyr/WpSand.h"
#include "hosttypes/Zephyr/WpShoot.h"
#include "hosttypes/Zephyr/WpSidewallCore.h"
#include "hosttypes/Zephyr/WpStratum.h"
#include "hosttypes/Zephyr/WpSymble.h"
#include "hosttypes/Zephyr/WpText.h"
#include "wellplot/KitPage.h"
#include "wellplot/LstCurve.h"
#include "wellplot/LstDepth.h"
#include "wellplot/LstHead.h"
#include "wellplot/LstOther.h"
#include "wellplot/LstTrack.h"
#include "wellplot/LstWell.h"
#include "wellplot/intervals/LstColth.h"
#include "wellplot/intervals/LstIntegratedCore.h"
#include "wellplot/intervals/LstLthSample.h"
#include "wellplot/intervals/LstOilTestPie.h"
#include "wellplot/intervals/LstParam.h"
#include "wellplot/intervals/LstPicture.h"
#include "wellplot/intervals/LstSand.h"
#include "wellplot/intervals/LstShoot.h"
#include "wellplot/intervals/LstSidewallCore.h"
#include "wellplot/intervals/LstStratum.h"
#include "wellplot/intervals/LstSymble.h"
#include "wellplot/intervals/LstText.h"
#include "wellplot/intervals/LstWaterEntry.h"

using wptest::AllCalls;
using wptest::CallsOn;
using wptest::Names;
using wptest::Opened;
using wptest::OpenOn;
using wptest::SetTitleSize;

namespace {

TEST(RefusedNumberTest, ARefusedTrackTitleSizeReachesNoKitOfTheScope) {
    wptest::OpenPage<CLstTrack> page(wptest::ForFirst<CLstTrack, CWpTrack>());
    CWpWaterEntry* water = page.plot().First<CWpWaterEntry>();
    SetTitleSize(water, 400);
    SetTitleSize(page.track(), 25600);
    page.track()->SetTtlFtScope(2);  // every track and every kit in them
    page.Show(page.track());
    EXPECT_EQ(page.Value(CLstTrack::kFontScopeId), "当前图内所有道");

    ASSERT_TRUE(page.Type(CLstTrack::kFontSizeId, "-3e87"));
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(water).size, 400);
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(page.track()).size, 25600);
    EXPECT_EQ(AllCalls(), Names());
    EXPECT_EQ(page.Value(CLstTrack::kFontSizeId), "256.00");

    ASSERT_TRUE(page.Type(CLstTrack::kFontSizeId, "5"));  // an accepted size still reaches the scope
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(water).size, 500);
}

TEST(RefusedNumberTest, TheCommonPageRefusesANegativeWidthForEveryKitClass) {
    wptest::OpenPage<CLstOther> page;
    for (CWpKit* kit : page.plot().AllKits()) {
        const std::string kind = kit->GetRuntimeClass()->m_lpszClassName;
        kit->SetWidth(2500);
        page.Show(kit);
        for (const char* refused : {"-1", "-0.5", "1e39", "-1e400"}) {
            EXPECT_TRUE(page.Type(CLstOther::kWidthId, refused)) << kind;
            EXPECT_FLOAT_EQ(kit->GetWidth(), 2500) << kind << " " << refused;
            EXPECT_EQ(page.Value(CLstOther::kWidthId), "2.50") << kind;
        }
        const Names calls = CallsOn(kit);
        EXPECT_EQ(std::count(calls.begin(), calls.end(), "CWpKit::SetWidth"), 0) << kind;
        ASSERT_TRUE(page.Type(CLstOther::kWidthId, "3"));
        EXPECT_FLOAT_EQ(kit->GetWidth(), 3000) << kind;
    }
}

TEST(RefusedNumberTest, ACoringRunTakesNoDepthASingleFloatCannotHold) {
    wptest::IntervalPage<CLstIntegratedCore> page(wptest::ForFirst<CLstIntegratedCore, CWpIntegratedCore>());
    CWpIntegratedCore* core = page.plot().First<CWpIntegratedCore>();
    wptest::AddActiveRun(core);
    page.Show(core);

    ASSERT_TRUE(page.Type(CLstIntegratedCore::kRunTopId, "9e296"));
    ASSERT_TRUE(page.Type(CLstIntegratedCore::kRunBottomId, "9e296"));
    ASSERT_TRUE(page.Type(CLstIntegratedCore::kRunTubeId, "3e9"));  // no run number holds it
    EXPECT_DOUBLE_EQ(core->GetSeg(0)->top, 1200);
    EXPECT_DOUBLE_EQ(core->GetSeg(0)->bottom, 1209);
    EXPECT_EQ(core->GetSeg(0)->data.Get()->runNumber, 2);
    EXPECT_EQ(page.Value(CLstIntegratedCore::kRunTopId), "1200.00");
    EXPECT_EQ(page.Value(CLstIntegratedCore::kRunBottomId), "1209.00");
    EXPECT_EQ(page.Value(CLstIntegratedCore::kRunTubeId), "2");

    ASSERT_TRUE(page.Type(CLstIntegratedCore::kRunTopId, "1201.5"));
    EXPECT_DOUBLE_EQ(core->GetSeg(0)->top, 1201.5);

    // A core length is a double, but its recovery over a footage below 1 would not be.
    core->GetSeg(0)->data.Get()->footage = 0.5;
    ASSERT_TRUE(page.Type(CLstIntegratedCore::kRunLengthId, "1.7976931348623157e308"));
    EXPECT_DOUBLE_EQ(core->GetSeg(0)->data.Get()->coreLength, 7);
    EXPECT_DOUBLE_EQ(core->GetSeg(0)->data.Get()->recovery, 0.875);
    EXPECT_EQ(page.Value(CLstIntegratedCore::kRunLengthId), "7.00");  // the kit kept it: shown again

    // A run value the kit leaves (a recovery over a footage of 1e-310 that no double holds) is
    // refused as the other interval pages refuse one: the item alone shows the stored length, and
    // no redraw, modified flag or parent update follows the kit's own check.
    core->GetSeg(0)->data.Get()->footage = 1e-310;
    core->GetSeg(0)->data.Get()->coreLength = 6;
    SetKitTimeStamp(core);
    page.Show(core);
    CBCGPProp* length = page.Item(CLstIntegratedCore::kRunLengthId);
    const std::string pane = wptest::PaneState(page.list().GetPropList(), length);
    const int redraws = page.Redraws();
    ASSERT_TRUE(page.Type(length, "7"));
    EXPECT_DOUBLE_EQ(core->GetSeg(0)->data.Get()->coreLength, 6);
    EXPECT_EQ(page.Value(length), "6.00");
    EXPECT_EQ(CallsOn(core), Names{"CWpIntegratedCore::SetSelectCoreLen"});
    EXPECT_EQ(page.Redraws(), redraws);
    EXPECT_EQ(wptest::PaneState(page.list().GetPropList(), length), pane);

    // A position the host left beyond single precision shows as no value, never as "inf".
    core->GetSeg(0)->bottom = 9e296;
    SetKitTimeStamp(core);
    page.Show(core);
    EXPECT_EQ(page.Value(CLstIntegratedCore::kRunTopId), "1201.50");
    EXPECT_EQ(page.Value(CLstIntegratedCore::kRunBottomId), "0.00");
    EXPECT_EQ(page.Value(CLstIntegratedCore::kRunLengthId), "6.00");
}

TEST(RefusedNumberTest, TheParameterTitleSizeIsAWholeNumberOfPoints) {
    wptest::IntervalPage<CLstParam> page(wptest::ForFirst<CLstParam, CWpParam>());
    CWpParam* kit = page.plot().First<CWpParam>();
    SetTitleSize(kit, 1050);
    page.Show(kit);
    EXPECT_EQ(page.Value(CLstParam::kFontSizeId), "10");

    for (const char* refused : {"-5", "12.5", "abc", "", "4294967296"})
        EXPECT_FALSE(page.Type(CLstParam::kFontSizeId, refused)) << refused;  // the editor stays open
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(kit).size, 1050);
    EXPECT_EQ(page.Value(CLstParam::kFontSizeId), "10");
    EXPECT_EQ(AllCalls(), Names());

    ASSERT_TRUE(page.Type(CLstParam::kFontSizeId, "12"));
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(kit).size, 1200);
    ASSERT_TRUE(page.Pick(CLstParam::kFontSizeId, "19"));
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(kit).size, 1900);

    // A size the host stored negative is left out of the item; a report from code that is no
    // size shows the item's text from before again.
    SetTitleSize(kit, -500);
    SetKitTimeStamp(kit);
    page.Show(kit);
    EXPECT_EQ(page.Value(CLstParam::kFontSizeId), "19");
    wptest::ExpectShownAgain(page, page.Item(CLstParam::kFontSizeId), _variant_t(""), "19", "negative stored");

    // Whole points beyond an int's range are shown as stored, by the refresh and after a report
    // from code that is no size (a pick list given nothing, or a text none of its options holds).
    SetTitleSize(kit, 214748364800.0f);
    page.Show(kit);
    EXPECT_EQ(page.Value(CLstParam::kFontSizeId), "2147483648");
    for (const char* refused : {"", "无此选项"})
        wptest::ExpectShownAgain(page, page.Item(CLstParam::kFontSizeId), _variant_t(refused), "2147483648", refused);
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(kit).size, 214748364800.0f);
}

TEST(RefusedNumberTest, ThePictureTitleSizeTakesNoNegative) {
    wptest::IntervalPage<CLstPicture> page(wptest::ForFirst<CLstPicture, CWpPicture>());
    CWpPicture* kit = page.plot().First<CWpPicture>();
    SetTitleSize(kit, 1250);
    page.Show(kit);
    ASSERT_TRUE(page.Type(CLstPicture::kFontSizeId, "-5"));
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(kit).size, 1250);
    EXPECT_EQ(page.Value(CLstPicture::kFontSizeId), "12");
}

// A colour or face picked in a title font group reads only that field: a size of 1234.5 hundredths
// (shown rounded) stays exactly as stored, and a stored size that does not read (-100) neither
// blocks the colour nor is rewritten.
template <class List>
void ExpectTitlePicksKeepTheSize(wptest::OpenPage<List>& page, CWpKit* kit, DWORD_PTR faceId, DWORD_PTR colorId) {
    SCOPED_TRACE(kit->GetRuntimeClass()->m_lpszClassName);
    for (const float size : {1234.5f, -100.0f}) {
        SetTitleSize(kit, size);
        SetKitTimeStamp(kit);
        page.Show(kit);
        const COLORREF color = size > 0 ? RGB(255, 0, 0) : RGB(0, 0, 255);
        ASSERT_TRUE(page.Color(page.Item(colorId), color)) << size;
        EXPECT_EQ(wellplot::TitleFontOf(kit).color, color) << size;
        EXPECT_FLOAT_EQ(wellplot::TitleFontOf(kit).size, size) << size;
        ASSERT_TRUE(page.grid().PickDropDownEntry(page.Item(faceId), 1)) << size;
        EXPECT_EQ(wellplot::TitleFontOf(kit).GetFaceName(), wptest::OpenPage<List>::Value(page.Item(faceId))) << size;
        EXPECT_FLOAT_EQ(wellplot::TitleFontOf(kit).size, size) << size;
    }
}

// The same on a page made for the first kit of class Kit.
template <class List, class Kit>
void ExpectTitlePicksOnFirst(DWORD_PTR faceId, DWORD_PTR colorId) {
    wptest::PageOnFirst<List, Kit> page;
    ExpectTitlePicksKeepTheSize(page, page.kit(), faceId, colorId);
}

TEST(RefusedNumberTest, APickInATitleFontGroupKeepsTheStoredSizeUnrounded) {
    wptest::OpenPage<CLstDepth> depth;
    ExpectTitlePicksKeepTheSize(depth, depth.depth(), CLstDepth::kFontFaceId, CLstDepth::kFontColorId);
    wptest::OpenPage<CLstHead> head([](zephyr::PlotFixture& plot) { return new CLstHead(plot.Well()); });
    ExpectTitlePicksKeepTheSize(head, head.well(), CLstHead::kFontFaceId, CLstHead::kFontColorId);
    ExpectTitlePicksOnFirst<CLstTrack, CWpTrack>(CLstTrack::kFontFaceId, CLstTrack::kFontColorId);
    ExpectTitlePicksOnFirst<CLstCurve, CWpCurve>(CLstCurve::kTitleFontId + 1, CLstCurve::kTitleFontId + 3);
    ExpectTitlePicksOnFirst<CLstWaterEntry, CWpWaterEntry>(CLstWaterEntry::kTitleFaceId, CLstWaterEntry::kTitleColorId);
    ExpectTitlePicksOnFirst<CLstIntegratedCore, CWpIntegratedCore>(CLstIntegratedCore::kTitleFontId + 1,
                                                                   CLstIntegratedCore::kTitleFontId + 3);
    ExpectTitlePicksOnFirst<CLstSidewallCore, CWpSidewallCore>(CLstSidewallCore::kTitleFontId + 1,
                                                               CLstSidewallCore::kTitleFontId + 3);
    ExpectTitlePicksOnFirst<CLstPicture, CWpPicture>(CLstPicture::kFontFaceId, CLstPicture::kFontColorId);
    ExpectTitlePicksOnFirst<CLstParam, CWpParam>(CLstParam::kFontFaceId, CLstParam::kFontColorId);
}

// A refused digit count after a right value and a pick of the scale scope: the curves of the scope
// keep their scale, since a refused text writes nothing, scope or not.
TEST(RefusedNumberTest, ARefusedDigitCountCopiesNoScaleToTheCurvesOfTheScope) {
    wptest::OpenPage<CLstCurve> page(wptest::ForFirst<CLstCurve, CWpCurve>());
    rivet::testing::Reset();
    page.well()->SetDataMgr(zephyr::NewSampleWellData());
    CWpCurve* gr = page.plot().First<CWpCurve>();
    auto* sp = static_cast<CWpCurve*>(page.track(0)->GetChild(1));
    gr->SetLeft(0, 0);
    gr->SetRight(100, 0);
    sp->SetLeft(0.007f, 0);
    sp->SetRight(100, 0);
    const int digits = gr->GetScaleDecimalDigit();
    page.Show(gr);

    ASSERT_TRUE(page.Type(CLstCurve::kRightId, "-69.5750"));
    EXPECT_FLOAT_EQ(gr->GetRight(), -69.575f);
    ASSERT_TRUE(page.Pick(CLstCurve::kScaleScopeId, "同道内所有曲线"));
    ASSERT_TRUE(page.Type(CLstCurve::kDigitsId, " "));
    EXPECT_FLOAT_EQ(sp->GetLeft(), 0.007f);
    EXPECT_FLOAT_EQ(sp->GetRight(), 100);
    EXPECT_EQ(gr->GetScaleDecimalDigit(), digits);
    EXPECT_EQ(CallsOn(sp), Names());

    // A count of decimals no double shows is refused: the scale items' texts never grow with it.
    ASSERT_TRUE(page.Type(CLstCurve::kDigitsId, "2000000000"));
    EXPECT_EQ(gr->GetScaleDecimalDigit(), digits);
    EXPECT_EQ(page.Value(CLstCurve::kDigitsId), std::to_string(digits));
    ASSERT_TRUE(page.Type(CLstCurve::kDigitsId, "15"));
    EXPECT_EQ(gr->GetScaleDecimalDigit(), 15);
    gr->SetScaleDecimalDigit(70000);  // the host's own count is shown with at most 15
    SetKitTimeStamp(gr);
    page.Show(gr);
    EXPECT_LE(page.Value(CLstCurve::kLeftId).size(), 17u);
    rivet::testing::Reset();
}

// A text that is no number ("inf", "nan", "abc") or a negative width or size: the kit keeps its value
// and the item shows the kept value again, never the typed text.
TEST(RefusedNumberTest, NumberItemsShowTheKeptValueAfterATextThatIsNoNumber) {
    wptest::IntervalPage<CLstWaterEntry> water(wptest::ForFirst<CLstWaterEntry, CWpWaterEntry>());
    CWpWaterEntry* profile = water.plot().First<CWpWaterEntry>();
    SetTitleSize(profile, 400);
    water.Show(profile);
    ASSERT_TRUE(water.Type(CLstWaterEntry::kTitleSizeId, "inf"));
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(profile).size, 400);
    EXPECT_EQ(water.Value(CLstWaterEntry::kTitleSizeId), "4.00");
    const double width = profile->GetDrawWidth();
    ASSERT_TRUE(water.Type(CLstWaterEntry::kDrawWidthId, "-1"));
    EXPECT_DOUBLE_EQ(profile->GetDrawWidth(), width);
    EXPECT_EQ(water.Value(CLstWaterEntry::kDrawWidthId), FormatString("%.2f", width).str());
    ASSERT_TRUE(water.Type(CLstWaterEntry::kDepthLineWidthId, "nan"));
    EXPECT_EQ(water.Value(CLstWaterEntry::kDepthLineWidthId),
              FormatString("%.2f", profile->GetDepthLineWidth() / 100).str());

    wptest::IntervalPage<CLstSand> sand;
    CWpSand* sandKit = sand.plot().First<CWpSand>();
    sandKit->SetSymbleLeftPos(0.25);
    sand.Show(sandKit);
    ASSERT_TRUE(sand.Type(CLstSand::kLeftPosId, "inf"));
    EXPECT_DOUBLE_EQ(sandKit->GetSymbleLeftPos(), 0.25);
    EXPECT_EQ(sand.Value(CLstSand::kLeftPosId), "0.25");

    wptest::IntervalPage<CLstStratum> stratum;
    CWpStratum* strata = stratum.plot().First<CWpStratum>();
    strata->GetDivideLogPen().width = 30;
    strata->SetDivideLineVisible(true);
    stratum.Show(strata);
    ASSERT_TRUE(stratum.Type(CLstStratum::kLinePenId + 2, "-2"));
    EXPECT_FLOAT_EQ(strata->GetDivideLogPen().width, 30);
    EXPECT_EQ(stratum.Value(CLstStratum::kLinePenId + 2), "0.30");

    wptest::IntervalPage<CLstLthSample> sample;
    CWpLthSample* samples = sample.plot().First<CWpLthSample>();
    sample.Show(samples);
    const float penWidth = samples->GetSegLogPen().width;
    ASSERT_TRUE(sample.Type(CLstLthSample::kSegPenId + 2, "nan"));
    EXPECT_FLOAT_EQ(samples->GetSegLogPen().width, penWidth);
    EXPECT_EQ(sample.Value(CLstLthSample::kSegPenId + 2), FormatString("%.2f", penWidth / 100.0).str());

    wptest::IntervalPage<CLstOilTestPie> pie(wptest::ForFirst<CLstOilTestPie, CWpOilTest>());
    CWpOilTest* oilTest = pie.plot().First<CWpOilTest>();
    oilTest->m_dPieRadius = 500;
    oilTest->m_pieOutlinePen.width = 20;
    pie.Show(oilTest);
    ASSERT_TRUE(pie.Type(CLstOilTestPie::kRadiusId, "-5"));
    ASSERT_TRUE(pie.Type(CLstOilTestPie::kOutlineId + 2, "-1"));
    EXPECT_DOUBLE_EQ(oilTest->m_dPieRadius, 500);
    EXPECT_FLOAT_EQ(oilTest->m_pieOutlinePen.width, 20);
    EXPECT_EQ(pie.Value(CLstOilTestPie::kRadiusId), "5.00");
    EXPECT_EQ(pie.Value(CLstOilTestPie::kOutlineId + 2), "0.20");

    wptest::IntervalPage<CLstIntegratedCore> core(wptest::ForFirst<CLstIntegratedCore, CWpIntegratedCore>());
    core.Show(core.plot().First<CWpIntegratedCore>());
    ASSERT_TRUE(core.Type(CLstIntegratedCore::kSourceTypeId, "inf"));  // any other text: discrete data
    EXPECT_EQ(core.plot().First<CWpIntegratedCore>()->GetDataSource(), DATA_DISCRETE);
    EXPECT_EQ(core.Value(CLstIntegratedCore::kSourceTypeId), "离散数据");
}

// An interval page whose kit's active interval runs from -20 to 20 m (an elevation range).
template <class List, class Kit>
Opened IntervalItem(const char* path) {
    auto page = std::make_shared<wptest::IntervalPage<List>>();
    Kit* kit = page->template KitWithInterval<Kit>(-20, 20);
    return OpenOn(page, kit, [path](wptest::IntervalPage<List>& p) { return p.Path(path); });
}

Opened HeadItem(DWORD_PTR id) {
    auto page = std::make_shared<wptest::OpenPage<CLstHead>>(
        [](zephyr::PlotFixture& plot) { return new CLstHead(plot.Well()); });
    page->well()->SetTitleHeight(1500);
    page->well()->SetClientHeight(1500);
    return OpenOn(page, page->well(), [id](wptest::OpenPage<CLstHead>& p) { return p.Item(id); });
}

Opened WellItem(DWORD_PTR id) {
    auto page = std::make_shared<wptest::OpenPage<CLstWell>>();
    page->well()->SetDataMgr(zephyr::NewSampleWellData());
    page->well()->SetTopDepth(-20);
    page->well()->SetBottomDepth(20);
    return OpenOn(page, page->well(), [id](wptest::OpenPage<CLstWell>& p) { return p.Item(id); });
}

Opened TextItem(DWORD_PTR id) {
    auto page = std::make_shared<wptest::OpenPage<CLstText>>(wptest::ForFirst<CLstText, CWpText>());
    CWpText* kit = page->plot().First<CWpText>();
    kit->AppendSegment(-20, 20);
    kit->SetActiveSegIndex(0);
    return OpenOn(page, kit, [id](wptest::OpenPage<CLstText>& p) { return p.Item(id); });
}

Opened PictureItem(DWORD_PTR id) {
    auto page = std::make_shared<wptest::OpenPage<CLstPicture>>(wptest::ForFirst<CLstPicture, CWpPicture>());
    CWpPicture* kit = page->plot().First<CWpPicture>();
    CgPicSegment seg;
    seg.SetRect(0, 20, 20, -20);  // upward y: depths -20 to 20
    kit->AppendSegment(seg);
    kit->SetActiveSegIndex(kit->GetSegCount() - 1);
    return OpenOn(page, kit, [id](wptest::OpenPage<CLstPicture>& p) { return p.Item(id); });
}

double SegTop(CWpKit* kit) { return static_cast<CWpSegment*>(kit)->GetSegTopDpth(0); }
double SegBottom(CWpKit* kit) { return static_cast<CWpSegment*>(kit)->GetSegBottomDpth(0); }
double PictureTop(CWpKit* kit) { return static_cast<CWpPicture*>(kit)->GetActiveSegTopDepth(); }
double PictureBottom(CWpKit* kit) { return static_cast<CWpPicture*>(kit)->GetActiveSegBotDepth(); }
double TextTop(CWpKit* kit) { return static_cast<CWpText*>(kit)->GetActiveSegTopDepth(); }
double TextBottom(CWpKit* kit) { return static_cast<CWpText*>(kit)->GetActiveSegBotDepth(); }

struct SignedCase {
    const char* what;
    std::function<Opened()> open;
    std::function<double(CWpKit*)> stored;  // in the item's unit: metres, centimetres
    std::string shownAgain;                 // -5 as the page shows it again after a refusal
    std::vector<std::string> unholdable;    // texts the field (or the page's reader) cannot take
    std::string wrongOrder;                 // a depth beyond the other end; empty for heights
    const char* kitCheck;                   // the kit's setter that refuses that order; NULL when the page does
    const char* message;                    // the page's message for a refused depth, or NULL
};

// Depths and heights keep their sign (a plot in elevation depths has negative depths): "-5" is
// stored as -5 (a height in thousandths of a centimetre). What the field cannot hold, and a depth on
// the wrong side of the other end, are still refused: the kit keeps -5 and its stamp, nothing but
// the kit's own order check (after an interval page's modify flag) is called, nothing is redrawn,
// and the item shows -5 as the page shows it.
TEST(RefusedNumberTest, HeightsAndDepthsTakeTheirSignAndRefuseOnlyWhatTheirFieldCannotHold) {
    const std::vector<std::string> floats{"1e39", "1e400"};
    const std::vector<std::string> doubles{"1e400"};
    const std::vector<std::string> wholeFloats{"1e39", "nan", "-5x"};
    const char* segTop = "CWpSegment::SetSegTopDpth";
    const char* segBottom = "CWpSegment::SetSegBottomDpth";
    const SignedCase cases[] = {
        // The header heights keep their text from before the edit, "-5" as typed.
        {"header title height", [] { return HeadItem(CLstHead::kTitleHeightId); },
         [](CWpKit* k) { return k->GetTitleHeight() / 1000.0; }, "-5", floats, "", nullptr, nullptr},
        {"header client height", [] { return HeadItem(CLstHead::kClientHeightId); },
         [](CWpKit* k) { return k->GetClientHeight() / 1000.0; }, "-5", floats, "", nullptr, nullptr},
        {"well top", [] { return WellItem(CLstWell::kTopDepthId); }, [](CWpKit* k) { return k->GetTopDepth(); },
         "-5.00", floats, "30", nullptr, "深度范围不合法！"},
        {"well bottom", [] { return WellItem(CLstWell::kBottomDepthId); },
         [](CWpKit* k) { return k->GetBottomDepth(); }, "-5.00", floats, "-30", nullptr, "深度范围不合法！"},
        {"lithology top", [] { return IntervalItem<CLstColth, CWpCorelith>("当前段/顶深"); }, SegTop, "-5.00", doubles,
         "30", segTop, nullptr},
        {"lithology bottom", [] { return IntervalItem<CLstColth, CWpCorelith>("当前段/底深"); }, SegBottom, "-5.00",
         doubles, "-30", segBottom, nullptr},
        {"rock-sample top", [] { return IntervalItem<CLstLthSample, CWpLthSample>("当前段/顶深"); }, SegTop, "-5.00",
         doubles, "30", segTop, nullptr},
        {"rock-sample bottom", [] { return IntervalItem<CLstLthSample, CWpLthSample>("当前段/底深"); }, SegBottom,
         "-5.00", doubles, "-30", segBottom, nullptr},
        {"sand top", [] { return IntervalItem<CLstSand, CWpSand>("当前段/顶深"); }, SegTop, "-5.00", doubles, "30",
         segTop, nullptr},
        {"sand bottom", [] { return IntervalItem<CLstSand, CWpSand>("当前段/底深"); }, SegBottom, "-5.00", doubles,
         "-30", segBottom, nullptr},
        {"stratum top", [] { return IntervalItem<CLstStratum, CWpStratum>("当前段/顶深"); }, SegTop, "-5.00", doubles,
         "30", segTop, nullptr},
        {"stratum bottom", [] { return IntervalItem<CLstStratum, CWpStratum>("当前段/底深"); }, SegBottom, "-5.00",
         doubles, "-30", segBottom, nullptr},
        {"perforation top", [] { return IntervalItem<CLstShoot, CWpShoot>("当前段/顶深"); }, SegTop, "-5.00", doubles,
         "30", segTop, nullptr},
        {"perforation bottom", [] { return IntervalItem<CLstShoot, CWpShoot>("当前段/底深"); }, SegBottom, "-5.00",
         doubles, "-30", segBottom, nullptr},
        {"perforation-symbol top", [] { return IntervalItem<CLstSymbleShoot, CWpSymbleShoot>("当前段/顶深"); }, SegTop,
         "-5.00", doubles, "30", segTop, nullptr},
        {"cycle bottom", [] { return IntervalItem<CLstSymbleCycle, CWpSymbleCycle>("当前段/底深"); }, SegBottom,
         "-5.00", doubles, "-30", segBottom, nullptr},
        {"bedding top", [] { return IntervalItem<CLstSymbleTexture, CWpSymbleTexture>("当前段/顶深"); }, SegTop,
         "-5.00", doubles, "30", segTop, nullptr},
        {"picture top", [] { return PictureItem(CLstPicture::kTopDepthId); }, PictureTop, "-5.00", doubles, "30",
         "CWpPicture::SetActiveSegTopDepth", nullptr},
        {"picture bottom", [] { return PictureItem(CLstPicture::kBottomDepthId); }, PictureBottom, "-5.00", doubles,
         "-30", "CWpPicture::SetActiveSegBotDepth", nullptr},
        // The text kit reads a whole number only, and shows a refused depth as the number's own text.
        {"text top", [] { return TextItem(CLstText::kTopDepthId); }, TextTop, "-5", wholeFloats, "30",
         "CWpText::SetActiveSegTopDepth", nullptr},
        {"text bottom", [] { return TextItem(CLstText::kBottomDepthId); }, TextBottom, "-5", wholeFloats, "-30",
         "CWpText::SetActiveSegBotDepth", nullptr},
    };
    const auto& boxes = platform::Responder::Instance().MessageBoxes();
    for (const SignedCase& c : cases) {
        Opened open = c.open();
        ASSERT_NE(open.item(), nullptr) << c.what;
        ASSERT_TRUE(open.type("-5")) << c.what;
        EXPECT_DOUBLE_EQ(c.stored(open.kit), -5) << c.what;

        std::vector<std::string> refused = c.unholdable;
        if (!c.wrongOrder.empty()) refused.push_back(c.wrongOrder);
        for (const std::string& text : refused) {
            parsnip::testing::ClearCallLog();
            const uint64_t stamp = open.kit->GetTimeStamp();
            const int redraws = open.redraws();
            const std::size_t boxCount = boxes.size();
            ASSERT_TRUE(open.type(text)) << c.what << " " << text;
            EXPECT_DOUBLE_EQ(c.stored(open.kit), -5) << c.what << " " << text;
            EXPECT_EQ(platform::GridDriver::Info(open.item()).value, c.shownAgain) << c.what << " " << text;
            EXPECT_EQ(open.kit->GetTimeStamp(), stamp) << c.what << " " << text;
            EXPECT_EQ(open.redraws(), redraws) << c.what << " " << text;
            Names asked;
            if (text == c.wrongOrder && c.kitCheck) {
                // An interval page marks its kit modified before the depth goes to the kit.
                if (c.kitCheck == segTop || c.kitCheck == segBottom) asked.push_back("CQXObject::SetModifyFlag");
                asked.push_back(c.kitCheck);
            }
            EXPECT_EQ(CallsOn(open.kit), asked) << c.what << " " << text;
            ASSERT_EQ(boxes.size(), boxCount + (c.message ? 1 : 0)) << c.what << " " << text;
            if (c.message) {
                EXPECT_EQ(boxes.back().text, c.message) << c.what << " " << text;
            }
        }
    }
}

}  // namespace
