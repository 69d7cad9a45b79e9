// Items of the fault line and fault combination lists: the fault width and the fill switch
// with its colour.
#pragma once

#include "bcg/Prop.h"
#include "hosttypes/Kestrel/StyleRecords.h"

namespace faultitems {

// A fault width item: 30 options 0.1 .. 3.0 millimetres, free text allowed.
CBCGPProp* NewWidthItem(const char* name, DWORD_PTR id);
// The fill switch ("是" while the brush fills) and the fill colour, enabled only while it fills.
void ShowFill(CBCGPProp* fill, CBCGPProp* colour, const QXLOGBRUSH& brush);
// Puts the edited fill switch ("是" solid, any other text no fill) or fill colour into brush; false
// for another item or a text the switch refuses.
bool EditFill(QXLOGBRUSH& brush, CBCGPProp* item, DWORD_PTR fillId, DWORD_PTR colourId);

}  // namespace faultitems
