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

namespace {

// The symbol group read back whole, where the edited sub-item decides: only its refusal stops the
// edit. A size that was not edited and that the group reader refuses (a stored negative size) keeps
// the stored one, and the colours are still read (the reader stops before them).
bool ReadSymbolGroup(CBCGPProp* group, const CBCGPProp* edited, QXLOGPOINT* point) {
    QXLOGPOINT read = *point;
    if (!GetPointProp(group, read)) {
        if (!group || edited == group->GetSubItem(1)) return false;
        ReadColor(group->GetSubItem(2), &read.borderColor);
        ReadColor(group->GetSubItem(3), &read.innerColor);
    }
    *point = read;
    return true;
}

}  // namespace

// Any sub-item of the symbol group reads the whole group back, and the shown symbol's whole point
// style goes to every selected symbol of its type. A size the read refuses (a change reported from
// code with a text the item did not judge) writes nothing and redraws nothing: the item shows the
// stored size again.
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
                if (!ReadSymbolGroup(item->GetParent(), item, &style)) {
                    planemap::ShowStoredHundredths(item, style.size);
                    return 0;
                }
                SetSameTypeObjects(symbol->GetLayer(), &CQXObjectPoint::SetLogPoint, &style, symbol->GetTypeName());
                break;
            }
            default:
                break;
        }
    }
    UpdateView();
    return 0;
}
