// Fixed lists many well-plot pages offer, each read through the one reader of fixed lists: the
// yes/no switches ("是" yes, "否" no, any other text no unless the page reads it otherwise) and
// the text directions ("自动" 0, "横向" 1, any other text 2, "纵向").
#pragma once

#include <vector>

#include "framework/FixedList.h"
#include "framework/GroupTexts.h"
#include "framework/OptionTables.h"

namespace wellplot {

inline constexpr TextValue kYesNo[] = {{grouptext::kYes, 1}, {grouptext::kNo, 0}};
inline constexpr TextValue kOrientations[] = {
    {grouptext::kAuto, 0}, {grouptext::kHorizontal, 1}, {grouptext::kVertical, 2}};

// A yes/no list first showing shown; no typing.
CFixedListProp* NewYesNoList(const CString& name, DWORD_PTR id, const char* shown, const char* description,
                             OtherText other = OtherTakenAs(0));
// The answer the item's text stands for; false for a text refused (an item that is no fixed list).
bool ReadYesNo(CBCGPProp* item, bool* yes);

// A text-direction list first showing shown; no typing.
CFixedListProp* NewOrientationList(const CString& name, DWORD_PTR id, const char* shown, const char* description);
// The direction a text-direction list's text stands for, through the one reader (which refuses no
// text of such a list).
int ReadOrientation(CBCGPProp* item);

}  // namespace wellplot

namespace wellplot {

// The first step of a page's edit: the value a fixed list's text stands for (through the one
// reader), false for a text the list refuses; any other item passes with choice untouched.
bool ReadChoice(CBCGPProp* item, int* choice);
// A list that reads every text of its table (a text reported from code) but offers only some of
// them: its entries stay, and its options become the offered texts, in order.
void OfferOnly(CFixedListProp* list, const std::vector<CString>& offered);
// After the reader took a text standing for a value no option of the list stands for, the item
// shows shown, the page refresh's text of that value; after any other text it is left alone.
void ShowUnlisted(CBCGPProp* item, int value, const CString& shown);

}  // namespace wellplot
