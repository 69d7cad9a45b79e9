#include "planemap/PropListBound.h"

#include "bcg/ColorProp.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Parsnip/QXObjectLine.h"
#include "planemap/FaciesControlTexts.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneTexts.h"
#include "planemap/PropListCtrlLine.h"

namespace {

enum : DWORD_PTR {
    kTypeId = 2000,
    kPenGroupId = 2001,
    kPenStyleId = 2002,
    kPenWidthId = 2003,
    kPenColorId = 2004,
};

}  // namespace

CPropListBound::CPropListBound() = default;
CPropListBound::~CPropListBound() = default;

CQXObjectLine* CPropListBound::Line() const { return dynamic_cast<CQXObjectLine*>(m_pTarget); }

int CPropListBound::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    // The kind is fixed: the refresh leaves it alone.
    auto* type = new CBCGPProp(planetext::kType, _variant_t(fctext::kBoundLine), "", kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);

    auto* pen = new CBCGPProp(grouptext::kLineStyle, kPenGroupId);
    pen->AddSubItem(NewGroupColorProp(grouptext::kColor, geotext::kBoundaryColorDescription, kPenColorId, 0));
    pen->AddSubItem(new CPropStyleCombox(grouptext::kLineStyle, 0, CPropStyleCombox::kLineStyle, nullptr,
                                         geotext::kBoundaryStyleDescription, kPenStyleId));
    pen->AddSubItem(penitems::NewHalfStepWidthItem("%.2f", kPenWidthId));
    m_wndPropList.AddProperty(pen, TRUE, TRUE);
    pen->Expand(TRUE);
    return 0;
}

void CPropListBound::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectLine* line = Line();
    CBCGPProp* group = FindItem(kPenGroupId);
    if (!line || !group) return;
    QXLOGPEN pen;
    line->GetLogPen(&pen);
    penitems::ShowPen(group->GetSubItem(1), group->GetSubItem(0), group->GetSubItem(2), pen);
}

LRESULT CPropListBound::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectLine* line = Line();
    if (!item || !line) {
        UpdateView();
        return 0;
    }
    CQXLayer* layer = line->GetLayer();
    const CString typeName = line->GetTypeName();
    QXLOGPEN pen;
    line->GetLogPen(&pen);

    switch (item->GetData()) {
        case kPenStyleId:
            if (auto* picker = dynamic_cast<CPropStyleCombox*>(item)) {
                pen.style = picker->GetVal();
                SetSameTypeObjects(layer, &CQXObjectLine::SetLogPen, &pen, typeName);
            }
            break;
        case kPenWidthId:
            if (penitems::ReadPenWidth(VariantToText(item->GetValue()), &pen.width))
                SetSameTypeObjects(layer, &CQXObjectLine::SetLogPen, &pen, typeName);
            break;
        case kPenColorId:
            if (auto* colour = dynamic_cast<CBCGPColorProp*>(item)) {
                pen.color = colour->GetColor();
                SetSameTypeObjects(layer, &CQXObjectLine::SetLogPen, &pen, typeName);
            }
            break;
        default:
            break;
    }
    UpdateSameTypeObjects(layer, typeName);
    UpdateView();
    return 0;
}
