// QXPALETTEITEM: one entry of a colour palette, five 32-bit words.
#pragma once

#include "win32/Win32.h"

struct QXPALETTEITEM {
    float value = 0.0f;
    COLORREF color = 0;
    COLORREF lineColor = 0;
    UINT style = 0;
    DWORD state = 0;  // cleared by every construction

    QXPALETTEITEM() = default;
    QXPALETTEITEM(const QXPALETTEITEM&) = default;
    QXPALETTEITEM& operator=(const QXPALETTEITEM&) = default;
};

static_assert(sizeof(QXPALETTEITEM) == 20, "a palette item is five 32-bit words");
