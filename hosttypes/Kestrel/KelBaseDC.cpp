#include "hosttypes/Kestrel/KelBaseDC.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "win32/Text.h"

IMPLEMENT_DYNAMIC(CKelBaseDC, CDC)
IMPLEMENT_DYNAMIC(CKelMetaDC, CKelBaseDC)

CSize SplitTextExtent(DWORD packedExtent) {
    return CSize(static_cast<int16_t>(packedExtent & 0xFFFFu), static_cast<int>((packedExtent >> 16) & 0xFFFFu));
}

namespace {

// Pixel height of the font selected into dc (16 when none is).
int FontHeight(const CDC& dc) {
    CFont* font = dc.GetCurrentFont();
    LOGFONT lf{};
    if (font && font->GetLogFont(&lf) && lf.lfHeight != 0) return std::abs(static_cast<int>(lf.lfHeight));
    return 16;
}

std::string Counted(LPCTSTR text, int count) {
    if (!text) return std::string();
    const std::size_t length = std::strlen(text);
    if (count < 0 || static_cast<std::size_t>(count) > length) return std::string(text);
    return std::string(text, static_cast<std::size_t>(count));
}

}  // namespace

CKelBaseDC::~CKelBaseDC() = default;
CKelMetaDC::~CKelMetaDC() = default;

BOOL CKelBaseDC::PtVisible(int, int) const { return TRUE; }

BOOL CKelBaseDC::RectVisible(LPCRECT) const { return TRUE; }

BOOL CKelBaseDC::TextOut(int x, int y, LPCTSTR text, int count) { return CDC::TextOut(x, y, text, count); }

BOOL CKelBaseDC::ExtTextOut(int x, int y, UINT, LPCRECT, LPCTSTR text, UINT count, const int*) {
    return CDC::TextOut(x, y, text, static_cast<int>(count));
}

CSize CKelBaseDC::GetTabbedTextExtent(LPCTSTR text, int count, int tabPositions, const int* tabStops) const {
    const int height = FontHeight(*this);
    const int charWidth = height / 2 > 0 ? height / 2 : 1;  // per GBK byte: CJK characters take two
    const std::string s = Counted(text, count);
    int x = 0;
    std::size_t begin = 0;
    for (std::size_t i = 0; i <= s.size(); ++i) {
        if (i < s.size() && s[i] != '\t') continue;
        x += static_cast<int>(text::GbkLength(s.substr(begin, i - begin))) * charWidth;
        begin = i + 1;
        if (i == s.size()) break;
        // A tab moves to the next stop after x.
        int next = -1;
        if (tabStops && tabPositions > 1) {
            for (int t = 0; t < tabPositions; ++t)
                if (tabStops[t] > x) {
                    next = tabStops[t];
                    break;
                }
        }
        if (next < 0) {
            const int interval = (tabStops && tabPositions == 1 && tabStops[0] > 0) ? tabStops[0] : 8 * charWidth;
            next = (x / interval + 1) * interval;
        }
        x = next;
    }
    return CSize(x, height);
}

CSize CKelBaseDC::TabbedTextOut(int x, int y, LPCTSTR text, int count, int tabPositions, const int* tabStops,
                                int tabOrigin) {
    const CSize extent = GetTabbedTextExtent(text, count, tabPositions, tabStops);
    const std::string s = Counted(text, count);
    CDC::TextOut(x, y, s.c_str(), static_cast<int>(s.size()));
    const DWORD packed = (static_cast<DWORD>(extent.cy & 0xFFFF) << 16) | static_cast<DWORD>(extent.cx & 0xFFFF);
    return SplitTextExtent(packed);
}

int CKelBaseDC::DrawText(LPCTSTR text, int count, LPRECT rect, UINT format) {
    return CDC::DrawText(text, count, rect, format);
}

int CKelBaseDC::DrawTextEx(LPTSTR text, int count, LPRECT rect, UINT format, DRAWTEXTPARAMS*) {
    return CDC::DrawText(text, count, rect, format);
}

BOOL CKelBaseDC::GrayString(CBrush*, BOOL (*output)(HDC, LPARAM, int), LPARAM data, int count, int x, int y, int, int) {
    if (output) return output(m_hDC, data, count);
    const std::string text = Counted(reinterpret_cast<LPCTSTR>(data), count == 0 ? -1 : count);
    return CDC::TextOut(x, y, text.c_str(), static_cast<int>(text.size()));
}

int CKelBaseDC::Escape(int, int, LPCSTR, LPVOID) { return 0; }
