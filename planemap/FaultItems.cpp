#include "planemap/FaultItems.h"

#include "framework/ItemGroupsBasic.h"
#include "planemap/GeoPenItems.h"
#include "planemap/PlaneItems.h"

using namespace planemap;

namespace faultitems {

CBCGPProp* NewWidthItem(const char* name, DWORD_PTR id) {
    return geoitems::NewWidthItem(name, 0.1, 0.1, 30, "%.1f", id);
}

void ShowFill(CBCGPProp* fill, CBCGPProp* colour, const QXLOGBRUSH& brush) {
    const bool fillOn = brush.style != kBrushStyleNone;
    if (fill) SetYesNoProp(fill, fillOn);
    ShowColor(colour, brush.fillColor);
    if (colour) colour->Enable(fillOn);
}

bool EditFill(QXLOGBRUSH& brush, CBCGPProp* item, DWORD_PTR fillId, DWORD_PTR colourId) {
    const DWORD_PTR id = item->GetData();
    if (id == fillId) {
        bool fills = false;
        if (!ReadYesNo(item, &fills)) return false;
        brush.style = fills ? kBrushStyleSolid : kBrushStyleNone;
        return true;
    }
    return id == colourId && ReadColor(item, &brush.fillColor);
}

}  // namespace faultitems
