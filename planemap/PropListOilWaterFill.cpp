#include "planemap/PropListOilWaterFill.h"

#include "hosttypes/Moraine/OilWaterLayer.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "hosttypes/Wicket/ScatteredFunc.h"
#include "planemap/BoundaryTexts.h"
#include "planemap/PlaneTexts.h"

namespace zonelist {

CBCGPProp* NewTypeItem() {
    auto* type = new CBCGPProp(planetext::kType, _variant_t(""), "", kTypeId);
    type->AllowEdit(FALSE);
    return type;
}

CBCGPProp* NewZoneTypeItem(const char* label) {
    auto* zoneType = new CBCGPProp(label, _variant_t(""), "", kZoneTypeId);
    zoneType->AllowEdit(FALSE);
    return zoneType;
}

CQXLayer* FindLineLayer(CQXObject* zone) {
    CQXLayer* layer = zone ? zone->GetLayer() : nullptr;
    if (!layer) return nullptr;
    return CScatteredFunc::GetLine_Layer(layer->GetMap(), layer->GetName());
}

void ShowZone(CBCGPProp* typeItem, CBCGPProp* zoneTypeItem, CQXObject* zone, const CStringArray& types) {
    if (!zone) return;
    if (typeItem) typeItem->SetValue(_variant_t(zone->GetTypeName()));
    if (!zoneTypeItem) return;
    zoneTypeItem->RemoveAllOptions();
    for (INT_PTR i = 0; i < types.GetSize(); ++i) zoneTypeItem->AddOption(types.GetAt(i));
    zoneTypeItem->SetValue(_variant_t(zone->GetName()));
}

void ApplyZoneType(CQXObject* zone, const CString& type) {
    CQXLayer* lineLayer = FindLineLayer(zone);
    zone->SetName(type);
    if (!lineLayer) return;
    QXLOGBRUSH brush;
    lineLayer->GetPropertyManager()->GetBrushProperty(CString(boundarytext::kBrushKeyPrefix) + type, &brush);
    if (auto* fill = dynamic_cast<CQXObjectFill*>(zone)) fill->SetLogBrush(&brush);
}

}  // namespace zonelist

CPropListOWFill::CPropListOWFill() = default;
CPropListOWFill::~CPropListOWFill() = default;

CQXObject* CPropListOWFill::Zone() const { return dynamic_cast<CQXObject*>(m_pTarget); }

int CPropListOWFill::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(zonelist::NewTypeItem(), TRUE, TRUE);
    m_wndPropList.AddProperty(zonelist::NewZoneTypeItem(boundarytext::kOilWaterType), TRUE, TRUE);
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
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObject* zone = Zone();
    if (item && zone) {
        switch (item->GetData()) {
        case zonelist::kZoneTypeId:
            zonelist::ApplyZoneType(zone, VariantToText(item->GetValue()));
            break;
        default:
            break;
        }
    }
    UpdateView();
    return 0;
}
