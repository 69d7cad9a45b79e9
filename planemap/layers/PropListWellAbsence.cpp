#include "planemap/layers/PropListWellAbsence.h"

#include "framework/PenFontEdits.h"
#include "framework/PropItems.h"
#include "hosttypes/Parsnip/QXObjectPoint.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"
#include "planemap/SameTypeEdits.h"
#include "planemap/layers/WellItems.h"
#include "planemap/layers/WellTexts.h"

CPropListWellAbsence::CPropListWellAbsence() = default;
CPropListWellAbsence::~CPropListWellAbsence() = default;

CQXObjectPoint* CPropListWellAbsence::Mark() const { return dynamic_cast<CQXObjectPoint*>(m_pTarget); }

int CPropListWellAbsence::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(wellitems::NewReadOnly(planetext::kType, "", kTypeId), TRUE, TRUE);
    m_wndPropList.AddProperty(
        wellitems::NewReadOnly(welltext::kChooseAbsenceType, welltext::kChooseAbsenceTypeDescription, kAbsenceTypeId),
        TRUE, TRUE);
    m_wndPropList.AddProperty(
        wellitems::NewReadOnly(welltext::kAbsenceWell, welltext::kAbsenceWellDescription, kWellId), TRUE, TRUE);

    CBCGPProp* symbol = wellitems::NewGroup(welltext::kSymbol, kSymbolGroupId);
    wellitems::AddPointItems(symbol,
                             wellitems::NewPointPicker(grouptext::kPointStyle, grouptext::kPointStyleDescription,
                                                       kStyleId, welltext::kCommonPointStyles, welltext::kCommonPoints,
                                                       welltext::kSpecialMarks, false),
                             kSizeId, penfont::HundredthsRule(penfont::Accept::AboveZero), kBorderColorId,
                             kInnerColorId);
    symbol->Expand(TRUE);
    m_wndPropList.AddProperty(symbol, TRUE, TRUE);
    return 0;
}

void CPropListWellAbsence::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectPoint* mark = Mark();
    if (!mark || !m_pLayer) return;
    SetItemText(FindItem(kTypeId), mark->GetTypeName());
    CString absenceType;
    if (m_pLayer->GetSelectedObjectCount() == 1)
        mark->GetPropertyManager()->GetStringProperty(welltext::kAbsenceTypeKey, absenceType);
    SetItemText(FindItem(kAbsenceTypeId), absenceType);
    SetItemText(FindItem(kWellId), mark->GetName());
    for (DWORD_PTR id : {kStyleId, kSizeId, kBorderColorId, kInnerColorId})
        if (CBCGPProp* item = FindItem(id)) ShowStored(mark, item);
}

// The mark's point style as the refresh shows it.
void CPropListWellAbsence::ShowStored(CQXObjectPoint* mark, CBCGPProp* item) {
    QXLOGPOINT style;
    mark->GetLogPoint(&style);
    wellitems::ShowPointField(item, style, kStyleId, kSizeId, kBorderColorId, kInnerColorId);
}

void CPropListWellAbsence::ShowItemAgain(CBCGPProp* item) {
    if (CQXObjectPoint* mark = Mark(); mark && item) ShowStored(mark, item);
    CWndLstPlane::ShowItemAgain(item);
}

// Only the edited field of the mark's point style changes; a size must be above 0 (the size item
// refuses any other, so no refused size comes here).
LRESULT CPropListWellAbsence::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectPoint* mark = Mark();
    if (item && mark) {
        QXLOGPOINT style;
        mark->GetLogPoint(&style);
        bool changed = false;
        switch (item->GetData()) {
            case kStyleId:
            case kSizeId:
            case kBorderColorId:
            case kInnerColorId:
                changed = ReadEditedField(item, style);
                break;
            default:
                break;
        }
        if (changed) mark->SetLogPoint(&style);
        SetSameTypeObjects(mark->GetLayer(), &CQXObjectPoint::SetLogPoint, &style, mark->GetTypeName());
    }
    UpdateView();
    return 0;
}
