// CPropListPointLayerPoint: the "点" page of a point layer: how its points are drawn (symbol style,
// size and colours) and the label beside each point (font, decimals, background, rotation and its
// place around the point). Every edit writes the layer's symbol and font back.
#pragma once

#include "hosttypes/Moraine/PointLayer.h"
#include "planemap/layers/LayerPage.h"

class CPropListPointLayerPoint : public TLayerPage<kel::plane::CPointLayer> {
public:
    enum : DWORD_PTR {
        kSymbolGroupId = 2000,
        kSymbolStyleId = 2001,
        kSymbolSizeId = 2002,
        kBorderColorId = 2003,
        kInnerColorId = 2004,
        kFontGroupId = 2005,
        kFaceId = 2006,
        kFontSizeId = 2007,
        kFontColorId = 2008,
        kDecimalsId = 2009,
        kBackColorId = 2010,
        kTransparentId = 2011,
        kAngleId = 2012,
        kPlaceId = 2013,
    };

protected:
    int InitPropWnd() override;
    void RefreshLayer(kel::plane::CPointLayer& layer) override;
    bool OnLayerItemChanged(kel::plane::CPointLayer& layer, CBCGPProp* item) override;
    void ShowStoredItem(kel::plane::CPointLayer& layer, CBCGPProp* item) override;

private:
    void ShowTransparent(const QXLOGFONT& font);
};
