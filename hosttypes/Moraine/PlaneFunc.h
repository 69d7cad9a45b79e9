// kel::plane::CPlaneFunc: free operations of the plane-map library.
#pragma once

#include <string>

#include "mfc/String.h"

class CQXLayer;
class CQXMap;

namespace kel::plane {

class CPlaneFunc {
public:
    // Nonzero when the whole text is one number (blanks around it allowed): an optional sign,
    // digits with an optional point (at least one digit), an optional exponent. "nan", "inf",
    // hexadecimal texts and trailing characters make it no number. Used to tell a typed 0 from
    // a text that only reads as 0.
    static int IsEffectiveFigure(const CString& text);
    // Whether a layer of the map may take the name: false for an empty name and for a name
    // another layer of the map already has; true without a map.
    static bool IsSameLayerName(CQXMap* map, const std::string& name);
    // After a layer was renamed: the layers of its map that name it as their boundary or fault
    // layer by the old name take the new one.
    static void UpdateRelateLayerName(CQXLayer* layer, const std::string& oldName);
    // Whether the well at row of the well-position table is inclined; false outside the table.
    static bool IsSlopeWell(int row);
};

}  // namespace kel::plane
