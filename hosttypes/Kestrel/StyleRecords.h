// Drawing-style values of the graph-tool library: plain records of 32-bit words, copied word
// by word. Sizes are stored as one hundred times the value shown to the user. The words this
// module does not interpret belong to the graph-tool and map-object libraries and are only
// carried along by every copy. A default value has every word 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "mfc/String.h"
#include "win32/Text.h"
#include "win32/Win32.h"

// Fill style identifiers and background modes of a brush.
constexpr UINT kBrushStyleNone = 1000;
constexpr UINT kBrushStyleSolid = 1001;
constexpr UINT kBackModeTransparent = 100;
constexpr UINT kBackModeOpaque = 13;

namespace kestrel_detail {
// The 32-bit word a float field occupies: records compare word by word, so a NaN size equals
// its own copy and every bit of a stored value counts.
inline std::uint32_t Word(float value) {
    std::uint32_t w;
    std::memcpy(&w, &value, sizeof w);
    return w;
}
}  // namespace kestrel_detail

struct QXLOGPEN {
    UINT style = 0;  // identifier in the line-style manager
    DWORD reserved1 = 0;
    COLORREF color = 0;
    float width = 0;  // hundredths of a millimetre
    DWORD reserved4 = 0;

    QXLOGPEN() = default;
    QXLOGPEN(const QXLOGPEN&) = default;
    ~QXLOGPEN() = default;
    void operator=(const QXLOGPEN& other) {
        style = other.style;
        reserved1 = other.reserved1;
        color = other.color;
        width = other.width;
        reserved4 = other.reserved4;
    }
    // 1 when all five words are equal, else 0.
    int operator==(const QXLOGPEN& other) const {
        return style == other.style && reserved1 == other.reserved1 && color == other.color &&
                       kestrel_detail::Word(width) == kestrel_detail::Word(other.width) && reserved4 == other.reserved4
                   ? 1
                   : 0;
    }
};

struct QXLOGBRUSH {
    UINT style = 0;  // identifier in the fill-style manager; kBrushStyleNone draws nothing
    COLORREF fillColor = 0;
    COLORREF lineColor = 0;
    float size = 0;     // symbol (cell) size, hundredths
    UINT backMode = 0;  // kBackModeTransparent or kBackModeOpaque

    QXLOGBRUSH() = default;
    QXLOGBRUSH(const QXLOGBRUSH&) = default;
    ~QXLOGBRUSH() = default;
    void operator=(const QXLOGBRUSH& other) {
        style = other.style;
        fillColor = other.fillColor;
        lineColor = other.lineColor;
        size = other.size;
        backMode = other.backMode;
    }
};

struct QXLOGPOINT {
    UINT style = 0;  // identifier in the point-style manager
    COLORREF innerColor = 0;
    COLORREF borderColor = 0;
    float size = 0;  // hundredths
    DWORD reserved4 = 0;

    QXLOGPOINT() = default;
    QXLOGPOINT(const QXLOGPOINT&) = default;
    ~QXLOGPOINT() = default;
    void operator=(const QXLOGPOINT& other) {
        style = other.style;
        innerColor = other.innerColor;
        borderColor = other.borderColor;
        size = other.size;
        reserved4 = other.reserved4;
    }
};

struct QXLOGFONT {
    static constexpr std::size_t kFaceNameSize = 64;  // terminator included

    COLORREF color = 0;
    UINT transparent = 0;  // 1: the background is not drawn
    COLORREF backColor = 0;
    float size = 0;  // hundredths of the shown size
    DWORD reserved4 = 0;
    char faceName[kFaceNameSize] = {};  // UTF-8, zero-terminated

    QXLOGFONT() = default;
    QXLOGFONT(const QXLOGFONT&) = default;
    ~QXLOGFONT() = default;
    // Copies all 84 bytes, the bytes of the face field past its terminator included.
    void operator=(const QXLOGFONT& other) {
        color = other.color;
        transparent = other.transparent;
        backColor = other.backColor;
        size = other.size;
        reserved4 = other.reserved4;
        std::memmove(faceName, other.faceName, kFaceNameSize);  // self-assignment safe
    }
    // 1 when the five leading words are equal and the face names read the same (GetFaceName),
    // else 0: bytes left past a face name's terminator are not part of the name.
    int operator==(const QXLOGFONT& other) const {
        return color == other.color && transparent == other.transparent && backColor == other.backColor &&
                       kestrel_detail::Word(size) == kestrel_detail::Word(other.size) && reserved4 == other.reserved4 &&
                       GetFaceName() == other.GetFaceName()
                   ? 1
                   : 0;
    }

    // The face name up to its terminator (at most 63 bytes); a character cut short at the end,
    // as a record filled byte-wise may hold, is dropped.
    CString GetFaceName() const {
        std::size_t n = 0;
        while (n < kFaceNameSize - 1 && faceName[n] != '\0') ++n;
        std::size_t lead = n;
        while (lead > 0 && n - lead < 4 && (static_cast<unsigned char>(faceName[lead - 1]) & 0xC0) == 0x80) --lead;
        if (lead > 0) {
            const unsigned char c = static_cast<unsigned char>(faceName[lead - 1]);
            const std::size_t want = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
            if (want > 1 && n - (lead - 1) < want) n = lead - 1;
        }
        return CString(faceName, static_cast<int>(n));
    }
    // Stores the face, cut at the last whole character that fits with the terminator.
    void SetFaceName(const char* face) { text::CopyToField(faceName, kFaceNameSize, face ? face : ""); }
};

static_assert(sizeof(QXLOGPEN) == 20, "a pen is five 32-bit words");
static_assert(sizeof(QXLOGBRUSH) == 20, "a brush is five 32-bit words");
static_assert(sizeof(QXLOGPOINT) == 20, "a point style is five 32-bit words");
static_assert(sizeof(QXLOGFONT) == 84, "a font is 21 32-bit words");
static_assert(offsetof(QXLOGFONT, faceName) == 20, "the face name starts at byte 20");
static_assert(sizeof(float) == 4, "float words are 32 bits");
