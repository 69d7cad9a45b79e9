#include "mfc/Dc.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <stdexcept>
#include <utility>

#include "mfc/BoundedLog.h"
#include "mfc/Module.h"
#include "mfc/Wnd.h"
#include "win32/Text.h"

namespace {

using platform::GdiKind;
using platform::GdiObjectInfo;

struct GdiEntry {
    GdiObjectInfo info;
    CGdiObject* permanent = nullptr;        // the object holding the handle
    std::unique_ptr<CGdiObject> temporary;  // wrapper made by FromHandle
};

// What SaveDC keeps.
struct DcSnapshot {
    int mapMode = MM_TEXT;
    CPoint windowOrg;
    COLORREF textColour = RGB(0, 0, 0);
    COLORREF bkColour = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    HGDIOBJ font = nullptr, pen = nullptr, brush = nullptr, bitmap = nullptr;
    bool clipped = false;
    CRect clip;
    CPoint position;
};

// Calls a device context keeps, and a window keeps of its released DCs (at least this many of
// the newest): enough for any paint a test reads, bounded for a long session.
constexpr std::size_t kCallsKept = 2048;

// A paint of a few rows makes a few dozen calls: room for them from the start.
constexpr std::size_t kWindowDcCallsReserved = 64;

struct DcState {
    DcSnapshot cur;
    std::vector<DcSnapshot> saved;
    platform::BoundedLog<DcCall> calls{kCallsKept};
    std::vector<CDC*> holders;       // CDC objects that made or attached the handle
    std::unique_ptr<CDC> temporary;  // wrapper made by FromHandle
    bool memory = false;
    bool windowDc = false;
    HWND window = nullptr;
};

struct BitmapResource {
    int width = 0, height = 0;
};

struct Tables {
    std::map<HGDIOBJ, GdiEntry> objects;
    std::uintptr_t nextObject = 0x10000;
    std::map<HDC, std::unique_ptr<DcState>> dcs;
    std::uintptr_t nextDc = 0x10000;
    std::vector<HINSTANCE> modules;  // registration order
    std::map<std::pair<HINSTANCE, UINT>, BitmapResource> bitmaps;
    std::map<HWND, platform::BoundedLog<DcCall>> painted;  // live windows only
    std::map<int, HBRUSH> sysBrushes;
    HGDIOBJ stockFont = nullptr, stockPen = nullptr, stockBrush = nullptr, stockBitmap = nullptr;
};

HGDIOBJ NewObject(Tables& t, const GdiObjectInfo& info) {
    t.nextObject += 16;
    HGDIOBJ h = reinterpret_cast<HGDIOBJ>(t.nextObject);
    t.objects[h].info = info;
    return h;
}

// Never destroyed: objects with static storage may release handles while the process exits.
Tables& T() {
    static Tables* tables = [] {
        Tables* t = new Tables;
        GdiObjectInfo font;
        font.kind = GdiKind::Font;
        font.stock = true;
        font.font.lfHeight = -16;
        font.font.lfWeight = FW_NORMAL;
        font.font.lfCharSet = DEFAULT_CHARSET;
        text::CopyToField(font.font.lfFaceName, LF_FACESIZE, "System");
        t->stockFont = NewObject(*t, font);
        GdiObjectInfo pen;
        pen.kind = GdiKind::Pen;
        pen.stock = true;
        pen.penWidth = 1;
        pen.colour = RGB(0, 0, 0);
        t->stockPen = NewObject(*t, pen);
        GdiObjectInfo brush;
        brush.kind = GdiKind::Brush;
        brush.stock = true;
        brush.colour = RGB(255, 255, 255);
        t->stockBrush = NewObject(*t, brush);
        GdiObjectInfo bitmap;
        bitmap.kind = GdiKind::Bitmap;
        bitmap.stock = true;
        bitmap.width = bitmap.height = 1;
        bitmap.planes = bitmap.bitsPerPixel = 1;
        t->stockBitmap = NewObject(*t, bitmap);
        return t;
    }();
    return *tables;
}

GdiEntry* FindObject(HGDIOBJ h) {
    auto it = T().objects.find(h);
    return it == T().objects.end() ? nullptr : &it->second;
}

DcState* FindDc(HDC h) {
    auto it = T().dcs.find(h);
    return it == T().dcs.end() ? nullptr : it->second.get();
}

HDC NewDc(std::unique_ptr<DcState> state) {
    Tables& t = T();
    t.nextDc += 16;
    HDC h = reinterpret_cast<HDC>(t.nextDc);
    t.dcs[h] = std::move(state);
    return h;
}

bool IsSelectedAnywhere(HGDIOBJ h) {
    for (const auto& dc : T().dcs) {
        const DcSnapshot& s = dc.second->cur;
        if (s.font == h || s.pen == h || s.brush == h || s.bitmap == h) return true;
    }
    return false;
}

long MulDivRound(long a, long b, long c) {
    long long p = static_cast<long long>(a) * b;
    long long half = c / 2;
    return static_cast<long>(p >= 0 ? (p + half) / c : (p - half) / c);
}

HGDIOBJ& Slot(DcSnapshot& s, GdiKind kind) {
    switch (kind) {
        case GdiKind::Font:
            return s.font;
        case GdiKind::Pen:
            return s.pen;
        case GdiKind::Brush:
            return s.brush;
        default:
            return s.bitmap;
    }
}

COLORREF ColourOf(HGDIOBJ h) {
    const GdiEntry* e = FindObject(h);
    return e ? e->info.colour : 0;
}

template <class T>
T* TypedFromHandle(HGDIOBJ h) {
    return dynamic_cast<T*>(CGdiObject::FromHandle(h));
}

}  // namespace

// ---- handle table and resources ---------------------------------------------------------------

BOOL DeleteObject(HGDIOBJ object) {
    Tables& t = T();
    auto it = t.objects.find(object);
    if (it == t.objects.end()) return FALSE;
    if (it->second.info.stock) return TRUE;
    if (IsSelectedAnywhere(object)) return FALSE;
    if (it->second.permanent) it->second.permanent->m_hObject = nullptr;
    std::unique_ptr<CGdiObject> temporary = std::move(it->second.temporary);
    t.objects.erase(it);
    if (temporary) temporary->m_hObject = nullptr;  // so that its destructor deletes nothing
    return TRUE;
}

HBRUSH GetSysColorBrush(int index) {
    Tables& t = T();
    HBRUSH& brush = t.sysBrushes[index];
    if (!brush) {
        GdiObjectInfo info;
        info.kind = GdiKind::Brush;
        info.stock = true;
        brush = NewObject(t, info);
    }
    t.objects[brush].info.colour = GetSysColor(index);  // follows a changed colour table
    return brush;
}

HBITMAP LoadBitmap(HINSTANCE module, UINT id) {
    Tables& t = T();
    auto it = t.bitmaps.find({module, id});
    if (it == t.bitmaps.end() || !platform::IsModuleLoaded(module)) return nullptr;
    GdiObjectInfo info;
    info.kind = GdiKind::Bitmap;
    info.width = it->second.width;
    info.height = it->second.height;
    info.planes = 1;
    info.bitsPerPixel = 24;
    info.module = module;
    info.resourceId = id;
    return NewObject(t, info);
}

namespace platform {

const GdiObjectInfo* GetGdiObjectInfo(HGDIOBJ object) {
    const GdiEntry* e = FindObject(object);
    return e ? &e->info : nullptr;
}

std::size_t LiveGdiObjectCount() {
    std::size_t n = 0;
    for (const auto& o : T().objects) n += o.second.info.stock ? 0 : 1;
    return n;
}

bool RegisterBitmap(HINSTANCE module, UINT id, int width, int height) {
    Tables& t = T();
    if (!IsModuleLoaded(module)) return false;
    if (std::find(t.modules.begin(), t.modules.end(), module) == t.modules.end()) t.modules.push_back(module);
    t.bitmaps[{module, id}] = BitmapResource{width, height};
    return true;
}

const std::vector<DcCall>& GetPaintedCalls(HWND wnd) {
    static const std::vector<DcCall> none;
    auto it = T().painted.find(wnd);
    return it == T().painted.end() ? none : it->second.items();
}

void ClearPaintedCalls() { T().painted.clear(); }

void ForgetPaintedCalls(HWND wnd) { T().painted.erase(wnd); }

}  // namespace platform

// ---- GDI objects ------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* CGdiObject::FromHandle(HGDIOBJ object) {
    GdiEntry* e = FindObject(object);
    if (!e) return nullptr;
    if (e->permanent) return e->permanent;
    if (!e->temporary) {
        switch (e->info.kind) {
            case GdiKind::Font:
                e->temporary.reset(new CFont);
                break;
            case GdiKind::Pen:
                e->temporary.reset(new CPen);
                break;
            case GdiKind::Brush:
                e->temporary.reset(new CBrush);
                break;
            case GdiKind::Bitmap:
                e->temporary.reset(new CBitmap);
                break;
        }
        e->temporary->m_hObject = object;
    }
    return e->temporary.get();
}

BOOL CGdiObject::Attach(HGDIOBJ object) {
    GdiEntry* e = FindObject(object);
    if (m_hObject || !e) return FALSE;
    m_hObject = object;
    e->permanent = this;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ h = m_hObject;
    GdiEntry* e = FindObject(h);
    if (e && e->permanent == this) e->permanent = nullptr;
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject) return FALSE;
    return ::DeleteObject(Detach());
}

BOOL CFont::CreatePointFont(int pointSize, LPCTSTR faceName, CDC* dc) {
    LOGFONT lf{};
    lf.lfHeight = -MulDivRound(pointSize, kScreenDpi, 720);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    text::CopyToField(lf.lfFaceName, LF_FACESIZE, faceName ? faceName : "");
    if (!CreateFontIndirect(&lf)) return FALSE;
    T().objects[m_hObject].info.pointSize = pointSize;
    return TRUE;
}

BOOL CFont::CreateFontIndirect(const LOGFONT* logFont) {
    if (m_hObject || !logFont) return FALSE;
    GdiObjectInfo info;
    info.kind = GdiKind::Font;
    info.font = *logFont;
    // The face is a C string within its field whatever the caller left after it.
    std::string face(info.font.lfFaceName, strnlen(info.font.lfFaceName, LF_FACESIZE));
    text::CopyToField(info.font.lfFaceName, LF_FACESIZE, face);
    return Attach(NewObject(T(), info));
}

int CFont::GetLogFont(LOGFONT* logFont) const {
    const GdiEntry* e = FindObject(m_hObject);
    if (!e || !logFont || e->info.kind != GdiKind::Font) return 0;
    *logFont = e->info.font;
    return static_cast<int>(sizeof(LOGFONT));
}

CFont* CFont::FromHandle(HFONT font) { return TypedFromHandle<CFont>(font); }

BOOL CPen::CreatePen(int style, int width, COLORREF colour) {
    if (m_hObject) return FALSE;
    GdiObjectInfo info;
    info.kind = GdiKind::Pen;
    info.penStyle = style;
    info.penWidth = width;
    info.colour = colour;
    return Attach(NewObject(T(), info));
}

CPen* CPen::FromHandle(HPEN pen) { return TypedFromHandle<CPen>(pen); }

BOOL CBrush::CreateSolidBrush(COLORREF colour) {
    if (m_hObject) return FALSE;
    GdiObjectInfo info;
    info.kind = GdiKind::Brush;
    info.colour = colour;
    return Attach(NewObject(T(), info));
}

CBrush* CBrush::FromHandle(HBRUSH brush) { return TypedFromHandle<CBrush>(brush); }

BOOL CBitmap::LoadBitmap(UINT id) {
    if (m_hObject) return FALSE;
    if (HBITMAP h = ::LoadBitmap(AfxGetResourceHandle(), id)) return Attach(h);
    for (HINSTANCE module : T().modules) {
        if (HBITMAP h = ::LoadBitmap(module, id)) return Attach(h);
    }
    return FALSE;
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
    if (m_hObject || !dc || width < 0 || height < 0) return FALSE;
    GdiObjectInfo info;
    info.kind = GdiKind::Bitmap;
    info.width = width;
    info.height = height;
    const DcState* s = FindDc(dc->GetSafeHdc());
    const GdiEntry* selected = s && s->memory ? FindObject(s->cur.bitmap) : nullptr;
    info.planes = selected ? selected->info.planes : 1;
    info.bitsPerPixel = selected ? selected->info.bitsPerPixel : 32;
    return Attach(NewObject(T(), info));
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
    if (m_hObject || width < 0 || height < 0) return FALSE;
    GdiObjectInfo info;
    info.kind = GdiKind::Bitmap;
    info.width = width;
    info.height = height;
    info.planes = static_cast<int>(planes);
    info.bitsPerPixel = static_cast<int>(bitsPerPixel);
    return Attach(NewObject(T(), info));
}

int CBitmap::GetBitmap(BITMAP* bitmap) const {
    const GdiEntry* e = FindObject(m_hObject);
    if (!e || !bitmap || e->info.kind != GdiKind::Bitmap) return 0;
    const GdiObjectInfo& i = e->info;
    *bitmap = BITMAP{0,
                     i.width,
                     i.height,
                     (i.width * i.bitsPerPixel + 15) / 16 * 2,
                     static_cast<WORD>(i.planes),
                     static_cast<WORD>(i.bitsPerPixel),
                     nullptr};
    return static_cast<int>(sizeof(BITMAP));
}

CBitmap* CBitmap::FromHandle(HBITMAP bitmap) { return TypedFromHandle<CBitmap>(bitmap); }

// ---- device contexts ------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)

namespace {

DcSnapshot FreshSnapshot(bool memory) {
    Tables& t = T();
    DcSnapshot s;
    s.font = t.stockFont;
    s.pen = t.stockPen;
    s.brush = t.stockBrush;
    s.bitmap = memory ? t.stockBitmap : nullptr;
    return s;
}

DcState& StateOf(const CDC* dc) {
    DcState* s = FindDc(dc->m_hDC);
    if (!s) throw std::logic_error("CDC without a device context");
    return *s;
}

void Record(const CDC* dc, DcCall call) { StateOf(dc).calls.push_back(std::move(call)); }

DcCall Call(const char* op) {
    DcCall c;
    c.op = op;
    return c;
}

int TextHeight(const DcState& s) {
    const GdiEntry* e = FindObject(s.cur.font);
    int h = e ? std::abs(static_cast<int>(e->info.font.lfHeight)) : 0;
    return h ? h : 16;
}

}  // namespace

CDC::~CDC() {
    if (m_hDC) DeleteDC();
}

CDC* CDC::FromHandle(HDC dc) {
    DcState* s = FindDc(dc);
    if (!s) return nullptr;
    if (!s->holders.empty()) return s->holders.front();
    if (!s->temporary) {
        s->temporary.reset(new CDC);
        s->temporary->m_hDC = dc;
    }
    return s->temporary.get();
}

BOOL CDC::Attach(HDC dc) {
    DcState* s = FindDc(dc);
    if (m_hDC || !s) return FALSE;
    m_hDC = dc;
    s->holders.push_back(this);
    return TRUE;
}

HDC CDC::Detach() {
    HDC h = m_hDC;
    if (DcState* s = FindDc(h))
        s->holders.erase(std::remove(s->holders.begin(), s->holders.end(), this), s->holders.end());
    m_hDC = nullptr;
    return h;
}

BOOL CDC::DeleteDC() {
    Tables& t = T();
    auto it = t.dcs.find(m_hDC);
    if (!m_hDC || it == t.dcs.end()) return FALSE;
    std::unique_ptr<DcState> state = std::move(it->second);
    t.dcs.erase(it);  // its selections no longer hold their objects
    // A DC released after its window was destroyed leaves no record: it would never be dropped.
    if (state->windowDc && state->window && ::IsWindow(state->window))
        t.painted.try_emplace(state->window, kCallsKept).first->second.take(state->calls.release());
    for (CDC* holder : state->holders) holder->m_hDC = nullptr;
    if (state->temporary) state->temporary->m_hDC = nullptr;
    m_hDC = nullptr;
    return TRUE;
}

BOOL CDC::CreateCompatibleDC(CDC* dc) {
    if (m_hDC) return FALSE;
    auto state = std::make_unique<DcState>();
    state->memory = true;
    state->cur = FreshSnapshot(true);
    state->holders.push_back(this);
    m_hDC = NewDc(std::move(state));
    return TRUE;
}

void CDC::CreateWindowDC(CWnd* wnd) {
    auto state = std::make_unique<DcState>();
    state->windowDc = true;
    state->window = wnd ? wnd->m_hWnd : nullptr;
    state->calls.reserve(kWindowDcCallsReserved);
    state->cur = FreshSnapshot(false);
    state->holders.push_back(this);
    m_hDC = NewDc(std::move(state));
}

const std::vector<DcCall>& CDC::GetCalls() const { return StateOf(this).calls.items(); }

void CDC::ClearCalls() { StateOf(this).calls.clear(); }

int CDC::GetDeviceCaps(int index) const {
    switch (index) {
        case LOGPIXELSX:
        case LOGPIXELSY:
            return kScreenDpi;
        case BITSPIXEL:
            return 32;
        default:
            return 0;
    }
}

int CDC::SetMapMode(int mode) {
    DcState& s = StateOf(this);
    DcCall c = Call("SetMapMode");
    c.value = mode;
    s.calls.push_back(c);
    return std::exchange(s.cur.mapMode, mode);
}

int CDC::GetMapMode() const { return StateOf(this).cur.mapMode; }

CPoint CDC::SetWindowOrg(int x, int y) {
    DcState& s = StateOf(this);
    DcCall c = Call("SetWindowOrg");
    c.point = CPoint(x, y);
    s.calls.push_back(c);
    return std::exchange(s.cur.windowOrg, CPoint(x, y));
}

CPoint CDC::GetWindowOrg() const { return StateOf(this).cur.windowOrg; }

COLORREF CDC::SetTextColor(COLORREF colour) {
    DcState& s = StateOf(this);
    DcCall c = Call("SetTextColor");
    c.colour = colour;
    s.calls.push_back(c);
    return std::exchange(s.cur.textColour, colour);
}

COLORREF CDC::GetTextColor() const { return StateOf(this).cur.textColour; }

COLORREF CDC::SetBkColor(COLORREF colour) {
    DcState& s = StateOf(this);
    DcCall c = Call("SetBkColor");
    c.colour = colour;
    s.calls.push_back(c);
    return std::exchange(s.cur.bkColour, colour);
}

COLORREF CDC::GetBkColor() const { return StateOf(this).cur.bkColour; }

int CDC::SetBkMode(int mode) {
    DcState& s = StateOf(this);
    DcCall c = Call("SetBkMode");
    c.value = mode;
    s.calls.push_back(c);
    return std::exchange(s.cur.bkMode, mode);
}

int CDC::GetBkMode() const { return StateOf(this).cur.bkMode; }

int CDC::SaveDC() {
    DcState& s = StateOf(this);
    s.saved.push_back(s.cur);
    DcCall c = Call("SaveDC");
    c.value = static_cast<int>(s.saved.size());
    s.calls.push_back(c);
    return c.value;
}

BOOL CDC::RestoreDC(int savedDC) {
    DcState& s = StateOf(this);
    DcCall c = Call("RestoreDC");
    c.value = savedDC;
    s.calls.push_back(c);
    int level = savedDC < 0 ? static_cast<int>(s.saved.size()) + 1 + savedDC : savedDC;
    if (level < 1 || level > static_cast<int>(s.saved.size())) return FALSE;
    s.cur = s.saved[static_cast<std::size_t>(level - 1)];
    s.saved.resize(static_cast<std::size_t>(level - 1));
    return TRUE;
}

int CDC::IntersectClipRect(int left, int top, int right, int bottom) {
    DcState& s = StateOf(this);
    CRect r(left, top, right, bottom);
    DcCall c = Call("IntersectClipRect");
    c.rect = r;
    s.calls.push_back(c);
    if (s.cur.clipped) {
        r = CRect(std::max(r.left, s.cur.clip.left), std::max(r.top, s.cur.clip.top),
                  std::min(r.right, s.cur.clip.right), std::min(r.bottom, s.cur.clip.bottom));
    }
    if (r.IsRectEmpty()) r.SetRectEmpty();
    s.cur.clipped = true;
    s.cur.clip = r;
    return r.IsRectEmpty() ? NULLREGION : SIMPLEREGION;
}

int CDC::IntersectClipRect(LPCRECT rect) { return IntersectClipRect(rect->left, rect->top, rect->right, rect->bottom); }

void CDC::DPtoLP(LPPOINT points, int count) const {
    const DcSnapshot& s = StateOf(this).cur;
    for (int i = 0; i < count; ++i) {
        POINT& p = points[i];
        if (s.mapMode == MM_HIMETRIC) {
            p.x = static_cast<LONG>(MulDivRound(p.x, 2540, kScreenDpi) + s.windowOrg.x);
            p.y = static_cast<LONG>(-MulDivRound(p.y, 2540, kScreenDpi) + s.windowOrg.y);
        } else {
            p.x += s.windowOrg.x;
            p.y += s.windowOrg.y;
        }
    }
}

void CDC::DPtoLP(LPRECT rect) const {
    POINT corners[2] = {{rect->left, rect->top}, {rect->right, rect->bottom}};
    DPtoLP(corners, 2);
    *rect = RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

void CDC::DPtoLP(LPSIZE size) const {
    if (StateOf(this).cur.mapMode != MM_HIMETRIC) return;
    size->cx = static_cast<LONG>(MulDivRound(std::abs(size->cx), 2540, kScreenDpi));
    size->cy = static_cast<LONG>(MulDivRound(std::abs(size->cy), 2540, kScreenDpi));
}

CGdiObject* CDC::SelectObject(CGdiObject* object) {
    DcState& s = StateOf(this);
    GdiEntry* e = object ? FindObject(object->GetSafeHandle()) : nullptr;
    if (!e) return nullptr;
    HGDIOBJ h = object->GetSafeHandle();
    if (e->info.kind == GdiKind::Bitmap) {
        if (!s.memory) return nullptr;
        for (const auto& dc : T().dcs) {
            if (dc.second.get() != &s && dc.second->cur.bitmap == h) return nullptr;
        }
    }
    DcCall c = Call("SelectObject");
    c.object = h;
    s.calls.push_back(c);
    HGDIOBJ previous = std::exchange(Slot(s.cur, e->info.kind), h);
    return CGdiObject::FromHandle(previous);
}

CFont* CDC::SelectObject(CFont* font) { return dynamic_cast<CFont*>(SelectObject(static_cast<CGdiObject*>(font))); }
CPen* CDC::SelectObject(CPen* pen) { return dynamic_cast<CPen*>(SelectObject(static_cast<CGdiObject*>(pen))); }
CBrush* CDC::SelectObject(CBrush* brush) {
    return dynamic_cast<CBrush*>(SelectObject(static_cast<CGdiObject*>(brush)));
}
CBitmap* CDC::SelectObject(CBitmap* bitmap) {
    return dynamic_cast<CBitmap*>(SelectObject(static_cast<CGdiObject*>(bitmap)));
}

CFont* CDC::GetCurrentFont() const { return CFont::FromHandle(StateOf(this).cur.font); }
CPen* CDC::GetCurrentPen() const { return CPen::FromHandle(StateOf(this).cur.pen); }
CBrush* CDC::GetCurrentBrush() const { return CBrush::FromHandle(StateOf(this).cur.brush); }
CBitmap* CDC::GetCurrentBitmap() const { return CBitmap::FromHandle(StateOf(this).cur.bitmap); }

void CDC::FillSolidRect(LPCRECT rect, COLORREF colour) {
    DcState& s = StateOf(this);
    DcCall c = Call("FillSolidRect");
    c.rect = CRect(rect);
    c.colour = colour;
    s.calls.push_back(c);
    s.cur.bkColour = colour;
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF colour) {
    CRect r(x, y, x + cx, y + cy);
    FillSolidRect(&r, colour);
}

void CDC::FillRect(LPCRECT rect, CBrush* brush) {
    DcCall c = Call("FillRect");
    c.rect = CRect(rect);
    c.object = brush ? brush->GetSafeHandle() : nullptr;
    c.colour = ColourOf(c.object);
    Record(this, c);
}

void CDC::Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight) {
    DcState& s = StateOf(this);
    DcCall c = Call("Draw3dRect");
    c.rect = CRect(rect);
    c.colour = topLeft;
    c.colour2 = bottomRight;
    s.calls.push_back(c);
    s.cur.bkColour = bottomRight;
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight) {
    CRect r(x, y, x + cx, y + cy);
    Draw3dRect(&r, topLeft, bottomRight);
}

void CDC::DrawFocusRect(LPCRECT rect) {
    DcCall c = Call("DrawFocusRect");
    c.rect = CRect(rect);
    Record(this, c);
}

int CDC::DrawText(const CString& text, LPRECT rect, UINT format) {
    return DrawText(text.GetString(), text.GetLength(), rect, format);
}

int CDC::DrawText(LPCTSTR text, int count, LPRECT rect, UINT format) {
    DcState& s = StateOf(this);
    DcCall c = Call("DrawText");
    const char* t = text ? text : "";
    c.text = count < 0 ? CString(t) : CString(t, static_cast<int>(strnlen(t, static_cast<std::size_t>(count))));
    c.rect = CRect(rect);
    c.format = format;
    c.colour = s.cur.textColour;
    c.object = s.cur.font;
    s.calls.push_back(c);
    return TextHeight(s);
}

BOOL CDC::TextOut(int x, int y, const CString& text) { return TextOut(x, y, text.GetString(), text.GetLength()); }

BOOL CDC::TextOut(int x, int y, LPCTSTR text, int count) {
    DcState& s = StateOf(this);
    DcCall c = Call("TextOut");
    const char* t = text ? text : "";
    c.text = CString(t, static_cast<int>(strnlen(t, static_cast<std::size_t>(std::max(count, 0)))));
    c.point = CPoint(x, y);
    c.colour = s.cur.textColour;
    c.object = s.cur.font;
    s.calls.push_back(c);
    return TRUE;
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom) {
    DcState& s = StateOf(this);
    DcCall c = Call("Rectangle");
    c.rect = CRect(left, top, right, bottom);
    c.object = s.cur.pen;
    c.colour = ColourOf(s.cur.pen);
    c.colour2 = ColourOf(s.cur.brush);
    s.calls.push_back(c);
    return TRUE;
}

BOOL CDC::Rectangle(LPCRECT rect) { return Rectangle(rect->left, rect->top, rect->right, rect->bottom); }

CPoint CDC::MoveTo(int x, int y) {
    DcState& s = StateOf(this);
    DcCall c = Call("MoveTo");
    c.point = CPoint(x, y);
    s.calls.push_back(c);
    return std::exchange(s.cur.position, CPoint(x, y));
}

BOOL CDC::LineTo(int x, int y) {
    DcState& s = StateOf(this);
    DcCall c = Call("LineTo");
    c.point = CPoint(x, y);
    c.object = s.cur.pen;
    c.colour = ColourOf(s.cur.pen);
    s.calls.push_back(c);
    s.cur.position = CPoint(x, y);
    return TRUE;
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, DWORD rop) {
    DcState& s = StateOf(this);
    DcCall c = Call("BitBlt");
    c.rect = CRect(x, y, x + width, y + height);
    c.source = CRect(xSrc, ySrc, xSrc + width, ySrc + height);
    c.object = src ? StateOf(src).cur.bitmap : nullptr;
    c.rop = rop;
    s.calls.push_back(c);
    return TRUE;
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, int srcWidth, int srcHeight,
                     DWORD rop) {
    DcState& s = StateOf(this);
    DcCall c = Call("StretchBlt");
    c.rect = CRect(x, y, x + width, y + height);
    c.source = CRect(xSrc, ySrc, xSrc + srcWidth, ySrc + srcHeight);
    c.object = src ? StateOf(src).cur.bitmap : nullptr;
    c.rop = rop;
    s.calls.push_back(c);
    return TRUE;
}

CPaintDC::CPaintDC(CWnd* wnd) {
    m_hWnd = wnd ? wnd->m_hWnd : nullptr;
    CreateWindowDC(wnd);
    m_ps.hdc = m_hDC;
    m_ps.fErase = TRUE;
    if (wnd) m_ps.rcPaint = wnd->GetPaintRect();
}

CPaintDC::~CPaintDC() { DeleteDC(); }

CClientDC::CClientDC(CWnd* wnd) {
    m_hWnd = wnd ? wnd->m_hWnd : nullptr;
    CreateWindowDC(wnd);
}

CClientDC::~CClientDC() { DeleteDC(); }
