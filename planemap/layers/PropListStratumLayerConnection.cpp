#include "planemap/layers/PropListStratumLayerConnection.h"

#include "framework/FixedList.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/PropItems.h"
#include "planemap/PlaneItems.h"
#include "planemap/layers/WellItems.h"
#include "planemap/layers/WellTexts.h"

using kel::plane::CStratumLayer;

namespace {

// The river-facies and other-facies pens: one body over a table of their ids and accessors.
struct PenGroup {
    DWORD_PTR group, style, width, color;
    const char* label;
    void (CStratumLayer::*pen)(QXLOGPEN*) const;
    void (CStratumLayer::*setStyle)(UINT);
    void (CStratumLayer::*setWidth)(double);
    void (CStratumLayer::*setColor)(COLORREF);
};

using Page = CPropListStratumLayerConnection;
const PenGroup kPens[] = {
    {Page::kRiverGroupId, Page::kRiverStyleId, Page::kRiverWidthId, Page::kRiverColorId, welltext::kRiverFacies,
     &CStratumLayer::GetRiverPen, &CStratumLayer::SetRiverLineStyle, &CStratumLayer::SetRiverLineSize,
     &CStratumLayer::SetRiverLineColor},
    {Page::kOtherGroupId, Page::kOtherStyleId, Page::kOtherWidthId, Page::kOtherColorId, welltext::kOtherFacies,
     &CStratumLayer::GetOtherPen, &CStratumLayer::SetOtherLineStyle, &CStratumLayer::SetOtherLineSize,
     &CStratumLayer::SetOtherLineColor},
};

constexpr int kWidthOptions = 30;  // 0.1 to 3.0 mm

}  // namespace

int CPropListStratumLayerConnection::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(NewYesNoList(grouptext::kShow, "", nullptr, kShowId), TRUE, TRUE);
    for (const PenGroup& p : kPens) {
        CBCGPProp* group = wellitems::NewGroup(p.label, p.group);
        group->AddSubItem(wellitems::NewLinePicker(grouptext::kLineStyle, welltext::kBorderStyleDescription, p.style));
        CBCGPProp* width =
            wellitems::NewHundredthsItem(welltext::kPenWidth, grouptext::kLineWidthMmDescription, p.width, false);
        for (int i = 1; i <= kWidthOptions; ++i) width->AddOption(FormatString("%.1f", i / 10.0));
        group->AddSubItem(width);
        group->AddSubItem(wellitems::NewColor(grouptext::kColor, welltext::kBorderColorDescription, p.color));
        group->Expand(TRUE);
        m_wndPropList.AddProperty(group, TRUE, TRUE);
    }
    return 0;
}

void CPropListStratumLayerConnection::EnableAfterShow(BOOL enable) {
    for (int i = 1; i < m_wndPropList.GetPropertyCount(); ++i)
        EnablePropRecursive(m_wndPropList.GetProperty(i), enable);
}

void CPropListStratumLayerConnection::RefreshLayer(CStratumLayer& layer) {
    const bool created = wellitems::IsCreated(layer.GetLayer(), welltext::kConnectionCreated);
    if (created) EnableAfterShow(TRUE);
    const int visible = layer.GetConnectionVisible();
    SetYesNoProp(FindItem(kShowId), visible != 0);
    EnableAfterShow(visible ? TRUE : FALSE);
    for (const PenGroup& p : kPens)
        for (DWORD_PTR id : {p.style, p.width, p.color})
            if (CBCGPProp* item = FindItem(id)) ShowStoredItem(layer, item);
    if (!created) EnableAfterShow(FALSE);
}

bool CPropListStratumLayerConnection::OnLayerItemChanged(CStratumLayer& layer, CBCGPProp* item) {
    const DWORD_PTR id = item->GetData();
    if (id == kShowId) {
        const int visible = ReadYesNo(item) ? 1 : 0;
        layer.SetConnectionVisible(visible);
        EnableAfterShow(visible ? TRUE : FALSE);
        return true;
    }
    // Only the edited field of the pen is read and written.
    for (const PenGroup& p : kPens) {
        if (id != p.style && id != p.width && id != p.color) continue;
        QXLOGPEN pen;
        (layer.*p.pen)(&pen);
        if (!ReadEditedField(item, pen)) return false;
        if (id == p.style)
            (layer.*p.setStyle)(pen.style);
        else if (id == p.width)
            (layer.*p.setWidth)(pen.width);
        else
            (layer.*p.setColor)(pen.color);
    }
    return true;
}

// The pens as the refresh shows them.
void CPropListStratumLayerConnection::ShowStoredItem(CStratumLayer& layer, CBCGPProp* item) {
    for (const PenGroup& p : kPens) {
        QXLOGPEN pen;
        (layer.*p.pen)(&pen);
        wellitems::ShowPenField(item, pen, p.style, p.width, p.color);
    }
}
