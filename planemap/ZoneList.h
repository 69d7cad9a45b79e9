// Items and edits of the oil-water and region zone lists.
#pragma once

#include "bcg/Prop.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObject.h"
#include "mfc/Collections.h"

namespace zonelist {

enum : DWORD_PTR {
    kTypeId = 2000,
    kZoneTypeId = 2001,
};

// The read-only "类型" item and the zone type item (pick only) with that label, to be added in
// that order.
void AddItems(CBCGPPropList& grid, const char* zoneTypeLabel);
// The layer holding the boundary lines of the zone's distribution; NULL when the zone has no
// layer or its map has no such layer.
CQXLayer* FindLineLayer(CQXObject* zone);
// The zone's type name; the types offered in order, and the zone's name as the chosen one.
void ShowZone(CBCGPProp* typeItem, CBCGPProp* zoneTypeItem, CQXObject* zone, const CStringArray& types);
// The edit handler: a type chosen for the zone becomes its name and, when its line layer is found,
// brings the fill stored there under "LOGBRUSH_" and the type (a default fill when none is
// stored). Other items change nothing.
void ApplyEdit(CBCGPProp* item, CQXObject* zone);

}  // namespace zonelist
