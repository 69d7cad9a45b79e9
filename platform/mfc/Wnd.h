// CWnd: a headless window. Each window is a CWnd object with a handle, a parent and
// children, a position in its parent's client area and a size (no non-client area, so
// the client rectangle is (0, 0, width, height)). Messages are delivered synchronously
// through WindowProc and the class's message map; what no entry handles gets default
// processing (DefWindowProc). Nothing is drawn; paint requests are counted.
#pragma once

#include <vector>

#include "mfc/Object.h"
#include "mfc/String.h"
#include "mfc/Types.h"

class CWnd;
class CDC;
class CFont;
class CScrollBar;
struct CCreateContext {
    CRuntimeClass* m_pNewViewClass = nullptr;
};

struct CREATESTRUCT {
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCSTR lpszName;
    LPCSTR lpszClass;
    DWORD dwExStyle;
};
typedef CREATESTRUCT* LPCREATESTRUCT;

// ---- message maps ------------------------------------------------------------------
struct AFX_MSGMAP_ENTRY {
    UINT message;           // 0 ends the table
    UINT code;              // notification code (WM_COMMAND entries)
    UINT id;                // control id (WM_COMMAND entries), 0 for any
    const UINT* registered; // registered message id, read at dispatch time
    bool (*handler)(CWnd* self, WPARAM wParam, LPARAM lParam, LRESULT& result);
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                          \
protected:                                             \
    static const AFX_MSGMAP* GetThisMessageMap();      \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                        \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                 \
        typedef theClass ThisClass;                                                   \
        typedef baseClass TheBaseClass;                                               \
        static const AFX_MSGMAP_ENTRY entries_[] = {
#define END_MESSAGE_MAP()                                                                  \
    {0, 0, 0, nullptr, nullptr}                                                            \
    }                                                                                      \
    ;                                                                                      \
    static const AFX_MSGMAP map_ = {&TheBaseClass::GetThisMessageMap, &entries_[0]};      \
    return &map_;                                                                          \
    }

#define AFX_MSG_HANDLER_(body) \
    [](CWnd * self_, WPARAM wParam_, LPARAM lParam_, LRESULT & result_) -> bool { \
        ThisClass* w_ = static_cast<ThisClass*>(self_);                           \
        (void)w_;                                                                 \
        (void)wParam_;                                                            \
        (void)lParam_;                                                            \
        (void)result_;                                                            \
        body;                                                                     \
        return true;                                                              \
    }

#define ON_WM_CREATE() \
    {WM_CREATE, 0, 0, nullptr, AFX_MSG_HANDLER_(result_ = w_->OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam_)))},
#define ON_WM_DESTROY() {WM_DESTROY, 0, 0, nullptr, AFX_MSG_HANDLER_(w_->OnDestroy())},
#define ON_WM_SIZE()                                                                                 \
    {WM_SIZE, 0, 0, nullptr,                                                                         \
     AFX_MSG_HANDLER_(w_->OnSize(static_cast<UINT>(wParam_), static_cast<short>(lParam_ & 0xFFFF), \
                                 static_cast<short>((lParam_ >> 16) & 0xFFFF)))},
#define ON_WM_PAINT() {WM_PAINT, 0, 0, nullptr, AFX_MSG_HANDLER_(w_->OnPaint())},
#define ON_WM_CONTEXTMENU()                                                                     \
    {WM_CONTEXTMENU, 0, 0, nullptr,                                                             \
     AFX_MSG_HANDLER_(w_->OnContextMenu(CWnd::FromHandle(reinterpret_cast<HWND>(wParam_)),      \
                                        CPoint(static_cast<short>(lParam_ & 0xFFFF),            \
                                               static_cast<short>((lParam_ >> 16) & 0xFFFF))))},
#define ON_WM_VSCROLL()                                                                                      \
    {WM_VSCROLL, 0, 0, nullptr,                                                                              \
     AFX_MSG_HANDLER_(w_->OnVScroll(static_cast<UINT>(wParam_ & 0xFFFF), static_cast<UINT>(wParam_ >> 16), \
                                    reinterpret_cast<CScrollBar*>(CWnd::FromHandle(reinterpret_cast<HWND>(lParam_)))))},
#define ON_WM_HSCROLL()                                                                                      \
    {WM_HSCROLL, 0, 0, nullptr,                                                                              \
     AFX_MSG_HANDLER_(w_->OnHScroll(static_cast<UINT>(wParam_ & 0xFFFF), static_cast<UINT>(wParam_ >> 16), \
                                    reinterpret_cast<CScrollBar*>(CWnd::FromHandle(reinterpret_cast<HWND>(lParam_)))))},
#define ON_WM_KEYDOWN()                                                                     \
    {WM_KEYDOWN, 0, 0, nullptr,                                                             \
     AFX_MSG_HANDLER_(w_->OnKeyDown(static_cast<UINT>(wParam_), static_cast<UINT>(lParam_ & 0xFFFF), \
                                    static_cast<UINT>((lParam_ >> 16) & 0xFFFF)))},
#define ON_WM_CHAR()                                                                        \
    {WM_CHAR, 0, 0, nullptr,                                                                \
     AFX_MSG_HANDLER_(w_->OnChar(static_cast<UINT>(wParam_), static_cast<UINT>(lParam_ & 0xFFFF), \
                                 static_cast<UINT>((lParam_ >> 16) & 0xFFFF)))},
#define ON_WM_TIMER() {WM_TIMER, 0, 0, nullptr, AFX_MSG_HANDLER_(w_->OnTimer(static_cast<UINT_PTR>(wParam_)))},
#define AFX_MOUSE_ENTRY_(msg, fn)                                                           \
    {msg, 0, 0, nullptr,                                                                    \
     AFX_MSG_HANDLER_(w_->fn(static_cast<UINT>(wParam_), CPoint(static_cast<short>(lParam_ & 0xFFFF), \
                                                                 static_cast<short>((lParam_ >> 16) & 0xFFFF))))},
#define ON_WM_LBUTTONDOWN() AFX_MOUSE_ENTRY_(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MOUSE_ENTRY_(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MOUSE_ENTRY_(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_MOUSE_ENTRY_(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_DRAWITEM()                                                                     \
    {WM_DRAWITEM, 0, 0, nullptr,                                                             \
     AFX_MSG_HANDLER_(w_->OnDrawItem(static_cast<int>(wParam_), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam_)))},
#define ON_WM_MEASUREITEM()                                                                  \
    {WM_MEASUREITEM, 0, 0, nullptr,                                                          \
     AFX_MSG_HANDLER_(w_->OnMeasureItem(static_cast<int>(wParam_), reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam_)))},
// Handlers of ON_MESSAGE / ON_REGISTERED_MESSAGE take (WPARAM, LPARAM): a pointer-sized
// wParam, since WM_USER+101 carries the view window's address in it.
#define ON_MESSAGE(msg, fn) {static_cast<UINT>(msg), 0, 0, nullptr, AFX_MSG_HANDLER_(result_ = w_->fn(wParam_, lParam_))},
#define ON_REGISTERED_MESSAGE(var, fn) {0xFFFFFFFFu, 0, 0, &var, AFX_MSG_HANDLER_(result_ = w_->fn(wParam_, lParam_))},
#define ON_COMMAND(id, fn) {WM_COMMAND, 0, static_cast<UINT>(id), nullptr, AFX_MSG_HANDLER_(w_->fn())},
#define ON_BN_CLICKED(id, fn) {WM_COMMAND, BN_CLICKED, static_cast<UINT>(id), nullptr, AFX_MSG_HANDLER_(w_->fn())},
#define ON_CBN_SELCHANGE(id, fn) {WM_COMMAND, CBN_SELCHANGE, static_cast<UINT>(id), nullptr, AFX_MSG_HANDLER_(w_->fn())},
// A control's own notification, reflected back to it by its parent.
#define ON_CONTROL_REFLECT(code, fn) \
    {WM_REFLECT_BASE + WM_COMMAND, static_cast<UINT>(code), 0, nullptr, AFX_MSG_HANDLER_(w_->fn())},

// ---- CWnd ---------------------------------------------------------------------------
class CWnd : public CObject {
    DECLARE_DYNCREATE(CWnd)
public:
    CWnd();
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }
    static CWnd* FromHandle(HWND hwnd);
    static CWnd* FromHandlePermanent(HWND hwnd) { return FromHandle(hwnd); }

    // creation and destruction
    virtual BOOL Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                        CCreateContext* context = nullptr);
    virtual BOOL CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect,
                          CWnd* parent, UINT id, LPVOID param = nullptr);
    virtual BOOL DestroyWindow();
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

    // messages
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);  // delivered at once (no queue)
    LRESULT Default();

    // tree and identity
    CWnd* GetParent() const;
    CWnd* SetParent(CWnd* newParent);
    CWnd* GetOwner() const;
    void SetOwner(CWnd* owner) { m_pOwner = owner; }
    CWnd* GetDlgItem(int id) const;
    int GetDlgCtrlID() const { return static_cast<int>(m_nID); }
    int SetDlgCtrlID(int id);
    const std::vector<CWnd*>& GetChildren() const { return m_children; }
    CWnd* GetTopLevelParent() const;
    BOOL IsChild(const CWnd* wnd) const;
    BOOL IsWindow() const { return m_hWnd != nullptr; }

    // style, text, font
    DWORD GetStyle() const { return m_style; }
    DWORD GetExStyle() const { return m_exStyle; }
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    void SetWindowText(LPCTSTR text);
    void GetWindowText(CString& text) const;
    CString GetWindowTextString() const { return m_text; }
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;

    // geometry (client rectangle is (0, 0, width, height))
    void GetClientRect(LPRECT rect) const;
    void GetWindowRect(LPRECT rect) const;
    void ClientToScreen(LPPOINT pt) const;
    void ClientToScreen(LPRECT rect) const;
    void ScreenToClient(LPPOINT pt) const;
    void ScreenToClient(LPRECT rect) const;
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);

    // state
    BOOL ShowWindow(int cmd);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const { return (m_style & WS_DISABLED) ? FALSE : TRUE; }
    CWnd* SetFocus();
    static CWnd* GetFocus();

    // painting (headless: counted, WM_PAINT sent when an update is due: UpdateWindow, RedrawWindow
    // with RDW_UPDATENOW, or when the outermost message, creation or destruction in progress
    // ends, as the message loop paints marked windows once its queue is empty)
    void Invalidate(BOOL erase = TRUE);
    // Marks the rectangle (NULL: the client area) for painting; marks add up to the rectangle
    // that encloses them all, which the next paint's CPaintDC is given.
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
    // The rectangle marked for painting; FALSE (and an empty rectangle) when nothing is marked.
    BOOL GetUpdateRect(LPRECT rect, BOOL erase = FALSE) const;
    // The rectangle the paint in progress was asked to paint (the client area outside a paint).
    CRect GetPaintRect() const;
    void UpdateWindow();
    BOOL RedrawWindow(LPCRECT rect = nullptr, void* region = nullptr, UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    CDC* GetDC();
    int ReleaseDC(CDC* dc);

    struct PaintCounters {
        int invalidate = 0;   // Invalidate / InvalidateRect calls
        int update = 0;       // UpdateWindow calls
        int redraw = 0;       // RedrawWindow calls
        int paint = 0;        // WM_PAINT delivered
        UINT lastRedrawFlags = 0;
        BOOL lastInvalidateErase = FALSE;
    };
    const PaintCounters& GetPaintCounters() const { return m_paint; }
    void ResetPaintCounters() { m_paint = PaintCounters(); }
    // Flags of the last SetWindowPos that reached this window (tests read the layout calls).
    UINT GetLastSetWindowPosFlags() const { return m_lastSwpFlags; }

    int MessageBox(LPCTSTR text, LPCTSTR caption = nullptr, UINT type = MB_OK);

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual void PostNcDestroy() {}
    // Answers a notification reflected from the parent (WM_REFLECT_BASE + message).
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // Default handlers the message-map macros call; each gives default processing.
    int OnCreate(LPCREATESTRUCT cs);
    void OnDestroy();
    void OnSize(UINT type, int cx, int cy);
    void OnPaint();
    void OnContextMenu(CWnd* wnd, CPoint pos);
    void OnVScroll(UINT code, UINT pos, CScrollBar* bar);
    void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
    void OnKeyDown(UINT ch, UINT repeat, UINT flags);
    void OnChar(UINT ch, UINT repeat, UINT flags);
    void OnTimer(UINT_PTR id);
    void OnLButtonDown(UINT flags, CPoint pt);
    void OnLButtonUp(UINT flags, CPoint pt);
    void OnLButtonDblClk(UINT flags, CPoint pt);
    void OnRButtonDown(UINT flags, CPoint pt);
    void OnDrawItem(int id, LPDRAWITEMSTRUCT dis);
    void OnMeasureItem(int id, LPMEASUREITEMSTRUCT mis);

private:
    friend class CWndPlatformAccess;
    void DestroyTree();
    void LinkToParent(CWnd* parent);
    void UnlinkFromParent();
    void PaintNow();
    void Mark();  // marks the window for painting (queued for the next idle moment)
    static bool MatchEntry(const AFX_MSGMAP_ENTRY& e, UINT message, WPARAM wParam);

    struct CurrentMsg {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    CurrentMsg m_current{0, 0, 0};
    CWnd* m_pParent = nullptr;
    CWnd* m_pOwner = nullptr;
    std::vector<CWnd*> m_children;
    int m_x = 0, m_y = 0, m_cx = 0, m_cy = 0;  // position in the parent's client area, size
    DWORD m_style = 0;
    DWORD m_exStyle = 0;
    UINT m_nID = 0;
    CString m_text;
    HFONT m_hFont = nullptr;
    bool m_invalid = false;
    CRect m_updateRect;  // what is marked for painting, in client coordinates
    CRect m_paintRect;   // during a paint: what it was asked to paint (empty: the client area)
    bool m_paintQueued = false;  // listed among the windows to paint when the platform is idle
    PaintCounters m_paint;
    UINT m_lastSwpFlags = 0;
};

class CScrollBar : public CWnd {};

// Sends a message to a window by handle (0 when the handle names no window).
LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
BOOL IsWindow(HWND hwnd);
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
BOOL UpdateWindow(HWND hwnd);

// Message box owned by the application (no owner window).
int AfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);

// Live windows, for leak checks in tests and the host.
std::size_t AfxLiveWindowCount();
