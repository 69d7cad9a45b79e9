#include "planemap/PlaneItems.h"

#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"

namespace planemap {

CBCGPProp* NewTypeItem(const char* kind, DWORD_PTR id) {
    auto* item = new CBCGPProp(planetext::kType, _variant_t(kind), "", id);
    item->AllowEdit(FALSE);
    return item;
}

CBCGPProp* NewCountItem(const char* name, const char* description, DWORD_PTR id,
                        std::initializer_list<const char*> options) {
    CBCGPProp* item = NewSizeTextItem(name, description, id, CountRule());
    for (const char* option : options) item->AddOption(option);
    item->AllowEdit(TRUE);
    return item;
}

CFixedListProp* NewStyleItem(const char* description, DWORD_PTR id, int count, StylePastOptions past) {
    const bool taken = past == StylePastOptions::kTakenAsCount;
    auto* item =
        new CFixedListProp(planetext::kStyle, "", description, id, taken ? OtherTakenAs(count) : kOtherRefused);
    for (int i = 0; i < count; ++i) item->AddEntry(StyleText(i), i);
    if (taken) item->AddUnofferedEntry(StyleText(count), count);
    return item;
}

CFixedListProp* NewAlignItem(bool horizontal, const char* name, const char* value, const char* description,
                             DWORD_PTR id, bool allowEdit) {
    return horizontal
               ? NewFixedListItem(name, value, description, id, kHAlignOptions, OtherTakenAs(kAlignOther), allowEdit)
               : NewFixedListItem(name, value, description, id, kVAlignOptions, OtherTakenAs(kAlignOther), allowEdit);
}

CFixedListProp* NewPlaceItem(const char* name, const CString& value, const char* description, DWORD_PTR id,
                             bool offerAll) {
    auto* item = new CFixedListProp(name, value, description, id, kOtherRefused);
    for (const Place& place : kPlaces) {
        const int index = static_cast<int>(&place - kPlaces);
        if (offerAll || place.offered)
            item->AddEntry(place.text, index);
        else
            item->AddUnofferedEntry(place.text, index);
    }
    return item;
}

}  // namespace planemap
