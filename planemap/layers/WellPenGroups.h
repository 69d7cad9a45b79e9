// A well layer's line shown as a group led by its "显示" switch, then its line style, width and
// colour: the trajectory segments of the symbol page and the well-row lines of the base-line page.
// Each page keeps a table of its groups' ids and layer accessors; building, showing and editing a
// group are written once here.
#pragma once

#include "bcg/Prop.h"
#include "bcg/PropList.h"
#include "hosttypes/Moraine/WellLayer.h"

namespace wellpens {

struct PenGroup {
    DWORD_PTR group, show, style, width, color;
    const char* label;
    int (kel::plane::CWellLayer::*visible)() const;
    void (kel::plane::CWellLayer::*setVisible)(int);
    void (kel::plane::CWellLayer::*pen)(QXLOGPEN*) const;
    void (kel::plane::CWellLayer::*setStyle)(UINT);
    void (kel::plane::CWellLayer::*setWidth)(double);
    void (kel::plane::CWellLayer::*setColor)(COLORREF);
};

// The group with its switch, line-style picker, width and colour (not yet expanded).
CBCGPProp* NewPenGroup(const PenGroup& g);
// The switch, then the pen; the items after the switch follow it.
void ShowPenGroup(CBCGPPropList& grid, const PenGroup& g, kel::plane::CWellLayer& layer);
// Writes the edited item when it is one of the group's: only its own field, read by the group
// edit. False, nothing written, for a text the switch's reader or the width item's rule refuses.
bool EditPenGroup(CBCGPPropList& grid, const PenGroup& g, kel::plane::CWellLayer& layer, CBCGPProp* item);
// The stored value of the item, when it is one of the group's, as ShowPenGroup shows it.
void ShowStoredPenItem(const PenGroup& g, kel::plane::CWellLayer& layer, CBCGPProp* item);

}  // namespace wellpens
