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
    const int visible = (layer.*g.visible)();
    wellitems::ShowSwitch(grid.FindItemByData(g.show, TRUE), visible);
    wellitems::EnableAfterSwitch(grid.FindItemByData(g.group, TRUE), visible);
    QXLOGPEN pen;
    (layer.*g.pen)(&pen);
    wellitems::ShowStyle(grid.FindItemByData(g.style, TRUE), pen.style);
    SetItemText(grid.FindItemByData(g.width, TRUE), wellitems::Hundredths((layer.*g.getWidth)()));
    ShowColor(grid.FindItemByData(g.color, TRUE), (layer.*g.getColor)());
}

void ShowPenWidth(const PenGroup& g, CWellLayer& layer, CBCGPProp* item) {
    if (item->GetData() == g.width) SetItemText(item, wellitems::Hundredths((layer.*g.getWidth)()));
}

bool EditPenGroup(CBCGPPropList& grid, const PenGroup& g, CWellLayer& layer, CBCGPProp* item) {
    const DWORD_PTR id = item->GetData();
    double width = 0;
    UINT style = 0;
    COLORREF color = 0;
    if (id == g.show) {
        (layer.*g.setVisible)(wellitems::SwitchValue(item));
        wellitems::EnableAfterSwitch(grid.FindItemByData(g.group, TRUE), wellitems::SwitchValue(item));
    } else if (id == g.style && ReadStyle(item, &style)) {
        (layer.*g.setStyle)(style);
    } else if (id == g.width) {
        if (!wellitems::ReadHundredths(item, false, &width)) return false;
        (layer.*g.setWidth)(width);
    } else if (id == g.color && ReadColor(item, &color)) {
        (layer.*g.setColor)(color);
    }
    return true;
}

}  // namespace wellpens
