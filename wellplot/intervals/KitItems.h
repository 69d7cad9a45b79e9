// Item steps shared by the interval pages that keep their kit: the title items, and one edited
// sub-item of a font or line group read into its record.
#pragma once

#include "bcg/Prop.h"
#include "bcg/PropList.h"
#include "hosttypes/Kestrel/StyleRecords.h"

class CWpKit;

// The kit's title text as stored, its direction and its font (written enabled) into the items
// nameId, nameId + 1 and the font group nameId + 2.
void ShowKitTitleItems(CBCGPPropList& list, CWpKit* kit, DWORD_PTR nameId);
// When item is a sub-item of the font group groupId (face, size, colour at groupId + 1 .. + 3):
// that field read into font, true; otherwise false, font untouched.
bool ReadFontSubItem(CBCGPProp* item, DWORD_PTR groupId, QXLOGFONT& font);
// The same for a float-width line group (style, width, colour).
bool ReadLineSubItem(CBCGPProp* item, DWORD_PTR groupId, QXLOGPEN& pen);
