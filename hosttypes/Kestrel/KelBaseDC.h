// Device contexts of the graph tool. The text and clipping operations go straight to the
// context's output device; the style conversions are hooks that contexts writing to other
// media (metafiles) override, and do nothing here.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "mfc/Dc.h"

struct DRAWTEXTPARAMS;

// The packed text extent of the text functions: low 16 bits the signed width, high 16 bits the height.
CSize SplitTextExtent(DWORD packedExtent);

class CKelBaseDC : public CDC {
    DECLARE_DYNAMIC(CKelBaseDC)
public:
    CKelBaseDC() = default;
    ~CKelBaseDC() override;

    // Headless output has no clipping region narrower than the device: every point and rectangle is visible.
    virtual BOOL PtVisible(int x, int y) const;
    BOOL PtVisible(POINT point) const { return PtVisible(point.x, point.y); }
    virtual BOOL RectVisible(LPCRECT rect) const;

    virtual BOOL TextOut(int x, int y, LPCTSTR text, int count);
    BOOL TextOut(int x, int y, const CString& text) { return TextOut(x, y, text, text.GetLength()); }
    // Drawn as plain text: the options, the clipping rectangle and the spacing are not recorded.
    virtual BOOL ExtTextOut(int x, int y, UINT options, LPCRECT rect, LPCTSTR text, UINT count, const int* dxWidths);
    // Answers the extent of the text with tabs expanded: the stops are the given positions
    // (one position: every multiple of it), else every eight average character widths.
    virtual CSize TabbedTextOut(int x, int y, LPCTSTR text, int count, int tabPositions, const int* tabStops,
                                int tabOrigin);
    virtual int DrawText(LPCTSTR text, int count, LPRECT rect, UINT format);
    int DrawText(const CString& text, LPRECT rect, UINT format) {
        return DrawText(text, text.GetLength(), rect, format);
    }
    // The extra margins and tab settings of params are not recorded.
    virtual int DrawTextEx(LPTSTR text, int count, LPRECT rect, UINT format, DRAWTEXTPARAMS* params);
    // Calls output with (device, data, count) when given, else writes data as text (count 0: the whole text).
    virtual BOOL GrayString(CBrush* brush, BOOL (*output)(HDC, LPARAM, int), LPARAM data, int count, int x, int y,
                            int width, int height);
    // No device escapes exist here: answers 0 (not implemented).
    virtual int Escape(int escape, int count, LPCSTR inData, LPVOID outData);

    // Conversions of styles for the output medium.
    virtual void ConvertText(QXLOGFONT& font) {}
    virtual void ConvertPoint(QXLOGPOINT& point) {}
    virtual void ConvertLine(QXLOGPEN& pen) {}
    virtual void ConvertFill(QXLOGBRUSH& brush) {}
    virtual void ConvertFill(QXLOGBRUSH& brush, QXLOGPEN& border) {}
    virtual void ConvertFill(COLORREF& colour) {}
    virtual void ConvertFill(COLORREF& fillColour, COLORREF& lineColour) {}

    // The extent the text takes in the selected font; with tabs expanded as TabbedTextOut does.
    CSize GetTabbedTextExtent(LPCTSTR text, int count, int tabPositions, const int* tabStops) const;
};

// The graph tool's metafile context: output goes to the same device as the base.
class CKelMetaDC : public CKelBaseDC {
    DECLARE_DYNAMIC(CKelMetaDC)
public:
    CKelMetaDC() = default;
    ~CKelMetaDC() override;
};
