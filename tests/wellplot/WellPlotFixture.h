// A well-plot page opened in a host window over the sample plot, driven as a user would: the
// host announces the selected kit, the user types and picks, the test reads items and the log.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "bcg/ColorProp.h"
#include "bcg/PropList.h"
#include "driver/GridDriver.h"
#include "driver/SheetDriver.h"
#include "framework/WndLst.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hostlibs/Zephyr/PlotFixture.h"
#include "hosttypes/Zephyr/WpContent.h"
#include "hosttypes/Zephyr/WpTrack.h"
#include "hosttypes/Zephyr/WpWaterEntry.h"
#include "hosttypes/Zephyr/WpWell.h"
#include "mfc/Variant.h"
#include "mfc/Wnd.h"
#include "planemap/PlaneListFixture.h"
#include "support/ReportFromCode.h"
#include "wellplot/KitPage.h"

namespace wptest {

// A host frame with a view, as the plane-map tests have it.
using HostWindows = planetest::HostWindows;

// The kit's title font given size hundredths.
inline void SetTitleSize(CWpKit* kit, float size) {
    QXLOGFONT font = wellplot::TitleFontOf(kit);
    font.size = size;
    kit->SetTitleFont(&font);
}

// What makes a page for the first kit of class Kit in the sample plot.
template <class List, class Kit>
std::function<List*(zephyr::PlotFixture&)> ForFirst() {
    return [](zephyr::PlotFixture& plot) { return new List(plot.template First<Kit>()); };
}

// The sample plot and one page of class List made from list (the page owns nothing of the plot).
template <class List>
class OpenPage {
public:
    explicit OpenPage(List* list = new List) : list_(list) {
        plot_.BuildSample();
        CreateList();
    }
    // A page made for a kit of the sample plot, as the creator makes the pages that keep their kit.
    explicit OpenPage(const std::function<List*(zephyr::PlotFixture&)>& make) {
        plot_.BuildSample();
        list_ = make(plot_);
        CreateList();
    }
    ~OpenPage() { platform::DestroyAndDelete(list_); }
    OpenPage(const OpenPage&) = delete;
    OpenPage& operator=(const OpenPage&) = delete;

    List& list() { return *list_; }
    zephyr::PlotFixture& plot() { return plot_; }
    CWpWell* well() { return plot_.Well(); }
    CWpDepth* depth() { return plot_.First<CWpDepth>(); }
    CWpTrack* track(int i = 0) {
        int seen = 0;
        for (CWpKit* kit : plot_.AllKits())
            if (kit->GetRuntimeClass() == RUNTIME_CLASS(CWpTrack) && seen++ == i) return static_cast<CWpTrack*>(kit);
        return nullptr;
    }
    platform::GridDriver grid() { return platform::GridDriver(&list_->GetPropList()); }

    // The host's selection message for a kit; the log starts empty after it.
    void Show(CObject* kit) {
        platform::SendSelectionChanged(*list_, &host_.view, reinterpret_cast<LPARAM>(kit));
        parsnip::testing::ClearCallLog();
    }
    // The same, keeping what the refresh logged.
    void ShowKeepingLog(CObject* kit) {
        platform::SendSelectionChanged(*list_, &host_.view, reinterpret_cast<LPARAM>(kit));
    }

    CBCGPProp* Item(DWORD_PTR id) {
        CBCGPProp* item = list_->GetPropList().FindItemByData(id, TRUE);
        EXPECT_NE(nullptr, item) << "no item " << id;
        return item;
    }
    CBCGPProp* Path(const std::string& path) {
        CBCGPProp* item = grid().FindByPath(path);
        EXPECT_NE(nullptr, item) << "no item " << path;
        return item;
    }
    static std::string Value(CBCGPProp* item) { return item ? platform::GridDriver::Info(item).value : std::string(); }
    std::string Value(DWORD_PTR id) { return Value(Item(id)); }
    static std::vector<std::string> Options(CBCGPProp* item) {
        return item ? platform::GridDriver::Info(item).options : std::vector<std::string>();
    }
    bool Enabled(DWORD_PTR id) {
        CBCGPProp* item = Item(id);
        return item && item->IsEnabled();
    }
    bool Type(CBCGPProp* item, const std::string& text) { return grid().TypeText(item, text); }
    bool Type(DWORD_PTR id, const std::string& text) { return Type(Item(id), text); }
    bool Pick(CBCGPProp* item, const std::string& option) { return grid().PickOption(item, option); }
    bool Pick(DWORD_PTR id, const std::string& option) { return Pick(Item(id), option); }
    void Report(CBCGPProp* item, const _variant_t& value) { tsltest::ReportFromCode(list_->GetPropList(), item, value); }
    bool Color(CBCGPProp* item, COLORREF color) {
        return grid().ChooseColor(dynamic_cast<CBCGPColorProp*>(item), color);
    }
    int Redraws() const { return host_.view.GetPaintCounters().invalidate; }

private:
    void CreateList() {
        list_->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &host_.frame, 2);
        platform::ResizeWindow(*list_, 360, 1600);  // every row reachable by a click
    }

    HostWindows host_;
    zephyr::PlotFixture plot_;
    List* list_ = nullptr;
};

// The operations logged on one kit, in order (names only).
inline std::vector<std::string> CallsOn(const void* kit) {
    std::vector<std::string> names;
    for (const parsnip::testing::Call& call : parsnip::testing::CallLog())
        if (call.target == kit) names.push_back(call.operation);
    return names;
}

inline std::vector<std::string> AllCalls() {
    std::vector<std::string> names;
    for (const parsnip::testing::Call& call : parsnip::testing::CallLog()) names.push_back(call.operation);
    return names;
}

using Names = std::vector<std::string>;

// A value reported from code that the page refuses: the item shows the stored value as the refresh
// does, and nothing is written, called or redrawn.
template <class List>
void ExpectShownAgain(OpenPage<List>& page, CBCGPProp* item, const _variant_t& reported, const std::string& shown,
                      const std::string& what) {
    ASSERT_NE(item, nullptr) << what;
    parsnip::testing::ClearCallLog();
    const int redraws = page.Redraws();
    page.Report(item, reported);
    EXPECT_EQ(OpenPage<List>::Value(item), shown) << what;
    EXPECT_EQ(AllCalls(), Names()) << what;
    EXPECT_EQ(page.Redraws(), redraws) << what;
}
template <class List>
void ExpectShownAgain(OpenPage<List>& page, DWORD_PTR id, const _variant_t& reported, const std::string& shown,
                      const std::string& what) {
    ExpectShownAgain(page, page.Item(id), reported, shown, what);
}
// The same where the item shows the stored value already: it shows its text from before again.
template <class List>
void ExpectShownAgain(OpenPage<List>& page, DWORD_PTR id, const _variant_t& reported, const std::string& what) {
    ExpectShownAgain(page, id, reported, page.Value(id), what);
}

}  // namespace wptest
