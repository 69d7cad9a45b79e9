#include "FrameworkFixtures.h"
#include "driver/SheetDriver.h"
#include "framework/PropWndMgr.h"
#include "framework/WndPag.h"

using tsltest::HostWindow;
using tsltest::RecordingList;

namespace {

// A list that counts how many of its kind are alive, so deleting a sheet can be checked.
class CountedList : public RecordingList {
public:
    static int alive;
    CountedList() { ++alive; }
    ~CountedList() override { --alive; }
};
int CountedList::alive = 0;

struct ThreePages {
    RecordingList* lists[3];
    CPropWndMgr* sheet = new CPropWndMgr(0, 0);
    ThreePages() {
        const char* captions[] = {"边框", "格网", "标注"};
        for (int i = 0; i < 3; ++i) {
            lists[i] = new RecordingList;
            EXPECT_TRUE(sheet->AddLstPage(lists[i], captions[i]));
        }
        sheet->Initialize();
    }
};

TEST(Sheet, CaptionsTabsInOrderOnlyAfterCreateAndBuildsOnlyTheFirstList) {
    HostWindow host;
    ThreePages p;
    EXPECT_TRUE(platform::TabCaptions(*p.sheet).empty());
    ASSERT_TRUE(p.sheet->Create(&host.frame, WS_CHILD | WS_VISIBLE, 0));
    EXPECT_EQ(platform::TabCaptions(*p.sheet), (std::vector<std::string>{"边框", "格网", "标注"}));
    EXPECT_EQ(p.lists[0]->initCount, 1);
    EXPECT_EQ(p.lists[1]->initCount, 0);
    EXPECT_EQ(p.lists[2]->initCount, 0);
    EXPECT_NE(p.lists[0]->GetSafeHwnd(), nullptr);
    EXPECT_EQ(p.lists[1]->GetSafeHwnd(), nullptr);
    platform::DestroyAndDelete(p.sheet);
}

TEST(Sheet, SelectionReachesOnlyPagesWithAWindow) {
    HostWindow host;
    ThreePages p;
    ASSERT_TRUE(p.sheet->Create(&host.frame, WS_CHILD | WS_VISIBLE, 0));
    int object = 0;
    platform::SendSelectionChanged(*p.sheet, &host.view, reinterpret_cast<LPARAM>(&object));
    EXPECT_EQ(p.lists[0]->refreshed.size(), 1u);
    EXPECT_EQ(p.lists[1]->refreshed.size(), 0u);

    ASSERT_TRUE(platform::ChooseTab(*p.sheet, 1));
    EXPECT_EQ(p.lists[1]->initCount, 1);
    platform::SendSelectionChanged(*p.sheet, &host.view, reinterpret_cast<LPARAM>(&object));
    EXPECT_EQ(p.lists[0]->refreshed.size(), 2u);
    EXPECT_EQ(p.lists[1]->refreshed.size(), 1u);
    EXPECT_EQ(p.lists[2]->refreshed.size(), 0u);
    EXPECT_EQ(p.lists[1]->GetView(), &host.view);
    // Choosing the tab again creates nothing new.
    platform::ChooseTab(*p.sheet, 0);
    platform::ChooseTab(*p.sheet, 1);
    EXPECT_EQ(p.lists[1]->initCount, 1);
    platform::DestroyAndDelete(p.sheet);
}

TEST(Sheet, GetDialogPageMatchesTheFirstExactTitle) {
    CPropWndMgr sheet(0, 0);
    auto* first = new CWndPag(new RecordingList);
    auto* second = new CWndPag(new RecordingList);
    sheet.AddDialogPage(first, "线");
    sheet.AddDialogPage(second, "线");
    EXPECT_EQ(sheet.GetDialogPage("线"), first);
    EXPECT_EQ(sheet.GetDialogPage("Line"), nullptr);
    EXPECT_FALSE(sheet.AddLstPage(nullptr, "空"));
    EXPECT_EQ(sheet.GetTitles().GetSize(), 2);
}

TEST(Sheet, GetDialogPageIsCaseSensitive) {
    CPropWndMgr sheet(0, 0);
    auto* page = new CWndPag(new RecordingList);
    sheet.AddDialogPage(page, "Data");
    EXPECT_EQ(sheet.GetDialogPage("data"), nullptr);
    EXPECT_EQ(sheet.GetDialogPage("Data"), page);
}

TEST(Sheet, DeletingASheetDeletesEveryPageAndList) {
    HostWindow host;
    const std::size_t windowsBefore = AfxLiveWindowCount();
    {
        auto* sheet = new CPropWndMgr(0, 0);
        for (int i = 0; i < 3; ++i) sheet->AddLstPage(new CountedList, "页");
        sheet->Initialize();
        EXPECT_EQ(CountedList::alive, 3);
        delete sheet;  // never created: pages and lists go all the same
        EXPECT_EQ(CountedList::alive, 0);
    }
    {
        auto* sheet = new CPropWndMgr(0, 0);
        for (int i = 0; i < 3; ++i) sheet->AddLstPage(new CountedList, "页");
        sheet->Initialize();
        ASSERT_TRUE(sheet->Create(&host.frame, WS_CHILD | WS_VISIBLE, 0));
        platform::ChooseTab(*sheet, 2);
        platform::DestroyAndDelete(sheet);
        EXPECT_EQ(CountedList::alive, 0);
    }
    EXPECT_EQ(AfxLiveWindowCount(), windowsBefore);
}

TEST(Sheet, LayoutStretchesToTheParentAndPlacesPagesBelowTheTabs) {
    HostWindow host(300, 500);
    ThreePages p;
    ASSERT_TRUE(p.sheet->Create(&host.frame, WS_CHILD | WS_VISIBLE, 0));
    CRect sheetRect;
    p.sheet->GetClientRect(sheetRect);
    EXPECT_EQ(sheetRect.Width(), 300);

    platform::ResizeWindow(*p.sheet, 280, 400);
    CWnd* tab = p.sheet->GetTabControl();
    ASSERT_NE(tab, nullptr);
    CRect t;
    tab->GetWindowRect(t);
    p.sheet->ScreenToClient(t);
    EXPECT_EQ(t, CRect(-2, -2, 282, 402));
    CRect item;
    tab->SendMessage(TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(static_cast<LPRECT>(item)));
    const int h = item.Height() * static_cast<int>(tab->SendMessage(TCM_GETROWCOUNT));
    CRect page;
    p.sheet->GetPage(0)->GetWindowRect(page);
    p.sheet->ScreenToClient(page);
    EXPECT_EQ(page, CRect(2, h, 278, 400));
    // The list overlaps its page by one pixel on every side.
    CRect list;
    p.lists[0]->GetWindowRect(list);
    p.sheet->GetPage(0)->ScreenToClient(list);
    EXPECT_EQ(list, CRect(-1, -1, page.Width() + 1, page.Height() + 1));
    platform::DestroyAndDelete(p.sheet);
}

TEST(Sheet, CheckValueMessageIsForwardedToCreatedPages) {
    HostWindow host;
    class CheckingList : public RecordingList {
    public:
        std::vector<WPARAM> layers;

    protected:
        LRESULT WindowProc(UINT m, WPARAM w, LPARAM l) override {
            if (m == WM_PROP_CHECKVALUE) layers.push_back(w);
            return RecordingList::WindowProc(m, w, l);
        }
    };
    auto* sheet = new CPropWndMgr(0, 0);
    auto* a = new CheckingList;
    auto* b = new CheckingList;
    sheet->AddLstPage(a, "甲");
    sheet->AddLstPage(b, "乙");
    sheet->Initialize();
    ASSERT_TRUE(sheet->Create(&host.frame, WS_CHILD | WS_VISIBLE, 0));
    EXPECT_EQ(platform::SendCheckValue(*sheet, 42), 0);
    EXPECT_EQ(a->layers, std::vector<WPARAM>{42});
    EXPECT_TRUE(b->layers.empty());
    platform::DestroyAndDelete(sheet);
}

}  // namespace
