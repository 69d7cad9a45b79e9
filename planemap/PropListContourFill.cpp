#include "planemap/PropListContourFill.h"

#include "hosttypes/Parsnip/QXObjectFill.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneTexts.h"

namespace {

enum : DWORD_PTR {
    kTypeId = 2000,
    kIntervalId = 2001,
    kStatisticsGroupId = 2002,
    kAreaId = 2003,
};

CBCGPProp* NewReadOnlyText(const char* name, DWORD_PTR id) {
    auto* item = new CBCGPProp(name, _variant_t(""), "", id);
    item->AllowEdit(FALSE);
    return item;
}

}  // namespace

CPropListContourFill::CPropListContourFill() = default;
CPropListContourFill::~CPropListContourFill() = default;

int CPropListContourFill::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(NewReadOnlyText(planetext::kType, kTypeId), TRUE, TRUE);
    m_wndPropList.AddProperty(NewReadOnlyText(geotext::kValueInterval, kIntervalId), TRUE, TRUE);
    auto* statistics = new CBCGPProp(geotext::kStatistics, kStatisticsGroupId);
    statistics->AddSubItem(NewReadOnlyText(geotext::kArea, kAreaId));
    statistics->Expand(TRUE);
    m_wndPropList.AddProperty(statistics, TRUE, TRUE);
    return 0;
}

void CPropListContourFill::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    auto* band = dynamic_cast<CQXObject*>(m_pTarget);
    if (!band) return;
    if (CBCGPProp* type = FindItem(kTypeId)) type->SetValue(_variant_t(band->GetTypeName()));

    // Interval and area belong to one band: empty while several objects are selected.
    const bool single = m_pLayer && m_pLayer->GetSelectedObjectCount() == 1;
    if (CBCGPProp* interval = FindItem(kIntervalId)) interval->SetValue(_variant_t(single ? band->GetName() : CString()));
    if (CBCGPProp* area = FindItem(kAreaId)) {
        // An object that is no fill has no area: the item is emptied rather than left showing
        // the area of the band shown before.
        CString text;
        if (auto* fill = dynamic_cast<CQXObjectFill*>(band); single && fill) text.Format("%.2f", fill->GetArea());
        area->SetValue(_variant_t(text));
    }
}

LRESULT CPropListContourFill::OnPropertyChanged(WPARAM, LPARAM) {
    UpdateView();
    return 0;
}
