#include "ProfilelineProp/PlLayerReferenceInfo.h"

#include <string>
#include <vector>

#include "ProfilelineProp/PlPageSupport.h"
#include "ProfilelineProp/ProfilelineTexts.h"
#include "framework/ChangeCheckers.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/PropItems.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Harrow/HarrowUtility.h"
#include "hosttypes/Harrow/KelProject.h"
#include "hosttypes/Lodestar/LayerProperty.h"
#include "hosttypes/Lodestar/PlContainer.h"
#include "win32/Win32.h"

using namespace KelProfileline;
using namespace pltext;

CPlLayerReferenceInfo::CPlLayerReferenceInfo(CPlCnEntity* entity)
    : m_pEntity(entity), m_refInfo(entity ? entity->GetRefrenceInfo() : boost::shared_ptr<CPlRefrenceInfo>()) {}

CPlLayerReferenceInfo::~CPlLayerReferenceInfo() = default;

int CPlLayerReferenceInfo::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_pGroup = new CBCGPProp(kReferenceInfo, kGroupId, FALSE);
    m_pGroup->AddSubItem(NewYesNoList(grouptext::kShow, "", kShowPlaneMapDescription, kShowId));
    m_pGroup->AddSubItem(new CBCGPProp(kPlaneMapChoice, _variant_t(""), kPlaneMapChoiceDescription, kPlaneMapId));
    m_pLayers = new CBCGPProp(kLayers, kLayersId, FALSE);
    m_pGroup->AddSubItem(m_pLayers);
    m_wndPropList.AddProperty(m_pGroup, TRUE, TRUE);
    return 0;
}

// Reads the information again whenever the entity's stamp moved, whatever object the host named.
void CPlLayerReferenceInfo::UpdateBCGPProperty(long, CString) {
    if (!m_pEntity || !m_pGroup || !m_refInfo) return;
    if (!CProChangedChecker(static_cast<CPlObjInterface*>(m_pEntity), this)()) return;
    const boost::shared_ptr<CLayerProperty> layer = m_refInfo->GetLayerProperty();
    const bool shown = layer && layer->m_bShowReferenceMap;
    SetYesNoProp(m_pGroup->GetSubItem(0), shown);
    FillPlaneMaps(m_pGroup->GetSubItem(1), layer ? layer->m_strPlaneMapFile : std::string());
    BuildLayerItems();
    m_wndPropList.AdjustLayout();
    EnableSubItemsDeep(m_pGroup, 1, m_pGroup->GetSubItemsCount(), shown);
}

// A stored name is shown only when its file exists; the names offered are the folder's plane maps.
void CPlLayerReferenceInfo::FillPlaneMaps(CBCGPProp* item, const std::string& current) {
    if (!item) return;
    item->RemoveAllOptions();
    const CString folder = CKelProject::Instance()->GetProjectPath() + kPlaneMapFolder;
    const CString file = folder + kPathSeparator + current.c_str() + kPlaneMapExtension;
    if (GetFileAttributesA(file) != INVALID_FILE_ATTRIBUTES) SetItemText(item, current.c_str());
    std::vector<std::string> names;
    if (CHarrowUtility::FindFile(folder, names) <= 0 || names.empty()) return;
    item->AddOption("");
    for (const std::string& name : names) item->AddOption(name.c_str());
}

void CPlLayerReferenceInfo::BuildLayerItems() {
    DeleteAllSubItems(m_pLayers);
    std::vector<std::string> names;
    m_refInfo->GetShowLayer(names);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string description = kShowLayerPrefix + names[i] + kShowLayerSuffix;
        CBCGPProp* layer = NewYesNoList(names[i].c_str(), "", description.c_str(), kFirstLayerId + i);
        SetYesNoProp(layer, m_refInfo->GetShowLayerVisible(static_cast<int>(i)) == 1);
        m_pLayers->AddSubItem(layer);
    }
}

// Every edit renews the entity's stamp: this page and the graph pick it up at the next refresh.
LRESULT CPlLayerReferenceInfo::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    if (!item || !m_pEntity || !m_refInfo) return 0;
    if (item->GetData() == kShowId) {
        if (const boost::shared_ptr<CLayerProperty> layer = m_refInfo->GetLayerProperty())
            layer->m_bShowReferenceMap = ReadYesNo(item);
    } else if (item->GetData() == kPlaneMapId) {
        m_refInfo->SetFileName(ItemText(item).str());
    } else if (item->GetParent() == m_pLayers) {
        m_refInfo->SetLayerVisible(item->GetName().str(), ReadYesNo(item));
    }
    plpage::Stamp(m_pEntity);
    return 0;
}
