#include "hosttypes/Halyard/FlowUnit.h"

#include "hosttypes/Halyard/OSWerLine.h"
#include "hosttypes/Oriel/ScControlerInterface.h"

namespace KelReservoir::SandUnit {

IkelSandUnit::~IkelSandUnit() = default;

CkelFlowUnit::CkelFlowUnit() : m_pManager(nullptr), m_layout{}, m_nState(0) { m_strObjName = "CkelFlowUnit"; }
CkelFlowUnit::~CkelFlowUnit() = default;
SC_IMPLEMENT_ACCEPT(CkelFlowUnit)

CkelFlowUnitManager::CkelFlowUnitManager() : m_pReservoir(nullptr), m_bWorking(false) {}
CkelFlowUnitManager::~CkelFlowUnitManager() = default;

bool CkelFlowUnitManager::IsHave(CnSand* sand) const { return FindFlowUnit(sand) != nullptr; }

bool CkelFlowUnitManager::IsHave(CnSandFill* fill) const { return FindFlowUnit(fill) != nullptr; }

CkelFlowUnitManager::FlowUnitPtr CkelFlowUnitManager::FindFlowUnit(CnSand* sand) const {
    for (unsigned int i = 0; i < GetNum(); ++i) {
        FlowUnitPtr unit = GetObj(i);
        if (unit && unit->GetSandManger().FindObj(sand)) return unit;
    }
    return FlowUnitPtr();
}

CkelFlowUnitManager::FlowUnitPtr CkelFlowUnitManager::FindFlowUnit(CnSand* a, CnSand* b) const {
    for (unsigned int i = 0; i < GetNum(); ++i) {
        FlowUnitPtr unit = GetObj(i);
        if (unit && unit->GetSandManger().FindObj(a) && unit->GetSandManger().FindObj(b)) return unit;
    }
    return FlowUnitPtr();
}

CkelFlowUnitManager::FlowUnitPtr CkelFlowUnitManager::FindFlowUnit(CnSandFill* fill) const {
    for (unsigned int i = 0; i < GetNum(); ++i) {
        FlowUnitPtr unit = GetObj(i);
        if (unit && unit->GetFillManager().FindObj(fill)) return unit;
    }
    return FlowUnitPtr();
}

}  // namespace KelReservoir::SandUnit

// The lists the module compiles for the reservoir pages.
template class CManager<KelReservoir::SandUnit::CkelFlowUnit>;
template class CManagerWithoutCreate<CnSand>;
template class CManagerWithoutCreate<CnSandLine>;
template class CManagerWithoutCreate<CnSandFill>;
