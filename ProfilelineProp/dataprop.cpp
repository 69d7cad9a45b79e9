#include "ProfilelineProp/dataprop.h"

#include "ProfilelineProp/PlPageSupport.h"
#include "ProfilelineProp/ProfilelineTexts.h"
#include "framework/FixedList.h"
#include "framework/NumberText.h"
#include "framework/OptionTables.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "hosttypes/Lodestar/PlContainer.h"
#include "hosttypes/Osprey/StratumManager.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "section/CnLstWell.h"

using namespace KelProfileline;
using namespace pltext;

namespace {

const TextValue kTargets[] = {
    {kWellHead, CPlLayerData::kTargetWellHead},
    {kWellBottom, CPlLayerData::kTargetWellBottom},
    {kTargetLevel1, 3},
    {kTargetLevel2, 4},
    {kTargetLevel3, 5},
    {kTargetLevel4, 6},
    {kTargetLevel5, 7},
    {kWellSeaLevel, CPlLayerData::kTargetSeaLevel},
};

CStratumManager* Strata() { return CWellDataManager::Instance()->GetStratumManager(); }

bool IsLevel(int level) { return level >= 0 && level <= 4; }

}  // namespace

CPlLayerData::~CPlLayerData() = default;

const char* CPlLayerData::TextOfTarget(int code) { return TextOfValue(kTargets, code, ""); }
int CPlLayerData::LevelOfTarget(int code) {
    return code >= kTargetLevel1 && code <= kTargetLevel5 ? code - kTargetLevel1 : -1;
}

int CPlLayerData::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return PL_PAGE_FAILED(kDataPageFailed);
    // Every target's text is taken, offered or not; any other text is no target (0), shown empty as
    // the refresh shows it. The refresh offers the targets of the well data.
    CFixedListProp* place = NewFixedListItem(kWellPlace, "", "", kWellPlaceId, kTargets, OtherTakenAs(kTargetNone));
    place->RemoveAllOptions();
    place->ShowUnlistedAs("");
    m_wndPropList.AddProperty(place, TRUE, TRUE);
    CBCGPProp* stratum = NewOptionItem(kStratumName, "", "", kStratumNameId, {}, false);
    stratum->Enable(FALSE);
    m_wndPropList.AddProperty(stratum, TRUE, TRUE);
    auto* depth = new CBCGPropFloat(kSeaLevelDepth, _variant_t(0.0), 2, "", TRUE, kSeaLevelDepthId);
    depth->Enable(FALSE);
    m_wndPropList.AddProperty(depth, TRUE, TRUE);
    return 0;
}

// ---- refresh ---------------------------------------------------------------------------------------

void CPlLayerData::UpdateBCGPProperty(long object, CString) {
    const boost::shared_ptr<CLayerProperty> layer = plpage::LayerToRefresh(*this, object, m_pEntity);
    if (!layer) return;
    ShowTarget(*layer);
    ShowStratum(*layer);
    ShowDepth(*layer);
}

// The stratum levels offered are those the well data holds strata of, up to the highest.
void CPlLayerData::ShowTarget(const CLayerProperty& layer) {
    if (CBCGPProp* item = Item(kWellPlaceId)) {
        item->RemoveAllOptions();
        item->AddOption(kWellHead);
        item->AddOption(kWellBottom);
        const int highest = GetMaxStratumLevel();
        for (int level = 0; level <= highest; ++level) item->AddOption(TextOfTarget(kTargetLevel1 + level));
        item->AddOption(kWellSeaLevel);
        SetItemText(item, TextOfTarget(layer.m_nDataTarget));
    }
    m_pEntity->m_nStratumGrade = LevelOfTarget(layer.m_nDataTarget);
    m_pEntity->UpdateProperty();
}

void CPlLayerData::ShowStratum(const CLayerProperty& layer) {
    CBCGPProp* item = Item(kStratumNameId);
    if (!item) return;
    const int level = m_pEntity->m_nStratumGrade;
    const int count = IsLevel(level) ? Strata()->GetStratumCount(level) : 0;
    const int index = layer.m_nStratumIndex;
    SetItemText(item, index >= 0 && index < count ? Strata()->GetStratumName(level, index) : CString());
    item->Enable(level != -1);
    if (level == -1) return;
    item->RemoveAllOptions();
    for (int i = 0; i < count; ++i) item->AddOption(Strata()->GetStratumName(level, i));
}

void CPlLayerData::ShowDepth(const CLayerProperty& layer) {
    CBCGPProp* item = Item(kSeaLevelDepthId);
    if (!item) return;
    const bool seaLevel = layer.m_nDataTarget == kTargetSeaLevel;
    item->Enable(seaLevel);
    if (seaLevel) item->SetValue(_variant_t(layer.m_dSeaLevelDepth));
}

// ---- edits -------------------------------------------------------------------------------------------

LRESULT CPlLayerData::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    const boost::shared_ptr<CLayerProperty> layer = plpage::LayerProperty();
    if (!item || !m_pEntity || !layer) return 0;
    switch (item->GetData()) {
        case kWellPlaceId:
            EditTarget(*layer, item);
            break;
        case kStratumNameId:
            EditStratum(*layer, item);
            break;
        case kSeaLevelDepthId:
            EditDepth(*layer, item);
            break;
        default:
            break;
    }
    return 0;
}

// The next refresh rebuilds the items and has the graph read the new target.
void CPlLayerData::EditTarget(CLayerProperty& layer, CBCGPProp* item) {
    int target = kTargetNone;
    if (!ReadFixedList(item, &target)) return;
    layer.m_nDataTarget = target;
    if (LevelOfTarget(layer.m_nDataTarget) != -1) layer.m_nStratumIndex = 0;
    plpage::Stamp(m_pEntity);
}

void CPlLayerData::EditStratum(CLayerProperty& layer, CBCGPProp* item) {
    const int level = m_pEntity->m_nStratumGrade;
    const CString name = ItemText(item);
    int found = -1;
    const int count = IsLevel(level) ? Strata()->GetStratumCount(level) : 0;
    for (int i = 0; i < count && found == -1; ++i)
        if (Strata()->GetStratumName(level, i) == name) found = i;
    layer.m_nStratumIndex = found;
    m_pEntity->UpdateProperty();
}

void CPlLayerData::ShowItemAgain(CBCGPProp* item) {
    CWndLst::ShowItemAgain(item);
    if (const boost::shared_ptr<CLayerProperty> layer = plpage::LayerProperty(); item && layer)
        ShowStoredValueOf(item, {{kSeaLevelDepthId, layer->m_dSeaLevelDepth}});
}

// The depth item refuses a text that is no number, so every text that comes here reads.
void CPlLayerData::EditDepth(CLayerProperty& layer, CBCGPProp* item) {
    double depth = 0;
    if (!numtext::LeadingNumber(ItemText(item), &depth)) return;
    layer.m_dSeaLevelDepth = depth;
    m_pEntity->UpdateProperty();
}
