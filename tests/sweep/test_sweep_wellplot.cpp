// The sweep over the well plot: the kit property sheet of every kit of the sample plot. Every kit
// is in scope of some page ("应用范围", "设置应用到"), so the dump reads them all: what the
// kits' pages edit, with the widths, sizes, pens and fonts of every kit, and the stamps. The kits
// are swept in a few runs, each a test of its own, so that they run side by side.
#include <gtest/gtest.h>

#include <charconv>

#include "host/KitSession.h"
#include "host/WellPlotDemo.h"
#include "hostlibs/Zephyr/PlotFixture.h"
#include "hostlibs/Zephyr/WellDataFixture.h"
#include "hosttypes/Zephyr/DIOilTest.h"
#include "hosttypes/Zephyr/LogShootMgrIO.h"
#include "hosttypes/Zephyr/WpContent.h"
#include "hosttypes/Zephyr/WpCorelith.h"
#include "hosttypes/Zephyr/WpFacies.h"
#include "hosttypes/Zephyr/WpIntegratedCore.h"
#include "hosttypes/Zephyr/WpLthSample.h"
#include "hosttypes/Zephyr/WpOilTest.h"
#include "hosttypes/Zephyr/WpParam.h"
#include "hosttypes/Zephyr/WpPicture.h"
#include "hosttypes/Zephyr/WpResult.h"
#include "hosttypes/Zephyr/WpSand.h"
#include "hosttypes/Zephyr/WpSandStratum.h"
#include "hosttypes/Zephyr/WpShoot.h"
#include "hosttypes/Zephyr/WpSidewallCore.h"
#include "hosttypes/Zephyr/WpStratum.h"
#include "hosttypes/Zephyr/WpSymble.h"
#include "hosttypes/Zephyr/WpText.h"
#include "hosttypes/Zephyr/WpTrack.h"
#include "hosttypes/Zephyr/WpWaterEntry.h"
#include "hosttypes/Zephyr/WpWell.h"
#include "sweep/Sweep.h"
#include "wellplot/intervals/PropWnd.h"

namespace {

using sweep::State;

// A kit as its dump reads it: the key and the kinds of kit it is, found once (a kit's class does
// not change while the sweep dumps it after every text).
using KitKinds = sweep::KindsOf<CWpContent, CWpCurve, CWpCorelith, CWpFacies, CWpIntegratedCore, CWpLthSample, CWpParam,
                                CWpResult, CWpSand, CWpSidewallCore, CWpStratum, CWpSymbleTexture, CWpText,
                                CWpSandStratum, CWpPicture, CWpTrack, CWpDepth, CWpWaterEntry, CWpWell, CWpOilTest>;
struct DumpedKit {
    std::string key;
    CWpKit* kit;
    KitKinds kinds;
};

// The active interval's depths of a kit that has one (those kits share no class).
template <class Kit>
void DumpActiveSeg(State& state, const std::string& key, Kit* kit) {
    if (kit)
        sweep::Fields(state, key, kit, ".ActiveSegTopDepth", &Kit::GetActiveSegTopDepth, ".ActiveSegBotDepth",
                      &Kit::GetActiveSegBotDepth);
}

// Field names one after another, each closed by '/'.
std::string Joined(const std::vector<CString>& names) {
    std::string joined;
    for (const CString& name : names) joined += name.str() + '/';
    return joined;
}

// What the oil-test page and its pie page write: plain members of the kit, which no setter stamps.
void DumpOilTest(State& state, const std::string& key, CWpOilTest* k) {
    using O = CWpOilTest;
    using sweep::AsSize;
    sweep::Fields(state, key, k, ".DisplayStyle", &O::m_nDisplayStyle, ".FillMode", &O::m_nFillMode, ".FillColor",
                  &O::m_clrFill, ".ShowText", &O::m_nShowText, ".TableAlignH", &O::m_nTableAlignH, ".TableAlignV",
                  &O::m_nTableAlignV, ".GridPen", &O::m_gridPen, ".CellFont", &O::m_cellFont, ".BarWidth",
                  AsSize(&O::m_dBarWidth), ".DataChoice", &O::m_nDataChoice, ".Oil", &O::m_clrOil, ".Gas", &O::m_clrGas,
                  ".Water", &O::m_clrWater, ".ShowDivider", &O::m_nShowDivider, ".DividerPen", &O::m_dividerPen,
                  ".ShowLabel", &O::m_nShowLabel, ".LabelFont", &O::m_labelFont, ".Decimals", &O::m_nDecimals,
                  ".LabelAlignH", &O::m_nLabelAlignH, ".LabelAlignV", &O::m_nLabelAlignV);
    sweep::Fields(state, key, k, ".PieShow", &O::m_nPieShow, ".PieDataChoice", &O::m_nPieDataChoice, ".PieOil",
                  &O::m_clrPieOil, ".PieGas", &O::m_clrPieGas, ".PieWater", &O::m_clrPieWater, ".PieShowValue",
                  &O::m_nPieShowValue, ".PieShowPercent", &O::m_nPieShowPercent, ".PieLabelFont", &O::m_pieLabelFont,
                  ".PieDecimals", &O::m_nPieDecimals, ".PieOutlinePen", &O::m_pieOutlinePen, ".PieLeader",
                  &O::m_nPieLeader, ".PieLeaderPen", &O::m_pieLeaderPen, ".PieRadiusMode", &O::m_nPieRadiusMode,
                  ".PieRadius", AsSize(&O::m_dPieRadius), ".PieDrawNull", &O::m_nPieDrawNull, ".PieSideShow",
                  &O::m_nPieSideShow, ".PieMiddlePen", &O::m_pieMiddlePen, ".PieSideFont", &O::m_pieSideFont);
    state.Put(key, ".PieUpper", Joined(k->m_pieUpper)).Put(key, ".PieLower", Joined(k->m_pieLower));
}

void DumpKit(State& state, const DumpedKit& dumped) {
    const std::string& key = dumped.key;
    CWpKit* kit = dumped.kit;
    state.Put(key, ".stamp", std::to_string(kit->GetTimeStamp()));
    state.Put(key, demo::Describe(kit));
    // The frame's fields on one line, written into one text kept between dumps (the dump runs
    // after every text of the sweep).
    static std::string frame;
    frame.clear();
    char number[24];
    const auto field = [&number](long long value, const char* after) {
        frame.append(number, std::to_chars(number, number + sizeof number, value).ptr);
        frame += after;
    };
    field(kit->GetStyle(), "/");
    field(kit->GetTitleDirection(), "/");
    field(kit->GetTtlFtScope(), "/");
    field(kit->GetTitleScope(), "/");
    field(kit->GetBoderScope(), "/");
    field(kit->GetBdrLnScope(), "/");
    field(kit->GetTitleVisible(), "/");
    field(kit->GetAutoDepth(), "/");
    frame += kit->GetClientFillStyleSet().str();
    frame += '/';
    for (int edge = 0; edge < CWpKit::kBorderEdgeCount; ++edge) field(kit->GetBorderVisible(edge), "");
    state.Put(key, ".frame", frame);
    using sweep::AsSize;
    using sweep::Fields;
    Fields(state, key, kit, ".BaseWidth", AsSize(&CWpKit::GetBaseWidth), ".Width", AsSize(&CWpKit::GetWidth),
           ".TitleFont", &CWpKit::GetTitleFont, ".BorderPen", &CWpKit::GetBorderPen, ".ClientBrush",
           &CWpKit::GetClientBrush, ".TitleHeight", &CWpKit::GetTitleHeight, ".ClientHeight", &CWpKit::GetClientHeight,
           ".TopDepth", &CWpKit::GetTopDepth, ".BottomDepth", &CWpKit::GetBottomDepth, ".SandThick",
           &CWpKit::GetSandThick, ".ShaleThick", &CWpKit::GetShaleThick);
    if (auto* k = dumped.kinds.As<CWpContent>()) Fields(state, key, k, ".Pen", &CWpContent::GetPen);
    if (auto* k = dumped.kinds.As<CWpCurve>())
        Fields(state, key, k, ".UnitFont", &CWpCurve::GetUnitFont, ".LimitFont", &CWpCurve::GetLimitFont, ".PenCur2",
               &CWpCurve::GetPenCur2, ".Point", &CWpCurve::GetPoint, ".Point2", &CWpCurve::GetPoint2, ".Pen2",
               &CWpCurve::GetPen2, ".FlagLinePen", &CWpCurve::GetFlagLinePen);
    if (auto* k = dumped.kinds.As<CWpCorelith>())
        Fields(state, key, k, ".NameFont", &CWpCorelith::GetNameFont, ".DivideLogPen", &CWpCorelith::GetDivideLogPen,
               ".DivideLogPoint", &CWpCorelith::GetDivideLogPoint, ".ColorPer", &CWpCorelith::GetColorPer, ".CtOilPer",
               &CWpCorelith::GetCtOilPer, ".ColthTypePer", &CWpCorelith::GetColthTypePer);
    if (auto* k = dumped.kinds.As<CWpFacies>())
        Fields(state, key, k, ".DivideLinePen", &CWpFacies::GetDivideLinePen, ".FaciesNameFont",
               &CWpFacies::GetFaciesNameFont);
    if (auto* k = dumped.kinds.As<CWpIntegratedCore>())
        Fields(state, key, k, ".BackColor", &CWpIntegratedCore::GetBackColor, ".TextFont",
               &CWpIntegratedCore::GetTextFont, ".LinePen", &CWpIntegratedCore::GetLinePen);
    if (auto* k = dumped.kinds.As<CWpLthSample>()) {
        state.Put(key, ".table", k->GetTableName() + "/" + k->GetDepthFiledName() + "/" + k->GetNumberFiledName());
        Fields(state, key, k, ".SegLogPen", &CWpLthSample::GetSegLogPen, ".SmapleLogPen",
               &CWpLthSample::GetSmapleLogPen, ".MarkLogFont", &CWpLthSample::GetMarkLogFont);
    }
    if (auto* k = dumped.kinds.As<CWpParam>())
        Fields(state, key, k, ".BLWidth", AsSize(&CWpParam::GetBLWidth), ".LineType", &CWpParam::GetLineType,
               ".PointType", &CWpParam::GetPointType, ".TextType", &CWpParam::GetTextType, ".TextFont",
               &CWpParam::GetTextFont, ".RectFillBrush", &CWpParam::GetRectFillBrush);
    if (auto* k = dumped.kinds.As<CWpResult>())
        Fields(state, key, k, ".DivideLogPoint", &CWpResult::GetDivideLogPoint, ".DivideLinePen",
               &CWpResult::GetDivideLinePen, ".LabelFont", &CWpResult::GetLabelFont);
    if (auto* k = dumped.kinds.As<CWpSand>())
        Fields(state, key, k, ".LineSize", AsSize(&CWpSand::GetLineSize), ".LogDividePen", &CWpSand::GetLogDividePen,
               ".ThkTextFont", &CWpSand::GetThkTextFont);
    if (auto* k = dumped.kinds.As<CWpSidewallCore>()) {
        // Fields the page writes directly, without a setter that would stamp the kit.
        state.Size(key, ".WidthRate", k->m_dWidthRate);
        state.Pen(key, ".LinePen", k->m_linePen);
        state.Put(key, ".sides", std::to_string(k->m_nLeft) + "/" + std::to_string(k->m_nLithUp));
    }
    if (auto* k = dumped.kinds.As<CWpStratum>())
        Fields(state, key, k, ".FaultLogPoint", &CWpStratum::GetFaultLogPoint, ".FontFault", &CWpStratum::GetFontFault,
               ".DivideLogPen", &CWpStratum::GetDivideLogPen, ".DivideLogPoint", &CWpStratum::GetDivideLogPoint,
               ".SNFont", &CWpStratum::GetSNFont);
    if (auto* k = dumped.kinds.As<CWpSymbleTexture>())
        Fields(state, key, k, ".SymbleWidth", AsSize(&CWpSymbleTexture::GetSymbleWidth), ".SymbleHeight",
               &CWpSymbleTexture::GetSymbleHeight);
    if (auto* k = dumped.kinds.As<CWpText>()) Fields(state, key, k, ".TextFont", &CWpText::GetTextFont);
    if (auto* k = dumped.kinds.As<CWpSandStratum>()) {
        // The general page's switches, then the rows of the option grids, every field of each.
        state.Put(key, ".switches",
                  std::to_string(k->ValidSameDistance()) + std::to_string(k->UseShootData()) +
                      std::to_string(k->OnlyInStratum()));
        for (unsigned i = 0; i < k->GetFillOptionCount(); ++i) {
            const CWpSandStratum::FILLOPTION& row = k->GetFillOption(i);
            const std::string at = key + ".fill" + std::to_string(i);
            state.Put(at, std::string(row.name) + "/" + std::to_string(row.show));
            state.Put(at + ".left", row.left).Put(at + ".right", row.right).Brush(at, row.brush);
        }
        for (unsigned i = 0; i < k->GetLineOptionCount(); ++i) {
            const CWpSandStratum::LINEOPTION& row = k->GetLineOption(i);
            const std::string at = key + ".line" + std::to_string(i);
            state.Put(at, std::string(row.name) + "/" + std::to_string(row.show));
            state.Put(at + ".left", row.left).Put(at + ".right", row.right).Pen(at, row.pen);
        }
        for (unsigned i = 0; i < k->GetTextOptionCount(); ++i) {
            const CWpSandStratum::TEXTOPTIONEX& row = k->GetTextOption(i);
            const std::string at = key + ".text" + std::to_string(i);
            state.Put(at, std::string(row.name) + "/" + std::to_string(row.show) + "/" + std::to_string(row.decimals));
            state.Put(at + ".position", row.position).Font(at, row.font);
        }
    }
    DumpActiveSeg(state, key, dumped.kinds.As<CWpParam>());
    DumpActiveSeg(state, key, dumped.kinds.As<CWpPicture>());
    if (auto* k = dumped.kinds.As<CWpPicture>())
        for (int i = 0; i < k->GetSegCount(); ++i) {
            // Each picture's place, zoom and offsets, which the picture page moves.
            CgPicSegment* seg = k->GetSegment(i);
            const std::string at = key + ".seg" + std::to_string(i);
            state.Put(at + ".left", seg->GetLeft()).Put(at + ".right", seg->GetRight());
            state.Put(at + ".top", seg->GetTop()).Put(at + ".bottom", seg->GetBottom());
            state.Put(at + ".dx", seg->GetDetaX()).Put(at + ".dy", seg->GetDetaY());
            state.Put(at + ".zoom", seg->GetBaseZoom()).Put(at + ".locked", seg->IsScaleLock() ? "1" : "0");
        }
    DumpActiveSeg(state, key, dumped.kinds.As<CWpResult>());
    DumpActiveSeg(state, key, dumped.kinds.As<CWpText>());
    if (auto* k = dumped.kinds.As<CWpTrack>())
        Fields(state, key, k, ".MajScalePen", &CWpTrack::GetMajScalePen, ".MidScalePen", &CWpTrack::GetMidScalePen,
               ".MinScalePen", &CWpTrack::GetMinScalePen, ".MajDep", &CWpTrack::GetMajDep, ".MidDep",
               &CWpTrack::GetMidDep, ".MinDep", &CWpTrack::GetMinDep, ".MajDepPen", &CWpTrack::GetMajDepPen,
               ".MidDepPen", &CWpTrack::GetMidDepPen, ".MinDepPen", &CWpTrack::GetMinDepPen);
    if (auto* k = dumped.kinds.As<CWpDepth>())
        Fields(state, key, k, ".DepthSpace", &CWpDepth::GetDepthSpace, ".DepthFont", &CWpDepth::GetDepthFont,
               ".TickSpace", &CWpDepth::GetTickSpace, ".TickPen", &CWpDepth::GetTickPen);
    if (auto* k = dumped.kinds.As<CWpWaterEntry>())
        Fields(state, key, k, ".DrawWidth", AsSize(&CWpWaterEntry::GetDrawWidth), ".DepthLineWidth",
               AsSize(&CWpWaterEntry::GetDepthLineWidth));
    if (auto* k = dumped.kinds.As<CWpOilTest>()) DumpOilTest(state, key, k);
    if (auto* k = dumped.kinds.As<CWpWell>())
        Fields(state, key, k, ".FaultPointLine", &CWpWell::GetFaultPointLine, ".TypePoint", &CWpWell::GetTypePoint,
               ".TopExtendDepth", &CWpWell::GetTopExtendDepth, ".BotExtendDepth", &CWpWell::GetBotExtendDepth);
}

// The sample plot, its well with data from 1000 to 1500 and its interval kits filled.
void BuildPlot(zephyr::PlotFixture& plot) {
    plot.BuildSample();
    plot.Well()->SetDataMgr(zephyr::NewSampleWellData());
    plot.Well()->SetTopDepth(1000);
    plot.Well()->SetBottomDepth(1500);
    demo::AddIntervalData(plot);
}

// Every other kit's title font holds a size that does not read (a pick in its group must still
// write) and the others one with more digits than shown (a pick must not round it); likewise the
// lithology name font, divide pen and point, the stratum divide pen and point and name font and
// the result divide point. The
// sand-stratum grids hold positions with more digits than their cells show. The oil test is drawn
// as graphic and text (so its page offers every item), with field names to choose from, and its
// pens, fonts, bar width and pie radius hold more digits than shown.
void SeedKits(zephyr::PlotFixture& plot, const std::vector<CWpKit*>& kits) {
    using sweep::Restyle;
    const auto unreadable = [](auto& record) { record.size = -100; };
    const auto wide = [](QXLOGPEN& pen) { pen.width = 99.96f; };
    for (std::size_t i = 0; i < kits.size(); ++i)
        Restyle(kits[i], &CWpKit::GetTitleFont, &CWpKit::SetTitleFont,
                [i](QXLOGFONT& font) { font.size = i % 2 ? 1234.5f : -100.0f; });
    if (auto* lithology = plot.First<CWpCorelith>()) {
        Restyle(lithology, &CWpCorelith::GetNameFont, &CWpCorelith::SetNameFont, unreadable);
        Restyle(lithology, &CWpCorelith::GetDivideLogPen, &CWpCorelith::SetDivideLogPen, wide);
        Restyle(lithology, &CWpCorelith::GetDivideLogPoint, &CWpCorelith::SetDivideLogPoint,
                [](QXLOGPOINT& point) { point.size = 1234.5f; });
    }
    if (auto* strata = plot.First<CWpStratum>()) {
        Restyle(strata, &CWpStratum::GetDivideLogPoint, &CWpStratum::SetDivideLogPoint, unreadable);
        Restyle(strata, &CWpStratum::GetDivideLogPen, &CWpStratum::SetDivideLogPen, wide);
        strata->GetSNFont().size = 1234.5f;
    }
    if (auto* result = plot.First<CWpResult>())
        Restyle(result, &CWpResult::GetDivideLogPoint, &CWpResult::SetDivideLogPoint,
                [](QXLOGPOINT& point) { point.size = 1234.5f; });
    if (auto* oil = plot.First<CWpOilTest>()) {
        oil->SetData(new CDIOilTest({"层位", "日产油", "日产气", "结论"}));
        oil->m_pieUpper = {"层位", "结论"};
        oil->m_nDisplayStyle = 0;
        oil->m_nPieShow = 0;  // the first pick shows the pie and opens its items for the texts
        oil->m_dBarWidth = 0.1234567;
        oil->m_dPieRadius = 1234.5;
        for (QXLOGPEN* pen :
             {&oil->m_gridPen, &oil->m_dividerPen, &oil->m_pieOutlinePen, &oil->m_pieLeaderPen, &oil->m_pieMiddlePen})
            wide(*pen);
        for (QXLOGFONT* font : {&oil->m_cellFont, &oil->m_labelFont, &oil->m_pieLabelFont, &oil->m_pieSideFont})
            font->size = 1234.5f;
    }
    // The picture kit holds one picture, active, 20 wide from 1100 to 1110 m, so that its page
    // offers the picture's items.
    if (auto* picture = plot.First<CWpPicture>()) {
        CgPicSegment seg;
        seg.SetRect(0, -1100, 20, -1110);
        seg.SetPictureName("岩心.bmp");
        picture->AppendSegment(seg);
        picture->SetActiveSegIndex(picture->GetSegCount() - 1);
    }
    if (auto* sand = plot.First<CWpSandStratum>()) {
        sand->SetOptionRows(3);
        for (unsigned i = 0; i < 3; ++i) {
            sand->GetFillOption(i).left = 0.1234567;
            sand->GetFillOption(i).right = 0.75;
            sand->GetLineOption(i).left = 0.1234567;
            sand->GetLineOption(i).pen.width = 25;
            sand->GetTextOption(i).position = 12.345;
        }
    }
}

// The kits i, i + runs, ... of the sample plot, starting at run.
void SweepKits(int run, int runs) {
    zephyr::PlotFixture plot;
    BuildPlot(plot);
    // The perforations keep their symbols in a perforation manager: with one, a picked symbol is
    // written somewhere.
    plot.First<CWpShoot>()->SetShootMgr(new LogShootMgrIO);
    const std::vector<CWpKit*> kits = plot.AllKits();
    SeedKits(plot, kits);

    std::vector<DumpedKit> dumped;
    for (std::size_t i = 0; i < kits.size(); ++i)
        dumped.push_back({"kit" + std::to_string(i), kits[i], KitKinds(kits[i])});
    sweep::Sweeper sweeper("well plot", [&dumped](State& state) {
        for (const DumpedKit& kit : dumped) DumpKit(state, kit);
    });
    for (std::size_t i = static_cast<std::size_t>(run); i < kits.size(); i += static_cast<std::size_t>(runs)) {
        CWpKit* kit = kits[i];
        const std::string name =
            std::string(kit->GetRuntimeClass()->m_lpszClassName) + " \"" + demo::OneLine(kit->GetTitleText()) + "\"";
        sweeper.Sweep(
            name, [kit](CWnd* frame) { return CPropWnd::Create(kit, frame); }, reinterpret_cast<LPARAM>(kit));
    }
    EXPECT_TRUE(sweeper.Unopened().empty()) << sweeper.Unopened().front();
    EXPECT_GT(sweeper.Typed(), 0);
    std::cout << "[sweep] well plot " << run << "/" << runs << ": " << sweeper.Pages().size() << " pages, "
              << sweeper.Typed() << " texts, " << sweeper.CellsTyped() << " cells\n";
}

// Rock samples read from the well's own data: the page's refresh names the well's table on the
// kit, so a refresh shows in the kit's stamp and in the host's calls.
TEST(SweepWellPlot, RockSamplesOfTheWellsData) {
    zephyr::PlotFixture plot;
    BuildPlot(plot);
    CWpLthSample* samples = plot.First<CWpLthSample>();
    samples->SetDataSource(CORELITH_WELL);
    const DumpedKit dumped{"rock samples", samples, KitKinds(samples)};
    sweep::Sweeper sweeper("well plot", [&dumped](State& state) { DumpKit(state, dumped); });
    sweeper.Sweep(
        "CWpLthSample of the well's data", [samples](CWnd* frame) { return CPropWnd::Create(samples, frame); },
        reinterpret_cast<LPARAM>(samples));
    EXPECT_GT(sweeper.Typed(), 0);
}

constexpr int kRuns = 4;

TEST(SweepWellPlot, EveryPageOfEveryKitFirstRun) { SweepKits(0, kRuns); }
TEST(SweepWellPlot, EveryPageOfEveryKitSecondRun) { SweepKits(1, kRuns); }
TEST(SweepWellPlot, EveryPageOfEveryKitThirdRun) { SweepKits(2, kRuns); }
TEST(SweepWellPlot, EveryPageOfEveryKitFourthRun) { SweepKits(3, kRuns); }

}  // namespace
