// The demo host: links the module as a host does (its entry runs when it is loaded and
// again when it is unloaded), builds sample objects, opens their property windows, prints
// them as text and replays a scripted session of edits.
#include <iostream>

#include "ChartDemo.h"
#include "DemoPanes.h"
#include "GalleryPane.h"
#include "PlaneMapDemo.h"
#include "ProfileLineDemo.h"
#include "SectionDemo.h"
#include "WellPlotDemo.h"
#include "WindowPrinter.h"
#include "bcg/ColorProp.h"
#include "bcg/PropList.h"
#include "driver/GridDriver.h"
#include "driver/SheetDriver.h"
#include "framework/ModuleEntry.h"
#include "framework/PropWndMgr.h"

namespace {

void PrintObject(const demo::SampleObject& o) {
    std::cout << "object: 名称=" << o.name.str() << " 线宽=" << o.width << " 可见=" << (o.visible ? "是" : "否")
              << " 颜色=0x" << std::hex << o.color << std::dec << " 对齐=" << o.align.str() << "\n";
}

CBCGPPropList& GridOfPage(CPropWndMgr& sheet, int page) {
    if (CBCGPPropList* grid = hostapp::FindGrid(*sheet.GetPage(page))) return *grid;
    throw std::logic_error("page has no grid");
}

void Step(const char* what) { std::cout << "\n== " << what << "\n"; }

}  // namespace

int main() {
    std::cout << "module attached: " << (GetTessalyModuleHandle() ? "yes" : "no") << "\n";

    CWnd frame;
    frame.CreateEx(0, nullptr, "Tessaly Host", WS_VISIBLE, CRect(0, 0, 360, 480), nullptr, 0);
    CWnd view;
    view.Create(nullptr, "view", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 200), &frame, 100);

    demo::SampleObject object;
    auto* sheet = new CPropWndMgr(0, 0);
    sheet->AddLstPage(new demo::GeneralList, "常规");
    sheet->AddLstPage(new demo::StyleList, "样式");
    sheet->Initialize();
    if (!sheet->Create(&frame, WS_CHILD | WS_VISIBLE, 0)) {
        std::cerr << "the sheet could not be created\n";
        return 1;
    }

    Step("select the sample object");
    platform::SendSelectionChanged(*sheet, &view, reinterpret_cast<LPARAM>(&object));
    hostapp::PrintPropertyWindow(std::cout, *sheet);

    Step("type 1.25 into 线宽, pick 否 for 可见");
    platform::GridDriver general(&GridOfPage(*sheet, 0));
    general.TypeText(general.FindByData(demo::GeneralList::kWidthId), "1.25");
    general.PickOption(general.FindByData(demo::GeneralList::kVisibleId), "否");
    PrintObject(object);

    Step("choose the tab 样式 and pick 右对齐, colour red");
    platform::ChooseTab(*sheet, 1);
    platform::SendSelectionChanged(*sheet, &view, reinterpret_cast<LPARAM>(&object));
    platform::GridDriver style(&GridOfPage(*sheet, 1));
    style.PickOption(style.FindByData(demo::StyleList::kAlignId), "右对齐");
    style.ChooseColor(static_cast<CBCGPColorProp*>(style.FindByData(demo::StyleList::kColorId)), RGB(255, 0, 0));
    PrintObject(object);
    std::cout << "view repainted " << view.GetPaintCounters().paint << " times\n";

    Step("the sheet after the edits");
    hostapp::PrintPropertyWindow(std::cout, *sheet);

    platform::DestroyAndDelete(sheet);

    Step("the item-group gallery, as a single list");
    demo::StyleSample sample;
    sample.font.SetFaceName("宋体");
    sample.font.size = 1200;
    sample.floatFont = sample.font;
    sample.pen.width = 50;
    auto* gallery = new demo::GalleryPane(&sample);
    gallery->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 360, 1400), &frame, 2);
    platform::SendSelectionChanged(*gallery, &view, reinterpret_cast<LPARAM>(&sample));
    hostapp::PrintPropertyWindow(std::cout, *gallery);

    Step("type a refused size \"abc\" into 标注字体/大小, then 10.5");
    platform::GridDriver galleryGrid(&gallery->GetPropList());
    CBCGPProp* size = galleryGrid.FindByData(demo::GalleryPane::kFloatFont + 2);
    galleryGrid.TypeText(size, "abc");
    std::cout << "大小 shows " << platform::GridDriver::Info(size).value << ", stored " << sample.floatFont.size << "\n";
    galleryGrid.TypeText(size, "10.5");
    std::cout << "大小 shows " << platform::GridDriver::Info(size).value << ", stored " << sample.floatFont.size << "\n";

    platform::DestroyAndDelete(gallery);

    Step("the plane map: a scripted session over its objects");
    demo::RunPlaneMapDemo(frame, view, std::cout);
    demo::RunWellPlotDemo(frame, view, std::cout);
    demo::RunChartDemo(frame, view, std::cout);

    Step("sections: sample correlation, connection, fence and reservoir sections");
    demo::RunSectionDemo(frame, view, std::cout);

    Step("profile lines: a sample graph, its layer window and each object kind");
    demo::RunProfileLineDemo(frame, view, std::cout);

    frame.DestroyWindow();
    return 0;
}
