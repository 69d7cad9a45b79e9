// kel::plane::CCtrlLineLayer: a control-line layer; its line style, size and colour are the
// words of the layer's pen.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Moraine/ProfLayer.h"

namespace kel::plane {

class CCtrlLineLayer : public IProfLayer {
public:
    explicit CCtrlLineLayer(CQXLayer* layer);
    CCtrlLineLayer(const CCtrlLineLayer& other) : IProfLayer(other) {}
    CCtrlLineLayer& operator=(const CCtrlLineLayer& other) = default;
    ~CCtrlLineLayer() override {}

    CString GetLayerName() const;
    // 1 (the default) when the control lines are drawn.
    int GetVisible() const;
    void SetVisible(int visible);
    unsigned GetLineStyle() const;
    void SetLineStyle(unsigned style);
    // Width (x100).
    double GetLineSize() const;
    void SetLineSize(double size);
    COLORREF GetLineColor() const;
    void SetLineColor(COLORREF color);
};

}  // namespace kel::plane
