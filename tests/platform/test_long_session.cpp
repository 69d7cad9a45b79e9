// What keeps a long session flat and cheap: bounded drawing records dropped with their windows,
// one paint per idle moment of only what was marked, message maps answered per class, and the
// class test by depth.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bcg/Bcg.h"
#include "mfc/BoundedLog.h"
#include "mfc/Dc.h"
#include "mfc/Wnd.h"

namespace {

TEST(BoundedLog, KeepsTheNewestInOrderAndNeverMoreThanTwiceTheBound) {
    platform::BoundedLog<int> log(4);
    for (int i = 0; i < 1000; ++i) {
        log.push_back(i);
        ASSERT_LE(log.size(), 8u);
        ASSERT_GE(log.size(), std::min<std::size_t>(static_cast<std::size_t>(i) + 1, 4u));
        ASSERT_EQ(log.items().back(), i);
    }
    const std::vector<int>& items = log.items();
    for (std::size_t k = 1; k < items.size(); ++k) EXPECT_EQ(items[k], items[k - 1] + 1);

    // A run taken whole: appended while the record stays within the bound, else alone.
    platform::BoundedLog<int> runs(4);
    runs.take({1, 2, 3});
    runs.take({4, 5});
    EXPECT_EQ(runs.items(), (std::vector<int>{1, 2, 3, 4, 5}));
    runs.take({6, 7, 8, 9});
    EXPECT_EQ(runs.items(), (std::vector<int>{6, 7, 8, 9}));
}

// Draws one frame per paint and remembers what each paint was asked for.
class Painted : public CWnd {
public:
    void OnPaint() {
        CPaintDC dc(this);
        asked.push_back(dc.m_ps.rcPaint);
        dc.Draw3dRect(&dc.m_ps.rcPaint, 0, 0);
    }
    LRESULT OnPoke(WPARAM, LPARAM) {
        // Three marks while one message is handled; a nested message does not paint either.
        Invalidate();
        InvalidateRect(CRect(0, 0, 5, 5));
        SendMessage(WM_USER + 2);
        Invalidate();
        paintsDuringMessage = GetPaintCounters().paint;
        return 0;
    }
    LRESULT OnNothing(WPARAM, LPARAM) { return 0; }
    std::vector<CRect> asked;
    int paintsDuringMessage = -1;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Painted, CWnd)
ON_WM_PAINT()
ON_MESSAGE(WM_USER + 1, OnPoke)
ON_MESSAGE(WM_USER + 2, OnNothing)
END_MESSAGE_MAP()

TEST(IdlePaint, MarksMadeWhileAMessageIsHandledPaintOnceWhenItEnds) {
    Painted wnd;
    ASSERT_TRUE(wnd.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 40, 30), nullptr, 1));
    wnd.ResetPaintCounters();
    wnd.SendMessage(WM_USER + 1);
    EXPECT_EQ(wnd.paintsDuringMessage, 0);
    EXPECT_EQ(wnd.GetPaintCounters().invalidate, 3);
    EXPECT_EQ(wnd.GetPaintCounters().paint, 1);
    ASSERT_EQ(wnd.asked.size(), 1u);
    EXPECT_EQ(wnd.asked[0], CRect(0, 0, 40, 30));

    // Marks made outside any message wait for UpdateWindow (or the next message).
    wnd.InvalidateRect(CRect(2, 3, 10, 8));
    wnd.InvalidateRect(CRect(20, 1, 25, 4));
    CRect update;
    EXPECT_TRUE(wnd.GetUpdateRect(&update));
    EXPECT_EQ(update, CRect(2, 1, 25, 8));  // the rectangle enclosing both marks
    EXPECT_EQ(wnd.GetPaintCounters().paint, 1);
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.GetPaintCounters().paint, 2);
    EXPECT_EQ(wnd.asked.back(), CRect(2, 1, 25, 8));
    EXPECT_FALSE(wnd.GetUpdateRect(&update));
    wnd.SendMessage(WM_USER + 2);  // nothing marked: nothing painted
    EXPECT_EQ(wnd.GetPaintCounters().paint, 2);
    wnd.DestroyWindow();
}

TEST(PaintRecords, AWindowsRecordIsBoundedAndGoesWithTheWindow) {
    Painted wnd;
    ASSERT_TRUE(wnd.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 40, 30), nullptr, 1));
    const HWND handle = wnd.m_hWnd;
    for (int i = 0; i < 10000; ++i) {
        wnd.Invalidate();
        wnd.UpdateWindow();
    }
    const std::vector<DcCall>& calls = platform::GetPaintedCalls(handle);
    EXPECT_LE(calls.size(), 4096u);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().op, "Draw3dRect");

    // A DC released after its window is gone leaves no record behind.
    CClientDC* late = new CClientDC(&wnd);
    late->MoveTo(1, 1);
    wnd.DestroyWindow();
    EXPECT_TRUE(platform::GetPaintedCalls(handle).empty());
    delete late;
    EXPECT_TRUE(platform::GetPaintedCalls(handle).empty());
}

TEST(PaintRecords, ALongLivedDcKeepsItsNewestCalls) {
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    for (int i = 0; i < 10000; ++i) dc.MoveTo(i, 0);
    const std::vector<DcCall>& calls = dc.GetCalls();
    EXPECT_LE(calls.size(), 4096u);
    EXPECT_GE(calls.size(), 2048u);
    EXPECT_EQ(calls.back().point, CPoint(9999, 0));
    EXPECT_EQ(calls[calls.size() - 2].point, CPoint(9998, 0));
}

// ---- message maps ----------------------------------------------------------------------------

UINT g_lateMessage = 0;  // registered after the class first handled a message

class Base : public CWnd {
public:
    std::vector<std::string> heard;
    LRESULT OnA(WPARAM, LPARAM) { return heard.push_back("base a"), 1; }
    LRESULT OnB(WPARAM, LPARAM) { return heard.push_back("base b"), 2; }
    void OnOk() { heard.push_back("base ok"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Base, CWnd)
ON_MESSAGE(WM_USER + 10, OnA)
ON_MESSAGE(WM_USER + 11, OnB)
ON_COMMAND(IDOK, OnOk)
END_MESSAGE_MAP()

class Derived : public Base {
public:
    LRESULT OnA2(WPARAM, LPARAM) { return heard.push_back("derived a"), 3; }
    LRESULT OnLate(WPARAM, LPARAM) { return heard.push_back("late"), 4; }
    void OnCancel() { heard.push_back("derived cancel"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Derived, Base)
ON_MESSAGE(WM_USER + 10, OnA2)
ON_REGISTERED_MESSAGE(g_lateMessage, OnLate)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

TEST(MessageMaps, AnswersPerClassFollowTheChainAndReadRegisteredIdsWhenDispatched) {
    Derived wnd;
    ASSERT_TRUE(wnd.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 10, 10), nullptr, 1));
    for (int round = 0; round < 2; ++round) {  // the second round is answered from the cache
        EXPECT_EQ(wnd.SendMessage(WM_USER + 10), 3);
        EXPECT_EQ(wnd.SendMessage(WM_USER + 11), 2);
        EXPECT_EQ(wnd.SendMessage(WM_USER + 12), 0);
        wnd.SendMessage(WM_COMMAND, IDOK);
        wnd.SendMessage(WM_COMMAND, IDCANCEL);
    }
    EXPECT_EQ(wnd.heard, (std::vector<std::string>{"derived a", "base b", "base ok", "derived cancel", "derived a",
                                                   "base b", "base ok", "derived cancel"}));
    g_lateMessage = RegisterWindowMessage("TsLongSessionLate");
    EXPECT_EQ(wnd.SendMessage(g_lateMessage), 4);

    // A class sent more distinct messages than it keeps answers is still answered right.
    Base plain;
    ASSERT_TRUE(plain.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 10, 10), nullptr, 2));
    for (UINT m = WM_USER + 1000; m < WM_USER + 1400; ++m) EXPECT_EQ(plain.SendMessage(m), 0);
    EXPECT_EQ(plain.SendMessage(WM_USER + 11), 2);
    plain.DestroyWindow();
    wnd.DestroyWindow();
}

TEST(RuntimeClasses, KindTestByDepthMatchesTheChain) {
    CWnd wnd;
    CBCGPPropList grid;
    EXPECT_TRUE(grid.IsKindOf(RUNTIME_CLASS(CBCGPPropList)));
    EXPECT_TRUE(grid.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_TRUE(grid.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(wnd.IsKindOf(RUNTIME_CLASS(CBCGPPropList)));
    EXPECT_FALSE(grid.IsKindOf(RUNTIME_CLASS(CDC)));  // a class at the same depth elsewhere
    EXPECT_FALSE(RUNTIME_CLASS(CWnd)->IsDerivedFrom(nullptr));
    EXPECT_EQ(RUNTIME_CLASS(CObject)->Depth(), 0);
    EXPECT_EQ(RUNTIME_CLASS(CBCGPPropList)->Depth(), 2);
}

// ---- the grid ------------------------------------------------------------------------------------

// Holds a grid of twelve numbers; its message disables every item, enables them again and sets
// one value, as the first step of a list's refresh does.
class GridHost : public CWnd {
public:
    CBCGPPropList grid;
    std::vector<CBCGPProp*> items;
    LRESULT OnRefresh(WPARAM, LPARAM) {
        for (CBCGPProp* item : items) item->Enable(FALSE);
        for (CBCGPProp* item : items) item->Enable(TRUE);
        items[3]->SetValue(_variant_t(33.0));
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(GridHost, CWnd)
ON_MESSAGE(WM_USER + 20, OnRefresh)
END_MESSAGE_MAP()

TEST(GridPaint, ARefreshThatTogglesManyItemsPaintsOnceAndOnlyTheRowsMarked) {
    GridHost host;
    ASSERT_TRUE(host.CreateEx(0, nullptr, "host", WS_VISIBLE, CRect(0, 0, 300, 600), nullptr, 0));
    ASSERT_TRUE(host.grid.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 400), &host, 5));
    for (int i = 0; i < 12; ++i) {
        host.items.push_back(
            new CBCGPProp("项", _variant_t(static_cast<double>(i)), "", static_cast<DWORD_PTR>(i + 1)));
        host.grid.AddProperty(host.items.back());
    }
    host.grid.AdjustLayout();
    host.grid.UpdateWindow();
    host.grid.ResetPaintCounters();

    host.SendMessage(WM_USER + 20);
    EXPECT_EQ(host.grid.GetPaintCounters().invalidate, 25);
    EXPECT_EQ(host.grid.GetPaintCounters().paint, 1);

    // Marks made outside a message: rows 4 and 6 and the one between are painted, no others.
    host.grid.ResetPaintCounters();
    platform::ClearPaintedCalls();
    host.items[3]->SetValue(_variant_t(34.0));
    host.items[5]->Enable(FALSE);
    EXPECT_EQ(host.grid.GetPaintCounters().paint, 0);
    host.grid.UpdateWindow();
    EXPECT_EQ(host.grid.GetPaintCounters().paint, 1);
    int rowsDrawn = 0;
    for (const DcCall& call : platform::GetPaintedCalls(host.grid.m_hWnd))
        if (call.op == "DrawText" && call.text == "项") ++rowsDrawn;
    EXPECT_EQ(rowsDrawn, 3);
    host.DestroyWindow();
}

}  // namespace
