#include "planemap/PropListScatteredLine.h"

#include "hosttypes/Osprey/WellDataManager.h"
#include "planemap/BoundaryTexts.h"
#include "planemap/PlaneTexts.h"

namespace {

enum : DWORD_PTR {
    kTypeId = 2000,
    kCodeId = 2001,
};

}  // namespace

namespace scatteredlist {

void SetCodeOptions(CBCGPProp* item) {
    if (!item) return;
    item->RemoveAllOptions();
    const CScatteredTypeManager* catalogue = CWellDataManager::Instance()->GetScatteredTypeManager();
    if (!catalogue) return;
    CStringArray codes;
    catalogue->GetScatteredTypeCode(codes);
    for (INT_PTR i = 0; i < codes.GetSize(); ++i) item->AddOption(codes.GetAt(i));
}

void ShowCode(CBCGPProp* item, bool alone, const CString& code) {
    if (!item) return;
    item->SetValue(_variant_t(alone ? code : CString()));
    item->Enable(alone);
}

bool IsSingleSelected(CQXLayer* layer) { return layer && layer->GetSelectedObjectCount() == 1; }

}  // namespace scatteredlist

CPropListScatteredLine::CPropListScatteredLine() = default;
CPropListScatteredLine::~CPropListScatteredLine() = default;

CQXObject* CPropListScatteredLine::Line() const { return dynamic_cast<CQXObject*>(m_pTarget); }

int CPropListScatteredLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* type = new CBCGPProp(planetext::kType, _variant_t(""), "", kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);
    m_wndPropList.AddProperty(new CBCGPProp(boundarytext::kScatteredType, _variant_t(""), "", kCodeId), TRUE, TRUE);
    return 0;
}

void CPropListScatteredLine::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObject* line = Line();
    if (!line) return;
    if (CBCGPProp* type = FindItem(kTypeId)) type->SetValue(_variant_t(line->GetTypeName()));
    CBCGPProp* code = FindItem(kCodeId);
    scatteredlist::SetCodeOptions(code);
    scatteredlist::ShowCode(code, scatteredlist::IsSingleSelected(line->GetLayer()), line->GetName());
}

LRESULT CPropListScatteredLine::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObject* line = Line();
    if (item && line) {
        CQXLayer* layer = line->GetLayer();
        const CString typeName = line->GetTypeName();
        switch (item->GetData()) {
        case kCodeId:
            SetSameTypeObjects(layer, &CQXObject::SetName, VariantToText(item->GetValue()), typeName);
            break;
        default:
            break;
        }
        UpdateSameTypeObjects(layer, typeName);
    }
    UpdateView();
    return 0;
}
