#include "wellplot/intervals/KitItems.h"

#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "hosttypes/Zephyr/WpKit.h"
#include "framework/PropItems.h"

namespace {
constexpr DWORD_PTR kRecordFields = 3;

// The field index of item in the group groupId, or -1 when it is none of its sub-items.
int FieldOf(CBCGPProp* item, DWORD_PTR groupId) {
    const DWORD_PTR id = item ? item->GetData() : 0;
    return id > groupId && id <= groupId + kRecordFields ? static_cast<int>(id - groupId - 1) : -1;
}
}  // namespace

void ShowKitTitleItems(CBCGPPropList& list, CWpKit* kit, DWORD_PTR nameId) {
    SetItemText(list.FindItemByData(nameId, TRUE), kit->GetTitleText());
    SetOrientationProp(list.FindItemByData(nameId + 1, TRUE), kit->GetTitleDirection());
    if (CBCGPProp* font = list.FindItemByData(nameId + 2, TRUE)) EnableFontProp(font, kit->GetTitleFont(), true);
}

bool ReadFontSubItem(CBCGPProp* item, DWORD_PTR groupId, QXLOGFONT& font) {
    const int field = FieldOf(item, groupId);
    if (field < 0) return false;
    GetFontSubProp(item, font, field);
    return true;
}

bool ReadLineSubItem(CBCGPProp* item, DWORD_PTR groupId, QXLOGPEN& pen) {
    const int field = FieldOf(item, groupId);
    if (field < 0) return false;
    GetLineSubProp(item, pen, field);
    return true;
}
