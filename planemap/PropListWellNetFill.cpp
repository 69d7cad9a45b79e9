#include "planemap/PropListWellNetFill.h"

#include "bcg/ColorProp.h"
#include "framework/ItemGroupsLine.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "planemap/BoundaryTexts.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneTexts.h"

namespace {

enum : DWORD_PTR {
    kTypeId = 2000,
    kFillColorId = 2001,
};

}  // namespace

CPropListWellNetFill::CPropListWellNetFill() = default;
CPropListWellNetFill::~CPropListWellNetFill() = default;

CQXObjectFill* CPropListWellNetFill::Area() const { return dynamic_cast<CQXObjectFill*>(m_pTarget); }

int CPropListWellNetFill::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* type = new CBCGPProp(planetext::kType, _variant_t(""), "", kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);
    m_wndPropList.AddProperty(
        NewGroupColorProp(grouptext::kColor, geotext::kFillColorDescription, kFillColorId, 0), TRUE, TRUE);
    return 0;
}

void CPropListWellNetFill::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectFill* area = Area();
    if (!area) return;
    if (CBCGPProp* type = FindItem(kTypeId)) type->SetValue(_variant_t(area->GetTypeName()));
    QXLOGBRUSH brush;
    area->GetLogBrush(&brush);
    if (auto* colour = dynamic_cast<CBCGPColorProp*>(FindItem(kFillColorId))) colour->SetColor(brush.fillColor);
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
    auto* colour = dynamic_cast<CBCGPColorProp*>(item);
    if (!colour) return;
    QXLOGBRUSH brush;
    area->GetLogBrush(&brush);
    brush.fillColor = colour->GetColor();
    SetSameTypeObjects(area->GetLayer(), &CQXObjectFill::SetLogBrush, &brush, CString(boundarytext::kWellNetArea));
}
