// What the scale-bar, stratum-line, sand-fill and ruler-frame pages share in showing and reading
// their items: a value shown only when it differs, the colour picked (the automatic choice read
// as the item's automatic colour), a style picked, a typed face put into a font, and the page's
// object taken from the host's selection only when it is of the page's class.
#pragma once

#include "bcg/Prop.h"
#include "hosttypes/Kestrel/StyleRecords.h"
#include "section/SectionObject.h"

namespace section {

// A colour item starting black, with "其它..." and the automatic "自动" (black).
CBCGPProp* NewBlackColour(const char* label, DWORD_PTR id);

// Show a value in an item only when it differs from what the item shows; no item, or an item of
// another kind, is passed over. A style picker is redrawn when it takes a style.
void ShowText(CBCGPProp* item, const CString& text);
void ShowColour(CBCGPProp* item, COLORREF color);
void ShowStyle(CBCGPProp* item, UINT style);

// The colour a colour item shows (its automatic colour for "自动"); false for another item.
bool PickedColour(CBCGPProp* item, COLORREF* color);
// The style a style picker holds; false for another item.
bool PickedStyle(CBCGPProp* item, UINT* style);
// The number typed in an item times scale (ScUtility::JudgeFigure's reading); false, value
// untouched, for a text it refuses, one the number item itself refused, or a value a double
// cannot hold.
bool ReadTypedNumber(CBCGPProp* item, double scale, double* value);
// The font with its face name replaced by the item's text (cut to the face field at a
// character boundary).
QXLOGFONT WithFace(QXLOGFONT font, CBCGPProp* item);

// The section object the host announced, when it is of class T; NULL for none or another class.
template <class T>
T* SelectedAs(long object) {
    return object ? dynamic_cast<T*>(SectionObjectOf(object)) : nullptr;
}

}  // namespace section
