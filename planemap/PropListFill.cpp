#include "planemap/PropListFill.h"

#include "framework/ItemGroupsFill.h"
#include "framework/PropFloat.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Kestrel/GraphStyleManager.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"
#include "planemap/SameTypeEdits.h"

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
    // The cell size refuses what ReadFillItem refuses: a negative size or one past the record.
    ReadBy(FindItem(kCellSizeId), planemap::FloatLengthRule(100));

    auto* area = new CBCGPropFloat(planetext::kArea, _variant_t(0.0), 2, planetext::kArea, FALSE, kAreaId);
    area->AllowEdit(FALSE);
    m_wndPropList.AddProperty(area, TRUE, TRUE);
    return 1;
}

void CPropListFill::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectFill* fill = Fill();
    if (!fill) return;
    SetItemText(FindItem(kTypeId), fill->GetTypeName());
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
        ReadFillItem(item, brush);
        fill->SetLogBrush(&brush);
    }
    UpdateView();
    return 0;
}

// Changes brush by the edited item. Every edit writes the brush back, changed or not; a cell size
// that is negative or past the record's range never comes here, the item refuses it.
void CPropListFill::ReadFillItem(CBCGPProp* item, QXLOGBRUSH& brush) {
    switch (item->GetData()) {
        case kStyleSetId:
            // Only the picker follows the chosen set; the brush keeps its style until one is picked.
            if (auto* picker = dynamic_cast<CPropStyleCombox*>(FindItem(kStyleId)))
                picker->SetStyleGroup(ItemText(item), true);
            break;
        case kCellSizeId:
            // Read as typed: a text that is no number gives 0 (the item refuses a negative size).
            planemap::ReadFloatLength(ItemText(item), 100, &brush.size);
            break;
        default:
            // The style, colours and background; any other item leaves the brush as it is.
            ReadFillSubItem(item, &brush);
            break;
    }
}
