// What the plane-map lists read from their items and write back: numbers typed as text, the
// plain and colour items they are typed into, option texts and the values they stand for, and one
// edited sub-item of a pen or font group, for the shown object or every selected one of its type.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>

#include "bcg/Prop.h"
#include "hosttypes/Kestrel/StyleRecords.h"
#include "mfc/String.h"
#include "planemap/WndLstPlane.h"

namespace planemap {

// ---- numbers typed as text ------------------------------------------------------------------------
// The leading number of the text times scale, read as the C library's atof reads it: 0 when the
// text starts with no number. False, value untouched, when the result overflows what keeps it:
// infinite for a double, beyond the float range for a float field. Such a value is refused.
bool ReadNumber(const CString& text, double scale, double* value);
bool ReadFloat(const CString& text, double scale, float* value);
// The leading number made single precision first and then scaled in single precision, as the
// pen-width items do; refused the same way when the result leaves the float range.
bool ReadFloatThenScale(const CString& text, float scale, float* value);

// Whole-text readers: the whole text (blanks around it allowed) must be one number of the type:
// decimal digits only, below 2^32, for an unsigned count; a finite number for a double. False,
// value untouched, for any other text.
bool ReadWholeUnsigned(const CString& text, unsigned* value);
bool ReadWholeDouble(const CString& text, double* value);
// Whether text is one or more of the digits 0-9 and nothing else.
bool IsDigits(const std::string& text);

// ---- items ----------------------------------------------------------------------------------------
// The text of an item's value; "" for no item.
CString ItemText(CBCGPProp* item);
void SetItemText(CBCGPProp* item, const CString& text);
// The position of the item's text among its options; the option count when none matches.
int OptionIndex(CBCGPProp* item);
// The read-only "类型" item showing the object kind.
CBCGPProp* NewTypeItem(const char* kind, DWORD_PTR id);
// A font face picker ("字体", first showing the default face).
CBCGPProp* NewFontFaceItem(DWORD_PTR id);
// A text item that starts empty.
CBCGPProp* NewTextItem(const char* name, const char* description, DWORD_PTR id);
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
// Writes "%.2f" of each value into the group's sub-items, from the first, in order.
void SetSubItemNumbers(CBCGPProp* group, std::initializer_list<double> values);
// Empties the group's first count sub-items; every sub-item for a negative count.
void ClearSubItems(CBCGPProp* group, int count = -1);
// A colour item's colour (-1 for "自动"); false, color untouched, when the item is no colour item.
bool ReadColor(CBCGPProp* item, COLORREF* color);
// Shows the colour in a colour item; any other item is passed over.
void ShowColor(CBCGPProp* item, COLORREF color);

// ---- option tables: each choice of a family and the value it stands for -------------------------
struct TextValue {
    const char* text;
    int value;
};

// The value of the option whose text is text; otherwise for any other text.
template <std::size_t N>
int ValueOfText(const TextValue (&table)[N], const CString& text, int otherwise) {
    for (const TextValue& entry : table)
        if (text == entry.text) return entry.value;
    return otherwise;
}

// The text of the option whose value is value; otherwise for any other value.
template <std::size_t N>
const char* TextOfValue(const TextValue (&table)[N], int value, const char* otherwise) {
    for (const TextValue& entry : table)
        if (value == entry.value) return entry.text;
    return otherwise;
}

// ---- one edited sub-item of a pen or font group -------------------------------------------------
// A group with item data G numbers its sub-items G+1, G+2, ...; this is the sub-item's position.
inline int SubItemPosition(DWORD_PTR id, DWORD_PTR groupId) { return static_cast<int>(id - groupId - 1); }

// What a typed pen width or font size must be to be written, besides fitting the record's float.
enum class Accept { AnyNumber, ZeroOrMore, AboveZero };

// Changes the field of pen that the edited line sub-item holds: position 0 the style picker's
// style, 1 the width typed in millimetres (stored ×100), 2 the colour item's colour (-1 for "自动").
// False, pen untouched, when the width is refused or the item is not of the position's kind.
bool EditPen(QXLOGPEN& pen, CBCGPProp* item, int position, Accept width = Accept::AnyNumber);
// The same for a font group: 0 the face, 1 the size typed in points (stored ×100), 2 the colour.
bool EditFont(QXLOGFONT& font, CBCGPProp* item, int position, Accept size = Accept::AboveZero);
// The two above under one name, for code written once for pens and fonts.
inline bool EditRecord(QXLOGPEN& pen, CBCGPProp* item, int position, Accept accept) {
    return EditPen(pen, item, position, accept);
}
inline bool EditRecord(QXLOGFONT& font, CBCGPProp* item, int position, Accept accept) {
    return EditFont(font, item, position, accept);
}
// Every selected line of typeName keeps its own pen but for the edited field.
void EditOwnPens(CQXLayer* layer, const CString& typeName, CBCGPProp* item, int position, Accept width);

// The shown object's pen or font, read by get, with the field of the edited sub-item changed (as
// EditRecord changes it), written by set to every selected T of the shown object's type name.
// False, nothing written, when the value is refused.
template <class T, class Holder, class Record>
bool EditSameTypeRecord(T* shown, void (Holder::*get)(Record*) const, void (Holder::*set)(Record*), CBCGPProp* item,
                        int position, Accept accept) {
    Record record;
    (shown->*get)(&record);
    if (!EditRecord(record, item, position, accept)) return false;
    ForSameTypeObjects<T>(shown->GetLayer(), shown->GetTypeName(), [&](T* object) { (object->*set)(&record); });
    return true;
}

}  // namespace planemap

namespace planemap {

// The width rule of the layer pages, for a pen width or a symbol or font size typed in millimetres
// and stored in hundredths in a float: above 0 is taken; exactly 0 only when the whole text is a
// number ("0", "0.00"), not for a text that merely reads as 0; below 0, or more than the float
// holds, is refused. False, width untouched, when refused.
bool ReadWidth(const CString& text, float* width);
// The width rule on an item's text: true with the width taken; when refused, the item shows the
// stored width again ("%.2f" millimetres) and the answer is false.
bool EditWidth(CBCGPProp* item, float* width);

}  // namespace planemap
