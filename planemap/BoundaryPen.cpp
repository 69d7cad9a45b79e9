#include "planemap/BoundaryPen.h"

#include "framework/GroupTexts.h"
#include "framework/ItemGroupsLine.h"
#include "hosttypes/Parsnip/QXObjectLine.h"
#include "planemap/GeoPenItems.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneTexts.h"
#include "planemap/RecordEdits.h"

using namespace planemap;

namespace boundarypen {

namespace {

// Positions in the group.
enum : int { kColorPosition = 0, kStylePosition = 1, kWidthPosition = 2 };

}  // namespace

CBCGPProp* NewPenGroup() {
    auto* group = new CBCGPProp(grouptext::kLineStyle, kGroupId);
    group->AddSubItem(NewGroupColorProp(grouptext::kColor, planetext::kColorDescription, kColorId, 0));
    CBCGPProp* style = geoitems::NewStylePicker(grouptext::kLineStyle, geotext::kLineStyleDescription, kStyleId);
    style->AllowEdit(FALSE);
    group->AddSubItem(style);
    // Read by EditPenItem: a width above 0.
    group->AddSubItem(NewSizeTextItem(grouptext::kLineWidth, geotext::kWidthDescription, kWidthId,
                                      HundredthsRule(Accept::AboveZero)));
    group->Expand(TRUE);
    return group;
}

void ShowPenGroup(CBCGPProp* group, CQXObjectLine* line) {
    if (!group) return;
    QXLOGPEN pen;
    line->GetLogPen(&pen);
    geoitems::ShowPen(group->GetSubItem(kStylePosition), group->GetSubItem(kColorPosition),
                      group->GetSubItem(kWidthPosition), pen, 2);
}

int PenField(CBCGPProp* item) { return static_cast<int>(item->GetData() - kStyleId); }

bool EditPenItem(QXLOGPEN& pen, CBCGPProp* item) {
    if (!item) return false;
    if (EditPen(pen, item, PenField(item), Accept::AboveZero)) return true;
    ShowStoredField(item, PenField(item), pen);
    return false;
}

}  // namespace boundarypen
