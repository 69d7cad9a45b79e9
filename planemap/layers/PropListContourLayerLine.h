// CPropListContourLayerLine: the "等值线" page of a contour layer: whether its lines are drawn,
// their mode (uniform, or custom through the library's editor), colouring and pen, and the look
// of their value labels.
#pragma once

#include "hosttypes/Moraine/ContourLayer.h"
#include "planemap/layers/LayerPage.h"

class CPropListContourLayerLine : public TLayerPage<kel::plane::CContourLayer> {
public:
    enum : DWORD_PTR {
        kVisibleId = 2000,
        kLineGroupId = 2001,
        kModeId = 2002,
        kColorTypeId = 2003,
        kStyleId = 2004,
        kWidthId = 2005,
        kColorId = 2006,
        kLabelGroupId = 2007,
        kFontId = 2008,
        kFontSizeId = 2009,
        kFontColorId = 2010,
        kDecimalsId = 2011,
        kBeginPosId = 2012,
        kIntervalId = 2013,
        kTransparentId = 2014,
        kBackColorId = 2015,
    };

protected:
    int InitPropWnd() override;
    void RefreshLayer(kel::plane::CContourLayer& layer) override;
    bool OnLayerItemChanged(kel::plane::CContourLayer& layer, CBCGPProp* item) override;
    void ShowStoredItem(kel::plane::CContourLayer& layer, CBCGPProp* item) override;

private:
    void ApplyModeRule(int mode, int visible, int colorType);
    void EnableGroups(bool enable);
};
