// What the scale-bar, stratum-line, sand-fill and ruler-frame pages share beyond the section
// object pages' items (ObjectPageItems.h): a typed face put into a font.
#pragma once

#include "bcg/Prop.h"
#include "hosttypes/Kestrel/StyleRecords.h"

namespace section {

// The font with its face name replaced by the item's text (cut to the face field at a
// character boundary).
QXLOGFONT WithFace(QXLOGFONT font, CBCGPProp* item);

}  // namespace section
