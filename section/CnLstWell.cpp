#include "section/CnLstWell.h"

#include "framework/OptionTables.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "hosttypes/Halyard/FaultLine.h"
#include "hosttypes/Halyard/Reservoir.h"
#include "hosttypes/Oriel/CContainerSignle.h"
#include "hosttypes/Oriel/CMapProperty.h"
#include "hosttypes/Oriel/CStratumAdapter.h"
#include "hosttypes/Oriel/CStratumSysAdapter.h"
#include "hosttypes/Oriel/ConnectionGroups.h"
#include "hosttypes/Oriel/IkelWellAdapter.h"
#include "hosttypes/Oriel/ScContainer.h"
#include "hosttypes/Oriel/ScWellMgr.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "section/SectionItems.h"
#include "section/SectionOptions.h"
#include "section/SectionTexts.h"

using KelReservoir::Connection::CkelReservoir;
using namespace sectiontext;

namespace {

CBCGPProp* NewReadOnlyText(const char* name, DWORD_PTR id) {
    auto* item = new CBCGPProp(name, _variant_t(""), "", id);
    item->AllowEdit(FALSE);
    return item;
}

// A number item that refuses what rule, the rule of the reader the page reads it by, refuses.
CBCGPProp* NewNumber(const char* name, int digits, const char* description, bool negatives, DWORD_PTR id,
                     TextRule rule) {
    auto* item = new CBCGPropFloat(name, _variant_t(0.0), digits, description, negatives ? TRUE : FALSE, id);
    item->SetTextRule(std::move(rule));
    return item;
}

void SetNumber(CBCGPProp* item, double value) {
    if (item) item->SetValue(_variant_t(value));
}

void Show(CBCGPProp* item, bool shown) {
    if (item) item->Show(shown);
}

// Which stratum and connection groups of a well are built again.
struct GroupRebuild {
    void (CStratumGroupManager::*strata)(const std::string&);
    void (ScConGroupMgrVector::*connections)(const std::string&);
};
const GroupRebuild kAllGroups{
    static_cast<void (CStratumGroupManager::*)(const std::string&)>(&CStratumGroupManager::CreateAll),
    static_cast<void (ScConGroupMgrVector::*)(const std::string&)>(&ScConGroupMgrVector::CreateAll)};
const GroupRebuild kTopGroups{&CStratumGroupManager::CreateTop, &ScConGroupMgrVector::CreateTop};
const GroupRebuild kBottomGroups{&CStratumGroupManager::CreateBottom, &ScConGroupMgrVector::CreateBottom};

// A correlation section has no connection groups.
void Rebuild(ScContainer& container, const IkelWellAdapter* well, const GroupRebuild& groups) {
    const std::string name = well->GetName();
    (container.GetStratumGroupManager()->*groups.strata)(name);
    if (container.GetType() != ScControlerClient::CT_CORRELATION)
        (container.GetConMgrVector().*groups.connections)(name);
}

// A reservoir whose connections are curves or that holds fault lines is not rebuilt group by
// group: it goes back to its stored state instead.
bool RebuildsWhole(ScContainer& container) {
    auto* reservoir = dynamic_cast<CkelReservoir*>(&container);
    if (!reservoir) return false;
    if (reservoir->GetCurve()) return true;
    const auto faults = reservoir->GetFaultLineMgr();
    return faults && faults->GetNum() > 0;
}

}  // namespace

int GetMaxStratumLevel() {
    CStratumManager* strata = CWellDataManager::Instance()->GetStratumManager();
    for (int level = 4; level >= 0; --level)
        if (strata->GetStratumCount(level) != 0) return level;
    return -1;
}

CnLstWell::CnLstWell(int mode) : m_nMode(mode) {
    if (ScContainer* container = CContainerSignle::Instance()->GetContainer())
        for (ScObjInterface* object : container->GetActiveObj())
            if (auto* well = dynamic_cast<IkelWellAdapter*>(object)) m_wells.push_back(well);
}

CnLstWell::~CnLstWell() = default;

int CnLstWell::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    auto* basic = new CBCGPProp(kBasic, kBasicId, FALSE);
    basic->AddSubItem(NewReadOnlyText(kWellName, kWellNameId));
    CBCGPProp* templ = NewOptionItem(kTemplate, "", "", kTemplateId, {kNoTemplate}, false);
    section::AddTemplateOptions(templ, m_nMode + 1);
    basic->AddSubItem(templ);
    basic->AddSubItem(NewReadOnlyText(kDepthType, kDepthTypeId));
    basic->AddSubItem(NewNumber(kWellWidth, 0, kWellWidthDescription, false, kWidthId, section::ItemSizeRule(100.0)));
    m_wndPropList.AddProperty(basic, TRUE, TRUE);

    auto* range = new CBCGPProp(kDisplayRange, kRangeId, FALSE);
    range->AddSubItem(section::NewList(kRangeType, "", "", kRangeTypeId, kRangeTypes, OtherTakenAs(-1)));
    range->AddSubItem(NewOptionItem(kTopStratum, "", "", kTopStratumId, {}, false));
    range->AddSubItem(NewNumber(kTopExtend, 2, kTopExtendDescription, false, kTopExtendId, section::ItemSizeRule()));
    range->AddSubItem(NewOptionItem(kBottomStratum, "", "", kBottomStratumId, {}, false));
    range->AddSubItem(
        NewNumber(kBottomExtend, 2, kBottomExtendDescription, false, kBottomExtendId, section::ItemSizeRule()));
    range->AddSubItem(
        NewNumber(kTopDepth, 2, kTopDepthDescription, true, kTopDepthId, section::ItemNumberRule(DepthSign())));
    range->AddSubItem(NewNumber(kBottomDepth, 2, kBottomDepthDescription, true, kBottomDepthId,
                                section::ItemNumberRule(DepthSign())));
    m_wndPropList.AddProperty(range, TRUE, TRUE);

    auto* missing = new CBCGPProp(kMissingStrata, kMissingStrataId, FALSE);
    missing->AddSubItem(new CBCGPProp(kRefWell, _variant_t(""), "", kRefWellId));
    m_wndPropList.AddProperty(missing, TRUE, TRUE);
    return 0;
}

// ---- refresh: the last selected well ------------------------------------------------------------------

void CnLstWell::UpdateBCGPProperty(long object, CString) {
    if (object != m_curObject || m_wells.empty()) return;
    const IkelWellAdapter& well = *m_wells.back();
    const bool changed = well.GetTimeStamp() != m_timeStamp;
    m_timeStamp = well.GetTimeStamp();
    if (!changed) return;
    ScContainer* container = CContainerSignle::Instance()->GetContainer();
    ShowBasic(well, container);
    ShowRange(well, container);
    const bool connection = m_nMode == kConnection;
    Show(Item(kMissingStrataId), connection);
    if (connection) SetItemText(Item(kRefWellId), well.GetRefWell().c_str());
}

void CnLstWell::ShowBasic(const IkelWellAdapter& well, ScContainer* container) {
    if (CBCGPProp* name = Item(kWellNameId)) {
        SetItemText(name, well.GetName().c_str());
        name->Enable(m_wells.size() == 1);
    }
    SetItemText(Item(kTemplateId), section::TemplateTextOfPath(well.GetTemplate()));
    const boost::shared_ptr<CMapProperty> record = container ? container->GetProperty() : nullptr;
    SetItemText(Item(kDepthTypeId), record ? TextOfValue(kDepthTypes, record->m_nDepthType, "") : "");
    SetNumber(Item(kWidthId), well.GetWidth() / 100.0);
}

void CnLstWell::ShowRange(const IkelWellAdapter& well, ScContainer* container) {
    const int type = well.GetDepthType();
    const bool byStrata = type == kStrataRange;
    SetItemText(Item(kRangeTypeId), TextOfValue(kRangeTypes, type, ""));
    for (DWORD_PTR id : {kTopStratumId, kTopExtendId, kBottomStratumId, kBottomExtendId}) Show(Item(id), byStrata);
    for (DWORD_PTR id : {kTopDepthId, kBottomDepthId}) Show(Item(id), !byStrata);
    if (!byStrata) {
        SetNumber(Item(kTopDepthId), well.GetRealTopDepth() * DepthSign());
        SetNumber(Item(kBottomDepthId), well.GetRealBottomDepth() * DepthSign());
        return;
    }
    const boost::shared_ptr<CMapProperty> record = container ? container->GetProperty() : nullptr;
    const CStratumSysAdapter strata(record ? record->m_nGrade : -1);
    // Tops from the first stratum down to the section's bottom one; bottoms from its top one on.
    if (CBCGPProp* top = Item(kTopStratumId)) {
        top->RemoveAllOptions();
        const int last = record ? strata.FindIndex(record->m_strBottomStratum) : -1;
        for (int i = 0; i <= last; ++i) top->AddOption(strata.GetName(i).c_str(), TRUE);
        SetItemText(top, well.GetTopStratum().c_str());
    }
    SetNumber(Item(kTopExtendId), well.GetTopExtendDepth());
    if (CBCGPProp* bottom = Item(kBottomStratumId)) {
        bottom->RemoveAllOptions();
        const int first = record ? strata.FindIndex(record->m_strTopStratum) : -1;
        for (int i = first < 0 ? 0 : first; i < strata.GetSize(); ++i)
            bottom->AddOption(strata.GetName(i).c_str(), TRUE);
        SetItemText(bottom, well.GetBottomStratum().c_str());
    }
    SetNumber(Item(kBottomExtendId), well.GetBottomExtendDepth());
}

// ---- edits: every selected well ---------------------------------------------------------------------

LRESULT CnLstWell::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    ScContainer* container = CContainerSignle::Instance()->GetContainer();
    if (item && container && !Edit(item, *container)) {
        ShowItemAgain(item);
        return 0;
    }
    for (IkelWellAdapter* well : m_wells) well->Update();
    if (container) {
        container->UpdateWnd();
        container->SetModifyFlag(1);
    }
    return 0;
}

// The number items with the last selected well's values, as the page shows the well.
void CnLstWell::ShowItemAgain(CBCGPProp* item) {
    CWndLst::ShowItemAgain(item);
    if (!item || m_wells.empty()) return;
    const IkelWellAdapter& well = *m_wells.back();
    ShowStoredValueOf(item, {{kWidthId, well.GetWidth() / 100.0},
                                     {kTopExtendId, well.GetTopExtendDepth()},
                                     {kBottomExtendId, well.GetBottomExtendDepth()},
                                     {kTopDepthId, well.GetRealTopDepth() * DepthSign()},
                                     {kBottomDepthId, well.GetRealBottomDepth() * DepthSign()}});
}

bool CnLstWell::Edit(CBCGPProp* item, ScContainer& container) {
    const CString text = ItemText(item);
    double number = 0;
    switch (item->GetData()) {
        case kTemplateId:
            EditTemplate(text, container);
            break;
        case kWidthId:
            if (!section::ReadItemSize(item, 100.0, &number)) return false;
            EditWidth(number, container);
            break;
        case kRangeTypeId: {
            int type = 0;
            if (!ReadFixedList(item, &type)) return false;
            EditRangeType(type, container);
            break;
        }
        case kTopStratumId:
        case kBottomStratumId:
        case kTopDepthId:
        case kBottomDepthId:
            return EditRangeEnd(item, container);
        case kTopExtendId:
            if (!section::ReadItemSize(item, 1.0, &number)) return false;
            for (IkelWellAdapter* well : m_wells) well->SetTopExtendDepth(number);
            break;
        case kBottomExtendId:
            if (!section::ReadItemSize(item, 1.0, &number)) return false;
            for (IkelWellAdapter* well : m_wells) well->SetBottomExtendDepth(number);
            break;
        case kRefWellId:
            for (IkelWellAdapter* well : m_wells) {
                well->SetRefWell(text.str());
                Rebuild(container, well, kAllGroups);
            }
            break;
        default:
            break;
    }
    return true;
}

void CnLstWell::EditTemplate(const CString& text, ScContainer& container) {
    const std::string path = section::TemplatePathOfText(text, m_nMode + 1);
    const bool whole = RebuildsWhole(container);
    auto* reservoir = dynamic_cast<CkelReservoir*>(&container);
    for (IkelWellAdapter* well : m_wells) {
        well->SetTemplate(path, false);
        container.GetWellMgr()->SetValue(&IkelWellAdapter::SaveOldWellInfo);
        well->Update();
        if (!whole && !well->IsInclinedWell())
            Rebuild(container, well, kAllGroups);
        else if (reservoir)
            reservoir->ReBack();
        well->ProChanged();
    }
    if (reservoir) reservoir->GetFlowUnitManager().Rebuild();
}

// A width below a well's narrowest is not given to that well.
void CnLstWell::EditWidth(double width, ScContainer& container) {
    const bool whole = RebuildsWhole(container);
    auto* reservoir = dynamic_cast<CkelReservoir*>(&container);
    for (IkelWellAdapter* well : m_wells) {
        if (width >= well->GetMinWidth()) well->SetWidth(width);
        if (!whole && !well->IsInclinedWell())
            container.TransformOnScale(well->GetName(), 1.0, 1.0);
        else if (reservoir)
            reservoir->ReBack();
        well->ProChanged();
    }
}

// A well whose strata give no depth for its top (bottom) stratum takes the section's top (bottom).
void CnLstWell::EditRangeType(int type, ScContainer& container) {
    ScWellMgr* wells = container.GetWellMgr();
    double top = 0, bottom = 0;
    const bool sectionRange = !wells->IsNullWell() && wells->GetTopBotDepth(top, bottom);
    for (IkelWellAdapter* well : m_wells) {
        well->SetDepthType(type);
        CStratumAdapter strata;
        strata.SetWellName(well->GetName());
        if (sectionRange && strata.GetTopDepth(well->GetTopStratum(), true) == kFltMax) well->SetTopDepth(top);
        if (sectionRange && strata.GetBotDepth(well->GetBottomStratum(), true) == kFltMax) well->SetBottomDepth(bottom);
        well->ProChanged();
    }
}

bool CnLstWell::EditRangeEnd(CBCGPProp* item, ScContainer& container) {
    const DWORD_PTR id = item->GetData();
    const bool depth = id == kTopDepthId || id == kBottomDepthId;
    double value = 0;
    if (depth && !section::ReadItemNumber(item, DepthSign(), &value)) return false;
    const std::string text = ItemText(item).str();
    const bool top = id == kTopStratumId || id == kTopDepthId;
    container.GetWellMgr()->SetValue(&IkelWellAdapter::SaveOldWellInfo);
    const bool whole = RebuildsWhole(container);
    for (IkelWellAdapter* well : m_wells) {
        switch (id) {
            case kTopStratumId:
                well->SetTopStratum(text);
                well->ProChanged();
                break;
            case kBottomStratumId:
                well->SetBottomStratum(text);
                well->ProChanged();
                break;
            case kTopDepthId:
                well->SetTopDepth(well->GetTopExtendDepth() + value + well->GetAlignLength());
                break;
            default:
                well->SetBottomDepth(value - well->GetBottomExtendDepth());
                break;
        }
        if (!whole) Rebuild(container, well, top ? kTopGroups : kBottomGroups);
    }
    auto* reservoir = dynamic_cast<CkelReservoir*>(&container);
    if (whole && reservoir) reservoir->ReBack();
    if (id == kBottomStratumId && reservoir) reservoir->GetFlowUnitManager().Rebuild();
    return true;
}
