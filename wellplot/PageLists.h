// What many well-plot pages share in reading their fixed lists (the lists themselves, switches and
// text directions included, are the framework's: framework/FixedList.h, framework/ItemGroupsBasic.h).
#pragma once

#include "framework/FixedList.h"

namespace wellplot {

// The first step of a page's edit: the value a fixed list's text stands for (through the one
// reader), false for a text the list refuses; any other item passes with choice untouched.
bool ReadChoice(CBCGPProp* item, int* choice);

}  // namespace wellplot
