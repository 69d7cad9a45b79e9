// CPropListWellLayerBaseLine: the "井排线" page of a well layer: the well-row base line (pen,
// placement beside the row, vertical offset, extension at both ends) and the row's connecting
// line (pen).
#pragma once

#include "hosttypes/Moraine/WellLayer.h"
#include "planemap/layers/LayerPage.h"

class CPropListWellLayerBaseLine : public TLayerPage<kel::plane::CWellLayer> {
public:
    enum : DWORD_PTR {
        kBaseGroupId = 2000,
        kBaseShowId = 2001,
        kBaseStyleId = 2002,
        kBaseWidthId = 2003,
        kBaseColorId = 2004,
        kOffsetTypeId = 2005,
        kOffsetId = 2006,
        kEndLengthId = 2007,
        kQueueGroupId = 2008,
        kQueueShowId = 2009,
        kQueueStyleId = 2010,
        kQueueWidthId = 2011,
        kQueueColorId = 2012,
    };

protected:
    int InitPropWnd() override;
    void RefreshLayer(kel::plane::CWellLayer& layer) override;
    bool OnLayerItemChanged(kel::plane::CWellLayer& layer, CBCGPProp* item) override;
    void ShowStoredItem(kel::plane::CWellLayer& layer, CBCGPProp* item) override;
};
