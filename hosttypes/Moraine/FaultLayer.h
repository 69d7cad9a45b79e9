// kel::plane::CFaultLayer: a fault layer. Its four standard pens are kept in the layer's
// attribute store under "FAULT_POLYGON_PEN", "FAULT_UP_PEN", "FAULT_DN_PEN" and
// "FAULT_MID_PEN", where the fault line list reads them; its two fills with the layer's
// settings. A pen or fill never set reads as a zero value.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Moraine/ProfLayer.h"

namespace kel::plane {

class CFaultLayer : public IProfLayer {
public:
    explicit CFaultLayer(CQXLayer* layer);
    CFaultLayer(const CFaultLayer& other) : IProfLayer(other) {}
    CFaultLayer& operator=(const CFaultLayer& other) = default;
    ~CFaultLayer() override {}

    void GetPolygonPen(QXLOGPEN& pen) const;
    void SetPolygonPen(QXLOGPEN& pen);
    void GetPolygonBrush(QXLOGBRUSH& brush) const;
    void SetPolygonBrush(QXLOGBRUSH& brush);
    void GetUpPen(QXLOGPEN& pen) const;
    void SetUpPen(QXLOGPEN& pen);
    void GetDnPen(QXLOGPEN& pen) const;
    void SetDnPen(QXLOGPEN& pen);
    // The fault-zone fill.
    void GetBrush(QXLOGBRUSH& brush) const;
    void SetBrush(QXLOGBRUSH& brush);
    void GetMidPen(QXLOGPEN& pen) const;
    void SetMidPen(QXLOGPEN& pen);
};

}  // namespace kel::plane
