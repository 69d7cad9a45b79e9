#include "planemap/PropListFaciesLine.h"

#include "hosttypes/Osprey/FaciesTypeManager.h"
#include "hosttypes/Osprey/ScatteredTypeManager.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "hosttypes/Parsnip/QXObjectLine.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneNumbers.h"
#include "planemap/PlaneTexts.h"

using namespace planemap;

namespace {

enum : DWORD_PTR {
    kTypeId = 2000,
    kCodeId = 2001,
};

CFaciesTypeManager* FaciesCatalogue() { return CWellDataManager::Instance()->GetFaciesTypeManager(); }
const CScatteredTypeManager* ScatteredCatalogue() { return CWellDataManager::Instance()->GetScatteredTypeManager(); }

}  // namespace

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
    CFaciesTypeManager* catalogue = FaciesCatalogue();
    if (!catalogue || catalogue->FindFaciesTypeByCode(code) < 0) return;
    QXLOGPEN pen = catalogue->GetFaciesLogPenByCode(code);
    SetSameTypeObjects(layer, &CQXObjectLine::SetLogPen, &pen, typeName);
}

// ---- code items shared with the facies areas, control points and scattered-attribute lists ---------

namespace codeitems {

CBCGPProp* NewCodeItem(const char* label, DWORD_PTR id) { return NewTextItem(label, "", id); }

void ShowCodes(CBCGPProp* item, Catalogue catalogue, bool alone, const CString& code) {
    if (!item) return;
    CStringArray codes;
    if (catalogue == Catalogue::kFacies) {
        if (const CFaciesTypeManager* facies = FaciesCatalogue()) facies->GetFaciesCode(codes);
    } else if (const CScatteredTypeManager* scattered = ScatteredCatalogue()) {
        scattered->GetScatteredTypeCode(codes);
    }
    item->RemoveAllOptions();
    for (INT_PTR i = 0; i < codes.GetSize(); ++i) item->AddOption(codes.GetAt(i));
    item->SetValue(_variant_t(alone ? code : CString()));
    item->Enable(alone ? TRUE : FALSE);
}

CString AreaCode(CQXObject* area) {
    CString code;
    area->GetPropertyManager()->GetStringProperty(geotext::kCodeKey, code);
    return code.IsEmpty() ? area->GetName() : code;
}

bool GiveAreaType(CQXObject* area, Catalogue catalogue, const CString& code) {
    CString name;
    QXLOGBRUSH brush;
    if (catalogue == Catalogue::kFacies) {
        const CFaciesTypeManager* facies = FaciesCatalogue();
        const int index = facies ? facies->FindFaciesTypeByCode(code) : -1;
        if (index < 0) return false;
        name = facies->GetFaciesName(index);
        brush = facies->GetFaciesLogBrush(index);
    } else {
        const CScatteredTypeManager* scattered = ScatteredCatalogue();
        const int index = scattered ? scattered->FindScatteredTypeByCode(code) : -1;
        if (index < 0) return false;
        name = scattered->GetScatteredTypeName(index);
        brush = scattered->GetScatteredTypeLogBrush(index);
    }
    area->SetName(name);
    if (auto* fill = dynamic_cast<CQXObjectFill*>(area)) fill->SetLogBrush(&brush);
    area->GetPropertyManager()->SetStringProperty(geotext::kCodeKey, code);
    return true;
}

}  // namespace codeitems
