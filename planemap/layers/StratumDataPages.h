// The "数据" pages of well layers (CPropListWellLayerData) and stratum-section layers
// (CPropListStratumLayerData): the layer's name, which the user may change, and three read-only
// facts about the stratum the layer was made for: its grade as the grade's name, its name and its
// well group. The two share one body; they differ only by the wrapper of their layer kind.
#pragma once

#include "hosttypes/Moraine/StratumLayer.h"
#include "hosttypes/Moraine/WellLayer.h"
#include "planemap/layers/LayerPage.h"

template <class Wrapper>
class TStratumDataPage : public TLayerPage<Wrapper> {
public:
    enum : DWORD_PTR {
        kLayerNameId = 2000,
        kGradeId = 2001,
        kStratumNameId = 2002,
        kWellGroupId = 2003,
    };

protected:
    int InitPropWnd() override;
    void RefreshLayer(Wrapper& layer) override;
    bool OnLayerItemChanged(Wrapper& layer, CBCGPProp* item) override;
};

class CPropListWellLayerData : public TStratumDataPage<kel::plane::CWellLayer> {};

class CPropListStratumLayerData : public TStratumDataPage<kel::plane::CStratumLayer> {};
