#include "planemap/PropListRegionFill.h"

#include "hosttypes/Moraine/RegionLayer.h"
#include "planemap/GeologyTexts.h"
#include "planemap/ZoneList.h"

CPropListRegionFill::CPropListRegionFill() = default;
CPropListRegionFill::~CPropListRegionFill() = default;

CQXObject* CPropListRegionFill::Zone() const { return dynamic_cast<CQXObject*>(m_pTarget); }

int CPropListRegionFill::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    zonelist::AddItems(m_wndPropList, geotext::kRegionType);
    return 0;
}

void CPropListRegionFill::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObject* zone = Zone();
    if (!zone) return;
    CStringArray types;
    // No wrapper over a missing line layer: the type item then offers nothing.
    if (CQXLayer* lineLayer = zonelist::FindLineLayer(zone))
        kel::plane::CRegionLayer(lineLayer).GetAllRegionType(types);
    zonelist::ShowZone(FindItem(zonelist::kTypeId), FindItem(zonelist::kZoneTypeId), zone, types);
}

LRESULT CPropListRegionFill::OnPropertyChanged(WPARAM, LPARAM lParam) {
    zonelist::ApplyEdit(reinterpret_cast<CBCGPProp*>(lParam), Zone());
    UpdateView();
    return 0;
}
