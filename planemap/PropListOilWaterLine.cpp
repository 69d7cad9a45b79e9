#include "planemap/PropListOilWaterLine.h"

#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Kestrel/GraphStyleManager.h"
#include "hosttypes/Parsnip/QXObjectLine.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneNumbers.h"
#include "planemap/PlaneTexts.h"
#include "planemap/PropListCtrlLine.h"

using namespace planemap;

namespace {

enum : DWORD_PTR {
    kTypeId = 2000,
    kDistributionTypeId = 2001,
    kPenGroupId = boundarypen::kGroupId,
    kFillGroupId = kPlaneFillGroupId,
};

// Positions in the pen group.
enum : int { kColorPosition = 0, kStylePosition = 1, kWidthPosition = 2 };

// A pen item's field as EditPen numbers it: 0 style, 1 width, 2 colour.
int PenField(CBCGPProp* item) { return static_cast<int>(item->GetData() - boundarypen::kStyleId); }

}  // namespace

CPropListOWLine::CPropListOWLine() = default;
CPropListOWLine::~CPropListOWLine() = default;

CQXObjectLine* CPropListOWLine::Line() const { return dynamic_cast<CQXObjectLine*>(m_pTarget); }

int CPropListOWLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    m_wndPropList.AddProperty(NewOptionItem(planetext::kType, "", "", kTypeId, {}, false), TRUE, TRUE);
    // Shows the distribution type; it offers nothing to pick, so it cannot be changed here.
    m_wndPropList.AddProperty(NewOptionItem(geotext::kOilWaterType, "", "", kDistributionTypeId, {}, false), TRUE,
                              TRUE);
    m_wndPropList.AddProperty(boundarypen::NewPenGroup(), TRUE, TRUE);
    CBCGPProp* fill = CreateFillProp(geotext::kFillGroup, kFillGroupId);
    m_wndPropList.AddProperty(fill, TRUE, TRUE);
    fill->Expand(TRUE);
    return 0;
}

void CPropListOWLine::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectLine* line = Line();
    if (!line) return;
    SetItemText(FindItem(kTypeId), line->GetTypeName());
    SetItemText(FindItem(kDistributionTypeId), line->GetName());
    boundarypen::ShowPenGroup(FindItem(kPenGroupId), line);
    QXLOGBRUSH brush;
    line->GetLogBrush(&brush);
    if (CBCGPProp* fill = FindItem(kFillGroupId)) SetFillProp(fill, planetext::kAllStyles, brush);
}

LRESULT CPropListOWLine::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectLine* line = Line();
    if (item && line) {
        const DWORD_PTR id = item->GetData();
        switch (id) {
            case boundarypen::kStyleId:
            case boundarypen::kWidthId:
            case boundarypen::kColorId:
                // Each boundary of the type name keeps its own pen apart from the edited field.
                EditOwnPens(line->GetLayer(), line->GetTypeName(), item, PenField(item), Accept::AboveZero);
                break;
            default:
                if (id > kFillGroupId) {
                    QXLOGBRUSH brush;
                    line->GetLogBrush(&brush);
                    ApplyFillSubItem(item, line->GetLayer(), &brush, line->GetTypeName());
                }
                break;
        }
    }
    UpdateView();
    return 0;
}

// ---- the pen group shared with the region and sand-body boundaries ----------------------------------

namespace boundarypen {

CBCGPProp* NewPenGroup() {
    auto* group = new CBCGPProp(grouptext::kLineStyle, kGroupId);
    group->AddSubItem(NewGroupColorProp(grouptext::kColor, geotext::kColorDescription, kColorId, 0));
    auto* style = new CPropStyleCombox(grouptext::kLineStyle, 0, CPropStyleCombox::kLineStyle, kestrel::kLineSetCommon,
                                       geotext::kLineStyleDescription, kStyleId);
    style->AllowEdit(FALSE);
    group->AddSubItem(style);
    group->AddSubItem(NewTextItem(grouptext::kLineWidth, geotext::kWidthDescription, kWidthId));
    group->Expand(TRUE);
    return group;
}

void ShowPenGroup(CBCGPProp* group, CQXObjectLine* line) {
    if (!group) return;
    QXLOGPEN pen;
    line->GetLogPen(&pen);
    geoitems::ShowPen(group->GetSubItem(kStylePosition), group->GetSubItem(kColorPosition),
                      group->GetSubItem(kWidthPosition), pen, "%.2f");
}

bool EditPenItem(QXLOGPEN& pen, CBCGPProp* item) {
    return item && EditPen(pen, item, PenField(item), Accept::AboveZero);
}

}  // namespace boundarypen
