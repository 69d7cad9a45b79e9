#include "planemap/PlaneItems.h"

#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
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


}  // namespace planemap
