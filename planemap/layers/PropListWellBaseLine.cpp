#include "planemap/layers/PropListWellBaseLine.h"

#include "planemap/PlaneItems.h"
#include "planemap/PlaneTexts.h"
#include "planemap/layers/WellItems.h"
#include "planemap/layers/WellTexts.h"

CPropListWellBaseLine::CPropListWellBaseLine() = default;
CPropListWellBaseLine::~CPropListWellBaseLine() = default;

int CPropListWellBaseLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(wellitems::NewReadOnly(planetext::kType, "", kTypeId), TRUE, TRUE);
    m_wndPropList.AddProperty(wellitems::NewReadOnly(welltext::kRowNumber, "", kRowId), TRUE, TRUE);
    return 0;
}

void CPropListWellBaseLine::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    auto* line = dynamic_cast<CQXObject*>(m_pTarget);
    if (!line || !m_pLayer) return;
    SetItemText(FindItem(kTypeId), line->GetTypeName());
    SetItemText(FindItem(kRowId), m_pLayer->GetSelectedObjectCount() == 1 ? line->GetName() : CString());
}

LRESULT CPropListWellBaseLine::OnPropertyChanged(WPARAM, LPARAM) {
    UpdateView();
    return 0;
}
