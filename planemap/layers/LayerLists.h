// The fixed lists of the layer pages and their object lists: each is read through the framework's
// one reader (ReadFixedList), with its options' values and its rule for any other text.
#pragma once

#include <cstddef>

#include "bcg/Prop.h"
#include "framework/FixedList.h"
#include "framework/GroupTexts.h"
#include "framework/OptionTables.h"

namespace layerlists {

// A switch: "是" stands for 1, "否" for 0, and every other text reads as "否", as the pages read
// their switches.
inline constexpr TextValue kYesNo[] = {{grouptext::kYes, 1}, {grouptext::kNo, 0}};

// A switch showing shown until the first refresh.
CFixedListProp* NewYesNo(const char* label, DWORD_PTR id, const char* shown = "", const char* description = nullptr);

// The one reader for a list whose page also takes texts it does not offer, each standing for a
// value of its own (beyond, whose values agree with the options'): such a text reads as that value
// and the item shows the option standing for it, or keeps the text when none does. Any other text
// is read as ReadFixedList reads it.
bool ReadTakingBeyond(CBCGPProp* item, const TextValue* beyond, std::size_t count, int* value);
template <std::size_t N>
bool ReadTakingBeyond(CBCGPProp* item, const TextValue (&beyond)[N], int* value) {
    return ReadTakingBeyond(item, beyond, N, value);
}

}  // namespace layerlists
