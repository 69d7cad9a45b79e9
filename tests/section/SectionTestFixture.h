// Section windows opened in a host window and driven as a user would: the host announces the
// selection, the user types, picks and clicks, the test reads items, cells and the section.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bcg/ColorProp.h"
#include "bcg/PropList.h"
#include "driver/GridDriver.h"
#include "driver/SheetDriver.h"
#include "framework/PropWndMgr.h"
#include "framework/WndLst.h"
#include "framework/WndPag.h"
#include "hosttypes/Oriel/OrielTesting.h"
#include "mfc/Wnd.h"
#include "section/SectionObject.h"
#include "support/ReportFromCode.h"

namespace sectiontest {

struct HostWindows {
    CWnd frame;
    CWnd view;
    HostWindows() {
        frame.CreateEx(0, nullptr, "host", WS_VISIBLE, CRect(0, 0, 400, 800), nullptr, 0);
        view.Create(nullptr, "view", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &frame, 100);
    }
    ~HostWindows() { frame.DestroyWindow(); }
};

// What the host does with a window a creator handed it: destroys and deletes it when done.
struct Owned {
    CWnd* wnd;
    explicit Owned(CWnd* w) : wnd(w) {}
    ~Owned() { platform::DestroyAndDelete(wnd); }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    std::vector<std::string> Tabs() const {
        return wnd ? platform::TabCaptions(*wnd) : std::vector<std::string>{"<none>"};
    }
};

// Whether the section library's log holds the entry.
inline bool Logged(const std::string& entry) {
    for (const std::string& e : oriel::testing::CallLog())
        if (e == entry) return true;
    return false;
}
inline int CountLogged(const std::string& entry) {
    int n = 0;
    for (const std::string& e : oriel::testing::CallLog()) n += e == entry ? 1 : 0;
    return n;
}

// A list on its own in the host frame (as a page would hold it), with the driver's hands.
template <class List>
class OpenList {
public:
    explicit OpenList(List* list) : list_(list) {
        created_ = list_->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &host_.frame, 2);
        if (created_) platform::ResizeWindow(*list_, 360, 1200);
    }
    ~OpenList() { platform::DestroyAndDelete(list_); }
    OpenList(const OpenList&) = delete;
    OpenList& operator=(const OpenList&) = delete;

    bool Created() const { return created_; }
    List& list() { return *list_; }
    platform::GridDriver grid() { return platform::GridDriver(&list_->GetPropList()); }
    // The host's selection message with the section object.
    void Show(ScObjInterface* object) { platform::SendSelectionChanged(*list_, &host_.view, SectionObjectArg(object)); }
    CBCGPProp* Item(DWORD_PTR id) {
        CBCGPProp* item = list_->GetPropList().FindItemByData(id, TRUE);
        EXPECT_NE(nullptr, item) << "no item " << id;
        return item;
    }
    std::string Value(DWORD_PTR id) {
        CBCGPProp* item = Item(id);
        return item ? platform::GridDriver::Info(item).value : std::string();
    }
    bool Shown(DWORD_PTR id) {
        CBCGPProp* item = Item(id);
        return item && item->IsVisible();
    }
    bool Type(DWORD_PTR id, const std::string& text) { return grid().TypeText(Item(id), text); }
    // A change of the item reported from code rather than typed: the item takes the text unjudged.
    void Report(DWORD_PTR id, const char* text) {
        if (CBCGPProp* item = Item(id)) tsltest::ReportFromCode(list_->GetPropList(), item, text);
    }
    bool Pick(DWORD_PTR id, const std::string& option) { return grid().PickOption(Item(id), option); }
    // Reports from code the texts every width or size reader refuses (below zero, past a float);
    // the item keeps showing shown.
    void ExpectRefusedReportsShow(DWORD_PTR id, const std::string& shown) {
        for (const char* text : {"-1", "1e39"}) {
            Report(id, text);
            EXPECT_EQ(shown, Value(id)) << id << " " << text;
        }
    }
    // A colour picked in the colour item, or (automatic) its "自动" button.
    bool ChooseColor(DWORD_PTR id, COLORREF color) {
        return grid().ChooseColor(dynamic_cast<CBCGPColorProp*>(Item(id)), color);
    }
    bool ChooseAutomatic(DWORD_PTR id) { return grid().ChooseAutomatic(dynamic_cast<CBCGPColorProp*>(Item(id))); }

private:
    HostWindows host_;
    List* list_;
    bool created_ = false;
};

// The list of a sheet's page, its window made by choosing the page's tab.
template <class List>
List* PageList(CWnd* sheet, int index) {
    auto* mgr = dynamic_cast<CPropWndMgr*>(sheet);
    if (!mgr || !platform::ChooseTab(*sheet, index)) return nullptr;
    auto* page = dynamic_cast<CWndPag*>(mgr->GetPage(index));
    return page ? dynamic_cast<List*>(page->GetWndLst()) : nullptr;
}

}  // namespace sectiontest
