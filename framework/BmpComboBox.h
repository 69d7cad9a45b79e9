// CBmpComboBox: an owner-drawn drop-down whose entries are bitmaps of a module's resources
// (each entry's item data is a bitmap resource id).
#pragma once

#include "mfc/Controls.h"
#include "mfc/Dc.h"

// Draws bitmap resource id of module into the middle half of rect (x = left + w/4, width w/2,
// full height). With transparent set, pixels of the key colour leave the target's background
// visible. False (nothing drawn) when the bitmap cannot be loaded.
bool DrawBitmapInCell(CDC* dc, const CRect& rect, HINSTANCE module, UINT id, BOOL transparent, COLORREF key);

class CBmpComboBox : public CComboBox {
    DECLARE_DYNAMIC(CBmpComboBox)
public:
    CBmpComboBox() = default;

    void DrawItem(LPDRAWITEMSTRUCT dis) override;

    HINSTANCE m_hResModule = nullptr;
    COLORREF m_clrKey = RGB(255, 0, 0);
    BOOL m_bTransparent = TRUE;
};
