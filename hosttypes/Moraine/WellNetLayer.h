// kel::plane::CWellNetLayer: a connected-well-net layer; its pen and brush are the layer's.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Moraine/ProfLayer.h"

namespace kel::plane {

class CWellNetLayer : public IProfLayer {
public:
    explicit CWellNetLayer(CQXLayer* layer);
    CWellNetLayer(const CWellNetLayer& other) : IProfLayer(other) {}
    CWellNetLayer& operator=(const CWellNetLayer& other) = default;
    ~CWellNetLayer() override {}

    // 1 (the default) when the connection lines, resp. the covered areas, are drawn.
    int GetLineVisible() const;
    void SetLineVisible(int visible);
    void SetPen(QXLOGPEN& pen);
    int GetFillVisible() const;
    void SetFillVisible(int visible);
    void SetBrush(QXLOGBRUSH& brush);
};

}  // namespace kel::plane
