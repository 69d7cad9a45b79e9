#include "planemap/PropListOilWaterFill.h"

#include "hosttypes/Moraine/OilWaterLayer.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "hosttypes/Wicket/ScatteredFunc.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneNumbers.h"
#include "planemap/PlaneTexts.h"

using namespace planemap;

CPropListOWFill::CPropListOWFill() = default;
CPropListOWFill::~CPropListOWFill() = default;

CQXObject* CPropListOWFill::Zone() const { return dynamic_cast<CQXObject*>(m_pTarget); }

int CPropListOWFill::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    zonelist::AddItems(m_wndPropList, geotext::kOilWaterType);
    return 0;
}

void CPropListOWFill::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObject* zone = Zone();
    if (!zone) return;
    CStringArray types;
    // No wrapper over a missing line layer: the type item then offers nothing.
    if (CQXLayer* lineLayer = zonelist::FindLineLayer(zone))
        kel::plane::COilWaterLayer(lineLayer).GetAllOilWaterType(types);
    zonelist::ShowZone(FindItem(zonelist::kTypeId), FindItem(zonelist::kZoneTypeId), zone, types);
}

LRESULT CPropListOWFill::OnPropertyChanged(WPARAM, LPARAM lParam) {
    zonelist::ApplyEdit(reinterpret_cast<CBCGPProp*>(lParam), Zone());
    UpdateView();
    return 0;
}

// ---- the zone items and edit handler shared with the region zones ----------------------------------

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
