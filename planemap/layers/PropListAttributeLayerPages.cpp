#include "planemap/PlaneItems.h"
#include "planemap/layers/PropListAttributeLayerPages.h"

#include <type_traits>

#include "framework/FixedList.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Moraine/PlaneOption.h"
#include "planemap/GeoPenItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/RecordEdits.h"
#include "planemap/layers/AttributeLayerTexts.h"
#include "planemap/layers/LayerName.h"
#include "planemap/layers/LayerTexts.h"
#include "planemap/layers/WellTexts.h"

namespace {

using kel::plane::CFaciesLayer;
using kel::plane::CPlaneOption;
using kel::plane::CScatteredLayer;

const AttributeDataRules kFaciesRules{true, false, layertext::kFaciesLinePage, attrtext::kFaciesBelt};
const AttributeDataRules kScatteredRules{false, true, layertext::kScatteredLineLayer, layertext::kScatteredFillLayer};
const AttributeDataRules kOilWaterRules{false, false, layertext::kOilWaterLinePage, attrtext::kOilWaterBelt};
const AttributeDataRules kRegionRules{false, false, layertext::kRegionLinePage, attrtext::kRegionBelt};

// Facies and scattered-attribute layers have virtual wells; the oil-water and region layers none.
template <class W>
constexpr bool kHasVirtualWells = std::is_base_of_v<kel::plane::TAppendControlPoint<W>, W>;

// The attribute a scattered-attribute layer manages: its data name after the first ".", or the
// whole name when it holds none.
CString ManagedAttribute(const CString& dataName) {
    const int dot = dataName.Find('.');
    return dot < 0 ? dataName : dataName.Mid(dot + 1);
}

}  // namespace

// ---- data page ---------------------------------------------------------------------------------------------

template <class Wrapper>
int TAttributeLayerData<Wrapper>::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    const AttributeDataRules& rules = Rules();
    auto& grid = this->m_wndPropList;
    grid.AddProperty(layername::NewLayerNameItem(kLayerNameId, ""), TRUE, TRUE);
    grid.AddProperty(NewOptionItem(layertext::kStratumName, "", "", kStratumId, {}, rules.stratumEditable), TRUE, TRUE);
    if (rules.showsDataName)
        grid.AddProperty(NewOptionItem(attrtext::kManagedAttribute, "", "", LineSwitchId(rules) - 1, {}, false), TRUE,
                         TRUE);
    const DWORD_PTR first = LineSwitchId(rules);
    grid.AddProperty(NewYesNoList(rules.lineSwitch, "", nullptr, first), TRUE, TRUE);
    grid.AddProperty(NewYesNoList(rules.fillSwitch, "", nullptr, first + 1), TRUE, TRUE);
    if constexpr (kHasVirtualWells<Wrapper>)
        grid.AddProperty(NewYesNoList(layertext::kVirtualWellPage, "", nullptr, first + 2), TRUE, TRUE);
    return 0;
}

template <class Wrapper>
void TAttributeLayerData<Wrapper>::RefreshLayer(Wrapper& layer) {
    const DWORD_PTR first = LineSwitchId(Rules());
    layername::ShowLayerName(this->FindItem(kLayerNameId), layer.GetLayerName());
    SetItemText(this->FindItem(kStratumId), layer.GetStratumName());
    if constexpr (std::is_same_v<Wrapper, CScatteredLayer>)
        SetItemText(this->FindItem(first - 1), ManagedAttribute(layer.GetDataName()));
    SetYesNoProp(this->FindItem(first), layer.GetLineVisible() == 1);
    SetYesNoProp(this->FindItem(first + 1), layer.GetFillVisible() == 1);
    if constexpr (kHasVirtualWells<Wrapper>)
        SetYesNoProp(this->FindItem(first + 2), layer.GetAppendControlPointVisible() == 1);
}

template <class Wrapper>
bool TAttributeLayerData<Wrapper>::OnLayerItemChanged(Wrapper& layer, CBCGPProp* item) {
    const DWORD_PTR id = item->GetData();
    const DWORD_PTR first = LineSwitchId(Rules());
    if (id == kLayerNameId) return layername::RenameByWrapper(layer, item);
    // The stratum belongs to the layer's data: no text typed here is taken.
    if (id == kStratumId) return false;
    void (Wrapper::*set)(int) = nullptr;
    if (id == first)
        set = &Wrapper::SetLineVisible;
    else if (id == first + 1)
        set = &Wrapper::SetFillVisible;
    else if constexpr (kHasVirtualWells<Wrapper>)
        if (id == first + 2) set = &Wrapper::SetAppendControlPointVisible;
    if (!set) return true;
    (layer.*set)(ReadYesNo(item) ? 1 : 0);
    return true;
}

template <class Wrapper>
void TAttributeLayerData<Wrapper>::ShowStoredItem(Wrapper& layer, CBCGPProp* item) {
    if (item->GetData() == kStratumId) SetItemText(item, layer.GetStratumName());
}

template class TAttributeLayerData<CFaciesLayer>;
template class TAttributeLayerData<CScatteredLayer>;
template class TAttributeLayerData<kel::plane::COilWaterLayer>;
template class TAttributeLayerData<kel::plane::CRegionLayer>;

const AttributeDataRules& CPropListFaciesLayerData::Rules() const { return kFaciesRules; }
const AttributeDataRules& CPropListScatteredLayerData::Rules() const { return kScatteredRules; }
const AttributeDataRules& CPropListOilWaterLayerData::Rules() const { return kOilWaterRules; }
const AttributeDataRules& CPropListRegionLayerData::Rules() const { return kRegionRules; }

// ---- line page ---------------------------------------------------------------------------------------------

const linesettings::Ids AttributeLineIds::kIds{kSameStyleId, kStyleId, kSameColorId, kColorId, kSameSizeId, kWidthId};
const linesettings::Ids DistributionLineIds::kIds{kSameStyleId, kStyleId,    kSameColorId,
                                                  kColorId,     kSameSizeId, kWidthId};

// ---- virtual-well page -------------------------------------------------------------------------------------

template <class Wrapper>
int TAttributeLayerPoint<Wrapper>::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    auto& grid = this->m_wndPropList;
    grid.AddProperty(new CPropStyleCombox(grouptext::kPointStyle, 1, CPropStyleCombox::kPointStyle,
                                          welltext::kCommonPointStyles, grouptext::kPointStyleDescription, kStyleId),
                     TRUE, TRUE);
    grid.AddProperty(
        NewSizeTextItem(grouptext::kSize, grouptext::kPointSizeDescription, kSizeId, planemap::WidthRule()), TRUE,
        TRUE);
    grid.AddProperty(NewGroupColorProp(grouptext::kBorderColor, grouptext::kBorderColorDescription, kBorderColorId, 0),
                     TRUE, TRUE);
    grid.AddProperty(NewGroupColorProp(grouptext::kInnerColor, grouptext::kInnerColorDescription, kInnerColorId, 0),
                     TRUE, TRUE);
    return 0;
}

template <class Wrapper>
void TAttributeLayerPoint<Wrapper>::RefreshLayer(Wrapper& layer) {
    QXLOGPOINT symbol;
    layer.GetAppendControlPoint(&symbol);
    if (auto* picker = dynamic_cast<CPropStyleCombox*>(this->FindItem(kStyleId))) {
        UINT style = symbol.style;
        picker->SetVal(style);
    }
    planemap::ShowStoredHundredths(this->FindItem(kSizeId), symbol.size);
    ShowColor(this->FindItem(kBorderColorId), symbol.borderColor);
    ShowColor(this->FindItem(kInnerColorId), symbol.innerColor);
}

template <class Wrapper>
void TAttributeLayerPoint<Wrapper>::ShowStoredItem(Wrapper& layer, CBCGPProp* item) {
    if (item->GetData() != kSizeId) return;
    QXLOGPOINT symbol;
    layer.GetAppendControlPoint(&symbol);
    planemap::ShowStoredHundredths(item, symbol.size);
}

// Each part goes to the layer, then to the plane options' virtual-well symbol.
template <class Wrapper>
bool TAttributeLayerPoint<Wrapper>::OnLayerItemChanged(Wrapper& layer, CBCGPProp* item) {
    QXLOGPOINT& option = CPlaneOption::Instance()->m_VirtualWellPoint;
    switch (item->GetData()) {
        case kStyleId:
            if (auto* picker = dynamic_cast<CPropStyleCombox*>(item)) {
                layer.SetAppendControlPointStyle(picker->GetVal());
                option.style = picker->GetVal();
            }
            break;
        case kSizeId: {
            float size = 0;
            if (!planemap::ReadWidth(ItemText(item), &size)) return false;
            layer.SetAppendControlPointSize(size);
            option.size = size;
            break;
        }
        case kBorderColorId: {
            COLORREF color = 0;
            if (!ReadColor(item, &color)) break;
            layer.SetAppendControlPointBorderColor(color);
            option.borderColor = color;
            break;
        }
        case kInnerColorId: {
            COLORREF color = 0;
            if (!ReadColor(item, &color)) break;
            layer.SetAppendControlPointInnerColor(color);
            option.innerColor = color;
            break;
        }
        default:
            break;
    }
    return true;
}

template class TAttributeLayerPoint<CFaciesLayer>;
template class TAttributeLayerPoint<CScatteredLayer>;
