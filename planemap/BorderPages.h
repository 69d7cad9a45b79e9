// Pieces the three pages of a map border's sheet share: the edit of a pen or font the border
// keeps, through the three sub-items of its group, and the settings groups of the grids, which
// the grid and label pages show only while the border draws that grid.
#pragma once

#include <cstddef>

#include "hosttypes/Parsnip/QXObjectBorder.h"
#include "planemap/RecordEdits.h"
#include "planemap/WndLstPlane.h"

// A pen or font of the border that a page edits through three sub-items in a row (style or face,
// width or size, colour): the first one's item data, the border's reader and writer.
template <class Record>
struct BorderRecordSlot {
    DWORD_PTR firstId;
    void (CQXObjectBorder::*get)(Record*) const;
    void (CQXObjectBorder::*set)(Record*);
};

// What an edit of a border record's sub-item did.
enum class RecordEdit {
    kNotMine,  // the item is none of the slots' sub-items
    kWritten,
    kRefused,  // nothing written; the item shows the stored value again
};

// When item is one of a slot's three sub-items: the border's record with that field changed goes
// to every selected border of the border's type name. A width or size that accept refuses (the
// group's item is built with HundredthsRule(accept) to refuse it, so only an item without that rule
// gets here) writes nothing, and the item shows the stored value as the refresh shows it. A
// width or size taken shows as the refresh shows it too: the shown border is written only while it
// is selected, and no refresh may follow to replace a typed "-0" or "abc".
template <class Record, std::size_t N>
RecordEdit ApplyBorderRecordItem(const BorderRecordSlot<Record> (&slots)[N], CQXObjectBorder* border,
                                 CBCGPProp* item, planemap::Accept accept) {
    const DWORD_PTR id = item->GetData();
    for (const BorderRecordSlot<Record>& slot : slots) {
        if (id < slot.firstId || id > slot.firstId + 2) continue;
        const int position = static_cast<int>(id - slot.firstId);
        Record taken;
        if (!planemap::EditSameTypeRecord(border, slot.get, slot.set, item, position, accept, 2, &taken))
            return RecordEdit::kRefused;
        planemap::ShowStoredField(item, position, taken);
        return RecordEdit::kWritten;
    }
    return RecordEdit::kNotMine;
}

// Detaches both settings groups from the grid's top-level items and attaches again those asked
// for, the graticule's first; the caller lays the pane out again.
void ShowGridGroups(CBCGPPropList& grid, CBCGPProp* graticule, bool showGraticule, CBCGPProp* kilometer,
                    bool showKilometer);
// Deletes the settings groups that are detached when the page goes; the grid deletes the others.
void DeleteDetachedGroups(CBCGPPropList& grid, CBCGPProp* graticule, CBCGPProp* kilometer);
