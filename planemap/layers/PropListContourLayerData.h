// CPropListContourLayerData: the "数据" page of a contour layer ("等值线", "等值填充"): its name,
// and read-only the data the contours were made from and the layers they relate to. Only a name
// edit writes and redraws.
#pragma once

#include "hosttypes/Moraine/ContourLayer.h"
#include "planemap/layers/LayerPage.h"

class CPropListContourLayerData : public TLayerPage<kel::plane::CContourLayer> {
public:
    enum : DWORD_PTR {
        kLayerNameId = 2000,
        kTableNameId = 2001,
        kDataNameId = 2002,
        kStratumId = 2003,
        kRelatedGroupId = 2004,
        kBoundLayerId = 2005,
        kFaultLayerId = 2006,
        kCtrlLayerId = 2007,
    };

protected:
    int InitPropWnd() override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    void RefreshLayer(kel::plane::CContourLayer& layer) override;
    bool OnLayerItemChanged(kel::plane::CContourLayer& layer, CBCGPProp* item) override;
};
