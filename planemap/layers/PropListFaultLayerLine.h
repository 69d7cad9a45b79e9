// CPropListFaultLayerLine: the "断层线" page of a fault layer: the pens of its fault polygons,
// hanging-wall, footwall and centre lines, and the fills of its polygons and fault zones. The
// hanging-wall and footwall pens and the fault-zone fill also go into the plane options, for the
// faults drawn later.
#pragma once

#include "hosttypes/Moraine/FaultLayer.h"
#include "planemap/layers/LayerPage.h"

class CPropListFaultLayerLine : public TLayerPage<kel::plane::CFaultLayer> {
public:
    enum : DWORD_PTR {
        kBlockGroupId = 2001,
        kUpStyleId = 2002,
        kUpWidthId = 2003,
        kUpColorId = 2004,
        kDnStyleId = 2006,
        kDnWidthId = 2007,
        kDnColorId = 2008,
        kMidGroupId = 2009,
        kMidStyleId = 2010,
        kMidWidthId = 2011,
        kMidColorId = 2012,
        kPolygonGroupId = 2013,
        kPolygonStyleId = 2014,
        kPolygonWidthId = 2015,
        kPolygonColorId = 2016,
        kZoneFillId = 2017,
        kZoneColorId = 2018,
        kPolygonFillId = 2019,
        kPolygonFillColorId = 2020,
    };

protected:
    int InitPropWnd() override;
    void RefreshLayer(kel::plane::CFaultLayer& layer) override;
    bool OnLayerItemChanged(kel::plane::CFaultLayer& layer, CBCGPProp* item) override;
    void ShowStoredItem(kel::plane::CFaultLayer& layer, CBCGPProp* item) override;
};
