// Plain, option and colour items every family builds: making them, and the text or colour they show.
#pragma once

#include <cstddef>
#include <initializer_list>

#include "bcg/Prop.h"
#include "framework/PropSizeText.h"
#include "mfc/String.h"

// The text of an item's value; "" for no item.
CString ItemText(CBCGPProp* item);
void SetItemText(CBCGPProp* item, const CString& text);
// Shows value with that many decimals (numtext::Fixed) as the item's text.
void ShowFixed(CBCGPProp* item, double value, int decimals);
// After a text the list's reader refused although its item took it (a change reported from code
// with a text the item did not judge): the edit writes nothing and nothing runs after it; the item
// alone shows its stored value again, as the list's refresh shows it, the number in the item's own
// decimals. Each entry is an item id and the stored value as the refresh shows it (in the item's
// unit); an item of no entry keeps its text. The number is held in the type of the item's value
// from before the refused text (KeepTypeOf: a text where the refresh wrote a text).
struct StoredNumber {
    DWORD_PTR id;
    double shown;
};
void ShowStoredValueOf(CBCGPProp* item, std::initializer_list<StoredNumber> stored);
// After a refused change, set by code, typed or picked: the item shows again the value that change
// replaced (once: a second call changes nothing).
void ShowTextBefore(CBCGPProp* item);
// After a refused text was shown again (the text from before, or the stored value in a re-show
// format): the item holds what it shows in the type of before, its value from before that text. That
// is before itself where it shows just so, else the text shown read into that type (a number stays a
// number that shows "0.00"). An item reads each text by the type of the value it holds, so it then
// reads its next text, typed or reported, as it did before the refusal.
void KeepTypeOf(CBCGPProp* item, const _variant_t& before);
// A font face picker ("字体", first showing the default face).
CBCGPProp* NewFontFaceItem(DWORD_PTR id);
// A text item that starts empty.
CBCGPProp* NewTextItem(const char* name, const char* description, DWORD_PTR id);
// The same for a width, size or height: a text the rule refuses is dropped and the value stays.
CBCGPProp* NewSizeTextItem(const char* name, const char* description, DWORD_PTR id, TextRule rule);
// An option item with its first value and options, text editing on or off.
CBCGPProp* NewOptionItem(const char* name, const char* value, const char* description, DWORD_PTR id,
                         std::initializer_list<const char*> options, bool allowEdit);

// A text item of a group built from a table: item data, label, description.
struct TextItemDef {
    DWORD_PTR id;
    const char* label;
    const char* description;
};
template <std::size_t N>
void AddTextItems(CBCGPProp* group, const TextItemDef (&items)[N]) {
    for (const TextItemDef& item : items) group->AddSubItem(NewTextItem(item.label, item.description, item.id));
}
// Empties the group's first count sub-items; every sub-item for a negative count.
void ClearSubItems(CBCGPProp* group, int count = -1);
// A colour item's colour (-1 for "自动"); false, color untouched, when the item is no colour item.
bool ReadColor(CBCGPProp* item, COLORREF* color);
// A style picker's style; false, style untouched, when the item is no style picker.
bool ReadStyle(CBCGPProp* item, UINT* style);
// Shows the colour in a colour item; any other item is passed over.
void ShowColor(CBCGPProp* item, COLORREF color);
// Refresh writes that leave an item alone when it already shows the value, so an item being looked
// at keeps its state and an unchanged refresh writes nothing. NULL and, for the colour, any item
// that is no colour item are passed over.
void ShowTextIfChanged(CBCGPProp* item, const CString& text);
void ShowColorIfChanged(CBCGPProp* item, COLORREF color);
