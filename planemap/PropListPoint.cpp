#include "planemap/PropListPoint.h"

#include "framework/GroupEdits.h"
#include "framework/ItemGroupsFill.h"
#include "framework/NumberText.h"
#include "hosttypes/Parsnip/QXObjectPoint.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"
#include "planemap/SameTypeEdits.h"
#include "planemap/TextListCommon.h"

namespace {

// One object's number, "" while several objects are selected.
CString SingleValueText(double value, bool single) { return single ? numtext::Fixed(value, 2) : CString(); }

}  // namespace

CPropListPoint::CPropListPoint() = default;
CPropListPoint::~CPropListPoint() = default;

CQXObjectPoint* CPropListPoint::Point() const { return dynamic_cast<CQXObjectPoint*>(m_pTarget); }

int CPropListPoint::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* type = new CBCGPProp(planetext::kType, _variant_t(planetext::kPoint), "", kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);

    m_wndPropList.AddProperty(textlist::NewPositionGroup(kPositionGroupId, kXId, kYId), TRUE, TRUE);

    // The size is read by the width rule: above 0, or 0 typed as a number.
    CBCGPProp* style = CreatePointProp(planetext::kPointGroup, kStyleGroupId, planemap::WidthRule());
    style->Expand(TRUE);
    m_wndPropList.AddProperty(style, TRUE, TRUE);
    return 0;
}

void CPropListPoint::UpdateBCGPProperty(long object, CString) {
    if (!BeginMultiRefresh(object)) return;
    CQXObjectPoint* point = Point();
    if (!point) return;
    const bool single = GetSelectionCount() == 1;
    SetItemText(FindItem(kTypeId), point->GetTypeName());
    RefreshPosition(point, single);
    RefreshStyle(point, single);
}

void CPropListPoint::RefreshPosition(CQXObjectPoint* point, bool single) {
    CBCGPProp* group = FindItem(kPositionGroupId);
    if (!group) return;
    for (int i = 0; i < 2; ++i) {
        CBCGPProp* item = group->GetSubItem(i);
        ShowStoredCoordinate(point, item);
        if (item) item->Enable(single ? TRUE : FALSE);
    }
}

// A coordinate of the shown point as the refresh shows it: "%.2f" while it is the only one
// selected, empty otherwise.
void CPropListPoint::ShowStoredCoordinate(CQXObjectPoint* point, CBCGPProp* item) {
    if (!item) return;
    QXPOINT p;
    point->GetAnchor(&p);
    SetItemText(item, SingleValueText(item->GetData() == kXId ? p.x : p.y, GetSelectionCount() == 1));
}

// The style is written to every selected point of the type name: its items stay enabled for
// several points, with the size shown only for one.
void CPropListPoint::RefreshStyle(CQXObjectPoint* point, bool single) {
    CBCGPProp* group = FindItem(kStyleGroupId);
    if (!group) return;
    QXLOGPOINT style;
    point->GetLogPoint(&style);
    SetPointProp(group, style);
    ShowStoredSize(point, group->GetSubItem(1), single);
}

// The shown point's size, "%.2f"; the refresh leaves it empty while several points are selected.
void CPropListPoint::ShowStoredSize(CQXObjectPoint* point, CBCGPProp* item, bool single) {
    QXLOGPOINT style;
    point->GetLogPoint(&style);
    SetItemText(item, SingleValueText(style.size / 100.0, single));
}

LRESULT CPropListPoint::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectPoint* point = Point();
    if (!item || !point) {
        UpdateView();
        return 0;
    }
    QXLOGPOINT style;
    point->GetLogPoint(&style);

    switch (item->GetData()) {
        case kXId:
        case kYId:
            // The shown point only.
            textlist::MoveAnchorCoordinate(point, VariantToText(item->GetValue()), item->GetData() == kXId);
            break;
        case kStyleId:
        case kBorderColorId:
        case kInnerColorId:
            // The picked field only: the size keeps its stored value, never its rounded text.
            if (ReadEditedField(item, style)) WriteStyle(point, style);
            break;
        case kSizeId:
            ApplySize(point, item);
            break;
        default:
            break;
    }
    UpdateSameTypeObjects(point->GetLayer(), point->GetTypeName());
    UpdateView();
    return 0;
}

// The size item reads by the width rule, so a size it refuses never comes here.
void CPropListPoint::ApplySize(CQXObjectPoint* point, CBCGPProp* item) {
    QXLOGPOINT style;
    point->GetLogPoint(&style);
    if (planemap::ReadWidth(ItemText(item), &style.size)) WriteStyle(point, style);
}

// A refused size shows the shown point's size again, "%.2f", also while several points are
// selected; any other refused item keeps its text from before the edit.
void CPropListPoint::ShowItemAgain(CBCGPProp* item) {
    CQXObjectPoint* point = Point();
    if (!item || !point || item->GetData() != kSizeId) {
        CWndLstPlane::ShowItemAgain(item);
        return;
    }
    ShowStoredSize(point, item, true);
}

void CPropListPoint::WriteStyle(CQXObjectPoint* point, QXLOGPOINT& style) {
    SetSameTypeObjects(point->GetLayer(), &CQXObjectPoint::SetLogPoint, &style, point->GetTypeName());
}
