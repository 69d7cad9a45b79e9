#include "framework/BmpComboBox.h"

IMPLEMENT_DYNAMIC(CBmpComboBox, CComboBox)

bool DrawBitmapInCell(CDC* dc, const CRect& rect, HINSTANCE module, UINT id, BOOL transparent, COLORREF key) {
    if (!dc) return false;
    HBITMAP handle = ::LoadBitmap(module, id);
    if (!handle) return false;
    CBitmap bitmap;
    bitmap.Attach(handle);
    BITMAP info{};
    bitmap.GetBitmap(&info);

    const int x = rect.left + rect.Width() / 4;
    const int y = rect.top;
    const int width = rect.Width() / 2;
    const int height = rect.Height();

    CDC source;
    source.CreateCompatibleDC(dc);
    source.SetMapMode(dc->GetMapMode());
    CBitmap* oldSource = source.SelectObject(&bitmap);

    if (!transparent) {
        dc->StretchBlt(x, y, width, height, &source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    } else {
        // A colour copy at the destination size.
        CDC copy;
        copy.CreateCompatibleDC(dc);
        copy.SetMapMode(dc->GetMapMode());
        CBitmap copyBitmap;
        copyBitmap.CreateCompatibleBitmap(dc, width, height);
        CBitmap* oldCopy = copy.SelectObject(&copyBitmap);
        if (info.bmWidth == width && info.bmHeight == height)
            copy.BitBlt(0, 0, width, height, &source, 0, 0, SRCCOPY);
        else
            copy.StretchBlt(0, 0, width, height, &source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);

        // A monochrome mask: set where the copy has the key colour.
        CDC mask;
        mask.CreateCompatibleDC(dc);
        mask.SetMapMode(dc->GetMapMode());
        CBitmap maskBitmap;
        maskBitmap.CreateBitmap(width, height, 1, 1, nullptr);
        CBitmap* oldMask = mask.SelectObject(&maskBitmap);
        copy.SetBkColor(key);
        mask.BitBlt(0, 0, width, height, &copy, 0, 0, SRCCOPY);

        // Key pixels of the copy go black (mask bits set -> background colour black).
        copy.SetBkColor(RGB(0, 0, 0));
        copy.SetTextColor(RGB(255, 255, 255));
        copy.BitBlt(0, 0, width, height, &mask, 0, 0, SRCAND);

        // The opaque shape is cut out of the target, then the copy is painted in.
        const COLORREF oldBack = dc->SetBkColor(RGB(255, 255, 255));
        const COLORREF oldText = dc->SetTextColor(RGB(0, 0, 0));
        dc->BitBlt(x, y, width, height, &mask, 0, 0, SRCAND);
        dc->BitBlt(x, y, width, height, &copy, 0, 0, SRCPAINT);
        dc->SetBkColor(oldBack);
        dc->SetTextColor(oldText);

        mask.SelectObject(oldMask);
        copy.SelectObject(oldCopy);
        mask.DeleteDC();
        copy.DeleteDC();
    }
    source.SelectObject(oldSource);
    source.DeleteDC();
    return true;  // the bitmaps are deleted with their objects
}

void CBmpComboBox::DrawItem(LPDRAWITEMSTRUCT dis) {
    if (!dis) return;
    CDC* dc = CDC::FromHandle(dis->hDC);
    if (!dc) return;
    const CRect rect(dis->rcItem);
    if (dis->itemAction & ODA_SELECT)
        dc->FillSolidRect(&rect, GetSysColor((dis->itemState & ODS_SELECTED) ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    // An empty box paints its field with no entry: nothing to show then.
    if (dis->itemID >= static_cast<UINT>(GetCount())) return;
    DrawBitmapInCell(dc, rect, m_hResModule, static_cast<UINT>(dis->itemData), m_bTransparent, m_clrKey);
}
