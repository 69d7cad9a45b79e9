// The sweep over the well plot: the kit property sheet of every kit of the sample plot. Every kit
// is in scope of some page ("应用范围", "设置应用到"), so the dump reads them all: what the
// kits' pages edit, with the widths, sizes, pens and fonts of every kit, and the stamps. The kits
// are swept in a few runs, each a test of its own, so that they run side by side.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>

#include "bcg/PropList.h"
#include "driver/GridDriver.h"
#include "driver/SheetDriver.h"
#include "framework/FixedList.h"
#include "framework/PropWndMgr.h"
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
#include "support/ReportFromCode.h"
#include "sweep/Sweep.h"
#include "wellplot/LstCurve.h"
#include "wellplot/intervals/IntervalTexts.h"
#include "wellplot/intervals/LstSandStratumGrid.h"
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
    EXPECT_EQ(sweeper.NotCompared(), std::vector<std::string>{});
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
    EXPECT_EQ(sweeper.NotCompared(), std::vector<std::string>{});
}

// ---- checks over every kit's sheet beside the sweep --------------------------------------------------------
// Each kit's sheet opened in the host's windows, every tab shown with the kit announced, and a check
// run on every page; what the checks find, one line each.
class SheetWalk {
public:
    using Check = std::function<void(const std::string& where, CWnd& page, const std::function<void()>& announce)>;
    SheetWalk() {
        frame_.CreateEx(0, nullptr, "host", WS_VISIBLE, CRect(0, 0, 400, 800), nullptr, 0);
        view_.Create(nullptr, "view", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &frame_, 100);
        BuildPlot(plot_);
        SeedKits(plot_, plot_.AllKits());
    }
    ~SheetWalk() { frame_.DestroyWindow(); }
    zephyr::PlotFixture& plot() { return plot_; }

    void EachPage(CWpKit* kit, const Check& check) {
        CWnd* wnd = CPropWnd::Create(kit, &frame_);
        auto* sheet = dynamic_cast<CPropWndMgr*>(wnd);
        if (!sheet) {
            platform::DestroyAndDelete(wnd);
            return;
        }
        const auto announce = [&] { platform::SendSelectionChanged(*wnd, &view_, reinterpret_cast<LPARAM>(kit)); };
        announce();
        const std::string object =
            std::string(kit->GetRuntimeClass()->m_lpszClassName) + " \"" + demo::OneLine(kit->GetTitleText()) + "\"";
        for (int p = 0; p < sheet->GetPageCount(); ++p) {
            platform::ChooseTab(*wnd, p);
            announce();
            const std::vector<std::string> captions = platform::TabCaptions(*wnd);
            if (CWnd* page = sheet->GetPage(p))
                check(object + " / " + (p < static_cast<int>(captions.size()) ? captions[p] : "#"), *page, announce);
        }
        platform::DestroyAndDelete(wnd);
    }

    std::vector<std::string> failures;

private:
    CWnd frame_;
    CWnd view_;
    zephyr::PlotFixture plot_;
};

template <class Wanted>
void CollectWindows(CWnd& wnd, std::vector<Wanted*>* out) {
    if (auto* wanted = dynamic_cast<Wanted*>(&wnd)) out->push_back(wanted);
    for (CWnd* child : wnd.GetChildren()) CollectWindows(*child, out);
}

std::string Lines(const std::vector<std::string>& lines) {
    std::string joined;
    for (const std::string& line : lines) joined += line + '\n';
    return joined;
}

// Every field of a sand-stratum kit's option rows, to the last digit.
std::string OptionRows(CWpSandStratum* kit) {
    std::string rows;
    char number[64];
    const auto put = [&](double value) {
        std::snprintf(number, sizeof number, "%.17g/", value);
        rows += number;
    };
    for (unsigned i = 0; i < kit->GetFillOptionCount(); ++i) {
        const CWpSandStratum::FILLOPTION& o = kit->GetFillOption(i);
        for (double value : {double(o.show), o.left, o.right, double(o.brush.fillColor)}) put(value);
    }
    for (unsigned i = 0; i < kit->GetLineOptionCount(); ++i) {
        const CWpSandStratum::LINEOPTION& o = kit->GetLineOption(i);
        for (double value :
             {double(o.show), o.left, o.right, double(o.pen.style), double(o.pen.color), double(o.pen.width)})
            put(value);
    }
    for (unsigned i = 0; i < kit->GetTextOptionCount(); ++i) {
        const CWpSandStratum::TEXTOPTIONEX& o = kit->GetTextOption(i);
        for (double value : {double(o.show), o.position, double(o.font.color), double(o.font.size), double(o.decimals)})
            put(value);
        rows += std::string(o.font.faceName) + '/';
    }
    return rows;
}

// Every row of every sand-stratum option grid read back whole while no cell is edited: the records
// keep every field, those shown rounded included.
TEST(SweepWellPlot, EveryUneditedGridRowReadBackKeepsItsRecord) {
    SheetWalk walk;
    CWpSandStratum* kit = walk.plot().First<CWpSandStratum>();
    ASSERT_NE(kit, nullptr);
    int rows = 0;
    walk.EachPage(kit, [&](const std::string& where, CWnd& page, const std::function<void()>& announce) {
        std::vector<CLstSandStratumGrid*> grids;
        CollectWindows(page, &grids);
        for (CLstSandStratumGrid* grid : grids)
            for (int row = 1; row < grid->Grid().GetRowCount(); ++row, ++rows) {
                const std::string before = OptionRows(kit);
                grid->ApplyGridRow(row);
                announce();
                if (OptionRows(kit) != before)
                    walk.failures.push_back(where + " row " + std::to_string(row) +
                                            ": read back unedited, it changed its record");
            }
    });
    EXPECT_GT(rows, 0);
    EXPECT_TRUE(walk.failures.empty()) << walk.failures.size() << " lines\n" << Lines(walk.failures);
}

// On every curve page, the scale values typed as the largest the page takes, then each fill target
// picked: no target value the kit stores, and no number the page shows, is an infinity.
TEST(SweepWellPlot, FillTargetsAfterTheLargestScaleValuesStayFinite) {
    SheetWalk walk;
    int picked = 0;
    for (CWpKit* kit : walk.plot().AllKits()) {
        auto* curve = dynamic_cast<CWpCurve*>(kit);
        if (!curve) continue;
        walk.EachPage(kit, [&](const std::string& where, CWnd& page, const std::function<void()>& announce) {
            for (CBCGPPropList* list : sweep::GridsOf(page)) {
                platform::GridDriver grid(list);
                if (!grid.FindByData(CLstCurve::kFillListId)) continue;
                if (curve->FillCount() == 0) {
                    grid.PickOption(grid.FindByData(CLstCurve::kFillListId), "添加新填充");
                    announce();
                }
                for (const auto& [left, right] : {std::make_pair("2e38", "3e38"), std::make_pair("-3e38", "-2e38")}) {
                    grid.TypeText(grid.FindByData(CLstCurve::kLeftId), left);
                    grid.TypeText(grid.FindByData(CLstCurve::kRightId), right);
                    announce();
                    for (const char* target : {"边框", "中线", "边框", "指定值线"}) {
                        CBCGPProp* item = grid.FindByData(CLstCurve::kFillTargetId);
                        if (!item || !grid.PickOption(item, target)) continue;
                        ++picked;
                        announce();
                        const std::string after =
                            where + ": \"" + target + "\" after 左值 " + left + " and 右值 " + right;
                        if (!std::isfinite(curve->FillAt(curve->FillAt() - 1).targetValue))
                            walk.failures.push_back(after + " stores a target value no float holds");
                        for (CBCGPProp* shown : grid.AllItems())
                            if (sweep::ShowsNonFinite(platform::GridDriver::Info(shown).value))
                                walk.failures.push_back(after + ": " + platform::GridDriver::Info(shown).name +
                                                        " shows " + platform::GridDriver::Info(shown).value);
                    }
                }
            }
        });
    }
    EXPECT_GT(picked, 0);
    EXPECT_TRUE(walk.failures.empty()) << walk.failures.size() << " lines\n" << Lines(walk.failures);
}

// On every page with a data source, each type picked in turn; a fixed list that then offers none of
// the options it offered under another type is given each of them from code: the list reads them
// whatever it offers, so none shows its text from before again as a refusal.
TEST(SweepWellPlot, OptionTextsReportedWhileTheirDataSourceOffersNoneAreRead) {
    SheetWalk walk;
    int reported = 0;
    for (CWpKit* kit : walk.plot().AllKits())
        walk.EachPage(kit, [&](const std::string& where, CWnd& page, const std::function<void()>& announce) {
            for (CBCGPPropList* list : sweep::GridsOf(page)) {
                platform::GridDriver grid(list);
                const auto path = [&grid](CBCGPProp* item) {
                    std::string at = platform::GridDriver::Info(item).name;
                    for (CBCGPProp* up = item->GetParent(); up; up = up->GetParent())
                        at = platform::GridDriver::Info(up).name + "/" + at;
                    return at;
                };
                CBCGPProp* source = grid.FindByPath(ivtext::kDataSource + std::string("/") + ivtext::kType);
                if (!source) continue;
                const std::string sourcePath = path(source);
                const std::vector<std::string> types = platform::GridDriver::Info(source).options;
                // The options each fixed list offers under some type.
                std::map<std::string, std::vector<std::string>> offered;
                for (int round = 0; round < 2; ++round)
                    for (const std::string& type : types) {
                        if (CBCGPProp* now = grid.FindByPath(sourcePath)) grid.PickOption(now, type);
                        announce();
                        // The lists offering none of their options, found before any is given one.
                        std::vector<std::pair<std::string, std::vector<std::string>>> bare;
                        for (CBCGPProp* item : grid.AllItems()) {
                            if (!FixedListOf(item) || path(item) == sourcePath) continue;
                            std::vector<std::string>& options = offered[path(item)];
                            const std::vector<std::string> now = platform::GridDriver::Info(item).options;
                            bool offersAny = false;
                            for (const std::string& option : now) {
                                const bool known = std::find(options.begin(), options.end(), option) != options.end();
                                offersAny = offersAny || known;
                                if (round == 0 && !known) options.push_back(option);
                            }
                            if (round == 1 && !offersAny && !options.empty()) bare.emplace_back(path(item), options);
                        }
                        for (const auto& [at, options] : bare)
                            for (const std::string& option : options) {
                                CBCGPProp* target = grid.FindByPath(at);
                                if (!target) break;
                                const std::string before = platform::GridDriver::Info(target).value;
                                if (before == option) continue;
                                ++reported;
                                tsltest::ReportFromCode(*list, target, _variant_t(option.c_str()));
                                target = grid.FindByPath(at);
                                if (target && platform::GridDriver::Info(target).value == before)
                                    walk.failures.push_back(where + " / " + at + ": \"" + option +
                                                            "\" reported while " + sourcePath + " is \"" + type +
                                                            "\" is refused");
                                announce();
                            }
                    }
            }
        });
    EXPECT_GT(reported, 0);
    EXPECT_TRUE(walk.failures.empty()) << walk.failures.size() << " lines\n" << Lines(walk.failures);
}

constexpr int kRuns = 4;

TEST(SweepWellPlot, EveryPageOfEveryKitFirstRun) { SweepKits(0, kRuns); }
TEST(SweepWellPlot, EveryPageOfEveryKitSecondRun) { SweepKits(1, kRuns); }
TEST(SweepWellPlot, EveryPageOfEveryKitThirdRun) { SweepKits(2, kRuns); }
TEST(SweepWellPlot, EveryPageOfEveryKitFourthRun) { SweepKits(3, kRuns); }

}  // namespace
