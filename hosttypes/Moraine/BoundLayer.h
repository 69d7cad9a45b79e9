// kel::plane::CBoundLayer: a boundary layer; its pen is the layer's pen.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Moraine/ProfLayer.h"

namespace kel::plane {

class CBoundLayer : public IProfLayer {
public:
    explicit CBoundLayer(CQXLayer* layer);
    CBoundLayer(const CBoundLayer& other) : IProfLayer(other) {}
    CBoundLayer& operator=(const CBoundLayer& other) = default;
    ~CBoundLayer() override {}

    void GetPen(QXLOGPEN& pen) const;
    void SetPen(QXLOGPEN& pen);
};

}  // namespace kel::plane
