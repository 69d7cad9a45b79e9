#include "planemap/PropListBound.h"

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

namespace {

// Positions in the pen group.
enum : int { kColorPosition = 0, kStylePosition = 1, kWidthPosition = 2 };

}  // namespace

CPropListBound::CPropListBound() = default;
CPropListBound::~CPropListBound() = default;

CQXObjectLine* CPropListBound::Line() const { return dynamic_cast<CQXObjectLine*>(m_pTarget); }

int CPropListBound::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    // The kind is fixed: the refresh leaves it alone.
    m_wndPropList.AddProperty(NewOptionItem(planetext::kType, geotext::kBoundLine, "", kTypeId, {}, false), TRUE, TRUE);

    auto* pen = new CBCGPProp(grouptext::kLineStyle, kPenGroupId);
    pen->AddSubItem(NewGroupColorProp(grouptext::kColor, geotext::kBoundaryColorDescription, kPenColorId, 0));
    pen->AddSubItem(new CPropStyleCombox(grouptext::kLineStyle, 0, CPropStyleCombox::kLineStyle, nullptr,
                                         geotext::kBoundaryStyleDescription, kPenStyleId));
    pen->AddSubItem(geoitems::NewWidthItem(grouptext::kLineWidth, 0, 0.5, 60, "%.2f", kPenWidthId));
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
    geoitems::ShowPen(group->GetSubItem(kStylePosition), group->GetSubItem(kColorPosition),
                      group->GetSubItem(kWidthPosition), pen, 2);
}

LRESULT CPropListBound::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectLine* line = Line();
    if (item && line) {
        const DWORD_PTR id = item->GetData();
        switch (id) {
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
