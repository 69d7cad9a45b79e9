// What every well-plot page shares: the kit-class guard on the selected object, the refresh
// gate on the kit's stamp, the kit stamp the pages set, the title shown with "\n" for its line
// breaks, and the three-way apply-scope items.
#pragma once

#include "bcg/Prop.h"
#include "bcg/PropList.h"
#include "framework/PropSizeText.h"
#include "framework/WndProp.h"
#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Zephyr/WpKit.h"
#include "mfc/String.h"

// Sets the kit's modification stamp to the current time stamp, so that the next refresh of a
// page showing it reads it again. NULL is passed over.
void SetKitTimeStamp(CWpKit* kit);

namespace wellplot {

// The object of a selection message as a kit of class Kit; NULL for none or any other object.
// A page works on an object only through this test.
template <class Kit>
Kit* KitOf(long object) {
    auto* any = reinterpret_cast<CObject*>(object);
    return any && any->IsKindOf(RUNTIME_CLASS(Kit)) ? static_cast<Kit*>(any) : nullptr;
}

// The pane's current object as a kit of class Kit, or NULL.
template <class Kit>
Kit* CurrentKit(const CWndProp& pane) {
    return KitOf<Kit>(pane.GetCurrentObject());
}

// The kit a page keeps, as a kit of class Kit, while the pane's current object is a Kit too;
// otherwise NULL (no selection yet, or another kind of object selected).
template <class Kit>
Kit* KeptKit(const CWndProp& pane, CWpKit* kept) {
    if (!kept || !CurrentKit<Kit>(pane)) return nullptr;
    return KitOf<Kit>(reinterpret_cast<long>(kept));
}

// The refresh gate of a page showing kit: true when object is the pane's current object, kit is
// present and either the kit's stamp differs from the pane's or the selection brought another
// object; the pane then takes the kit's stamp.
bool BeginKitRefresh(CWndProp& pane, long object, CWpKit* kit);

// The kit's title font (the kit library hands it out through a pointer).
QXLOGFONT TitleFontOf(CWpKit* kit);

// A title as a one-line text: each line break shown as the two characters "\n"; and back.
CString TitleToText(const CString& title);
CString TextToTitle(const CString& text);

// The number times scale that a float field of the kit stores for a typed text. A number the field
// cannot hold, or a negative one where negatives are not taken (widths, sizes, counts), is refused
// (false, value untouched); a text that is no number reads 0. ScaledRule is the rule of the item
// the text is typed into, so a text it refuses never reaches the page.
bool ScaledNumber(const CString& text, double scale, bool allowNegative, float* value);
TextRule ScaledRule(double scale, bool allowNegative);
// The rule of a size text item keeping a value of the given type: a typed text is judged by rule as
// the text of the value the item would keep (a whole-number item keeps "12.5" as 12), as a float
// item judges one.
TextRule KeptRule(VARTYPE type, TextRule rule);
// The item's leading number (0 for a text that is no number); false for a number a double cannot hold.
bool ReadNumber(CBCGPProp* item, double* value);
// The leading integer of the text, when an int holds it (a text that is no number reads 0).
bool ReadInt(const CString& text, int* value);
// A count typed: a whole number of 0 or more (numtext::LeadingWhole: "3x" is 3, "1e39" no count)
// that an int holds; and its rule.
bool ReadCount(const CString& text, int* count);
TextRule CountRule();

// The most decimal places a typed count may ask numbers to be shown with: a double holds no more,
// and a larger count would only make the texts grow.
inline constexpr int kMostDecimals = 15;

// The pen widths offered in millimetres: from 0.1 by steps of 0.1 added in single precision while
// the sum stays below 3.0, so that "3.0" is the last of 30 options.
void AddPenWidthOptions(CBCGPProp* item);

// The first option of a scope item: the label of the kit shown ("当前柱状图[井1]", "当前深度道",
// "当前内容道[...]", "当前曲线[...]", "当前分层[...]", "当前对象").
CString ScopeLabel(CWpKit* kit);
// Replaces the options of a scope list by the label (standing for 0), "当前图内同类对象" (1) and
// "当前图内所有对象" (2), and shows the one that scope selects (below 1 the label, 1 the second, 2
// or more the third). A scope list reads any other text as 0.
void ShowScope(CBCGPProp* item, CWpKit* kit, int scope);

// The item whose own data is id (a group's sub-items carry the group's number plus their place,
// so a search may meet an item of another id first); NULL when there is none.
inline CBCGPProp* ItemWithData(const CBCGPPropList& list, DWORD_PTR id) {
    CBCGPProp* item = list.FindItemByData(id, TRUE);
    return item && item->GetData() == id ? item : nullptr;
}

}  // namespace wellplot
