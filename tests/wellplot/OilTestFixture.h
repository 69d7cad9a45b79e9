// An oil-test kit of the sample plot opened in its property sheet in a host window: the oil-test
// page with its list and cell grid, as the host and the user drive them.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WellPlotFixture.h"
#include "driver/CellGridDriver.h"
#include "framework/PropWndMgr.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/DIOilTest.h"
#include "hosttypes/Zephyr/WpOilTest.h"
#include "wellplot/intervals/CellTypesGridCtrl.h"
#include "wellplot/intervals/LstOilTestPie.h"
#include "wellplot/intervals/OilTestPage.h"
#include "wellplot/intervals/PropWnd.h"

namespace wptest {

class OilTestSheet : public ::testing::Test {
protected:
    OilTestSheet() {
        plot.BuildSample();
        kit = plot.First<CWpOilTest>();
        kit->SetData(new CDIOilTest({"日产油", "日产气", "层位", "结论"}));
    }
    ~OilTestSheet() override { Close(); }

    // The kit's sheet, opened on the oil-test page.
    COilTestPage* Open() {
        Close();
        sheet = dynamic_cast<CPropWndMgr*>(CPropWnd::Create(kit, &host.frame));
        page = sheet ? dynamic_cast<COilTestPage*>(sheet->GetPage(0)) : nullptr;
        EXPECT_NE(page, nullptr);
        EXPECT_NE(page ? page->GetSafeHwnd() : nullptr, nullptr);
        return page;
    }
    void Close() {
        if (sheet) platform::DestroyAndDelete(sheet);
        sheet = nullptr;
        page = nullptr;
    }
    // The host's selection message through the sheet; the log starts empty after it.
    void Show(CObject* object, CWnd* view = nullptr) {
        platform::SendSelectionChanged(*sheet, view ? view : &host.view, reinterpret_cast<LPARAM>(object));
        parsnip::testing::ClearCallLog();
    }
    // A change made elsewhere: the next selection message re-reads the kit.
    void ShowChanged() {
        zephyr::testing::Touch(kit);
        Show(kit);
    }

    platform::GridDriver list() { return platform::GridDriver(&page->GetPropList()); }
    CCellTypesGridCtrl& cells() { return *page->GetCellGrid(); }
    CBCGPProp* Item(DWORD_PTR id) {
        CBCGPProp* item = page->GetPropList().FindItemByData(id);
        EXPECT_NE(item, nullptr) << "no item " << id;
        return item;
    }
    std::string Value(DWORD_PTR id) { return OpenPage<CWndLst>::Value(Item(id)); }
    bool Type(DWORD_PTR id, const std::string& text) { return list().TypeText(Item(id), text); }
    bool Pick(DWORD_PTR id, const std::string& option) { return list().PickOption(Item(id), option); }
    // A count item's spin: the value is stepped, then the list reports the change.
    void Spin(DWORD_PTR id, int value) { Report(id, value); }
    // A change reported from code: the item takes the value unjudged, then the list reports it.
    void Report(DWORD_PTR id, const _variant_t& value) {
        tsltest::ReportFromCode(page->GetPropList(), Item(id), value);
    }
    bool Color(DWORD_PTR id, COLORREF color) {
        return list().ChooseColor(dynamic_cast<CBCGPColorProp*>(Item(id)), color);
    }
    int Redraws() const { return host.view.GetPaintCounters().invalidate; }
    // The text the grid shows in a cell (row and column from 0).
    std::string Cell(int row, int col) {
        CBCGPGridItem* item = cells().GetItem(row, col);
        return item ? std::string(item->GetLabel().GetString()) : std::string("<none>");
    }
    // The user types into the cell (row and column from 0).
    bool EditCell(int row, int col, const std::string& text) {
        return platform::EditGridCell(cells(), row + 1, col, text);
    }

    HostWindows host;
    zephyr::PlotFixture plot;
    CWpOilTest* kit = nullptr;
    CPropWndMgr* sheet = nullptr;
    COilTestPage* page = nullptr;
};

// The pie page alone, on the sample plot's first oil-test kit, whose data has four fields.
class PiePage : public OpenPage<CLstOilTestPie> {
public:
    PiePage()
        : OpenPage([](zephyr::PlotFixture& plot) {
              auto* kit = plot.First<CWpOilTest>();
              kit->SetData(new CDIOilTest({"日产油", "日产气", "日产水", "含水"}));
              return new CLstOilTestPie(kit);
          }) {}
    CWpOilTest* kit() { return list().GetKit(); }
};

}  // namespace wptest
