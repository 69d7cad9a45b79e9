#include "planemap/PropListScatteredFill.h"

#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "planemap/BoundaryTexts.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneTexts.h"
#include "planemap/PropListScatteredLine.h"

namespace {

enum : DWORD_PTR {
    kTypeId = 2000,
    kCodeId = 2001,
    kStatisticsGroupId = 2002,
    kAreaId = 2003,
};

}  // namespace

CPropListScatteredFill::CPropListScatteredFill() = default;
CPropListScatteredFill::~CPropListScatteredFill() = default;

CQXObject* CPropListScatteredFill::Area() const { return dynamic_cast<CQXObject*>(m_pTarget); }

int CPropListScatteredFill::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* type = new CBCGPProp(planetext::kType, _variant_t(""), "", kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);
    m_wndPropList.AddProperty(new CBCGPProp(boundarytext::kScatteredType, _variant_t(""), "", kCodeId), TRUE, TRUE);

    auto* statistics = new CBCGPProp(geotext::kStatistics, kStatisticsGroupId);
    auto* size = new CBCGPProp(geotext::kArea, _variant_t(""), "", kAreaId);
    size->AllowEdit(FALSE);
    statistics->AddSubItem(size);
    m_wndPropList.AddProperty(statistics, TRUE, TRUE);
    statistics->Expand(TRUE);
    return 0;
}

void CPropListScatteredFill::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObject* area = Area();
    if (!area) return;
    if (CBCGPProp* type = FindItem(kTypeId)) type->SetValue(_variant_t(area->GetTypeName()));
    CBCGPProp* codeItem = FindItem(kCodeId);
    scatteredlist::SetCodeOptions(codeItem);

    // An area outside any layer is shown alone too.
    CQXLayer* layer = area->GetLayer();
    const bool alone = !layer || scatteredlist::IsSingleSelected(layer);
    CString code;
    if (alone) {
        area->GetPropertyManager()->GetStringProperty(boundarytext::kDatabaseCodeKey, code);
        if (code.IsEmpty()) code = area->GetName();
    }
    scatteredlist::ShowCode(codeItem, alone, code);
    RefreshArea(area, alone);
}

// The size of one area; an object shown alone that is no fill keeps the text shown before.
void CPropListScatteredFill::RefreshArea(CQXObject* area, bool alone) {
    CBCGPProp* size = FindItem(kAreaId);
    if (!size) return;
    auto* fill = dynamic_cast<CQXObjectFill*>(area);
    if (!alone) {
        size->SetValue(_variant_t(""));
    } else if (fill) {
        CString text;
        text.Format("%.2f", fill->GetArea());
        size->SetValue(_variant_t(text));
    }
}

LRESULT CPropListScatteredFill::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObject* area = Area();
    if (item && area) {
        switch (item->GetData()) {
        case kCodeId:
            // A code outside the catalogue changes nothing, not even the view.
            if (!ApplyCode(area, VariantToText(item->GetValue()))) return 0;
            break;
        default:
            break;
        }
        UpdateSameTypeObjects(area->GetLayer(), area->GetTypeName());
    }
    UpdateView();
    return 0;
}

// The shown area takes the type's name and standard fill and keeps the code; false when there is
// no catalogue or the code is not in it.
bool CPropListScatteredFill::ApplyCode(CQXObject* area, const CString& code) {
    const CScatteredTypeManager* catalogue = CWellDataManager::Instance()->GetScatteredTypeManager();
    const int index = catalogue ? catalogue->FindScatteredTypeByCode(code) : -1;
    if (index < 0) return false;
    area->SetName(catalogue->GetScatteredTypeName(index));
    QXLOGBRUSH brush = catalogue->GetScatteredTypeLogBrush(index);
    if (auto* fill = dynamic_cast<CQXObjectFill*>(area)) fill->SetLogBrush(&brush);
    area->GetPropertyManager()->SetStringProperty(boundarytext::kDatabaseCodeKey, code);
    return true;
}
