// kel::plane::CCtrlLineLayer: a control-line layer; its line style, size and colour are the
// words of the layer's pen.
#pragma once

#include "hosttypes/Moraine/LayerBlocks.h"
#include "hosttypes/Moraine/ProfLayer.h"

namespace kel::plane {

class CCtrlLineLayer : public IProfLayer, public TLayerName<CCtrlLineLayer>, public TLinePen<CCtrlLineLayer> {
public:
    explicit CCtrlLineLayer(CQXLayer* layer);
    CCtrlLineLayer(const CCtrlLineLayer& other) : IProfLayer(other) {}
    CCtrlLineLayer& operator=(const CCtrlLineLayer& other) = default;
    ~CCtrlLineLayer() override {}

    // 1 (the default) when the control lines are drawn.
    int GetVisible() const;
    void SetVisible(int visible);
    // Width (x100).
    double GetLineSize() const;
    void SetLineSize(double size);
};

}  // namespace kel::plane
