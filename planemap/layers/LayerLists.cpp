#include "planemap/layers/LayerLists.h"

#include "framework/PropItems.h"

namespace layerlists {

CFixedListProp* NewYesNo(const char* label, DWORD_PTR id, const char* shown, const char* description) {
    return NewFixedListItem(label, shown, description, id, kYesNo, OtherTakenAs(0));
}

bool ReadTakingBeyond(CBCGPProp* item, const TextValue* beyond, std::size_t count, int* value) {
    CFixedListProp* list = FixedListOf(item);
    const CString text = ItemText(item);
    for (std::size_t i = 0; list && i < count; ++i) {
        if (text != beyond[i].text) continue;
        *value = beyond[i].value;
        if (const char* shown = list->TextOf(*value)) ShowTextIfChanged(item, shown);
        return true;
    }
    return ReadFixedList(item, value);
}

}  // namespace layerlists
