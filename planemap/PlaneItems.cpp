#include "planemap/PlaneItems.h"

#include "framework/NumberText.h"
#include "planemap/PlaneTexts.h"

namespace planemap {

CBCGPProp* NewTypeItem(const char* kind, DWORD_PTR id) {
    auto* item = new CBCGPProp(planetext::kType, _variant_t(kind), "", id);
    item->AllowEdit(FALSE);
    return item;
}

CString FixedText(double value, int decimals) {
    return FormatString("%.*f", decimals, numtext::Shown(value, decimals));
}

}  // namespace planemap
