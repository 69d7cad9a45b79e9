#include "planemap/ZoneList.h"

#include "bcg/PropList.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "hosttypes/Wicket/ScatteredFunc.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneTexts.h"

using namespace planemap;

namespace zonelist {

void AddItems(CBCGPPropList& grid, const char* zoneTypeLabel) {
    grid.AddProperty(NewOptionItem(planetext::kType, "", "", kTypeId, {}, false), TRUE, TRUE);
    grid.AddProperty(NewOptionItem(zoneTypeLabel, "", "", kZoneTypeId, {}, false), TRUE, TRUE);
}

CQXLayer* FindLineLayer(CQXObject* zone) {
    CQXLayer* layer = zone ? zone->GetLayer() : nullptr;
    if (!layer) return nullptr;
    return CScatteredFunc::GetLine_Layer(layer->GetMap(), layer->GetName());
}

void ShowZone(CBCGPProp* typeItem, CBCGPProp* zoneTypeItem, CQXObject* zone, const CStringArray& types) {
    SetItemText(typeItem, zone->GetTypeName());
    if (!zoneTypeItem) return;
    zoneTypeItem->RemoveAllOptions();
    for (INT_PTR i = 0; i < types.GetSize(); ++i) zoneTypeItem->AddOption(types.GetAt(i));
    zoneTypeItem->SetValue(_variant_t(zone->GetName()));
}

void ApplyEdit(CBCGPProp* item, CQXObject* zone) {
    if (!item || !zone || item->GetData() != kZoneTypeId) return;
    const CString type = ItemText(item);
    CQXLayer* lineLayer = FindLineLayer(zone);
    zone->SetName(type);
    if (!lineLayer) return;
    QXLOGBRUSH brush;
    lineLayer->GetPropertyManager()->GetBrushProperty(CString(geotext::kBrushKeyPrefix) + type, &brush);
    if (auto* fill = dynamic_cast<CQXObjectFill*>(zone)) fill->SetLogBrush(&brush);
}

}  // namespace zonelist
