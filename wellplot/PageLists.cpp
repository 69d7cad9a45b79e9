#include "framework/PropItems.h"
#include "wellplot/PageLists.h"

namespace wellplot {

CFixedListProp* NewYesNoList(const CString& name, DWORD_PTR id, const char* shown, const char* description,
                             OtherText other) {
    auto* item = new CFixedListProp(name, CString(shown ? shown : ""), description, id, other);
    item->AddEntries(kYesNo);
    return item;
}

int ReadOrientation(CBCGPProp* item) {
    int direction = 2;
    ReadFixedList(item, &direction);
    return direction;
}

bool ReadYesNo(CBCGPProp* item, bool* yes) {
    int value = 0;
    if (!ReadFixedList(item, &value)) return false;
    *yes = value != 0;
    return true;
}

CFixedListProp* NewOrientationList(const CString& name, DWORD_PTR id, const char* shown, const char* description) {
    auto* item = new CFixedListProp(name, CString(shown ? shown : ""), description, id, OtherTakenAs(2));
    item->AddEntries(kOrientations);
    return item;
}

}  // namespace wellplot

namespace wellplot {

bool ReadChoice(CBCGPProp* item, int* choice) { return !FixedListOf(item) || ReadFixedList(item, choice); }

void OfferOnly(CFixedListProp* list, const std::vector<CString>& offered) {
    if (!list) return;
    list->RemoveAllOptions();  // the options only: the entries stay
    for (const CString& text : offered) list->AddOption(text);
}

void ShowUnlisted(CBCGPProp* item, int value, const CString& shown) {
    CFixedListProp* list = FixedListOf(item);
    if (list && !list->TextOf(value)) ShowTextIfChanged(item, shown);
}

}  // namespace wellplot
