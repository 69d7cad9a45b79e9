// One edited sub-item of a pen or font group written into the record it stands for, for the
// shown object or every selected one of its type; the edit of the record itself is
// framework/PenFontEdits.h.
#pragma once

#include "bcg/Prop.h"
#include "framework/PenFontEdits.h"
#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "mfc/String.h"
#include "planemap/SameTypeEdits.h"

class CQXObjectLine;

namespace planemap {

// A group with item data G numbers its sub-items G+1, G+2, ...; this is the sub-item's position.
inline int SubItemPosition(DWORD_PTR id, DWORD_PTR groupId) { return static_cast<int>(id - groupId - 1); }

// The pen and font sub-item edits every family shares. A width or size item read by one of them
// is built with HundredthsRule of the same Accept, so that it refuses what the edit refuses.
using penfont::Accept;
using penfont::EditFont;
using penfont::EditPen;
using penfont::EditRecord;
using penfont::HundredthsRule;

// A width or size item shows a stored value (kept ×100) as the refresh shows it, "%.2f" unless the
// list shows other decimals.
void ShowStoredHundredths(CBCGPProp* item, double stored, int decimals = 2);

// A pen or font sub-item shows the record's field as the refresh shows it, after a refusal (by a
// reader the item was not built with) or where a taken text must not stay as
// typed: the width or size item (position 1) does; the others are left.
template <class Record>
void ShowStoredField(CBCGPProp* item, int position, const Record& stored, int decimals = 2) {
    if (position == 1) ShowStoredHundredths(item, penfont::ScaledField(stored), decimals);
}

// Every selected line of the shown line's type name keeps its own pen but for the edited field.
// False, nothing written and the shown line's width shown again, when the value is refused.
bool EditOwnPens(CQXObjectLine* shown, CBCGPProp* item, int position, Accept width);

// The shown object's pen or font, read by get, with the field of the edited sub-item changed (as
// EditRecord changes it), written by set to every selected T of the shown object's type name.
// False, nothing written, when the value is refused (the width or size item is built with
// HundredthsRule(accept), so only an item of another kind is); a refused
// width or size then shows the stored value with decimals. The record written goes to taken.
template <class T, class Holder, class Record>
bool EditSameTypeRecord(T* shown, void (Holder::*get)(Record*) const, void (Holder::*set)(Record*), CBCGPProp* item,
                        int position, Accept accept, int decimals = 2, Record* taken = nullptr) {
    Record record;
    (shown->*get)(&record);
    if (!EditRecord(record, item, position, accept)) {
        ShowStoredField(item, position, record, decimals);
        return false;
    }
    ForSameTypeObjects<T>(shown->GetLayer(), shown->GetTypeName(), [&](T* object) { (object->*set)(&record); });
    if (taken) *taken = record;
    return true;
}

// EditSameTypeRecord for the shown object's own pen (GetLogPen, SetLogPen; a width of 0 is taken) or
// font (GetLogFont, SetLogFont; a size must be above 0), the edited item a sub-item of group groupId.
template <class T>
bool EditSameTypePen(T* shown, CBCGPProp* item, DWORD_PTR groupId) {
    return EditSameTypeRecord(shown, &T::GetLogPen, &T::SetLogPen, item, SubItemPosition(item->GetData(), groupId),
                              Accept::ZeroOrMore);
}
template <class T>
bool EditSameTypeFont(T* shown, CBCGPProp* item, DWORD_PTR groupId) {
    return EditSameTypeRecord(shown, &T::GetLogFont, &T::SetLogFont, item, SubItemPosition(item->GetData(), groupId),
                              Accept::AboveZero);
}

}  // namespace planemap
