// kel::plane::CPlaneUtility: geometry services of the plane-map library.
#pragma once

#include "mfc/String.h"

class CQXLayer;
class CQXObjectPolyline;

namespace kel::plane {

class CPlaneUtility {
public:
    // Builds the trajectory line of kind kindText ("上部井斜线" or "下部井斜线") of the well at row
    // of the well-position table, along the real well path when realTrack is true and straight
    // otherwise, and adds it to the layer. The new line, kept by the library; NULL when the layer
    // or the row is missing or the line cannot be computed.
    static CQXObjectPolyline* ReCalOneWellPathLine(CQXLayer* layer, int row, const CString& kindText, bool realTrack);
};

}  // namespace kel::plane
