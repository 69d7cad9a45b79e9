#include "SectionDemo.h"

#include <functional>
#include <string>
#include <vector>

#include "MultiWellDemo.h"
#include "SectionObjectsDemo.h"
#include "WindowPrinter.h"
#include "driver/CellGridDriver.h"
#include "driver/GridDriver.h"
#include "driver/SheetDriver.h"
#include "framework/PropWndMgr.h"
#include "framework/WndPag.h"
#include "hostlibs/Halyard/Testing.h"
#include "hostlibs/Oriel/SectionFixture.h"
#include "hosttypes/Gondola/Fence.h"
#include "hosttypes/Halyard/Reservoir.h"
#include "hosttypes/Oriel/CnConnection.h"
#include "hosttypes/Oriel/CrCorrelation.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXMap.h"
#include "hosttypes/Spindle/GridCtrl.h"
#include "section/CnLstWell.h"
#include "section/FcPropertyWnd.h"
#include "section/GraphSetors.h"
#include "section/LstStratumSetor.h"
#include "section/SandSetor.h"
#include "section/ScPropertyWnd.h"
#include "section/SectionObject.h"

namespace demo {

namespace {

using KelReservoir::Connection::CkelReservoir;

// The list of a sheet's page, shown by choosing its tab.
template <class List>
List* ShowPage(CWnd& sheet, int index) {
    if (!platform::ChooseTab(sheet, index)) return nullptr;
    auto* page = dynamic_cast<CWndPag*>(static_cast<CPropWndMgr&>(sheet).GetPage(index));
    return page ? dynamic_cast<List*>(page->GetWndLst()) : nullptr;
}

void PrintCells(std::ostream& out, CGridCtrl& grid) {
    for (int r = 0; r < grid.GetRowCount(); ++r) {
        out << "  ";
        for (int c = 0; c < grid.GetColumnCount(); ++c) {
            const std::string text = grid.GetItemText(r, c).str();
            out << (text.empty() ? "·" : text) << (grid.IsCellChangable(r, c) ? "" : "*") << " ";
        }
        out << "\n";
    }
}

void PrintBytes(std::ostream& out, const CMapProperty& record) {
    out << "  settings bytes:";
    for (const CMapProperty::StratumEntry& entry : record.m_content.strata)
        out << " " << entry.first << "=0x" << std::hex << static_cast<int>(entry.second) << std::dec;
    out << "\n";
}

void PrintWells(std::ostream& out, oriel::SectionFixture<CnConnection>& section) {
    for (int i = 0; i < section.WellCount(); ++i) {
        IkelWellAdapter& well = section.Well(i);
        out << "  " << well.GetName() << ": 宽度=" << well.GetWidth() << " 顶深=" << well.GetTopDepth()
            << " 模板=" << (well.GetTemplate().empty() ? "-" : well.GetTemplate()) << "\n";
    }
}

void Destroy(CWnd* wnd) {
    if (wnd) platform::DestroyAndDelete(wnd);
}

// A correlation section and a map layer shown in it, with the host's layer switch.
void CorrelationAndLayer(CWnd& frame, CWnd& view, std::ostream& out, const std::function<void(const char*)>& step) {
    oriel::SectionFixture<CrCorrelation> section;
    step("correlation section: ScPropertyWnd::Create");
    CWnd* sheet = ScPropertyWnd().Create(SectionObjectArg(section.Object()), &frame);
    platform::SendSelectionChanged(*sheet, &view, SectionObjectArg(section.Object()));
    hostapp::PrintPropertyWindow(out, *sheet);
    if (auto* grid = ShowPage<CLstStratumSetor>(*sheet, 1)) PrintCells(out, *grid->GetGrid());
    Destroy(sheet);

    step("a layer of the section: CreateLayerProperty, then WM_USER+102 with another layer");
    CQXLayer* contour = section.Map()->GetLayer(0);
    contour->SetName("等值线");
    CQXLayer fault(section.Map());
    fault.SetName("断层");
    CWnd* layerSheet = ScPropertyLstCreator::CreateLayerProperty(contour, &frame);
    platform::SendSelectionChanged(*layerSheet, &view, reinterpret_cast<LPARAM>(contour));
    hostapp::PrintPropertyWindow(out, *layerSheet);
    platform::SendCheckValue(*layerSheet, reinterpret_cast<WPARAM>(&fault));
    out << "  after WM_USER+102 the name stays until the next selection:\n";
    hostapp::PrintPropertyWindow(out, *layerSheet);
    platform::SendSelectionChanged(*layerSheet, &view, reinterpret_cast<LPARAM>(contour));
    hostapp::PrintPropertyWindow(out, *layerSheet);
    Destroy(layerSheet);
}

void Connection(CWnd& frame, CWnd& view, std::ostream& out, const std::function<void(const char*)>& step) {
    oriel::SectionFixture<CnConnection> section;
    const LPARAM object = SectionObjectArg(section.Object());
    step("connection section: the stratum grid and the sand page");
    CWnd* sheet = ScPropertyWnd().Create(object, &frame);
    platform::SendSelectionChanged(*sheet, &view, object);
    if (auto* page = ShowPage<CLstStratumSetor>(*sheet, 1)) {
        CGridCtrl& grid = *page->GetGrid();
        PrintCells(out, grid);
        out << "  type FALSE into 填充 of stratum 1, click the header 顶界限, click 砂体 of stratum 2\n";
        platform::EditGridCell(grid, 1, 3, "FALSE");
        platform::ClickGridHeader(grid, 1);
        platform::ClickGridCell(grid, 2, 4);
        PrintBytes(out, section.Record());
        out << "  map modified: " << section.Map()->GetModifyFlag() << "\n";
    }
    if (auto* sand = ShowPage<CSandSetor>(*sheet, 2)) {
        platform::SendSelectionChanged(*sheet, &view, object);
        platform::GridDriver grid(&sand->GetPropList());
        out << "  pick 单一填充, Lh/(h+1), 连通; the second river shape\n";
        grid.PickOption(grid.FindByData(CSandSetor::kFillTypeId), "单一填充");
        grid.PickOption(grid.FindByData(CSandSetor::kPinchoutLengthId), "Lh/(h+1)");
        grid.PickOption(grid.FindByData(CSandSetor::kSandDisplayId), "连通");
        grid.PickDropDownEntry(grid.FindByData(CSandSetor::kRiverShapeId), 1);
        const CMapProperty& record = section.Record();
        out << "  record: 填充类型=" << record.m_nFillType << " 尖灭长度=" << record.m_nPinchoutLength
            << " 砂层显示=" << record.m_nSandDisplay << " 河道相=" << record.m_nRiverShape << "\n";
        platform::SendSelectionChanged(*sheet, &view, object);
        hostapp::PrintPropertyWindow(out, *sheet);
    }
    Destroy(sheet);

    step("wells of the connection: ScPropertyWnd::Create on a well");
    CWnd* wells = ScPropertyWnd().Create(SectionObjectArg(&section.Well(2)), &frame);
    platform::SendSelectionChanged(*wells, &view, SectionObjectArg(&section.Well(2)));
    hostapp::PrintPropertyWindow(out, *wells);
    if (auto* page = ShowPage<CnLstWell>(*wells, 0)) {
        platform::GridDriver grid(&page->GetPropList());
        out << "  width 2, then 0.4 (below the minimum); top depth 1500; template 连井模板[工区]\n";
        grid.TypeText(grid.FindByData(CnLstWell::kWidthId), "2");
        grid.TypeText(grid.FindByData(CnLstWell::kWidthId), "0.4");
        grid.TypeText(grid.FindByData(CnLstWell::kTopDepthId), "1500");
        grid.PickOption(grid.FindByData(CnLstWell::kTemplateId), "连井模板[工区]");
        PrintWells(out, section);
        platform::SendSelectionChanged(*wells, &view, SectionObjectArg(&section.Well(2)));
        hostapp::PrintPropertyWindow(out, *wells);
    }
    Destroy(wells);
}

void FenceAndReservoir(CWnd& frame, CWnd& view, std::ostream& out, const std::function<void(const char*)>& step) {
    {
        oriel::SectionFixture<KelFence::CFence> fence;
        step("fence diagram: CFcPropertyWnd::Create on the fence and on a well");
        CWnd* sheet = CFcPropertyWnd().Create(SectionObjectArg(fence.Object()), &frame);
        platform::SendSelectionChanged(*sheet, &view, SectionObjectArg(fence.Object()));
        hostapp::PrintPropertyWindow(out, *sheet);
        Destroy(sheet);
        CWnd* well = CFcPropertyWnd().Create(SectionObjectArg(&fence.Well(0)), &frame);
        platform::SendSelectionChanged(*well, &view, SectionObjectArg(&fence.Well(0)));
        hostapp::PrintPropertyWindow(out, *well);
        Destroy(well);
    }
    oriel::SectionFixture<CkelReservoir> reservoir;
    step("reservoir section: CkelPropertyWnd::Create, the sand page");
    CWnd* sheet = CkelPropertyWnd().Create(SectionObjectArg(reservoir.Object()), &frame);
    if (auto* sand = ShowPage<CSandSetor>(*sheet, 2)) {
        platform::SendSelectionChanged(*sheet, &view, SectionObjectArg(reservoir.Object()));
        platform::GridDriver grid(&sand->GetPropList());
        grid.PickOption(grid.FindByData(CSandSetor::kPinchoutLengthId), "1/2井距");
        out << "  尖灭长度 stored " << reservoir.Record().m_nPinchoutLength << "\n";
        hostapp::PrintPropertyWindow(out, *sheet);
    }
    Destroy(sheet);
    step("reservoir section: CkelPropertyWnd::Create on a well, a top depth of 1500 (an elevation)");
    CWnd* well = CkelPropertyWnd().Create(SectionObjectArg(&reservoir.Well(0)), &frame);
    platform::SendSelectionChanged(*well, &view, SectionObjectArg(&reservoir.Well(0)));
    if (auto* page = ShowPage<CnLstWell>(*well, 0)) {
        platform::GridDriver grid(&page->GetPropList());
        grid.TypeText(grid.FindByData(CnLstWell::kTopDepthId), "1500");
        out << "  W1 top depth stored " << reservoir.Well(0).GetTopDepth() << "\n";
    }
    hostapp::PrintPropertyWindow(out, *well);
    Destroy(well);
    reservoir.Section().SetPropertyValid(false);
    out << "  with property windows refused: "
        << (CkelPropertyWnd().Create(SectionObjectArg(reservoir.Object()), &frame) ? "a sheet" : "no window") << "\n";
}

// ---- graph settings ----

void PrintLog(std::ostream& out, const char* library, const std::vector<std::string>& log) {
    out << "    " << library << ":";
    for (const std::string& entry : log) out << " " << entry << ";";
    out << "\n";
}

// One edit on a "图设置" page, with the calls it made into the section and reservoir libraries.
struct GraphSession {
    std::ostream& out;
    platform::GridDriver grid;
    std::function<void()> reselect;  // the host's selection message after an edit
    template <class Action>
    void Edit(const std::string& what, Action action) {
        oriel::testing::ClearCallLog();
        halyard::testing::ClearCallLog();
        action();
        out << "  " << what << "\n";
        PrintLog(out, "Oriel", oriel::testing::CallLog());
        PrintLog(out, "Halyard", halyard::testing::CallLog());
        reselect();
    }
    void Type(DWORD_PTR id, const std::string& text) {
        Edit(std::to_string(id) + " <- " + text, [&] { grid.TypeText(grid.FindByData(id), text); });
    }
    void Pick(DWORD_PTR id, const std::string& option) {
        Edit(std::to_string(id) + " <- " + option, [&] { grid.PickOption(grid.FindByData(id), option); });
    }
    void PickSecond(DWORD_PTR id) {
        Edit(std::to_string(id) + " <- the second template", [&] { grid.PickOption(grid.FindByData(id), 1); });
    }
};

// Opens the section's sheet through its entry, prints the "图设置" page, runs the script on it
// and prints the page again.
template <class Container>
void GraphSettingsOf(CWnd* (*open)(long, CWnd*), const char* what, CWnd& frame, CWnd& view, std::ostream& out,
                     const std::function<void(const char*)>& step,
                     const std::function<void(GraphSession&, oriel::SectionFixture<Container>&)>& script) {
    oriel::SectionFixture<Container> section;
    section.Record().m_dXScale = 1000;
    section.Record().m_dYScale = 500;
    const LPARAM object = SectionObjectArg(section.Object());
    step(what);
    CWnd* sheet = open(object, &frame);
    if (!sheet) return;
    platform::SendSelectionChanged(*sheet, &view, object);
    if (auto* page = ShowPage<CGraphSetor>(*sheet, 0)) {
        platform::SendSelectionChanged(*sheet, &view, object);
        hostapp::PrintPropertyWindow(out, *sheet);
        GraphSession session{out, platform::GridDriver(&page->GetPropList()),
                             [&] { platform::SendSelectionChanged(*sheet, &view, object); }};
        script(session, section);
        out << "  after the edits:\n";
        hostapp::PrintPropertyWindow(out, *sheet);
    }
    Destroy(sheet);
}

void GraphSettings(CWnd& frame, CWnd& view, std::ostream& out, const std::function<void(const char*)>& step) {
    using G = CGraphSetor;
    GraphSettingsOf<CrCorrelation>([](long o, CWnd* p) { return ScPropertyWnd().Create(o, p); },
                                   "correlation section: 图设置", frame, view, out, step,
                                   [](GraphSession& s, oriel::SectionFixture<CrCorrelation>&) {
                                       s.PickSecond(G::kTemplateId);
                                       s.Type(G::kYScaleId, "1:250");
                                       s.Type(G::kYScaleId, "abc");
                                       s.Pick(G::kRangeTypeId, "分层");
                                       s.Type(G::kWellWidthId, "2");
                                       s.Pick(G::kGradeId, "三级");
                                   });
    GraphSettingsOf<CnConnection>([](long o, CWnd* p) { return ScPropertyWnd().Create(o, p); },
                                  "connection section: 图设置", frame, view, out, step,
                                  [](GraphSession& s, oriel::SectionFixture<CnConnection>&) {
                                      s.Type(G::kXScaleId, "1:2000");
                                      s.Pick(G::kSpacingTypeId, "投影");
                                      s.Pick(G::kProjectionId, "Y方向");
                                      s.Type(G::kTopDepthId, "1200");
                                      s.Type(G::kWellWidthId, "0.5");
                                  });
    GraphSettingsOf<KelFence::CFence>([](long o, CWnd* p) { return CFcPropertyWnd().Create(o, p); },
                                      "fence diagram: 图设置", frame, view, out, step,
                                      [](GraphSession& s, oriel::SectionFixture<KelFence::CFence>& fence) {
                                          fence.Well(0).SetPosition(FLOATPOINT(100, 40), false);
                                          s.Type(G::kXScaleId, "1:2000");
                                          s.Type(G::kYScaleId, "1:1000");
                                          s.Pick(G::kGradeId, "一级");
                                      });
    GraphSettingsOf<CkelReservoir>([](long o, CWnd* p) { return CkelPropertyWnd().Create(o, p); },
                                   "reservoir section: 图设置", frame, view, out, step,
                                   [](GraphSession& s, oriel::SectionFixture<CkelReservoir>& reservoir) {
                                       s.Pick(G::kSpacingTypeId, "投影");
                                       s.Pick(G::kProjectionId, "按首尾连线");
                                       s.Type(G::kBottomDepthId, "1800");
                                       reservoir.Section().StartEngine();
                                       s.Pick(G::kGradeId, "三级");
                                       s.Type(G::kWellWidthId, "4");
                                   });
}

}  // namespace

void RunSectionDemo(CWnd& frame, CWnd& view, std::ostream& out) {
    const auto step = [&out](const char* what) { out << "\n== " << what << "\n"; };
    CorrelationAndLayer(frame, view, out, step);
    Connection(frame, view, out, step);
    FenceAndReservoir(frame, view, out, step);
    GraphSettings(frame, view, out, step);
    RunSectionObjectsDemo(frame, view, out);
    RunMultiWellDemo(frame, view, out);
}

}  // namespace demo
