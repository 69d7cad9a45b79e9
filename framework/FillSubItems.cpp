#include "framework/FillSubItems.h"

#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/NumberText.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"

namespace {

// The group's style picker is its second sub-item.
CPropStyleCombox* GroupPicker(CBCGPProp* item) {
    CBCGPProp* group = item->GetParent();
    if (!group || group->GetSubItemsCount() < 2) return nullptr;
    return dynamic_cast<CPropStyleCombox*>(group->GetSubItem(1));
}

}  // namespace

bool ReadFillSubItem(CBCGPProp* item, QXLOGBRUSH* brush) {
    if (!item || !brush) return false;
    switch (item->GetData()) {
        case kPlaneFillStyleSetId: {
            const CString set = VariantToText(item->GetValue());
            if (set.IsEmpty()) return false;
            UINT style = GetFirstFillStyleID(set);
            if (CPropStyleCombox* picker = GroupPicker(item)) {
                picker->SetStyleGroup(set, true);
                picker->SetVal(style);
            }
            brush->style = style;
            return true;
        }
        case kPlaneFillStyleId:
            return ReadStyle(item, &brush->style);
        case kPlaneFillLineColorId:
            return ReadColor(item, &brush->lineColor);
        case kPlaneFillColorId:
            return ReadColor(item, &brush->fillColor);
        case kPlaneFillCellSizeId: {
            double size = 0;
            // A size past the record's float range is refused like a text that is no number.
            return GetNumberProp(item, &size) && numtext::FitFloat(size, numtext::kHundredths, &brush->size);
        }
        case kPlaneFillTransparentId:
            brush->backMode = ReadYesNo(item) ? kBackModeTransparent : kBackModeOpaque;
            return true;
        default:
            return false;
    }
}
