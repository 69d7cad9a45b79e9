// kel::plane::CWellNetLayer: a connected-well-net layer; its pen and brush are the layer's.
#pragma once

#include "hosttypes/Moraine/LayerBlocks.h"
#include "hosttypes/Moraine/ProfLayer.h"

namespace kel::plane {

// The line and fill switches say whether the connection lines, resp. the covered areas, are drawn.
class CWellNetLayer : public IProfLayer, public TLineFillSwitches<CWellNetLayer> {
public:
    explicit CWellNetLayer(CQXLayer* layer);
    CWellNetLayer(const CWellNetLayer& other) : IProfLayer(other) {}
    CWellNetLayer& operator=(const CWellNetLayer& other) = default;
    ~CWellNetLayer() override {}

    void SetPen(QXLOGPEN& pen);
    void SetBrush(QXLOGBRUSH& brush);
};

}  // namespace kel::plane
