#include "planemap/PropListFill.h"

#include "bcg/ColorProp.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/PropFloat.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Kestrel/GraphStyleManager.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "planemap/PlaneTexts.h"

namespace {

enum : DWORD_PTR {
    kTypeId = 0,
    kAreaId = 8,
    kFillGroupId = 7000,
    kStyleSetId = 7001,
    kStyleId = 7002,
    kLineColorId = 7003,
    kFillColorId = 7004,
    kCellSizeId = 7005,
    kTransparentId = 7006,
};

const char kArea[] = "面积";

}  // namespace

std::string GetFillStyleName(const QXLOGBRUSH& brush) {
    if (CGraphStyleManager* all = _AfxGetFillStyleManager(""))
        if (CGraphStyleManager* set = all->GetChildStyleManagerByID(brush.style))
            return std::string(static_cast<const char*>(set->GetName()));
    return planetext::kAllStyles;
}

CPropListFill::CPropListFill() = default;
CPropListFill::~CPropListFill() = default;

CQXObjectFill* CPropListFill::Fill() const { return dynamic_cast<CQXObjectFill*>(m_pTarget); }

int CPropListFill::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* type = new CBCGPProp(planetext::kType, _variant_t(planetext::kFill), planetext::kType, kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);

    m_pFillGroup = CreateFillProp(planetext::kFill, kFillGroupId);
    m_wndPropList.AddProperty(m_pFillGroup, TRUE, TRUE);

    auto* area = new CBCGPropFloat(kArea, _variant_t(0.0), 2, kArea, FALSE, kAreaId);
    area->AllowEdit(FALSE);
    m_wndPropList.AddProperty(area, TRUE, TRUE);
    return 1;
}

void CPropListFill::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectFill* fill = Fill();
    if (!fill) return;
    if (CBCGPProp* type = FindItem(kTypeId)) type->SetValue(_variant_t(fill->GetTypeName()));
    QXLOGBRUSH brush;
    fill->GetLogBrush(&brush);
    if (m_pFillGroup) SetFillProp(m_pFillGroup, GetFillStyleName(brush), brush);
    if (CBCGPProp* area = FindItem(kAreaId)) area->SetValue(_variant_t(fill->GetArea()));
}

LRESULT CPropListFill::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectFill* fill = Fill();
    if (item && fill) {
        QXLOGBRUSH brush;
        fill->GetLogBrush(&brush);
        // The shown fill only: no other selected object takes the edit.
        if (ApplyFillItem(item, brush)) fill->SetLogBrush(&brush);
    }
    UpdateView();
    return 0;
}

// Changes brush by the edited item; false when the edit must write nothing (a cell size that is
// not a number of 0 or more).
bool CPropListFill::ApplyFillItem(CBCGPProp* item, QXLOGBRUSH& brush) {
    switch (item->GetData()) {
    case kStyleSetId:
        // Only the picker follows the chosen set; the brush keeps its style until one is picked.
        if (auto* picker = dynamic_cast<CPropStyleCombox*>(FindItem(kStyleId)))
            picker->SetStyleGroup(VariantToText(item->GetValue()), true);
        break;
    case kStyleId:
        if (auto* picker = dynamic_cast<CPropStyleCombox*>(item)) brush.style = picker->GetVal();
        break;
    case kLineColorId:
        if (auto* colour = dynamic_cast<CBCGPColorProp*>(item)) brush.lineColor = colour->GetColor();
        break;
    case kFillColorId:
        if (auto* colour = dynamic_cast<CBCGPColorProp*>(item)) brush.fillColor = colour->GetColor();
        break;
    case kCellSizeId: {
        double size = 0;
        if (!GetNumberProp(item, &size)) return false;
        brush.size = static_cast<float>(size * 100);
        break;
    }
    case kTransparentId:
        brush.backMode = GetYesNoProp(item) ? kBackModeTransparent : kBackModeOpaque;
        break;
    default:
        break;
    }
    return true;
}
