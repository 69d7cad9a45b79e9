// CPropListLineLayerLine: the "线" page of a line layer: the layer's pen, and the fill of its line
// objects. A fill edit changes that one field of every line object of the layer (selected or not),
// each keeping the rest of its own fill; the layer's own brush is only shown.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Moraine/LineLayer.h"
#include "planemap/layers/LayerPage.h"

class CQXLayer;

class CPropListLineLayerLine : public TLayerPage<kel::plane::CLineLayer> {
public:
    enum : DWORD_PTR {
        kLineGroupId = 2000,
        kStyleId = 2001,
        kWidthId = 2002,
        kColorId = 2003,
        kFillGroupId = 7000,
        kStyleSetId = 7001,
        kFillStyleId = 7002,
        kLineColorId = 7003,
        kFillColorId = 7004,
        kCellSizeId = 7005,
        kTransparentId = 7006,
    };

protected:
    int InitPropWnd() override;
    void RefreshLayer(kel::plane::CLineLayer& layer) override;
    bool OnLayerItemChanged(kel::plane::CLineLayer& layer, CBCGPProp* item) override;
    void ShowStoredItem(kel::plane::CLineLayer& layer, CBCGPProp* item) override;
};

namespace linelayer {
// Copies the field that the fill sub-item id edits (7001 and 7002 the style, 7003 the line
// colour, 7004 the fill colour, 7005 the cell size, 7006 the background) from one brush to
// another; other ids copy nothing.
void CopyFillField(DWORD_PTR id, const QXLOGBRUSH& from, QXLOGBRUSH* to);
// Gives every line object of the layer, in index order, that field of edited in its own brush:
// one read and one write of each line's brush; objects of other kinds are passed over.
void GiveLinesFillField(CQXLayer* layer, DWORD_PTR id, const QXLOGBRUSH& edited);
}  // namespace linelayer
