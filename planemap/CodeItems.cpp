#include "planemap/CodeItems.h"

#include "hosttypes/Osprey/FaciesTypeManager.h"
#include "hosttypes/Osprey/ScatteredTypeManager.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneItems.h"

using namespace planemap;

namespace codeitems {

namespace {

const CScatteredTypeManager* ScatteredCatalogue() { return CWellDataManager::Instance()->GetScatteredTypeManager(); }

}  // namespace

CFaciesTypeManager* FaciesCatalogue() { return CWellDataManager::Instance()->GetFaciesTypeManager(); }

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
