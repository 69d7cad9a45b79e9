#include "section/MultiWellItems.h"

#include "bcg/ColorProp.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "section/SectionItems.h"

namespace section {

bool ReadTypedNumber(CBCGPProp* item, double scale, double* value) {
    if (FloatItemRefused(item)) return false;
    return ReadItemNumber(item, scale, value);
}

QXLOGFONT WithFace(QXLOGFONT font, CBCGPProp* item) {
    font.SetFaceName(ItemText(item).GetString());
    return font;
}

}  // namespace section
