// What the scale-bar, stratum-line, sand-fill and ruler-frame pages share beyond the section
// object pages' items (ObjectPageItems.h): a colour shown only when it differs, a typed number the
// number item may itself have refused, and a typed face put into a font.
#pragma once

#include "bcg/Prop.h"
#include "hosttypes/Kestrel/StyleRecords.h"

namespace section {

// The number typed in an item times scale (ScUtility::JudgeFigure's reading); false, value
// untouched, for a text it refuses, one the number item itself refused, or a value a double
// cannot hold.
bool ReadTypedNumber(CBCGPProp* item, double scale, double* value);

// The font with its face name replaced by the item's text (cut to the face field at a
// character boundary).
QXLOGFONT WithFace(QXLOGFONT font, CBCGPProp* item);

}  // namespace section
