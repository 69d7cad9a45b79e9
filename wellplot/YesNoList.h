// The yes/no lists of the well-plot pages, read through the one reader of fixed lists: "是" stands
// for yes and "否" for no; any other text for no, as most kits' flags are read, unless the page
// reads it otherwise.
#pragma once

#include "framework/FixedList.h"
#include "framework/GroupTexts.h"
#include "framework/OptionTables.h"

namespace wellplot {

inline constexpr TextValue kYesNo[] = {{grouptext::kYes, 1}, {grouptext::kNo, 0}};

// A yes/no list first showing shown; no typing.
CFixedListProp* NewYesNoList(const CString& name, DWORD_PTR id, const char* shown, const char* description,
                             OtherText other = OtherTakenAs(0));
// The answer the item's text stands for; false for a text refused (an item that is no fixed list).
bool ReadYesNo(CBCGPProp* item, bool* yes);

}  // namespace wellplot
