#include "planemap/layers/StratumDataPages.h"

#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "planemap/PlaneItems.h"
#include "planemap/layers/LayerName.h"
#include "planemap/layers/LayerTexts.h"

namespace {

CBCGPProp* NewReadOnlyItem(const char* name, DWORD_PTR id) {
    CBCGPProp* item = NewTextItem(name, "", id);
    item->AllowEdit(FALSE);
    return item;
}

constexpr int kFinestGrade = 4;

}  // namespace

template <class Wrapper>
int TStratumDataPage<Wrapper>::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    CBCGPPropList& grid = this->m_wndPropList;
    grid.AddProperty(layername::NewLayerNameItem(kLayerNameId, ""), TRUE, TRUE);
    grid.AddProperty(NewReadOnlyItem(layertext::kStratumGrade, kGradeId), TRUE, TRUE);
    grid.AddProperty(NewReadOnlyItem(layertext::kStratumName, kStratumNameId), TRUE, TRUE);
    grid.AddProperty(NewReadOnlyItem(layertext::kWellGroup, kWellGroupId), TRUE, TRUE);
    return 0;
}

// A grade outside 0 to 4 (a layer made for no stratum) leaves the grade item as it was.
template <class Wrapper>
void TStratumDataPage<Wrapper>::RefreshLayer(Wrapper& layer) {
    if (CQXLayer* shown = layer.GetLayer()) layername::ShowLayerName(this->FindItem(kLayerNameId), shown->GetName());
    const int grade = layer.GetStratumGrade();
    CWellDataManager::Instance();
    if (grade >= 0 && grade <= kFinestGrade)
        SetItemText(this->FindItem(kGradeId), CWellDataManager::ConvertStratumGradeToStratumType(grade));
    SetItemText(this->FindItem(kStratumNameId), layer.GetStratumName());
    SetItemText(this->FindItem(kWellGroupId), layer.GetWellGroup());
}

template <class Wrapper>
bool TStratumDataPage<Wrapper>::OnLayerItemChanged(Wrapper& layer, CBCGPProp* item) {
    switch (item->GetData()) {
        case kLayerNameId:
            return layername::RenameLayer(layer.GetLayer(), item, layername::Rename::kLayerOnly);
        default:
            break;
    }
    return true;
}

template class TStratumDataPage<kel::plane::CWellLayer>;
template class TStratumDataPage<kel::plane::CStratumLayer>;
