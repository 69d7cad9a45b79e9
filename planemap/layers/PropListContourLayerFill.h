// CPropListContourLayerFill: the "等值区" page of a contour layer: whether the areas between the
// contours are filled, with which colour template (or custom, through the library's editor of the
// fill layer), whether the colour scale is reversed and whether it is shown.
#pragma once

#include "hosttypes/Moraine/ContourLayer.h"
#include "planemap/layers/LayerPage.h"

class CPropListContourLayerFill : public TLayerPage<kel::plane::CContourLayer> {
public:
    enum : DWORD_PTR {
        kVisibleId = 2000,
        kFillGroupId = 2001,
        kTemplateId = 2002,
        kInvertId = 2003,
        kScaleGroupId = 2004,
        kScaleVisibleId = 2005,
    };

protected:
    int InitPropWnd() override;
    void RefreshLayer(kel::plane::CContourLayer& layer) override;
    bool OnLayerItemChanged(kel::plane::CContourLayer& layer, CBCGPProp* item) override;

private:
    void EnableGroups(bool enable);
};
