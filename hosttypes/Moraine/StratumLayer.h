// kel::plane::CStratumLayer: a stratum section layer (a small stratigraphic section at each well,
// and connection lines between the sections). Distances and pen widths are kept in hundredths.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Moraine/ProfLayer.h"

namespace kel::plane {

class CStratumLayer : public IProfLayer {
public:
    explicit CStratumLayer(CQXLayer* layer);
    CStratumLayer(const CStratumLayer& other) : IProfLayer(other) {}
    CStratumLayer& operator=(const CStratumLayer& other) = default;
    ~CStratumLayer() override {}

    // ---- the sections ----
    int GetStratumVisible() const;
    void SetStratumVisible(int visible);
    CString GetStratumTemplate() const;
    void SetStratumTemplate(const CString& name);
    // Depth per map unit (1 at first).
    double GetStratumDepthFactor() const;
    void SetStratumDepthFactor(double factor);
    // Overall zoom (1 at first).
    double GetStratumTemplateModify() const;
    void SetStratumTemplateModify(double zoom);
    double GetStratumUpExtra() const;
    void SetStratumUpExtra(double thickness);
    double GetStratumDownExtra() const;
    void SetStratumDownExtra(double thickness);
    // 0 the well-row base line, 1 the well.
    int GetStratumVerticalType() const;
    void SetStratumVerticalType(int type);
    int GetStratumTopAlign() const;
    void SetStratumTopAlign(int align);
    double GetStratumVerticalDistance() const;
    void SetStratumVerticalDistance(double distance);
    // 0 the well, 1 the well name.
    int GetStratumHorizontalType() const;
    void SetStratumHorizontalType(int type);
    // The well layer the sections stand on.
    CString GetWellLayerName() const;
    // Builds the layer's section objects again from its settings.
    void ReCreateStratum();

    // ---- connection lines ----
    int GetConnectionVisible() const;
    void SetConnectionVisible(int visible);
    void GetRiverPen(QXLOGPEN* pen) const;
    void SetRiverLineStyle(UINT style);
    void SetRiverLineSize(double size);
    void SetRiverLineColor(COLORREF color);
    void GetOtherPen(QXLOGPEN* pen) const;
    void SetOtherLineStyle(UINT style);
    void SetOtherLineSize(double size);
    void SetOtherLineColor(COLORREF color);
};

}  // namespace kel::plane
