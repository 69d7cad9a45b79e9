#include "wellplot/YesNoList.h"

namespace wellplot {

CFixedListProp* NewYesNoList(const CString& name, DWORD_PTR id, const char* shown, const char* description,
                             OtherText other) {
    auto* item = new CFixedListProp(name, CString(shown ? shown : ""), description, id, other);
    item->AddEntries(kYesNo);
    return item;
}

bool ReadYesNo(CBCGPProp* item, bool* yes) {
    int value = 0;
    if (!ReadFixedList(item, &value)) return false;
    *yes = value != 0;
    return true;
}

}  // namespace wellplot
