#include "planemap/AreaItems.h"

#include "framework/NumberText.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneTexts.h"

using namespace planemap;

namespace areaitems {

CBCGPProp* NewStatisticsGroup(DWORD_PTR groupId, DWORD_PTR areaId) {
    auto* statistics = new CBCGPProp(geotext::kStatistics, groupId);
    statistics->AddSubItem(NewOptionItem(planetext::kArea, "", "", areaId, {}, false));
    statistics->Expand(TRUE);
    return statistics;
}

void ShowArea(CBCGPProp* item, bool alone, CQXObject* object) {
    if (!alone) {
        SetItemText(item, CString());
        return;
    }
    if (auto* fill = dynamic_cast<CQXObjectFill*>(object)) SetItemText(item, numtext::Fixed(fill->GetArea(), 2));
}

}  // namespace areaitems
