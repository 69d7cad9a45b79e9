#include "ProfileLineDemo.h"

#include <log4cplus/consoleappender.h>
#include <log4cplus/layout.h>
#include <log4cplus/logger.h>

#include <boost/filesystem.hpp>
#include <boost/make_shared.hpp>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "WindowPrinter.h"
#include "bcg/ColorProp.h"
#include "driver/GridDriver.h"
#include "driver/SheetDriver.h"
#include "framework/PropWndMgr.h"
#include "framework/WndPag.h"
#include "hostlibs/Harrow/HarrowTesting.h"
#include "hostlibs/Lodestar/GraphFixture.h"
#include "hosttypes/Lodestar/LayerProperty.h"
#include "hosttypes/Lodestar/PlContainer.h"
#include "hosttypes/Lodestar/PlManagers.h"
#include "hosttypes/Lodestar/PlProfileline.h"
#include "hosttypes/Lodestar/PlWell.h"
#include "ProfilelineProp/PlPropertyWnd.h"
#include "ProfilelineProp/profilelineprop.h"

namespace demo {

namespace {

using namespace KelProfileline;
namespace fs = boost::filesystem;

// The sample graph: two lines and three wells, each with its label, symbols and tracks, and a
// reference map of two layers.
struct Graph : lodestar::GraphFixture {
    Graph() : lodestar::GraphFixture({"桩1", "桩2", "桩3"}) {
        auto info = boost::make_shared<CPlRefrenceInfo>();
        info->SetLayerProperty(CPropertySignle::Instance()->GetProperty());
        info->AddShowLayer("等值线", true);
        info->AddShowLayer("断层", false);
        entity.SetRefrenceInfo(info);
    }
};

// A line page made without a window: its grid cannot be made.
struct UnshownLinePage : CPlLayerLine {
    using CPlLayerLine::CPlLayerLine;
    int Fill() { return InitPropWnd(); }
};

void Step(std::ostream& out, const std::string& what) { out << "\n== " << what << "\n"; }

platform::GridDriver GridOfPage(CWnd& sheet, int index) {
    platform::ChooseTab(sheet, index);
    return platform::GridDriver(hostapp::FindGrid(*static_cast<CPropWndMgr&>(sheet).GetPage(index)));
}

void Select(CWnd& sheet, CWnd& view, CPlObjInterface* object) {
    platform::SendSelectionChanged(sheet, &view, PlObjectArg(object));
}

void PrintGraph(std::ostream& out, Graph& g) {
    const boost::shared_ptr<CLayerProperty> layer = CPropertySignle::Instance()->GetProperty();
    out << "  layer: target " << layer->m_nDataTarget << ", stratum index " << layer->m_nStratumIndex
        << ", line width " << layer->m_profileLinePen.width << ", plane map \""
        << g.entity.GetRefrenceInfo()->GetFileName() << "\"\n";
    for (CPlProfileline* line : {&g.sequence, &g.projected})
        out << "  line kind " << line->GetLineType() << ": width " << line->GetLinePen().width << ", angle "
            << line->GetAngle() << "\n";
    for (const auto& w : g.well)
        out << "  " << w->GetName() << ": label size " << w->GetWellLabel()->GetLabelFont().size << ", head size "
            << w->GetSymbol(PL_SYMBOL_HEAD)->GetSymbolLogPoint().size << ", upper track straight "
            << static_cast<int>(w->GetTrack(PL_TRACK_UPPER)->m_byStraightLine) << "\n";
}

// The five layer pages, with an edit on each of the data, line and reference pages.
void LayerWindow(CWnd& frame, CWnd& view, std::ostream& out, Graph& g) {
    Step(out, "profile-line layer: PlPropertyLstCreator::CreateLayerProp");
    std::unique_ptr<CWnd> sheet(PlPropertyLstCreator::CreateLayerProp(&g.entity, &frame));
    for (int i = 4; i >= 0; --i) platform::ChooseTab(*sheet, i);
    Select(*sheet, view, &g.entity);
    hostapp::PrintPropertyWindow(out, *sheet);

    Step(out, "数据: 井位 := 目的层(三级), then 层名 := 2");
    GridOfPage(*sheet, 0).PickOption(GridOfPage(*sheet, 0).FindByData(1002), "目的层(三级)");
    Select(*sheet, view, &g.entity);
    GridOfPage(*sheet, 0).PickOption(GridOfPage(*sheet, 0).FindByData(1003), "2");
    Step(out, "剖面线: 粗细 := 0.5; 参考信息: 显示 := 是, then 平面图选择 := A");
    GridOfPage(*sheet, 3).TypeText(GridOfPage(*sheet, 3).FindByData(CPlLayerLine::kWidthId), "0.5");
    GridOfPage(*sheet, 4).PickOption(GridOfPage(*sheet, 4).FindByData(1), "是");
    Select(*sheet, view, &g.entity);
    GridOfPage(*sheet, 4).PickOption(GridOfPage(*sheet, 4).FindByData(2), "A");
    Select(*sheet, view, &g.entity);
    hostapp::PrintPropertyWindow(out, *sheet);
    PrintGraph(out, g);
    platform::DestroyAndDelete(sheet.release());
}

// Each object kind through PlPropertyWnd, with one edit applied to the active objects.
void ObjectWindows(CWnd& frame, CWnd& view, std::ostream& out, Graph& g) {
    struct Case {
        const char* what;
        CPlObjInterface* shown;
        std::vector<CPlObjInterface*> active;
        DWORD_PTR item;
        const char* text;
    };
    const Case cases[] = {
        {"the graph entity", &g.entity, {&g.entity}, 0, nullptr},
        {"projected line, both lines active: 投影角度 := 180, then 粗细 := 0.25",
         &g.projected,
         {&g.projected, &g.sequence},
         805,
         "180"},
        {"well labels, all three active: 大小 := 10",
         g.well[0]->GetWellLabel().get(),
         {g.well[0]->GetWellLabel().get(), g.well[1]->GetWellLabel().get(), g.well[2]->GetWellLabel().get()},
         505,
         "10"},
        {"head symbol, two active: 符号/大小 := 1.5",
         g.well[0]->GetSymbol(PL_SYMBOL_HEAD).get(),
         {g.well[0]->GetSymbol(PL_SYMBOL_HEAD).get(), g.well[1]->GetSymbol(PL_SYMBOL_HEAD).get()},
         1008,
         "1.5"},
        {"upper track, alone: 轨迹显示方式 := 直线",
         g.well[2]->GetTrack(PL_TRACK_UPPER).get(),
         {g.well[2]->GetTrack(PL_TRACK_UPPER).get()},
         1006,
         "直线"},
    };
    for (const Case& c : cases) {
        Step(out, std::string("object window: ") + c.what);
        g.entity.SetActiveObjs(c.active);
        std::unique_ptr<CWnd> sheet(PlPropertyWnd().Create(PlObjectArg(c.shown), &frame));
        if (!sheet) {
            out << "(none)\n";
            continue;
        }
        platform::ChooseTab(*sheet, 0);
        Select(*sheet, view, c.shown);
        hostapp::PrintPropertyWindow(out, *sheet);
        if (c.text) {
            platform::GridDriver grid = GridOfPage(*sheet, 0);
            CBCGPProp* item = grid.FindByData(c.item);
            if (item && !item->GetOptionCount())
                grid.TypeText(item, c.text);
            else if (item)
                grid.PickOption(item, c.text);
            if (c.item == 805) grid.TypeText(grid.FindByData(803), "0.25");
            PrintGraph(out, g);
        }
        platform::DestroyAndDelete(sheet.release());
    }
}

}  // namespace

void RunProfileLineDemo(CWnd& frame, CWnd& view, std::ostream& out) {
    log4cplus::SharedAppenderPtr console(new log4cplus::ConsoleAppender(true));
    console->setLayout(std::unique_ptr<log4cplus::Layout>(new log4cplus::PatternLayout("%p %b:%L %m%n")));
    log4cplus::Logger root = log4cplus::Logger::getRoot();
    root.addAppender(console);
    root.setLogLevel(log4cplus::INFO_LOG_LEVEL);

    boost::system::error_code error;
    const fs::path project = fs::temp_directory_path(error) / fs::unique_path("tessaly-profile-%%%%-%%%%");
    fs::create_directories(project / "Map" / "Plane", error);
    for (const char* map : {"A.LVN", "B.LVN"}) std::ofstream((project / "Map" / "Plane" / map).string()) << "map";
    std::string path = project.string();
    for (char& c : path)
        if (c == '/') c = '\\';  // the host's project path separates folders with '\'
    harrow::testing::SetProjectPath(path.c_str());

    {
        Graph g;
        LayerWindow(frame, view, out, g);
        ObjectWindows(frame, view, out, g);

        Step(out, "a line page whose grid cannot be made (its failure goes to standard error)");
        UnshownLinePage page(&g.entity);
        out << "InitPropWnd answers " << page.Fill() << "\n";
    }

    fs::remove_all(project, error);
    root.removeAppender(console);
}

}  // namespace demo
