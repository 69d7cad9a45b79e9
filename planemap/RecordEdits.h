// One edited sub-item of a pen or font group written into the record it stands for, for the
// shown object or every selected one of its type.
#pragma once

#include "bcg/Prop.h"
#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "mfc/String.h"
#include "planemap/SameTypeEdits.h"

namespace planemap {

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
// The width rule (ReadWidth) on a width or size item's text: true with the width taken; when
// refused, the item shows the stored width again ("%.2f" millimetres) and the answer is false.
bool EditWidth(CBCGPProp* item, float* width);
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
