// kel::plane::CLineLayer: a line layer; its pen and brush are the layer's.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Moraine/ProfLayer.h"

namespace kel::plane {

class CLineLayer : public IProfLayer {
public:
    explicit CLineLayer(CQXLayer* layer);
    CLineLayer(const CLineLayer& other) : IProfLayer(other) {}
    CLineLayer& operator=(const CLineLayer& other) = default;
    ~CLineLayer() override {}

    void GetPen(QXLOGPEN& pen) const;
    void SetPen(QXLOGPEN& pen);
    // The layer's own brush (not one taken from its objects).
    void GetLogBrush(QXLOGBRUSH& brush) const;
};

}  // namespace kel::plane
