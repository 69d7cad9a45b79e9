#include "planemap/PropListFaciesFill.h"

#include "planemap/AreaItems.h"
#include "planemap/CodeItems.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneTexts.h"
#include "planemap/SameTypeEdits.h"

using namespace planemap;

CPropListFaciesFill::CPropListFaciesFill() = default;
CPropListFaciesFill::~CPropListFaciesFill() = default;

CPropListFaciesFill::CodeRules CPropListFaciesFill::Rules() const {
    return {codeitems::Catalogue::kFacies, geotext::kFaciesType, false};
}

CQXObject* CPropListFaciesFill::Target() const { return dynamic_cast<CQXObject*>(m_pTarget); }

int CPropListFaciesFill::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(NewOptionItem(planetext::kType, "", "", kTypeId, {}, false), TRUE, TRUE);
    m_wndPropList.AddProperty(codeitems::NewCodeItem(Rules().caption, kCodeId), TRUE, TRUE);
    m_wndPropList.AddProperty(areaitems::NewStatisticsGroup(kStatisticsGroupId, kAreaId), TRUE, TRUE);
    return 0;
}

void CPropListFaciesFill::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObject* target = Target();
    if (!target) return;
    SetItemText(FindItem(kTypeId), target->GetTypeName());
    const bool alone = ShownAlone(target);
    codeitems::ShowCodes(FindItem(kCodeId), Rules().catalogue, alone, codeitems::AreaCode(target));
    areaitems::ShowArea(FindItem(kAreaId), alone, target);
}

bool CPropListFaciesFill::ShownAlone(CQXObject* target) const {
    return GetSelectionCount() == 1 || (Rules().aloneWithoutLayer && !target->GetLayer());
}

// Only the shown area takes the code, and only a code the catalogue holds: any other is refused,
// so nothing is written, nobody is told and the item shows the stored code again, as the refresh
// shows it. After a taken edit the objects of the type name are told.
LRESULT CPropListFaciesFill::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObject* target = Target();
    if (item && target) {
        if (item->GetData() == kCodeId && !codeitems::GiveAreaType(target, Rules().catalogue, ItemText(item))) {
            SetItemText(item, ShownAlone(target) ? codeitems::AreaCode(target) : CString());
            return 0;
        }
        UpdateSameTypeObjects(target->GetLayer(), target->GetTypeName());
    }
    UpdateView();
    return 0;
}
