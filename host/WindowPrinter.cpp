#include "WindowPrinter.h"

#include "bcg/PropList.h"
#include "driver/GridDriver.h"
#include "driver/SheetDriver.h"
#include "mfc/PropertySheet.h"

namespace hostapp {
namespace {

void PrintGrid(std::ostream& out, CWnd& wnd, const char* indent) {
    CBCGPPropList* grid = FindGrid(wnd);
    if (!grid) {
        out << indent << "(empty)\n";
        return;
    }
    std::string text = platform::GridDriver(grid).Dump();
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        out << indent << text.substr(start, end - start) << '\n';
        if (end == std::string::npos) break;
        start = end + 1;
    }
}

}  // namespace

CBCGPPropList* FindGrid(CWnd& wnd) {
    if (wnd.IsKindOf(RUNTIME_CLASS(CBCGPPropList))) return static_cast<CBCGPPropList*>(&wnd);
    for (CWnd* child : wnd.GetChildren())
        if (CBCGPPropList* grid = FindGrid(*child)) return grid;
    return nullptr;
}

void PrintPropertyWindow(std::ostream& out, CWnd& window) {
    if (!window.IsKindOf(RUNTIME_CLASS(CPropertySheet))) {
        out << "[list]\n";
        PrintGrid(out, window, "  ");
        return;
    }
    auto& sheet = static_cast<CPropertySheet&>(window);
    const std::vector<std::string> tabs = platform::TabCaptions(sheet);
    const int active = platform::ActiveTab(sheet);
    out << "[sheet]";
    for (std::size_t i = 0; i < tabs.size(); ++i)
        out << ' ' << (static_cast<int>(i) == active ? "*" : "") << '[' << tabs[i] << ']';
    out << '\n';
    for (int i = 0; i < sheet.GetPageCount(); ++i) {
        CPropertyPage* page = sheet.GetPage(i);
        out << "  page " << i + 1 << " \"" << (i < static_cast<int>(tabs.size()) ? tabs[i] : "") << "\"";
        if (!page->GetSafeHwnd()) {
            out << ": not shown yet\n";
            continue;
        }
        out << '\n';
        PrintGrid(out, *page, "    ");
    }
}

}  // namespace hostapp
