#include "planemap/PropListRegionFill.h"

#include "hosttypes/Moraine/RegionLayer.h"
#include "planemap/BoundaryTexts.h"
#include "planemap/PropListOilWaterFill.h"

CPropListRegionFill::CPropListRegionFill() = default;
CPropListRegionFill::~CPropListRegionFill() = default;

CQXObject* CPropListRegionFill::Zone() const { return dynamic_cast<CQXObject*>(m_pTarget); }

int CPropListRegionFill::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(zonelist::NewTypeItem(), TRUE, TRUE);
    m_wndPropList.AddProperty(zonelist::NewZoneTypeItem(boundarytext::kRegionType), TRUE, TRUE);
    return 0;
}

void CPropListRegionFill::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObject* zone = Zone();
    if (!zone) return;
    CStringArray types;
    // No wrapper over a missing line layer: the type item then offers nothing.
    if (CQXLayer* lineLayer = zonelist::FindLineLayer(zone)) kel::plane::CRegionLayer(lineLayer).GetAllRegionType(types);
    zonelist::ShowZone(FindItem(zonelist::kTypeId), FindItem(zonelist::kZoneTypeId), zone, types);
}

LRESULT CPropListRegionFill::OnPropertyChanged(WPARAM, LPARAM lParam) {
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
