// kel::plane::CPlaneOption: the plane-map library's option record, one per process. Pages
// write its fields directly right after the matching layer setter.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"

namespace kel::plane {

class CPlaneOption {
public:
    static CPlaneOption* Instance();
    // Back to the defaults (every word 0, no current stratum).
    void Reset();

    QXLOGPEN m_BoundPen;            // boundary lines
    QXLOGPOINT m_VirtualWellPoint;  // virtual wells of facies and scattered-attribute layers
    QXLOGPEN m_UpPen;               // hanging-wall lines
    QXLOGPEN m_DnPen;               // footwall lines
    QXLOGBRUSH m_FaultBrush;        // fault zones
    int m_nStratumGrade = -1;       // the current stratum grade, negative for none

private:
    CPlaneOption() = default;
};

}  // namespace kel::plane
