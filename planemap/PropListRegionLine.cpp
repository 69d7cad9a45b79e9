#include "planemap/PropListRegionLine.h"

#include "hosttypes/Parsnip/QXObjectLine.h"
#include "planemap/BoundaryTexts.h"
#include "planemap/PlaneTexts.h"
#include "planemap/PropListOilWaterLine.h"

namespace {

enum : DWORD_PTR {
    kTypeId = 2000,
    kRegionTypeId = 2001,
    kPenGroupId = boundarypen::kGroupId,
};

}  // namespace

CPropListRegionLine::CPropListRegionLine() = default;
CPropListRegionLine::~CPropListRegionLine() = default;

CQXObjectLine* CPropListRegionLine::Line() const { return dynamic_cast<CQXObjectLine*>(m_pTarget); }

int CPropListRegionLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* type = new CBCGPProp(planetext::kType, _variant_t(""), "", kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);
    // Shows the region type; it offers nothing to pick, so it cannot be changed here.
    auto* region = new CBCGPProp(boundarytext::kRegionType, _variant_t(""), "", kRegionTypeId);
    region->AllowEdit(FALSE);
    m_wndPropList.AddProperty(region, TRUE, TRUE);

    m_wndPropList.AddProperty(boundarypen::NewPenGroup(), TRUE, TRUE);
    return 0;
}

void CPropListRegionLine::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectLine* line = Line();
    if (!line) return;
    if (CBCGPProp* type = FindItem(kTypeId)) type->SetValue(_variant_t(line->GetTypeName()));
    if (CBCGPProp* region = FindItem(kRegionTypeId)) region->SetValue(_variant_t(line->GetName()));
    QXLOGPEN pen;
    line->GetLogPen(&pen);
    boundarypen::SetPenGroup(FindItem(kPenGroupId), pen);
}

// The shown line takes its pen back after every edit, the edited field changed when it was taken.
LRESULT CPropListRegionLine::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectLine* line = Line();
    if (item && line) {
        QXLOGPEN pen;
        line->GetLogPen(&pen);
        switch (item->GetData()) {
        case boundarypen::kStyleId:
        case boundarypen::kWidthId:
        case boundarypen::kColorId:
            boundarypen::ReadPenItem(item, pen);
            break;
        default:
            break;
        }
        line->SetLogPen(&pen);
    }
    UpdateView();
    return 0;
}
