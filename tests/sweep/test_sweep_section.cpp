// The sweep over the sections: the section objects and the objects of multi-well, fence and
// reservoir sections through their window makers, a single-well section's objects through its
// maker, and a map layer shown in a section through the section layer creator.
#include <gtest/gtest.h>

#include <algorithm>
#include <boost/make_shared.hpp>
#include <memory>
#include <string>

#include "framework/PropItems.h"
#include "host/SectionSamples.h"
#include "hostlibs/Oriel/MultiWellFixture.h"
#include "hostlibs/Pennant/SingleWellFixture.h"
#include "hosttypes/Gondola/Fence.h"
#include "hosttypes/Halyard/FaultLine.h"
#include "hosttypes/Halyard/Reservoir.h"
#include "hosttypes/Oriel/CMapProperty.h"
#include "hosttypes/Oriel/CnConnection.h"
#include "hosttypes/Oriel/ConnectionGroups.h"
#include "hosttypes/Oriel/CrCorrelation.h"
#include "hosttypes/Oriel/CrFaultPoint.h"
#include "hosttypes/Oriel/OrielTesting.h"
#include "hosttypes/Oriel/ScDepthRuler.h"
#include "hosttypes/Oriel/ScDepthRulerMgr.h"
#include "hosttypes/Oriel/ScDisRuler.h"
#include "hosttypes/Oriel/ScDisRulerMgr.h"
#include "hosttypes/Oriel/ScLookDownForm.h"
#include "hosttypes/Oriel/ScScaler.h"
#include "hosttypes/Oriel/ScRulerFrame.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXMap.h"
#include "hosttypes/Pennant/SingleWellSection.h"
#include "section/FcPropertyWnd.h"
#include "section/LstSandFill.h"
#include "section/LstSglSandSetor.h"
#include "section/SandDisplayMode.h"
#include "section/SandSetor.h"
#include "section/ScPropertyWnd.h"
#include "section/SectionObject.h"
#include "section/SectionTestFixture.h"
#include "support/ReportFromCode.h"
#include "sweep/Sweep.h"

namespace {

using KelReservoir::Connection::CkelReservoir;
using Maker = std::function<CWnd*(long, CWnd*)>;
using sweep::AsSize;
using sweep::Fields;

const Maker kMultiWell = [](long o, CWnd* p) { return ScPropertyWnd().Create(o, p); };
const Maker kFence = [](long o, CWnd* p) { return CFcPropertyWnd().Create(o, p); };
const Maker kReservoir = [](long o, CWnd* p) { return CkelPropertyWnd().Create(o, p); };
const Maker kSingleWell = [](long o, CWnd* p) { return CSglPropertyWnd().Create(o, p); };

struct Shown {
    std::string name;
    ScObjInterface* object;
};

// The ruler frame, whose page writes styles, colours, positions, fonts, texts and three widths
// without a stamp: every field it keeps.
void DumpFrame(sweep::State& state, const ScRulerFrame& frame) {
    Fields(state, "图框", &frame, ".线型", &ScRulerFrame::GetFrameLineStyle, ".横向网格线型",
           &ScRulerFrame::GetFirstGridLineStyle, ".纵向网格线型", &ScRulerFrame::GetSecondGridLineStyle, ".粗细",
           AsSize(&ScRulerFrame::GetFrameLineSize), ".起始深度", &ScRulerFrame::GetStartDepth, ".终止深度",
           &ScRulerFrame::GetEndDepth, ".左右间隔", &ScRulerFrame::GetLRMarkInterval, ".横向间隔",
           &ScRulerFrame::GetLevelMarkInterval, ".图头偏移", &ScRulerFrame::GetTitleOffset, ".落款偏移",
           &ScRulerFrame::GetInscribeOffset);
    state.Put("图框.文字", std::string(frame.GetTitleText().str()) + "/" + frame.GetInscribeText().str());
    for (int i = 0; i < RF_TIMES_COUNT; ++i)
        state.Put("图框.频度" + std::to_string(i), frame.GetTimes(static_cast<RulerFrameTimesType>(i)));
    for (int i = 0; i < RF_LENGTH_COUNT; ++i)
        state.Size("图框.长度" + std::to_string(i), frame.GetMarkLength(static_cast<RulerFrameMarkLengthType>(i)));
    for (int i = 0; i < RF_SIZE_COUNT; ++i)
        state.Size("图框.大小" + std::to_string(i), frame.GetRulerFrameFSize(static_cast<RulerFrameFSizeType>(i)));
    for (int i = 0; i < 2; ++i) state.Put("图框.网格间隔" + std::to_string(i), frame.GetGridInterval(i));
    std::string flags;
    for (int i = 0; i < RF_COLOR_COUNT; ++i)
        flags += std::to_string(frame.GetMarkClr(static_cast<RulerFrameColorType>(i))) + ",";
    for (int i = 0; i < RF_SHOW_COUNT; ++i) flags += frame.GetShow(static_cast<RulerFrameShowType>(i)) ? "是," : "否,";
    for (int i = 0; i < RF_POS_COUNT; ++i)
        flags += std::to_string(frame.GetPos(static_cast<RulerFramePosType>(i))) + ",";
    state.Put("图框.颜色显示位置", flags);
    for (int i = 0; i < RF_FONT_COUNT; ++i)
        state.Font("图框.字体" + std::to_string(i), frame.GetRulerFrameFont(static_cast<RulerFrameLogFontType>(i)));
}

// A navigation map: its rectangle, pens, flags, well-name font and symbols, written without a
// stamp.
void DumpMap(sweep::State& state, const std::string& key, ScLookDownForm& map) {
    const FLOATRECT rect = map.GetMapRect();
    state.Put(key, ".矩形",
              std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.right) + "," +
                  std::to_string(rect.bottom));
    Fields(state, key, &map, ".图框", &ScLookDownForm::GetFrameLine, ".图框线型", &ScLookDownForm::GetFrameLineStyle,
           ".剖面线", &ScLookDownForm::GetLine, ".剖面线线型", &ScLookDownForm::GetLineStyle, ".投影线",
           &ScLookDownForm::GetShadeLine, ".保持比例", &ScLookDownForm::IsWHScaleMaintain, ".显示井名",
           &ScLookDownForm::IsWellNameShowing, ".显示剖面线", &ScLookDownForm::IsLineShowing, ".显示投影线",
           &ScLookDownForm::IsLineShadeShowing);
    QXLOGFONT* font = nullptr;
    map.GetLogFont(font);
    if (font) state.Font(key, ".井名", *font);
    state.Point(key, ".井符号", map.GetLogPoint(0));
    state.Put(key, ".井符号风格", static_cast<double>(map.GetLogPointStyle(0)));
    state.Point(key, ".投影符号", map.GetLogPoint(3));
    state.Put(key, ".投影符号风格", static_cast<double>(map.GetLogPointStyle(3)));
}

// The wells of a section and the objects the sweep shows, through their getters and stamps.
template <class Container>
void DumpSection(oriel::SectionFixture<Container>& world, const std::vector<Shown>& shown, sweep::State& state) {
    state.Put("section.stamp", std::to_string(world.Object()->GetTimeStamp()));
    for (int i = 0; i < world.WellCount(); ++i) {
        IkelWellAdapter& well = world.Well(i);
        const std::string key = well.GetName();
        Fields(state, key, &well, ".宽度", AsSize(&IkelWellAdapter::GetWidth), ".顶深", &IkelWellAdapter::GetTopDepth,
               ".底深", &IkelWellAdapter::GetBottomDepth, ".模板", &IkelWellAdapter::GetTemplate);
        // Its place, which a new scale moves by the ratio of the scales.
        state.Put(key, ".x", well.GetPosition().x).Put(key, ".y", well.GetPosition().y);
    }
    // The scales, in the record and in the section's scaler.
    state.Put("剖面.横向比例", world.Record().m_dXScale).Put("剖面.纵向比例", world.Record().m_dYScale);
    if (const ScScaler* scaler = world.Section().GetScaler())
        state.Put("scaler.x", scaler->GetXScale()).Put("scaler.y", scaler->GetYScale());
    for (const Shown& s : shown) state.Put(s.name + ".stamp", std::to_string(s.object->GetTimeStamp()));
    // The display record's pens and fonts, which the graph, sand and fault-line pages write
    // without a stamp, and the name fonts the stratum-line page hands to the stratum groups.
    const CMapProperty& record = world.Record();
    Fields(state, "剖面", &record, ".断失层位", &CMapProperty::m_virStratumPen, ".层名",
           &CMapProperty::m_stratumNameFont, ".包络线", &CMapProperty::m_envelopePen, ".相接触界面",
           &CMapProperty::m_interfacePen, ".油气水界面", &CMapProperty::m_oswPen, ".断层线",
           &CMapProperty::m_faultLinePen);
    if (CStratumGroupManager* groups = world.Section().GetStratumGroupManager())
        for (unsigned int i = 0; i < groups->GetNum(); ++i)
            for (const char* stratum : {"1", "2"}) {
                QXLOGFONT font;
                if (groups->GetObj(i)->GetStratumNameFont(stratum, font))
                    state.Font("地层组" + std::to_string(i) + "." + stratum, font);
            }
    if (ScLookDownForm* map = world.Section().GetLookDownForm()) DumpMap(state, "导航图", *map);
    if (const ScRulerFrame* frame = world.Section().GetRulerFrame()) DumpFrame(state, *frame);
}

// A distance or depth scale: its sizes, fonts and line.
void DumpScale(sweep::State& state, const std::string& key, ScDisScale& scale) {
    state.Put(key, std::to_string(scale.GetStep()) + "/" + std::to_string(scale.GetStyle()) + "/" +
                       std::to_string(scale.GetAglin()) + "/" + std::to_string(scale.GetDigit()) + "/" +
                       std::string(scale.GetScaleName().str()) + "/" + std::string(scale.GetContent().str()) + "/" +
                       std::string(scale.GetWordText().str()) + "/" + std::to_string(scale.GetContentColor()) + "/" +
                       std::to_string(scale.GetLogColor()) + "/" + std::to_string(scale.GetLineColor()) + "/" +
                       std::to_string(scale.GetLineStyle()));
    Fields(state, key, &scale, ".高度", &ScDisScale::GetHeight, ".间隔", &ScDisScale::GetInterval, ".偏移",
           &ScDisScale::GetContentOffset, ".内容大小", AsSize(&ScDisScale::GetContentSize), ".标注大小",
           AsSize(&ScDisScale::GetLogSize), ".线宽", AsSize(&ScDisScale::GetLineSize), ".内容",
           &ScDisScale::GetContentFont, ".标注", &ScDisScale::GetLogFont);
}

// A stratum cell: its pen and font, its boundary line and its interval fill.
void DumpCell(sweep::State& state, const std::string& key, CStratumCell& cell) {
    QXLOGPEN pen;
    cell.GetStratumLogPen(&pen);
    state.Pen(key, pen);
    state.Font(key, cell.GetStratumFont());
    if (CQXObjectPolyline* line = cell.GetStratumLine())
        Fields(state, key, line, ".line", &CQXObjectPolyline::GetLogPen);
    if (CQXObjectFill* fill = cell.GetStratumFill()) Fields(state, key, fill, ".fill", &CQXObjectFill::GetLogBrush);
}

// A fault point's symbol, label and fault data, which its page writes without a stamp.
void DumpFaultPoint(sweep::State& state, const CrFaultPoint& point) {
    state.Point("断点", point.GetLogPoint());
    Fields(state, "断点", &point, ".标注", &CrFaultPoint::GetLabelFont, ".显示标注", &CrFaultPoint::IsShowLabel,
           ".显示位置", &CrFaultPoint::GetDisplayStyle, ".标注位置", &CrFaultPoint::GetPosStyle, ".横向偏移",
           &CrFaultPoint::GetXOffset, ".纵向偏移", &CrFaultPoint::GetYOffset, ".应用到", &CrFaultPoint::GetApplyType,
           ".断点号", &CrFaultPoint::GetFaultNumber, ".断点深度", &CrFaultPoint::GetFaultDepth, ".断距",
           &CrFaultPoint::GetFaultDistance, ".对比井顶深", &CrFaultPoint::GetCompareDepth);
    std::string texts = std::string(point.GetFaultStraum().str()) + "/" + point.GetCompareWell().str() + "/" +
                        point.GetFaultTopStraum().str() + "/" + point.GetFaultBotStraum().str() + "/";
    for (int i = 0; i < CrFaultPoint::kMaxLabels; ++i) texts += point.GetLabel(i) + ",";
    state.Put("断点.文字", texts);
    state.Put("断点.字段数", static_cast<double>(point.GetLabelNumber()));
}

// A navigation map's height moves the edges of its rectangle (one with no height grows past its
// top), which the height reported back does not undo: the comparison of reports puts it back.
void RestoreMapWith(sweep::Sweeper& sweeper, ScLookDownForm& map) {
    sweeper.RestoreWith([&map] { return [&map, rect = map.GetMapRect()] { map.SetMapRect(rect); }; });
}

// Sizes with more digits than shown on a navigation map: the well-name font and the section line.
void SeedMap(ScLookDownForm& map) {
    QXLOGFONT* font = nullptr;
    map.GetLogFont(font);
    if (font) {
        QXLOGFONT sized = *font;
        sized.size = 99.96f;
        map.SetLogFont(&sized);
    }
    QXLOGPEN line = map.GetLine();
    line.width = 1234.5f;
    map.SetLine(line);
}

template <class Container>
void SweepMultiWell(const char* family, const Maker& maker, bool withSection) {
    oriel::MultiWellFixture<Container> world;
    CStratumCell& a = world.AddCell("1");
    CStratumCell& b = world.AddCell("1");
    CStratumCell& c = world.AddCell("2", false);
    world.AddStratumGroups(2);
    // A stored size that does not read, and sizes with more digits than shown: a scale's line, a
    // well's width, the envelope pen and the lithology fill's cell size.
    world.Distance().SetContentSize(-100);
    world.Depth().SetLineSize(99.96);
    world.World().Well(0).SetWidth(1234.5);
    world.World().Record().m_envelopePen.width = 249.96f;
    world.Frame().SetRulerFrameFSize(RF_WIDTH_H_MINOR, 99.96);
    world.Frame().SetRulerFrameFSize(RF_WIDTH_V_GRID, 1234.5);
    world.Frame().SetMarkLength(RF_LENGTH_LR_MINOR, 249.96);
    QXLOGBRUSH brush;
    world.FillObject(1).GetLogBrush(&brush);
    brush.size = 1234.5f;
    world.FillObject(1).SetLogBrush(&brush);
    std::vector<Shown> shown = {{"比例尺(距离)", &world.Distance()},
                                {"比例尺(深度)", &world.Depth()},
                                {"图框", &world.Frame()},
                                {"地层线", &a}};
    if (withSection) shown.insert(shown.begin(), {"剖面", world.World().Object()});
    for (int type = 0; type < oriel::MultiWellFixture<Container>::kFillTypes; ++type)
        shown.push_back({"砂体填充" + std::to_string(type), &world.Fill(type)});
    sweep::Sweeper sweeper(family, [&](sweep::State& state) {
        DumpSection(world.World(), shown, state);
        for (int type = 0; type < oriel::MultiWellFixture<Container>::kFillTypes; ++type) {
            Fields(state, "砂体填充" + std::to_string(type), &world.FillObject(type), "", &CQXObjectFill::GetLogBrush);
        }
        DumpCell(state, "地层线a", a);
        DumpCell(state, "地层线b", b);
        DumpCell(state, "地层线c", c);
        DumpScale(state, "比例尺(距离)", world.Distance());
        DumpScale(state, "比例尺(深度)", world.Depth());
        // The sand pages hand their brush to the section, which the stand-in records.
        oriel::testing::AppliedSandBrush applied{};
        if (oriel::testing::LastSandBrush(&applied)) {
            int sand = -1;
            for (int type = 0; type < oriel::MultiWellFixture<Container>::kFillTypes; ++type)
                if (world.Fill(type).GetSand() == applied.sand) sand = type;
            state.Put("砂体画刷",
                      std::to_string(sand) + "/" + (applied.well ? applied.well->GetName() : std::string()));
            state.Brush("砂体画刷", applied.brush);
        }
    });
    for (const Shown& s : shown) {
        if (s.object == &a) world.Select({&a, &b});
        ScObjInterface* object = s.object;
        sweeper.Sweep(
            s.name, [&maker, object](CWnd* frame) { return maker(SectionObjectArg(object), frame); },
            SectionObjectArg(object));
    }
    EXPECT_GT(sweeper.Typed(), 0);
    EXPECT_EQ(sweeper.NotCompared(), std::vector<std::string>{});
    std::cout << "[sweep] " << family << ": " << sweeper.Pages().size() << " pages, " << sweeper.Typed() << " texts, "
              << sweeper.Unopened().size() << " without a window\n";
}

TEST(SweepSection, ConnectionSectionAndItsObjects) {
    SweepMultiWell<CnConnection>("connection section", kMultiWell, true);
}

TEST(SweepSection, FenceDiagramAndItsObjects) { SweepMultiWell<KelFence::CFence>("fence diagram", kFence, true); }

TEST(SweepSection, ReservoirSectionAndItsObjects) {
    SweepMultiWell<CkelReservoir>("reservoir section", kReservoir, true);
}

// The reservoir section's own objects, as the demo host builds them: a designer well, the two
// interface lines of a flow unit, the flow unit, a control line, two fault lines and the
// navigation map.
TEST(SweepSection, ReservoirSectionObjects) {
    using namespace KelReservoir;
    oriel::SectionFixture<CkelReservoir> reservoir;
    CkelReservoir& section = reservoir.Section();
    demo::ReservoirSample sample(section);
    SeedMap(sample.map);

    const std::vector<Shown> shown = {{"设计井", &sample.designed},
                                      {"油水界面", sample.upper.get()},
                                      {"流动单元", &sample.unit},
                                      {"控制线", sample.control.get()},
                                      {"断层", section.GetFaultLineMgr()->GetObj(0).get()},
                                      {"导航图", &sample.map}};
    sweep::Sweeper sweeper("reservoir section", [&](sweep::State& state) {
        DumpSection(reservoir, shown, state);
        state.Put("设计井.顶深", sample.designed.GetTopDepth());
        state.Put("设计井.底深", sample.designed.GetBottomDepth());
        if (const QXLOGPEN* pen = sample.designed.GetLogPen()) state.Pen("设计井", *pen);
        if (const QXLOGFONT* font = sample.designed.GetLogFont()) state.Font("设计井", *font);
        state.Size("设计井.宽度", sample.designed.m_dMinWidth);
        state.Put("上界面.深度", sample.upper->GetDepth());
        state.Put("下界面.深度", sample.lower->GetDepth());
        state.Size("控制线.大小", sample.control->m_dPointSize);
        state.Pen("控制线", sample.control->GetLogPen());
        for (unsigned int i = 0; i < section.GetFaultLineMgr()->GetNum(); ++i) {
            const Fault::CkelFaultLine& fault = *section.GetFaultLineMgr()->GetObj(i);
            state.Put(fault.GetName() + ".类型",
                      std::to_string(fault.GetNoraml()) + "/" + std::to_string(fault.GetPermeable()));
            state.Pen(fault.GetName(), fault.GetLogPen());
        }
    });
    RestoreMapWith(sweeper, sample.map);
    for (const Shown& s : shown) {
        ScObjInterface* object = s.object;
        sweeper.Sweep(
            s.name, [object](CWnd* frame) { return kReservoir(SectionObjectArg(object), frame); },
            SectionObjectArg(object));
    }
    EXPECT_TRUE(sweeper.Unopened().empty());
    EXPECT_GT(sweeper.Typed(), 0);
    EXPECT_EQ(sweeper.NotCompared(), std::vector<std::string>{});
    std::cout << "[sweep] reservoir objects: " << sweeper.Pages().size() << " pages, " << sweeper.Typed() << " texts, "
              << sweeper.Unopened().size() << " without a window\n";
}

TEST(SweepSection, CorrelationSectionRulersMapsAndFaultPoints) {
    oriel::SectionFixture<CrCorrelation> section;
    ScDepthRulerMgr depthRulers(&section.Section());
    ScDepthRuler depthRuler;
    depthRuler.SetDepRulerMgr(&depthRulers);
    auto disRuler = boost::make_shared<ScDisRuler>();
    section.Section().GetDisRulerMgr()->AddDisRuler(disRuler);
    section.Section().GetDisRulerMgr()->GetSelectDisRuler().push_back(disRuler.get());
    CrFaultPoint& point = demo::AddFaultPoints(section);
    SeedMap(*section.Section().GetLookDownForm());
    QXLOGFONT label = point.GetLabelFont();
    label.size = 249.96f;
    point.SetLabelFont(label);
    point.SetXOffset(12.345);
    std::vector<Shown> shown = {{"剖面", section.Object()},
                                {"深度标尺", &depthRuler},
                                {"距离标尺", disRuler.get()},
                                {"导航图", section.Section().GetLookDownForm()},
                                {"断点", &point}};
    sweep::Sweeper sweeper("correlation section", [&](sweep::State& state) {
        DumpSection(section, shown, state);
        DumpFaultPoint(state, point);
    });
    RestoreMapWith(sweeper, *section.Section().GetLookDownForm());
    for (const Shown& s : shown) {
        ScObjInterface* object = s.object;
        sweeper.Sweep(
            s.name, [object](CWnd* frame) { return kMultiWell(SectionObjectArg(object), frame); },
            SectionObjectArg(object));
    }
    // A map layer shown in the section, through the section layer creator.
    CQXLayer* layer = section.Map()->GetLayer(0);
    layer->SetName("等值线");
    sweeper.Sweep(
        "图层", [layer](CWnd* frame) { return ScPropertyLstCreator::CreateLayerProperty(layer, frame); },
        reinterpret_cast<LPARAM>(layer));
    EXPECT_GT(sweeper.Typed(), 0);
    EXPECT_EQ(sweeper.NotCompared(), std::vector<std::string>{});
    std::cout << "[sweep] correlation section: " << sweeper.Pages().size() << " pages, " << sweeper.Typed()
              << " texts, " << sweeper.Unopened().size() << " without a window\n";
}

TEST(SweepSection, SingleWellSectionAndItsObjects) {
    pennant::SingleWellFixture world;
    world.Well().SetWidth(1234.5);  // more digits than shown
    const std::vector<Shown> shown = {{"单井剖面", world.Object()},
                                      {"井", &world.Well()},
                                      {"砂层填充", &world.Fill()},
                                      {"地层单元", world.StratumUnit(0)},
                                      {"控制线", &world.Line()}};
    sweep::Sweeper sweeper("single-well section", [&](sweep::State& state) {
        for (const Shown& s : shown) state.Put(s.name + ".stamp", std::to_string(s.object->GetTimeStamp()));
        CSglWellAdapter& well = world.Well();
        state.Size("井.宽度", well.GetWidth());
        QXLOGPEN pen;
        world.StratumUnit(0)->GetLinePen(pen);
        state.Pen("地层单元", pen);
        state.Pen("控制线", world.Line().GetLogPen());
        state.Pen("单井剖面.包络线", world.Record().m_envelopePen);
        Fields(state, "砂层填充", &world.FillObject(), "", &CQXObjectFill::GetLogBrush);
    });
    for (const Shown& s : shown) {
        ScObjInterface* object = s.object;
        sweeper.Sweep(
            s.name, [object](CWnd* frame) { return kSingleWell(SectionObjectArg(object), frame); },
            SectionObjectArg(object));
    }
    EXPECT_GT(sweeper.Typed(), 0);
    EXPECT_EQ(sweeper.NotCompared(), std::vector<std::string>{});
    std::cout << "[sweep] single-well section: " << sweeper.Pages().size() << " pages, " << sweeper.Typed()
              << " texts, " << sweeper.Unopened().size() << " without a window\n";
}

// ---- the sand pages' named conversions ----------------------------------------------------------

// The first page of the sheet whose list is a List, its window made by choosing its tab, shown
// with the object.
template <class List>
List* ListOn(CWnd* sheet, ScObjInterface* object) {
    const std::size_t tabs = sheet ? platform::TabCaptions(*sheet).size() : 0;
    for (std::size_t i = 0; i < tabs; ++i)
        if (List* list = sectiontest::PageList<List>(sheet, static_cast<int>(i))) {
            platform::SendSelectionChanged(*list, nullptr, SectionObjectArg(object));
            return list;
        }
    return nullptr;
}

// Each mode's text and a text no mode names, reported from code into the "显示" list of a sand
// page: the list reads it to the mode the conversion gives ("全部" is the pages' own 0), the record
// keeps that mode, and the item shows the conversion's text for it.
template <class List>
void CheckSandDisplay(const std::string& where, const Maker& maker, ScObjInterface* object, DWORD_PTR id,
                      const int& stored) {
    sectiontest::HostWindows host;
    const sectiontest::Owned opened(maker(SectionObjectArg(object), &host.frame));
    List* list = ListOn<List>(opened.wnd, object);
    ASSERT_NE(nullptr, list) << where;
    CBCGPProp* item = list->GetPropList().FindItemByData(id, TRUE);
    CFixedListProp* fixed = FixedListOf(item);
    ASSERT_NE(nullptr, fixed) << where;
    for (const char* text : {"全部", "射开", "连通", "无此选项"}) {
        const int mode = CString(text) == "全部" ? 0 : SandDisplayModeFromText(text);
        int read = -99;
        EXPECT_TRUE(fixed->ValueOf(text, &read)) << where << " " << text;
        EXPECT_EQ(mode, read) << where << " " << text;
        tsltest::ReportFromCode(list->GetPropList(), item, text);
        EXPECT_EQ(mode, stored) << where << " " << text;
        EXPECT_EQ(SandDisplayModeText(mode).str(), ItemText(item).str()) << where << " " << text;
    }
}

TEST(SweepSection, SandPagesReadTheirListsThroughTheNamedConversions) {
    oriel::SectionFixture<CnConnection> connection;
    CheckSandDisplay<CSandSetor>("connection", kMultiWell, connection.Object(), CSandSetor::kSandDisplayId,
                                 connection.Record().m_nSandDisplay);
    oriel::SectionFixture<KelFence::CFence> fence;
    CheckSandDisplay<CSandSetor>("fence", kFence, fence.Object(), CSandSetor::kSandDisplayId,
                                 fence.Record().m_nSandDisplay);
    oriel::SectionFixture<CkelReservoir> reservoir;
    CheckSandDisplay<CSandSetor>("reservoir", kReservoir, reservoir.Object(), CSandSetor::kSandDisplayId,
                                 reservoir.Record().m_nSandDisplay);
    pennant::SingleWellFixture single;
    CheckSandDisplay<CLstSglSandSetor>("single well", kSingleWell, single.Object(), CLstSglSandSetor::kDisplayId,
                                       single.Record().m_nSandShowMode);
}

// A sand-fill page of each fill type, and of one no row names: "解释结论" shows the type's text and
// the page builds and shows the items of the type that text converts to; a text reported into it
// is refused, so the page goes on reading the type its items were built for.
TEST(SweepSection, SandFillPagesReadTheirTypeFromItsText) {
    oriel::MultiWellFixture<CnConnection> world;
    for (int type : {0, 1, 2, 3, 4, 5, 9}) {
        sectiontest::HostWindows host;
        CnSandFill& fill = world.Fill(std::min(type, 5));
        fill.SetSymFillType(static_cast<SymbolFillType>(type));
        const sectiontest::Owned opened(kMultiWell(SectionObjectArg(&fill), &host.frame));
        CLstSandFill* list = ListOn<CLstSandFill>(opened.wnd, &fill);
        ASSERT_NE(nullptr, list) << type;
        CBCGPPropList& grid = list->GetPropList();
        CBCGPProp* typeItem = grid.FindItemByData(CLstSandFill::kTypeId, TRUE);
        ASSERT_NE(nullptr, typeItem) << type;
        const std::string shown = ItemText(typeItem).str();
        EXPECT_EQ(CLstSandFill::FillTypeText(fill.GetSymFillType()), shown) << type;
        const int read = CLstSandFill::FillTypeOfText(shown.c_str());
        EXPECT_EQ(read == SYMFILL_FACIES || read == SYMFILL_OIL,
                  grid.FindItemByData(CLstSandFill::kSymbolId, FALSE) != nullptr)
            << type;
        EXPECT_EQ(read == SYMFILL_LITH, grid.FindItemByData(CLstSandFill::kLithologyGroupId, FALSE) != nullptr) << type;
        EXPECT_EQ(read == SYMFILL_SINGLE, grid.FindItemByData(CLstSandFill::kFillGroupId, FALSE) != nullptr) << type;
        const char* other = type == SYMFILL_LITH ? "沉积相填充" : "砂岩填充";
        tsltest::ReportFromCode(grid, typeItem, other);
        EXPECT_EQ(shown, ItemText(typeItem).str()) << type;
    }
}

}  // namespace
