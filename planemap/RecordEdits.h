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

// The pen and font sub-item edits every family shares.
using penfont::Accept;
using penfont::EditFont;
using penfont::EditPen;
using penfont::EditRecord;

// The width rule (ReadWidth) on a width or size item's text: true with the width taken; when
// refused, the item shows the stored width again ("%.2f" millimetres) and the answer is false.
bool EditWidth(CBCGPProp* item, float* width);
// Every selected line of typeName keeps its own pen but for the edited field.
void EditOwnPens(CQXLayer* layer, const CString& typeName, CBCGPProp* item, int position, Accept width);

// A refused width or size item shows the stored value (kept ×100) again, "%.2f".
void ShowStoredHundredths(CBCGPProp* item, double stored);

// The shown object's pen or font, read by get, with the field of the edited sub-item changed (as
// EditRecord changes it), written by set to every selected T of the shown object's type name.
// False, nothing written, when the value is refused; a refused width or size shows the shown
// object's again.
template <class T, class Holder, class Record>
bool EditSameTypeRecord(T* shown, void (Holder::*get)(Record*) const, void (Holder::*set)(Record*), CBCGPProp* item,
                        int position, Accept accept) {
    Record record;
    (shown->*get)(&record);
    if (!EditRecord(record, item, position, accept)) {
        if (position == 1) ShowStoredHundredths(item, penfont::ScaledField(record));
        return false;
    }
    ForSameTypeObjects<T>(shown->GetLayer(), shown->GetTypeName(), [&](T* object) { (object->*set)(&record); });
    return true;
}

}  // namespace planemap
