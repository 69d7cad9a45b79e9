#include "planemap/layers/WellPenGroups.h"

#include "framework/PropItems.h"
#include "framework/StyleGroupTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/layers/WellItems.h"
#include "planemap/layers/WellTexts.h"

using kel::plane::CWellLayer;

namespace wellpens {

CBCGPProp* NewPenGroup(const PenGroup& g) {
    CBCGPProp* group = wellitems::NewGroup(g.label, g.group);
    group->AddSubItem(wellitems::NewSwitch(g.show));
    group->AddSubItem(wellitems::NewLinePicker(grouptext::kLineStyle, grouptext::kLineStylePlainDescription, g.style));
    group->AddSubItem(wellitems::NewHundredthsItem(welltext::kWidth, welltext::kWidthDescription, g.width, false));
    group->AddSubItem(wellitems::NewColor(grouptext::kColor, welltext::kColorDescription, g.color));
    return group;
}

void ShowPenGroup(CBCGPPropList& grid, const PenGroup& g, CWellLayer& layer) {
    for (DWORD_PTR id : {g.show, g.style, g.width, g.color})
        if (CBCGPProp* item = grid.FindItemByData(id, TRUE)) ShowStoredPenItem(g, layer, item);
    wellitems::EnableAfterSwitch(grid.FindItemByData(g.group, TRUE), (layer.*g.visible)());
}

void ShowStoredPenItem(const PenGroup& g, CWellLayer& layer, CBCGPProp* item) {
    if (item->GetData() == g.show) {
        wellitems::ShowSwitch(item, (layer.*g.visible)());
        return;
    }
    QXLOGPEN pen;
    (layer.*g.pen)(&pen);
    wellitems::ShowPenField(item, pen, g.style, g.width, g.color);
}

// The switch is first in the group, the pen's style, width and colour after it.
bool EditPenGroup(CBCGPPropList& grid, const PenGroup& g, CWellLayer& layer, CBCGPProp* item) {
    const DWORD_PTR id = item->GetData();
    if (id == g.show) {
        const int on = ReadYesNo(item) ? 1 : 0;
        (layer.*g.setVisible)(on);
        wellitems::EnableAfterSwitch(grid.FindItemByData(g.group, TRUE), on);
        return true;
    }
    if (id != g.style && id != g.width && id != g.color) return true;
    QXLOGPEN pen;
    (layer.*g.pen)(&pen);
    if (!ReadEditedField(item, pen, 1)) return false;
    if (id == g.style)
        (layer.*g.setStyle)(pen.style);
    else if (id == g.width)
        (layer.*g.setWidth)(pen.width);
    else
        (layer.*g.setColor)(pen.color);
    return true;
}

}  // namespace wellpens
