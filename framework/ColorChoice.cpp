#include "framework/ColorChoice.h"

#include "bcg/ColorProp.h"

bool ChosenColor(CBCGPProp* item, COLORREF* color) {
    auto* colour = dynamic_cast<CBCGPColorProp*>(item);
    if (!colour) return false;
    *color = colour->GetDisplayColor();
    return true;
}
