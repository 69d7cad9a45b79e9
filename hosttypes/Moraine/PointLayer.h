// kel::plane::CPointLayer: a point layer. Its symbol and label font are the layer's point
// style and font; decimals, label angle and label position are kept with its settings.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Moraine/ProfLayer.h"

namespace kel::plane {

class CPointLayer : public IProfLayer {
public:
    explicit CPointLayer(CQXLayer* layer);
    CPointLayer(const CPointLayer& other) : IProfLayer(other) {}
    CPointLayer& operator=(const CPointLayer& other) = default;
    ~CPointLayer() override {}

    void GetSymbolPoint(QXLOGPOINT* point) const;
    void SetSymbolPoint(QXLOGPOINT* point);
    void GetFont(QXLOGFONT* font) const;
    void SetFont(QXLOGFONT* font);
    int GetDecimal() const;
    void SetDecimal(int decimal);
    // Label angle, radians.
    double GetAngle() const;
    void SetAngle(double angle);
    // Label position beside the point: horizontal 0 right, 1 centre, 2 left; vertical
    // 0 below, 1 middle, 2 above (default 1, 1).
    int GetHAlign() const;
    int GetVAlign() const;
    // Takes a position text: "左上", "上", "右上", "左", "中", "右", "左下", "下", "右下"; any
    // other text changes nothing.
    void SetAlign(const CString& position);
};

}  // namespace kel::plane
