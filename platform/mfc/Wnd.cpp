#include "mfc/Wnd.h"

#include <algorithm>
#include <unordered_map>

#include "driver/Responder.h"
#include "mfc/Dc.h"

namespace {

std::unordered_map<HWND, CWnd*>& HandleTable() {
    static std::unordered_map<HWND, CWnd*> table;
    return table;
}

HWND NextHandle() {
    static uintptr_t next = 0x10000;
    next += 4;
    return reinterpret_cast<HWND>(next);
}

CWnd* g_focus = nullptr;

// ---- dispatch depth and pending paints ------------------------------------------------------
// Messages, creations and destructions in progress. When the outermost message or creation ends
// the platform is where the message loop would find its queue empty: every window still marked is
// painted then, once, however many times it was marked.
int g_dispatchDepth = 0;
bool g_painting = false;
std::vector<HWND> g_marked;  // windows marked since the last paint, each once

void PaintMarkedWindows();

class DispatchScope {
public:
    // A destruction paints nothing when it ends: it may run in a C++ destructor, while the
    // objects of windows still marked are being taken apart. Those paint at the next idle moment.
    explicit DispatchScope(bool paintWhenIdle = true) : paint_(paintWhenIdle) { ++g_dispatchDepth; }
    ~DispatchScope() {
        if (--g_dispatchDepth == 0 && paint_ && !g_marked.empty()) PaintMarkedWindows();
    }
    DispatchScope(const DispatchScope&) = delete;
    DispatchScope& operator=(const DispatchScope&) = delete;

private:
    bool paint_;
};

// ---- message-map lookup ------------------------------------------------------------------------
// Per class (its most derived map), per message: the entries of the whole chain that can answer
// it, in chain order. Registered-message entries are kept with every message, since their ids
// are read at dispatch time. Command entries are listed under WM_COMMAND only.
using EntryList = std::vector<const AFX_MSGMAP_ENTRY*>;
constexpr std::size_t kMessagesCachedPerClass = 256;

bool Candidate(const AFX_MSGMAP_ENTRY& e, UINT message) {
    return message == WM_COMMAND ? e.message == WM_COMMAND
                                 : (e.message != WM_COMMAND && (e.registered || e.message == message));
}

EntryList CollectEntries(const AFX_MSGMAP* map, UINT message) {
    EntryList list;
    for (; map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr)
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->handler; ++e)
            if (Candidate(*e, message)) list.push_back(e);
    return list;
}

// The cached entries, NULL when the class already keeps as many messages as it may.
const EntryList* EntriesFor(const AFX_MSGMAP* map, UINT message) {
    static std::unordered_map<const AFX_MSGMAP*, std::unordered_map<UINT, EntryList>> cache;
    // The last answer again: a host sends one window the same message many times in a row.
    static const AFX_MSGMAP* lastMap = nullptr;
    static UINT lastMessage = 0;
    static const EntryList* last = nullptr;
    if (last && map == lastMap && message == lastMessage) return last;
    auto& byMessage = cache[map];
    auto it = byMessage.find(message);
    if (it == byMessage.end()) {
        if (byMessage.size() >= kMessagesCachedPerClass) return nullptr;
        it = byMessage.emplace(message, CollectEntries(map, message)).first;
    }
    lastMap = map;
    lastMessage = message;
    last = &it->second;  // nodes stay where they are while the cache grows
    return last;
}

// Offers the message to the candidate entries in chain order until tryEntry answers true.
template <class Fn>
bool ForEachCandidate(const AFX_MSGMAP* map, UINT message, Fn&& tryEntry) {
    if (const EntryList* list = EntriesFor(map, message)) {
        for (const AFX_MSGMAP_ENTRY* e : *list)
            if (tryEntry(*e)) return true;
        return false;
    }
    for (; map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr)
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->handler; ++e)
            if (Candidate(*e, message) && tryEntry(*e)) return true;
    return false;
}

LPARAM MakeSizeParam(int cx, int cy) {
    return static_cast<LPARAM>((static_cast<uint32_t>(cy & 0xFFFF) << 16) | static_cast<uint32_t>(cx & 0xFFFF));
}

}  // namespace

IMPLEMENT_DYNCREATE(CWnd, CObject)

const AFX_MSGMAP* CWnd::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, nullptr, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

CWnd::CWnd() = default;

CWnd::~CWnd() {
    if (m_hWnd) DestroyWindow();
    // Children whose objects outlive this one lose their parent link.
    for (CWnd* child : m_children) child->m_pParent = nullptr;
    if (g_focus == this) g_focus = nullptr;
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    if (!hwnd) return nullptr;
    auto it = HandleTable().find(hwnd);
    return it == HandleTable().end() ? nullptr : it->second;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT&) { return TRUE; }

BOOL CWnd::Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                  CCreateContext*) {
    return CreateEx(0, className, windowName, style, rect, parent, id, nullptr);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect,
                    CWnd* parent, UINT id, LPVOID param) {
    if (m_hWnd) return FALSE;
    if ((style & WS_CHILD) && parent && !parent->m_hWnd) return FALSE;  // a child needs a live parent
    CREATESTRUCT cs{};
    cs.lpCreateParams = param;
    cs.hwndParent = parent ? parent->m_hWnd : nullptr;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.style = static_cast<LONG>(style);
    cs.dwExStyle = exStyle;
    cs.lpszName = windowName;
    cs.lpszClass = className;
    if (!PreCreateWindow(cs)) return FALSE;

    DispatchScope scope;  // painted once made, not between its creation messages
    m_hWnd = NextHandle();
    HandleTable()[m_hWnd] = this;
    m_style = static_cast<DWORD>(cs.style);
    m_exStyle = cs.dwExStyle;
    m_nID = id;
    m_text = cs.lpszName ? cs.lpszName : "";
    m_x = cs.x;
    m_y = cs.y;
    m_cx = std::max(0, cs.cx);
    m_cy = std::max(0, cs.cy);
    LinkToParent(parent);
    if (!(m_style & WS_CHILD)) m_pOwner = parent;

    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow();
        return FALSE;
    }
    if (!m_hWnd) return FALSE;  // destroyed while being created
    SendMessage(WM_SIZE, 0, MakeSizeParam(m_cx, m_cy));
    if (m_hWnd) SendMessage(WM_MOVE, 0, MakeSizeParam(m_x, m_y));
    return m_hWnd ? TRUE : FALSE;
}

void CWnd::LinkToParent(CWnd* parent) {
    m_pParent = parent;
    if (parent) parent->m_children.push_back(this);
}

void CWnd::UnlinkFromParent() {
    if (!m_pParent) return;
    auto& siblings = m_pParent->m_children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    m_pParent = nullptr;
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd) return FALSE;
    DispatchScope scope(false);
    DestroyTree();
    return TRUE;
}

void CWnd::DestroyTree() {
    // The window hears WM_DESTROY before its children are destroyed, WM_NCDESTROY after.
    SendMessage(WM_DESTROY);
    std::vector<CWnd*> children = m_children;
    for (CWnd* child : children)
        if (child->m_hWnd) child->DestroyTree();
    if (m_hWnd) SendMessage(WM_NCDESTROY);
    platform::ForgetPaintedCalls(m_hWnd);
    HandleTable().erase(m_hWnd);
    m_hWnd = nullptr;
    if (g_focus == this) g_focus = nullptr;
    UnlinkFromParent();
    // Child objects that live on (their owners delete them) keep no window.
    for (CWnd* child : m_children) child->m_pParent = nullptr;
    m_children.clear();
    PostNcDestroy();
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!m_hWnd) return 0;
    DispatchScope scope;
    const CurrentMsg saved = m_current;
    m_current = {message, wParam, lParam};
    const LRESULT r = WindowProc(message, wParam, lParam);
    m_current = saved;
    return r;
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!m_hWnd) return FALSE;
    SendMessage(message, wParam, lParam);
    return TRUE;
}

LRESULT CWnd::Default() { return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam); }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    return result;
}

bool CWnd::MatchEntry(const AFX_MSGMAP_ENTRY& e, UINT message, WPARAM wParam) {
    if (e.registered) return *e.registered == message;
    if (e.message != message) return false;
    if (message == WM_COMMAND || message == WM_REFLECT_BASE + WM_COMMAND) {
        const UINT code = static_cast<UINT>((wParam >> 16) & 0xFFFF);
        const UINT id = static_cast<UINT>(wParam & 0xFFFF);
        if (message == WM_COMMAND && e.id != id) return false;
        return e.code == code;
    }
    return true;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_COMMAND) {
        if (OnCommand(wParam, lParam)) {
            *result = 1;
            return TRUE;
        }
        return FALSE;
    }
    if (message == WM_NOTIFY) {
        LRESULT r = 0;
        if (OnNotify(wParam, lParam, &r)) {
            *result = r;
            return TRUE;
        }
        return FALSE;
    }
    const bool handled = ForEachCandidate(GetMessageMap(), message, [&](const AFX_MSGMAP_ENTRY& e) {
        if (!MatchEntry(e, message, wParam)) return false;
        LRESULT r = 0;
        if (!e.handler(this, wParam, lParam, r)) return false;
        *result = r;
        return true;
    });
    return handled ? TRUE : FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    // A control's notification is first offered back to the control (reflection).
    if (CWnd* control = FromHandle(reinterpret_cast<HWND>(lParam))) {
        LRESULT r = 0;
        if (control != this && control->OnChildNotify(WM_COMMAND, wParam, lParam, &r)) return TRUE;
    }
    const bool handled = ForEachCandidate(GetMessageMap(), WM_COMMAND, [&](const AFX_MSGMAP_ENTRY& e) {
        LRESULT r = 0;
        return MatchEntry(e, WM_COMMAND, wParam) && e.handler(this, wParam, lParam, r);
    });
    return handled ? TRUE : FALSE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (!m_hWnd) return FALSE;
    const CurrentMsg saved = m_current;
    m_current = {WM_REFLECT_BASE + message, wParam, lParam};
    const BOOL handled = CWnd::OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, result);
    m_current = saved;
    return handled;
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result) {
    const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lParam);
    if (!hdr) return FALSE;
    if (CWnd* control = FromHandle(hdr->hwndFrom))
        if (control != this && control->OnChildNotify(WM_NOTIFY, 0, lParam, result)) return TRUE;
    return FALSE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETFONT:
            m_hFont = reinterpret_cast<HFONT>(wParam);
            if (lParam) Invalidate(TRUE);
            return 0;
        case WM_GETFONT: return reinterpret_cast<LRESULT>(m_hFont);
        case WM_SETTEXT:
            m_text = reinterpret_cast<const char*>(lParam);
            return TRUE;
        case WM_PAINT: m_invalid = false; return 0;
        case WM_CONTEXTMENU:
            // Like the system: a child that does not handle it passes it to its parent.
            if ((m_style & WS_CHILD) && m_pParent) return m_pParent->SendMessage(WM_CONTEXTMENU, wParam, lParam);
            return 0;
        case WM_CLOSE: DestroyWindow(); return 0;
        default: return 0;
    }
}

CWnd* CWnd::GetParent() const { return m_pParent; }

CWnd* CWnd::SetParent(CWnd* newParent) {
    CWnd* old = m_pParent;
    UnlinkFromParent();
    LinkToParent(newParent);
    return old;
}

CWnd* CWnd::GetOwner() const { return m_pOwner ? m_pOwner : m_pParent; }

CWnd* CWnd::GetDlgItem(int id) const {
    for (CWnd* child : m_children)
        if (child->m_hWnd && static_cast<int>(child->m_nID) == id) return child;
    return nullptr;
}

int CWnd::SetDlgCtrlID(int id) {
    const int old = static_cast<int>(m_nID);
    m_nID = static_cast<UINT>(id);
    return old;
}

CWnd* CWnd::GetTopLevelParent() const {
    const CWnd* w = this;
    while (w->m_pParent && (w->m_style & WS_CHILD)) w = w->m_pParent;
    return const_cast<CWnd*>(w);
}

BOOL CWnd::IsChild(const CWnd* wnd) const {
    for (const CWnd* w = wnd ? wnd->m_pParent : nullptr; w; w = w->m_pParent)
        if (w == this) return TRUE;
    return FALSE;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT) {
    const DWORD old = m_style;
    m_style = (m_style & ~remove) | add;
    return old != m_style;
}

void CWnd::SetWindowText(LPCTSTR text) {
    if (m_hWnd)
        SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : ""));
    else
        m_text = text ? text : "";
}

void CWnd::GetWindowText(CString& text) const { text = m_text; }

void CWnd::SetFont(CFont* font, BOOL redraw) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->GetSafeHandle() : nullptr), redraw);
}

CFont* CWnd::GetFont() const {
    return CFont::FromHandle(reinterpret_cast<HFONT>(const_cast<CWnd*>(this)->SendMessage(WM_GETFONT)));
}

void CWnd::GetClientRect(LPRECT rect) const {
    if (rect) *rect = RECT{0, 0, m_cx, m_cy};
}

void CWnd::GetWindowRect(LPRECT rect) const {
    if (!rect) return;
    POINT origin{0, 0};
    ClientToScreen(&origin);
    *rect = RECT{origin.x, origin.y, origin.x + m_cx, origin.y + m_cy};
}

void CWnd::ClientToScreen(LPPOINT pt) const {
    for (const CWnd* w = this; w; w = w->m_pParent) {
        pt->x += w->m_x;
        pt->y += w->m_y;
        if (!(w->m_style & WS_CHILD)) break;  // a top-level window's position is already on the screen
    }
}

void CWnd::ClientToScreen(LPRECT rect) const {
    POINT a{rect->left, rect->top}, b{rect->right, rect->bottom};
    ClientToScreen(&a);
    ClientToScreen(&b);
    *rect = RECT{a.x, a.y, b.x, b.y};
}

void CWnd::ScreenToClient(LPPOINT pt) const {
    POINT origin{0, 0};
    ClientToScreen(&origin);
    pt->x -= origin.x;
    pt->y -= origin.y;
}

void CWnd::ScreenToClient(LPRECT rect) const {
    POINT origin{0, 0};
    ClientToScreen(&origin);
    rect->left -= origin.x;
    rect->right -= origin.x;
    rect->top -= origin.y;
    rect->bottom -= origin.y;
}

BOOL CWnd::SetWindowPos(const CWnd*, int x, int y, int cx, int cy, UINT flags) {
    if (!m_hWnd) return FALSE;
    m_lastSwpFlags = flags;
    const bool move = !(flags & SWP_NOMOVE) && (x != m_x || y != m_y);
    const bool size = !(flags & SWP_NOSIZE) && (std::max(0, cx) != m_cx || std::max(0, cy) != m_cy);
    if (!(flags & SWP_NOMOVE)) m_x = x, m_y = y;
    if (!(flags & SWP_NOSIZE)) m_cx = std::max(0, cx), m_cy = std::max(0, cy);
    if (size) SendMessage(WM_SIZE, 0, MakeSizeParam(m_cx, m_cy));
    if (move && m_hWnd) SendMessage(WM_MOVE, 0, MakeSizeParam(m_x, m_y));
    return TRUE;
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    SetWindowPos(nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    if (repaint && m_hWnd) Invalidate(TRUE);
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint) {
    MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

BOOL CWnd::ShowWindow(int cmd) {
    const BOOL wasVisible = (m_style & WS_VISIBLE) ? TRUE : FALSE;
    if (cmd == SW_HIDE)
        m_style &= ~static_cast<DWORD>(WS_VISIBLE);
    else
        m_style |= WS_VISIBLE;
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const {
    for (const CWnd* w = this; w; w = w->m_pParent) {
        if (!w->m_hWnd || !(w->m_style & WS_VISIBLE)) return FALSE;
        if (!(w->m_style & WS_CHILD)) break;
    }
    return TRUE;
}

BOOL CWnd::EnableWindow(BOOL enable) {
    const BOOL wasDisabled = (m_style & WS_DISABLED) ? TRUE : FALSE;
    if (enable)
        m_style &= ~static_cast<DWORD>(WS_DISABLED);
    else
        m_style |= WS_DISABLED;
    return wasDisabled;
}

CWnd* CWnd::SetFocus() {
    CWnd* old = g_focus;
    g_focus = m_hWnd ? this : nullptr;
    return old;
}

CWnd* CWnd::GetFocus() { return g_focus; }

void CWnd::Invalidate(BOOL erase) { InvalidateRect(nullptr, erase); }

void CWnd::InvalidateRect(LPCRECT rect, BOOL erase) {
    if (!m_hWnd) return;
    ++m_paint.invalidate;
    m_paint.lastInvalidateErase = erase;
    const CRect client(0, 0, m_cx, m_cy);
    CRect part = client;
    if (rect) part.IntersectRect(CRect(*rect), client);
    if (m_updateRect.IsRectEmpty())
        m_updateRect = part;
    else if (!part.IsRectEmpty())
        m_updateRect.UnionRect(m_updateRect, part);
    Mark();
}

CRect CWnd::GetPaintRect() const { return m_paintRect.IsRectEmpty() ? CRect(0, 0, m_cx, m_cy) : m_paintRect; }

BOOL CWnd::GetUpdateRect(LPRECT rect, BOOL) const {
    if (rect) *rect = m_invalid ? m_updateRect : CRect();
    return m_invalid && !m_updateRect.IsRectEmpty() ? TRUE : FALSE;
}

void CWnd::Mark() {
    m_invalid = true;
    if (!m_paintQueued) g_marked.push_back(m_hWnd);
    m_paintQueued = true;
}

void CWnd::UpdateWindow() {
    if (!m_hWnd) return;
    ++m_paint.update;
    if (m_invalid) PaintNow();
}

void CWnd::PaintNow() {
    ++m_paint.paint;
    // Validated before (so the idle paint after this message does not paint it again) and after
    // (what the paint itself marks is drawn by it).
    const CRect update = m_updateRect;
    m_invalid = false;
    m_paintRect = update;  // what this paint's CPaintDC is given
    SendMessage(WM_PAINT);
    m_paintRect.SetRectEmpty();
    m_invalid = false;
    m_updateRect.SetRectEmpty();
}

BOOL CWnd::RedrawWindow(LPCRECT, void*, UINT flags) {
    if (!m_hWnd) return FALSE;
    ++m_paint.redraw;
    m_paint.lastRedrawFlags = flags;
    if (flags & RDW_INVALIDATE) {
        m_updateRect = CRect(0, 0, m_cx, m_cy);
        Mark();
    }
    if ((flags & RDW_UPDATENOW) && m_invalid) PaintNow();
    return TRUE;
}

CDC* CWnd::GetDC() { return new CClientDC(this); }

int CWnd::ReleaseDC(CDC* dc) {
    delete dc;
    return 1;
}

int CWnd::MessageBox(LPCTSTR text, LPCTSTR caption, UINT type) {
    return ::MessageBox(m_hWnd, text, caption ? caption : "", type);
}

// Default handlers: each gives the message default processing.
int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT) { Default(); }
void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT) { Default(); }

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* w = CWnd::FromHandle(hwnd);
    return w ? w->SendMessage(message, wParam, lParam) : 0;
}

BOOL IsWindow(HWND hwnd) { return CWnd::FromHandle(hwnd) ? TRUE : FALSE; }

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    CWnd* w = CWnd::FromHandle(hwnd);
    if (!w) return FALSE;
    w->InvalidateRect(rect, erase);
    return TRUE;
}

BOOL UpdateWindow(HWND hwnd) {
    CWnd* w = CWnd::FromHandle(hwnd);
    if (!w) return FALSE;
    w->UpdateWindow();
    return TRUE;
}

int AfxMessageBox(LPCTSTR text, UINT type, UINT) { return ::MessageBox(nullptr, text, "", type); }

std::size_t AfxLiveWindowCount() { return HandleTable().size(); }

class CWndPlatformAccess {
public:
    static void PaintIfMarked(HWND hwnd) {
        CWnd* w = CWnd::FromHandle(hwnd);
        if (!w) return;
        w->m_paintQueued = false;
        if (w->m_invalid) w->PaintNow();
    }
};

namespace {

void PaintMarkedWindows() {
    if (g_painting) return;
    g_painting = true;
    // Windows marked while these paint wait for the next time the platform is idle.
    std::vector<HWND> marked;
    marked.swap(g_marked);
    for (HWND h : marked) CWndPlatformAccess::PaintIfMarked(h);
    g_painting = false;
}

}  // namespace
