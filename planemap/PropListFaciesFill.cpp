#include "planemap/PropListFaciesFill.h"

#include "hosttypes/Osprey/FaciesTypeManager.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "planemap/FaciesControlTexts.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneTexts.h"
#include "planemap/PropListFaciesLine.h"

namespace {

enum : DWORD_PTR {
    kTypeId = 2000,
    kCodeId = 2001,
    kStatisticsGroupId = 2002,
    kAreaId = 2003,
};

// The area's code: the stored code, or its name when none is stored.
CString CodeOf(CQXObject* target) {
    CString code;
    target->GetPropertyManager()->GetStringProperty(fctext::kFaciesCodeKey, code);
    return code.IsEmpty() ? target->GetName() : code;
}

}  // namespace

CPropListFaciesFill::CPropListFaciesFill() = default;
CPropListFaciesFill::~CPropListFaciesFill() = default;

CQXObject* CPropListFaciesFill::Target() const { return dynamic_cast<CQXObject*>(m_pTarget); }

int CPropListFaciesFill::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* type = new CBCGPProp(planetext::kType, _variant_t(""), "", kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);
    m_wndPropList.AddProperty(facies::NewCodeItem(kCodeId), TRUE, TRUE);

    auto* statistics = new CBCGPProp(geotext::kStatistics, kStatisticsGroupId);
    auto* area = new CBCGPProp(geotext::kArea, _variant_t(""), "", kAreaId);
    area->AllowEdit(FALSE);
    statistics->AddSubItem(area);
    m_wndPropList.AddProperty(statistics, TRUE, TRUE);
    statistics->Expand(TRUE);
    return 0;
}

void CPropListFaciesFill::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObject* target = Target();
    if (!target) return;
    if (CBCGPProp* type = FindItem(kTypeId)) type->SetValue(_variant_t(target->GetTypeName()));
    facies::RefreshCodeItem(FindItem(kCodeId), GetSelectionCount() == 1, CodeOf(target));
    RefreshArea(target);
}

// The area belongs to one shown fill; anything else leaves the item empty rather than showing
// the figure of an object shown before.
void CPropListFaciesFill::RefreshArea(CQXObject* target) {
    CBCGPProp* item = FindItem(kAreaId);
    if (!item) return;
    CString text;
    auto* fill = dynamic_cast<CQXObjectFill*>(target);
    if (fill && GetSelectionCount() == 1) text.Format("%.2f", fill->GetArea());
    item->SetValue(_variant_t(text));
}

LRESULT CPropListFaciesFill::OnPropertyChanged(WPARAM, LPARAM lParam) {
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

// Only the shown area takes the facies, and only a facies the catalogue holds.
void CPropListFaciesFill::ApplyCode(CQXObject* target, const CString& code) {
    CFaciesTypeManager* catalogue = facies::Catalogue();
    if (!catalogue) return;
    const int index = catalogue->FindFaciesTypeByCode(code);
    if (index < 0) return;
    target->SetName(catalogue->GetFaciesName(index));
    if (auto* fill = dynamic_cast<CQXObjectFill*>(target)) {
        QXLOGBRUSH brush = catalogue->GetFaciesLogBrush(index);
        fill->SetLogBrush(&brush);
    }
    target->GetPropertyManager()->SetStringProperty(fctext::kFaciesCodeKey, code);
}
