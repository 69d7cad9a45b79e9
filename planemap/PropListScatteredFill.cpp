#include "planemap/PropListScatteredFill.h"

#include "planemap/GeologyItems.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneNumbers.h"
#include "planemap/PlaneTexts.h"

using namespace planemap;

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
    m_wndPropList.AddProperty(NewOptionItem(planetext::kType, "", "", kTypeId, {}, false), TRUE, TRUE);
    m_wndPropList.AddProperty(codeitems::NewCodeItem(geotext::kScatteredType, kCodeId), TRUE, TRUE);
    m_wndPropList.AddProperty(areaitems::NewStatisticsGroup(kStatisticsGroupId, kAreaId), TRUE, TRUE);
    return 0;
}

void CPropListScatteredFill::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObject* area = Area();
    if (!area) return;
    SetItemText(FindItem(kTypeId), area->GetTypeName());
    // An area outside any layer is shown alone too.
    CQXLayer* layer = area->GetLayer();
    const bool alone = !layer || layer->GetSelectedObjectCount() == 1;
    codeitems::ShowCodes(FindItem(kCodeId), codeitems::Catalogue::kScattered, alone, codeitems::AreaCode(area));
    areaitems::ShowArea(FindItem(kAreaId), alone, area);
}

LRESULT CPropListScatteredFill::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObject* area = Area();
    if (item && area) {
        switch (item->GetData()) {
            case kCodeId:
                // Only the shown area takes the type; a code outside the catalogue changes nothing,
                // not even the view.
                if (!codeitems::GiveAreaType(area, codeitems::Catalogue::kScattered, ItemText(item))) return 0;
                break;
            default:
                break;
        }
        UpdateSameTypeObjects(area->GetLayer(), area->GetTypeName());
    }
    UpdateView();
    return 0;
}
