// What many well-plot pages share in reading their fixed lists (the lists themselves, switches and
// text directions included, are the framework's: framework/FixedList.h, framework/ItemGroupsBasic.h).
#pragma once

#include <cstddef>

#include "framework/FixedList.h"
#include "wellplot/WellPlotTexts.h"

namespace wellplot {

// A visibility list: shown 1, hidden 0.
inline constexpr TextValue kShownHidden[] = {{wptext::kShown, 1}, {wptext::kHidden, 0}};

// The first step of a page's edit: the value a fixed list's text stands for (through the one
// reader), false for a text the list refuses; any other item passes with choice untouched.
bool ReadChoice(CBCGPProp* item, int* choice);

// A list of a page's settings, first empty: any other text is other (no setting, -1, by default),
// and a value no option stands for shows empty, as the refresh shows it.
template <std::size_t N>
CFixedListProp* NewSettingList(const char* name, const char* description, DWORD_PTR id, const TextValue (&table)[N],
                               OtherText other = OtherTakenAs(-1)) {
    CFixedListProp* list = NewFixedListItem(name, "", description, id, table, other);
    list->ShowUnlistedAs("");
    return list;
}

}  // namespace wellplot
