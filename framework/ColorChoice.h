// The colour a colour item stands for, the automatic choice included.
#pragma once

#include "bcg/Prop.h"
#include "framework/Export.h"

// The item's colour; for the automatic choice ((COLORREF)-1) the colour of its automatic button.
// False, color untouched, when the item is no colour item.
TESSALY_API bool ChosenColor(CBCGPProp* item, COLORREF* color);
