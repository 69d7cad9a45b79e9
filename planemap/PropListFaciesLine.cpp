#include "planemap/PropListFaciesLine.h"

#include "hosttypes/Osprey/FaciesTypeManager.h"
#include "hosttypes/Parsnip/QXObjectLine.h"
#include "planemap/CodeItems.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneTexts.h"
#include "planemap/SameTypeEdits.h"

using namespace planemap;

CPropListFaciesLine::CPropListFaciesLine() = default;
CPropListFaciesLine::~CPropListFaciesLine() = default;

CQXObject* CPropListFaciesLine::Target() const { return dynamic_cast<CQXObject*>(m_pTarget); }

int CPropListFaciesLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(NewOptionItem(planetext::kType, "", "", kTypeId, {}, false), TRUE, TRUE);
    m_wndPropList.AddProperty(codeitems::NewCodeItem(geotext::kFaciesType, kCodeId), TRUE, TRUE);
    return 0;
}

void CPropListFaciesLine::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObject* target = Target();
    if (!target) return;
    SetItemText(FindItem(kTypeId), target->GetTypeName());
    codeitems::ShowCodes(FindItem(kCodeId), codeitems::Catalogue::kFacies, GetSelectionCount() == 1, target->GetName());
}

LRESULT CPropListFaciesLine::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObject* target = Target();
    if (item && target) {
        switch (item->GetData()) {
            case kCodeId:
                ApplyCode(target, ItemText(item));
                break;
            default:
                break;
        }
        UpdateSameTypeObjects(target->GetLayer(), target->GetTypeName());
    }
    UpdateView();
    return 0;
}

// The typed code always names the lines; only a code the catalogue holds brings a pen, so a line
// keeps its own pen for a code the catalogue does not know or when the project has no catalogue.
void CPropListFaciesLine::ApplyCode(CQXObject* target, const CString& code) {
    CQXLayer* layer = target->GetLayer();
    const CString typeName = target->GetTypeName();
    SetSameTypeObjects(layer, &CQXObject::SetName, code, typeName);
    CFaciesTypeManager* catalogue = codeitems::FaciesCatalogue();
    if (!catalogue || catalogue->FindFaciesTypeByCode(code) < 0) return;
    QXLOGPEN pen = catalogue->GetFaciesLogPenByCode(code);
    SetSameTypeObjects(layer, &CQXObjectLine::SetLogPen, &pen, typeName);
}
