#include "planemap/PlaneItems.h"

#include "planemap/PlaneTexts.h"

namespace planemap {

CBCGPProp* NewTypeItem(const char* kind, DWORD_PTR id) {
    auto* item = new CBCGPProp(planetext::kType, _variant_t(kind), "", id);
    item->AllowEdit(FALSE);
    return item;
}

}  // namespace planemap
