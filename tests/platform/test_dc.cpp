// Recording device context and GDI objects: the order and content of recorded calls, DC state
// (selection, saved states, map modes), handle lifetime, and bitmaps from module resources.
#include <gtest/gtest.h>

#include <stdexcept>

#include "mfc/Dc.h"
#include "mfc/Module.h"
#include "mfc/Wnd.h"

namespace {

std::vector<std::string> Ops(const std::vector<DcCall>& calls) {
    std::vector<std::string> ops;
    for (const DcCall& c : calls) ops.push_back(c.op);
    return ops;
}

TEST(Dc, RecordsCallsInOrderWithTheirArguments) {
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CRect box(10, 20, 110, 40);
    dc.SetTextColor(RGB(1, 2, 3));
    dc.FillSolidRect(&box, RGB(255, 0, 0));
    dc.Draw3dRect(&box, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNSHADOW));
    dc.DrawText(CString("深度"), box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.DrawText("abcdef", 3, box, 0);
    dc.MoveTo(15, 30);
    dc.LineTo(105, 30);
    dc.DrawFocusRect(&box);

    const std::vector<DcCall>& calls = dc.GetCalls();
    EXPECT_EQ(Ops(calls), (std::vector<std::string>{"SetTextColor", "FillSolidRect", "Draw3dRect", "DrawText",
                                                    "DrawText", "MoveTo", "LineTo", "DrawFocusRect"}));
    EXPECT_EQ(calls[1].rect, box);
    EXPECT_EQ(calls[1].colour, RGB(255, 0, 0));
    EXPECT_EQ(calls[2].colour2, GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(calls[3].text, "深度");
    EXPECT_EQ(calls[3].format, 0x25u);
    EXPECT_EQ(calls[3].colour, RGB(1, 2, 3));
    EXPECT_EQ(calls[4].text, "abc");
    EXPECT_EQ(calls[6].point, CPoint(105, 30));
    // FillSolidRect and Draw3dRect leave the background colour behind, like the real call.
    EXPECT_EQ(dc.GetBkColor(), GetSysColor(COLOR_BTNSHADOW));
    dc.ClearCalls();
    EXPECT_TRUE(dc.GetCalls().empty());
}

TEST(Dc, SelectObjectAnswersThePreviousObject) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CFont a, b;
    a.CreatePointFont(90, "宋体");
    b.CreatePointFont(120, "Arial");
    CFont* stock = dc.SelectObject(&a);
    ASSERT_NE(stock, nullptr);
    EXPECT_EQ(dc.SelectObject(&b), &a);
    EXPECT_EQ(dc.GetCurrentFont(), &b);
    EXPECT_EQ(dc.SelectObject(stock), &b);
    dc.DrawText(CString("x"), CRect(0, 0, 1, 1), 0);
    EXPECT_EQ(dc.GetCalls().back().object, stock->GetSafeHandle());
    CPen pen(PS_SOLID, 1, RGB(0, 0, 255));
    CPen* oldPen = dc.SelectObject(&pen);
    dc.Rectangle(0, 0, 5, 5);
    EXPECT_EQ(dc.GetCalls().back().colour, RGB(0, 0, 255));
    EXPECT_EQ(dc.SelectObject(static_cast<CFont*>(nullptr)), nullptr);
    dc.SelectObject(oldPen);
}

TEST(Dc, SaveAndRestoreStates) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBrush red(RGB(255, 0, 0));
    int first = dc.SaveDC();
    dc.SetMapMode(MM_HIMETRIC);
    dc.SetTextColor(RGB(9, 9, 9));
    CBrush* old = dc.SelectObject(&red);
    int second = dc.SaveDC();
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
    dc.SetMapMode(MM_TEXT);
    EXPECT_TRUE(dc.RestoreDC(-1));
    EXPECT_EQ(dc.GetMapMode(), MM_HIMETRIC);
    EXPECT_EQ(dc.GetCurrentBrush(), &red);
    EXPECT_TRUE(dc.RestoreDC(first));
    EXPECT_EQ(dc.GetMapMode(), MM_TEXT);
    EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetCurrentBrush(), old);
    EXPECT_FALSE(dc.RestoreDC(1));  // nothing saved any more
    EXPECT_FALSE(dc.RestoreDC(-1));
}

TEST(Dc, DeviceToLogicalUnits) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    POINT p{96, 48};
    dc.DPtoLP(&p);
    EXPECT_EQ(p.x, 96);  // MM_TEXT at origin (0, 0)
    dc.SetWindowOrg(5, 7);
    dc.DPtoLP(&p);
    EXPECT_EQ(p.x, 101);
    EXPECT_EQ(p.y, 55);

    dc.SetWindowOrg(0, 0);
    dc.SetMapMode(MM_HIMETRIC);
    POINT q[2] = {{96, 48}, {1, -1}};
    dc.DPtoLP(q, 2);
    EXPECT_EQ(q[0].x, 2540);   // one inch
    EXPECT_EQ(q[0].y, -1270);  // y runs upwards
    EXPECT_EQ(q[1].x, 26);     // 26.46 rounded
    EXPECT_EQ(q[1].y, 26);
    CRect r(0, 0, 48, 96);
    dc.DPtoLP(r);
    EXPECT_EQ(r, CRect(0, 0, 1270, -2540));
    CSize s(-96, 96);
    dc.DPtoLP(&s);
    EXPECT_EQ(s, CSize(2540, 2540));
}

TEST(Dc, ClipRectanglesIntersect) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    EXPECT_EQ(dc.IntersectClipRect(0, 0, 10, 10), SIMPLEREGION);
    EXPECT_EQ(dc.IntersectClipRect(CRect(5, 5, 20, 20)), SIMPLEREGION);
    EXPECT_EQ(dc.IntersectClipRect(11, 11, 30, 30), NULLREGION);
}

TEST(Dc, HandlesFindTheirDc) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HDC h = dc.GetSafeHdc();
    EXPECT_EQ(CDC::FromHandle(h), &dc);
    {
        CDC other;
        ASSERT_TRUE(other.Attach(h));
        other.FillSolidRect(0, 0, 1, 1, 0);
        EXPECT_EQ(other.Detach(), h);
    }
    EXPECT_EQ(dc.GetCalls().size(), 1u);  // same recording through either object
    ASSERT_TRUE(dc.DeleteDC());
    EXPECT_EQ(CDC::FromHandle(h), nullptr);
    EXPECT_THROW(dc.FillSolidRect(0, 0, 1, 1, 0), std::logic_error);
}

TEST(Gdi, PointFontRecordsFaceAndSize) {
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "宋体", nullptr));
    EXPECT_FALSE(font.CreatePointFont(90, "宋体"));  // holds a font already
    LOGFONT lf{};
    ASSERT_EQ(font.GetLogFont(&lf), static_cast<int>(sizeof(LOGFONT)));
    EXPECT_EQ(lf.lfHeight, -12);
    EXPECT_STREQ(lf.lfFaceName, "宋体");
    const platform::GdiObjectInfo* info = platform::GetGdiObjectInfo(font);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->pointSize, 90);

    CFont bold;
    lf.lfWeight = FW_BOLD;
    ASSERT_TRUE(bold.CreateFontIndirect(&lf));
    EXPECT_EQ(platform::GetGdiObjectInfo(bold)->font.lfWeight, FW_BOLD);

    CFont longFace;  // 11 three-byte characters do not fit 31 bytes: cut after the 10th
    longFace.CreatePointFont(90, "一二三四五六七八九十百");
    longFace.GetLogFont(&lf);
    EXPECT_STREQ(lf.lfFaceName, "一二三四五六七八九十");
}

TEST(Gdi, HandlesLiveUntilDeleted) {
    std::size_t before = platform::LiveGdiObjectCount();
    HGDIOBJ handle = nullptr;
    {
        CBrush brush(RGB(0, 128, 0));
        handle = brush.GetSafeHandle();
        EXPECT_EQ(platform::LiveGdiObjectCount(), before + 1);
        EXPECT_EQ(CBrush::FromHandle(handle), &brush);
        EXPECT_EQ(CFont::FromHandle(handle), nullptr);  // not a font

        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CBrush* old = dc.SelectObject(&brush);
        EXPECT_FALSE(::DeleteObject(handle));  // selected: stays
        EXPECT_NE(platform::GetGdiObjectInfo(handle), nullptr);
        dc.SelectObject(old);
    }
    EXPECT_EQ(platform::GetGdiObjectInfo(handle), nullptr);
    EXPECT_EQ(platform::LiveGdiObjectCount(), before);
    EXPECT_EQ(CGdiObject::FromHandle(handle), nullptr);

    HBRUSH face = GetSysColorBrush(COLOR_3DFACE);
    EXPECT_EQ(face, GetSysColorBrush(COLOR_3DFACE));
    EXPECT_EQ(platform::GetGdiObjectInfo(face)->colour, GetSysColor(COLOR_3DFACE));
    EXPECT_TRUE(::DeleteObject(face));
    EXPECT_NE(platform::GetGdiObjectInfo(face), nullptr);  // system brushes stay
}

TEST(Gdi, TemporaryWrapperForAForeignHandle) {
    CPen pen(PS_DASH, 2, RGB(1, 1, 1));
    HGDIOBJ h = pen.Detach();
    CPen* wrapper = CPen::FromHandle(h);
    ASSERT_NE(wrapper, nullptr);
    EXPECT_NE(wrapper, &pen);
    EXPECT_EQ(wrapper->GetSafeHandle(), h);
    EXPECT_EQ(platform::GetGdiObjectInfo(h)->penStyle, PS_DASH);
    EXPECT_TRUE(::DeleteObject(h));
    EXPECT_EQ(CPen::FromHandle(h), nullptr);
}

class BitmapResources : public ::testing::Test {
protected:
    void SetUp() override {
        module_ = platform::LoadModuleImage("bitmaps.so");
        ASSERT_TRUE(platform::RegisterBitmap(module_, 50011, 40, 20));
    }
    void TearDown() override { platform::UnloadModuleImage(module_); }
    HINSTANCE module_ = nullptr;
};

TEST_F(BitmapResources, LoadFromTheRegisteringModuleOnly) {
    HBITMAP h = LoadBitmap(module_, 50011);
    ASSERT_NE(h, nullptr);
    CBitmap bitmap;
    bitmap.Attach(h);
    BITMAP bm{};
    ASSERT_NE(bitmap.GetBitmap(&bm), 0);
    EXPECT_EQ(bm.bmWidth, 40);
    EXPECT_EQ(bm.bmHeight, 20);
    EXPECT_EQ(platform::GetGdiObjectInfo(h)->resourceId, 50011u);

    EXPECT_EQ(LoadBitmap(module_, 50012), nullptr);
    EXPECT_EQ(LoadBitmap(nullptr, 50011), nullptr);
    EXPECT_EQ(LoadBitmap(platform::LoadModuleImage("other.so"), 50011), nullptr);

    CBitmap byId;
    EXPECT_TRUE(byId.LoadBitmap(50011));
    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(50099));
}

TEST_F(BitmapResources, UnloadedModuleGivesNoBitmap) {
    CBitmap loaded;
    ASSERT_TRUE(loaded.Attach(LoadBitmap(module_, 50011)));
    platform::UnloadModuleImage(module_);
    EXPECT_EQ(LoadBitmap(module_, 50011), nullptr);
    CBitmap again;
    EXPECT_FALSE(again.LoadBitmap(50011));
    EXPECT_FALSE(platform::RegisterBitmap(module_, 50011, 1, 1));
    BITMAP bm{};
    EXPECT_NE(loaded.GetBitmap(&bm), 0);  // loaded before: still valid
}

TEST_F(BitmapResources, MaskBlitsRecordTheirSource) {
    CDC screen;
    screen.CreateCompatibleDC(nullptr);
    CDC image, mask;
    image.CreateCompatibleDC(&screen);
    mask.CreateCompatibleDC(&screen);
    CBitmap picture, monochrome;
    picture.LoadBitmap(50011);
    monochrome.CreateBitmap(40, 20, 1, 1, nullptr);
    CBitmap* oldImage = image.SelectObject(&picture);
    CBitmap* oldMask = mask.SelectObject(&monochrome);
    EXPECT_EQ(screen.SelectObject(&picture), nullptr);  // already selected into image

    CClientDC window(nullptr);
    CBitmap stray;
    stray.CreateBitmap(1, 1, 1, 1, nullptr);
    EXPECT_EQ(window.SelectObject(&stray), nullptr);  // bitmaps go into memory DCs only

    screen.BitBlt(0, 0, 40, 20, &mask, 0, 0, SRCAND);
    screen.StretchBlt(10, 0, 20, 20, &image, 10, 0, 20, 20, SRCPAINT);
    const std::vector<DcCall>& calls = screen.GetCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].object, monochrome.GetSafeHandle());
    EXPECT_EQ(calls[0].rop, SRCAND);
    EXPECT_EQ(calls[1].object, picture.GetSafeHandle());
    EXPECT_EQ(calls[1].rect, CRect(10, 0, 30, 20));
    EXPECT_EQ(calls[1].source, CRect(10, 0, 30, 20));

    CBitmap compatible;
    compatible.CreateCompatibleBitmap(&screen, 8, 8);  // a fresh memory DC holds a monochrome bitmap
    EXPECT_EQ(platform::GetGdiObjectInfo(compatible)->bitsPerPixel, 1);
    image.SelectObject(oldImage);
    mask.SelectObject(oldMask);
}

class PaintedWnd : public CWnd {
public:
    void OnPaint() {
        CPaintDC dc(this);
        paintRect = dc.m_ps.rcPaint;
        CRect client;
        GetClientRect(&client);
        dc.Draw3dRect(&client, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNSHADOW));
    }
    CRect paintRect;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PaintedWnd, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

TEST(Dc, PaintDcCallsAreKeptPerWindow) {
    platform::ClearPaintedCalls();
    PaintedWnd wnd;
    ASSERT_TRUE(wnd.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 30, 20), nullptr, 1));
    wnd.Invalidate();
    wnd.UpdateWindow();
    const std::vector<DcCall>& calls = platform::GetPaintedCalls(wnd.m_hWnd);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].op, "Draw3dRect");
    EXPECT_EQ(calls[0].rect, CRect(0, 0, 30, 20));
    EXPECT_EQ(wnd.paintRect, CRect(0, 0, 30, 20));
    platform::ClearPaintedCalls();
    EXPECT_TRUE(platform::GetPaintedCalls(wnd.m_hWnd).empty());
}

}  // namespace
