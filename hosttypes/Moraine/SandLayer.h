// kel::plane::CSandLayer: a sand-body layer: the boundaries and fills of the sand bodies and of
// their effective areas. The sand-body line values are the words of the layer's pen; the
// effective-area line values are kept with the layer's settings.
#pragma once

#include "hosttypes/Moraine/LayerBlocks.h"
#include "hosttypes/Moraine/ProfLayer.h"

namespace kel::plane {

class CSandLayer : public IProfLayer,
                   public TLayerName<CSandLayer>,
                   public TLineFillSwitches<CSandLayer>,
                   public TLineValues<CSandLayer> {
public:
    explicit CSandLayer(CQXLayer* layer);
    CSandLayer(const CSandLayer& other) : IProfLayer(other) {}
    CSandLayer& operator=(const CSandLayer& other) = default;
    ~CSandLayer() override {}

    // The effective areas' lines and fills: 1 (the default) when drawn.
    int GetLineValidVisible() const;
    void SetLineValidVisible(int visible);
    int GetFillValidVisible() const;
    void SetFillValidVisible(int visible);

    // Effective-area lines: a switch per value (default 1) and the value (size x100).
    int GetLineValidSameStyle() const;
    void SetLineValidSameStyle(int same);
    unsigned GetLineValidStyle() const;
    void SetLineValidStyle(unsigned style);
    int GetLineValidSameColor() const;
    void SetLineValidSameColor(int same);
    COLORREF GetLineValidColor() const;
    void SetLineValidColor(COLORREF color);
    int GetLineValidSameSize() const;
    void SetLineValidSameSize(int same);
    float GetLineValidSize() const;
    void SetLineValidSize(float size);
};

}  // namespace kel::plane
