#include "FrameworkFixtures.h"
#include "bcg/PropList.h"
#include "driver/GridDriver.h"
#include "driver/SheetDriver.h"
#include "mfc/Dc.h"

using tsltest::HostWindow;
using tsltest::RecordingList;

namespace {

TEST(Pane, ConstructedWithAllOnesStampAndNoObject) {
    RecordingList list;
    EXPECT_EQ(list.GetTimeStamp(), ~uint64_t{0});
    EXPECT_EQ(list.GetCurrentObject(), 0);
    EXPECT_TRUE(list.IsSameObject());
    EXPECT_EQ(list.GetView(), nullptr);
}

TEST(Pane, BarePaneCannotBecomeAWindow) {
    HostWindow host;
    CWndProp pane;
    EXPECT_FALSE(pane.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &host.frame, 2));
    EXPECT_EQ(pane.GetSafeHwnd(), nullptr);
}

TEST(Pane, FailingInitFailsCreation) {
    HostWindow host;
    const std::size_t windowsBefore = AfxLiveWindowCount();
    RecordingList list;
    list.failInit = true;
    EXPECT_FALSE(list.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &host.frame, 2));
    EXPECT_EQ(list.GetSafeHwnd(), nullptr);
    EXPECT_EQ(AfxLiveWindowCount(), windowsBefore);
}

TEST(Pane, GridIsCreatedWithHeaderFontAndLaidOutInsideTheFrame) {
    HostWindow host;
    RecordingList list;
    ASSERT_TRUE(list.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &host.frame, 2));
    CBCGPPropListEx& grid = list.GetPropList();
    ASSERT_NE(grid.GetSafeHwnd(), nullptr);
    EXPECT_EQ(grid.GetDlgCtrlID(), 2);
    EXPECT_EQ(grid.GetParent(), &list);
    EXPECT_EQ(grid.GetPropertyCount(), 2);
    CFont* font = CFont::FromHandle(reinterpret_cast<HFONT>(grid.SendMessage(WM_GETFONT)));
    ASSERT_NE(font, nullptr);

    platform::ResizeWindow(list, 200, 300);
    CRect r;
    grid.GetWindowRect(r);
    list.ScreenToClient(r);
    EXPECT_EQ(r, CRect(1, 1, 199, 299));
    list.DestroyWindow();
}

TEST(Pane, SelectionMessageStoresViewObjectAndSameFlag) {
    HostWindow host;
    RecordingList list;
    ASSERT_TRUE(list.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &host.frame, 2));
    int a = 0, b = 0;
    platform::SendSelectionChanged(list, &host.view, 0);
    EXPECT_TRUE(list.IsSameObject());
    EXPECT_EQ(list.GetView(), &host.view);
    platform::SendSelectionChanged(list, &host.view, reinterpret_cast<LPARAM>(&a));
    EXPECT_FALSE(list.IsSameObject());
    platform::SendSelectionChanged(list, &host.view, reinterpret_cast<LPARAM>(&a));
    EXPECT_TRUE(list.IsSameObject());
    platform::SendSelectionChanged(list, nullptr, reinterpret_cast<LPARAM>(&b));
    EXPECT_FALSE(list.IsSameObject());
    EXPECT_EQ(list.GetCurrentObject(), reinterpret_cast<long>(&b));
    EXPECT_EQ(list.GetView(), nullptr);
    ASSERT_EQ(list.refreshed.size(), 4u);
    EXPECT_EQ(list.refreshed[1], reinterpret_cast<long>(&a));
    // WM_USER+102 is not the panes' business: default processing answers 0.
    EXPECT_EQ(platform::SendCheckValue(list, 7), 0);
    list.DestroyWindow();
}

TEST(Pane, UpdateViewRepaintsTheStoredViewOnly) {
    HostWindow host;
    RecordingList list;
    ASSERT_TRUE(list.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &host.frame, 2));
    list.CallUpdateView();  // no view yet: nothing happens
    EXPECT_EQ(host.view.GetPaintCounters().invalidate, 0);
    platform::SendSelectionChanged(list, &host.view, 0);
    host.view.ResetPaintCounters();
    list.CallUpdateView();
    EXPECT_EQ(host.view.GetPaintCounters().invalidate, 1);
    EXPECT_FALSE(host.view.GetPaintCounters().lastInvalidateErase);
    EXPECT_EQ(host.view.GetPaintCounters().update, 1);
    EXPECT_EQ(host.view.GetPaintCounters().paint, 1);
    list.DestroyWindow();
}

TEST(Pane, TypedValueReachesOnPropertyChangedWithTheItem) {
    HostWindow host;
    RecordingList list;
    ASSERT_TRUE(list.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 300), &host.frame, 2));
    CBCGPProp* width = list.GetPropList().FindItemByData(RecordingList::kWidthId);
    ASSERT_NE(width, nullptr);
    EXPECT_TRUE(platform::GridDriver(&list.GetPropList()).TypeText(width, "2.75"));
    ASSERT_EQ(list.edited.size(), 1u);
    EXPECT_EQ(list.edited[0], width);
    EXPECT_EQ(list.editIds[0], 2);
    EXPECT_DOUBLE_EQ(static_cast<double>(width->GetValue()), 2.75);
    list.DestroyWindow();
}

TEST(Pane, ContextMenuIsConsumed) {
    HostWindow host;
    class ParentSpy : public CWnd {
    public:
        int menus = 0;
        LRESULT WindowProc(UINT m, WPARAM w, LPARAM l) override {
            if (m == WM_CONTEXTMENU) ++menus;
            return CWnd::WindowProc(m, w, l);
        }
    } parent;
    parent.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 300), &host.frame, 9);
    RecordingList list;
    ASSERT_TRUE(list.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &parent, 2));
    list.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list.GetSafeHwnd()), 0);
    EXPECT_EQ(parent.menus, 0);
    // A plain child passes the request on, which is what the pane prevents.
    CWnd plain;
    plain.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &parent, 3);
    plain.SendMessage(WM_CONTEXTMENU, 0, 0);
    EXPECT_EQ(parent.menus, 1);
    list.DestroyWindow();
}

TEST(Pane, PaintFramesTheGridWithShadowColour) {
    HostWindow host;
    RecordingList list;
    ASSERT_TRUE(list.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &host.frame, 2));
    platform::ResizeWindow(list, 120, 80);
    platform::ClearPaintedCalls();
    list.Invalidate();
    list.UpdateWindow();
    bool framed = false;
    for (const auto& call : platform::GetPaintedCalls(list.GetSafeHwnd()))
        if (call.op == "Draw3dRect" && call.rect == CRect(0, 0, 120, 80) &&
            call.colour == GetSysColor(COLOR_BTNSHADOW) && call.colour2 == GetSysColor(COLOR_BTNSHADOW))
            framed = true;
    EXPECT_TRUE(framed);
    list.DestroyWindow();
}

}  // namespace
