// What the two-button items (a library button and an item's own second button in one button
// area) share: where a click goes, and the wider button area at the right end of the row.
#pragma once

#include "bcg/Prop.h"

// The button area of a two-button item: the row's right end, 12 pixels wider than the row is
// high, one pixel below the row's top.
CRect TwoButtonRect(const CRect& row);
// The two buttons inside it: the library's button, 15 pixels wide, then the item's own button to
// the row's right end.
CRect TwoButtonFirst(const CRect& row);
CRect TwoButtonSecond(const CRect& row);
// The button area and both buttons placed for the row, as an item's AdjustButtonRect places them,
// so that a click finds them before the row was drawn.
void PlaceTwoButtons(const CRect& row, CRect* area, CRect* first, CRect* second);
// The item's own button: the button face with the caption centred on one line (nothing without a DC).
void DrawSecondButton(CDC* dc, const CRect& button, const CString& caption);
// The value a click on the item's own button hands on: the item's text. False for a click outside
// that button, or while the item shows no value: such a click changes nothing and redraws nothing.
bool SecondButtonValue(CBCGPProp* item, const CRect& second, CPoint point, CString* value);

// The template kinds of a two-button template item, in the order the items number them.
enum TemplateItemMode : int {
    kModeColor = 0,
    kModeSize = 1,
    kModePointStyle = 2,
    kModeLineStyle = 3,
    kModeFillStyle = 4,
    kModeFont = 5
};
constexpr int kTemplateModeCount = 6;
// After a template was renamed: the item's options again, "" and every name of the mode's kind.
// A mode outside 0 to 5 changes nothing.
void RefillTemplateOptions(int mode, CBCGPProp* item);

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
