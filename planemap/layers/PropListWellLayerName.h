// CPropListWellLayerName: the "井名" page of a well layer: whether the well names are shown, their
// font, size and colour (each a named style template or a value of its own) and where a name
// stands: beside the well or the well-row base line, at one of nine places, at an offset.
#pragma once

#include "hosttypes/Moraine/WellLayer.h"
#include "planemap/layers/LayerPage.h"

class CPropListWellLayerName : public TLayerPage<kel::plane::CWellLayer> {
public:
    enum : DWORD_PTR {
        kShowId = 2000,
        kFontGroupId = 2001,
        kFontTemplateId = 2002,
        kFaceId = 2003,
        kSizeTemplateId = 2004,
        kSizeId = 2005,
        kColorTemplateId = 2006,
        kColorId = 2007,
        kPlaceGroupId = 2008,
        kReferId = 2009,
        kAlignId = 2010,
        kOffsetId = 2011,
    };

protected:
    int InitPropWnd() override;
    void RefreshLayer(kel::plane::CWellLayer& layer) override;
    bool OnLayerItemChanged(kel::plane::CWellLayer& layer, CBCGPProp* item) override;
    void ShowStoredItem(kel::plane::CWellLayer& layer, CBCGPProp* item) override;

private:
    void EnableGroups(BOOL enable);
    void ShowTemplate(DWORD_PTR id, const CString& name, kel::plane::CWellLayer& layer);
    bool EditReference(kel::plane::CWellLayer& layer, CBCGPProp* item);
};
