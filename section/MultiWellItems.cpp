#include "section/MultiWellItems.h"

#include "bcg/ColorProp.h"
#include "framework/PropItems.h"
#include "section/SectionItems.h"

namespace section {

QXLOGFONT WithFace(QXLOGFONT font, CBCGPProp* item) {
    font.SetFaceName(ItemText(item).GetString());
    return font;
}

}  // namespace section
