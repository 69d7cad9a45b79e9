#include "planemap/PropListCtrlLine.h"

#include "framework/GroupTexts.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Parsnip/QXObjectLine.h"
#include "planemap/GeoPenItems.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneTexts.h"
#include "planemap/SameTypeEdits.h"

using namespace planemap;

CPropListCtrlLine::CPropListCtrlLine() = default;
CPropListCtrlLine::~CPropListCtrlLine() = default;

CQXObjectLine* CPropListCtrlLine::Line() const { return dynamic_cast<CQXObjectLine*>(m_pTarget); }

int CPropListCtrlLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    m_wndPropList.AddProperty(NewOptionItem(planetext::kType, geotext::kCtrlLine, "", kTypeId, {}, false), TRUE, TRUE);
    m_wndPropList.AddProperty(NewTextItem(geotext::kValue, "", kValueId), TRUE, TRUE);
    m_wndPropList.AddProperty(new CPropStyleCombox(grouptext::kLineStyle, 0, CPropStyleCombox::kLineStyle, nullptr,
                                                   geotext::kBoundaryStyleDescription, kPenStyleId),
                              TRUE, TRUE);
    m_wndPropList.AddProperty(NewGroupColorProp(grouptext::kColor, geotext::kBoundaryColorDescription, kPenColorId, 0),
                              TRUE, TRUE);
    m_wndPropList.AddProperty(geoitems::NewWidthItem(grouptext::kLineWidth, 0, 0.5, 60, "%.1f", kPenWidthId), TRUE,
                              TRUE);
    return 0;
}

void CPropListCtrlLine::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectLine* line = Line();
    if (!line) return;
    SetItemText(FindItem(kTypeId), line->GetTypeName());
    if (CBCGPProp* value = FindItem(kValueId)) {
        const bool several = GetSelectionCount() > 1;
        value->SetValue(_variant_t(several ? CString() : line->GetName()));
        value->Enable(several ? FALSE : TRUE);
    }
    QXLOGPEN pen;
    line->GetLogPen(&pen);
    geoitems::ShowPen(FindItem(kPenStyleId), FindItem(kPenColorId), FindItem(kPenWidthId), pen, 2);
}

LRESULT CPropListCtrlLine::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectLine* line = Line();
    if (item && line) {
        const DWORD_PTR id = item->GetData();
        switch (id) {
            case kValueId:
                line->SetName(ItemText(item));
                break;
            case kPenStyleId:
            case kPenWidthId:
            case kPenColorId:
                // A refused width writes nothing and tells nobody.
                if (!geoitems::ApplyPenItem(line, item, static_cast<int>(id - kPenStyleId))) return 0;
                break;
            default:
                break;
        }
        UpdateSameTypeObjects(line->GetLayer(), line->GetTypeName());
    }
    UpdateView();
    return 0;
}
