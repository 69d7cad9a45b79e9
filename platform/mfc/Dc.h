// GDI objects and a recording device context. Nothing is drawn: every CDC call is appended to
// the call list of its device context, which tests read; the DC keeps the state the module
// reads back (map mode, origin, colours, selected objects, saved states). GDI objects are
// records in a handle table (kind, face, size, colour, bitmap size), valid until deleted.
// Bitmap resources are registered per module image (platform::RegisterBitmap, mfc/Module.h).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "mfc/Object.h"
#include "mfc/String.h"
#include "mfc/Types.h"
#include "win32/Win32.h"

class CWnd;
class CDC;

typedef SIZE* LPSIZE;

// ---- records and constants ---------------------------------------------------------------
constexpr int LF_FACESIZE = 32;
enum : LONG { FW_NORMAL = 400, FW_BOLD = 700 };
enum : BYTE { ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, GB2312_CHARSET = 134 };

struct LOGFONT {
    LONG lfHeight;  // negative: character height in pixels
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    char lfFaceName[LF_FACESIZE];  // UTF-8, cut at a character boundary
};

struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;
};

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
};

enum : int { PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_DASHDOT = 3, PS_DASHDOTDOT = 4, PS_NULL = 5 };
enum : int { TRANSPARENT = 1, OPAQUE = 2 };
enum : int { LOGPIXELSX = 88, LOGPIXELSY = 90, BITSPIXEL = 12 };
enum : int { REGION_ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2 };

// Screen resolution of the headless display (fonts, MM_HIMETRIC).
constexpr int kScreenDpi = 96;

// Deletes a GDI object. FALSE for an unknown handle or one selected into a device context
// (the object then stays). Stock objects and system-colour brushes are never deleted (TRUE).
BOOL DeleteObject(HGDIOBJ object);
// The brush of a system colour (GetSysColor): shared, never deleted.
HBRUSH GetSysColorBrush(int index);

// ---- recorded calls ------------------------------------------------------------------------------
// One recorded call. Fields a call does not use keep their defaults.
struct DcCall {
    std::string op;            // the CDC member's name: "FillSolidRect", "SelectObject", ...
    CRect rect;                // target rectangle (blits: x, y, x + w, y + h)
    CRect source;              // BitBlt / StretchBlt source rectangle
    CPoint point;              // TextOut, MoveTo, LineTo, SetWindowOrg
    COLORREF colour = 0;       // fill colour, top-left colour, text colour of text calls, pen colour
    COLORREF colour2 = 0;      // Draw3dRect bottom-right colour, Rectangle brush colour
    CString text;              // DrawText, TextOut
    UINT format = 0;           // DrawText flags
    DWORD rop = 0;             // raster operation
    HGDIOBJ object = nullptr;  // SelectObject's object, FillRect's brush, blit source bitmap, font of
                               // text calls, pen of lines and rectangles
    int value = 0;             // SetMapMode / SetBkMode argument, SaveDC answer, RestoreDC argument
};

// ---- platform hooks and observation ----------------------------------------------------------
namespace platform {

enum class GdiKind { Font, Pen, Brush, Bitmap };

struct GdiObjectInfo {
    GdiKind kind = GdiKind::Font;
    bool stock = false;         // stock object or system-colour brush
    LOGFONT font{};             // Font
    int pointSize = 0;          // Font made by CreatePointFont: tenths of a point, else 0
    int penStyle = PS_SOLID;    // Pen
    int penWidth = 0;           // Pen
    COLORREF colour = 0;        // Pen, Brush
    int width = 0, height = 0;  // Bitmap
    int planes = 1, bitsPerPixel = 32;
    HINSTANCE module = nullptr;  // Bitmap loaded from a resource: its module and id
    UINT resourceId = 0;
};

// The record of a live handle, NULL when it names no object.
const GdiObjectInfo* GetGdiObjectInfo(HGDIOBJ object);
// Objects created and not yet deleted (stock objects not counted).
std::size_t LiveGdiObjectCount();

// Registers (or replaces) a bitmap resource of a loaded module (platform::LoadModuleImage):
// LoadBitmap(module, id) then makes a bitmap of this size. False for a handle that names no
// loaded module. Once the module image is unloaded its bitmaps cannot be loaded (bitmaps loaded
// before stay valid).
bool RegisterBitmap(HINSTANCE module, UINT id, int width, int height);

// Calls made through the CPaintDC / CClientDC objects of a window that have been released, in
// order: always the whole last paint, and the ones before while the record stays within 4096
// calls (older paints are dropped whole). ClearPaintedCalls forgets them all (test reset). A
// window's record goes with its window (ForgetPaintedCalls, called when it is destroyed).
const std::vector<DcCall>& GetPaintedCalls(HWND wnd);
void ClearPaintedCalls();
void ForgetPaintedCalls(HWND wnd);

}  // namespace platform

// ---- GDI objects ---------------------------------------------------------------------------
// A wrapper of a handle: the object deletes its handle when destroyed. Each Create* answers
// FALSE when the object already holds a handle.
class CGdiObject : public CObject {
    DECLARE_DYNAMIC(CGdiObject)
public:
    CGdiObject() = default;
    ~CGdiObject() override;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ m_hObject = nullptr;
    operator HGDIOBJ() const { return m_hObject; }
    HGDIOBJ GetSafeHandle() const { return m_hObject; }

    // The wrapper of a live handle: the object that holds it, or a temporary wrapper that lives
    // until the handle is deleted. NULL for an unknown handle.
    static CGdiObject* FromHandle(HGDIOBJ object);
    BOOL Attach(HGDIOBJ object);
    HGDIOBJ Detach();
    BOOL DeleteObject();
};

class CFont : public CGdiObject {
    DECLARE_DYNAMIC(CFont)
public:
    // Always succeeds on a fresh object: height -(pointSize * 96 / 720) pixels, normal weight,
    // the face cut to LF_FACESIZE - 1 bytes. The DC is not consulted.
    BOOL CreatePointFont(int pointSize, LPCTSTR faceName, CDC* dc = nullptr);
    BOOL CreateFontIndirect(const LOGFONT* logFont);
    int GetLogFont(LOGFONT* logFont) const;  // sizeof(LOGFONT), 0 without a font
    static CFont* FromHandle(HFONT font);
};

class CPen : public CGdiObject {
    DECLARE_DYNAMIC(CPen)
public:
    CPen() = default;
    CPen(int style, int width, COLORREF colour) { CreatePen(style, width, colour); }
    BOOL CreatePen(int style, int width, COLORREF colour);
    static CPen* FromHandle(HPEN pen);
};

class CBrush : public CGdiObject {
    DECLARE_DYNAMIC(CBrush)
public:
    CBrush() = default;
    explicit CBrush(COLORREF colour) { CreateSolidBrush(colour); }
    BOOL CreateSolidBrush(COLORREF colour);
    static CBrush* FromHandle(HBRUSH brush);
};

class CBitmap : public CGdiObject {
    DECLARE_DYNAMIC(CBitmap)
public:
    // From the current resource handle (AfxGetResourceHandle), else from the first loaded module,
    // in the order their bitmaps were registered, that has the id; FALSE if none.
    BOOL LoadBitmap(UINT id);
    // Same format as the bitmap selected into a memory DC (1 bpp for a fresh one, as on the
    // real platform), 32 bpp for other DCs.
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
    int GetBitmap(BITMAP* bitmap) const;  // sizeof(BITMAP), 0 without a bitmap
    static CBitmap* FromHandle(HBITMAP bitmap);
};

// ---- device contexts -------------------------------------------------------------------------
class CDC : public CObject {
    DECLARE_DYNAMIC(CDC)
public:
    CDC() = default;
    ~CDC() override;  // deletes the device context it holds
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;
    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }
    // The CDC that made or attached a live handle (or a temporary one); NULL for an unknown handle.
    static CDC* FromHandle(HDC dc);
    BOOL Attach(HDC dc);
    HDC Detach();
    BOOL DeleteDC();
    // A memory DC (a 1 x 1 monochrome bitmap selected). dc is not consulted.
    BOOL CreateCompatibleDC(CDC* dc);

    // The recording (at least the newest 2048 calls). Drawing on a CDC without a device context
    // throws std::logic_error.
    const std::vector<DcCall>& GetCalls() const;
    void ClearCalls();

    int GetDeviceCaps(int index) const;  // LOGPIXELSX/Y 96, BITSPIXEL 32, else 0

    // state
    int SetMapMode(int mode);
    int GetMapMode() const;
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT pt) { return SetWindowOrg(pt.x, pt.y); }
    CPoint GetWindowOrg() const;
    COLORREF SetTextColor(COLORREF colour);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF colour);
    COLORREF GetBkColor() const;
    int SetBkMode(int mode);
    int GetBkMode() const;
    int SaveDC();                 // level of the saved state, from 1
    BOOL RestoreDC(int savedDC);  // a level, or -1 for the last; FALSE for a level not saved
    int IntersectClipRect(int left, int top, int right, int bottom);
    int IntersectClipRect(LPCRECT rect);

    // Device pixels to logical units. MM_TEXT: x - org, y - org. MM_HIMETRIC: 0.01 mm at 96 dpi,
    // y upwards: x * 2540 / 96 + org.x, -(y * 2540 / 96) + org.y, rounded to nearest; sizes
    // are scaled and stay positive. Other modes are taken as MM_TEXT.
    void DPtoLP(LPPOINT points, int count = 1) const;
    void DPtoLP(LPRECT rect) const;
    void DPtoLP(LPSIZE size) const;

    // selection: the previously selected object (NULL on failure: no object, a bitmap into a
    // DC that is not a memory DC, or a bitmap already selected into another DC)
    CGdiObject* SelectObject(CGdiObject* object);
    CFont* SelectObject(CFont* font);
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CBitmap* SelectObject(CBitmap* bitmap);
    CFont* GetCurrentFont() const;
    CPen* GetCurrentPen() const;
    CBrush* GetCurrentBrush() const;
    CBitmap* GetCurrentBitmap() const;

    // drawing (FillSolidRect and Draw3dRect leave the background colour set to their last
    // colour, as on the real platform)
    void FillSolidRect(LPCRECT rect, COLORREF colour);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF colour);
    void FillRect(LPCRECT rect, CBrush* brush);
    void Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
    void DrawFocusRect(LPCRECT rect);
    // Answers the text height: the selected font's pixel height (16 when it has none).
    int DrawText(const CString& text, LPRECT rect, UINT format);
    int DrawText(LPCTSTR text, int count, LPRECT rect, UINT format);  // count -1: whole text
    BOOL TextOut(int x, int y, const CString& text);
    BOOL TextOut(int x, int y, LPCTSTR text, int count);
    BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Rectangle(LPCRECT rect);
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT pt) { return MoveTo(pt.x, pt.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT pt) { return LineTo(pt.x, pt.y); }
    BOOL BitBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, DWORD rop);
    BOOL StretchBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, int srcWidth, int srcHeight,
                    DWORD rop);

protected:
    // A new device context for a window (NULL: the screen).
    void CreateWindowDC(CWnd* wnd);
};

// The DC of a window's WM_PAINT: its calls go to platform::GetPaintedCalls when it is destroyed.
class CPaintDC : public CDC {
    DECLARE_DYNAMIC(CPaintDC)
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps{};  // rcPaint: what the paint was asked for (the client area outside one)
    HWND m_hWnd = nullptr;
};

// The DC of a window's client area, or of the screen for NULL (font creation).
class CClientDC : public CDC {
    DECLARE_DYNAMIC(CClientDC)
public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;
    HWND m_hWnd = nullptr;
};
