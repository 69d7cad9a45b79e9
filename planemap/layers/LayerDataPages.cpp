#include "planemap/layers/LayerDataPages.h"

#include "hosttypes/Parsnip/QXLayer.h"
#include "planemap/layers/LayerTexts.h"

namespace {

using layername::Rename;

// The table of differences, one row per page.
const LayerDataRules kBoundRules{layertext::kLayerNameDescription, Rename::kAndRelated};
const LayerDataRules kFaultRules{layertext::kLayerNameDescription, Rename::kAndRelated};
const LayerDataRules kLineRules{"", Rename::kLayerOnly};
const LayerDataRules kPointRules{"", Rename::kLayerOnly};
const LayerDataRules kWellNetRules{"", Rename::kLayerOnly};
const LayerDataRules kGeneralRules{"", Rename::kLayerOnly};

}  // namespace

template <class Wrapper>
int TLayerDataPage<Wrapper>::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    this->m_wndPropList.AddProperty(layername::NewLayerNameItem(kLayerNameId, Rules().nameDescription), TRUE, TRUE);
    return 0;
}

template <class Wrapper>
void TLayerDataPage<Wrapper>::RefreshLayer(Wrapper& layer) {
    if (CQXLayer* shown = layer.GetLayer()) layername::ShowLayerName(this->FindItem(kLayerNameId), shown->GetName());
}

template <class Wrapper>
bool TLayerDataPage<Wrapper>::OnLayerItemChanged(Wrapper& layer, CBCGPProp* item) {
    switch (item->GetData()) {
        case kLayerNameId:
            return layername::RenameLayer(layer.GetLayer(), item, Rules().rename);
        default:
            break;
    }
    return true;
}

template class TLayerDataPage<kel::plane::CBoundLayer>;
template class TLayerDataPage<kel::plane::CFaultLayer>;
template class TLayerDataPage<kel::plane::CLineLayer>;
template class TLayerDataPage<kel::plane::CPointLayer>;
template class TLayerDataPage<CPlainLayer>;

LayerDataRules CPropListBoundLayerData::Rules() const { return kBoundRules; }
LayerDataRules CPropListFaultLayerData::Rules() const { return kFaultRules; }
LayerDataRules CPropListLineLayerData::Rules() const { return kLineRules; }
LayerDataRules CPropListPointLayerData::Rules() const { return kPointRules; }
LayerDataRules CPropListWellNetLayerData::Rules() const { return kWellNetRules; }
LayerDataRules CPropListGeneralLayerData::Rules() const { return kGeneralRules; }
