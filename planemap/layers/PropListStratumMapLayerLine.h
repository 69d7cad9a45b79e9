// CPropListStratumMapLayerLine: the "线" page of a stratum map: for each of its three kinds of
// boundary lines, whether they are shown and their common pen. The layer keeps one pen per kind in
// its attributes; an edit changes that pen and the pen of every line of the kind in the layer.
#pragma once

#include "planemap/layers/LayerPage.h"

class CPropListStratumMapLayerLine : public TLayerPage<CPlainLayer> {
public:
    // With G a group's id: "显示" G-1, "线型" G+1, "粗细" G+2, "颜色" G+3.
    enum : DWORD_PTR {
        kPinchOutShowId = 2000,
        kPinchOutGroupId = 2001,
        kPinchOutStyleId = 2002,
        kPinchOutWidthId = 2003,
        kPinchOutColorId = 2004,
        kValidThickShowId = 2007,
        kValidThickGroupId = 2008,
        kValidThickStyleId = 2009,
        kValidThickWidthId = 2010,
        kValidThickColorId = 2011,
        kOilWaterShowId = 2014,
        kOilWaterGroupId = 2015,
        kOilWaterStyleId = 2016,
        kOilWaterWidthId = 2017,
        kOilWaterColorId = 2018,
    };

protected:
    int InitPropWnd() override;
    void RefreshLayer(CPlainLayer& layer) override;
    bool OnLayerItemChanged(CPlainLayer& layer, CBCGPProp* item) override;
    void ShowStoredItem(CPlainLayer& layer, CBCGPProp* item) override;
};
