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

// Every selected line of typeName keeps its own pen but for the edited field.
void EditOwnPens(CQXLayer* layer, const CString& typeName, CBCGPProp* item, int position, Accept width);

// A width or size item shows a stored value (kept ×100), "%.2f".
void ShowStoredHundredths(CBCGPProp* item, double stored);

// The shown object's pen or font, read by get, with the field of the edited sub-item changed (as
// EditRecord changes it), written by set to every selected T of the shown object's type name.
// False, nothing written, when the value is refused (the width or size item is built with
// HundredthsRule(accept), so only an item of another kind is).
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
