#include "planemap/PropListWellNetFill.h"

#include "framework/ItemGroupsLine.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneTexts.h"
#include "planemap/SameTypeEdits.h"

using namespace planemap;

CPropListWellNetFill::CPropListWellNetFill() = default;
CPropListWellNetFill::~CPropListWellNetFill() = default;

CQXObjectFill* CPropListWellNetFill::Area() const { return dynamic_cast<CQXObjectFill*>(m_pTarget); }

int CPropListWellNetFill::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(NewOptionItem(planetext::kType, "", "", kTypeId, {}, false), TRUE, TRUE);
    m_wndPropList.AddProperty(NewGroupColorProp(grouptext::kColor, geotext::kFillColorDescription, kFillColorId, 0),
                              TRUE, TRUE);
    return 0;
}

void CPropListWellNetFill::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectFill* area = Area();
    if (!area) return;
    SetItemText(FindItem(kTypeId), area->GetTypeName());
    QXLOGBRUSH brush;
    area->GetLogBrush(&brush);
    ShowColor(FindItem(kFillColorId), brush.fillColor);
}

LRESULT CPropListWellNetFill::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectFill* area = Area();
    if (item && area) {
        switch (item->GetData()) {
            case kFillColorId:
                ApplyFillColor(area, item);
                break;
            default:
                break;
        }
    }
    UpdateView();
    return 0;
}

// Every selected well-net area takes the shown area's brush with the new fill colour, whatever
// type name the shown area has.
void CPropListWellNetFill::ApplyFillColor(CQXObjectFill* area, CBCGPProp* item) {
    QXLOGBRUSH brush;
    area->GetLogBrush(&brush);
    if (ReadColor(item, &brush.fillColor))
        SetSameTypeObjects(area->GetLayer(), &CQXObjectFill::SetLogBrush, &brush, CString(geotext::kWellNetArea));
}
