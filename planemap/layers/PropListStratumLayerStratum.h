// CPropListStratumLayerStratum: the "层段剖面" page of a stratum-section layer: how the well
// columns are drawn (template, depth scale, zoom, extensions) and placed (vertical reference, top
// alignment, offset, horizontal reference). Every taken edit rebuilds the layer's sections.
#pragma once

#include "hosttypes/Moraine/StratumLayer.h"
#include "planemap/layers/LayerPage.h"

class CPropListStratumLayerStratum : public TLayerPage<kel::plane::CStratumLayer> {
public:
    enum : DWORD_PTR {
        kShowId = 2000,
        kColumnGroupId = 2001,
        kTemplateId = 2002,
        kDepthScaleId = 2003,
        kZoomId = 2004,
        kUpExtraId = 2005,
        kDownExtraId = 2006,
        kPlaceGroupId = 2007,
        kVerticalReferId = 2008,
        kTopAlignId = 2009,
        kDistanceId = 2010,
        kHorizontalReferId = 2011,
    };

protected:
    int InitPropWnd() override;
    void RefreshLayer(kel::plane::CStratumLayer& layer) override;
    bool OnLayerItemChanged(kel::plane::CStratumLayer& layer, CBCGPProp* item) override;
    void ShowStoredItem(kel::plane::CStratumLayer& layer, CBCGPProp* item) override;

private:
    // Whether the map holds the section's well layer and that layer has a base line.
    bool HasBaseLine(kel::plane::CStratumLayer& layer);
    void EnableByVerticalType(int type);
    // A top-level item after "显示" follows the visibility.
    void EnableAfterShow(int visible);
    // The section settings item's edit; false when it wrote nothing (a group row; the number items
    // read by the readers used here, so none of them is refused).
    bool EditSetting(kel::plane::CStratumLayer& layer, CBCGPProp* item);
};
