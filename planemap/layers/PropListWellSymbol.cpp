#include "planemap/layers/PropListWellSymbol.h"

#include "framework/ItemGroupsFill.h"
#include "framework/NumberText.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Parsnip/QXObjectPoint.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneTexts.h"
#include "planemap/RecordEdits.h"
#include "planemap/SameTypeEdits.h"
#include "planemap/layers/WellItems.h"
#include "planemap/layers/WellTexts.h"

CPropListWellSymbol::CPropListWellSymbol() = default;
CPropListWellSymbol::~CPropListWellSymbol() = default;

CQXObjectPoint* CPropListWellSymbol::Symbol() const { return dynamic_cast<CQXObjectPoint*>(m_pTarget); }

int CPropListWellSymbol::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(wellitems::NewReadOnly(welltext::kWellName, "", kWellNameId), TRUE, TRUE);
    m_wndPropList.AddProperty(wellitems::NewReadOnly(planetext::kType, "", kTypeId), TRUE, TRUE);

    CBCGPProp* coordinates = wellitems::NewGroup(welltext::kCoordinates, kCoordinateGroupId);
    coordinates->AddSubItem(wellitems::NewReadOnly(planetext::kX, planetext::kXDescription, kXId));
    coordinates->AddSubItem(wellitems::NewReadOnly(planetext::kY, planetext::kYDescription, kYId));
    coordinates->Expand(TRUE);
    m_wndPropList.AddProperty(coordinates, TRUE, TRUE);

    // The size item refuses what the group read refuses.
    CBCGPProp* symbol = CreatePointProp(welltext::kSymbol, kSymbolGroupId);
    if (auto* picker = dynamic_cast<CPropStyleCombox*>(symbol->GetSubItem(0))) {
        picker->SetStyleGroup(welltext::kCommonPoints, true);
        picker->AddStyleGroup(welltext::kWellSymbols, true);
    }
    symbol->Expand(TRUE);
    m_wndPropList.AddProperty(symbol, TRUE, TRUE);
    return 0;
}

void CPropListWellSymbol::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectPoint* symbol = Symbol();
    if (!symbol || !m_pLayer) return;
    const bool single = m_pLayer->GetSelectedObjectCount() == 1;
    SetItemText(FindItem(kWellNameId), single ? symbol->GetName() : CString());
    SetItemText(FindItem(kTypeId), symbol->GetTypeName());
    RefreshCoordinates(symbol, single);
    QXLOGPOINT style;
    symbol->GetLogPoint(&style);
    SetPointProp(FindItem(kSymbolGroupId), style);
}

void CPropListWellSymbol::RefreshCoordinates(CQXObjectPoint* symbol, bool single) {
    QXPOINT at;
    at.x = 0;
    at.y = 0;
    symbol->GetAnchor(&at);
    const double values[] = {at.x, at.y};
    const DWORD_PTR ids[] = {kXId, kYId};
    for (int i = 0; i < 2; ++i) {
        CBCGPProp* item = FindItem(ids[i]);
        SetItemText(item, single ? numtext::Fixed(values[i], 2) : CString());
        if (item) item->Enable(single ? TRUE : FALSE);
    }
}

// A sub-item of the symbol group changes only its own field of the shown symbol's point style,
// which then goes whole to every selected symbol of its type. The size item refuses what the group
// reader refuses, so no refused size comes here.
LRESULT CPropListWellSymbol::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectPoint* symbol = Symbol();
    if (item && symbol) {
        switch (item->GetData()) {
            case kStyleId:
            case kSizeId:
            case kBorderColorId:
            case kInnerColorId: {
                QXLOGPOINT style;
                symbol->GetLogPoint(&style);
                if (ReadEditedField(item, style))
                    SetSameTypeObjects(symbol->GetLayer(), &CQXObjectPoint::SetLogPoint, &style,
                                       symbol->GetTypeName());
                break;
            }
            default:
                break;
        }
    }
    UpdateView();
    return 0;
}

// A refused size shows the stored size as the refresh shows it.
void CPropListWellSymbol::ShowItemAgain(CBCGPProp* item) {
    CQXObjectPoint* symbol = Symbol();
    if (item && symbol && item->GetData() == kSizeId) {
        QXLOGPOINT style;
        symbol->GetLogPoint(&style);
        planemap::ShowStoredHundredths(item, style.size);
    }
    CWndLstPlane::ShowItemAgain(item);
}
