// kel::plane::CSandLayer: a sand-body layer: the boundaries and fills of the sand bodies and of
// their effective areas. The sand-body line values are the words of the layer's pen; the
// effective-area line values are kept with the layer's settings.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Moraine/ProfLayer.h"

namespace kel::plane {

class CSandLayer : public IProfLayer {
public:
    explicit CSandLayer(CQXLayer* layer);
    CSandLayer(const CSandLayer& other) : IProfLayer(other) {}
    CSandLayer& operator=(const CSandLayer& other) = default;
    ~CSandLayer() override {}

    CString GetLayerName() const;
    // 1 (the default) when drawn.
    int GetLineVisible() const;
    void SetLineVisible(int visible);
    int GetLineValidVisible() const;
    void SetLineValidVisible(int visible);
    int GetFillVisible() const;
    void SetFillVisible(int visible);
    int GetFillValidVisible() const;
    void SetFillValidVisible(int visible);

    // Sand-body lines: a switch per value (default 1) and the value (size x100).
    int GetLineSameStyle() const;
    void SetLineSameStyle(int same);
    unsigned GetLineStyle() const;
    void SetLineStyle(unsigned style);
    int GetLineSameColor() const;
    void SetLineSameColor(int same);
    COLORREF GetLineColor() const;
    void SetLineColor(COLORREF color);
    int GetLineSameSize() const;
    void SetLineSameSize(int same);
    float GetLineSize() const;
    void SetLineSize(float size);

    // Effective-area lines, the same way.
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
