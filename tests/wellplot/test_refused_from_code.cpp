// A number the page refuses although its item took the text, as when a change is reported from
// code with a value the item never judged: the item shows the stored value as the refresh does,
// and nothing is written, called or redrawn.
#include <functional>
#include <string>

#include "IntervalFixture.h"
#include "framework/FillSubItems.h"
#include "framework/PropItems.h"
#include "hosttypes/Zephyr/DIOilTest.h"
#include "hosttypes/Zephyr/WpIntegratedCore.h"
#include "hosttypes/Zephyr/WpOilTest.h"
#include "hosttypes/Zephyr/WpParam.h"
#include "hosttypes/Zephyr/WpPicture.h"
#include "hosttypes/Zephyr/WpSidewallCore.h"
#include "wellplot/LstCurve.h"
#include "wellplot/LstDepth.h"
#include "wellplot/LstGrid.h"
#include "wellplot/LstHead.h"
#include "wellplot/LstOther.h"
#include "wellplot/LstTrack.h"
#include "wellplot/LstWell.h"
#include "wellplot/intervals/LstIntegratedCore.h"
#include "wellplot/intervals/LstOilTestPie.h"
#include "wellplot/intervals/LstParam.h"
#include "wellplot/intervals/LstParamStyle.h"
#include "wellplot/intervals/LstPicture.h"
#include "wellplot/intervals/LstSidewallCore.h"
#include "wellplot/intervals/LstWaterEntry.h"

using wptest::ExpectShownAgain;

namespace {

TEST(RefusedFromCode, TheItemShowsTheStoredValueAndNothingElseHappens) {
    wptest::OpenPage<CLstOther> other;
    CWpTrack* track = other.track();
    track->SetWidth(3000);
    QXLOGPEN border = track->GetBorderPen();
    border.width = 25;
    track->SetBorderPen(border);
    other.Show(track);
    ExpectShownAgain(other, other.Item(CLstOther::kWidthId), _variant_t("-1"), "3.00", "kit width");
    ExpectShownAgain(other, other.Item(CLstOther::kLineWidthId), _variant_t(-1.0), "0.25", "border width");

    wptest::OpenPage<CLstHead> head([](zephyr::PlotFixture& plot) { return new CLstHead(plot.Well()); });
    head.well()->SetTitleHeight(1500);
    head.Show(head.well());
    ExpectShownAgain(head, head.Item(CLstHead::kTitleHeightId), _variant_t("1e39"), "1.50", "title height");

    wptest::OpenPage<CLstTrack> content(wptest::ForFirst<CLstTrack, CWpTrack>());
    CWpTrack* logTrack = content.plot().First<CWpTrack>();
    logTrack->LogScale(1);
    logTrack->SetLeft(2);
    content.Show(logTrack);
    ExpectShownAgain(content, content.Item(CLstTrack::kLeftId), _variant_t(1e39), "2", "left value");

    wptest::OpenPage<CLstGrid> grid;
    CWpTrack* gridTrack = grid.track();
    QXLOGPEN pen = gridTrack->GetMajScalePen();
    pen.width = 30;
    gridTrack->SetMajScalePen(pen);
    gridTrack->SetMidDep(2.5f);
    grid.Show(gridTrack);
    ExpectShownAgain(grid, grid.Path("刻度线/粗线线型/宽度(毫米)"), _variant_t("-1"), "0.30", "grid pen width");
    ExpectShownAgain(grid, grid.Path("深度线/间隔(米)/中线"), _variant_t("0.05"), "2.5", "middle interval");
}

TEST(RefusedFromCode, DepthTrackPageNumbersAndGroupSizes) {
    wptest::OpenPage<CLstDepth> page;
    CWpDepth* depth = page.depth();
    wptest::SetTitleSize(depth, 350);
    depth->SetTitleFontScope(2);  // the scope's hand-on must not run either
    depth->SetDepthSpace(25);
    depth->SetTickSpace(2.5);
    depth->SetTickNum(4);
    QXLOGFONT labels = depth->GetDepthFont();
    labels.size = 120;
    depth->SetDepthFont(labels);
    QXLOGPEN ticks = depth->GetTickPen();
    ticks.width = 20;
    depth->SetTickPen(ticks);
    page.Show(depth);
    ExpectShownAgain(page, page.Item(CLstDepth::kFontHeightId), _variant_t("-1"), "3.50", "title height");
    ExpectShownAgain(page, page.Item(CLstDepth::kLabelSpaceId), _variant_t("1e400"), "25", "label spacing");
    ExpectShownAgain(page, page.Item(CLstDepth::kTickSpaceId), _variant_t("-2"), "2.5", "tick spacing");
    ExpectShownAgain(page, page.Item(CLstDepth::kTickNumId), _variant_t("1e39"), "4", "tick count");
    ExpectShownAgain(page, page.Item(CLstDepth::kLabelFontGroupId + 2), _variant_t("-1"), "1.20", "label size");
    ExpectShownAgain(page, page.Item(CLstDepth::kTickLineGroupId + 2), _variant_t("-1"), "0.20", "tick width");
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(depth).size, 350);
    EXPECT_EQ(depth->GetTickNum(), 4);
}

TEST(RefusedFromCode, CurvePageNumbersSizesAndWidths) {
    wptest::OpenPage<CLstCurve> page(wptest::ForFirst<CLstCurve, CWpCurve>());
    CWpCurve* curve = page.plot().First<CWpCurve>();
    QXLOGFONT font = wellplot::TitleFontOf(curve);
    font.size = 350;
    curve->SetTitleFont(&font);
    font.size = 250;
    curve->SetUnitFont(font);
    font.size = 150;
    curve->SetLimitFont(font);
    curve->SetScaleDecimalDigit(1);
    curve->SetValueRangeType(0);
    curve->SetLeft(-20, 0);
    curve->SetRight(80, 0);
    curve->ShowScale(1);
    curve->SetMultiples(2.5f);
    curve->SetFlagLineShow(true);
    curve->SetFlagLineValue(12.5f);
    QXLOGPEN pen = curve->GetPen();
    pen.width = 30;
    curve->SetPen(pen);
    pen.width = 40;
    curve->SetFlagLinePen(pen);
    curve->SetType(CWpCurve::CURVE_SCATTER_LINE);
    QXLOGPOINT point = curve->GetPoint();
    point.size = 200;
    curve->SetPoint(point);
    curve->SetScanted(3);
    curve->Operation(0);  // a fill, current
    CWpCurve::tagCVEFILL& fill = curve->FillAt(curve->FillAt() - 1);
    fill.shown = 1;
    fill.leftBrush.size = 75;
    page.Show(curve);
    CBCGPProp* selected = page.Item(CLstCurve::kTitleTextId);
    page.list().GetPropList().SetCurSel(selected);

    ExpectShownAgain(page, page.Item(CLstCurve::kTitleFontId + 2), _variant_t("-1"), "3.50", "title size");
    ExpectShownAgain(page, page.Item(CLstCurve::kUnitFontId + 2), _variant_t("-1"), "2.50", "unit size");
    ExpectShownAgain(page, page.Item(CLstCurve::kLimitFontId + 2), _variant_t("1e39"), "1.50", "scale size");
    ExpectShownAgain(page, page.Item(CLstCurve::kDigitsId), _variant_t("16"), "1", "decimals");
    ExpectShownAgain(page, page.Item(CLstCurve::kLeftId), _variant_t("1e39"), "-20.0", "left value");
    ExpectShownAgain(page, page.Item(CLstCurve::kMultiplesId), _variant_t("-3"), "2.5", "multiples");
    ExpectShownAgain(page, page.Item(CLstCurve::kMarkValueId), _variant_t("1e39"), "12.50", "marker value");
    ExpectShownAgain(page, page.Item(CLstCurve::kMarkLineId + 2), _variant_t("-1"), "0.40", "marker width");
    ExpectShownAgain(page, page.Item(CLstCurve::kLineId + 2), _variant_t("-1"), "0.30", "line width");
    ExpectShownAgain(page, page.Item(CLstCurve::kPointId + 2), _variant_t("-1"), "2", "symbol size");
    ExpectShownAgain(page, page.Item(CLstCurve::kScatterStepId), _variant_t("1e39"), "3", "scatter step");
    ExpectShownAgain(page, page.Item(CLstCurve::kLeftFillId + 6), _variant_t("-1"), "0.75", "fill cell size");
    EXPECT_FLOAT_EQ(curve->GetLeft(), -20);
    EXPECT_EQ(page.list().GetPropList().GetCurSel(), selected);  // no refresh rebuilt the groups
}

TEST(RefusedFromCode, FontSymbolAndFillSizesOfTheFramePages) {
    wptest::OpenPage<CLstHead> head([](zephyr::PlotFixture& plot) { return new CLstHead(plot.Well()); });
    CWpWell* well = head.well();
    wptest::SetTitleSize(well, 450);
    QXLOGPOINT point = well->GetTypePoint();
    point.size = 300;
    well->SetTypePoint(point);
    well->SetTypeAlign(0);
    head.Show(well);
    ExpectShownAgain(head, head.Item(CLstHead::kFontSizeId), _variant_t("-1"), "4.50", "header title size");
    ExpectShownAgain(head, head.Item(CLstHead::kSizeId), _variant_t("-1"), "3.00", "symbol size");

    wptest::OpenPage<CLstTrack> content(wptest::ForFirst<CLstTrack, CWpTrack>());
    CWpTrack* track = content.plot().First<CWpTrack>();
    wptest::SetTitleSize(track, 550);
    content.Show(track);
    ExpectShownAgain(content, content.Item(CLstTrack::kFontSizeId), _variant_t("-1"), "5.50", "track title size");

    wptest::OpenPage<CLstOther> other;
    QXLOGBRUSH brush = other.track()->GetClientBrush();
    brush.size = 125;
    other.track()->SetClientBrush(brush);
    other.Show(other.track());
    ExpectShownAgain(other, other.Item(kPlaneFillCellSizeId), _variant_t("-1"), "1.25", "fill cell size");
    // Typed, a refused cell size shows the stored one in "%.2f" as well, not the text typed before.
    ASSERT_TRUE(other.Type(kPlaneFillCellSizeId, "2"));
    ASSERT_TRUE(other.Type(kPlaneFillCellSizeId, "-1"));
    EXPECT_EQ(other.Value(kPlaneFillCellSizeId), "2.00");

    wptest::OpenPage<CLstWell> column;
    QXLOGPEN pen = column.well()->GetFaultPointLine();
    pen.width = 35;
    column.well()->SetFaultPointLine(pen);
    column.Show(column.well());
    ExpectShownAgain(column, column.Item(CLstWell::kLostLineId + 2), _variant_t("-1"), "0.35", "lost line width");
}

// The interval pages that are lists of their own: a size, width or radius reported from code that
// the page refuses writes nothing, redraws nothing and shows the stored value in the item's format.
// The page on the first kit of class Kit, its title font stored size hundredths, shown.
template <class List, class Kit>
void ShowTitleSize(wptest::PageOnFirst<List, Kit>& page, float size) {
    wptest::SetTitleSize(page.kit(), size);
    page.Show(page.kit());
}

TEST(RefusedFromCode, IntervalPagesOfTheirOwnShowTheStoredSizeAndRedrawNothing) {
    wptest::PageOnFirst<CLstWaterEntry, CWpWaterEntry> profile;
    CWpWaterEntry* water = profile.kit();
    water->SetDrawWidth(2.5);
    water->SetDepthLineWidth(35);
    ShowTitleSize(profile, 400);
    ExpectShownAgain(profile, CLstWaterEntry::kDrawWidthId, _variant_t("-1"), "2.50", "bar width");
    ExpectShownAgain(profile, CLstWaterEntry::kDepthLineWidthId, _variant_t("-1"), "0.35", "line width");
    ExpectShownAgain(profile, CLstWaterEntry::kTitleSizeId, _variant_t("-1"), "4.00", "title size");
    EXPECT_DOUBLE_EQ(water->GetDrawWidth(), 2.5);

    wptest::PageOnFirst<CLstIntegratedCore, CWpIntegratedCore> core;
    QXLOGFONT text = core.kit()->GetTextFont();
    text.size = 350;
    core.kit()->SetTextFont(text);
    core.Show(core.kit());
    ExpectShownAgain(core, CLstIntegratedCore::kTextFontId + 2, _variant_t("1e39"), "3.50", "text size");
    EXPECT_FLOAT_EQ(core.kit()->GetTextFont().size, 350);

    wptest::PageOnFirst<CLstSidewallCore, CWpSidewallCore> sidewall;
    ShowTitleSize(sidewall, 450);
    ExpectShownAgain(sidewall, CLstSidewallCore::kTitleFontId + 2, _variant_t("-1"), "4.50", "sidewall title size");
    ExpectShownAgain(sidewall, CLstSidewallCore::kWidthRateId, _variant_t(-1.0), "symbol width");

    wptest::OpenPage<CLstOilTestPie> pie(wptest::ForFirst<CLstOilTestPie, CWpOilTest>());
    CWpOilTest* oilTest = pie.list().GetKit();
    oilTest->SetData(new CDIOilTest({"日产油", "日产气"}));
    oilTest->m_dPieRadius = 300;
    oilTest->m_nPieDecimals = 2;
    pie.Show(oilTest);
    ExpectShownAgain(pie, CLstOilTestPie::kRadiusId, _variant_t("-1"), "3.00", "pie radius");
    ExpectShownAgain(pie, CLstOilTestPie::kOutlineId + 2, _variant_t("-1"), "outline");
    ExpectShownAgain(pie, CLstOilTestPie::kDecimalsId, _variant_t("-1"), "2", "pie decimals");
    EXPECT_DOUBLE_EQ(oilTest->m_dPieRadius, 300);

    wptest::PageOnFirst<CLstPicture, CWpPicture> picture;
    ShowTitleSize(picture, 1250);
    ExpectShownAgain(picture, CLstPicture::kFontSizeId, _variant_t("-1"), "12", "picture title size");

    wptest::PageOnFirst<CLstParam, CWpParam> param;
    ShowTitleSize(param, 1050);
    ExpectShownAgain(param, CLstParam::kFontSizeId, _variant_t("-1"), "10", "parameter title size");

    wptest::PageOnFirst<CLstParamLine, CWpParam> line;
    line.Show(line.kit());
    ExpectShownAgain(line, CLstParamLine::kLineSizeId, _variant_t("-1"), "parameter line size");
}

}  // namespace
