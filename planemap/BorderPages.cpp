#include "planemap/BorderPages.h"

void ShowGridGroups(CBCGPPropList& grid, CBCGPProp* graticule, bool showGraticule, CBCGPProp* kilometer,
                    bool showKilometer) {
    for (CBCGPProp* group : {graticule, kilometer})
        if (group && grid.FindProperty(group) >= 0) grid.DetachProperty(group);
    if (showGraticule && graticule) grid.AttachProperty(graticule);
    if (showKilometer && kilometer) grid.AttachProperty(kilometer);
}

void DeleteDetachedGroups(CBCGPPropList& grid, CBCGPProp* graticule, CBCGPProp* kilometer) {
    for (CBCGPProp* group : {graticule, kilometer})
        if (group && grid.FindProperty(group) < 0) delete group;
}
