#include "planemap/PropListScatteredLine.h"

#include "planemap/CodeItems.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneTexts.h"
#include "planemap/SameTypeEdits.h"

using namespace planemap;

CPropListScatteredLine::CPropListScatteredLine() = default;
CPropListScatteredLine::~CPropListScatteredLine() = default;

CQXObject* CPropListScatteredLine::Line() const { return dynamic_cast<CQXObject*>(m_pTarget); }

int CPropListScatteredLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(NewOptionItem(planetext::kType, "", "", kTypeId, {}, false), TRUE, TRUE);
    m_wndPropList.AddProperty(codeitems::NewCodeItem(geotext::kScatteredType, kCodeId), TRUE, TRUE);
    return 0;
}

void CPropListScatteredLine::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObject* line = Line();
    if (!line) return;
    SetItemText(FindItem(kTypeId), line->GetTypeName());
    CQXLayer* layer = line->GetLayer();
    const bool alone = layer && layer->GetSelectedObjectCount() == 1;
    codeitems::ShowCodes(FindItem(kCodeId), codeitems::Catalogue::kScattered, alone, line->GetName());
}

LRESULT CPropListScatteredLine::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObject* line = Line();
    if (item && line) {
        switch (item->GetData()) {
            case kCodeId:
                SetSameTypeObjects(line->GetLayer(), &CQXObject::SetName, ItemText(item), line->GetTypeName());
                break;
            default:
                break;
        }
        UpdateSameTypeObjects(line->GetLayer(), line->GetTypeName());
    }
    UpdateView();
    return 0;
}
