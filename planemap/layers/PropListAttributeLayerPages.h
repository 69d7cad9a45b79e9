// The pages of the facies layers ("沉积相线", "沉积相填充"), the scattered-attribute layers
// ("离散属性边界线", "离散属性填充"), the oil-water layers ("油水边界", "油水填充") and the region
// layers ("区域边界", "区域填充"): a data page naming the layer and switching its lines, fills and
// (facies and scattered) virtual wells; a line page with the common line style, colour and width
// of its lines and a switch imposing each on all of them; for facies and scattered layers a
// virtual-well page with the symbol of the virtual wells, each accepted part also written into
// the plane options. The kinds share every body; they differ by their layer wrapper and by a row
// of the data page's table.
#pragma once

#include "hosttypes/Moraine/FaciesLayer.h"
#include "hosttypes/Moraine/OilWaterLayer.h"
#include "hosttypes/Moraine/RegionLayer.h"
#include "hosttypes/Moraine/ScatteredLayer.h"
#include "planemap/layers/LayerPage.h"
#include "planemap/layers/LineSettings.h"

// What sets the data pages of the two kinds apart.
struct AttributeDataRules {
    bool stratumEditable;      // "层名" opens an editor, though the layer keeps its stratum
    bool showsDataName;        // "管理属性" stands at 2002 and the switches follow it
    const char* lineSwitch;    // labels of the line and fill switches
    const char* fillSwitch;
};

template <class Wrapper>
class TAttributeLayerData : public TLayerPage<Wrapper> {
public:
    enum : DWORD_PTR { kLayerNameId = 2000, kStratumId = 2001 };
    // The first switch's id: 2002, or 2003 for scattered-attribute layers (after "管理属性" at
    // 2002); the fill and virtual-well switches follow it.
    static DWORD_PTR LineSwitchId(const AttributeDataRules& rules) { return rules.showsDataName ? 2003 : 2002; }

protected:
    virtual const AttributeDataRules& Rules() const = 0;

    int InitPropWnd() override;
    void RefreshLayer(Wrapper& layer) override;
    bool OnLayerItemChanged(Wrapper& layer, CBCGPProp* item) override;
    void ShowStoredItem(Wrapper& layer, CBCGPProp* item) override;
};

class CPropListFaciesLayerData : public TAttributeLayerData<kel::plane::CFaciesLayer> {
public:
    enum : DWORD_PTR { kLineSwitchId = 2002, kFillSwitchId = 2003, kVirtualWellSwitchId = 2004 };

protected:
    const AttributeDataRules& Rules() const override;
};

class CPropListScatteredLayerData : public TAttributeLayerData<kel::plane::CScatteredLayer> {
public:
    enum : DWORD_PTR { kDataNameId = 2002, kLineSwitchId = 2003, kFillSwitchId = 2004, kVirtualWellSwitchId = 2005 };

protected:
    const AttributeDataRules& Rules() const override;
};

// The line pages' item ids, the same for both kinds.
struct AttributeLineIds {
    enum : DWORD_PTR {
        kStyleId = 2002,
        kWidthId = 2003,
        kColorId = 2004,
        kSameColorId = 2005,
        kSameStyleId = 2006,
        kSameSizeId = 2007,
    };
    static const linesettings::Ids kIds;
};

class CPropListFaciesLayerLine : public TLineSettingsPage<kel::plane::CFaciesLayer>, public AttributeLineIds {
protected:
    const linesettings::Ids& LineIds() const override { return kIds; }
};

class CPropListScatteredLayerLine : public TLineSettingsPage<kel::plane::CScatteredLayer>, public AttributeLineIds {
protected:
    const linesettings::Ids& LineIds() const override { return kIds; }
};

class CPropListOilWaterLayerData : public TAttributeLayerData<kel::plane::COilWaterLayer> {
public:
    enum : DWORD_PTR { kLineSwitchId = 2002, kFillSwitchId = 2003 };

protected:
    const AttributeDataRules& Rules() const override;
};

class CPropListRegionLayerData : public TAttributeLayerData<kel::plane::CRegionLayer> {
public:
    enum : DWORD_PTR { kLineSwitchId = 2002, kFillSwitchId = 2003 };

protected:
    const AttributeDataRules& Rules() const override;
};

// The oil-water and region line pages' item ids.
struct DistributionLineIds {
    enum : DWORD_PTR {
        kSameStyleId = 2000,
        kStyleId = 2001,
        kSameColorId = 2002,
        kColorId = 2003,
        kSameSizeId = 2004,
        kWidthId = 2005,
    };
    static const linesettings::Ids kIds;
};

class CPropListOilWaterLayerLine : public TLineSettingsPage<kel::plane::COilWaterLayer>, public DistributionLineIds {
protected:
    const linesettings::Ids& LineIds() const override { return kIds; }
};

class CPropListRegionLayerLine : public TLineSettingsPage<kel::plane::CRegionLayer>, public DistributionLineIds {
protected:
    const linesettings::Ids& LineIds() const override { return kIds; }
};

template <class Wrapper>
class TAttributeLayerPoint : public TLayerPage<Wrapper> {
public:
    enum : DWORD_PTR { kStyleId = 2001, kSizeId = 2002, kBorderColorId = 2003, kInnerColorId = 2004 };

protected:
    int InitPropWnd() override;
    void RefreshLayer(Wrapper& layer) override;
    bool OnLayerItemChanged(Wrapper& layer, CBCGPProp* item) override;
    void ShowStoredItem(Wrapper& layer, CBCGPProp* item) override;
};

class CPropListFaciesLayerAppendControlPoint : public TAttributeLayerPoint<kel::plane::CFaciesLayer> {};
class CPropListScatteredLayerAppendControlPoint : public TAttributeLayerPoint<kel::plane::CScatteredLayer> {};
