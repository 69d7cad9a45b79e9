// The area statistics of the contour band, facies and scattered-attribute area lists.
#pragma once

#include "bcg/Prop.h"
#include "hosttypes/Parsnip/QXObject.h"

namespace areaitems {

// The "统计" group, expanded, with its read-only "面积" item.
CBCGPProp* NewStatisticsGroup(DWORD_PTR groupId, DWORD_PTR areaId);
// The area belongs to one object: shown alone and a fill, "%.2f" of its area; shown alone but no
// fill, the item is left as it is; not alone, empty.
void ShowArea(CBCGPProp* item, bool alone, CQXObject* object);

}  // namespace areaitems
