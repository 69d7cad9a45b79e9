// What the two-button items (a library button and an item's own second button in one button
// area) share: where a click goes, and the wider button area at the right end of the row.
#pragma once

#include "bcg/Prop.h"

// The button area of a two-button item: the row's right end, 12 pixels wider than the row is
// high, one pixel below the row's top.
CRect TwoButtonRect(const CRect& row);

// A click in the first button's rectangle is the library's button click; any other click in the
// button area goes to the item's own second button (its OnClickButtonEx, which the item
// declares public).
template <class Item>
void TwoButtonClick(Item* item, const CRect& firstButton, CPoint point) {
    if (firstButton.PtInRect(point))
        item->CBCGPProp::OnClickButton(point);
    else
        item->OnClickButtonEx(point);
}
