// The "数据" pages that hold only the layer's name: those of boundary, fault, line, point,
// well-network and general layers. They share one body and differ by a row of a table: the
// wrapper their layer is read through, the name item's description and the way a new name is
// written.
#pragma once

#include "hosttypes/Moraine/BoundLayer.h"
#include "hosttypes/Moraine/FaultLayer.h"
#include "hosttypes/Moraine/LineLayer.h"
#include "hosttypes/Moraine/PointLayer.h"
#include "planemap/layers/LayerName.h"
#include "planemap/layers/LayerPage.h"

// What sets one data page apart from its siblings.
struct LayerDataRules {
    const char* nameDescription;
    layername::Rename rename;
};

template <class Wrapper>
class TLayerDataPage : public TLayerPage<Wrapper> {
public:
    enum : DWORD_PTR { kLayerNameId = 2000 };

protected:
    virtual LayerDataRules Rules() const = 0;

    int InitPropWnd() override;
    void RefreshLayer(Wrapper& layer) override;
    bool OnLayerItemChanged(Wrapper& layer, CBCGPProp* item) override;
};

class CPropListBoundLayerData : public TLayerDataPage<kel::plane::CBoundLayer> {
protected:
    LayerDataRules Rules() const override;
};

class CPropListFaultLayerData : public TLayerDataPage<kel::plane::CFaultLayer> {
protected:
    LayerDataRules Rules() const override;
};

class CPropListLineLayerData : public TLayerDataPage<kel::plane::CLineLayer> {
protected:
    LayerDataRules Rules() const override;
};

class CPropListPointLayerData : public TLayerDataPage<kel::plane::CPointLayer> {
protected:
    LayerDataRules Rules() const override;
};

class CPropListWellNetLayerData : public TLayerDataPage<CPlainLayer> {
protected:
    LayerDataRules Rules() const override;
};

class CPropListGeneralLayerData : public TLayerDataPage<CPlainLayer> {
protected:
    LayerDataRules Rules() const override;
};
