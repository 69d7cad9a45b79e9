// The pen group of the oil-water, region and sand-body boundary lines.
#pragma once

#include "bcg/Prop.h"
#include "hosttypes/Kestrel/StyleRecords.h"

class CQXObjectLine;

namespace boundarypen {

// The group "线型" and its items, in display order: colour, style picker, width.
enum : DWORD_PTR {
    kGroupId = 2003,
    kStyleId = 2004,
    kWidthId = 2005,
    kColorId = 2006,
};

// The group, expanded; its width item refuses what EditPenItem refuses.
CBCGPProp* NewPenGroup();
// The line's pen: colour, style (redrawn only when it differs) and width ("%.2f" millimetres) by
// position.
void ShowPenGroup(CBCGPProp* group, CQXObjectLine* line);
// A pen item's field as EditPen numbers it: 0 style, 1 width, 2 colour.
int PenField(CBCGPProp* item);
// Puts one edited item of the group into pen. A width is taken only when the typed millimetres
// make a stored width above 0 that the record can hold (the width item refuses any other text).
// False when nothing was put; a refused width (an item without that rule) then shows pen's width again.
bool EditPenItem(QXLOGPEN& pen, CBCGPProp* item);

}  // namespace boundarypen
