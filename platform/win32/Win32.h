// Headless Win32 layer: the integer types, handles, geometry records, message and
// style constants and the few system services the module calls. Nothing is drawn;
// every window is a CWnd object (platform/mfc) and handles are looked up in a table.
#pragma once

#include <cstddef>
#include <cstdint>

// ---- integer types: 32-bit words, pointer-sized message parameters --------------
typedef int32_t BOOL;
typedef uint32_t UINT;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef uint32_t ULONG;
typedef uint16_t WORD;
typedef uint8_t BYTE;
typedef uint32_t COLORREF;
typedef uint32_t VARTYPE;
typedef intptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef uintptr_t DWORD_PTR;
typedef intptr_t LONG_PTR;
typedef uintptr_t UINT_PTR;
typedef const char* LPCTSTR;
typedef const char* LPCSTR;
typedef char* LPTSTR;
typedef char* LPSTR;
typedef char TCHAR;
typedef void* LPVOID;

static_assert(sizeof(UINT) == 4 && sizeof(DWORD) == 4 && sizeof(COLORREF) == 4 && sizeof(LONG) == 4,
              "Win32 words are 32 bits");
static_assert(sizeof(LPARAM) == sizeof(void*) && sizeof(long) == sizeof(void*),
              "message parameters and objects passed as long must hold an address");

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

#define _T(x) x
#define TEXT(x) x

// ---- opaque handles ---------------------------------------------------------------
struct HWND__ { int unused; };
typedef HWND__* HWND;
struct HINSTANCE__ { int unused; };
typedef HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
struct HDC__ { int unused; };
typedef HDC__* HDC;
struct HGDIOBJ__ { int unused; };
typedef HGDIOBJ__* HGDIOBJ;
typedef HGDIOBJ HFONT;
typedef HGDIOBJ HBITMAP;
typedef HGDIOBJ HBRUSH;
typedef HGDIOBJ HPEN;
struct HMENU__ { int unused; };
typedef HMENU__* HMENU;
struct HTREEITEM__ { int unused; };
typedef HTREEITEM__* HTREEITEM;

// ---- geometry records -------------------------------------------------------------
struct POINT {
    LONG x;
    LONG y;
};
struct SIZE {
    LONG cx;
    LONG cy;
};
struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
typedef RECT* LPRECT;
typedef const RECT* LPCRECT;
typedef POINT* LPPOINT;

BOOL PtInRect(const RECT* rect, POINT pt);
BOOL IsRectEmpty(const RECT* rect);

// ---- colours ------------------------------------------------------------------------
constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
    return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) | (static_cast<COLORREF>(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) { return static_cast<BYTE>(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) { return static_cast<BYTE>((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) { return static_cast<BYTE>((c >> 16) & 0xFF); }

enum : int {
    COLOR_SCROLLBAR = 0,
    COLOR_BACKGROUND = 1,
    COLOR_ACTIVECAPTION = 2,
    COLOR_INACTIVECAPTION = 3,
    COLOR_MENU = 4,
    COLOR_WINDOW = 5,
    COLOR_WINDOWFRAME = 6,
    COLOR_MENUTEXT = 7,
    COLOR_WINDOWTEXT = 8,
    COLOR_CAPTIONTEXT = 9,
    COLOR_ACTIVEBORDER = 10,
    COLOR_INACTIVEBORDER = 11,
    COLOR_APPWORKSPACE = 12,
    COLOR_HIGHLIGHT = 13,
    COLOR_HIGHLIGHTTEXT = 14,
    COLOR_BTNFACE = 15,
    COLOR_3DFACE = 15,
    COLOR_BTNSHADOW = 16,
    COLOR_GRAYTEXT = 17,
    COLOR_BTNTEXT = 18,
    COLOR_BTNHIGHLIGHT = 20,
};
// Fixed table (see platform/README.md) so that tests can expect exact colours.
DWORD GetSysColor(int index);

// ---- window styles ------------------------------------------------------------------
enum : DWORD {
    WS_OVERLAPPED = 0x00000000u,
    WS_POPUP = 0x80000000u,
    WS_CHILD = 0x40000000u,
    WS_VISIBLE = 0x10000000u,
    WS_DISABLED = 0x08000000u,
    WS_CAPTION = 0x00C00000u,
    WS_BORDER = 0x00800000u,
    WS_VSCROLL = 0x00200000u,
    WS_HSCROLL = 0x00100000u,
    WS_TABSTOP = 0x00010000u,
    DS_SETFONT = 0x40u,
    DS_FIXEDSYS = 0x0008u,
    CBS_DROPDOWNLIST = 0x0003u,
    CBS_OWNERDRAWFIXED = 0x0010u,
    CBS_HASSTRINGS = 0x0200u,
    CBS_NOINTEGRALHEIGHT = 0x0400u,
};

// ---- SetWindowPos / RedrawWindow / ShowWindow ------------------------------------------
enum : UINT {
    SWP_NOSIZE = 0x0001,
    SWP_NOMOVE = 0x0002,
    SWP_NOZORDER = 0x0004,
    SWP_NOACTIVATE = 0x0010,
    RDW_INVALIDATE = 0x0001,
    RDW_ERASE = 0x0004,
    RDW_UPDATENOW = 0x0100,
    SW_HIDE = 0,
    SW_SHOW = 5,
};

// ---- messages -------------------------------------------------------------------------
enum : UINT {
    WM_NULL = 0x0000,
    WM_CREATE = 0x0001,
    WM_DESTROY = 0x0002,
    WM_MOVE = 0x0003,
    WM_SIZE = 0x0005,
    WM_SETFOCUS = 0x0007,
    WM_SETTEXT = 0x000C,
    WM_GETTEXT = 0x000D,
    WM_PAINT = 0x000F,
    WM_CLOSE = 0x0010,
    WM_ERASEBKGND = 0x0014,
    WM_SHOWWINDOW = 0x0018,
    WM_SETFONT = 0x0030,
    WM_GETFONT = 0x0031,
    WM_DRAWITEM = 0x002B,
    WM_MEASUREITEM = 0x002C,
    WM_NOTIFY = 0x004E,
    WM_CONTEXTMENU = 0x007B,
    WM_NCDESTROY = 0x0082,
    WM_KEYDOWN = 0x0100,
    WM_CHAR = 0x0102,
    WM_INITDIALOG = 0x0110,
    WM_COMMAND = 0x0111,
    WM_TIMER = 0x0113,
    WM_HSCROLL = 0x0114,
    WM_VSCROLL = 0x0115,
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_LBUTTONDBLCLK = 0x0203,
    WM_RBUTTONDOWN = 0x0204,
    WM_CLEAR = 0x0303,
    WM_USER = 0x0400,
    WM_REFLECT_BASE = 0xBC00,  // a control's own notification, reflected back to it
    CB_RESETCONTENT = 0x014B,
    CBN_SELCHANGE = 1,
    BN_CLICKED = 0,
    PSM_GETTABCONTROL = WM_USER + 116,
    TCM_FIRST = 0x1300,
    TCM_GETITEMCOUNT = TCM_FIRST + 4,
    TCM_SETITEM = TCM_FIRST + 6,
    TCM_GETITEMRECT = TCM_FIRST + 10,
    TCM_GETCURSEL = TCM_FIRST + 11,
    TCM_SETCURSEL = TCM_FIRST + 12,
    TCM_GETROWCOUNT = TCM_FIRST + 44,
    TVM_GETNEXTITEM = 0x1100 + 10,
    TVGN_CARET = 0x0009,
};
enum : UINT { TVIS_SELECTED = 0x0002 };
enum : UINT { TCIF_TEXT = 0x0001 };
// Combo-box notifications and messages, scroll-bar codes (WM_VSCROLL/WM_HSCROLL low word).
enum : UINT {
    CBN_DROPDOWN = 7,
    CBN_CLOSEUP = 8,
    CBN_SELENDOK = 9,
    CBN_SELENDCANCEL = 10,
    CB_GETCOUNT = 0x0146,
    CB_GETCURSEL = 0x0147,
    CB_SETCURSEL = 0x014E,
};
enum : UINT {
    SB_LINEUP = 0,
    SB_LINEDOWN = 1,
    SB_PAGEUP = 2,
    SB_PAGEDOWN = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_BOTTOM = 7,
    SB_ENDSCROLL = 8,
};
constexpr WPARAM MAKEWPARAM(UINT low, UINT high) {
    return static_cast<WPARAM>((static_cast<uint32_t>(high & 0xFFFF) << 16) | (low & 0xFFFF));
}
constexpr LPARAM MAKELPARAM(int low, int high) {
    return static_cast<LPARAM>((static_cast<uint32_t>(high & 0xFFFF) << 16) | (static_cast<uint32_t>(low) & 0xFFFF));
}


struct TCITEM {
    UINT mask;
    DWORD dwState;
    DWORD dwStateMask;
    LPSTR pszText;
    int cchTextMax;
    int iImage;
    LPARAM lParam;
};

struct NMHDR {
    HWND hwndFrom;
    UINT_PTR idFrom;
    int code;
};

// ---- keys --------------------------------------------------------------------------------
enum : UINT { VK_RETURN = 0x0D, VK_ESCAPE = 0x1B, VK_SPACE = 0x20, VK_UP = 0x26, VK_DOWN = 0x28, VK_F2 = 0x71, VK_F4 = 0x73 };

// ---- message boxes -----------------------------------------------------------------------
enum : UINT {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

// ---- drawing -----------------------------------------------------------------------------
enum : DWORD { SRCCOPY = 0x00CC0020u, SRCPAINT = 0x00EE0086u, SRCAND = 0x008800C6u };
enum : int { MM_TEXT = 1, MM_HIMETRIC = 3 };
enum : UINT { ODA_DRAWENTIRE = 1, ODA_SELECT = 2, ODA_FOCUS = 4, ODS_SELECTED = 1, ODS_COMBOBOXEDIT = 0x1000 };
enum : UINT { DT_CENTER = 0x1, DT_VCENTER = 0x4, DT_SINGLELINE = 0x20 };

struct DRAWITEMSTRUCT {
    UINT CtlType;
    UINT CtlID;
    UINT itemID;
    UINT itemAction;
    UINT itemState;
    HWND hwndItem;
    HDC hDC;
    RECT rcItem;
    DWORD_PTR itemData;
};
typedef DRAWITEMSTRUCT* LPDRAWITEMSTRUCT;
struct MEASUREITEMSTRUCT {
    UINT CtlType;
    UINT CtlID;
    UINT itemID;
    UINT itemWidth;
    UINT itemHeight;
    DWORD_PTR itemData;
};
typedef MEASUREITEMSTRUCT* LPMEASUREITEMSTRUCT;

// ---- DLL entry ---------------------------------------------------------------------------
enum : DWORD { DLL_PROCESS_DETACH = 0, DLL_PROCESS_ATTACH = 1, DLL_THREAD_ATTACH = 2, DLL_THREAD_DETACH = 3 };

// ---- single-precision limits, as the C library states them -------------------------------
constexpr double kFltMax = 3.4028234663852886e38;
constexpr double kFltEpsilon = 1.1920928955078125e-07;

// ---- services --------------------------------------------------------------------------------
// Registered messages: one id per distinct name, from 0xC000 upward, stable within a process.
UINT RegisterWindowMessage(const char* name);

// Message box: recorded and answered by the platform's responder (platform/driver/Responder.h).
int MessageBox(HWND owner, const char* text, const char* caption, UINT type);

// Module file name: an injectable path (Responder); the buffer is cut to size like the real call.
DWORD GetModuleFileNameA(HMODULE module, char* buffer, DWORD size);
// INVALID_FILE_ATTRIBUTES when the path does not exist (backed by stat). '\\' separates folders as
// '/' does (see platform::LocalPath).
constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFFu;
DWORD GetFileAttributesA(const char* path);

// Bitmap resources: the module registers its bitmaps with its instance handle; loading from a
// handle that is not (or no longer) registered gives NULL.
HBITMAP LoadBitmap(HINSTANCE module, UINT id);

// ---- file paths ----------------------------------------------------------------------------------
#include <string>
namespace platform {
// The path with every '\' made '/': the host's paths use '\' between folders, this file system '/'.
std::string LocalPath(const char* path);
}  // namespace platform
