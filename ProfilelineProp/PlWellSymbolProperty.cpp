#include "ProfilelineProp/PlWellSymbolProperty.h"

#include "ProfilelineProp/PlPageSupport.h"
#include "ProfilelineProp/ProfilelineTexts.h"
#include "framework/GroupEdits.h"
#include "framework/ItemGroupsFill.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "hosttypes/Lodestar/PlWell.h"

using namespace KelProfileline;
using namespace pltext;

namespace {

CBCGPProp* NewReadOnlyText(const char* name, DWORD_PTR id) {
    auto* item = new CBCGPProp(name, _variant_t(""), name, id);
    item->AllowEdit(FALSE);
    return item;
}

CBCGPProp* NewReadOnlyNumber(const char* name, DWORD_PTR id) {
    auto* item = new CBCGPropFloat(name, _variant_t(0.0), 2, "", FALSE, id);
    item->AllowEdit(FALSE);
    return item;
}

}  // namespace

CPlWellSymbolProperty::~CPlWellSymbolProperty() = default;

int CPlWellSymbolProperty::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(NewReadOnlyText(kType, kTypeId), TRUE, TRUE);
    m_wndPropList.AddProperty(NewReadOnlyText(kWellName, kWellId), TRUE, TRUE);
    auto* coordinates = new CBCGPProp(kCoordinates, kCoordinatesId, FALSE);
    coordinates->AddSubItem(NewReadOnlyNumber(kAbscissa, kXId));
    coordinates->AddSubItem(NewReadOnlyNumber(kOrdinate, kYId));
    coordinates->Expand(TRUE);
    m_wndPropList.AddProperty(coordinates, TRUE, TRUE);
    CBCGPProp* symbol = CreatePointFloatProp(kSymbol, kSymbolGroupId);
    m_wndPropList.AddProperty(symbol, TRUE, TRUE);
    return 0;
}

// The position is shown for exactly one active object; with several it is disabled as it was.
void CPlWellSymbolProperty::UpdateBCGPProperty(long object, CString) {
    if (!plpage::ShouldRefresh(*this, object, m_pSymbol)) return;
    const bool one = plpage::OneActive(plpage::ContainerOfWellPart(m_pSymbol));
    SetItemText(Item(kTypeId), m_pSymbol->GetTypeName());
    const CPlWell* well = m_pSymbol->GetParent();
    SetItemText(Item(kWellId), well ? well->GetName() : CString());
    const double position[] = {m_pSymbol->GetAnchorX(), m_pSymbol->GetAnchorY()};
    const DWORD_PTR ids[] = {kXId, kYId};
    for (int i = 0; i < 2; ++i)
        if (CBCGPProp* item = Item(ids[i])) {
            item->Enable(one);
            if (one) item->SetValue(_variant_t(position[i]));
        }
    SetPointFloatProp(Item(kSymbolGroupId), m_pSymbol->GetSymbolLogPoint());
}

void CPlWellSymbolProperty::ShowItemAgain(CBCGPProp* item) {
    CWndLst::ShowItemAgain(item);
    if (item && m_pSymbol) ShowStoredValueOf(item, {{kFirstPointId + 1, m_pSymbol->GetSymbolLogPoint().size / 100.0}});
}

// The shown symbol's point with the edited field, for every active well symbol.
LRESULT CPlWellSymbolProperty::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    if (!item || !m_pSymbol) return 0;
    CPlContainer* container = plpage::ContainerOfWellPart(m_pSymbol);
    const DWORD_PTR id = item->GetData();
    if (id >= kFirstPointId && id <= kLastPointId) {
        QXLOGPOINT point = m_pSymbol->GetSymbolLogPoint();
        // A size the reader refuses is written nowhere.
        if (!ReadEditedField(item, point)) {
            ShowItemAgain(item);
            return 0;
        }
        for (CWellSymbol* symbol : plpage::ActiveOf<CWellSymbol>(container)) symbol->SetSymbolLogPoint(point);
    }
    plpage::UpdateWnd(container);
    return 0;
}
