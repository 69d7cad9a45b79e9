#include "planemap/PropListContourFill.h"

#include "planemap/AreaItems.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneTexts.h"

using namespace planemap;

CPropListContourFill::CPropListContourFill() = default;
CPropListContourFill::~CPropListContourFill() = default;

int CPropListContourFill::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(NewOptionItem(planetext::kType, "", "", kTypeId, {}, false), TRUE, TRUE);
    m_wndPropList.AddProperty(NewOptionItem(geotext::kValueInterval, "", "", kIntervalId, {}, false), TRUE, TRUE);
    m_wndPropList.AddProperty(areaitems::NewStatisticsGroup(kStatisticsGroupId, kAreaId), TRUE, TRUE);
    return 0;
}

void CPropListContourFill::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    auto* band = dynamic_cast<CQXObject*>(m_pTarget);
    if (!band) return;
    SetItemText(FindItem(kTypeId), band->GetTypeName());

    // Interval and area belong to one band: empty while several objects are selected.
    const bool single = m_pLayer && m_pLayer->GetSelectedObjectCount() == 1;
    SetItemText(FindItem(kIntervalId), single ? band->GetName() : CString());
    areaitems::ShowArea(FindItem(kAreaId), single, band);
}

LRESULT CPropListContourFill::OnPropertyChanged(WPARAM, LPARAM) {
    UpdateView();
    return 0;
}
