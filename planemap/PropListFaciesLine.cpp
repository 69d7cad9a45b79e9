#include "planemap/PropListFaciesLine.h"

#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Parsnip/QXObjectLine.h"
#include "planemap/FaciesControlTexts.h"
#include "planemap/PlaneTexts.h"

namespace {

enum : DWORD_PTR {
    kTypeId = 2000,
    kCodeId = 2001,
};

}  // namespace

namespace facies {

CFaciesTypeManager* Catalogue() { return CWellDataManager::Instance()->GetFaciesTypeManager(); }

CBCGPProp* NewCodeItem(DWORD_PTR id) {
    auto* item = new CBCGPProp(fctext::kFaciesType, _variant_t(""), "", id);
    item->AllowEdit(TRUE);
    return item;
}

void RefreshCodeItem(CBCGPProp* item, bool single, const CString& code) {
    if (!item) return;
    item->RemoveAllOptions();
    if (CFaciesTypeManager* catalogue = Catalogue()) {
        CStringArray codes;
        catalogue->GetFaciesCode(codes);
        for (INT_PTR i = 0; i < codes.GetSize(); ++i) item->AddOption(codes.GetAt(i));
    }
    item->SetValue(_variant_t(single ? code : CString()));
    item->Enable(single ? TRUE : FALSE);
}

}  // namespace facies

CPropListFaciesLine::CPropListFaciesLine() = default;
CPropListFaciesLine::~CPropListFaciesLine() = default;

CQXObject* CPropListFaciesLine::Target() const { return dynamic_cast<CQXObject*>(m_pTarget); }

int CPropListFaciesLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* type = new CBCGPProp(planetext::kType, _variant_t(""), "", kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);
    m_wndPropList.AddProperty(facies::NewCodeItem(kCodeId), TRUE, TRUE);
    return 0;
}

void CPropListFaciesLine::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObject* target = Target();
    if (!target) return;
    if (CBCGPProp* type = FindItem(kTypeId)) type->SetValue(_variant_t(target->GetTypeName()));
    facies::RefreshCodeItem(FindItem(kCodeId), GetSelectionCount() == 1, target->GetName());
}

LRESULT CPropListFaciesLine::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObject* target = Target();
    if (item && target) {
        switch (item->GetData()) {
            case kCodeId:
                ApplyCode(target, VariantToText(item->GetValue()));
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
    CFaciesTypeManager* catalogue = facies::Catalogue();
    if (!catalogue || catalogue->FindFaciesTypeByCode(code) < 0) return;
    QXLOGPEN pen = catalogue->GetFaciesLogPenByCode(code);
    SetSameTypeObjects(layer, &CQXObjectLine::SetLogPen, &pen, typeName);
}
