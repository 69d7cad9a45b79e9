// CPropListWellLayerSymbol: the "井符号" page of a well layer: the layer's well symbol (each of its
// point style, size and colours a named style template or a value of its own), the wellhead and
// well-bottom symbols, the pens of the upper and lower trajectory segments and whether
// trajectories follow the real well path. The symbol groups share one body over a table of their
// ids and layer accessors, and so do the two trajectory groups.
#pragma once

#include "hosttypes/Moraine/WellLayer.h"
#include "planemap/layers/LayerPage.h"

class CPropListWellLayerSymbol : public TLayerPage<kel::plane::CWellLayer> {
public:
    enum : DWORD_PTR {
        kSymbolGroupId = 2000,
        kSymbolShowId = 2001,
        kSymbolStyleTemplateId = 2002,
        kSymbolStyleId = 2003,
        kSymbolSizeTemplateId = 2004,
        kSymbolSizeId = 2005,
        kSymbolBorderTemplateId = 2006,
        kSymbolBorderId = 2007,
        kSymbolInnerTemplateId = 2008,
        kSymbolInnerId = 2009,
        kHeadGroupId = 2010,
        kHeadShowId = 2011,
        kHeadStyleId = 2012,
        kHeadSizeId = 2013,
        kHeadBorderId = 2014,
        kHeadInnerId = 2015,
        kBottomGroupId = 2016,
        kBottomShowId = 2017,
        kBottomStyleId = 2018,
        kBottomSizeId = 2019,
        kBottomBorderId = 2020,
        kBottomInnerId = 2021,
        kUpperGroupId = 2022,
        kUpperShowId = 2023,
        kUpperStyleId = 2024,
        kUpperWidthId = 2025,
        kUpperColorId = 2026,
        kLowerGroupId = 2027,
        kLowerShowId = 2028,
        kLowerStyleId = 2029,
        kLowerWidthId = 2030,
        kLowerColorId = 2031,
        kTrackModeId = 2032,
    };

protected:
    int InitPropWnd() override;
    void RefreshLayer(kel::plane::CWellLayer& layer) override;
    bool OnLayerItemChanged(kel::plane::CWellLayer& layer, CBCGPProp* item) override;
    void ShowStoredItem(kel::plane::CWellLayer& layer, CBCGPProp* item) override;

private:
    void RefreshTemplates(kel::plane::CWellLayer& layer, int visible);
    void FillTemplateOptions(CBCGPProp* item, int mode);
    bool EditTrackMode(kel::plane::CWellLayer& layer, CBCGPProp* item);
};
