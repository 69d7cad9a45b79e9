#include "planemap/PropListOilWaterFill.h"

#include "hosttypes/Moraine/OilWaterLayer.h"
#include "planemap/GeologyTexts.h"
#include "planemap/ZoneList.h"

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
