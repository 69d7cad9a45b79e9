// The host's side of a well-plot session: one open kit sheet at a time, the kit announced as the
// host announces it, its grid played through the driver; and the scripted steps of each kit family.
#pragma once

#include <ostream>
#include <string>

#include "WindowPrinter.h"
#include "driver/CellGridDriver.h"
#include "driver/GridDriver.h"
#include "driver/Responder.h"
#include "driver/SheetDriver.h"
#include "framework/PropWndMgr.h"
#include "framework/WndPag.h"
#include "hostlibs/Zephyr/PlotFixture.h"
#include "hosttypes/Zephyr/WpKit.h"
#include "wellplot/intervals/CellTypesGridCtrl.h"
#include "wellplot/intervals/LstSandStratumGrid.h"
#include "wellplot/intervals/OilTestPage.h"
#include "wellplot/intervals/PropWnd.h"

namespace demo {

// What the session changes of a kit, on one line.
std::string Describe(CWpKit* kit);
// A text with its line breaks shown as one line.
std::string OneLine(const CString& text);

// The host's side: one open sheet at a time, announced the selected kit as the host does.
class Session {
public:
    Session(CWnd& frame, CWnd& view, std::ostream& out) : frame_(frame), view_(view), out_(out) {}
    ~Session() { Close(); }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    void Select(CWpKit* kit) {
        Close();
        kit_ = kit;
        sheet_ = dynamic_cast<CPropWndMgr*>(CPropWnd::Create(kit, &frame_));
        Announce();
    }
    // The host announces the kit again (after an edit, or to fill a tab shown after the last one).
    void Announce() {
        if (sheet_) platform::SendSelectionChanged(*sheet_, &view_, reinterpret_cast<LPARAM>(kit_));
    }
    void Tab(int i) {
        if (!sheet_) return;
        platform::ChooseTab(*sheet_, i);
        Announce();
    }
    platform::GridDriver Grid() {
        if (COilTestPage* oilTest = OilTestPage()) return platform::GridDriver(&oilTest->GetPropList());
        auto* page = sheet_ ? dynamic_cast<CWndPag*>(sheet_->GetActivePage()) : nullptr;
        CBCGPPropList* grid = page && page->GetWndLst() ? hostapp::FindGrid(*page->GetWndLst()) : nullptr;
        return platform::GridDriver(grid);
    }
    CBCGPProp* Item(DWORD_PTR id) { return Grid().FindByData(id); }
    CBCGPProp* Path(const char* path) { return Grid().FindByPath(path); }
    void PrintWindow() {
        if (sheet_) hostapp::PrintPropertyWindow(out_, *sheet_);
    }
    void PrintKit() { out_ << "  " << Describe(kit_) << "\n"; }
    // The oil-test page when it is the active page.
    COilTestPage* OilTestPage() { return sheet_ ? dynamic_cast<COilTestPage*>(sheet_->GetActivePage()) : nullptr; }
    // The cell grid of the oil-test page, row by row.
    void PrintCells() {
        COilTestPage* page = OilTestPage();
        CCellTypesGridCtrl* cells = page ? page->GetCellGrid() : nullptr;
        if (!cells) return;
        out_ << "  [cells]";
        for (int c = 0; c < cells->GetColumnCount(); ++c)
            out_ << ' ' << cells->GetColumnName(c).str() << '(' << cells->GetColumnWidth(c) << ')';
        out_ << '\n';
        for (int r = 0; r < cells->GetRowCount(); ++r) {
            out_ << "   ";
            for (int c = 0; c < cells->GetColumnCount(); ++c) {
                CBCGPGridItem* item = cells->GetItem(r, c);
                out_ << " [" << (item ? item->GetLabel().str() : std::string()) << ']';
            }
            out_ << '\n';
        }
    }
    bool EditCell(int row, int col, const char* text) {
        COilTestPage* page = OilTestPage();
        return page && page->GetCellGrid() && platform::EditGridCell(*page->GetCellGrid(), row + 1, col, text);
    }
    bool DragDivider(int col, int width) {
        COilTestPage* page = OilTestPage();
        return page && page->GetCellGrid() && platform::DragGridColumnDivider(*page->GetCellGrid(), col, width);
    }
    // The cell grid of a sand-stratum option page when it is the active page.
    CLstSandStratumGrid* SandGridPage() {
        auto* page = sheet_ ? dynamic_cast<CWndPag*>(sheet_->GetActivePage()) : nullptr;
        return page ? dynamic_cast<CLstSandStratumGrid*>(page->GetWndLst()) : nullptr;
    }
    void PrintSandGrid() {
        CLstSandStratumGrid* page = SandGridPage();
        if (!page) return;
        CGridCtrEx& g = page->Grid();
        for (int r = 0; r < g.GetRowCount(); ++r) {
            out_ << "   ";
            for (int c = 0; c < g.GetColumnCount(); ++c) out_ << " [" << g.GetItemText(r, c).str() << ']';
            out_ << '\n';
        }
    }
    // The message boxes the edits brought, then forgets them.
    void PrintBoxes() {
        platform::Responder& responder = platform::Responder::Instance();
        for (const platform::MessageBoxRecord& box : responder.MessageBoxes()) out_ << "  [消息] " << box.text << "\n";
        responder.ClearMessageBoxes();
    }
    // Shows every tab in turn, announcing the kit to each, then prints the whole sheet.
    void PrintAllPages() {
        if (!sheet_) return;
        for (int i = sheet_->GetPageCount() - 1; i >= 0; --i) Tab(i);
        PrintWindow();
    }
    CWpKit* Kit() const { return kit_; }
    void Close() {
        if (sheet_) platform::DestroyAndDelete(sheet_);
        sheet_ = nullptr;
    }

private:
    CWnd& frame_;
    CWnd& view_;
    std::ostream& out_;
    CWpKit* kit_ = nullptr;
    CPropWndMgr* sheet_ = nullptr;
};


// A step's heading in the session's output.
inline void Step(std::ostream& out, const char* what) { out << "\n== " << what << "\n"; }

// The scripted steps of the symbol, text and profile kits; each family prints what it changed of
// its own kits through its Describe* line, which Describe calls.
void RunSymbolKitSteps(Session& session, zephyr::PlotFixture& plot, std::ostream& out);
void DescribeSymbolKit(CWpKit* kit, std::ostream& out);
void RunTextKitSteps(Session& session, zephyr::PlotFixture& plot, std::ostream& out);
void DescribeTextKit(CWpKit* kit, std::ostream& out);
void RunProfileKitSteps(Session& session, zephyr::PlotFixture& plot, std::ostream& out);
void DescribeProfileKit(CWpKit* kit, std::ostream& out);

}  // namespace demo
